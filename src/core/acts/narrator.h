#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/acts/apply.h"
#include "core/acts/spoken_text.h"
#include "core/model/act.h"
#include "core/model/model.h"
#include "core/model/state.h"

namespace af {

// When to say what beyond the values of the controls: runs and resets,
// refused steps (once for a run of the same refused press), restarts, and
// what the wave views hold. It keeps the little the state does not say: how
// far the traces reach. The sentences themselves come from spoken_text, in
// the narrator's language.
class Narrator {
public:
    explicit Narrator(Language language = Language()) : language_(language) {}

    // Said as the act begins.
    std::string begin(const State& s, const Act& act) const;
    // Said once the act has been applied; empty when the new value says it all.
    std::string end(const State& before, const State& after, const Act& act, const ActResult& result);
    // The next refused step is said again, even if it repeats the last.
    void focus_moved() { refused_.reset(); }

    std::string wave_description(const State& s, int vector) const;
    // What each view shows, under the name of the control that shows it.
    std::array<std::pair<std::string_view, std::string>, 3> view_descriptions(const State& s) const;

private:
    Language language_;
    TraceReach reach_{};
    std::optional<Act> refused_;
};

}  // namespace af
