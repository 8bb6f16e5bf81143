#include "framework/Dialog.h"

#include "framework/App.h"
#include "framework/Resources.h"
#include "framework/WindowSystem.h"

namespace {

// value * numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

int CDialog::DoModal() {
    const DialogTemplate* dialog = FindDialogResource(m_templateId);
    if (dialog == nullptr)
        return -1;
    CWnd* owner = m_parent != nullptr ? m_parent : AfxGetMainWnd();
    return CurrentWindowSystem().RunModalDialog(*dialog, owner);
}

int DialogAverageCharWidth(int widthOfLetters) {
    return (widthOfLetters / 26 + 1) / 2;
}

CRect MapDialogRect(const CRect& units, int baseUnitX, int baseUnitY) {
    return CRect{MulDiv(units.left, baseUnitX, 4), MulDiv(units.top, baseUnitY, 8),
                 MulDiv(units.right, baseUnitX, 4), MulDiv(units.bottom, baseUnitY, 8)};
}
