#include "shells/desktop/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdlib>
#include <string_view>

#include "core/language/choose_language.h"
#include "core/model/layout.h"
#include "shells/desktop/qt_text.h"

#include "shells/desktop/accessibility.h"
#include "shells/desktop/fonts.h"

namespace af::desktop {

namespace {

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The toolkit's own words, its dialogs' buttons and labels, in the window's
// language, from the translations the system has of them (Debian's
// qt6-translations-l10n); the toolkit's English where it has none.
void translate_toolkit(const Language& language) {
    if (language.is_layouts_own()) return;
    const QString tag = qstring(language.tag()).replace('-', '_');
    QLocale::setDefault(QLocale(tag));
    static QTranslator toolkit;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // A regional language (pt_BR) where the system has it, else its language's.
    if (toolkit.load("qtbase_" + tag, folder) || toolkit.load("qtbase_" + tag.section('_', 0, 0), folder)) {
        QCoreApplication::installTranslator(&toolkit);
    }
}

}  // namespace

std::vector<std::string> environment_languages() {
    return preferred_from_environment(variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"),
                                      variable("LANG"));
}

void prepare_application(const Language& language) {
    QApplication::setApplicationName("angular-frequency");
    // Dialogs, menus and the toolkit's own texts read as the language does.
    QGuiApplication::setLayoutDirection(language.right_to_left() ? Qt::RightToLeft : Qt::LeftToRight);
    // Window systems show it beside or instead of the window's title.
    QApplication::setApplicationDisplayName(qstring(translate(language, kWindowCaption)));
    // Lets the desktop match the window with its launcher and icon.
    QGuiApplication::setDesktopFileName(AF_APP_ID);
    // One style everywhere, so the window looks the same on every desktop;
    // where it is the default already, creating it again would only cost time.
    if (QApplication::style()->name() != QLatin1String("fusion")) {
        if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    }
    translate_toolkit(language);
    // Before the first widget: the accessible factory must see every one made.
    install_accessibility();
    warn_if_no_fonts(language);
    install_font_substitutions();

    QIcon icon;
    // The window system is sent every size the icon has, decoded; title bars
    // and task switchers show at most 128 pixels, so the launcher's 256-pixel
    // image is left to the launcher.
    for (const int size : {48, 128}) icon.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

}  // namespace af::desktop
