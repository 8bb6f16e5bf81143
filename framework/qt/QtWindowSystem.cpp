#include "framework/qt/QtWindowSystem.h"

#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/HandlerScope.h"
#include "framework/qt/MainWindow.h"
#include "framework/qt/MenuBarBridge.h"
#include "framework/qt/QtProfile.h"
#include "framework/qt/ViewWidget.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QString>
#include <QUrl>

#include <array>
#include <utility>

namespace {

QMargins g_frameMargins; // as the desktop last framed a window

// The client area of a window whose size is left to the window system.
constexpr int kDefaultClientSize = 400;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The buttons of each box type and the answer each gives.
struct BoxButtons {
    UINT type;
    std::array<std::pair<QMessageBox::StandardButton, int>, 2> buttons;
    int count;
};
constexpr std::array<BoxButtons, 3> kBoxButtons{{
    {MB_OK, {{{QMessageBox::Ok, IDOK}, {QMessageBox::NoButton, 0}}}, 1},
    {MB_OKCANCEL, {{{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}}, 2},
    {MB_YESNO, {{{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}}, 2},
}};

// Lifts the wait cursor while a message box waits for the player, and puts
// it back afterwards: the box itself is not busy.
class WaitCursorLifted {
public:
    WaitCursorLifted() {
        while (QApplication::overrideCursor() != nullptr) {
            QApplication::restoreOverrideCursor();
            ++m_lifted;
        }
    }
    ~WaitCursorLifted() {
        for (int i = 0; i < m_lifted; ++i)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    WaitCursorLifted(const WaitCursorLifted&) = delete;
    WaitCursorLifted& operator=(const WaitCursorLifted&) = delete;

private:
    int m_lifted = 0;
};

} // namespace

QtWindowSystem::QtWindowSystem() = default;
QtWindowSystem::~QtWindowSystem() = default;

bool QtWindowSystem::CreateFrame(CFrameWnd& frame, const CREATESTRUCT& cs) {
    QSize client(kDefaultClientSize, kDefaultClientSize);
    if (cs.cx != CW_USEDEFAULT && cs.cy != CW_USEDEFAULT) {
        // The same amounts that AdjustWindowRectEx added come off again.
        const QMargins outside = NonClientMargins(cs.style, frame.GetMenu() != nullptr);
        client = QSize(cs.cx - outside.left() - outside.right(),
                       cs.cy - outside.top() - outside.bottom());
        if (client.isEmpty())
            return false;
    }
    m_frames.push_back(std::make_unique<MainWindow>(frame, cs, client));
    return true;
}

void QtWindowSystem::DestroyFrame(CFrameWnd& frame) {
    std::erase_if(m_frames, [&frame](const std::unique_ptr<MainWindow>& window) {
        return &window->Frame() == &frame;
    });
}

void QtWindowSystem::ShowWindow(CWnd& window) {
    if (QWidget* widget = WidgetOf(window))
        widget->show();
}

MainWindow* QtWindowSystem::FrameWindow(const CWnd& frame) const {
    for (const std::unique_ptr<MainWindow>& window : m_frames) {
        if (&window->Frame() == &frame)
            return window.get();
    }
    return nullptr;
}

ViewWidget* QtWindowSystem::ViewWindow(const CWnd& view) const {
    for (const std::unique_ptr<MainWindow>& window : m_frames) {
        if (window->View() != nullptr && &window->View()->View() == &view)
            return window->View();
    }
    return nullptr;
}

QWidget* QtWindowSystem::WidgetOf(const CWnd& window) const {
    if (MainWindow* frame = FrameWindow(window))
        return frame;
    return ViewWindow(window);
}

std::unique_ptr<CDC> QtWindowSystem::GetDC(CWnd& window) {
    if (ViewWidget* view = ViewWindow(window))
        return view->DirectDC();
    return MakeDiscardingDC();
}

void QtWindowSystem::ReleaseDC(CWnd& window, std::unique_ptr<CDC> dc) {
    dc.reset(); // ends its painting before the surface is shown
    if (ViewWidget* view = ViewWindow(window))
        view->FlushDirectDrawing();
}

int QtWindowSystem::MessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                               UINT type) {
    QWidget* parent = owner != nullptr ? WidgetOf(*owner) : nullptr;
    if (parent != nullptr)
        parent = parent->window();
    QMessageBox box(IconOf(type), FromUtf8(caption), FromUtf8(text), QMessageBox::NoButton, parent);
    const BoxButtons* kind = &kBoxButtons[0];
    for (const BoxButtons& candidate : kBoxButtons) {
        if (candidate.type == (type & MB_TYPEMASK))
            kind = &candidate;
    }
    for (int i = 0; i < kind->count; ++i)
        box.addButton(kind->buttons[i].first);
    // Escape gives the last button's answer (Cancel, No); OK boxes close with OK.
    box.setEscapeButton(box.button(kind->buttons[kind->count - 1].first));
    const WaitCursorLifted normalCursor;
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    for (int i = 0; i < kind->count; ++i) {
        if (kind->buttons[i].first == chosen)
            return kind->buttons[i].second;
    }
    return kind->buttons[kind->count - 1].second;
}

void QtWindowSystem::MessageBeep(UINT) {
    QApplication::beep();
}

void QtWindowSystem::ShowWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtWindowSystem::PostClose(CWnd& window) {
    if (QWidget* widget = WidgetOf(window))
        HandlerScope::CloseWhenIdle(widget->window());
}

void QtWindowSystem::SetWindowText(CWnd& window, std::string_view text) {
    if (QWidget* widget = WidgetOf(window))
        widget->setWindowTitle(FromUtf8(text));
}

void QtWindowSystem::NoteFrameMargins(QMargins margins) {
    g_frameMargins = margins;
}

QMargins QtWindowSystem::NonClientMargins(DWORD style, bool menu) const {
    QMargins margins = (style & WS_CAPTION) != 0 ? g_frameMargins : QMargins();
    if (menu) {
        // A bar with one title in the program's own script is as high as
        // the frame's will be: the titles share one line.
        QMenuBar probe;
        probe.setNativeMenuBar(false);
        probe.addMenu(QStringLiteral("ゲーム(&G)"));
        margins.setTop(margins.top() + probe.sizeHint().height());
    }
    return margins;
}

bool QtWindowSystem::GetWorkArea(CRect& work) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return false;
    const QRect free = screen->availableGeometry();
    work = CRect{free.left(), free.top(), free.left() + free.width(), free.top() + free.height()};
    return true;
}

void QtWindowSystem::AdjustWindowRectEx(CRect& rect, DWORD style, bool menu, DWORD) {
    const QMargins outside = NonClientMargins(style, menu);
    rect.left -= outside.left();
    rect.top -= outside.top();
    rect.right += outside.right();
    rect.bottom += outside.bottom();
}

void QtWindowSystem::DrawMenuBar(CWnd& window) {
    MainWindow* frame = FrameWindow(window);
    if (frame == nullptr || frame->MenuBar() == nullptr)
        return;
    frame->MenuBar()->Sync();
    frame->menuBar()->update();
}

int QtWindowSystem::RunModalDialog(const DialogTemplate& dialog, CWnd* owner) {
    QWidget* parent = owner != nullptr ? WidgetOf(*owner) : nullptr;
    const WaitCursorLifted normalCursor;
    return RunDialog(dialog, parent != nullptr ? parent->window() : nullptr);
}

bool QtWindowSystem::OpenUrl(std::string_view url) {
    return QDesktopServices::openUrl(QUrl(FromUtf8(url)));
}

std::unique_ptr<ProfileStore> QtWindowSystem::OpenProfile(std::string_view organisation,
                                                          std::string_view application) {
    return std::make_unique<QtProfile>(FromUtf8(organisation), FromUtf8(application));
}
