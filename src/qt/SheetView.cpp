#include "SheetView.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "FontSetup.h"
#include "sheet/SheetScroll.h"

namespace lp {

namespace {
constexpr int kPadding = 2;  // pixels between the border and the first column / line
}

SheetView::SheetView(QWidget* parent)
    : QAbstractScrollArea(parent), font_(sheetFont()), glyphs_(font_, viewport()) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setFont(font_);

    const QFontMetricsF metrics(font_);
    columnWidth_ = metrics.horizontalAdvance(QLatin1Char('0'));
    if (columnWidth_ <= 0) columnWidth_ = 1;
    // Lines are stacked as high as the vertical line glyph reaches, so that
    // the rails and branch lines of one row meet those of the next. A font
    // without that glyph falls back to its full line height.
    const QRectF rail = metrics.tightBoundingRect(QStringLiteral("┃"));
    if (metrics.inFont(QChar(0x2503)) && rail.height() >= 0.5 * (metrics.ascent() + metrics.descent())) {
        ascent_ = static_cast<int>(std::lround(-rail.top()));
        lineHeight_ = static_cast<int>(std::lround(rail.height()));
    } else {
        ascent_ = static_cast<int>(std::ceil(metrics.ascent()));
        lineHeight_ = std::max(1, static_cast<int>(std::ceil(metrics.ascent() + metrics.descent())));
    }
    updateScrollBars();
}

void SheetView::showPicture(const std::vector<std::string>& lines) {
    const LineRange changed = changedLines(
        lines_.size(), [&](std::size_t i) -> const std::string& { return lines_[i].printed; }, lines);
    // A line that was not shown before starts as an empty one.
    lines_.resize(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Line& line = lines_[i];
        if (line.printed == lines[i]) continue;
        line.printed = lines[i];
        line.text = QString::fromStdString(line.printed);
        line.columns = displayColumns(line.text);
        line.runs = glyphs_.runsFor(line.text, columnWidth_);
    }
    widestColumns_ = 0;
    for (const Line& line : lines_) widestColumns_ = std::max(widestColumns_, line.columns);
    updateScrollBars();
    if (!changed.empty()) updateLines(changed.first, changed.last);
}

// Schedules the repaint of lines first..last, and of one line either side:
// a glyph may reach a little into the next line (the lines are only as high
// as the rail glyph).
void SheetView::updateLines(int first, int last) {
    const int dy = verticalScrollBar()->value();
    const int top = static_cast<int>(cellOrigin(first - 1, 0).y()) - dy;
    const int bottom = static_cast<int>(cellOrigin(last + 2, 0).y()) - dy;
    viewport()->update(QRect(0, top, viewport()->width(), bottom - top));
}

QPointF SheetView::cellOrigin(int lineIndex, int column) const {
    return QPointF(kPadding + column * columnWidth_, kPadding + lineIndex * lineHeight_);
}

QSize SheetView::contentSize() const {
    return QSize(static_cast<int>(std::ceil(2 * kPadding + widestColumns_ * columnWidth_)),
                 2 * kPadding + lineCount() * lineHeight_);
}

void SheetView::ensureVisible(int row, int column) {
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const ScrollPosition to = scrollToShow({h->value(), v->value()}, viewport()->width(), viewport()->height(),
                                           {columnWidth_, lineHeight_, kPadding}, row, column);
    v->setValue(to.y);
    h->setValue(to.x);
}

void SheetView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const QRect dirty = event->rect();
    const int dx = horizontalScrollBar()->value();
    const int dy = verticalScrollBar()->value();
    // The lines the dirty rectangle crosses, and one either side for the
    // glyphs that reach into it.
    const int first = std::max(0, (dirty.top() + dy - kPadding) / lineHeight_ - 1);
    const int last = std::min(lineCount() - 1, (dirty.bottom() + dy - kPadding) / lineHeight_ + 1);
    for (int i = first; i <= last; ++i) {
        const QPointF baseline = cellOrigin(i, 0) + QPointF(-dx, ascent_ - dy);
        for (const QGlyphRun& run : lines_[static_cast<std::size_t>(i)].runs) painter.drawGlyphRun(baseline, run);
    }
}

void SheetView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void SheetView::scrollContentsBy(int, int) { viewport()->update(); }

void SheetView::updateScrollBars() {
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, content.width() - view.width()));
    h->setPageStep(view.width());
    h->setSingleStep(static_cast<int>(std::ceil(2 * columnWidth_)));
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(0, content.height() - view.height()));
    v->setPageStep(view.height());
    v->setSingleStep(lineHeight_);
}

}  // namespace lp
