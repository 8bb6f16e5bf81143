#include "framework/qt/ViewWidget.h"

#include "framework/View.h"
#include "framework/WindowSystem.h"
#include "framework/qt/HandlerScope.h"
#include "framework/qt/KeyTranslation.h"
#include "framework/qt/QtDC.h"
#include "res/Accelerators.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// QtDC needs its painter to exist first; this base holds it.
struct SurfacePainter {
    explicit SurfacePainter(QImage& surface) : painter(&surface) {}
    QPainter painter;
};

class SurfaceDC : private SurfacePainter, public QtDC {
public:
    explicit SurfaceDC(QImage& surface) : SurfacePainter(surface), QtDC(painter) {}
};

} // namespace

ViewWidget::ViewWidget(CView& view, QWidget* parent) : QWidget(parent), m_view(view) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::unique_ptr<CDC> ViewWidget::DirectDC() {
    // Before its first layout the window has no pixels to draw into; the
    // paint path draws everything once it is shown.
    if (m_surface.isNull())
        return MakeDiscardingDC();
    return std::make_unique<SurfaceDC>(m_surface);
}

void ViewWidget::FlushDirectDrawing() {
    m_flushOnly = true;
    repaint();
    m_flushOnly = false;
}

QColor ViewWidget::Background() const {
    return palette().color(QPalette::Base);
}

void ViewWidget::paintEvent(QPaintEvent* event) {
    if (!m_flushOnly) {
        m_surface.fill(Background());
        QPainter surfacePainter(&m_surface);
        QtDC dc(surfacePainter);
        m_view.OnDraw(&dc);
    }
    QPainter painter(this);
    painter.drawImage(event->rect(), m_surface, event->rect());
}

void ViewWidget::resizeEvent(QResizeEvent*) {
    m_surface = QImage(size(), QImage::Format_RGB32);
    m_surface.fill(Background());
}

void ViewWidget::keyPressEvent(QKeyEvent* event) {
    const TranslatedKey key = TranslateKey(*event);
    // Keys with Alt belong to the desktop and the menus, as system keys.
    if (key.virtualKey == 0 || (key.modifiers & FALT) != 0) {
        event->ignore();
        return;
    }
    HandlerScope scope;
    m_view.OnKeyDown(key.virtualKey, 1, 0);
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    HandlerScope scope;
    const QPoint at = event->position().toPoint();
    m_view.OnLButtonDown(0, CPoint{at.x(), at.y()});
}

// The second press of a double-click is not a click of its own: a
// double-click makes one placement attempt.
void ViewWidget::mouseDoubleClickEvent(QMouseEvent*) {}

// Tab is a key like any other here, not a focus move.
bool ViewWidget::focusNextPrevChild(bool) {
    return false;
}
