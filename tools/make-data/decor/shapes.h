#pragma once
// Parametric building blocks of the ornaments, the tree and the mouse. Each
// adds triangles with smooth (or, for the faceted ones, flat) normals to a
// model; the same parameters always give the same topology, so key meshes
// built from them line up vertex for vertex.
#include "decor/meshmodel.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace decor {

// A small deterministic random source (the standard distributions differ
// between library versions; this one does not).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [low, high).
    float uniform(float low = 0.0f, float high = 1.0f);
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

constexpr float Pi = 3.14159265358979f;

struct LatheOptions {
    int segments = 24;
    // Material of the quad between profile points i and i+1 at segment j.
    std::function<int(int i, int j)> material;
    // Radius factor at angle a (radians) and profile point i: flutes, lobes.
    std::function<float(float a, int i)> radius;
    // Extra turn (radians) of profile point i about the axis: twisted shapes.
    std::function<float(int i)> twist;
    int piece = 0;
};

// Surface of revolution about the y axis. The profile holds (radius, y)
// points, run from the bottom along the outside to the top: the normals then
// point outwards (run it the other way round for an inside surface). Two equal
// consecutive points make a crease; radius 0 closes the surface at the axis.
void lathe(MeshModel& model, const std::vector<glm::vec2>& profile, const LatheOptions& options);

// A tube of `sides` sides along path, radius[i] at path point i; closed: the
// path is a ring. Ends are left open (cover them with a small radius).
void tube(MeshModel& model, const std::vector<glm::vec3>& path, const std::vector<float>& radius, int sides,
          int material, bool closed = false, int piece = 0);

// A flat-shaded triangle seen from the side of `outside` (a direction).
void flatTriangle(MeshModel& model, glm::vec3 a, glm::vec3 b, glm::vec3 c, glm::vec3 outside, int material,
                  int piece = 0);

// Sphere of radius r centred on the origin, `rings` rings from pole to pole.
void sphere(MeshModel& model, float r, int rings, int segments, int material, int piece = 0);

// A ring (torus) in the x-y plane, centred on the origin: the hanging loop.
void ring(MeshModel& model, float radius, float thickness, int material, int piece = 0);

// Cap and loop at the top of a hanging ornament: a fluted metal cap whose
// bottom sits at y = top - overlap, with a loop above it.
void hangingCap(MeshModel& model, float top, float capRadius, int metal, int piece = 0);

// Path points of a quadratic Bezier curve.
std::vector<glm::vec3> bezier(glm::vec3 a, glm::vec3 b, glm::vec3 c, int points);

// Rotation about an axis through a pivot, as a matrix.
glm::mat4 turnAbout(glm::vec3 pivot, glm::vec3 axis, float angle);

} // namespace decor
