#pragma once

#include "framework/Wnd.h"
#include "res/Dialogs.h"

// A dialog made from a dialog template and run modally.
class CDialog : public CWnd {
public:
    // The dialog of template `templateId`; with no parent it is modal to
    // the application's main window.
    explicit CDialog(int templateId, CWnd* parent = nullptr)
        : m_templateId(templateId), m_parent(parent) {}

    // Shows the dialog until OK, Escape or its close box ends it, and gives
    // the answer (kDialogOk for OK, 2 for Escape and the close box), or -1
    // when it cannot be shown.
    virtual int DoModal();

private:
    int m_templateId;
    CWnd* m_parent;
};

// The average character width of a dialog font, given the width of the 52
// Latin letters A..Z and a..z set in it, as dialog units count it.
int DialogAverageCharWidth(int widthOfLetters);

// A rectangle in dialog units as pixels, for a font whose average character
// width is baseUnitX and whose height is baseUnitY: a horizontal unit is a
// quarter of the width, a vertical unit an eighth of the height, rounded to
// the nearest pixel.
CRect MapDialogRect(const CRect& units, int baseUnitX, int baseUnitY);
