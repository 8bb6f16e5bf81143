#include "framework/WindowSystem.h"

#include "framework/MessageBox.h"

namespace {

// A device context whose drawing goes nowhere.
class DiscardingDC : public CDC {
protected:
    void PaintRectangle(const CRect&, std::optional<COLORREF>) override {}
    void PaintEllipse(const CRect&, std::optional<COLORREF>) override {}
};

class NoWindowSystem : public WindowSystem {
public:
    bool CreateFrame(CFrameWnd&, const CREATESTRUCT&) override { return false; }
    void DestroyFrame(CFrameWnd&) override {}
    void ShowWindow(CWnd&) override {}
    std::unique_ptr<CDC> GetDC(CWnd&) override { return MakeDiscardingDC(); }
    void ReleaseDC(CWnd&, std::unique_ptr<CDC>) override {}
    int MessageBox(CWnd*, std::string_view, std::string_view, UINT type) override {
        // Never agree to anything nobody was asked about.
        return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    }
    void MessageBeep(UINT) override {}
    void ShowWaitCursor(bool) override {}
    void PostClose(CWnd&) override {}
    void SetWindowText(CWnd&, std::string_view) override {}
    bool GetWorkArea(CRect&) override { return false; }
    void AdjustWindowRectEx(CRect&, DWORD, bool, DWORD) override {}
    void DrawMenuBar(CWnd&) override {}
    int RunModalDialog(const DialogTemplate&, CWnd*) override { return -1; }
    bool OpenUrl(std::string_view) override { return false; }
    std::unique_ptr<ProfileStore> OpenProfile(std::string_view, std::string_view) override {
        return nullptr;
    }
};

NoWindowSystem g_noWindowSystem;
WindowSystem* g_windowSystem = nullptr;

} // namespace

std::unique_ptr<CDC> MakeDiscardingDC() {
    return std::make_unique<DiscardingDC>();
}

WindowSystem& CurrentWindowSystem() {
    return g_windowSystem != nullptr ? *g_windowSystem : g_noWindowSystem;
}

void SetWindowSystem(WindowSystem* system) {
    g_windowSystem = system;
}
