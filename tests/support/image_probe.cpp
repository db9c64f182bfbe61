// Prints the hashes of the three views after a fixed random act sequence, at
// device pixel ratios 1, 1.75 and 2, so that two builds (with and without
// sanitizers, native and WebAssembly) can be compared.
#include <cstdio>
#include <cstdlib>

#include "support/images.h"
#include "support/soak.h"

int main(int argc, char* argv[]) {
    const auto seed = static_cast<std::uint32_t>(argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 4242);
    const int count = argc > 2 ? std::atoi(argv[2]) : 20000;
    for (const double ratio : {1.0, 1.75, 2.0}) {
        af::testing::Started w(ratio);
        for (const int e : af::testing::random_events(seed, count)) {
            af::testing::all_events()[static_cast<std::size_t>(e)].handle(w.model);
        }
        std::printf("seed %u, %d acts, ratio %g: circle %016llx wave 1 %016llx wave 2 %016llx\n", seed, count,
                    ratio, static_cast<unsigned long long>(af::testing::screen_hash(w.model.circle_view)),
                    static_cast<unsigned long long>(af::testing::screen_hash(w.model.wave_views[0])),
                    static_cast<unsigned long long>(af::testing::screen_hash(w.model.wave_views[1])));
    }
    return 0;
}
