#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// Bytes kept deflated, for copies held only in case they are needed again
// (the undo history): scenario XML and bitmaps shrink about tenfold. Equal
// bytes pack to equal bytes, so packed copies compare as the originals do.
class TPackedBytes {
public:
    explicit TPackedBytes(std::string_view bytes);

    std::string Unpack() const;
    // The size before packing, and what is held.
    size_t Size() const { return Size_; }
    size_t PackedSize() const { return Packed_.size(); }
    bool operator==(const TPackedBytes& other) const {
        return Size_ == other.Size_ && Packed_ == other.Packed_;
    }

private:
    std::string Packed_;
    size_t Size_ = 0;
};

using TPacked = std::shared_ptr<const TPackedBytes>;

inline TPacked Pack(std::string_view bytes) {
    return std::make_shared<const TPackedBytes>(bytes);
}
