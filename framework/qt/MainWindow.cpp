#include "framework/qt/MainWindow.h"

#include "framework/FrameWnd.h"
#include "framework/WindowPlacement.h"
#include "framework/qt/AcceleratorFilter.h"
#include "framework/qt/HandlerScope.h"
#include "framework/qt/Icons.h"
#include "framework/qt/MenuBarBridge.h"
#include "framework/qt/QtWindowSystem.h"
#include "framework/qt/ViewWidget.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWindow>

namespace {

Qt::WindowFlags FlagsOf(DWORD style) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if ((style & WS_SYSMENU) != 0)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((style & WS_MINIMIZEBOX) != 0)
        flags |= Qt::WindowMinimizeButtonHint;
    if ((style & WS_MAXIMIZEBOX) != 0)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

MainWindow::MainWindow(CFrameWnd& frame, const CREATESTRUCT& cs, QSize client)
    : m_frame(frame), m_planned(cs) {
    setWindowFlags(FlagsOf(cs.style));
    if (frame.GetIconId() != 0)
        setWindowIcon(IconFromResource(frame.GetIconId()));

    auto* area = new QFrame(this);
    area->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    area->setLineWidth(kEdgeWidth);
    area->setFixedSize(client);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    if (CView* view = frame.GetActiveView()) {
        m_view = new ViewWidget(*view, area);
        m_view->installEventFilter(new AcceleratorFilter(frame, m_view));
        layout->addWidget(m_view);
        m_view->setFocus();
    }
    setCentralWidget(area);
    if (frame.GetMenu() != nullptr)
        m_menuBar = new MenuBarBridge(frame, *menuBar());
    if ((cs.style & WS_THICKFRAME) == 0) {
        QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        area->setMinimumSize(0, 0);
        area->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        area->resize(client);
    }
    adjustSize();
    if (cs.x != CW_USEDEFAULT && cs.y != CW_USEDEFAULT)
        move(cs.x, cs.y);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (HandlerScope::Running()) {
        event->ignore();
        HandlerScope::CloseWhenIdle(this);
        return;
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_framed && windowHandle() != nullptr)
        windowHandle()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && !m_framed &&
        windowHandle()->isExposed()) {
        m_framed = true;
        windowHandle()->removeEventFilter(this);
        CentreAgainOnceFramed();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::CentreAgainOnceFramed() {
    const QRect outer = frameGeometry();
    QtWindowSystem::NoteFrameMargins(windowHandle()->frameMargins());
    const bool placed = m_planned.x != CW_USEDEFAULT && m_planned.y != CW_USEDEFAULT;
    const bool asPlanned = outer.width() == m_planned.cx && outer.height() == m_planned.cy;
    const bool moved = outer.topLeft() != QPoint(m_planned.x, m_planned.y);
    CRect work;
    if (!placed || asPlanned || moved || !GetWorkArea(work))
        return;
    const CPoint origin = CenterInWorkArea(work, outer.width(), outer.height());
    move(origin.x, origin.y);
}
