#include "engine/Tt.h"

#include <algorithm>

namespace engine {

TranspositionTable::TranspositionTable(int bits)
    : entries_(std::make_unique<TtEntry[]>(std::size_t{1} << bits)), size_(std::size_t{1} << bits),
      shift_(64 - bits) {}

void TranspositionTable::Clear() {
    ++generation_;
    if (generation_ == 0) {
        // After 2^32 searches old entries could look current again.
        std::fill_n(entries_.get(), size_, TtEntry{});
        generation_ = 1;
    }
}

} // namespace engine
