#pragma once
// DrawList: what a scene shows, visual by visual (the frame that holds it, its
// world transform, the visual's revision and the screen rectangle it may
// touch), and what changed between two such lists. It knows no OpenGL: the
// device uses it to redraw, resolve and read back only the damaged parts of
// the picture, as compositors track damage.
//
//   gl::DrawList now = gl::DrawList::collect(viewport, *scene, boxes);
//   gl::DrawChanges changes = now.compare(before);
//   if (changes.global) ... redraw everything
//   for (const QRect& r : changes.damage) ... redraw r
#include "scene/rm/frame.h"
#include "scene/rm/viewport.h"

#include <QRect>
#include <map>
#include <memory>
#include <vector>

namespace gl {

// One visual shown by one frame.
struct DrawItem {
    std::shared_ptr<const rm::Frame> frame;
    std::shared_ptr<rm::Visual> visual;
    std::uint64_t revision = 0;
    glm::mat4 model{1.0f};
    // The pixels the visual may cover (empty when it is off the screen).
    QRect rect;
    // Different from the previous list (new, moved, or its visual changed).
    bool changed = true;
};

// The bounding boxes of visuals, kept while their revision stays.
class BoxCache {
public:
    const rm::Box& box(const std::shared_ptr<rm::Visual>& visual);
    // Forgets the visuals that no longer exist.
    void purge();

private:
    struct Entry {
        std::weak_ptr<rm::Visual> owner;
        std::uint64_t revision = 0;
        rm::Box box;
    };
    std::map<const rm::Visual*, Entry> boxes_;
};

struct DrawChanges {
    // The camera, the lights or the viewport changed: every pixel may differ.
    bool global = false;
    // Screen rectangles whose pixels may differ, few and not overlapping.
    std::vector<QRect> damage;
    // Where the items that changed now or in the previous list are, or were:
    // the still part of the picture is different there.
    std::vector<QRect> stillDamage;
    int damagedArea() const;
    bool empty() const { return !global && damage.empty(); }
};

class DrawList {
public:
    static DrawList collect(const rm::Viewport& viewport, const rm::Frame& scene, BoxCache& boxes);

    // Marks the items that differ from before's and says where the picture changed.
    DrawChanges compare(const DrawList& before);

    std::vector<DrawItem>& items() { return items_; }
    const std::vector<DrawItem>& items() const { return items_; }
    const glm::mat4& viewProjection() const { return viewProjection_; }
    QSize size() const { return size_; }

private:
    void collectFrame(const rm::Frame& frame, BoxCache& boxes);
    QRect screenRect(const rm::Box& box, const glm::mat4& model) const;

    std::vector<DrawItem> items_;
    glm::mat4 viewProjection_{1.0f};
    QSize size_;
    // The camera and lights, as numbers: equal lists of them light and see alike.
    std::vector<float> global_;
};

// Adds rect to rects, merging it with those it overlaps (or nearly touches) so
// that the list stays short and free of overlaps.
void addDamage(std::vector<QRect>& rects, const QRect& rect);

} // namespace gl
