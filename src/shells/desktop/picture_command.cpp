#include "shells/desktop/picture_command.h"

#include <QFile>
#include <cstdio>

#include "core/session/session.h"
#include "core/setup/usage_text.h"
#include "shells/desktop/views_image.h"

namespace af::desktop {

int write_picture(const CommandLine& line) {
    // Drawn afresh at the scale, as a screen of that device pixel ratio would.
    Session session({laid_out_client(), laid_out_client(), static_cast<double>(line.scale), 1.0}, line.opening.setup,
                    line.opening.language);
    if (line.run) {
        session.press("run_button");
        while (session.busy()) session.frame_due();
    }
    const QString path = QFile::decodeName(line.picture_file.c_str());
    if (save_views_image(session.model(), path)) return 0;
    // TRANSLATORS: on standard error when --picture cannot write its file; {file} is the file's name.
    const std::string message = fill(translate(line.opening.language, "cannot write the picture to {file}"),
                                     {{"file", line.picture_file}});
    std::fprintf(stderr, "%s: %s\n", std::string(kProgramName).c_str(), message.c_str());
    return 1;
}

}  // namespace af::desktop
