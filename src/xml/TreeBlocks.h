#pragma once

#include <cstddef>

// Memory for the many small objects of element trees (elements and
// attributes): each thread cuts blocks of one size from large chunks and
// keeps freed ones for reuse, which costs a few instructions where the
// general allocator's would cost hundreds once a tree of millions is built
// and freed. Chunks are never given back; a freed block serves the next
// tree. Sanitizer builds use the general allocator, so they still see
// every use after free and every leak.
namespace TreeBlocks {
void* Take(size_t size);
void Give(void* block, size_t size) noexcept;
} // namespace TreeBlocks
