#include "LineGlyphs.h"

#include <QTextLayout>
#include <QTextOption>

#include "DisplayColumns.h"

namespace lp {

LineGlyphs::LineGlyphs(const QFont& font, QPaintDevice* device) : font_(font), device_(device) {}

QList<QGlyphRun> LineGlyphs::runsFor(QStringView line, double columnWidth) {
    struct Pending {
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    std::vector<Pending> byFont;
    for (const PlacedChar& c : placeLine(line)) {
        if (c.codePoint == U' ') continue;
        const Span span = glyphsOf(c.codePoint, line.mid(c.at, c.units()));
        const QPointF origin(c.column * columnWidth, 0);
        for (std::size_t g = span.first; g < span.first + span.count; ++g) {
            const Glyph& glyph = glyphs_[g];
            if (byFont.size() <= glyph.font) byFont.resize(glyph.font + 1);
            byFont[glyph.font].indexes.push_back(glyph.index);
            byFont[glyph.font].positions.push_back(origin + glyph.offset);
        }
    }
    QList<QGlyphRun> runs;
    for (std::size_t f = 0; f < byFont.size(); ++f) {
        if (byFont[f].indexes.isEmpty()) continue;
        QGlyphRun run;
        run.setRawFont(fonts_[f]);
        run.setGlyphIndexes(byFont[f].indexes);
        run.setPositions(byFont[f].positions);
        runs.push_back(run);
    }
    return runs;
}

LineGlyphs::Span LineGlyphs::glyphsOf(char32_t codePoint, QStringView text) {
    if (const auto found = spans_.find(codePoint); found != spans_.end()) return found->second;
    // The character laid out alone, left to right from x = 0, as a painter
    // draws a one-character text.
    QTextLayout layout(text.toString(), font_, device_);
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    layout.endLayout();
    const std::size_t first = glyphs_.size();
    if (textLine.isValid()) {
        for (const QGlyphRun& run : layout.glyphRuns()) {
            const std::size_t font = fontIndex(run.rawFont());
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
                glyphs_.push_back({font, indexes[i], positions[i] - QPointF(0, textLine.ascent())});
        }
    }
    const Span span{first, glyphs_.size() - first};
    spans_.emplace(codePoint, span);
    return span;
}

std::size_t LineGlyphs::fontIndex(const QRawFont& font) {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i] == font) return i;
    fonts_.push_back(font);
    return fonts_.size() - 1;
}

}  // namespace lp
