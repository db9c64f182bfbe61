// The rules both shells follow, as the core states them: the order a reader
// meets the controls in, how a held press repeats, which act each part of a
// control makes, and the size a caption is set in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/model/caption_size.h"
#include "core/model/control_input.h"
#include "core/model/reading_order.h"

namespace {

std::vector<std::string> names(const std::vector<const af::ControlSpec*>& controls) {
    std::vector<std::string> out;
    for (const af::ControlSpec* c : controls) out.emplace_back(c->name);
    return out;
}

TEST(SharedRules, TabFollowsTheRowsFocusPlacesWhichAreDense) {
    // Every place from 0 up is some row's, once; Tab goes through them in that order.
    std::vector<std::string> by_place;
    for (const af::ControlSpec& c : af::window_layout()) {
        if (c.focus == af::kNoFocus) continue;
        ASSERT_GE(c.focus, 0) << c.name;
        if (by_place.size() <= static_cast<std::size_t>(c.focus)) by_place.resize(static_cast<std::size_t>(c.focus) + 1);
        EXPECT_EQ(by_place[static_cast<std::size_t>(c.focus)], "") << c.name << " shares its place";
        by_place[static_cast<std::size_t>(c.focus)] = c.name;
    }
    EXPECT_EQ(std::count(by_place.begin(), by_place.end(), ""), 0) << "a place no row has";
    EXPECT_EQ(names(af::focus_order()), by_place);
    // Every control that acts, and every view, takes focus.
    for (const af::ControlSpec& c : af::window_layout()) {
        if (c.act || c.kind == af::ControlKind::Picture) {
            EXPECT_NE(c.focus, af::kNoFocus) << c.name;
        }
    }
}

TEST(SharedRules, EachCaptionIsReadNextToItsControl) {
    const std::vector<std::string> order = names(af::reading_order());
    const auto at = [&](const std::string& name) { return std::find(order.begin(), order.end(), name) - order.begin(); };
    ASSERT_EQ(order.size(), af::window_layout().size());
    // A caption and a value label come just before the spin control they name.
    for (const auto& [caption, value, spin] : {std::tuple{"time_caption", "time_value", "time_spin"},
                                               {"r1_caption", "r1_value", "r1_spin"},
                                               {"omega2_caption", "omega2_value", "omega2_spin"}}) {
        EXPECT_LT(at(caption), at(value)) << caption;
        EXPECT_LT(at(value), at(spin)) << value;
        EXPECT_GT(at(value), at("omega_step_0.1")) << value << " after the tab stops before its spin";
    }
    // A titled group comes with its first option; a view's caption label within it.
    EXPECT_EQ(at("time_step_group") + 1, at("time_step_0.005") - 0) << "the group is read as its first option is reached";
    EXPECT_EQ(af::holds_children(*af::layout_control("time_step_group")), true);
    EXPECT_EQ(af::holds_children(*af::layout_control("control_panel")), false) << "an untitled panel only places";
}

TEST(SharedRules, HeldPressesAndTheActsOfEachPart) {
    const af::HeldPress spin = af::held_press(af::ControlKind::SpinControl);
    EXPECT_TRUE(spin.repeats && spin.key_repeats);
    EXPECT_EQ(spin.first_repeat_ms, 400);
    EXPECT_EQ(spin.repeat_ms, 80);
    const af::HeldPress button = af::held_press(af::ControlKind::PushButton);
    EXPECT_FALSE(button.repeats || button.key_repeats) << "a held ANIM is one press";

    const af::ControlSpec& r2 = *af::layout_control("r2_spin");
    EXPECT_EQ(af::control_act(r2, af::ControlPart::Down), af::length_step_act(1, af::Direction::Down));
    EXPECT_EQ(af::control_act(r2, af::ControlPart::Up), af::length_step_act(1, af::Direction::Up));
    EXPECT_EQ(af::control_act(r2, af::ControlPart::Whole), std::nullopt);
    EXPECT_EQ(af::control_act(*af::layout_control("run_button"), af::ControlPart::Whole), af::run_act());
    EXPECT_EQ(af::control_act(*af::layout_control("run_button"), af::ControlPart::Down), std::nullopt);
    EXPECT_EQ(af::control_act(*af::layout_control("r2_value"), af::ControlPart::Whole), std::nullopt);
}

// Searches with a measure of text `width_per_size` wide per unit of size,
// rounded up to whole pixels as hinted text is, by a shell that shows sizes
// in `step`s (0: any size) as the nearest; returns the size and probes.
std::pair<double, int> fitted(double laid_out, double zoom, double width_per_size, double room, double step) {
    af::CaptionProbe probe = af::first_caption_probe(laid_out, zoom, true, step);
    int probes = 0;
    while (!probe.done() && probes < 1000) {
        const double shown = step > 0 ? std::round(probe.size / step) * step : probe.size;
        const double need = std::ceil(shown * width_per_size);
        probe = af::next_caption_probe(probe, need <= room, room / need);
        ++probes;
    }
    return {probe.size, probes};
}

TEST(SharedRules, ACaptionIsSetInTheLargestSizeThatShowsItWhole) {
    struct Case {
        double laid_out, zoom, width_per_size, room, step;
        double low, high;  // the size found lies in [low, high]
    } cases[] = {
        {9, 1.0, 10, 50, 0, 9, 9},          // at zoom 1 as laid out, whole or not
        {9, 2.0, 2, 100, 0, 18, 18},        // fits when scaled: scaled
        {9, 2.0, 10, 123, 0, 12.25, 12.3},  // needs 12.3 at most (ceil(12.3 * 10) = 123)
        {9, 0.5, 10, 20, 0, 1.95, 2.0},     // small zooms too
        {9, 3.0, 1000, 10, 0, 1, 1},        // never below 1
        {9, 2.0, 10, 123, 1, 12.49, 12.49},     // in whole steps: 12 shows 120 wide, 13 would 130; the largest shown as 12
        {9, 2.0, 10, 123, 0.75, 12.36, 12.37},  // in steps of 0.75: 12 (16 steps) fits, 12.75 does not
        {9, 1.1, 10, 99, 0.75, 9.9, 9.9},   // scaled 9.9 shows as 9.75, 97.5 wide: fits, set scaled
    };
    for (const Case& c : cases) {
        const auto [size, probes] = fitted(c.laid_out, c.zoom, c.width_per_size, c.room, c.step);
        EXPECT_GE(size, c.low) << c.room;
        EXPECT_LE(size, c.high) << c.room;
        // Each probe costs a shell a measure (on the desktop a font of a new
        // size), so the search goes where the measure puts the size.
        EXPECT_LE(probes, 5) << c.room;
    }
}

}  // namespace
