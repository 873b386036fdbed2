#pragma once
// The windows name the usual GB2312 system fonts (app/FontFaces.h); these are
// made to resolve to free CJK fonts at start-up.
#include <QFont>
#include <QString>

#include "app/FontFaces.h"

namespace lp {

// Registers the substitutes of 宋体, 楷体_GB2312 and 隶书. Call once, after
// the application object exists and before any window is made.
void installFontSubstitutions();

// A font as the window definitions give it: family, size in points, bold
// (weight 700) or regular (400), optionally underlined.
QFont windowFont(const QString& family, double pointSize, bool bold, bool underline = false);
QFont windowFont(const FontSpec& def);

// The font the sheet is printed in: a CJK font in which every box-drawing
// glyph and full-width bracket is exactly two half-width columns wide.
QFont sheetFont();

}  // namespace lp
