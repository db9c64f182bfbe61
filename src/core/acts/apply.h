#pragma once

#include "core/model/act.h"
#include "core/model/model.h"

namespace af {

// What an act did.
struct ActResult {
    bool taken = true;     // false: refused at a bound, nothing changed
    bool cleared = false;  // every view was cleared: the traces are gone
};

// Applies one act to the model, to its end. A run goes through all its steps
// at once with no frame shown (what the window shows frame by frame is an AnimationRun,
// run.h); it leaves the same state, captions and pixels.
ActResult apply(Model& m, const Act& act);

}  // namespace af
