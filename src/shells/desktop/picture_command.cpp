#include "shells/desktop/picture_command.h"

#include <QFile>
#include <cstdio>

#include "core/session/session.h"
#include "shells/desktop/views_image.h"

namespace af::desktop {

int write_picture(const CommandLine& line) {
    // Drawn afresh at the scale, as a screen of that device pixel ratio would.
    Session session({laid_out_client(), laid_out_client(), static_cast<double>(line.scale), 1.0}, line.setup);
    if (line.run) {
        session.press("run_button");
        while (session.busy()) session.frame_due();
    }
    const QString path = QFile::decodeName(line.picture_file.c_str());
    if (save_views_image(session.model(), path)) return 0;
    std::fprintf(stderr, "angular-frequency: cannot write the picture to %s\n", line.picture_file.c_str());
    return 1;
}

}  // namespace af::desktop
