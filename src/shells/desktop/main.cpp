#include <QApplication>
#include <cstdio>
#include <string_view>

#include "core/setup/command_line.h"
#include "core/setup/usage_text.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"
#include "shells/desktop/picture_command.h"
#include "shells/desktop/toolkit_options.h"

int main(int argc, char* argv[]) {
    // The command line is read before the toolkit starts, so that --help,
    // --version, a usage error and a picture need no display; the core
    // chooses the language of all of them and of the window.
    const std::vector<std::string> own = af::desktop::own_arguments(argc, argv);
    const std::vector<std::string_view> arguments(own.begin(), own.end());
    const af::CommandLine line = af::parse_command_line(arguments, af::desktop::environment_languages());
    const af::Language& language = line.opening.language;
    if (line.error) {
        std::fputs(af::usage_error_text(*line.error, language).c_str(), stderr);
        return 2;
    }
    switch (line.action) {
    case af::CommandLine::Action::Help:
        std::fputs(af::usage_text(language).c_str(), stdout);
        return 0;
    case af::CommandLine::Action::Version:
        std::fputs(af::version_text(AF_VERSION, language).c_str(), stdout);
        return 0;
    case af::CommandLine::Action::Picture:
        return af::desktop::write_picture(line);
    case af::CommandLine::Action::Open:
        break;
    }
    QApplication app(argc, argv);
    af::desktop::prepare_application(language);
    af::desktop::MainWindow window(line.opening.setup, language);
    window.show();
    return QApplication::exec();
}
