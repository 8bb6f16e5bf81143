#pragma once

#include "framework/Document.h"
#include "framework/Wnd.h"

// Base of every view: a window that shows a document and takes the keys and
// clicks made on it. The window backend calls OnDraw to paint it and passes
// on key presses (as virtual-key codes) and left clicks (in client
// coordinates).
class CView : public CWnd {
public:
    CDocument* GetDocument() const { return m_pDocument; }
    void AttachDocument(CDocument* document) { m_pDocument = document; }

    // Paints the view into `dc`, the paint path's device context.
    virtual void OnDraw(CDC* dc) = 0;
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);

protected:
    CDocument* m_pDocument = nullptr;
};
