#include "tests/support/RecordingHost.h"

#include "framework/MessageBox.h"

void RecordingDC::PaintRectangle(const CRect& box, std::optional<COLORREF> fill) {
    shapes.push_back({DrawnShape::Rectangle, box, fill});
}

void RecordingDC::PaintEllipse(const CRect& box, std::optional<COLORREF> fill) {
    shapes.push_back({DrawnShape::Ellipse, box, fill});
}

RecordingHost::RecordingHost(Transcript& transcript) : m_transcript(transcript) {
    SetWindowSystem(this);
}

RecordingHost::~RecordingHost() {
    SetWindowSystem(nullptr);
}

bool RecordingHost::CreateFrame(CFrameWnd&) {
    return true;
}

void RecordingHost::ShowWindow(CWnd&) {}

std::unique_ptr<CDC> RecordingHost::GetDC(CWnd&) {
    return std::make_unique<RecordingDC>();
}

void RecordingHost::ReleaseDC(CWnd&, std::unique_ptr<CDC> dc) {
    if (auto* recorded = dynamic_cast<RecordingDC*>(dc.get()))
        m_lastPicture = recorded->shapes;
    m_transcript.Add("redraw");
}

int RecordingHost::MessageBox(CWnd*, std::string_view text, std::string_view caption, UINT type) {
    m_boxes.push_back({std::string(caption), std::string(text), type});
    m_transcript.Add("message " + std::string(text));
    if ((type & MB_TYPEMASK) != MB_YESNO)
        return IDOK;
    if (m_answers.empty()) {
        m_transcript.Add("answer none");
        return IDNO;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    m_transcript.Add(yes ? "answer yes" : "answer no");
    return yes ? IDYES : IDNO;
}

void RecordingHost::MessageBeep(UINT) {
    m_transcript.Add("beep");
}

void RecordingHost::ShowWaitCursor(bool on) {
    m_transcript.Add(on ? "wait-cursor on" : "wait-cursor off");
}

void RecordingHost::PostClose(CWnd&) {
    m_transcript.Add("close posted");
}

void RecordingHost::SetWindowText(CWnd&, std::string_view text) {
    m_transcript.Add("title " + std::string(text));
}
