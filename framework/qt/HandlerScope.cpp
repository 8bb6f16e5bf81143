#include "framework/qt/HandlerScope.h"

#include <QAbstractEventDispatcher>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace {

int g_depth = 0;
std::vector<QPointer<QWidget>> g_closeRequests;

// Queued, so the close happens from the event loop rather than from inside
// the Qt event handler that ran the program's handler.
void QueueClose(QWidget* window) {
    QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
}

} // namespace

HandlerScope::HandlerScope() {
    ++g_depth;
}

HandlerScope::~HandlerScope() {
    if (--g_depth > 0)
        return;
    // Keys and clicks that came while the handler ran were held back; the
    // event loop must look at them again even if nothing new arrives.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    std::vector<QPointer<QWidget>> requests;
    requests.swap(g_closeRequests);
    for (const QPointer<QWidget>& window : requests) {
        if (window)
            QueueClose(window);
    }
}

bool HandlerScope::Running() {
    return g_depth > 0;
}

void HandlerScope::CloseWhenIdle(QWidget* window) {
    if (g_depth > 0)
        g_closeRequests.emplace_back(window);
    else
        QueueClose(window);
}
