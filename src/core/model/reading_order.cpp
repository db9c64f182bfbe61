#include "core/model/reading_order.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string_view>

namespace af {

bool holds_children(const ControlSpec& control) {
    return control.kind == ControlKind::Picture || (control.kind == ControlKind::Group && !control.caption.empty());
}

std::vector<const ControlSpec*> reading_order() {
    const auto layout = window_layout();
    // Each control's place as a number: tab stops first, so that the others
    // can sit half a place before or after them.
    std::map<std::string_view, double> place;
    for (const ControlSpec& c : layout) {
        if (c.focus != kNoFocus) place[c.name] = c.focus;
    }
    for (const ControlSpec& holder : layout) {
        if (!holds_children(holder)) continue;
        std::optional<int> first;
        for (const ControlSpec& c : layout) {
            if (c.parent == holder.name && c.focus != kNoFocus) first = std::min(first.value_or(c.focus), c.focus);
        }
        if (first) place[holder.name] = *first;
    }
    for (std::size_t k = 0; k < layout.size(); ++k) {
        const ControlSpec& c = layout[k];
        if (place.contains(c.name)) continue;
        const ControlSpec* before = nullptr;
        const ControlSpec* after = nullptr;
        for (std::size_t j = 0; j < layout.size(); ++j) {
            const ControlSpec& sibling = layout[j];
            if (sibling.parent != c.parent || !place.contains(sibling.name)) continue;
            if (j < k) before = &sibling;
            if (j > k && !after) after = &sibling;
        }
        place[c.name] = after ? place[after->name] - 0.5 : before ? place[before->name] + 0.5 : -1.0;
    }
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& c : layout) order.push_back(&c);
    std::stable_sort(order.begin(), order.end(),
                     [&](const ControlSpec* a, const ControlSpec* b) { return place[a->name] < place[b->name]; });
    return order;
}

std::vector<const ControlSpec*> focus_order() {
    std::vector<const ControlSpec*> order;
    for (const ControlSpec* c : reading_order()) {
        if (c->focus != kNoFocus) order.push_back(c);
    }
    return order;
}

}  // namespace af
