#include "framework/qt/DialogWindow.h"

#include "framework/Dialog.h"
#include "framework/qt/Icons.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

// The answer of Escape and the close box.
constexpr int kDialogCancel = 2;
// Icons in dialogs are shown at the desktop's large icon size.
constexpr int kIconSize = 32;

QString FromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

// A dialog whose Escape and close box give the cancel answer.
class TemplateDialog : public QDialog {
public:
    using QDialog::QDialog;
    void reject() override { done(kDialogCancel); }
};

QRect ToPixels(const DialogControlTemplate& control, QSize baseUnits) {
    const CRect pixels =
        MapDialogRect(CRect{control.x, control.y, control.x + control.cx, control.y + control.cy},
                      baseUnits.width(), baseUnits.height());
    return QRect(pixels.left, pixels.top, pixels.Width(), pixels.Height());
}

void AddControl(QDialog& dialog, const DialogControlTemplate& control, QSize baseUnits) {
    const QRect box = ToPixels(control, baseUnits);
    switch (control.kind) {
    case DialogControlTemplate::Icon: {
        auto* icon = new QLabel(&dialog);
        icon->setPixmap(IconPixmap(control.iconId, kIconSize));
        // An icon control takes the icon's size.
        icon->setGeometry(QRect(box.topLeft(), QSize(kIconSize, kIconSize)));
        break;
    }
    case DialogControlTemplate::Text: {
        auto* text = new QLabel(FromUtf8(control.text), &dialog);
        text->setTextFormat(Qt::PlainText);
        text->setGeometry(box);
        break;
    }
    case DialogControlTemplate::DefaultButton: {
        auto* button = new QPushButton(FromUtf8(control.text), &dialog);
        button->setGeometry(box);
        button->setDefault(true);
        button->setFocus();
        const int id = control.id;
        QObject::connect(button, &QPushButton::clicked, &dialog,
                         [&dialog, id] { dialog.done(id); });
        break;
    }
    }
}

} // namespace

QFont DialogFont(const DialogTemplate& dialog) {
    QFont font(FromUtf8(dialog.fontFace));
    font.setPointSize(dialog.pointSize);
    return font;
}

QSize DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize(DialogAverageCharWidth(letters), metrics.height());
}

std::unique_ptr<QDialog> BuildDialog(const DialogTemplate& dialog, QWidget* parent) {
    auto window = std::make_unique<TemplateDialog>(parent);
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(FromUtf8(dialog.caption));
    const QFont font = DialogFont(dialog);
    window->setFont(font);
    const QSize baseUnits = DialogBaseUnits(font);
    const CRect size =
        MapDialogRect(CRect{0, 0, dialog.cx, dialog.cy}, baseUnits.width(), baseUnits.height());
    window->setFixedSize(size.Width(), size.Height());
    for (const DialogControlTemplate& control : dialog.controls)
        AddControl(*window, control, baseUnits);
    return window;
}

int RunDialog(const DialogTemplate& dialog, QWidget* parent) {
    const std::unique_ptr<QDialog> window = BuildDialog(dialog, parent);
    return window->exec();
}
