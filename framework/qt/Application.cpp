#include "framework/qt/Application.h"

#include "framework/App.h"
#include "framework/Sound.h"
#include "framework/qt/Icons.h"
#include "framework/qt/MenuKeyStyle.h"
#include "framework/qt/QtWindowSystem.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// QGuiApplication's and QApplication's own options.
constexpr ToolkitOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"reverse", false},
    {"session", true},         {"display", true},
    {"geometry", true},        {"name", true},
    {"title", true},           {"visual", true},
    {"nograb", false},         {"dograb", false},
    {"sync", false},           {"style", true},
    {"stylesheet", true},      {"widgetcount", false},
    {"qmljsdebugger", true},
};

// Qt reports a display it cannot open over several lines and then aborts;
// while the application object is being made, this handler keeps the
// warnings back and turns the fatal report into one line and a clean exit.
std::string g_firstWarning;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        if (g_firstWarning.empty())
            g_firstWarning = message.toStdString();
        return;
    }
    // The first warning names the cause; the later ones its consequences.
    const std::string reason = g_firstWarning.empty() ? message.toStdString() : g_firstWarning;
    std::fprintf(stderr, "tavro: cannot open a window: %s\n", reason.c_str());
    std::_Exit(1);
}

bool NoDisplayAtAll() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0')
        return false; // the user chose a platform; let Qt judge it
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 == nullptr || *x11 == '\0') && (wayland == nullptr || *wayland == '\0');
}

} // namespace

std::span<const ToolkitOption> QtToolkitOptions() {
    return kQtOptions;
}

int RunApplication(int argc, char** argv, CWinApp& app) {
    if (NoDisplayAtAll()) {
        std::fprintf(stderr, "tavro: no display to show the board on (neither DISPLAY nor "
                             "WAYLAND_DISPLAY is set); start Tavro from a desktop session\n");
        return 1;
    }

    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication qtApp(argc, argv);
    qInstallMessageHandler(previous);

    // The program speaks Japanese; so do the buttons of its message boxes.
    QApplication::setStyle(new MenuKeyStyle);
    QApplication::setWindowIcon(IconFromResource(IDR_MAINFRAME));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tavro.Tavro"));

    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QtWindowSystem windows;
    SetWindowSystem(&windows);
    // While a clip plays the window repaints and answers the desktop, and
    // keys and clicks wait their turn.
    SetPlaybackWaitHook([] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });

    int status = 1;
    if (app.InitInstance()) {
        status = QApplication::exec();
        const int lastWords = app.ExitInstance();
        if (status == 0)
            status = lastWords;
    }

    SetPlaybackWaitHook(nullptr);
    SetWindowSystem(nullptr);
    return status;
}
