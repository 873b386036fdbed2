// The sheet's painting: the printed lines on their grid, and the marks of a
// running simulation under and over the glyphs.
#include <algorithm>
#include <cmath>
#include <span>

#include "SheetWindow.h"
#include "texts/DisplayColumns.h"
#include "texts/StrokeWeight.h"

namespace lp::win {

namespace {
void appendUtf16(std::wstring& text, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        text += static_cast<wchar_t>(0xD800 + (cp >> 10));
        text += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
        text += static_cast<wchar_t>(cp);
    }
}

COLORREF colourOf(Rgb c) { return RGB(c.red, c.green, c.blue); }

void fill(HDC dc, const RECT& r, Rgb colour) {
    HBRUSH brush = ::CreateSolidBrush(colourOf(colour));
    ::FillRect(dc, &r, brush);
    ::DeleteObject(brush);
}
}  // namespace

// Line by line in three passes, so that no line's cells cover the glyphs
// of its neighbours, which reach a little into them: what lies under the
// glyphs, the glyphs, then what lies over them.
void SheetWindow::paint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(window_, &ps);
    HGDIOBJ old = ::SelectObject(dc, font_);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    const int count = static_cast<int>(lines_.size());
    const int first = std::max(0, (static_cast<int>(ps.rcPaint.top) + scrollY_ - padding_) / lineHeight_ - 1);
    const int last = std::min(count - 1, (static_cast<int>(ps.rcPaint.bottom) + scrollY_ - padding_) / lineHeight_ + 1);
    struct Printed {
        std::wstring text;
        std::vector<INT> advances;
    };
    std::vector<Printed> printed;
    for (int i = first; i <= last; ++i) {
        Printed line;
        // Each character at its column: the advance after a character is its
        // width in columns; the second half of a surrogate pair advances none.
        for (const PlacedCodePoint& c : placeLine(lines_[static_cast<std::size_t>(i)])) {
            appendUtf16(line.text, c.codePoint);
            line.advances.push_back(columnX(c.column + c.width) - columnX(c.column));
            if (c.codePoint >= 0x10000) line.advances.push_back(0);
        }
        printed.push_back(std::move(line));
    }
    const int x = padding_ - scrollX_;
    auto topOf = [&](int i) { return padding_ + i * lineHeight_ - scrollY_; };
    for (int i = first; i <= last; ++i) paintUnder(dc, i, x, topOf(i));
    for (int i = first; i <= last; ++i) {
        const Printed& line = printed[static_cast<std::size_t>(i - first)];
        if (!line.text.empty()) paintGlyphs(dc, i, line.text, line.advances, x, topOf(i));
    }
    for (int i = first; i <= last; ++i) {
        const Printed& line = printed[static_cast<std::size_t>(i - first)];
        paintOver(dc, i, line.text, line.advances, x, topOf(i));
    }
    ::SelectObject(dc, old);
    ::EndPaint(window_, &ps);
}

namespace {
// The marks of one printed line, in painting order.
std::span<const MarkShape> marksOf(const std::vector<MarkShape>& marks, int line) {
    const auto first = std::lower_bound(marks.begin(), marks.end(), line,
                                        [](const MarkShape& m, int l) { return m.line < l; });
    auto end = first;
    while (end != marks.end() && end->line == line) ++end;
    return {first, end};
}

// A glyph may reach into the lines above and below.
RECT glyphArea(RECT cells, int lineHeight) {
    cells.top -= lineHeight;
    cells.bottom += lineHeight;
    return cells;
}
}  // namespace

RECT SheetWindow::cellsBox(const MarkShape& m, int x, int top) const {
    return RECT{x + columnX(m.column), top, x + columnX(m.column + m.width), top + lineHeight_};
}

// A stroke as thick as `pixelsAtTwelve` on a sheet whose font is 12 pixels
// (9 points at 96 dpi), scaled with the sheet, in whole pixels and never
// thinner than one.
int SheetWindow::stroke(int pixelsAtTwelve) const {
    return std::max(1, static_cast<int>(std::lround(pixelsAtTwelve * pixels_ / 12.0)));
}

// The printed characters, then the heavy strokes again a device pixel
// further (down for those across, right for those up and down), so that the
// rails and lines stand out from the contacts' light plates at every size.
void SheetWindow::drawText(HDC dc, int x, int baseline, const RECT* clip, const std::wstring& text,
                           const std::vector<INT>& advances) const {
    const UINT options = clip ? ETO_CLIPPED : 0;
    const UINT length = static_cast<UINT>(text.size());
    ::ExtTextOutW(dc, x, baseline, options, clip, text.data(), length, advances.data());
    std::wstring across(text.size(), L' '), down(text.size(), L' ');
    bool anyAcross = false, anyDown = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (hasHeavyAcross(text[i])) across[i] = text[i], anyAcross = true;
        if (hasHeavyDown(text[i])) down[i] = text[i], anyDown = true;
    }
    if (anyAcross) ::ExtTextOutW(dc, x, baseline + 1, options, clip, across.data(), length, advances.data());
    if (anyDown) ::ExtTextOutW(dc, x + 1, baseline, options, clip, down.data(), length, advances.data());
}

// Under the glyphs: the step's element and the body of a pulled-in coil.
void SheetWindow::paintUnder(HDC dc, int index, int x, int top) {
    for (const MarkShape& m : marksOf(marks_, index)) {
        const RECT r = cellsBox(m, x, top);
        if (m.kind == ShapeKind::Background) fill(dc, r, m.colour);
        if (m.kind == ShapeKind::CoilBody) {
            // Between the coil's brackets: the middle third of its cells.
            const int third = (r.right - r.left) / 3;
            const int inset = stroke(3);
            fill(dc, RECT{r.left + third, r.top + inset, r.right - third, r.bottom - inset}, m.colour);
        }
    }
}

// The plain glyphs, in the text colour, everywhere but where they are drawn
// in a colour of their own.
void SheetWindow::paintGlyphs(HDC dc, int index, const std::wstring& text, const std::vector<INT>& advances, int x,
                              int top) {
    const int saved = ::SaveDC(dc);
    for (const MarkShape& m : marksOf(marks_, index)) {
        if (m.kind != ShapeKind::Glyphs) continue;
        const RECT r = glyphArea(cellsBox(m, x, top), lineHeight_);
        ::ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    drawText(dc, x, top + ascent_, nullptr, text, advances);
    ::RestoreDC(dc, saved);
}

// Over the glyphs: glyphs again in their colour, the bar across a closed
// gap, and the frame round a coil that differs.
void SheetWindow::paintOver(HDC dc, int index, const std::wstring& text, const std::vector<INT>& advances, int x,
                            int top) {
    for (const MarkShape& m : marksOf(marks_, index)) {
        const RECT r = cellsBox(m, x, top);
        switch (m.kind) {
        case ShapeKind::Glyphs: {
            if (text.empty()) break;
            const RECT clip = glyphArea(r, lineHeight_);
            ::SetTextColor(dc, colourOf(m.colour));
            drawText(dc, x, top + ascent_, &clip, text, advances);
            break;
        }
        case ShapeKind::GapBar: {
            const int thickness = stroke(3);
            const int bar = (r.top + r.bottom) / 2 - (thickness - 1) / 2;
            fill(dc, RECT{r.left, bar, r.right, bar + thickness}, m.colour);
            break;
        }
        case ShapeKind::Frame: {
            const int t = stroke(2);
            fill(dc, RECT{r.left, r.top, r.right, r.top + t}, m.colour);
            fill(dc, RECT{r.left, r.bottom - t, r.right, r.bottom}, m.colour);
            fill(dc, RECT{r.left, r.top + t, r.left + t, r.bottom - t}, m.colour);
            fill(dc, RECT{r.right - t, r.top + t, r.right, r.bottom - t}, m.colour);
            break;
        }
        case ShapeKind::Background:
        case ShapeKind::CoilBody: break;
        }
    }
}

}  // namespace lp::win
