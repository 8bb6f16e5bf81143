#pragma once

#include "framework/Gdi.h"
#include "framework/Menu.h"
#include "framework/WindowSystem.h"
#include "tests/support/Transcript.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
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
//   "window <x> <y> <cx> <cy>" a frame window was made there, at that size
//   "window shown" / "window destroyed"
//   "menu bar drawn"         DrawMenuBar
//   "dialog <caption>"       a modal dialog was shown (and answered OK)
//   "url <address>"          the browser was asked to open an address
// It installs itself as the window system while it lives. Its desktop has
// the work area and the window metrics set below, and it keeps profile
// settings in memory.

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

    // The desktop: its work area (none: it cannot be told) and the sizes of
    // a window's borders, title bar and menu bar.
    void SetWorkArea(std::optional<CRect> work) { m_workArea = work; }
    struct Metrics {
        int border = 3;
        int caption = 20;
        int menuBar = 19;
    };
    void SetMetrics(const Metrics& metrics) { m_metrics = metrics; }

    // Whether the browser starts when asked (it does unless told otherwise).
    void SetBrowserStarts(bool starts) { m_browserStarts = starts; }

    // The dialogs shown, in order.
    const std::vector<const DialogTemplate*>& Dialogs() const { return m_dialogs; }
    // The window descriptions that frames were made with, in order.
    const std::vector<CREATESTRUCT>& CreatedFrames() const { return m_created; }

    // The profile settings kept so far: (organisation/application,
    // section/entry) -> value. A profile that is not writable ignores
    // writes and fails to flush.
    using ProfileValues = std::map<std::pair<std::string, std::string>, std::string>;
    ProfileValues& Profiles() { return m_profiles; }
    void SetProfileWritable(bool writable) { m_profileWritable = writable; }

    bool CreateFrame(CFrameWnd& frame, const CREATESTRUCT& cs) override;
    void DestroyFrame(CFrameWnd& frame) override;
    void ShowWindow(CWnd& window) override;
    std::unique_ptr<CDC> GetDC(CWnd& window) override;
    void ReleaseDC(CWnd& window, std::unique_ptr<CDC> dc) override;
    int MessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                   UINT type) override;
    void MessageBeep(UINT type) override;
    void ShowWaitCursor(bool on) override;
    void PostClose(CWnd& window) override;
    void SetWindowText(CWnd& window, std::string_view text) override;
    bool GetWorkArea(CRect& work) override;
    void AdjustWindowRectEx(CRect& rect, DWORD style, bool menu, DWORD exStyle) override;
    void DrawMenuBar(CWnd& window) override;
    int RunModalDialog(const DialogTemplate& dialog, CWnd* owner) override;
    bool OpenUrl(std::string_view url) override;
    std::unique_ptr<ProfileStore> OpenProfile(std::string_view organisation,
                                              std::string_view application) override;

private:
    Transcript& m_transcript;
    std::deque<bool> m_answers;
    std::vector<DrawnShape> m_lastPicture;
    std::vector<Box> m_boxes;
    std::optional<CRect> m_workArea = CRect{0, 0, 800, 560};
    Metrics m_metrics;
    bool m_browserStarts = true;
    std::vector<const DialogTemplate*> m_dialogs;
    std::vector<CREATESTRUCT> m_created;
    ProfileValues m_profiles;
    bool m_profileWritable = true;
};

// The states of a menu's items that differ from enabled and unchecked, in
// menu order, nested pop-ups included: "32771 grayed", "503 checked", and
// for an entry that opens a pop-up its positions from the top, "1.0 grayed".
std::vector<std::string> MenuMarks(const CMenu& menu);
