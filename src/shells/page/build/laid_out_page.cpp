// Prints the page as it starts at the laid-out size, its layout on the first
// line and its texts on the second, from which the build writes the page's
// elements: the page then holds its controls, and what they say, before its
// script has run.
#include <cstdio>

#include "core/session/session.h"
#include "shells/page/page_json.h"

int main() {
    const af::Session session({af::laid_out_client(), af::laid_out_client(), 1.0, 1.0});
    std::printf("%s\n%s\n", af::page::layout_json(session.placement()).c_str(),
                af::page::readings_json(session).c_str());
    return 0;
}
