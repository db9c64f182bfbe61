#include "shells/desktop/application.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

#include "shells/desktop/accessibility.h"
#include "shells/desktop/fonts.h"

// The icons are compiled into a static library, so they are registered by
// hand; the macro must stand outside any namespace.
static void init_icon_resources() { Q_INIT_RESOURCE(icons); }

namespace af::desktop {

void prepare_application() {
    QApplication::setApplicationName("angular-frequency");
    QApplication::setApplicationDisplayName("Angular Frequency");
    // Lets the desktop match the window with its launcher and icon.
    QGuiApplication::setDesktopFileName(AF_APP_ID);
    // One style everywhere, so the window looks the same on every desktop;
    // where it is the default already, creating it again would only cost time.
    if (QApplication::style()->name() != QLatin1String("fusion")) {
        if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    }
    // Before the first widget: the accessible factory must see every one made.
    install_accessibility();
    warn_if_no_fonts();
    install_font_substitutions();

    init_icon_resources();
    QIcon icon;
    // The window system is sent every size the icon has, decoded; title bars
    // and task switchers show at most 128 pixels, so the launcher's 256-pixel
    // image is left to the launcher.
    for (const int size : {48, 128}) icon.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

}  // namespace af::desktop
