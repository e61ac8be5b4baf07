#pragma once
// How the program frames the default decoration: its camera stands 100 units
// in front of the scene's origin at the height of the tree's middle, with the
// viewport's default field of 0.5 over the 370 × 376 tree view. The tree stands
// further back than the origin, so that its foot (the floor where fallen toys
// land) shows above the case pictures along the window's bottom edge.
namespace decor {

inline constexpr float CameraDistance = 100.0f;
inline constexpr float TreeDepth = -30.0f; // the tree's position along z
inline constexpr float ViewField = 0.5f;
inline constexpr int ViewWidth = 370, ViewHeight = 376;

// Pixels of the tree view per unit at the depth of the tree's axis: the size a
// toy shows when it is dragged out of its case or falls past the tree.
inline constexpr float TreeViewPixelsPerUnit() {
    const float larger = ViewWidth > ViewHeight ? ViewWidth : ViewHeight;
    return larger * 0.5f / (ViewField * (CameraDistance - TreeDepth));
}

} // namespace decor
