#pragma once

#include "framework/Gdi.h"

class QPainter;
class QPaintDevice;

// A device context that paints with a QPainter, pixel for pixel as the
// drawing code expects: no antialiasing, outlines one pixel wide along the
// inside of each shape's box.
class QtDC : public CDC {
public:
    // Paints onto `painter`, which must outlive this context.
    explicit QtDC(QPainter& painter);

protected:
    void PaintRectangle(const CRect& box, std::optional<COLORREF> fill) override;
    void PaintEllipse(const CRect& box, std::optional<COLORREF> fill) override;

private:
    QPainter& m_painter;
};
