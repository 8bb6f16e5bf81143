#pragma once

#include "framework/Dialog.h"
#include "res/ResourceIds.h"

// The About box: the program's icon, its version, and where to reach the
// project. It exchanges no data; OK, Escape and the close box end it.
class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
