#include "shell/application.h"

#include <QApplication>
#include <QStyleFactory>

#include "shell/fonts.h"

namespace af::shell {

void prepare_application() {
    QApplication::setApplicationName("angular-frequency");
    QApplication::setApplicationDisplayName("Angular Frequency");
    // Lets the desktop match the window with its launcher and icon.
    QGuiApplication::setDesktopFileName(AF_APP_ID);
    // One style everywhere, so the window looks the same on every desktop.
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    install_font_substitutions();
}

}  // namespace af::shell
