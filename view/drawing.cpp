// The board as it is painted: 64 grey squares 50 pixels apart with a
// one-pixel gap of window background between them, the cursor square green,
// and the stones as discs inside their squares.
#include "view/TavroView.h"

namespace {

constexpr int kPitch = 50;      // distance between neighbouring squares
constexpr int kSquareSize = 49; // a square's box, outline included
constexpr int kStoneInset = 3;  // the stone's box lies this far inside its square
constexpr int kStoneEnd = 46;   // and ends here (excluded), relative to the square
constexpr COLORREF kSquareColour = RGB(200, 200, 200);
constexpr COLORREF kCursorColour = RGB(0, 128, 0);
constexpr COLORREF kBlackStoneColour = RGB(0, 0, 0);

} // namespace

void CTavroView::DrawBoard(CDC* dc) {
    CBrush square(kSquareColour);
    CBrush cursor(kCursorColour);
    CBrush blackStone(kBlackStoneColour);
    CBrush* whiteStone = &CBrush::Stock(WHITE_BRUSH);

    for (int col = 0; col < 8; ++col) {
        for (int row = 0; row < 8; ++row) {
            const int x = col * kPitch;
            const int y = row * kPitch;
            const bool underCursor = col == m_cursorCol && row == m_cursorRow;
            dc->SelectObject(underCursor ? &cursor : &square);
            dc->Rectangle(x, y, x + kSquareSize, y + kSquareSize);
            const Stone stone = m_board[BoardIndex(col, row)];
            if (stone == EMPTY)
                continue;
            dc->SelectObject(stone == BLACK ? &blackStone : whiteStone);
            dc->Ellipse(x + kStoneInset, y + kStoneInset, x + kStoneEnd, y + kStoneEnd);
        }
    }

    // Leave the device context holding a brush that outlives this call.
    dc->SelectStockObject(WHITE_BRUSH);
    square.DeleteObject();
    cursor.DeleteObject();
    blackStone.DeleteObject();
}

void CTavroView::OnDraw(CDC* dc) {
    if (GetDocument() != nullptr)
        DrawBoard(dc);
}
