#pragma once

#include "xml/TreeBlocks.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

// A list of heap objects it owns, as one plain pointer array: a word
// smaller than a vector of unique_ptr, with short arrays (most of them)
// cut from TreeBlocks. Elements of scenario trees hold two of these, so
// their size and cost count.
template <class T> class TOwnedList {
public:
    TOwnedList() = default;
    TOwnedList(const TOwnedList&) = delete;
    TOwnedList& operator=(const TOwnedList&) = delete;
    ~TOwnedList() { Clear(); }

    uint32_t Size() const { return Size_; }
    bool Empty() const { return Size_ == 0; }
    T* operator[](size_t index) const { return Items_[index]; }
    T* const* begin() const { return Items_; }
    T* const* end() const { return Items_ + Size_; }

    void Reserve(uint32_t capacity) {
        if (capacity > Capacity_)
            Resize(capacity);
    }
    // Takes ownership.
    void Push(T* item) {
        if (Size_ == Capacity_)
            Resize(Capacity_ < 2 ? 4 : Capacity_ * 2);
        Items_[Size_++] = item;
    }
    // Hands the item at index back to the caller.
    T* Take(uint32_t index) {
        T* item = Items_[index];
        std::memmove(Items_ + index, Items_ + index + 1, (Size_ - index - 1) * sizeof(T*));
        --Size_;
        return item;
    }
    // Deletes the item at index and puts item in its place.
    void Replace(uint32_t index, T* item) {
        delete Items_[index];
        Items_[index] = item;
    }
    void Swap(uint32_t i, uint32_t j) { std::swap(Items_[i], Items_[j]); }
    void Clear() {
        for (uint32_t i = 0; i < Size_; ++i)
            delete Items_[i];
        Release(Items_, Capacity_);
        Items_ = nullptr;
        Size_ = Capacity_ = 0;
    }

private:
    static constexpr uint32_t LargestBlock = 32;

    void Resize(uint32_t capacity) {
        T** items = nullptr;
        if (capacity > LargestBlock && Capacity_ > LargestBlock) {
            items = static_cast<T**>(std::realloc(Items_, capacity * sizeof(T*)));
            if (!items)
                throw std::bad_alloc();
        } else {
            items =
                static_cast<T**>(capacity > LargestBlock ? std::malloc(capacity * sizeof(T*))
                                                         : TreeBlocks::Take(capacity * sizeof(T*)));
            if (!items)
                throw std::bad_alloc();
            if (Size_)
                std::memcpy(items, Items_, Size_ * sizeof(T*));
            Release(Items_, Capacity_);
        }
        Items_ = items;
        Capacity_ = capacity;
    }
    static void Release(T** items, uint32_t capacity) {
        if (!items)
            return;
        if (capacity > LargestBlock)
            std::free(items);
        else
            TreeBlocks::Give(items, capacity * sizeof(T*));
    }

    T** Items_ = nullptr;
    uint32_t Size_ = 0;
    uint32_t Capacity_ = 0;
};
