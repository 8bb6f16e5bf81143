#include "app/MainFrame.h"

CMainFrame* g_mainFrame = nullptr;

CMainFrame::CMainFrame() {
    g_mainFrame = this;
}

CMainFrame::~CMainFrame() {
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
}
