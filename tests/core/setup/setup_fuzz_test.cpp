#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "core/setup/apply_setup.h"
#include "core/setup/parse_setup.h"
#include "support/fake_host.h"
#include "support/soak.h"

namespace af {
namespace {

using testing::Started;

// What a setup leaves, in the state's units, as the controls' rules say by
// hand: lengths 1 to 15; angular frequencies in whole ω steps up to 100
// counts; the time in whole time steps from 0 up to 2^24 ms.
struct Expected {
    std::array<float, 2> length{10, 10};
    std::array<float, 2> frequency{20, 40};
    float time_ms = 0;
    int time_step = 10, frequency_step = 10;
    std::string lang;
    std::vector<std::string> refused;  // the names, in query order
};

constexpr double kTimeLimitMs = 16777216;
constexpr double kFuzzRatio = 0.05;

struct Piece {
    std::string name, text;
    bool valid;
};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    template <class T>
    T pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    // units / per_unit written out, sometimes with needless zeros either side.
    std::string number(std::int64_t units, std::int64_t per_unit) {
        std::string text = std::to_string(units / per_unit);
        std::string fraction;
        for (std::int64_t rest = units % per_unit, p = per_unit; p > 1; p /= 10) {
            fraction += static_cast<char>('0' + rest * 10 / per_unit);
            rest = rest * 10 % per_unit;
        }
        while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
        if (chance(0.1)) text = "0" + text;
        if (chance(0.1)) fraction += "0";
        return fraction.empty() ? text : text + "." + fraction;
    }

    // Each character now and then as %XX, in either case of hex.
    std::string encoded(const std::string& text) {
        std::string out;
        for (const char c : text) {
            if (!chance(0.05)) {
                out += c;
                continue;
            }
            const char* digits = chance(0.5) ? "0123456789ABCDEF" : "0123456789abcdef";
            const auto byte = static_cast<unsigned char>(c);
            out += {'%', digits[byte >> 4], digits[byte & 15]};
        }
        return out;
    }

    // A setup whose every field is meant good or bad, with what it must give.
    std::pair<std::string, Expected> setup() {
        Expected e;
        std::vector<Piece> pieces;
        // Now and then the field, good four times in five.
        const auto given = [&](const std::string& name, double p, const std::string& good,
                               const std::vector<std::string>& bad) {
            if (!chance(p)) return false;
            const bool valid = chance(0.8);
            pieces.push_back({name, valid ? good : pick(bad), valid});
            return valid;
        };
        const std::string garbage = pick<std::string>({"", "abc", "-1", "1e1", " 5", "0x5", "<script>", "1,5", ".5"});

        const int time_step = pick<int>({10, 5, 2}), frequency_step = pick<int>({10, 5, 1});
        if (given("time_step", 0.3, number(time_step, 1000), {"0.003", "0.02", "1", "0"})) e.time_step = time_step;
        if (given("omega_step", 0.3, number(frequency_step, 10), {"2", "0.2", "0.05", "10"})) {
            e.frequency_step = frequency_step;
        }
        for (int i = 0; i < 2; ++i) {
            const std::string index = std::to_string(i + 1);
            const int length = 1 + below(15);
            if (given("r" + index, 0.4, number(length, 1), {"0", "16", "5.5", garbage})) {
                e.length[i] = static_cast<float>(length);
            }
            const int step = e.frequency_step, counts = step * (1 + below(100 / step));
            const std::vector<std::string> bad = {"0", number(100 + step, 10), number(counts * 10 - 5, 100), garbage};
            if (given("omega" + index, 0.4, number(counts, 10), bad)) e.frequency[i] = static_cast<float>(counts);
        }
        const std::int64_t step = e.time_step, top = static_cast<std::int64_t>(kTimeLimitMs) / step;
        const std::int64_t ms =
            step * (chance(0.05) ? std::uniform_int_distribution<std::int64_t>(0, top)(random_) : below(150));
        const std::vector<std::string> bad = {number(ms + 1, 1000), number((top + 1) * step, 1000), "-0.01", garbage};
        if (given("t", 0.4, number(ms, 1000), bad)) e.time_ms = static_cast<float>(ms);
        const std::string tag = pick<std::string>({"de", "ja", "pt-BR", "zh-Hant-TW", "gsw"});
        if (given("lang", 0.2, tag, {"deutsch", "d", "pt_BR", "de-", "", std::string(40, 'a')})) e.lang = tag;
        if (chance(0.1)) pieces.push_back({"colour", "red", false});

        std::shuffle(pieces.begin(), pieces.end(), random_);
        std::string query;
        for (const Piece& p : pieces) {
            if (!query.empty()) query += chance(0.05) ? "&&" : "&";
            query += encoded(p.name) + "=" + encoded(p.text);
            if (!p.valid) e.refused.push_back(p.name);
        }
        return {query, e};
    }

private:
    std::mt19937 random_;
};

// What any setup must leave, whatever was asked: taken values on their
// grids, and the rest at their start values.
std::string broken_rule(const ParsedSetup& parsed, const State& s) {
    const Setup& setup = parsed.setup;
    const int time_step = setup.step(Quantity::Time).value_or(10);
    const int frequency_step = setup.step(Quantity::AngularFrequency).value_or(10);
    if (time_step != 10 && time_step != 5 && time_step != 2) return "time step";
    if (frequency_step != 10 && frequency_step != 5 && frequency_step != 1) return "frequency step";
    for (int i = 0; i < 2; ++i) {
        const float length = setup.value({Quantity::Length, i}).value_or(10);
        const float counts = setup.value({Quantity::AngularFrequency, i}).value_or(i == 0 ? 20 : 40);
        if (!testing::whole(length) || length < 1 || length > 15 || s.length[i] != length) return "length";
        if (!testing::whole(counts) || counts < 1 || counts > 100 || static_cast<int>(counts) % frequency_step != 0 ||
            s.frequency[i] != counts) {
            return "angular frequency";
        }
    }
    const float ms = setup.value({Quantity::Time, 0}).value_or(0);
    if (!testing::whole(ms) || ms < 0 || ms > kTimeLimitMs || static_cast<std::int64_t>(ms) % time_step != 0 ||
        s.time_ms != ms) {
        return "time";
    }
    if (s.time_step_ms != time_step || s.frequency_step != frequency_step) return "steps in the state";
    return "";
}

// Queries whose every field is meant good or bad, each with what it must
// give, applied to the model as the arrows would: what libFuzzer (over the
// opening rule, tests/fuzz) cannot know is what a query means, nor can it
// afford a model for each input. AF_SETUP_FUZZ_SEED and
// AF_SETUP_FUZZ_QUERIES let a long run by hand try other queries.
TEST(SetupFuzz, AQueryLeavesTheStartStateWithOnlyItsValidFields) {
    const std::uint32_t seed = testing::env_number("AF_SETUP_FUZZ_SEED", 20261209);
    const auto count = static_cast<int>(testing::env_number("AF_SETUP_FUZZ_QUERIES", 100000));
    Generator generate(seed);
    // One small window for all: the rules depend on the state alone, which
    // each query starts afresh from; the pictures are drawn on regardless.
    Started w(kFuzzRatio);
    const State start = w.model.state;
    const auto began = std::chrono::steady_clock::now();
    int taken = 0, refused = 0, failures = 0, k = 0;
    for (; k < count && failures < 5; ++k) {
        const auto [query, expected] = generate.setup();
        const ParsedSetup parsed = parse_setup(query);
        w.model.state = start;
        apply_setup(w.model, parsed.setup);
        const State& s = w.model.state;
        std::string broken = broken_rule(parsed, s);
        if (broken.empty()) {
            std::vector<std::string> names;
            for (const SetupRefusal& r : parsed.refused) names.push_back(r.field);
            const bool as_meant = s.length == std::array<float, kVectors>{expected.length[0], expected.length[1]} &&
                                  s.frequency[0] == expected.frequency[0] && s.frequency[1] == expected.frequency[1] &&
                                  s.time_ms == expected.time_ms && s.time_step_ms == expected.time_step &&
                                  s.frequency_step == expected.frequency_step &&
                                  parsed.setup.lang.value_or("") == expected.lang && names == expected.refused;
            if (!as_meant) broken = "not as meant";
        }
        if (!broken.empty()) {
            ADD_FAILURE() << broken << " after query " << k << " of seed " << seed << ": \"" << query.substr(0, 300)
                          << "\"";
            ++failures;
        }
        taken += static_cast<int>(parsed.setup.values.size());
        refused += static_cast<int>(parsed.refused.size());
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("setup fuzz: %d queries, seed %u, %d values taken, %d refusals, %.2f s\n", k, seed, taken, refused,
                seconds);
}

}  // namespace
}  // namespace af
