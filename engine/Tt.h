// The transposition table: what earlier visits of a position found, within
// one search. An entry's bounds are used only for the same position, side to
// move, remaining depth and pass flag; its best move only orders moves.
#pragma once

#include "engine/Bitboard.h"

#include <cstdint>
#include <memory>

namespace engine {

// What the search knows of one node: lower <= value <= upper.
struct TtEntry {
    Bitboard own = 0;
    Bitboard opp = 0;
    std::uint32_t generation = 0; // the search that wrote it; 0 never matches
    std::int16_t lower = 0;
    std::int16_t upper = 0;
    std::uint8_t depth = 0;
    std::uint8_t flags = 0; // kSideFlag and kPassFlag
    std::uint8_t move = kNoSquare;

    static constexpr std::uint8_t kNoSquare = 64;
};

// Flags that take part in an entry's identity besides the position.
inline constexpr std::uint8_t kSideFlag = 1; // white to move
inline constexpr std::uint8_t kPassFlag = 2; // the side to move may pass

// A fixed table of 2^bits entries, always replacing. Allocated once; a new
// search empties it in constant time by moving to a new generation.
class TranspositionTable {
public:
    explicit TranspositionTable(int bits);

    // Forgets everything stored so far.
    void Clear();

    // The slot of a position, whatever it holds now.
    TtEntry& Slot(Bitboard own, Bitboard opp) {
        std::uint64_t h = own * 0x9E3779B97F4A7C15ULL + opp * 0xC2B2AE3D27D4EB4FULL;
        h ^= h >> 31;
        return entries_[static_cast<std::size_t>(h >> shift_)];
    }

    // True when the slot holds this position from the current search.
    bool Holds(const TtEntry& entry, Bitboard own, Bitboard opp) const {
        return entry.generation == generation_ && entry.own == own && entry.opp == opp;
    }

    std::uint32_t Generation() const { return generation_; }

private:
    std::unique_ptr<TtEntry[]> entries_;
    std::size_t size_;
    int shift_;
    std::uint32_t generation_ = 1;
};

} // namespace engine
