#include "shells/page/share_words.h"

namespace af::page {

ShareWords share_words(const Language& language) {
    const auto text = [](std::string_view message) { return std::string(message); };
    return {
        // TRANSLATORS: labels the link of the setup on show, in the share panel.
        text(translate(language, "Link to this setup")),
        // TRANSLATORS: a button in the share panel that copies the link.
        text(translate(language, "Copy link")),
        // TRANSLATORS: said and shown once the share panel has copied a link or a frame's code.
        text(translate(language, "Copied")),
        // TRANSLATORS: a screen reader's name for the QR code of the link, in the share panel.
        text(translate(language, "QR code of the link")),
        // TRANSLATORS: beside the QR code in the share panel.
        text(translate(language, "Scan it with a tablet or phone to open this setup.")),
        // TRANSLATORS: in the share panel, in place of the QR code, when the page was opened from a file.
        text(translate(language, "A QR code shows here when the page is opened from a web site.")),
        // TRANSLATORS: labels the code that puts the page in a frame of a course page (an HTML iframe element).
        text(translate(language, "To put this setup in a course page, paste this code into it:")),
        // TRANSLATORS: a button in the share panel that copies the frame's code.
        text(translate(language, "Copy code")),
        // TRANSLATORS: a button in the share panel that saves the page as one file that opens with this setup.
        text(translate(language, "Save this lesson")),
        // TRANSLATORS: beside the share panel's save button.
        text(translate(language, "One file that opens with this setup, with no network: for a USB stick, an e-mail or "
                                  "a shared drive.")),
        // TRANSLATORS: the program's name under its icon on a tablet's home screen: at most 12 characters.
        text(translate(language, "Angular Freq")),
    };
}

}  // namespace af::page
