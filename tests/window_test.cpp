// The window on Qt's offscreen platform: its client area, keys as
// virtual-key codes with the accelerators applied first, clicks in client
// coordinates, painting, and closes that wait for the running handler.
#include "app/MainFrame.h"
#include "app/TavroDoc.h"
#include "framework/App.h"
#include "framework/WindowPlacement.h"
#include "framework/qt/MainWindow.h"
#include "framework/qt/QtWindowSystem.h"
#include "framework/qt/ViewWidget.h"
#include "res/ResourceIds.h"
#include "tests/support/QtGameWindow.h"
#include "view/TavroView.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A view that writes down what reaches it: "key 0x26", "click 120 185",
// "command 521". It handles every command. The modifier keys themselves
// (Shift, Ctrl) reach a view as keys too; the probe leaves them out.
class ProbeView : public CView {
public:
    std::vector<std::string> received;
    std::function<void(UINT)> onKey; // runs inside OnKeyDown, when set

    bool OnCmdMsg(UINT id) override {
        received.push_back("command " + std::to_string(id));
        return true;
    }
    void OnDraw(CDC*) override {}
    void OnKeyDown(UINT key, UINT, UINT) override {
        if (key == VK_SHIFT || key == VK_CONTROL)
            return;
        char text[16];
        std::snprintf(text, sizeof text, "key 0x%02X", key);
        received.emplace_back(text);
        if (onKey)
            onKey(key);
    }
    void OnLButtonDown(UINT, CPoint point) override {
        received.push_back("click " + std::to_string(point.x) + " " + std::to_string(point.y));
    }
};

// The window with the frame of the program and a view of the test's choosing.
template <class View>
using Window = QtGameWindow<CMainFrame, View>;

TEST(MainWindowOnQt, ClientAreaIs400By400BelowTheMenuBarAndTheViewSitsInsideASunkenEdge) {
    Window<ProbeView> w;
    const QWidget* client = w.window->centralWidget();
    const QMenuBar* bar = w.window->menuBar();
    EXPECT_EQ(client->size(), QSize(400, 400));
    EXPECT_EQ(w.viewWidget->size(), QSize(396, 396));
    EXPECT_EQ(w.viewWidget->mapTo(w.window, QPoint(0, 0)) - client->pos(), QPoint(2, 2));
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->geometry().bottom() + 1, client->geometry().top());
    EXPECT_EQ(w.window->size(), QSize(400, 400 + bar->height()));
}

TEST(MainWindowOnQt, HasACaptionAndAMinimiseBoxButCannotBeMaximisedOrResized) {
    Window<ProbeView> w;
    const Qt::WindowFlags flags = w.window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.window->minimumSize(), w.window->maximumSize());
    w.window->resize(600, 600);
    EXPECT_EQ(w.window->centralWidget()->size(), QSize(400, 400));
    EXPECT_FALSE(w.window->windowIcon().isNull());
}

TEST(MainWindowOnQt, OpensCentredInTheWorkArea) {
    Window<ProbeView> w;
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect outer = w.window->frameGeometry();
    const CPoint origin = CenterInWorkArea(
        CRect{free.left(), free.top(), free.left() + free.width(), free.top() + free.height()},
        outer.width(), outer.height());
    EXPECT_EQ(outer.topLeft(), QPoint(origin.x, origin.y));
}

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* received; // nullptr: nothing reaches the program
};

TEST(MainWindowOnQt, AcceleratorsBecomeCommandsAndOtherKeysReachTheView) {
    const KeyCase cases[] = {
        {Qt::Key_Up, Qt::ControlModifier, "command 521"},
        {Qt::Key_F8, Qt::ShiftModifier, "command 522"},
        {Qt::Key_F5, Qt::ControlModifier, "command 528"},
        {Qt::Key_B, Qt::ControlModifier, "command 32771"},
        {Qt::Key_W, Qt::ControlModifier, "command 32772"},
        {Qt::Key_F1, Qt::NoModifier, "command 507"},
        {Qt::Key_F3, Qt::NoModifier, "command 502"},
        {Qt::Key_F4, Qt::NoModifier, "command 503"},
        {Qt::Key_Up, Qt::NoModifier, "key 0x26"},
        {Qt::Key_F5, Qt::NoModifier, "key 0x74"},
        {Qt::Key_F8, Qt::NoModifier, "key 0x77"},
        {Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier, "key 0x26"},
        {Qt::Key_F4, Qt::ShiftModifier, "key 0x73"},
        {Qt::Key_A, Qt::ControlModifier, "key 0x41"},
        {Qt::Key_A, Qt::ShiftModifier, "key 0x41"},
        {Qt::Key_H, Qt::NoModifier, "key 0x48"},
        {Qt::Key_1, Qt::NoModifier, "key 0x31"},
        {Qt::Key_8, Qt::NoModifier, "key 0x38"},
        {Qt::Key_1, Qt::KeypadModifier, "key 0x61"},
        {Qt::Key_Up, Qt::KeypadModifier, "key 0x26"},
        {Qt::Key_Return, Qt::NoModifier, "key 0x0D"},
        {Qt::Key_Enter, Qt::KeypadModifier, "key 0x0D"},
        {Qt::Key_Space, Qt::NoModifier, "key 0x20"},
        {Qt::Key_Escape, Qt::NoModifier, "key 0x1B"},
        {Qt::Key_PageUp, Qt::NoModifier, "key 0x21"},
        {Qt::Key_PageDown, Qt::NoModifier, "key 0x22"},
        {Qt::Key_End, Qt::NoModifier, "key 0x23"},
        {Qt::Key_Home, Qt::NoModifier, "key 0x24"},
        {Qt::Key_Tab, Qt::NoModifier, "key 0x09"},
        {Qt::Key_Up, Qt::AltModifier, nullptr},
        {Qt::Key_F2, Qt::AltModifier, nullptr},
    };
    Window<ProbeView> w;
    for (const KeyCase& c : cases) {
        w.view.received.clear();
        QTest::keyClick(w.viewWidget, c.key, c.modifiers);
        const std::vector<std::string> expected = c.received != nullptr
                                                      ? std::vector<std::string>{c.received}
                                                      : std::vector<std::string>{};
        EXPECT_EQ(w.view.received, expected)
            << "Qt key 0x" << std::hex << c.key << " modifiers " << c.modifiers.toInt();
    }
}

TEST(MainWindowOnQt, LeftClicksReachTheViewInItsClientCoordinates) {
    Window<ProbeView> w;
    QTest::mouseClick(w.viewWidget, Qt::LeftButton, Qt::NoModifier, QPoint(120, 185));
    QTest::mouseClick(w.viewWidget, Qt::LeftButton, Qt::ShiftModifier, QPoint(0, 395));
    QTest::mouseClick(w.viewWidget, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    // A double-click arrives as a click and then a double-click event.
    QTest::mouseClick(w.viewWidget, Qt::LeftButton, Qt::NoModifier, QPoint(60, 70));
    QTest::mouseDClick(w.viewWidget, Qt::LeftButton, Qt::NoModifier, QPoint(60, 70));
    EXPECT_EQ(w.view.received,
              (std::vector<std::string>{"click 120 185", "click 0 395", "click 60 70"}));
}

TEST(MainWindowOnQt, ACloseAskedForDuringAHandlerHappensAfterItReturns) {
    Window<ProbeView> w;
    bool visibleAtTheEnd = false;
    w.view.onKey = [&](UINT key) {
        if (key == 0x1B)
            AfxGetMainWnd()->PostMessage(WM_CLOSE);
        else
            w.window->close(); // as the desktop's close box would
        // What a playing clip lets through: everything but input.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        visibleAtTheEnd = w.window->isVisible();
    };
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Space}) {
        w.frame.ShowWindow();
        QTest::keyClick(w.viewWidget, key);
        EXPECT_TRUE(visibleAtTheEnd);
        QApplication::processEvents();
        EXPECT_FALSE(w.window->isVisible());
    }
}

TEST(MainWindowOnQt, PaintingRunsOnDrawAndDirectDrawingShowsAtOnce) {
    Window<CTavroView> w;
    const QImage painted = w.viewWidget->grab().toImage();
    EXPECT_EQ(painted.pixel(152, 152), qRgb(0, 128, 0)); // the cursor on D4
    EXPECT_EQ(painted.pixel(225, 175), qRgb(0, 0, 0));   // black on E4

    w.view.m_cursorCol = 0;
    CDC* dc = w.view.GetDC();
    w.view.DrawBoard(dc);
    w.view.ReleaseDC(dc);
    EXPECT_EQ(w.viewWidget->Surface().pixel(2, 152), qRgb(0, 128, 0)); // A4
    EXPECT_EQ(w.viewWidget->Surface().pixel(152, 152), qRgb(200, 200, 200));
}

TEST(MainWindowOnQt, AViewWithoutADocumentShowsOnlyTheBackground) {
    Window<CTavroView> w;
    w.view.AttachDocument(nullptr);
    const QImage painted = w.viewWidget->grab().toImage();
    const QRgb background = w.viewWidget->palette().color(QPalette::Base).rgb();
    EXPECT_EQ(painted.pixel(152, 152), background);
    EXPECT_EQ(painted.pixel(25, 25), background);
}

std::vector<std::string> g_qtWarnings;

TEST(MainWindowOnQt, DrawingBeforeTheWindowIsShownGoesNowhere) {
    QtWindowSystem windows;
    SetWindowSystem(&windows);
    CMainFrame frame;
    CTavroDoc document;
    CTavroView view;
    view.AttachDocument(&document);
    frame.SetActiveView(&view);
    ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME));
    g_qtWarnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
            g_qtWarnings.push_back(message.toStdString());
        });
    view.Redraw();
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_qtWarnings, std::vector<std::string>{});
    SetWindowSystem(nullptr);
}

// What a message box showed, seen from inside its modal loop.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool waitCursor = true;
};

// Shows a box through the window system and answers it with `answer`
// (Qt::Key_Escape, or the button's Qt::Key_Y / Qt::Key_N / Qt::Key_Return).
int ShowAndAnswer(UINT type, Qt::Key answer, SeenBox& seen) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = static_cast<int>(box->buttons().size());
        seen.waitCursor = QApplication::overrideCursor() != nullptr;
        if (answer == Qt::Key_Y)
            box->button(QMessageBox::Yes)->click();
        else if (answer == Qt::Key_N)
            box->button(QMessageBox::No)->click();
        else
            QTest::keyClick(box, answer);
    });
    return AfxMessageBox("ゲーム中ですが終了しますか？", type);
}

TEST(MainWindowOnQt, MessageBoxesAnswerAsAskedWithTheNormalCursor) {
    Window<ProbeView> w;
    w.view.BeginWaitCursor(); // as during a move that ends the game
    SeenBox seen;
    EXPECT_EQ(ShowAndAnswer(MB_YESNO, Qt::Key_Y, seen), IDYES);
    EXPECT_EQ(seen.caption, QString("Tavro"));
    EXPECT_EQ(seen.text, QString::fromUtf8("ゲーム中ですが終了しますか？"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, 2);
    EXPECT_FALSE(seen.waitCursor);
    EXPECT_NE(QApplication::overrideCursor(), nullptr); // back after the box
    EXPECT_EQ(ShowAndAnswer(MB_YESNO, Qt::Key_N, seen), IDNO);
    EXPECT_EQ(ShowAndAnswer(MB_YESNO, Qt::Key_Escape, seen), IDNO);
    EXPECT_EQ(ShowAndAnswer(MB_OK, Qt::Key_Escape, seen), IDOK);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, 1);
    w.view.EndWaitCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
