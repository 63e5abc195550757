// Internal: dialog units. A template's places and sizes scale with the
// dialog's font, so a box laid out for one font still fits its texts in
// another: a unit across is a quarter of the font's average character
// width, a unit down an eighth of its height.
#pragma once

#include <QFont>

#include "platform/user/dialog_template.h"
#include "platform/user/hooks.h"

namespace vandrel::user {

// The template's font. A face the desktop does not have (the old bitmap
// faces the templates name) becomes the desktop's own sans-serif, at the
// template's size.
QFont DialogFont(const DialogTemplate& dialogTemplate);
// The measures of `font` that units are taken from, or the test hook's.
hooks::DialogFontMetrics BaseUnitsOf(const QFont& font);
// Units to pixels, rounded to the nearest pixel.
int HorizontalPixels(int units, const hooks::DialogFontMetrics& base);
int VerticalPixels(int units, const hooks::DialogFontMetrics& base);

}  // namespace vandrel::user
