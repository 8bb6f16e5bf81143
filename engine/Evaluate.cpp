#include "engine/Evaluate.h"

namespace engine {

// Rows 1..8 read the same as columns A..H: the table is symmetric about both
// diagonals and both centre lines.
const std::array<std::int32_t, kSquares> kSquareWeight = {
    45,  -11, 4,  -1, -1, 4,  -11, 45,  //
    -11, -16, -1, -3, -3, -1, -16, -11, //
    4,   -1,  2,  -1, -1, 2,  -1,  4,   //
    -1,  -3,  -1, 0,  0,  -1, -3,  -1,  //
    -1,  -3,  -1, 0,  0,  -1, -3,  -1,  //
    4,   -1,  2,  -1, -1, 2,  -1,  4,   //
    -11, -16, -1, -3, -3, -1, -16, -11, //
    45,  -11, 4,  -1, -1, 4,  -11, 45,  //
};

namespace {

ColumnWeights MakeColumnWeights() {
    ColumnWeights table{};
    for (int col = 0; col < 8; ++col) {
        for (int pattern = 0; pattern < 256; ++pattern) {
            int sum = 0;
            for (int row = 0; row < 8; ++row) {
                if (pattern & (1 << row))
                    sum += kSquareWeight[BitIndex(col, row)];
            }
            table[col][pattern] = static_cast<std::int16_t>(sum);
        }
    }
    return table;
}

} // namespace

const ColumnWeights kColumnWeights = MakeColumnWeights();

} // namespace engine
