#pragma once

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"

#include <memory>
#include <string>

// How a document template makes its objects: one function per class.
using DocumentFactory = std::unique_ptr<CDocument> (*)();
using FrameFactory = std::unique_ptr<CFrameWnd> (*)();
using ViewFactory = std::unique_ptr<CView> (*)();

template <class Document>
std::unique_ptr<CDocument> CreateDocument() {
    return std::make_unique<Document>();
}
template <class Frame>
std::unique_ptr<CFrameWnd> CreateFrame() {
    return std::make_unique<Frame>();
}
template <class View>
std::unique_ptr<CView> CreateView() {
    return std::make_unique<View>();
}

// The single-document set-up: one document at a time, shown by one view in
// one frame window, all made from the template's resources (menu bar,
// accelerators, icon, title) and classes. It owns what it makes.
class CSingleDocTemplate {
public:
    CSingleDocTemplate(int resourceId, DocumentFactory document, FrameFactory frame,
                       ViewFactory view)
        : m_resourceId(resourceId), m_makeDocument(document), m_makeFrame(frame), m_makeView(view) {
    }

    // Makes the document, then the frame object, then the view, then the
    // frame's window around the view; then makes the document new (an empty
    // path) or opens the file `path` as it, which adds the path to the
    // application's recent-file list. The frame becomes the application's
    // main window, still hidden. Gives nullptr, and keeps nothing, when any
    // step fails.
    CDocument* OpenDocumentFile(const std::string& path);

    CDocument* Document() const { return m_document.get(); }
    CFrameWnd* Frame() const { return m_frame.get(); }
    CView* View() const { return m_view.get(); }

private:
    void Discard();

    int m_resourceId;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    // Destroyed view first, then the frame, then the document.
    std::unique_ptr<CDocument> m_document;
    std::unique_ptr<CFrameWnd> m_frame;
    std::unique_ptr<CView> m_view;
};
