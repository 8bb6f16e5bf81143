#pragma once

#include "framework/Menu.h"
#include "framework/View.h"
#include "framework/WindowStyles.h"
#include "framework/Wnd.h"
#include "res/Accelerators.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class CDocument;

// The modifier keys held with a key press, as the accelerator flags name
// them: FSHIFT, FCONTROL, FALT.
using KeyModifiers = std::uint8_t;

// The command an accelerator table sends for `key` with exactly `held`
// modifiers, or 0 when no entry matches. Entries are tried in table order.
UINT MatchAccelerator(std::span<const ACCEL> table, UINT key, KeyModifiers held);

// The main window: a frame around one active view, with a menu bar and an
// accelerator table that turns key combinations into commands before the
// view sees them.
//
// The menu bar's items keep the states the program gives them, except that
// with automatic menu enabling on (m_bAutoMenuEnable, the default) each
// pop-up about to open has its command items enabled when some handler
// takes their command and grayed when none does.
class CFrameWnd : public CWnd {
public:
    // Loads the frame's resources of `resourceId` (menu bar, accelerator
    // table, icon, and the base title from the first field of its document
    // strings) and makes its window as PreCreateWindow describes it. Set the
    // active view first. False when PreCreateWindow refuses or no window
    // can be made.
    bool LoadFrame(int resourceId);
    // Describes the window about to be made; false stops its making. The
    // base gives a sizable window with every box, a sunken client edge and
    // FWS_ADDTOTITLE, placed and sized by the window system.
    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    // Takes the window away (its menu and resources stay).
    void DestroyWindow();

    void SetActiveView(CView* view) { m_activeView = view; }
    CView* GetActiveView() const { return m_activeView; }

    void LoadAccelTable(std::span<const ACCEL> table) { m_accelerators = table; }
    // Gives the frame a menu bar (LoadFrame loads the resource's).
    void SetMenu(std::unique_ptr<CMenu> menu) { m_menu = std::move(menu); }
    CMenu* GetMenu() const override { return m_menu.get(); }
    // The icon resource of the window, 0 for none.
    int GetIconId() const { return m_iconId; }
    DWORD GetStyle() const { return m_style; }

    // Sets the window's title from the base title and, with FWS_ADDTOTITLE,
    // the document's title: "Base - Document" (FWS_PREFIXTITLE turns it
    // round).
    void OnUpdateFrameTitle(const CDocument* document);

    // Applies the accelerator table to a key press. When an entry matches,
    // the key is used up and must not reach the view: the menu is told
    // (OnInitMenu) when the command has an item in it, and the command is
    // routed unless that item, itself, is grayed or disabled.
    bool TranslateAccelerator(UINT key, KeyModifiers held);

    // Routes a command: the active view first, then the application.
    bool OnCmdMsg(UINT id) override;
    bool HasCommandHandler(UINT id) const override;

    // What the window backend reports of the menus, in Windows' terms:
    // OnInitMenu when the menu bar comes into use; OnMenuSelect with the
    // item highlighted (a title or an entry that opens a pop-up: its
    // position in its menu; a command item: its id), and with 0 and flags
    // 0xFFFF when the menus close; OnInitMenuPopup when a pop-up is about to
    // open. The base OnInitMenuPopup enables automatically (above); the
    // others do nothing.
    virtual void OnInitMenu(CMenu* menu);
    virtual void OnInitMenuPopup(CMenu* popup, UINT index, bool sysMenu);
    virtual void OnMenuSelect(UINT itemId, UINT flags, CMenu* menu);

    bool m_bAutoMenuEnable = true;

private:
    CView* m_activeView = nullptr;
    std::span<const ACCEL> m_accelerators;
    std::unique_ptr<CMenu> m_menu;
    int m_iconId = 0;
    DWORD m_style = 0;
    std::string m_baseTitle;
};
