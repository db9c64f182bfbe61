#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/model.h"
#include "support/images.h"

namespace af::testing {

// Everything a refused event must leave alone: the state, the captions the
// acts write and the three pictures.
struct Snapshot {
    State state;
    std::vector<std::string> captions;
    std::vector<std::uint64_t> pictures;

    explicit Snapshot(const Model& model) : state(model.state) {
        for (const auto& [name, label] : named_captions(model)) captions.push_back(label->caption);
        for (const auto& [name, view] : named_views(model)) pictures.push_back(screen_hash(*view));
    }
    bool operator==(const Snapshot&) const = default;
};

}  // namespace af::testing
