#include "scene/dxversion.h"

std::uint32_t DirectXVersion = 0;
