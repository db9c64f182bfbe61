#pragma once

#include <string>
#include <vector>

namespace af::desktop {

// The program's arguments without its name and without the toolkit's own
// options (-platform NAME, -style NAME, -reverse, ...), which the toolkit
// takes for itself; what remains is the program's to read.
std::vector<std::string> own_arguments(int argc, char** argv);

}  // namespace af::desktop
