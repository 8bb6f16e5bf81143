#pragma once

// Base of every view: a window area that shows a document. The board view
// derives from it; the window backend gives it a place on the screen.
class CView {
public:
    CView() = default;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;
    virtual ~CView() = default;
};
