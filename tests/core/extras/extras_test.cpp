#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/extras/extras.h"

namespace af {
namespace {

// Keys that never reach a page, or that a reader needs for itself: the
// browsers' own function keys (help, find, reload, the address bar, caret
// browsing, a reading view, the menu bar, developer tools), the tabs' and
// windows' keys no page may take, and plain letters, which screen readers
// use to move through a page.
const std::set<std::string, std::less<>> kTakenKeys = {
    "F1", "F3", "F5", "F6", "F7", "F9", "F10", "F12", "Ctrl+N", "Ctrl+T", "Ctrl+W", "Ctrl+Q", "Ctrl+L", "Ctrl+F",
    "Ctrl+P", "Ctrl+R", "Ctrl+D", "Ctrl+H", "Ctrl+J", "Ctrl+Tab", "S", "C", "H", "B",
};

TEST(Extras, EachHasAKeyOfItsOwnThatNoBrowserOrScreenReaderKeeps) {
    std::set<std::string_view> seen;
    for (const ExtraRow& row : extras()) {
        EXPECT_TRUE(seen.insert(row.key).second) << row.key << " twice";
        EXPECT_FALSE(kTakenKeys.contains(row.key)) << row.key;
    }
    // The share panel is the page's, with a key of its own beside the switches'.
    EXPECT_EQ(extra_row(Extra::Sound).key, "F2");
    EXPECT_EQ(extra_row(Extra::Voice).key, "F4");
    EXPECT_EQ(extra_row(Extra::Share).key, "F8");
    EXPECT_TRUE(extra_row(Extra::Share).page_only);
    EXPECT_FALSE(extra_row(Extra::Sound).page_only);
}

TEST(Extras, SwitchesAreKnownByTheirControls) {
    EXPECT_EQ(switch_of_control("sound_button")->extra, Extra::Sound);
    EXPECT_EQ(switch_of_control("voice_button")->extra, Extra::Voice);
    // A button that is no switch turns nothing on.
    EXPECT_EQ(switch_of_control("share_button"), nullptr);
    EXPECT_EQ(switch_of_control("full_screen"), nullptr);
}

}  // namespace
}  // namespace af
