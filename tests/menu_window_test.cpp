// The menu bar on Qt's offscreen platform: built from the menu table, it
// shows the states of the frame's menu, turns the player's use of the menus
// into the frame's notifications and runs the chosen command afterwards,
// inside the handler guard.
#include "app/MainFrame.h"
#include "app/TavroDoc.h"
#include "framework/App.h"
#include "framework/qt/MainWindow.h"
#include "framework/qt/QtWindowSystem.h"
#include "framework/qt/ViewWidget.h"
#include "res/ResourceIds.h"
#include "tests/support/QtGameWindow.h"
#include "view/TavroView.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// The main frame, writing down the menu notifications it gets: "init", a
// highlight as "ITEM in MENU" (the menu bar "bar", a pop-up by its
// positions such as "1" or "1.1"), and "closed".
class LoggingFrame : public CMainFrame {
public:
    Log log;
    std::vector<UINT> flags;
    void OnInitMenu(CMenu* menu) override {
        log.push_back("init");
        CMainFrame::OnInitMenu(menu);
    }
    void OnMenuSelect(UINT item, UINT itemFlags, CMenu* menu) override {
        if (itemFlags == 0xFFFF && item == 0 && menu == nullptr)
            log.push_back("closed");
        else
            log.push_back(std::to_string(item) + " in " + NameOf(menu));
        flags.push_back(itemFlags);
        CMainFrame::OnMenuSelect(item, itemFlags, menu);
    }

private:
    std::string NameOf(const CMenu* menu) const {
        if (menu == GetMenu())
            return "bar";
        for (int i = 0; i < GetMenu()->GetMenuItemCount(); ++i) {
            const CMenu* popup = GetMenu()->GetSubMenu(i);
            if (popup == menu)
                return std::to_string(i);
            for (int j = 0; popup != nullptr && j < popup->GetMenuItemCount(); ++j) {
                if (popup->GetSubMenu(j) == menu && menu != nullptr)
                    return std::to_string(i) + "." + std::to_string(j);
            }
        }
        return "?";
    }
};

// The game's own view at the weak level, so that the computer answers at once.
struct GameWindow : QtGameWindow<LoggingFrame, CTavroView> {
    GameWindow() { view.m_level = 2; }

    static QMenu* OpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    static void Settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    // Presses keys on whatever has them: the open pop-up, else the bar when
    // it is worked from the keyboard, else the window.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = OpenPopup();
        if (target == nullptr)
            target = window->menuBar()->hasFocus() ? static_cast<QWidget*>(window->menuBar())
                                                   : static_cast<QWidget*>(viewWidget);
        QTest::keyClick(target, key, modifiers);
        Settle();
    }
    Log TakeLog() {
        Log taken;
        taken.swap(frame.log);
        frame.flags.clear();
        return taken;
    }
    // The Qt action that shows command `id`, or nullptr.
    QAction* ActionOf(UINT id) const {
        for (QAction* title : window->menuBar()->actions()) {
            if (QAction* action = FindIn(title->menu(), id))
                return action;
        }
        return nullptr;
    }

private:
    QAction* FindIn(QMenu* menu, UINT id) const {
        if (menu == nullptr)
            return nullptr;
        for (QAction* action : menu->actions()) {
            if (action->menu() != nullptr) {
                if (QAction* nested = FindIn(action->menu(), id))
                    return nested;
            } else if (!action->isSeparator() && action->text() == QString::fromUtf8(TextOf(id))) {
                return action;
            }
        }
        return nullptr;
    }
    std::string TextOf(UINT id) const { return TextIn(*frame.GetMenu(), id); }
    static std::string TextIn(const CMenu& menu, UINT id) {
        for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
            const CMenu::Item& item = menu.ItemAt(i);
            if (item.popup) {
                const std::string nested = TextIn(*item.popup, id);
                if (!nested.empty())
                    return nested;
            } else if (item.kind != MenuTemplateItem::Separator && item.id == id) {
                return item.text;
            }
        }
        return {};
    }
};

// The bar shows the menu it was built from: the same texts in the same
// places, separators where the menu has them, and check boxes on the items
// made to carry a check mark.
void ExpectShown(const QList<QAction*>& actions, const CMenu& menu, const std::string& where) {
    ASSERT_EQ(actions.size(), menu.GetMenuItemCount()) << where;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const CMenu::Item& item = menu.ItemAt(i);
        const QAction* action = actions[i];
        const std::string here = where + "/" + std::to_string(i);
        EXPECT_EQ(action->isSeparator(), item.kind == MenuTemplateItem::Separator) << here;
        if (item.kind == MenuTemplateItem::Separator)
            continue;
        EXPECT_EQ(action->text().toStdString(), item.text) << here;
        EXPECT_EQ(action->isCheckable(), item.kind == MenuTemplateItem::CheckCommand) << here;
        EXPECT_TRUE(action->shortcut().isEmpty()) << here; // the accelerators do that
        ASSERT_EQ(action->menu() != nullptr, item.popup != nullptr) << here;
        if (item.popup)
            ExpectShown(action->menu()->actions(), *item.popup, here);
    }
}

TEST(MenuBarOnQt, ShowsTheMenuItWasBuiltFrom) {
    GameWindow w;
    EXPECT_FALSE(w.window->menuBar()->isNativeMenuBar());
    ExpectShown(w.window->menuBar()->actions(), *w.frame.GetMenu(), "");
}

TEST(MenuBarOnQt, KeyboardUseOfTheMenusGivesTheFramesItemValuesAndShowsTheirStates) {
    GameWindow w;
    // Outside a game the Voice menu's two pop-ups are grayed and passed
    // over: the menu opens with the stone-only item highlighted.
    w.Press(Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(w.TakeLog(), (Log{"init", "1 in bar", "503 in 1"}));
    EXPECT_FALSE(w.OpenPopup()->actions()[0]->isEnabled());
    EXPECT_FALSE(w.OpenPopup()->actions()[1]->isEnabled());
    EXPECT_TRUE(w.ActionOf(ID_VOICE_STONE_ONLY)->isEnabled());
    EXPECT_FALSE(w.ActionOf(ID_VOICE_STONE_ONLY)->isChecked());
    w.Press(Qt::Key_Down); // no other item to go to
    EXPECT_EQ(w.TakeLog(), Log{});
    w.Press(Qt::Key_Escape); // back to the highlighted title
    w.Press(Qt::Key_Escape); // out of the menus
    EXPECT_EQ(w.TakeLog(), (Log{"1 in bar", "closed"}));

    // During a game, the first entry, Volume, is highlighted as the menu
    // opens: its position refreshes the Game pop-up too.
    w.Press(Qt::Key_B, Qt::ControlModifier);
    ASSERT_EQ(w.view.m_playing, 1);
    w.TakeLog();
    w.Press(Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(w.OpenPopup()->actions()[0]->isEnabled());
    w.Press(Qt::Key_Down);
    w.Press(Qt::Key_Right);
    EXPECT_EQ(w.TakeLog(), (Log{"init", "1 in bar", "0 in 1", "1 in 1", "521 in 1.1"}));
    EXPECT_FALSE(w.ActionOf(ID_GAME_BLACK_FIRST)->isEnabled());
    for (int i = 0; i < 3; ++i)
        w.Press(Qt::Key_Escape);
    EXPECT_EQ(w.TakeLog(), (Log{"1 in bar", "closed"}));
}

TEST(MenuBarOnQt, AltAloneTakesTheBarToTheKeyboardAndTheMousePassingOverItDoesNot) {
    GameWindow w;
    QTest::mouseMove(w.window->menuBar(), QPoint(60, 5));
    GameWindow::Settle();
    EXPECT_EQ(w.TakeLog(), Log{});
    w.Press(Qt::Key_Alt);
    ASSERT_TRUE(w.window->menuBar()->hasFocus());
    w.Press(Qt::Key_Right);
    w.Press(Qt::Key_Right);
    EXPECT_EQ(w.TakeLog(), (Log{"init", "0 in bar", "1 in bar", "2 in bar"}));
    w.Press(Qt::Key_Escape);
    EXPECT_EQ(w.TakeLog(), Log{"closed"});
    EXPECT_TRUE(w.viewWidget->hasFocus());
}

TEST(MenuBarOnQt, TitlesClickedOpenTheirMenusAndAnItemClickedClosesThem) {
    GameWindow w;
    QMenuBar* bar = w.window->menuBar();
    const auto click = [bar](int title) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          bar->actionGeometry(bar->actions()[title]).center());
        GameWindow::Settle();
    };
    click(2);
    click(3); // the menus switch: one notification, no closing between
    EXPECT_EQ(w.TakeLog(), (Log{"init", "2 in bar", "3 in bar"}));
    ASSERT_NE(GameWindow::OpenPopup(), nullptr);
    QTest::mouseClick(GameWindow::OpenPopup(), Qt::LeftButton, Qt::NoModifier,
                      GameWindow::OpenPopup()
                          ->actionGeometry(GameWindow::OpenPopup()->actions()[0])
                          .center()); // About...
    // ... which, with no application to handle it here, does nothing.
    GameWindow::Settle();
    EXPECT_EQ(w.TakeLog(), (Log{"57664 in 3", "closed"}));
    EXPECT_EQ(GameWindow::OpenPopup(), nullptr);
}

TEST(MenuBarOnQt, AChosenItemRunsAfterTheMenusCloseSoCtrlBWorksUntilTheNextRefresh) {
    GameWindow w;
    w.Press(Qt::Key_G, Qt::AltModifier);
    w.Press(Qt::Key_Return); // the first item, highlighted as the menu opened
    EXPECT_EQ(w.TakeLog(), (Log{"init", "0 in bar", "32771 in 0", "closed"}));
    ASSERT_EQ(w.view.m_playing, 1);
    EXPECT_TRUE(w.ActionOf(ID_GAME_BLACK_FIRST)->isEnabled()); // refreshed before the game began

    for (Qt::Key key : {Qt::Key_C, Qt::Key_4, Qt::Key_Return})
        w.Press(key);
    ASSERT_EQ(w.view.m_moveCount, 2);
    w.Press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(w.view.m_moveCount, 0); // a new game
    // The accelerator tells the menu it may be used, and refreshes nothing.
    EXPECT_EQ(w.TakeLog(), Log{"init"});

    w.TakeLog();
    w.Press(Qt::Key_S, Qt::AltModifier); // Level is grayed and passed over
    w.Press(Qt::Key_Escape);
    w.Press(Qt::Key_Escape);
    EXPECT_EQ(w.TakeLog(), (Log{"init", "2 in bar", "502 in 2", "2 in bar", "closed"}));
    EXPECT_FALSE(w.ActionOf(ID_GAME_BLACK_FIRST)->isEnabled());
    EXPECT_FALSE(w.ActionOf(ID_GAME_WHITE_SECOND)->isEnabled());

    for (Qt::Key key : {Qt::Key_C, Qt::Key_4, Qt::Key_Return})
        w.Press(key);
    w.Press(Qt::Key_B, Qt::ControlModifier);
    w.Press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(w.view.m_moveCount, 2); // swallowed
    EXPECT_EQ(w.view.m_cursorCol, 2); // not a key B for the cursor either
}

TEST(MenuBarOnQt, ACheckItemShowsTheMenusMarkNotQtsOwnToggle) {
    GameWindow w;
    QAction* stoneOnly = w.ActionOf(ID_VOICE_STONE_ONLY);
    stoneOnly->trigger();
    EXPECT_FALSE(stoneOnly->isChecked()); // Qt turned it round; the menu has not yet
    GameWindow::Settle();
    EXPECT_EQ(w.view.m_coordClips, 0);
    w.Press(Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(stoneOnly->isChecked()); // the refresh as the menu opened
    w.Press(Qt::Key_Escape);
    w.Press(Qt::Key_Escape);
}

// A view whose weak-level command asks the window to close and lets a
// clip's worth of events through, as a handler that speaks would.
class ClosingView : public CTavroView {
public:
    MainWindow* window = nullptr;
    bool visibleAtTheEnd = false;
    bool OnCmdMsg(UINT id) override {
        if (id != ID_LEVEL_WEAK)
            return CTavroView::OnCmdMsg(id);
        window->close();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        visibleAtTheEnd = window->isVisible();
        return true;
    }
};

TEST(MenuBarOnQt, AMenuCommandRunsInsideTheHandlerGuard) {
    QtWindowSystem windows;
    SetWindowSystem(&windows);
    CWinApp app;
    CMainFrame frame;
    CTavroDoc document;
    ClosingView view;
    view.AttachDocument(&document);
    frame.SetActiveView(&view);
    ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME));
    app.m_pMainWnd = &frame;
    view.window = windows.FrameWindow(frame);
    frame.ShowWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.window));

    QMenu* level = view.window->menuBar()->actions()[2]->menu()->actions()[0]->menu();
    level->actions()[2]->trigger();        // 弱い
    EXPECT_TRUE(view.window->isVisible()); // not before the event loop has it
    GameWindow::Settle();
    EXPECT_TRUE(view.visibleAtTheEnd);
    EXPECT_FALSE(view.window->isVisible());
    SetWindowSystem(nullptr);
}

} // namespace
