#include "shells/page/page_words.h"

#include "core/model/layout.h"

namespace af::page {

PageWords page_words(const Language& language) {
    return {
        std::string(translate(language, kWindowCaption)),
        // TRANSLATORS: the page's summary, which search engines and link previews show.
        std::string(translate(language, "Two vectors rotate about one centre; their vertical projections trace sine "
                                        "curves against time.")),
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
