#pragma once

#include "framework/Gdi.h"
#include "framework/WindowSystem.h"
#include "tests/support/Transcript.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// One shape painted through a device context.
struct DrawnShape {
    enum Kind { Rectangle, Ellipse };
    Kind kind;
    CRect box;
    std::optional<COLORREF> fill; // empty: nothing inside the outline
    bool operator==(const DrawnShape&) const = default;
};

// A device context that keeps the shapes painted through it, in order.
class RecordingDC : public CDC {
public:
    std::vector<DrawnShape> shapes;

protected:
    void PaintRectangle(const CRect& box, std::optional<COLORREF> fill) override;
    void PaintEllipse(const CRect& box, std::optional<COLORREF> fill) override;
};

// The window system of the tests: every effect a player would see goes into
// the transcript, in order, beside the clips the sound recorder adds:
//   "redraw"                 a device context from GetDC was given back
//   "message <text>"         a message box was shown
//   "answer yes" / "no"      ... and a Yes/No box answered from the script
//   "beep"                   MessageBeep
//   "wait-cursor on" / "off" the wait cursor appeared or went
//   "close posted"           a close of the main window was asked for
//   "title <text>"           a window's text changed
// It installs itself as the window system while it lives.
class RecordingHost : public WindowSystem {
public:
    explicit RecordingHost(Transcript& transcript);
    ~RecordingHost() override;
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    // The answer the next Yes/No box gets; answers are used in order. A box
    // with no answer left is answered No and shows "answer none" instead.
    void AnswerNext(bool yes) { m_answers.push_back(yes); }

    // The shapes of the last drawing given back with ReleaseDC.
    const std::vector<DrawnShape>& LastPicture() const { return m_lastPicture; }

    struct Box {
        std::string caption;
        std::string text;
        UINT type;
    };
    const std::vector<Box>& Boxes() const { return m_boxes; }

    bool CreateFrame(CFrameWnd& frame) override;
    void ShowWindow(CWnd& window) override;
    std::unique_ptr<CDC> GetDC(CWnd& window) override;
    void ReleaseDC(CWnd& window, std::unique_ptr<CDC> dc) override;
    int MessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                   UINT type) override;
    void MessageBeep(UINT type) override;
    void ShowWaitCursor(bool on) override;
    void PostClose(CWnd& window) override;
    void SetWindowText(CWnd& window, std::string_view text) override;

private:
    Transcript& m_transcript;
    std::deque<bool> m_answers;
    std::vector<DrawnShape> m_lastPicture;
    std::vector<Box> m_boxes;
};
