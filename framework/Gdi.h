#pragma once

#include "framework/Types.h"

#include <optional>

// Drawing objects and the device context, with the meaning the board's
// drawing code was designed for:
//  - Rectangle(l, t, r, b) covers r-l by b-t pixels, (l, t) included and
//    (r, b) excluded, its one-pixel outline drawn with the current pen and its
//    inside filled with the current brush;
//  - Ellipse(l, t, r, b) is the ellipse inscribed in that same box;
//  - the pen is the default one: solid black, one pixel wide;
//  - a freshly obtained device context holds the stock white brush.

// Ids of the stock objects that SelectStockObject knows.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;

// Base of the drawing objects a device context can hold.
class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() = default;
};

// A brush: a solid colour, or hollow (nothing filled). Created empty; a
// brush that was never created, or was deleted, fills nothing.
class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }

    bool CreateSolidBrush(COLORREF colour);
    bool DeleteObject();
    // The fill colour, or nothing for a hollow or deleted brush.
    std::optional<COLORREF> Fill() const { return m_fill; }

    // The brushes that SelectStockObject selects; they live for the run.
    static CBrush& Stock(int object);

private:
    std::optional<COLORREF> m_fill;
};

// A device context: what a window is drawn through. Holds the selected brush
// and paints shapes with it; the backend (a Qt painter, a test recorder)
// turns the shapes into pixels.
class CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    // Selects a brush and returns the one it replaces.
    CBrush* SelectObject(CBrush* brush);
    // Selects a stock brush (WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH) and
    // returns the object it replaces; an unknown id selects nothing and
    // returns nullptr.
    CGdiObject* SelectStockObject(int object);
    CBrush* SelectedBrush() const { return m_brush; }

    bool Rectangle(int left, int top, int right, int bottom);
    bool Ellipse(int left, int top, int right, int bottom);

    // The pen every shape is outlined with.
    static constexpr COLORREF PenColour = RGB(0, 0, 0);

protected:
    // Paint one shape in `box` (never empty): a one-pixel outline of
    // PenColour along the inside of the box and `fill` inside it (nothing
    // inside when `fill` is empty).
    virtual void PaintRectangle(const CRect& box, std::optional<COLORREF> fill) = 0;
    virtual void PaintEllipse(const CRect& box, std::optional<COLORREF> fill) = 0;

private:
    CBrush* m_brush;
};
