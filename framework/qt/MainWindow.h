#pragma once

#include "framework/WindowStyles.h"

#include <QMainWindow>
#include <QMargins>

class CFrameWnd;
class MenuBarBridge;
class ViewWidget;

// The window of a frame: the frame's menu bar over a client area that holds
// the view inside a sunken two-pixel edge. Its styles come from the frame's
// window description: a caption, the window menu with the close box, a
// minimise box, a maximise box and a sizing border only when asked for;
// without a sizing border the size never changes. It opens where the
// description places it; once the desktop has framed it, a window whose
// frame turned out another size than planned is centred again in the work
// area by the same rule, unless it has been moved meanwhile. A close asked
// for while a handler runs waits for it to return.
class MainWindow : public QMainWindow {
public:
    static constexpr int kEdgeWidth = 2;

    // `client` is the size of the client area below the menu bar.
    MainWindow(CFrameWnd& frame, const CREATESTRUCT& cs, QSize client);

    CFrameWnd& Frame() const { return m_frame; }
    // The active view's window, or nullptr when the frame has no view.
    ViewWidget* View() const { return m_view; }
    // The menu bar's link to the frame's menu, or nullptr without a menu.
    MenuBarBridge* MenuBar() const { return m_menuBar; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CentreAgainOnceFramed();

    CFrameWnd& m_frame;
    CREATESTRUCT m_planned;
    ViewWidget* m_view = nullptr;
    MenuBarBridge* m_menuBar = nullptr;
    bool m_framed = false;
};
