#include "framework/qt/HandlerScope.h"

#include <QAbstractEventDispatcher>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

namespace {

int g_depth = 0;
std::vector<QPointer<QWidget>> g_closeRequests;

struct IdleWork {
    QPointer<QObject> context;
    std::function<void()> work;
};
std::vector<IdleWork> g_idleWork;

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
    std::vector<IdleWork> work;
    work.swap(g_idleWork);
    for (IdleWork& item : work) {
        if (!item.context)
            continue;
        // From the event loop; a handler running by then makes it wait again.
        QObject* context = item.context;
        QMetaObject::invokeMethod(
            context, [context, run = std::move(item.work)] { RunWhenIdle(context, run); },
            Qt::QueuedConnection);
    }
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

void HandlerScope::RunWhenIdle(QObject* context, std::function<void()> work) {
    if (g_depth > 0)
        g_idleWork.push_back({context, std::move(work)});
    else
        work();
}
