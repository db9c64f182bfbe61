// Prints the page as it starts at the laid-out size, its layout on the first
// line and its texts on the second, from which the build writes the page's
// elements: the page then holds its controls, and what they say, before its
// script has run.
#include <cstdio>

#include "core/model/window_fit.h"
#include "core/session/session.h"

int main() {
    const af::page::PageSession page(af::laid_out_client(), 1.0);
    std::printf("%s\n%s\n", page.layout_json().c_str(), page.readings_json().c_str());
    return 0;
}
