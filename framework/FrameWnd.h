#pragma once

#include "framework/View.h"
#include "framework/Wnd.h"
#include "res/Accelerators.h"

#include <cstdint>
#include <span>

// The modifier keys held with a key press, as the accelerator flags name
// them: FSHIFT, FCONTROL, FALT.
using KeyModifiers = std::uint8_t;

// The command an accelerator table sends for `key` with exactly `held`
// modifiers, or 0 when no entry matches. Entries are tried in table order.
UINT MatchAccelerator(std::span<const ACCEL> table, UINT key, KeyModifiers held);

// The main window: a frame around one active view, with an accelerator
// table that turns key combinations into commands before the view sees them.
class CFrameWnd : public CWnd {
public:
    // Makes the frame's window around its active view (set that first);
    // false when the window system cannot.
    bool Create();

    void SetActiveView(CView* view) { m_activeView = view; }
    CView* GetActiveView() const { return m_activeView; }

    void LoadAccelTable(std::span<const ACCEL> table) { m_accelerators = table; }

    // Applies the accelerator table to a key press. When an entry matches,
    // its command is routed and true returned: the key is used up and must
    // not reach the view.
    bool TranslateAccelerator(UINT key, KeyModifiers held);

    // Routes a command: the active view first, then the application.
    bool OnCmdMsg(UINT id) override;

private:
    CView* m_activeView = nullptr;
    std::span<const ACCEL> m_accelerators;
};
