#pragma once
// The windows name the usual GB2312 system fonts; these are made to resolve
// to free CJK fonts at start-up.
#include <QFont>
#include <QString>

namespace lp {

inline const QString kSongTi = QStringLiteral("宋体");
inline const QString kKaiTi = QStringLiteral("楷体_GB2312");
inline const QString kLiShu = QStringLiteral("隶书");

// Registers the substitutes of 宋体, 楷体_GB2312 and 隶书. Call once, after
// the application object exists and before any window is made.
void installFontSubstitutions();

// A font as the window definitions give it: family, size in points, bold
// (weight 700) or regular (400), optionally underlined.
QFont windowFont(const QString& family, double pointSize, bool bold, bool underline = false);

// The font the sheet is printed in: a CJK font in which every box-drawing
// glyph and full-width bracket is exactly two half-width columns wide.
QFont sheetFont();

}  // namespace lp
