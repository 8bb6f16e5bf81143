#pragma once

#include "framework/Types.h"
#include "res/Menus.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

// How EnableMenuItem, CheckMenuItem and GetMenuState name an item, and the
// states an item can have, with their Windows values.
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_HILITE = 0x0080;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT MF_SYSMENU = 0x2000;
inline constexpr UINT MF_MOUSESELECT = 0x8000;

// What the menu functions answer for an item that is not there.
inline constexpr UINT kNoMenuItem = 0xFFFFFFFF;

// A menu: the menu bar of a window, or one of its pop-ups. It holds the
// state of every item (enabled, grayed, checked); the window backend shows
// that state and nothing else. An item named by its command is looked up in
// the menu and then in the pop-ups nested in it, depth first; an item named
// by its position is one of this menu's own entries, separators counted.
class CMenu {
public:
    struct Item {
        MenuTemplateItem::Kind kind;
        std::string text;
        UINT id = 0; // 0 for separators and pop-up entries
        UINT state = MF_ENABLED | MF_UNCHECKED;
        std::unique_ptr<CMenu> popup; // the pop-up a Popup entry opens
    };

    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // A menu made from a template, every item enabled and unchecked.
    static std::unique_ptr<CMenu> Load(std::span<const MenuTemplateItem> entries);

    int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
    // The command id at `position`: 0 for a separator, kNoMenuItem for a
    // pop-up entry or a position that does not exist.
    UINT GetMenuItemID(int position) const;
    // The pop-up that the entry at `position` opens, or nullptr.
    CMenu* GetSubMenu(int position) const;

    // Enables (MF_ENABLED), grays (MF_GRAYED) or disables (MF_DISABLED) an
    // item named by command or by position (MF_BYPOSITION). Returns the
    // previous MF_GRAYED and MF_DISABLED bits, or kNoMenuItem.
    UINT EnableMenuItem(UINT item, UINT flags);
    // Checks (MF_CHECKED) or unchecks an item; returns its previous
    // MF_CHECKED bit, or kNoMenuItem.
    UINT CheckMenuItem(UINT item, UINT flags);
    // The item's MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP and
    // MF_SEPARATOR bits, or kNoMenuItem.
    UINT GetMenuState(UINT item, UINT flags) const;

    const Item& ItemAt(int position) const { return m_items[static_cast<std::size_t>(position)]; }

private:
    Item* Find(UINT item, UINT flags);
    const Item* Find(UINT item, UINT flags) const;
    // Sets the state bits of `bits` from `flags` on the item; answers their
    // previous values, or kNoMenuItem when there is no such item.
    UINT SetStateBits(UINT item, UINT flags, UINT bits);
    Item* FindCommand(UINT id);

    std::vector<Item> m_items;
};

// True when the item's state keeps it from being chosen.
constexpr bool IsMenuStateUnavailable(UINT state) {
    return state != kNoMenuItem && (state & (MF_GRAYED | MF_DISABLED)) != 0;
}
