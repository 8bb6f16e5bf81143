#pragma once

#include "framework/FrameWnd.h"
#include "framework/Types.h"

class QKeyEvent;

// A Qt key press as the program's windows receive it: the virtual-key code
// and the modifiers held (FSHIFT, FCONTROL, FALT). virtualKey is 0 for a key
// that has no code.
struct TranslatedKey {
    UINT virtualKey = 0;
    KeyModifiers modifiers = 0;
};

TranslatedKey TranslateKey(const QKeyEvent& event);
