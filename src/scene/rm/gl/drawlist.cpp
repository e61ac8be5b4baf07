#include "scene/rm/gl/drawlist.h"

#include "scene/rm/gl/glrenderer.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace gl {

namespace {

// Multisampled edges and rounding reach a little beyond the projected box.
constexpr int Margin = 2;

struct ItemKey {
    const rm::Frame* frame;
    const rm::Visual* visual;
    bool operator==(const ItemKey&) const = default;
};
struct ItemKeyHash {
    std::size_t operator()(const ItemKey& key) const {
        return std::hash<const void*>()(key.frame) * 31 + std::hash<const void*>()(key.visual);
    }
};

void appendMatrix(std::vector<float>& out, const glm::mat4& m) {
    const float* p = &m[0][0];
    out.insert(out.end(), p, p + 16);
}

// Everything about the camera and the lights that changes a picture.
void collectGlobal(const rm::Frame& frame, std::vector<float>& out) {
    for (const auto& light : frame.lights()) {
        const glm::vec3 color = light->GetColor();
        out.push_back(static_cast<float>(light->GetType()));
        out.insert(out.end(), {color.r, color.g, color.b});
        appendMatrix(out, frame.worldMatrix());
    }
    for (const auto& child : frame.children())
        collectGlobal(*child, out);
}

} // namespace

const rm::Box& BoxCache::box(const std::shared_ptr<rm::Visual>& visual) {
    Entry& entry = boxes_[visual.get()];
    if (entry.owner.lock() != visual || entry.revision != visual->revision()) {
        entry.owner = visual;
        entry.revision = visual->revision();
        entry.box = visual->GetBox();
    }
    return entry.box;
}

void BoxCache::purge() {
    std::erase_if(boxes_, [](const auto& entry) { return entry.second.owner.expired(); });
}

int DrawChanges::damagedArea() const {
    int area = 0;
    for (const QRect& r : damage)
        area += r.width() * r.height();
    return area;
}

void addDamage(std::vector<QRect>& rects, const QRect& rect) {
    if (rect.isEmpty())
        return;
    QRect merged = rect;
    // Merging may make the rectangle meet others: repeat until it meets none.
    for (bool grew = true; grew;) {
        grew = false;
        for (auto it = rects.begin(); it != rects.end();) {
            if (it->adjusted(-Margin, -Margin, Margin, Margin).intersects(merged)) {
                merged |= *it;
                it = rects.erase(it);
                grew = true;
            } else {
                ++it;
            }
        }
    }
    rects.push_back(merged);
}

DrawList DrawList::collect(const rm::Viewport& viewport, const rm::Frame& scene, BoxCache& boxes) {
    DrawList list;
    list.size_ = QSize(viewport.GetWidth(), viewport.GetHeight());
    list.viewProjection_ = Renderer::projection(viewport) * viewport.viewMatrix();
    appendMatrix(list.global_, list.viewProjection_);
    collectGlobal(scene, list.global_);
    list.collectFrame(scene, boxes);
    return list;
}

void DrawList::collectFrame(const rm::Frame& frame, BoxCache& boxes) {
    if (!frame.visuals().empty()) {
        const glm::mat4 model = frame.worldMatrix();
        const auto shared = frame.weak_from_this().lock();
        for (const auto& visual : frame.visuals()) {
            DrawItem item;
            item.frame = shared;
            item.visual = visual;
            item.revision = visual->revision();
            item.model = model;
            item.rect = screenRect(boxes.box(visual), model);
            items_.push_back(std::move(item));
        }
    }
    for (const auto& child : frame.children())
        collectFrame(*child, boxes);
}

QRect DrawList::screenRect(const rm::Box& box, const glm::mat4& model) const {
    const QRect screen(QPoint(0, 0), size_);
    const glm::mat4 toClip = viewProjection_ * model;
    float left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
    for (int corner = 0; corner < 8; ++corner) {
        const glm::vec4 p =
            toClip * glm::vec4(corner & 1 ? box.max.x : box.min.x, corner & 2 ? box.max.y : box.min.y,
                               corner & 4 ? box.max.z : box.min.z, 1.0f);
        // A corner at or behind the camera: the box may cover anything.
        if (!(p.w > 1e-3f))
            return screen;
        const float x = (p.x / p.w * 0.5f + 0.5f) * static_cast<float>(size_.width());
        const float y = (p.y / p.w * 0.5f + 0.5f) * static_cast<float>(size_.height());
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    // Far outside the screen (or not a number): clamp before converting.
    auto pixel = [](float v) {
        return static_cast<int>(std::clamp(v, -1e6f, 1e6f));
    };
    const QRect rect(QPoint(pixel(std::floor(left)) - Margin, pixel(std::floor(top)) - Margin),
                     QPoint(pixel(std::ceil(right)) + Margin, pixel(std::ceil(bottom)) + Margin));
    return rect & screen;
}

DrawChanges DrawList::compare(const DrawList& before) {
    DrawChanges changes;
    changes.global = global_ != before.global_ || size_ != before.size_;
    std::unordered_map<ItemKey, std::size_t, ItemKeyHash> earlier;
    earlier.reserve(before.items_.size());
    for (std::size_t i = 0; i < before.items_.size(); ++i) {
        const DrawItem& item = before.items_[i];
        earlier.emplace(ItemKey{item.frame.get(), item.visual.get()}, i);
    }
    std::vector<bool> matched(before.items_.size(), false);
    for (DrawItem& item : items_) {
        const auto found = item.frame ? earlier.find({item.frame.get(), item.visual.get()}) : earlier.end();
        if (found == earlier.end() || matched[found->second]) {
            item.changed = true;
            addDamage(changes.damage, item.rect);
            continue;
        }
        matched[found->second] = true;
        const DrawItem& old = before.items_[found->second];
        item.changed = old.revision != item.revision || old.model != item.model;
        if (item.changed) {
            addDamage(changes.damage, old.rect);
            addDamage(changes.damage, item.rect);
        }
        // Still then, moving now (or the other way round): the still part changes there.
        if (item.changed != old.changed) {
            addDamage(changes.stillDamage, old.rect);
            addDamage(changes.stillDamage, item.rect);
        }
    }
    for (std::size_t i = 0; i < before.items_.size(); ++i) {
        if (!matched[i]) {
            const DrawItem& gone = before.items_[i];
            addDamage(changes.damage, gone.rect);
            if (!gone.changed)
                addDamage(changes.stillDamage, gone.rect);
        }
    }
    return changes;
}

} // namespace gl
