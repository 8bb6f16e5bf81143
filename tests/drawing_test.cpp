// The board as it reaches the screen: DrawBoard through the Qt device
// context into an image, checked pixel by pixel.
#include "app/TavroDoc.h"
#include "framework/qt/QtDC.h"
#include "tests/support/Positions.h"
#include "tests/support/RecordingHost.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QRgb kUnpainted = qRgb(255, 0, 255); // no colour the board uses
const QRgb kFrame = qRgb(0, 0, 0);
const QRgb kSquare = qRgb(200, 200, 200);
const QRgb kCursor = qRgb(0, 128, 0);
const QRgb kWhiteStone = qRgb(255, 255, 255);
const QRgb kBlackStone = qRgb(0, 0, 0);

QImage Paint(void (*draw)(CDC&)) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(kUnpainted);
    QPainter painter(&image);
    QtDC dc(painter);
    draw(dc);
    return image;
}

QImage PaintBoard(CTavroView& view) {
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(kUnpainted);
    QPainter painter(&image);
    QtDC dc(painter);
    view.DrawBoard(&dc);
    return image;
}

TEST(QtDeviceContext, RectangleCoversItsBoxWithAOnePixelOutline) {
    const QImage image = Paint([](CDC& dc) {
        CBrush grey(RGB(200, 200, 200));
        dc.SelectObject(&grey);
        dc.Rectangle(10, 20, 59, 69);
        dc.SelectStockObject(WHITE_BRUSH);
    });
    EXPECT_EQ(image.pixel(10, 20), kFrame);
    EXPECT_EQ(image.pixel(58, 68), kFrame);
    EXPECT_EQ(image.pixel(58, 20), kFrame);
    EXPECT_EQ(image.pixel(11, 21), kSquare);
    EXPECT_EQ(image.pixel(57, 67), kSquare);
    EXPECT_EQ(image.pixel(59, 40), kUnpainted); // right edge excluded
    EXPECT_EQ(image.pixel(30, 69), kUnpainted); // bottom edge excluded
    EXPECT_EQ(image.pixel(9, 40), kUnpainted);
}

TEST(QtDeviceContext, EllipseStaysInsideItsBox) {
    const QImage image = Paint([](CDC& dc) { dc.Ellipse(3, 3, 46, 46); });
    // The box is 43 pixels wide: x and y 3..45.
    EXPECT_EQ(image.pixel(24, 24), kWhiteStone);
    EXPECT_EQ(image.pixel(3, 24), kFrame);
    EXPECT_EQ(image.pixel(45, 24), kFrame);
    EXPECT_EQ(image.pixel(24, 3), kFrame);
    EXPECT_EQ(image.pixel(24, 45), kFrame);
    EXPECT_EQ(image.pixel(2, 24), kUnpainted);
    EXPECT_EQ(image.pixel(46, 24), kUnpainted);
    EXPECT_EQ(image.pixel(24, 46), kUnpainted);
    EXPECT_EQ(image.pixel(4, 4), kUnpainted); // the box's corner is outside the disc
}

struct PixelCase {
    const char* what;
    int x;
    int y;
    QRgb colour;
};

TEST(BoardDrawing, StartPositionShowsSquaresFramesGapsCursorAndStones) {
    GameFixture game;
    const QImage image = PaintBoard(game.view);
    const PixelCase cases[] = {
        {"A1 fill", 25, 25, kSquare},
        {"A1 frame, top left", 0, 0, kFrame},
        {"A1 frame, bottom right", 48, 48, kFrame},
        {"gap column after A1", 49, 25, kUnpainted},
        {"gap row after A1", 25, 49, kUnpainted},
        {"gap crossing", 49, 49, kUnpainted},
        {"B1 frame", 50, 0, kFrame},
        {"H8 fill", 375, 375, kSquare},
        {"H8 frame", 398, 398, kFrame},
        {"last gap", 399, 399, kUnpainted},
        {"cursor D4, green corner", 152, 152, kCursor},
        {"cursor D4, green edge", 151, 175, kCursor},
        {"cursor D4 frame", 150, 150, kFrame},
        {"white stone on D4", 175, 175, kWhiteStone},
        {"its black rim", 153, 175, kFrame},
        {"black stone on E4", 225, 175, kBlackStone},
        {"E4 corner", 202, 152, kSquare},
        {"black stone on D5", 175, 225, kBlackStone},
        {"white stone on E5", 225, 225, kWhiteStone},
        {"E5 rim", 245, 225, kFrame},
        {"E5 outside the disc", 246, 225, kSquare},
    };
    for (const PixelCase& c : cases) {
        EXPECT_EQ(image.pixel(c.x, c.y), c.colour)
            << c.what << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST(BoardDrawing, CursorMovesWithOneCallAndStonesLieOverIt) {
    GameFixture game;
    game.view.m_cursorCol = 7;
    game.view.m_cursorRow = 0;
    game.view.m_board[BoardIndex(7, 0)] = BLACK;
    game.view.m_board[BoardIndex(4, 3)] = WHITE; // a turned stone
    const QImage image = PaintBoard(game.view);
    EXPECT_EQ(image.pixel(152, 152), kSquare); // D4, the cursor's old square
    EXPECT_EQ(image.pixel(352, 2), kCursor);
    EXPECT_EQ(image.pixel(375, 25), kBlackStone);
    EXPECT_EQ(image.pixel(225, 175), kWhiteStone);
}

TEST(BoardDrawing, LeavesTheStockWhiteBrushSelected) {
    GameFixture game;
    RecordingDC dc;
    game.view.DrawBoard(&dc);
    EXPECT_EQ(dc.SelectedBrush(), &CBrush::Stock(WHITE_BRUSH));
    // 64 squares column by column, and a disc after each occupied one.
    ASSERT_EQ(dc.shapes.size(), 68u);
    EXPECT_EQ(dc.shapes[0].box, (CRect{0, 0, 49, 49}));
    EXPECT_EQ(dc.shapes[1].box, (CRect{0, 50, 49, 99}));
}

TEST(BoardDrawing, OnDrawPaintsOnlyWithADocument) {
    GameFixture game;
    RecordingDC detached;
    game.view.OnDraw(&detached);
    EXPECT_TRUE(detached.shapes.empty());
    CTavroDoc document;
    game.view.AttachDocument(&document);
    RecordingDC attached;
    game.view.OnDraw(&attached);
    EXPECT_EQ(attached.shapes.size(), 68u);
}

} // namespace
