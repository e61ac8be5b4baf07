#pragma once
// The decoration the program starts with: settings, the tree, the catalogue,
// the mouse and a festive set of toys already on the tree.
#include "scene/descmodel.h"

namespace decor {

DescriptionFile defaultDecoration();

} // namespace decor
