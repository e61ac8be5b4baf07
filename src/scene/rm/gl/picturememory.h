#pragma once
// PictureMemory: the pixels of rectangles the device drew, kept under a key
// that names everything drawn there (the moving visuals' contents and places,
// and the rectangle). A looping animation on a still scene comes back to the
// same states round after round; from the second round on, its rectangles are
// copied from here instead of being drawn. Pixels are the same either way: the
// same still part and the same visuals in the same places render the same.
//
//   std::vector<Key> keys = ...;              // one per damaged rectangle
//   for (std::size_t i : memory.recall(keys, damage, surface)) {
//       ... draw damage[i] into surface ...
//       memory.remember(keys[i], damage[i], surface);
//   }
//   memory.forget();                          // when the still part changes
#include <QImage>
#include <QRect>
#include <cstdint>
#include <list>
#include <unordered_map>
#include <vector>

namespace gl {

class PictureMemory {
public:
    using Key = std::uint64_t;

    explicit PictureMemory(std::size_t capacityBytes = 6u << 20) : capacity_(capacityBytes) {}

    // Copies the remembered pixels of the rectangles into surface and returns
    // the indices of those it does not remember.
    std::vector<std::size_t> recall(const std::vector<Key>& keys, const std::vector<QRect>& rects,
                                    QImage& surface);
    // Keeps surface's pixels of the rectangles under their keys; the least
    // recently used go when the memory is full.
    void remember(Key key, const QRect& rect, const QImage& surface);
    void forget();

    std::size_t bytes() const { return bytes_; }
    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        Key key = 0;
        QRect rect;
        std::vector<std::uint32_t> pixels;
    };
    std::size_t capacity_;
    std::size_t bytes_ = 0;
    std::list<Entry> entries_; // most recently used first
    std::unordered_map<Key, std::list<Entry>::iterator> index_;
};

} // namespace gl
