// Negamax with fail-soft alpha-beta and principal-variation null windows.
// Inside the tree every score is from the side to move's point of view
// times sign_: the computer's score is the side to move's own score when the
// computer is to move, and its negation when the human is. At a node where
// the human maximises the computer's score (only ever asked for directly,
// never met in a game), every side plays for the other and sign_ is -1.
#include "engine/Search.h"

#include "engine/Evaluate.h"
#include "engine/MoveGen.h"

#include <utility>

namespace engine {

namespace {

// Beyond every score; fits the table's 16-bit bounds.
constexpr int kInfinity = 30000;

constexpr int kTableBits = 17;

} // namespace

// A legal move with the position it leads to, seen from the opponent, and
// its place in the search order (higher first).
struct Searcher::Candidate {
    Bitboard childOwn;
    Bitboard childOpp;
    int square;
    int order;
};

Searcher::Searcher() : table_(kTableBits) {}

void Searcher::Start(const Position& position, bool maximising) {
    table_.Clear();
    nodes_ = 0;
    const bool computerToMove = position.toMove == position.computer;
    sign_ = maximising == computerToMove ? 1 : -1;
}

Choice Searcher::BestMove(const Position& position, int depth, bool maximising) {
    Start(position, maximising);
    const bool blackToMove = position.toMove == kBlack;
    const Bitboard own = blackToMove ? position.black : position.white;
    const Bitboard opp = blackToMove ? position.white : position.black;
    ++nodes_;
    if (LegalMoves(own, opp) == 0 || depth < 1)
        return Choice{};
    Choice choice = position.moveCount > kMaterialAfterMoveCount
                        ? Root<true>(own, opp, position.toMove, depth)
                        : Root<false>(own, opp, position.toMove, depth);
    if (!maximising)
        choice.value = -choice.value;
    return choice;
}

int Searcher::Value(const Position& position, int depth, bool passAllowed, bool maximising) {
    Start(position, maximising);
    const bool blackToMove = position.toMove == kBlack;
    const Bitboard own = blackToMove ? position.black : position.white;
    const Bitboard opp = blackToMove ? position.white : position.black;
    const int value =
        position.moveCount > kMaterialAfterMoveCount
            ? Node<true>(own, opp, position.toMove, depth, passAllowed, -kInfinity, kInfinity)
            : Node<false>(own, opp, position.toMove, depth, passAllowed, -kInfinity, kInfinity);
    return maximising ? value : -value;
}

// Every root move is searched; the first exactly, each later one with a null
// window that tells whether it beats the best so far (or, if it comes later
// in scan order, at least equals it), then exactly when it does. So equal
// values are recognised as equal, and the later square wins them.
template <bool Material>
Choice Searcher::Root(Bitboard own, Bitboard opp, int side, int depth) {
    Candidate list[kSquares];
    const int count = ListMoves<Material>(own, opp, LegalMoves(own, opp), -1, list);
    Choice best;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (list[j].order > list[i].order)
                std::swap(list[i], list[j]);
        }
        const Candidate& move = list[i];
        auto search = [&](int alpha, int beta) {
            return -Node<Material>(move.childOwn, move.childOpp, side ^ 1, depth - 1, true, -beta,
                                   -alpha);
        };
        if (best.square == kNoMove) {
            best = {move.square, search(-kInfinity, kInfinity)};
        } else if (move.square > best.square) {
            if (search(best.value - 1, best.value) >= best.value)
                best = {move.square, search(best.value - 1, kInfinity)};
        } else {
            if (search(best.value, best.value + 1) > best.value)
                best = {move.square, search(best.value, kInfinity)};
        }
    }
    return best;
}

template <bool Material>
int Searcher::Node(Bitboard own, Bitboard opp, int side, int depth, bool passAllowed, int alpha,
                   int beta) {
    ++nodes_;
    if (depth == 0)
        return Leaf<Material>(own, opp);
    const Bitboard moves = LegalMoves(own, opp);
    if (moves == 0) {
        if (!passAllowed)
            return StalledLeaf<Material>(own, opp);
        return -Node<Material>(opp, own, side ^ 1, depth - 1, false, -beta, -alpha);
    }
    if (depth == 1)
        return Frontier<Material>(own, opp, moves, beta);
    return Interior<Material>(own, opp, moves, side, depth, passAllowed, alpha, beta);
}

// One ply above the leaves: every child is scored where it stands.
template <bool Material>
int Searcher::Frontier(Bitboard own, Bitboard opp, Bitboard moves, int beta) {
    int best = -kInfinity;
    for (; moves != 0; moves &= moves - 1) {
        const int square = LowestSquare(moves);
        const Bitboard flips = Flips(square, own, opp);
        ++nodes_;
        const int score = -Leaf<Material>(opp ^ flips, own | flips | SquareBit(square));
        if (score > best) {
            best = score;
            if (best >= beta)
                break;
        }
    }
    return best;
}

template <bool Material>
int Searcher::Interior(Bitboard own, Bitboard opp, Bitboard moves, int side, int depth,
                       bool passAllowed, int alpha, int beta) {
    const std::uint8_t flags = static_cast<std::uint8_t>(side | (passAllowed ? kPassFlag : 0));
    int preferred = -1;
    {
        const TtEntry& entry = table_.Slot(own, opp);
        if (table_.Holds(entry, own, opp)) {
            if (entry.depth == depth && entry.flags == flags) {
                if (entry.lower >= beta)
                    return entry.lower;
                if (entry.upper <= alpha)
                    return entry.upper;
                if (entry.lower == entry.upper)
                    return entry.lower;
            }
            preferred = entry.move;
        }
    }

    Candidate list[kSquares];
    const int count = ListMoves<Material>(own, opp, moves, preferred, list);
    int best = -kInfinity;
    int bestSquare = TtEntry::kNoSquare;
    int floor = alpha;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (list[j].order > list[i].order)
                std::swap(list[i], list[j]);
        }
        const Candidate& move = list[i];
        int score;
        if (i == 0) {
            score = -Node<Material>(move.childOwn, move.childOpp, side ^ 1, depth - 1, true, -beta,
                                    -floor);
        } else {
            score = -Node<Material>(move.childOwn, move.childOpp, side ^ 1, depth - 1, true,
                                    -floor - 1, -floor);
            if (score > floor && score < beta)
                score = -Node<Material>(move.childOwn, move.childOpp, side ^ 1, depth - 1, true,
                                        -beta, -floor);
        }
        if (score > best) {
            best = score;
            bestSquare = move.square;
            if (best > floor) {
                floor = best;
                if (floor >= beta)
                    break;
            }
        }
    }

    TtEntry& entry = table_.Slot(own, opp);
    if (!table_.Holds(entry, own, opp) || entry.depth != depth || entry.flags != flags) {
        entry.own = own;
        entry.opp = opp;
        entry.generation = table_.Generation();
        entry.lower = -kInfinity;
        entry.upper = kInfinity;
        entry.depth = static_cast<std::uint8_t>(depth);
        entry.flags = flags;
    }
    if (best <= alpha) {
        if (best < entry.upper)
            entry.upper = static_cast<std::int16_t>(best);
    } else if (best >= beta) {
        if (best > entry.lower)
            entry.lower = static_cast<std::int16_t>(best);
    } else {
        entry.lower = entry.upper = static_cast<std::int16_t>(best);
    }
    entry.move = static_cast<std::uint8_t>(bestSquare);
    return best;
}

// The legal moves with their children, best guesses first: the table's move,
// then the children the side to move scores highest where they stand.
template <bool Material>
int Searcher::ListMoves(Bitboard own, Bitboard opp, Bitboard moves, int preferred,
                        Candidate* list) const {
    int count = 0;
    for (; moves != 0; moves &= moves - 1) {
        const int square = LowestSquare(moves);
        const Bitboard flips = Flips(square, own, opp);
        Candidate& move = list[count++];
        move.childOwn = opp ^ flips;
        move.childOpp = own | flips | SquareBit(square);
        move.square = square;
        move.order =
            square == preferred ? kInfinity : -Leaf<Material>(move.childOwn, move.childOpp);
    }
    return count;
}

template <bool Material>
int Searcher::Leaf(Bitboard own, Bitboard opp) const {
    return sign_ * (Material ? MaterialScore(own, opp) : PositionalScore(own, opp));
}

// A position where the side to move has no move scores no mobility.
template <bool Material>
int Searcher::StalledLeaf(Bitboard own, Bitboard opp) const {
    return sign_ * (Material ? MaterialScore(own, opp) : WeightBalance(own, opp));
}

} // namespace engine
