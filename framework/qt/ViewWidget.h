#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

class CDC;
class CView;

// The window of a view. Paints through the view's OnDraw, passes key
// presses on as virtual-key codes and left clicks in client coordinates.
//
// Its pixels live in a surface image, as a window's do on the screen: the
// paint path redraws the surface with OnDraw, and a device context from
// GetDC draws straight into it; releasing that context repaints the widget
// at once from the surface.
class ViewWidget : public QWidget {
public:
    ViewWidget(CView& view, QWidget* parent);

    CView& View() const { return m_view; }
    const QImage& Surface() const { return m_surface; }

    // A device context drawing into the surface, for GetDC.
    std::unique_ptr<CDC> DirectDC();
    // Shows what a direct device context drew, before returning.
    void FlushDirectDrawing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QColor Background() const;

    CView& m_view;
    QImage m_surface;
    bool m_flushOnly = false; // the next paint shows the surface as it is
};
