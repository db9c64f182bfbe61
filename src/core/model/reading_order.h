#pragma once

#include <vector>

#include "core/model/layout.h"

namespace af {

// Whether a control holds its children on screen as one piece: a view (its
// captions) and a titled group (its options). Other containers only place
// their children.
bool holds_children(const ControlSpec& control);

// Every control in the order a reader meets them: controls with a tab stop
// in the layout's focus order; a holder of controls with its first one; any
// other control between the controls next to it among its siblings. Each
// shell places its elements and its focus chain in this order.
std::vector<const ControlSpec*> reading_order();

// The controls that take focus, in the order Tab moves through them.
std::vector<const ControlSpec*> focus_order();

}  // namespace af
