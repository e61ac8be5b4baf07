#pragma once
// The user's decoration loaded for a picture without a window (--snapshot,
// --send): the window background and the tree, rendered once as the window
// shows it. The description file is never rewritten by these commands.
#include "scene/tree.h"

#include <QImage>
#include <memory>

struct PictureDecoration {
    QImage background;           // the window's face (plain when its picture is missing)
    std::unique_ptr<TTree> tree; // null when the decoration can't be drawn (told on standard error)
};

// Probes the 3D stack, loads the home's "desc" and renders it.
PictureDecoration LoadPictureDecoration();
