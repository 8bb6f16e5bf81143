#include "framework/Menu.h"

namespace {

constexpr UINT kEnableBits = MF_GRAYED | MF_DISABLED;

} // namespace

std::unique_ptr<CMenu> CMenu::Load(std::span<const MenuTemplateItem> entries) {
    auto menu = std::make_unique<CMenu>();
    for (const MenuTemplateItem& entry : entries) {
        Item item{entry.kind, entry.text, 0, MF_ENABLED | MF_UNCHECKED, nullptr};
        if (entry.kind == MenuTemplateItem::Command || entry.kind == MenuTemplateItem::CheckCommand)
            item.id = entry.id;
        if (entry.kind == MenuTemplateItem::Popup)
            item.popup = Load(entry.entries);
        menu->m_items.push_back(std::move(item));
    }
    return menu;
}

UINT CMenu::GetMenuItemID(int position) const {
    if (position < 0 || position >= GetMenuItemCount())
        return kNoMenuItem;
    const Item& item = ItemAt(position);
    return item.kind == MenuTemplateItem::Popup ? kNoMenuItem : item.id;
}

CMenu* CMenu::GetSubMenu(int position) const {
    if (position < 0 || position >= GetMenuItemCount())
        return nullptr;
    return ItemAt(position).popup.get();
}

CMenu::Item* CMenu::FindCommand(UINT id) {
    for (Item& item : m_items) {
        if (item.popup) {
            if (Item* nested = item.popup->FindCommand(id))
                return nested;
        } else if (item.kind != MenuTemplateItem::Separator && item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

CMenu::Item* CMenu::Find(UINT item, UINT flags) {
    if ((flags & MF_BYPOSITION) == 0)
        return FindCommand(item);
    if (item >= m_items.size())
        return nullptr;
    return &m_items[item];
}

const CMenu::Item* CMenu::Find(UINT item, UINT flags) const {
    return const_cast<CMenu*>(this)->Find(item, flags);
}

UINT CMenu::SetStateBits(UINT item, UINT flags, UINT bits) {
    Item* found = Find(item, flags);
    if (found == nullptr)
        return kNoMenuItem;
    const UINT previous = found->state & bits;
    found->state = (found->state & ~bits) | (flags & bits);
    return previous;
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags) {
    return SetStateBits(item, flags, kEnableBits);
}

UINT CMenu::CheckMenuItem(UINT item, UINT flags) {
    return SetStateBits(item, flags, MF_CHECKED);
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    const Item* found = Find(item, flags);
    if (found == nullptr)
        return kNoMenuItem;
    UINT state = found->state;
    if (found->kind == MenuTemplateItem::Popup)
        state |= MF_POPUP;
    if (found->kind == MenuTemplateItem::Separator)
        state |= MF_SEPARATOR;
    return state;
}
