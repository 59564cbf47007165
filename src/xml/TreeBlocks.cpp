#include "xml/TreeBlocks.h"
#include "xml/TreeBlocksInUse.h"

#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define STUMPCRAFT_ADDRESS_CHECKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STUMPCRAFT_ADDRESS_CHECKS 1
#elif __has_feature(memory_sanitizer)
#define STUMPCRAFT_PLAIN_BLOCKS 1
#endif
#endif
#if defined(STUMPCRAFT_ADDRESS_CHECKS) && !defined(STUMPCRAFT_POISONED_BLOCKS)
#define STUMPCRAFT_PLAIN_BLOCKS 1
#endif
#if defined(STUMPCRAFT_POISONED_BLOCKS) && !defined(STUMPCRAFT_ADDRESS_CHECKS)
#error "poisoned tree blocks need AddressSanitizer"
#endif

#ifdef STUMPCRAFT_POISONED_BLOCKS
#include <sanitizer/asan_interface.h>
#endif

namespace TreeBlocks {

#if defined(STUMPCRAFT_POISONED_BLOCKS)

// The fuzzers' blocks: cut from chunks as without sanitizers, since the
// sanitizer's allocator was a third of a fuzzer's time, but checked as it
// would check them. Every block is followed by a poisoned red zone, so an
// overflow into the next block is caught; a freed block is poisoned and
// waits behind the next QuarantineBlocks frees of its size before reuse, so
// a use after free is caught unless thousands of frees came between.
// Blocks are counted, since the leak checker cannot see into the chunks.
namespace {

constexpr size_t Grain = 8;
constexpr size_t Largest = 256;
constexpr size_t RedZone = 16;
constexpr size_t ChunkSize = 256 * 1024;
constexpr size_t QuarantineBlocks = 4096;

// Freed blocks of one size, oldest first, linked through their first word.
struct TQueue {
    void* Oldest = nullptr;
    void* Newest = nullptr;
    size_t Count = 0;
};

struct TThreadBlocks {
    char* Next = nullptr;
    char* End = nullptr;
    TQueue Freed[Largest / Grain + 1];
    size_t InUse = 0;
};

thread_local TThreadBlocks Blocks;

size_t Rounded(size_t size) {
    return (size + Grain - 1) / Grain * Grain;
}

void Link(void* block, void* next) {
    ASAN_UNPOISON_MEMORY_REGION(block, sizeof(void*));
    *static_cast<void**>(block) = next;
    ASAN_POISON_MEMORY_REGION(block, sizeof(void*));
}

} // namespace

void* Take(size_t size) {
    size = Rounded(size == 0 ? 1 : size);
    if (size > Largest)
        return ::operator new(size);
    ++Blocks.InUse;
    TQueue& freed = Blocks.Freed[size / Grain];
    if (freed.Count > QuarantineBlocks) {
        void* block = freed.Oldest;
        ASAN_UNPOISON_MEMORY_REGION(block, size);
        freed.Oldest = *static_cast<void**>(block);
        --freed.Count;
        return block;
    }
    if (static_cast<size_t>(Blocks.End - Blocks.Next) < size + RedZone) {
        void* chunk = std::malloc(ChunkSize);
        if (!chunk)
            throw std::bad_alloc();
        // Kept reachable, so the leak checker never counts a chunk.
        static std::mutex lock;
        static auto* chunks = new std::vector<void*>();
        const std::lock_guard<std::mutex> locked(lock);
        chunks->push_back(chunk);
        ASAN_POISON_MEMORY_REGION(chunk, ChunkSize);
        Blocks.Next = static_cast<char*>(chunk);
        Blocks.End = Blocks.Next + ChunkSize;
    }
    void* block = Blocks.Next;
    Blocks.Next += size + RedZone;
    ASAN_UNPOISON_MEMORY_REGION(block, size);
    return block;
}

void Give(void* block, size_t size) noexcept {
    if (!block)
        return;
    size = Rounded(size == 0 ? 1 : size);
    if (size > Largest) {
        ::operator delete(block);
        return;
    }
    --Blocks.InUse;
    TQueue& freed = Blocks.Freed[size / Grain];
    *static_cast<void**>(block) = nullptr;
    ASAN_POISON_MEMORY_REGION(block, size);
    if (freed.Count++ == 0)
        freed.Oldest = block;
    else
        Link(freed.Newest, block);
    freed.Newest = block;
}

size_t InUse() {
    return Blocks.InUse;
}

#elif defined(STUMPCRAFT_PLAIN_BLOCKS)

size_t InUse() {
    return 0;
}

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

size_t InUse() {
    return 0;
}

#endif

} // namespace TreeBlocks
