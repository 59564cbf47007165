#include "scenario/TPackedBytes.h"

#include <limits>
#include <new>
#include <stdexcept>
#include <zlib.h>

TPackedBytes::TPackedBytes(std::string_view bytes) : Size_(bytes.size()) {
    if (bytes.empty())
        return;
    if (bytes.size() > std::numeric_limits<uLong>::max())
        throw std::length_error("too large to pack");
    uLongf packed = compressBound(static_cast<uLong>(bytes.size()));
    Packed_.resize(packed);
    // The fastest level: a step window closes on it, and it still packs
    // scenario XML about tenfold.
    const int result = compress2(reinterpret_cast<Bytef*>(Packed_.data()), &packed,
                                 reinterpret_cast<const Bytef*>(bytes.data()),
                                 static_cast<uLong>(bytes.size()), 1);
    if (result == Z_MEM_ERROR)
        throw std::bad_alloc();
    if (result != Z_OK)
        throw std::runtime_error("packing failed");
    Packed_.resize(packed);
    Packed_.shrink_to_fit();
}

std::string TPackedBytes::Unpack() const {
    std::string bytes(Size_, '\0');
    if (Size_ == 0)
        return bytes;
    uLongf size = static_cast<uLongf>(Size_);
    const int result = uncompress(reinterpret_cast<Bytef*>(bytes.data()), &size,
                                  reinterpret_cast<const Bytef*>(Packed_.data()),
                                  static_cast<uLong>(Packed_.size()));
    if (result == Z_MEM_ERROR)
        throw std::bad_alloc();
    if (result != Z_OK || size != Size_)
        throw std::runtime_error("packed bytes are damaged");
    return bytes;
}
