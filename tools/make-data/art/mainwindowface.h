#pragma once
// The main window's face: the night scene with the greeting ribbon, the
// button panels, the shelf and the seven toy cases in their normal looks.
#include <QImage>

namespace makedata::art {

// Everything but the buttons and cases: what lies under them; `scale` times
// finer than the window (a device pixel ratio of `scale`).
QImage paintMainWindowBase(int scale = 1);
// The picture that is mailed and printed lies on this card: the window's upper
// part (the night scene, ribbon and boughs) without the button panels.
QImage paintCardBackground();
// The same card painted `scale` times finer, for printing.
QImage paintPrintCardBackground(int scale);
// The whole face with every button and case in its normal look.
QImage paintMainWindowFace(int scale = 1);

} // namespace makedata::art
