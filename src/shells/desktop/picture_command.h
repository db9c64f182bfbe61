#pragma once

#include "core/setup/command_line.h"

namespace af::desktop {

// --picture FILE: draws the setup the command line gives, after one whole
// run where it asks, at its scale, and writes the three views as a PNG
// file, with no window. Returns the exit status: 0, or 1 where the file
// could not be written (said on standard error).
int write_picture(const CommandLine& line);

}  // namespace af::desktop
