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

    explicit Snapshot(const Model& f) : state(f.state) {
        for (const auto& [name, label] : named_captions(f)) captions.push_back(label->caption);
        for (const auto& [name, view] : named_views(f)) pictures.push_back(screen_hash(*view));
    }
    bool operator==(const Snapshot&) const = default;
};

}  // namespace af::testing
