#include "framework/qt/QtDC.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRect>

namespace {

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

} // namespace

QtDC::QtDC(QPainter& painter) : m_painter(painter) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void QtDC::PaintRectangle(const CRect& box, std::optional<COLORREF> fill) {
    const QRect outer(box.left, box.top, box.Width(), box.Height());
    m_painter.fillRect(outer, ToQColor(PenColour));
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    if (fill && inner.isValid())
        m_painter.fillRect(inner, ToQColor(*fill));
}

void QtDC::PaintEllipse(const CRect& box, std::optional<COLORREF> fill) {
    // A one-pixel cosmetic pen on a w-1 by h-1 ellipse touches w by h
    // pixels: exactly the box, right and bottom edges excluded.
    QPen pen(ToQColor(PenColour));
    pen.setWidth(0);
    m_painter.setPen(pen);
    m_painter.setBrush(fill ? QBrush(ToQColor(*fill)) : QBrush(Qt::NoBrush));
    m_painter.drawEllipse(QRect(box.left, box.top, box.Width() - 1, box.Height() - 1));
}
