// The command line: the setup's fields as GNU-style options or one address,
// --help and --version, the picture options, and a usage error naming the
// option and what it allows.
#include <gtest/gtest.h>

#include <vector>

#include "core/setup/command_line.h"

namespace {

using Action = af::CommandLine::Action;

af::CommandLine parse(std::vector<std::string_view> arguments) { return af::parse_command_line(arguments); }

TEST(CommandLine, OptionsAndAddressesGiveTheSameSetup) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::optional<float> r1, omega2, time_ms;  // in the state's units: lengths, counts, ms
        std::optional<std::int16_t> frequency_step;
    } cases[] = {
        {{"--r1", "5"}, 5, {}, {}, {}},
        {{"--r1=5"}, 5, {}, {}, {}},
        {{"r1=5"}, 5, {}, {}, {}},
        {{"file:///home/t/angular-frequency.html?r1=5&omega2=6#top"}, 5, 60, {}, {}},
        {{"--omega-step", "0.5", "--omega2=2.5"}, {}, 25, {}, 5},
        {{"omega_step=0.5", "--omega2", "2.5"}, {}, 25, {}, 5},  // a step from the address governs an option
        {{"--time", "0.25"}, {}, {}, 250, {}},
        {{"--", "r1=7"}, 7, {}, {}, {}},
    };
    for (const Case& c : cases) {
        const af::CommandLine line = parse(c.arguments);
        ASSERT_FALSE(line.error) << c.arguments[0] << ": " << *line.error;
        EXPECT_EQ(line.action, Action::Open);
        const af::Setup& setup = line.opening.setup;
        EXPECT_EQ(setup.value({af::Quantity::Length, 0}), c.r1) << c.arguments[0];
        EXPECT_EQ(setup.value({af::Quantity::AngularFrequency, 1}), c.omega2) << c.arguments[0];
        EXPECT_EQ(setup.value({af::Quantity::Time, 0}), c.time_ms) << c.arguments[0];
        EXPECT_EQ(setup.step(af::Quantity::AngularFrequency), c.frequency_step) << c.arguments[0];
    }
}

TEST(CommandLine, ActionsAndUsageErrors) {
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"--r1=3", "--version"}).action, Action::Version);
    const af::CommandLine picture = parse({"--picture", "out.png", "--run", "--scale=2", "--r2=5"});
    EXPECT_EQ(picture.action, Action::Picture);
    EXPECT_EQ(picture.picture_file, "out.png");
    EXPECT_TRUE(picture.run);
    EXPECT_EQ(picture.scale, 2);
    EXPECT_EQ(picture.opening.setup.value({af::Quantity::Length, 1}), 5.0f);
    // A switch named alone is on, and takes no argument after it.
    const af::CommandLine switches = parse({"--sound", "r1=5", "--voice=off"});
    EXPECT_EQ(switches.opening.setup.switched("sound"), true);
    EXPECT_EQ(switches.opening.setup.switched("voice"), false);
    EXPECT_EQ(switches.opening.setup.value({af::Quantity::Length, 0}), 5.0f);

    const std::pair<std::vector<std::string_view>, std::string> errors[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--r1", "16"}, "--r1: must be a whole number from 1 to 15"},
        {{"--time-step=0.003"}, "--time-step: must be 0.01, 0.005 or 0.002"},
        {{"--r1"}, "--r1: needs a value"},
        {{"--r1=5&r2=3"}, "--r1: must be a whole number from 1 to 15"},  // no way into another field
        {{"r1=4", "--r1=5"}, "--r1: is given more than once"},
        {{"r1=0"}, "r1: must be a whole number from 1 to 15"},
        {{"a", "b"}, "give one address or query at most"},
        {{"--run"}, "--run: goes with --picture FILE"},
        {{"--picture=x.png", "--scale=9"}, "--scale: must be a whole number from 1 to 8"},
        {{"--picture"}, "--picture: needs the name of the PNG file to write"},
        {{"--help=yes"}, "--help: takes no value"},
        {{"--voice=loud"}, "--voice: must be on or off"},
        {{"--\x1b[2J"}, "unknown option '--?[2J'"},
        {{"--bo\xcegus"}, "unknown option '--bo?gus'"},  // a byte that is no UTF-8
        {{"--bogus", "--r1=16"}, "unknown option '--bogus'"},  // a usage error before a refused field
        {{"--bogus", "--help=yes", "a", "b"}, "unknown option '--bogus'"},  // the first of several
        {{"--scale=2"}, "--scale: goes with --picture FILE"},
    };
    for (const auto& [arguments, message] : errors) {
        const af::CommandLine line = parse(arguments);
        ASSERT_TRUE(line.error) << arguments[0];
        EXPECT_EQ(*line.error, message);
    }
}

}  // namespace
