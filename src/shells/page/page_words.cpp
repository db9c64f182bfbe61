#include "shells/page/page_words.h"

#include "core/extras/extras.h"
#include "core/model/layout.h"

namespace af::page {

namespace {

std::string with_key(const Language& language, Extra extra) {
    // TRANSLATORS: the tooltip of a page button: its name, then the key that does the same: "Sound (F2)".
    return fill(translate(language, "{name} ({key})"),
                {{"name", extra_name(extra, language)}, {"key", extra_row(extra).key}});
}

}  // namespace

PageWords page_words(const Language& language) {
    return {
        std::string(translate(language, kWindowCaption)),
        // TRANSLATORS: the page's summary, which search engines and link previews show.
        std::string(translate(language, "Two vectors rotate about one centre; their vertical projections trace sine "
                                        "curves against time.")),
        // TRANSLATORS: a screen reader's name for the page's full-screen button.
        std::string(translate(language, "Full screen")),
        // TRANSLATORS: the tooltip of the page's full-screen button; F11 is the key.
        std::string(translate(language, "Full screen (F11)")),
        // TRANSLATORS: a screen reader's name for the page's button that saves a picture of the three views.
        std::string(translate(language, "Save a picture of the views")),
        // TRANSLATORS: the tooltip of the page's picture button; Ctrl+S is the key.
        std::string(translate(language, "Save a picture of the views (Ctrl+S)")),
        extra_name(Extra::Sound, language),
        with_key(language, Extra::Sound),
        extra_name(Extra::Voice, language),
        with_key(language, Extra::Voice),
        // TRANSLATORS: heads the list of settings in the page's address that were not used, each with what is allowed.
        std::string(translate(language, "This address asked for settings that were not taken:")),
        // TRANSLATORS: a screen reader's name for the button that closes a notice.
        std::string(translate(language, "Close")),
        // TRANSLATORS: shown in place of the page in a browser that cannot run WebAssembly.
        std::string(translate(language, "This page needs a browser that runs WebAssembly. Open it in a current "
                                        "Chrome, Edge, Firefox or Safari, or turn WebAssembly back on in this "
                                        "browser's settings.")),
        // TRANSLATORS: shown in place of the page in a browser with JavaScript turned off.
        std::string(translate(language, "This page needs JavaScript. Turn JavaScript on for this page, or open it "
                                        "in another browser.")),
        // TRANSLATORS: shown in place of the page when it failed to start for another reason than the browser;
        // the browser's console is where web developers read errors.
        std::string(translate(language, "This page could not start. Reload it; if it still does not start, the "
                                        "browser's console says why.")),
    };
}

}  // namespace af::page
