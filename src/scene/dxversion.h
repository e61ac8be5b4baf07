#pragma once
#include <cstdint>

// The 3D stack's version code found at start-up (GetDXVersion); the mouse that
// fetches fallen toys needs 0x600 or more.
extern std::uint32_t DirectXVersion;
