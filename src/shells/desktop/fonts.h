#pragma once

#include <QFont>

#include "core/model/layout.h"

namespace af::desktop {

// Declares the program's own stand-ins for the fonts the layout names, so they
// hold whatever the machine's font configuration would pick. Call once,
// after the application object exists and before any window is built.
void install_font_substitutions();

// Says once on standard error which packages to install when the machine
// has no font at all: the window still opens, but every caption is empty boxes.
void warn_if_no_fonts(const Language& language = Language());

// The font of a control as laid out, in a language: its own face first where
// the language has one for that font.
QFont layout_font(const FontSpec& wanted, const Language& language = Language());

}  // namespace af::desktop
