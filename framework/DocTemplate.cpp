#include "framework/DocTemplate.h"

#include "framework/App.h"
#include "framework/Resources.h"
#include "res/Strings.h"

namespace {

// The second field of the document strings names new documents.
std::string NewDocumentName(int resourceId) {
    std::string_view strings = LoadStringResource(resourceId);
    const std::size_t first = strings.find('\n');
    if (first != std::string_view::npos) {
        strings.remove_prefix(first + 1);
        const std::string_view name = strings.substr(0, strings.find('\n'));
        if (!name.empty())
            return std::string(name);
    }
    return g_untitledDocumentName;
}

} // namespace

CDocument* CSingleDocTemplate::OpenDocumentFile(const std::string& path) {
    Discard();
    m_document = m_makeDocument();
    m_frame = m_makeFrame();
    m_view = m_makeView();
    if (!m_document || !m_frame || !m_view) {
        Discard();
        return nullptr;
    }
    m_view->AttachDocument(m_document.get());
    m_frame->SetActiveView(m_view.get());
    if (!m_frame->LoadFrame(m_resourceId)) {
        Discard();
        return nullptr;
    }
    CWinApp* app = AfxGetApp();
    if (path.empty()) {
        m_document->SetTitle(NewDocumentName(m_resourceId));
        if (!m_document->OnNewDocument()) {
            Discard();
            return nullptr;
        }
    } else {
        if (!m_document->OnOpenDocument(path)) {
            Discard();
            return nullptr;
        }
        m_document->SetPathName(path);
        if (app != nullptr)
            app->AddToRecentFileList(path);
    }
    m_frame->OnUpdateFrameTitle(m_document.get());
    if (app != nullptr)
        app->m_pMainWnd = m_frame.get();
    return m_document.get();
}

void CSingleDocTemplate::Discard() {
    if (m_frame != nullptr) {
        CWinApp* app = AfxGetApp();
        if (app != nullptr && app->m_pMainWnd == m_frame.get())
            app->m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }
    m_view.reset();
    m_frame.reset();
    m_document.reset();
}
