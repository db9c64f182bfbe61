#pragma once

#include "core/model/model.h"
#include "core/setup/setup.h"

namespace af {

// Gives a freshly started model the setup's values as the spin arrows and
// the step options would, so that the state, the captions and the pictures
// are those a user gets by pressing them: the steps first, then the lengths
// and angular frequencies (each of which starts the picture again at t = 0),
// then the time, whose trace grows dot by dot as the time arrow leaves it. A
// value the arrows do not reach from where the model stands is left alone;
// from the start state they reach every value parse_setup takes.
void apply_setup(Model& m, const Setup& setup);

}  // namespace af
