// Prints the page as it starts at the laid-out size, in English: its layout
// on the first line, its texts on the second and, on the third, the page's
// own words in every language, from which the build writes the page's
// elements: the page then holds its controls, and what they say, before its
// script has run (which puts them into another language where one is asked
// for), and its notices for a browser that cannot run it in every language.
#include <cstdio>

#include "core/session/session.h"
#include "shells/page/page_json.h"

int main() {
    const af::Session session({af::laid_out_client(), af::laid_out_client(), 1.0, 1.0});
    std::printf("%s\n%s\n%s\n", af::page::layout_json(session.placement(), session.language()).c_str(),
                af::page::readings_json(session).c_str(), af::page::every_languages_words_json().c_str());
    return 0;
}
