#pragma once

#include "framework/Types.h"

#include <QObject>

#include <map>
#include <vector>

class CFrameWnd;
class CMenu;
class QAction;
class QMenu;
class QMenuBar;

// A frame's menu bar on Qt. It fills a QMenuBar from the frame's menu (the
// model), shows the states the model holds, and tells the frame how the
// player uses the menus, as Windows would:
//  - the menus come into use (a pop-up opens, or the bar takes the keyboard):
//    OnInitMenu with the menu bar;
//  - a title is highlighted or its pop-up opens: OnMenuSelect with the
//    title's position; an entry that opens a nested pop-up is highlighted:
//    its position in its pop-up; a command item: its command id;
//  - a pop-up is about to open: OnInitMenuPopup;
//  - the menus close: OnMenuSelect with 0 and flags 0xFFFF;
//  - an item is chosen: its command, once the menus have closed, routed
//    through the frame as a handler of its own (HandlerScope).
// The model's states are shown whenever a pop-up opens and on Sync.
class MenuBarBridge : public QObject {
public:
    MenuBarBridge(CFrameWnd& frame, QMenuBar& bar);

    // Shows the model's enabled, grayed and checked states.
    void Sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A Qt action and the model item it shows: entry `position` of `menu`.
    struct Entry {
        QAction* action;
        CMenu* menu;
        int position;
    };
    // A pop-up on Qt, its model, and where its entry stands in its parent.
    struct Popup {
        CMenu* model;
        CMenu* parentModel;
        int position;
        bool topLevel;
    };

    void AddPopup(QMenu& popup, CMenu& model, CMenu& parentModel, int position, bool topLevel);
    void Fill(QMenu& popup, CMenu& model);
    void OnAboutToShow(QMenu* popup);
    void OnHovered(QMenu* popup, QAction* action);
    void OnBarHovered(QAction* action);
    void OnTriggered(UINT id);
    void BeginMenuMode();
    void Select(UINT item, UINT flags, CMenu* menu);
    void CheckMenusClosed();
    bool PopupOpen() const;
    bool MenusInUse() const;

    CFrameWnd& m_frame;
    QMenuBar& m_bar;
    CMenu* m_model;
    std::vector<Entry> m_entries;
    std::map<QMenu*, Popup> m_popups;
    bool m_inMenuMode = false;
    // The last highlight reported, so that one highlight is reported once.
    UINT m_lastItem = 0;
    CMenu* m_lastMenu = nullptr;
};
