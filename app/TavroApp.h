#pragma once

#include "app/MainFrame.h"
#include "app/TavroDoc.h"
#include "framework/App.h"
#include "view/TavroView.h"

#include <memory>

// The application: makes the document, the main frame and, inside it, the
// board view, and shows the window. No game runs until the player starts
// one.
class CTavroApp : public CWinApp {
public:
    bool InitInstance() override;

private:
    // Made in this order: the view's constructor writes the frame's flags.
    std::unique_ptr<CTavroDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CTavroView> m_view;
};
