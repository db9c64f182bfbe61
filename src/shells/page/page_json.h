#pragma once

#include <string>

#include "core/language/language.h"
#include "core/session/session.h"

namespace af::page {

// What the page's script reads from the core, as JSON text.

// Every control with its box at the placement in force, its caption, font,
// colours, place in the reading order, how it answers a held press and what
// a screen reader says of it, in the language; and the page's own
// full-screen button.
std::string layout_json(const Placement& placement, const Language& language = Language());

// The layout's rows as laid out, in twips, with the window's client area and
// outer size at start: what the page's tests check the page against.
std::string rows_json();

// What changed: whether the layout moved, frames drawn, the captions that
// changed, the spin readings and views' descriptions where an act may have
// changed them, and the sentences to say.
std::string changes_json(const Session& session, const SessionChanges& changes);

// Every caption, spin reading, view description and chosen option as they
// stand: what the page is built with.
std::string readings_json(const Session& session);

// What of a setup was not taken: its sentences, as a JSON array.
std::string refused_json(const std::vector<SetupRefusal>& refused);

// The language's tag and the page's own words in it (page_words.h).
std::string words_json(const Language& language);

// Those of every language, under their tags: the build writes the notices of
// a browser that cannot run the page in all of them.
std::string every_languages_words_json();

}  // namespace af::page
