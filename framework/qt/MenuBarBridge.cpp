#include "framework/qt/MenuBarBridge.h"

#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/qt/HandlerScope.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QTimer>

namespace {

// The flags of the notification that the menus have closed.
constexpr UINT kMenusClosedFlags = 0xFFFF;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int PositionOf(const QList<QAction*>& actions, const QAction* action) {
    return static_cast<int>(actions.indexOf(action));
}

} // namespace

MenuBarBridge::MenuBarBridge(CFrameWnd& frame, QMenuBar& bar)
    : QObject(&bar), m_frame(frame), m_bar(bar), m_model(frame.GetMenu()) {
    // The bar belongs inside the window, where the window's height counts
    // it, and not in a desktop-wide menu.
    m_bar.setNativeMenuBar(false);
    if (m_model == nullptr)
        return;
    for (int position = 0; position < m_model->GetMenuItemCount(); ++position) {
        const CMenu::Item& item = m_model->ItemAt(position);
        if (item.popup) {
            QMenu* popup = m_bar.addMenu(FromUtf8(item.text));
            m_entries.push_back({popup->menuAction(), m_model, position});
            AddPopup(*popup, *item.popup, *m_model, position, true);
        } else {
            // A command straight on the bar: not in this program's menus.
            QAction* action = m_bar.addAction(FromUtf8(item.text));
            m_entries.push_back({action, m_model, position});
            const UINT id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { OnTriggered(id); });
        }
    }
    connect(&m_bar, &QMenuBar::hovered, this, &MenuBarBridge::OnBarHovered);
    m_bar.installEventFilter(this);
    Sync();
}

void MenuBarBridge::AddPopup(QMenu& popup, CMenu& model, CMenu& parentModel, int position,
                             bool topLevel) {
    m_popups[&popup] = Popup{&model, &parentModel, position, topLevel};
    connect(&popup, &QMenu::aboutToShow, this, [this, p = &popup] { OnAboutToShow(p); });
    connect(&popup, &QMenu::hovered, this,
            [this, p = &popup](QAction* action) { OnHovered(p, action); });
    if (topLevel) {
        connect(&popup, &QMenu::aboutToHide, this, [this] {
            // Another pop-up may be taking over; look once the switch is done.
            QTimer::singleShot(0, this, &MenuBarBridge::CheckMenusClosed);
        });
    }
    Fill(popup, model);
}

void MenuBarBridge::Fill(QMenu& popup, CMenu& model) {
    for (int position = 0; position < model.GetMenuItemCount(); ++position) {
        const CMenu::Item& item = model.ItemAt(position);
        switch (item.kind) {
        case MenuTemplateItem::Separator:
            m_entries.push_back({popup.addSeparator(), &model, position});
            break;
        case MenuTemplateItem::Popup: {
            QMenu* nested = popup.addMenu(FromUtf8(item.text));
            m_entries.push_back({nested->menuAction(), &model, position});
            AddPopup(*nested, *item.popup, model, position, false);
            break;
        }
        case MenuTemplateItem::Command:
        case MenuTemplateItem::CheckCommand: {
            QAction* action = popup.addAction(FromUtf8(item.text));
            m_entries.push_back({action, &model, position});
            const UINT id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { OnTriggered(id); });
            break;
        }
        }
    }
}

void MenuBarBridge::Sync() {
    for (const Entry& entry : m_entries) {
        const CMenu::Item& item = entry.menu->ItemAt(entry.position);
        if (item.kind == MenuTemplateItem::Separator)
            continue;
        entry.action->setEnabled((item.state & (MF_GRAYED | MF_DISABLED)) == 0);
        const bool checked = (item.state & MF_CHECKED) != 0;
        // Items made to carry a check mark show it as checkable, so a screen
        // reader can tell "not checked" too.
        entry.action->setCheckable(item.kind == MenuTemplateItem::CheckCommand || checked);
        entry.action->setChecked(checked);
    }
}

bool MenuBarBridge::PopupOpen() const {
    for (const auto& [popup, where] : m_popups) {
        if (popup->isVisible())
            return true;
    }
    return false;
}

bool MenuBarBridge::MenusInUse() const {
    // The bar with the focus is being worked from the keyboard.
    return m_bar.hasFocus() || PopupOpen();
}

void MenuBarBridge::BeginMenuMode() {
    if (m_inMenuMode)
        return;
    m_inMenuMode = true;
    m_lastMenu = nullptr;
    HandlerScope scope;
    m_frame.OnInitMenu(m_model);
}

void MenuBarBridge::Select(UINT item, UINT flags, CMenu* menu) {
    if (menu == m_lastMenu && item == m_lastItem)
        return;
    m_lastItem = item;
    m_lastMenu = menu;
    HandlerScope scope;
    m_frame.OnMenuSelect(item, flags, menu);
}

void MenuBarBridge::OnAboutToShow(QMenu* popup) {
    const Popup& where = m_popups.at(popup);
    BeginMenuMode();
    if (where.topLevel)
        Select(static_cast<UINT>(where.position), MF_POPUP | MF_HILITE, where.parentModel);
    {
        HandlerScope scope;
        m_frame.OnInitMenuPopup(where.model, static_cast<UINT>(where.position), false);
    }
    Sync();
}

void MenuBarBridge::OnHovered(QMenu* popup, QAction* action) {
    // Qt repeats a highlight to every menu above the one holding the item;
    // only that one's own counts.
    const int position = action != nullptr ? PositionOf(popup->actions(), action) : -1;
    if (!m_inMenuMode || position < 0 || action->isSeparator())
        return;
    const Popup& where = m_popups.at(popup);
    const UINT state = where.model->GetMenuState(static_cast<UINT>(position), MF_BYPOSITION);
    const UINT flags = MF_HILITE | (state & (MF_GRAYED | MF_DISABLED | MF_POPUP));
    // An entry that opens a pop-up is named by its position, an item by its command.
    Select(action->menu() != nullptr ? static_cast<UINT>(position)
                                     : where.model->GetMenuItemID(position),
           flags, where.model);
}

void MenuBarBridge::OnBarHovered(QAction* action) {
    // The mouse passing over the bar is no use of the menus; the bar taken
    // from the keyboard is. Highlights in the pop-ups come here too.
    const int position = action != nullptr ? PositionOf(m_bar.actions(), action) : -1;
    if (position < 0 || !m_bar.hasFocus())
        return;
    BeginMenuMode();
    Select(static_cast<UINT>(position), MF_POPUP | MF_HILITE, m_model);
}

void MenuBarBridge::OnTriggered(UINT id) {
    // Qt has turned a checkable item's check round; the model decides.
    Sync();
    // The command comes once the menus have closed, as a message posted to
    // the window, and like any handler waits for one that runs.
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            HandlerScope::RunWhenIdle(this, [this, id] {
                CheckMenusClosed();
                HandlerScope scope;
                m_frame.OnCmdMsg(id);
            });
        },
        Qt::QueuedConnection);
}

void MenuBarBridge::CheckMenusClosed() {
    if (!m_inMenuMode || MenusInUse())
        return;
    m_inMenuMode = false;
    m_lastMenu = nullptr;
    HandlerScope scope;
    m_frame.OnMenuSelect(0, kMenusClosedFlags, nullptr);
}

bool MenuBarBridge::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_bar && event->type() == QEvent::FocusIn) {
        // The bar taken to the keyboard has highlighted its title before it
        // got the focus; with a pop-up open, the pop-up's highlight counts.
        if (!PopupOpen())
            OnBarHovered(m_bar.activeAction());
    } else if (watched == &m_bar && event->type() == QEvent::FocusOut) {
        QTimer::singleShot(0, this, &MenuBarBridge::CheckMenusClosed);
    }
    return QObject::eventFilter(watched, event);
}
