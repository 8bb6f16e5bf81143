#include "framework/qt/KeyTranslation.h"

#include "framework/VirtualKeys.h"
#include "res/Accelerators.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>
#include <utility>

namespace {

// Named keys and their virtual-key codes. Letters, digits and F-keys are
// ranges and handled below.
constexpr std::array<std::pair<int, UINT>, 22> kNamedKeys{{
    {Qt::Key_Backspace, VK_BACK},   {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},      {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},     {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},        {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},      {Qt::Key_Down, VK_DOWN},     {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
}};

// X11 key codes of the main keyboard's digit row, 1 to 9 and then 0: the
// key keeps its digit code when Shift turns it into a symbol.
constexpr int kX11DigitRowFirst = 10;
constexpr int kX11DigitRowLast = 19;

// Only the keypad's own keys count as keypad keys: arrows and Enter on the
// keypad act like the main ones, keypad digits have codes of their own.
UINT KeypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return VK_NUMPAD0 + static_cast<UINT>(key - Qt::Key_0);
    return 0;
}

UINT MainKey(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + static_cast<UINT>(key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + static_cast<UINT>(key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return VK_F1 + static_cast<UINT>(key - Qt::Key_F1);
    for (const auto& [qtKey, virtualKey] : kNamedKeys) {
        if (qtKey == key)
            return virtualKey;
    }
    const int scanCode = static_cast<int>(event.nativeScanCode());
    if (QGuiApplication::platformName() == QLatin1String("xcb") && scanCode >= kX11DigitRowFirst &&
        scanCode <= kX11DigitRowLast)
        return scanCode == kX11DigitRowLast ? '0'
                                            : '1' + static_cast<UINT>(scanCode - kX11DigitRowFirst);
    return 0;
}

} // namespace

TranslatedKey TranslateKey(const QKeyEvent& event) {
    TranslatedKey translated;
    const Qt::KeyboardModifiers held = event.modifiers();
    if (held & Qt::ShiftModifier)
        translated.modifiers |= FSHIFT;
    if (held & Qt::ControlModifier)
        translated.modifiers |= FCONTROL;
    if (held & Qt::AltModifier)
        translated.modifiers |= FALT;
    if (held & Qt::KeypadModifier) {
        translated.virtualKey = KeypadKey(event.key());
        if (translated.virtualKey != 0)
            return translated;
    }
    translated.virtualKey = MainKey(event);
    return translated;
}
