#include "tests/support/RecordingHost.h"

#include "framework/Menu.h"
#include "framework/MessageBox.h"
#include "framework/WindowStyles.h"

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

bool RecordingHost::CreateFrame(CFrameWnd&, const CREATESTRUCT& cs) {
    m_created.push_back(cs);
    m_transcript.Add("window " + std::to_string(cs.x) + " " + std::to_string(cs.y) + " " +
                     std::to_string(cs.cx) + " " + std::to_string(cs.cy));
    return true;
}

void RecordingHost::DestroyFrame(CFrameWnd&) {
    m_transcript.Add("window destroyed");
}

void RecordingHost::ShowWindow(CWnd&) {
    m_transcript.Add("window shown");
}

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

bool RecordingHost::GetWorkArea(CRect& work) {
    if (!m_workArea)
        return false;
    work = *m_workArea;
    return true;
}

void RecordingHost::AdjustWindowRectEx(CRect& rect, DWORD style, bool menu, DWORD exStyle) {
    int border = (style & WS_THICKFRAME) != 0 ? m_metrics.border + 1 : m_metrics.border;
    if ((exStyle & WS_EX_CLIENTEDGE) != 0)
        border += 2;
    rect.left -= border;
    rect.right += border;
    rect.top -= border + ((style & WS_CAPTION) == WS_CAPTION ? m_metrics.caption : 0) +
                (menu ? m_metrics.menuBar : 0);
    rect.bottom += border;
}

void RecordingHost::DrawMenuBar(CWnd&) {
    m_transcript.Add("menu bar drawn");
}

int RecordingHost::RunModalDialog(const DialogTemplate& dialog, CWnd*) {
    m_dialogs.push_back(&dialog);
    m_transcript.Add("dialog " + std::string(dialog.caption));
    return kDialogOk;
}

bool RecordingHost::OpenUrl(std::string_view url) {
    m_transcript.Add("url " + std::string(url));
    return m_browserStarts;
}

namespace {

// Profile settings in the host's memory, under one application's name.
class MemoryProfile : public ProfileStore {
public:
    MemoryProfile(RecordingHost::ProfileValues& values, std::string application, bool writable)
        : m_values(values), m_application(std::move(application)), m_writable(writable) {}

    std::optional<std::string> Read(std::string_view section, std::string_view entry) override {
        const auto found = m_values.find(Key(section, entry));
        if (found == m_values.end())
            return std::nullopt;
        return found->second;
    }
    void Write(std::string_view section, std::string_view entry, std::string_view value) override {
        if (m_writable)
            m_values[Key(section, entry)] = value;
    }
    void Remove(std::string_view section, std::string_view entry) override {
        if (m_writable)
            m_values.erase(Key(section, entry));
    }
    bool Flush(std::string& problem) override {
        if (!m_writable)
            problem = "the settings are read-only";
        return m_writable;
    }

private:
    std::pair<std::string, std::string> Key(std::string_view section, std::string_view entry) {
        return {m_application, std::string(section) + "/" + std::string(entry)};
    }

    RecordingHost::ProfileValues& m_values;
    std::string m_application;
    bool m_writable;
};

void CollectMarks(const CMenu& menu, const std::string& path, std::vector<std::string>& marks) {
    for (int position = 0; position < menu.GetMenuItemCount(); ++position) {
        const CMenu::Item& item = menu.ItemAt(position);
        const std::string here = path + std::to_string(position);
        const std::string name = item.popup ? here : std::to_string(item.id);
        if ((item.state & MF_GRAYED) != 0)
            marks.push_back(name + " grayed");
        if ((item.state & MF_DISABLED) != 0)
            marks.push_back(name + " disabled");
        if ((item.state & MF_CHECKED) != 0)
            marks.push_back(name + " checked");
        if (item.popup)
            CollectMarks(*item.popup, here + ".", marks);
    }
}

} // namespace

std::unique_ptr<ProfileStore> RecordingHost::OpenProfile(std::string_view organisation,
                                                         std::string_view application) {
    return std::make_unique<MemoryProfile>(
        m_profiles, std::string(organisation) + "/" + std::string(application), m_profileWritable);
}

std::vector<std::string> MenuMarks(const CMenu& menu) {
    std::vector<std::string> marks;
    CollectMarks(menu, "", marks);
    return marks;
}
