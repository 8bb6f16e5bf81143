// tavro: the game window.
#include "app/TavroApp.h"
#include "framework/qt/Application.h"

int main(int argc, char** argv) {
    CTavroApp app;
    return RunApplication(argc, argv, app);
}
