#pragma once

#include "framework/WindowSystem.h"

#include <memory>
#include <vector>

class MainWindow;
class QWidget;
class ViewWidget;

// The window system on Qt Widgets: frames become MainWindows, views their
// ViewWidgets, message boxes QMessageBoxes. Needs a QApplication.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();
    ~QtWindowSystem() override;

    bool CreateFrame(CFrameWnd& frame) override;
    void ShowWindow(CWnd& window) override;
    std::unique_ptr<CDC> GetDC(CWnd& window) override;
    void ReleaseDC(CWnd& window, std::unique_ptr<CDC> dc) override;
    int MessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                   UINT type) override;
    void MessageBeep(UINT type) override;
    void ShowWaitCursor(bool on) override;
    void PostClose(CWnd& window) override;
    void SetWindowText(CWnd& window, std::string_view text) override;

    // The Qt window of a frame or view, or nullptr when it has none.
    MainWindow* FrameWindow(const CWnd& frame) const;
    ViewWidget* ViewWindow(const CWnd& view) const;

private:
    QWidget* WidgetOf(const CWnd& window) const;

    std::vector<std::unique_ptr<MainWindow>> m_frames;
};
