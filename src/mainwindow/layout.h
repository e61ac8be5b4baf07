#pragma once
// Where things sit in the 640 × 480 main window.
#include <QRect>
#include <QSize>

namespace layout {

inline constexpr QSize Window{640, 480};
// The 3D view of the tree.
inline constexpr QRect TreeControl{135, 32, 370, 376};
// The greeting band across the top.
inline constexpr QRect Welcome{135, 0, 370, 32};
// The flat front of the ribbon painted under the band, inside its gold edges:
// the greeting is fitted here, never onto the folded ends.
inline constexpr QRect WelcomeText{153, 3, 334, 25};
// The picture that is sent and printed: the window's upper part without its controls.
inline constexpr QSize Snapshot{640, 422};

} // namespace layout
