// Prints the layout's rows in twips, with the window's sizes, for the page's
// tests: they work out from these where each element must stand, and which
// sizes the laid-out page has, rather than keeping copies of the table.
#include <cstdio>

#include "shells/page/page_json.h"

int main() {
    std::printf("%s\n", af::page::rows_json().c_str());
    return 0;
}
