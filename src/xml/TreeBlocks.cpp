#include "xml/TreeBlocks.h"

#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define STUMPCRAFT_PLAIN_BLOCKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define STUMPCRAFT_PLAIN_BLOCKS 1
#endif
#endif

namespace TreeBlocks {

#ifdef STUMPCRAFT_PLAIN_BLOCKS

void* Take(size_t size) {
    return ::operator new(size);
}

void Give(void* block, size_t) noexcept {
    ::operator delete(block);
}

#else

namespace {

constexpr size_t Grain = 8;
constexpr size_t Largest = 256;
constexpr size_t ChunkSize = 256 * 1024;

struct TThreadBlocks {
    char* Next = nullptr;
    char* End = nullptr;
    void* Freed[Largest / Grain + 1] = {};
};

thread_local TThreadBlocks Blocks;

// Every chunk stays reachable from here, so leak checkers see them in use.
std::mutex ChunksLock;
std::vector<void*>& Chunks() {
    static auto* chunks = new std::vector<void*>();
    return *chunks;
}

size_t Rounded(size_t size) {
    return (size + Grain - 1) / Grain * Grain;
}

} // namespace

void* Take(size_t size) {
    size = Rounded(size);
    if (size > Largest)
        return ::operator new(size);
    void*& freed = Blocks.Freed[size / Grain];
    if (freed) {
        void* block = freed;
        freed = *static_cast<void**>(block);
        return block;
    }
    if (static_cast<size_t>(Blocks.End - Blocks.Next) < size) {
        void* chunk = std::malloc(ChunkSize);
        if (!chunk)
            throw std::bad_alloc();
        {
            const std::lock_guard<std::mutex> lock(ChunksLock);
            Chunks().push_back(chunk);
        }
        Blocks.Next = static_cast<char*>(chunk);
        Blocks.End = Blocks.Next + ChunkSize;
    }
    void* block = Blocks.Next;
    Blocks.Next += size;
    return block;
}

void Give(void* block, size_t size) noexcept {
    if (!block)
        return;
    size = Rounded(size);
    if (size > Largest) {
        ::operator delete(block);
        return;
    }
    void*& freed = Blocks.Freed[size / Grain];
    *static_cast<void**>(block) = freed;
    freed = block;
}

#endif

} // namespace TreeBlocks
