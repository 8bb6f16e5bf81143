#pragma once

#include <QProxyStyle>

// The desktop's style, with one change: Alt pressed and released alone takes
// the menu bar to the keyboard, its first title highlighted, as on the
// desktop the program was first made for. Arrow keys then go along the
// titles and open them; Escape or Alt again leaves the bar.
class MenuKeyStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
