#include "app/MainFrame.h"

#include "res/Accelerators.h"

CMainFrame* g_mainFrame = nullptr;

CMainFrame::CMainFrame() {
    g_mainFrame = this;
    LoadAccelTable(g_mainAccelerators);
}

CMainFrame::~CMainFrame() {
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
}
