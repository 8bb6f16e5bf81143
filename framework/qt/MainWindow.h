#pragma once

#include <QMainWindow>

class CFrameWnd;
class ViewWidget;

// The window of a frame: a fixed 400 x 400 client area holding the view
// inside a sunken two-pixel edge, a caption with a minimise box and no way
// to resize. A close asked for while a handler runs waits for it to return.
class MainWindow : public QMainWindow {
public:
    static constexpr int kClientSize = 400;
    static constexpr int kEdgeWidth = 2;

    explicit MainWindow(CFrameWnd& frame);

    CFrameWnd& Frame() const { return m_frame; }
    // The active view's window, or nullptr when the frame has no view.
    ViewWidget* View() const { return m_view; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CFrameWnd& m_frame;
    ViewWidget* m_view = nullptr;
};
