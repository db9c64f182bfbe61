#include <QApplication>
#include <cstdio>
#include <string_view>

#include "core/setup/command_line.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"
#include "shells/desktop/picture_command.h"
#include "shells/desktop/toolkit_options.h"

int main(int argc, char* argv[]) {
    // The command line is read before the toolkit starts, so that --help,
    // --version, a usage error and a picture need no display.
    const std::vector<std::string> own = af::desktop::own_arguments(argc, argv);
    const std::vector<std::string_view> arguments(own.begin(), own.end());
    const af::CommandLine line = af::parse_command_line(arguments);
    if (line.error) {
        std::fprintf(stderr, "angular-frequency: %s\nTry 'angular-frequency --help' for more information.\n",
                     line.error->c_str());
        return 2;
    }
    switch (line.action) {
    case af::CommandLine::Action::Help:
        std::fputs(af::usage_text("angular-frequency").c_str(), stdout);
        return 0;
    case af::CommandLine::Action::Version:
        std::fputs(af::version_text("angular-frequency", AF_VERSION).c_str(), stdout);
        return 0;
    case af::CommandLine::Action::Picture:
        return af::desktop::write_picture(line);
    case af::CommandLine::Action::Open:
        break;
    }
    QApplication app(argc, argv);
    const af::Language language = af::desktop::chosen_language(line.setup.lang);
    af::desktop::prepare_application(language);
    af::desktop::MainWindow window(line.setup, language);
    window.show();
    return QApplication::exec();
}
