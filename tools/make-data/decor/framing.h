#pragma once
// How the program frames the default decoration: its camera stands 100 units
// in front of the scene's origin at the height of the tree's middle, with the
// viewport's default field of 0.5 over the 370 × 376 tree view. The tree
// stands 130 of its own units from the camera, so that its foot (the floor
// where fallen toys land) shows above the case pictures along the window's
// bottom edge.
//
// The scene is built at four fifths of the size the meshes are made in (the
// tree's, the toys' and the mouse's scale): the tree then stands nearer the
// camera, looking just as big, while the mouse, which always sets out 150
// units in front of the camera, starts further behind the tree. It has that
// much further to walk up to a fallen toy, and to carry it off.
namespace decor {

inline constexpr float CameraDistance = 100.0f;
inline constexpr float WorldScale = 0.8f;
inline constexpr float TreeDepth = CameraDistance - 130.0f * WorldScale; // the tree's position along z
inline constexpr float ViewField = 0.5f;
inline constexpr int ViewWidth = 370, ViewHeight = 376;

// Pixels of the tree view per scene unit at the depth of the tree's axis: the
// size a toy shows when it is dragged out of its case or falls past the tree.
inline constexpr float TreeViewPixelsPerUnit() {
    const float larger = ViewWidth > ViewHeight ? ViewWidth : ViewHeight;
    return larger * 0.5f / (ViewField * (CameraDistance - TreeDepth));
}

} // namespace decor
