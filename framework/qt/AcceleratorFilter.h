#pragma once

#include <QObject>

class CFrameWnd;

// Applies a frame's accelerator table to the key presses of the widget it
// is installed on, before the widget sees them. A key that matches an entry
// is used up, whether or not anything handles its command.
class AcceleratorFilter : public QObject {
public:
    AcceleratorFilter(CFrameWnd& frame, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CFrameWnd& m_frame;
};
