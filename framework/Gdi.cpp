#include "framework/Gdi.h"

bool CBrush::CreateSolidBrush(COLORREF colour) {
    m_fill = colour;
    return true;
}

bool CBrush::DeleteObject() {
    const bool existed = m_fill.has_value();
    m_fill.reset();
    return existed;
}

CBrush& CBrush::Stock(int object) {
    static CBrush white(RGB(255, 255, 255));
    static CBrush black(RGB(0, 0, 0));
    static CBrush hollow;
    switch (object) {
    case BLACK_BRUSH:
        return black;
    case NULL_BRUSH:
        return hollow;
    default:
        return white;
    }
}

CDC::CDC() : m_brush(&CBrush::Stock(WHITE_BRUSH)) {}

CBrush* CDC::SelectObject(CBrush* brush) {
    CBrush* previous = m_brush;
    if (brush != nullptr)
        m_brush = brush;
    return previous;
}

CGdiObject* CDC::SelectStockObject(int object) {
    if (object != WHITE_BRUSH && object != BLACK_BRUSH && object != NULL_BRUSH)
        return nullptr;
    return SelectObject(&CBrush::Stock(object));
}

bool CDC::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return true; // an empty box paints nothing, as on the screen
    PaintRectangle(CRect{left, top, right, bottom}, m_brush->Fill());
    return true;
}

bool CDC::Ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return true;
    PaintEllipse(CRect{left, top, right, bottom}, m_brush->Fill());
    return true;
}
