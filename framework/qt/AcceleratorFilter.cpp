#include "framework/qt/AcceleratorFilter.h"

#include "framework/FrameWnd.h"
#include "framework/qt/HandlerScope.h"
#include "framework/qt/KeyTranslation.h"

#include <QKeyEvent>

AcceleratorFilter::AcceleratorFilter(CFrameWnd& frame, QObject* parent)
    : QObject(parent), m_frame(frame) {}

bool AcceleratorFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const TranslatedKey key = TranslateKey(*static_cast<QKeyEvent*>(event));
    if (key.virtualKey == 0)
        return false;
    HandlerScope scope;
    return m_frame.TranslateAccelerator(key.virtualKey, key.modifiers);
}
