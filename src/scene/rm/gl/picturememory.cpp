#include "scene/rm/gl/picturememory.h"

#include <cstring>

namespace gl {

namespace {

bool inside(const QRect& rect, const QImage& surface) {
    return surface.format() == QImage::Format_ARGB32_Premultiplied && surface.rect().contains(rect);
}

} // namespace

std::vector<std::size_t> PictureMemory::recall(const std::vector<Key>& keys, const std::vector<QRect>& rects,
                                               QImage& surface) {
    std::vector<std::size_t> missing;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const auto it = i < keys.size() ? index_.find(keys[i]) : index_.end();
        if (it == index_.end() || it->second->rect != rects[i] || !inside(rects[i], surface)) {
            missing.push_back(i);
            continue;
        }
        const Entry& entry = *it->second;
        const QRect& r = entry.rect;
        const auto row = static_cast<std::size_t>(r.width()) * sizeof(std::uint32_t);
        for (int y = 0; y < r.height(); ++y)
            std::memcpy(surface.scanLine(r.y() + y) + r.x() * 4, entry.pixels.data() + y * r.width(), row);
        entries_.splice(entries_.begin(), entries_, it->second);
    }
    return missing;
}

void PictureMemory::remember(Key key, const QRect& r, const QImage& surface) {
    const std::size_t size = static_cast<std::size_t>(r.width()) * static_cast<std::size_t>(r.height());
    if (!inside(r, surface) || size * 4 > capacity_ / 4 || index_.count(key))
        return;
    Entry entry{key, r, std::vector<std::uint32_t>(size)};
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(entry.pixels.data() + y * r.width(), surface.constScanLine(r.y() + y) + r.x() * 4,
                    static_cast<std::size_t>(r.width()) * 4);
    bytes_ += size * 4;
    entries_.push_front(std::move(entry));
    index_[key] = entries_.begin();
    while (bytes_ > capacity_) {
        bytes_ -= entries_.back().pixels.size() * 4;
        index_.erase(entries_.back().key);
        entries_.pop_back();
    }
}

void PictureMemory::forget() {
    entries_.clear();
    index_.clear();
    bytes_ = 0;
}

} // namespace gl
