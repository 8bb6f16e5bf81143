// Negamax with fail-soft alpha-beta and principal-variation null windows.
// Inside the tree every score is from the side to move's point of view
// times sign_: the computer's score is the side to move's own score when the
// computer is to move, and its negation when the human is. At a node where
// the human maximises the computer's score (only ever asked for directly,
// never met in a game), every side plays for the other and sign_ is -1.
#include "engine/Search.h"

#include "engine/Evaluate.h"
#include "engine/MoveGen.h"

#include <algorithm>
#include <utility>

namespace engine {

namespace {

// Beyond every score; fits the table's 16-bit bounds.
constexpr int kInfinity = 30000;

constexpr int kTableBits = 17;

// No line is longer: every move fills a square, and two passes in a row end
// it. Deeper searches are searched this deep, which changes no value and
// keeps depths within the table's byte.
constexpr int kLongestLine = 2 * kSquares;

// Marks a candidate whose replies are not listed yet: more than any real set
// of moves, which never includes an occupied square.
constexpr Bitboard kUnlisted = ~Bitboard{0};

// The deepest remaining depth at which moves are ordered by their squares'
// weights alone, leaving each move to be made when it is searched: below
// it the children are quick to search, and a cut-off mostly comes at once.
constexpr int kCheapOrderDepth = 2;

// Moves the item of the highest order among list[first..count) to
// list[first]. The scan compares packed order-and-index keys so that the
// compiler picks the maximum without branches, which would be mispredicted.
template <class Item>
void BringBestForward(Item* list, int first, int count) {
    int top = list[first].order * kSquares + first;
    for (int j = first + 1; j < count; ++j)
        top = std::max(top, list[j].order * kSquares + j);
    std::swap(list[first], list[top & (kSquares - 1)]);
}

} // namespace

// A legal move with the position it leads to, seen from the opponent (not
// made yet while childOpp is empty: after a move it holds the placed stone),
// that position's legal moves (kUnlisted until listed), and the move's place
// in the search order (higher first).
struct Searcher::Candidate {
    Bitboard childOwn;
    Bitboard childOpp;
    Bitboard childMoves;
    int square;
    int order;

    void Make(Bitboard own, Bitboard opp) {
        if (childOpp == 0) {
            const Bitboard flips = Flips(square, own, opp);
            childOwn = opp ^ flips;
            childOpp = own | flips | SquareBit(square);
        }
        if (childMoves == kUnlisted)
            childMoves = LegalMoves(childOwn, childOpp);
    }
};

Searcher::Searcher() : table_(kTableBits) {}

void Searcher::Start(const Position& position, bool maximising) {
    table_.Clear();
    nodes_ = 0;
    frontierKiller_ = -1;
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
    depth = std::min(depth, kLongestLine);
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
    const Bitboard moves = LegalMoves(own, opp);
    depth = std::clamp(depth, 0, kLongestLine);
    const int value = position.moveCount > kMaterialAfterMoveCount
                          ? Node<true>(own, opp, moves, position.toMove, depth, passAllowed,
                                       -kInfinity, kInfinity)
                          : Node<false>(own, opp, moves, position.toMove, depth, passAllowed,
                                        -kInfinity, kInfinity);
    return maximising ? value : -value;
}

// Every root move is searched; the first exactly, each later one with null
// windows: a move earlier in scan order than the best so far is tested for
// beating it, a later one for reaching it and then for beating it; a move
// that beats the best is searched again for its exact value. So equal values
// are recognised as equal, and the later square wins them.
template <bool Material>
Choice Searcher::Root(Bitboard own, Bitboard opp, int side, int depth) {
    Candidate list[kSquares];
    const int count =
        ListMoves<Material>(own, opp, LegalMoves(own, opp), kCheapOrderDepth + 1, list);
    Choice best;
    for (int i = 0; i < count; ++i) {
        BringBestForward(list, i, count);
        const Candidate& move = list[i];
        auto search = [&](int alpha, int beta) {
            return -Node<Material>(move.childOwn, move.childOpp, move.childMoves, side ^ 1,
                                   depth - 1, true, -beta, -alpha);
        };
        if (best.square == kNoMove) {
            best = {move.square, search(-kInfinity, kInfinity)};
        } else if (move.square > best.square) {
            if (search(best.value - 1, best.value) >= best.value) {
                if (search(best.value, best.value + 1) > best.value)
                    best = {move.square, search(best.value, kInfinity)};
                else
                    best.square = move.square;
            }
        } else {
            if (search(best.value, best.value + 1) > best.value)
                best = {move.square, search(best.value, kInfinity)};
        }
    }
    return best;
}

template <bool Material>
int Searcher::Node(Bitboard own, Bitboard opp, Bitboard moves, int side, int depth,
                   bool passAllowed, int alpha, int beta) {
    ++nodes_;
    if (depth == 0)
        return Leaf<Material>(own, opp, moves);
    if (moves == 0) {
        if (!passAllowed)
            return Leaf<Material>(own, opp, 0);
        return -Node<Material>(opp, own, LegalMoves(opp, own), side ^ 1, depth - 1, false, -beta,
                               -alpha);
    }
    if (depth == 1) {
        if (!Material && sign_ > 0)
            return BoundedFrontier(own, opp, moves, alpha, beta);
        return Frontier<Material>(own, opp, moves, beta);
    }
    return Interior<Material>(own, opp, moves, side, depth, passAllowed, alpha, beta);
}

// One ply above the leaves: every child is scored where it stands.
template <bool Material>
int Searcher::Frontier(Bitboard own, Bitboard opp, Bitboard moves, int beta) {
    int best = -kInfinity;
    for (; moves != 0; moves &= moves - 1) {
        const int square = LowestSquare(moves);
        const Bitboard flips = Flips(square, own, opp);
        const Bitboard childOwn = opp ^ flips;
        const Bitboard childOpp = own | flips | SquareBit(square);
        ++nodes_;
        const int score =
            -Leaf<Material>(childOwn, childOpp, Material ? 0 : LegalMoves(childOwn, childOpp));
        if (score > best) {
            best = score;
            if (best >= beta)
                break;
        }
    }
    return best;
}

// The frontier under the open-game score, where each side maximises its own
// score. A reply's score is the weight balance it leaves minus three points
// per answer to it, so the balance alone bounds it from above; replies are
// scored in the order of that bound, and none is scored whose bound cannot
// matter: not above the best so far (which is then exact) or not above alpha
// (the answer is then a bound at or below alpha, as fail-soft allows). The
// reply that last cut a frontier off is tried first, before the others are
// made: sibling positions mostly share their refutation.
int Searcher::BoundedFrontier(Bitboard own, Bitboard opp, Bitboard moves, int alpha, int beta) {
    const int balance = WeightBalance(own, opp);
    int best = -kInfinity;
    if (frontierKiller_ >= 0 && (moves & SquareBit(frontierKiller_))) {
        const int square = frontierKiller_;
        const Bitboard flips = Flips(square, own, opp);
        const int bound = balance + kSquareWeight[square] + 2 * WeightSum(flips);
        moves &= ~SquareBit(square);
        if (bound > alpha) {
            ++nodes_;
            best = bound - kMobilityPoints *
                               PopCount(LegalMoves(opp ^ flips, own | flips | SquareBit(square)));
            if (best >= beta)
                return best;
        } else {
            best = bound;
        }
    }

    struct Reply {
        Bitboard flips;
        int square;
        int order; // the bound on the reply's score
    };
    Reply list[kSquares];
    int count = 0;
    for (; moves != 0; moves &= moves - 1) {
        const int square = LowestSquare(moves);
        const Bitboard flips = Flips(square, own, opp);
        list[count++] = {flips, square, balance + kSquareWeight[square] + 2 * WeightSum(flips)};
    }
    for (int i = 0; i < count; ++i) {
        BringBestForward(list, i, count);
        const Reply& reply = list[i];
        if (reply.order <= best)
            return best;
        if (reply.order <= alpha)
            return reply.order;
        ++nodes_;
        const Bitboard childOwn = opp ^ reply.flips;
        const Bitboard childOpp = own | reply.flips | SquareBit(reply.square);
        const int score = reply.order - kMobilityPoints * PopCount(LegalMoves(childOwn, childOpp));
        if (score > best) {
            best = score;
            if (best >= beta) {
                frontierKiller_ = reply.square;
                return best;
            }
        }
    }
    return best;
}

template <bool Material>
int Searcher::Interior(Bitboard own, Bitboard opp, Bitboard moves, int side, int depth,
                       bool passAllowed, int alpha, int beta) {
    const std::uint8_t flags = static_cast<std::uint8_t>(side | (passAllowed ? kPassFlag : 0));
    int preferred = TtEntry::kNoSquare;
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

    int best = -kInfinity;
    int bestSquare = TtEntry::kNoSquare;
    int floor = alpha;
    int searched = 0;
    // Searches one move, the first with the node's window and the others
    // with a null window first; true when it cuts the node off.
    auto search = [&](int square, Bitboard childOwn, Bitboard childOpp, Bitboard childMoves) {
        int score;
        if (searched++ == 0) {
            score = -Node<Material>(childOwn, childOpp, childMoves, side ^ 1, depth - 1, true,
                                    -beta, -floor);
        } else {
            score = -Node<Material>(childOwn, childOpp, childMoves, side ^ 1, depth - 1, true,
                                    -floor - 1, -floor);
            if (score > floor && score < beta)
                score = -Node<Material>(childOwn, childOpp, childMoves, side ^ 1, depth - 1, true,
                                        -beta, -floor);
        }
        if (score > best) {
            best = score;
            bestSquare = square;
            if (best > floor) {
                floor = best;
                return floor >= beta;
            }
        }
        return false;
    };

    // The table's move goes first, before the others are listed: when it cuts
    // the node off, listing them would be wasted.
    bool cut = false;
    if (preferred != TtEntry::kNoSquare && (moves & SquareBit(preferred))) {
        Candidate move{0, 0, kUnlisted, preferred, 0};
        move.Make(own, opp);
        cut = search(move.square, move.childOwn, move.childOpp, move.childMoves);
        moves &= ~SquareBit(preferred);
    }
    if (!cut) {
        Candidate list[kSquares];
        const int count = ListMoves<Material>(own, opp, moves, depth, list);
        for (int i = 0; i < count; ++i) {
            BringBestForward(list, i, count);
            Candidate& move = list[i];
            move.Make(own, opp);
            if (search(move.square, move.childOwn, move.childOpp, move.childMoves))
                break;
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

// The legal moves, best guesses first. Where the children are frontier
// nodes, by the weights of the squares alone and without making the moves;
// elsewhere made, and ordered by how the side to move scores the children
// where they stand by the open-game score (under the late score too: it
// orders better than the stone count).
template <bool Material>
int Searcher::ListMoves(Bitboard own, Bitboard opp, Bitboard moves, int depth,
                        Candidate* list) const {
    int count = 0;
    for (; moves != 0; moves &= moves - 1) {
        const int square = LowestSquare(moves);
        Candidate& move = list[count++];
        move = {0, 0, kUnlisted, square, sign_ * kSquareWeight[square]};
        if (depth <= kCheapOrderDepth)
            continue;
        move.Make(own, opp);
        move.order = -sign_ * (WeightBalance(move.childOwn, move.childOpp) +
                               kMobilityPoints * PopCount(move.childMoves));
    }
    return count;
}

// The score of a position for the side to move, whose legal moves are
// `moves`, times sign_.
template <bool Material>
int Searcher::Leaf(Bitboard own, Bitboard opp, Bitboard moves) const {
    if constexpr (Material)
        return sign_ * MaterialScore(own, opp);
    else
        return sign_ * (WeightBalance(own, opp) + kMobilityPoints * PopCount(moves));
}

} // namespace engine
