#pragma once

#include <cstddef>

namespace TreeBlocks {
// Blocks this thread took and did not give back. Counted only in the
// fuzzers' builds (STUMPCRAFT_POISONED_BLOCKS), where the blocks are cut
// from chunks no leak checker sees into, so the fuzzers check it instead;
// 0 elsewhere, where the leak checker or nothing watches.
size_t InUse();
} // namespace TreeBlocks
