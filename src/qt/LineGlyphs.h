#pragma once
// The glyphs of the sheet's printed lines. Each character is shaped once, on
// its own, with the sheet's font (falling back to other fonts for what that
// font lacks, as drawing the character as text would); a line is then put
// together from these glyphs with every character at its column, as one
// glyph run per font, so painting a line needs no shaping at all.
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QStringView>
#include <unordered_map>
#include <vector>

class QPaintDevice;

namespace lp {

class LineGlyphs {
public:
    // `device` (may be null) is the one the glyphs will be painted on.
    LineGlyphs(const QFont& font, QPaintDevice* device);

    // The runs that draw `line`, each character at its column of the given
    // width; positions are relative to the baseline at the left of column 0.
    QList<QGlyphRun> runsFor(QStringView line, double columnWidth);

private:
    struct Glyph {
        std::size_t font;  // index in fonts_
        quint32 index;
        QPointF offset;  // from the character's own origin on the baseline
    };
    struct Span {
        std::size_t first, count;  // in glyphs_
    };

    Span glyphsOf(char32_t codePoint, QStringView text);
    std::size_t fontIndex(const QRawFont& font);

    QFont font_;
    QPaintDevice* device_;
    std::vector<QRawFont> fonts_;
    std::vector<Glyph> glyphs_;
    std::unordered_map<char32_t, Span> spans_;
};

}  // namespace lp
