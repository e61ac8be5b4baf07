#pragma once
// Vectors between the description file's form and the scene's.
#include "platform/desctext.h"
#include "scene/rm/rmtypes.h"

inline rm::Vector ToSceneVector(const TVector& v) {
    return {v.x, v.y, v.z};
}
inline TVector ToFileVector(const rm::Vector& v) {
    return {v.x, v.y, v.z};
}
