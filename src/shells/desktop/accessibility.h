#pragma once

namespace af::desktop {

// Gives the window's own widgets the roles and interfaces assistive
// technology expects: the window a window, the spin controls spin buttons
// with a value, bounds and a text, the views images. Once per program.
void install_accessibility();

}  // namespace af::desktop
