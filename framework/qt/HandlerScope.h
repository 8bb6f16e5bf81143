#pragma once

#include <functional>

class QObject;
class QWidget;

// Marks the time one of the program's handlers runs (a key, a click, a
// command). A window asked to close meanwhile, by the program or by the
// desktop, closes only after the outermost handler has returned, so a close
// never lands in the middle of a search or a spoken announcement.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

    static bool Running();
    // Closes `window` now when no handler runs, else once the last returns.
    static void CloseWhenIdle(QWidget* window);
    // Runs `work` now when no handler runs, else from the event loop once
    // the last has returned; not at all if `context` is gone by then.
    static void RunWhenIdle(QObject* context, std::function<void()> work);
};
