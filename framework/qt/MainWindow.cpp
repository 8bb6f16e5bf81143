#include "framework/qt/MainWindow.h"

#include "framework/FrameWnd.h"
#include "framework/qt/AcceleratorFilter.h"
#include "framework/qt/HandlerScope.h"
#include "framework/qt/ViewWidget.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLayout>
#include <QVBoxLayout>

MainWindow::MainWindow(CFrameWnd& frame) : m_frame(frame) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QFrame(this);
    client->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    client->setLineWidth(kEdgeWidth);
    client->setFixedSize(kClientSize, kClientSize);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    if (CView* view = frame.GetActiveView()) {
        m_view = new ViewWidget(*view, client);
        m_view->installEventFilter(new AcceleratorFilter(frame, m_view));
        layout->addWidget(m_view);
        m_view->setFocus();
    }
    setCentralWidget(client);
    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (HandlerScope::Running()) {
        event->ignore();
        HandlerScope::CloseWhenIdle(this);
        return;
    }
    event->accept();
}
