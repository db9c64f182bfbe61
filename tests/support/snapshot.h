#pragma once

#include <cstdint>
#include <string>

#include "app/form1.h"
#include "support/images.h"

namespace af::testing {

// Everything a refused event must leave alone: the state, the captions the
// handlers write and the three pictures.
struct Snapshot {
    State state;
    std::string time, r0, r1, sp0, sp1;
    std::uint64_t circle, wave0, wave1;

    explicit Snapshot(const Form1& f)
        : state(f.state), time(f.value_time.Caption), r0(f.value_r[0].Caption), r1(f.value_r[1].Caption),
          sp0(f.value_sp[0].Caption), sp1(f.value_sp[1].Caption), circle(screen_hash(f.b_circ)),
          wave0(screen_hash(f.wave_s[0])), wave1(screen_hash(f.wave_s[1])) {}
    bool operator==(const Snapshot&) const = default;
};

}  // namespace af::testing
