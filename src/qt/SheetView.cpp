#include "SheetView.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "FontSetup.h"
#include "app/Twips.h"
#include "texts/StrokeWeight.h"
#include "app/SheetScroll.h"

namespace lp {

namespace {
constexpr int kPadding = 2;  // pixels between the border and the first column / line

// `text` with only the characters `keep` takes, each other one blanked
// over its display columns.
QString keepOnly(const QString& text, bool (*keep)(char32_t)) {
    QString kept;
    bool any = false;
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (keep(c)) {
            kept += one;
            any = true;
        } else {
            kept += QString(displayColumns(one), QLatin1Char(' '));
        }
    }
    return any ? kept : QString();
}

// The length of `text` without its trailing spaces.
qsizetype lastDrawn(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) --end;
    return end;
}
}  // namespace

SheetView::SheetView(QWidget* parent)
    : QAbstractScrollArea(parent), font_(sheetFont()), glyphs_(font_, viewport()) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    measure();
}

void SheetView::setFontPixels(double pixels) {
    const double points = pixels * 72 / kStandardDpi;
    if (font_.pointSizeF() == points) return;
    font_.setPointSizeF(points);
    glyphs_ = LineGlyphs(font_, viewport());
    measure();
    for (Line& line : lines_) layOut(line);
    updateScrollBars();
    viewport()->update();
}

void SheetView::measure() {
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
        // The printed lines run on in spaces past the right rail: only what
        // is drawn counts for the width.
        line.columns = displayColumns(QStringView(line.text).left(lastDrawn(line.text)));
        layOut(line);
    }
    widestColumns_ = 0;
    for (const Line& line : lines_) widestColumns_ = std::max(widestColumns_, line.columns);
    updateScrollBars();
    if (!changed.empty()) updateLines(changed.first, changed.last);
}

void SheetView::layOut(Line& line) {
    line.runs = glyphs_.runsFor(line.text, columnWidth_);
    line.heavyAcross = glyphs_.runsFor(keepOnly(line.text, hasHeavyAcross), columnWidth_);
    line.heavyDown = glyphs_.runsFor(keepOnly(line.text, hasHeavyDown), columnWidth_);
}

// The glyphs in the painter's pen, the heavy strokes a device pixel
// thicker: once more a pixel lower, and once more a pixel to the right.
void SheetView::drawGlyphs(QPainter& painter, const Line& line, QPointF baseline) const {
    for (const QGlyphRun& run : line.runs) painter.drawGlyphRun(baseline, run);
    const double pixel = 1.0 / devicePixelRatio();
    for (const QGlyphRun& run : line.heavyAcross) painter.drawGlyphRun(baseline + QPointF(0, pixel), run);
    for (const QGlyphRun& run : line.heavyDown) painter.drawGlyphRun(baseline + QPointF(pixel, 0), run);
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
                                           {columnWidth_, lineHeight_, kPadding}, row, column, contentSize().width());
    v->setValue(to.y);
    h->setValue(to.x);
}

void SheetView::setMarks(std::vector<MarkShape> marks, const std::vector<int>& changedLines) {
    marks_ = std::move(marks);
    for (int line : changedLines) updateLines(line, line);
}

bool SheetView::cellAt(const QPointF& position, int& line, int& column) const {
    const QPointF at = position + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    line = static_cast<int>(std::floor((at.y() - kPadding) / lineHeight_));
    column = static_cast<int>(std::floor((at.x() - kPadding) / columnWidth_));
    return line >= 0 && line < lineCount() && column >= 0;
}

void SheetView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // A notch is 120; finer wheels add up to whole notches.
    wheelAngle_ += event->angleDelta().y();
    const int notches = wheelAngle_ / 120;
    wheelAngle_ -= notches * 120;
    if (notches != 0) emit zoomWheel(notches);
    event->accept();
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    int line = 0, column = 0;
    if (event->button() == Qt::LeftButton && cellAt(event->position(), line, column))
        emit cellPressed(line, column);
    else
        QAbstractScrollArea::mousePressEvent(event);
}

void SheetView::mouseDoubleClickEvent(QMouseEvent* event) {
    int line = 0, column = 0;
    if (event->button() == Qt::LeftButton && cellAt(event->position(), line, column))
        emit cellDoubleClicked(line, column);
    else
        QAbstractScrollArea::mouseDoubleClickEvent(event);
}

// Shapes under the glyphs first, then the glyphs, then the shapes over them,
// as the core orders them.
void SheetView::paintMarks(QPainter& painter, const Line& line, QPointF baseline, std::size_t firstMark,
                           std::size_t endMark) {
    const QPointF origin = baseline - QPointF(0, ascent_);
    auto rectOf = [&](const MarkShape& m) {
        return QRectF(origin.x() + m.column * columnWidth_, origin.y(), m.width * columnWidth_, lineHeight_);
    };
    for (std::size_t k = firstMark; k < endMark; ++k) {
        const MarkShape& m = marks_[k];
        if (m.kind == ShapeKind::Background) painter.fillRect(rectOf(m), colour(m.colour));
        if (m.kind == ShapeKind::CoilBody) {
            // The coil's body between its brackets: the middle third of the coil's cells.
            const QRectF r = rectOf(m);
            painter.fillRect(r.adjusted(r.width() / 3, 3, -r.width() / 3, -3), colour(m.colour));
        }
    }
    drawGlyphs(painter, line, baseline);
    for (std::size_t k = firstMark; k < endMark; ++k) {
        const MarkShape& m = marks_[k];
        const QRectF r = rectOf(m);
        switch (m.kind) {
        case ShapeKind::Glyphs:
            painter.save();
            painter.setClipRect(r.toAlignedRect());
            painter.setPen(colour(m.colour));
            drawGlyphs(painter, line, baseline);
            painter.restore();
            break;
        case ShapeKind::GapBar:
            // Three whole pixels high at the middle, heavier than the light strokes.
            painter.fillRect(QRect(static_cast<int>(std::floor(r.left())), static_cast<int>(std::lround(r.center().y())) - 1,
                                   static_cast<int>(std::ceil(r.width())), 3),
                             colour(m.colour));
            break;
        case ShapeKind::Frame:
            painter.save();
            painter.setPen(QPen(colour(m.colour), 2));
            painter.drawRect(r.adjusted(1, 1, -1, -1));
            painter.restore();
            break;
        default: break;
        }
    }
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
    // The marks of the first line painted, and on from there.
    std::size_t mark = static_cast<std::size_t>(
        std::lower_bound(marks_.begin(), marks_.end(), first, [](const MarkShape& m, int line) { return m.line < line; }) -
        marks_.begin());
    for (int i = first; i <= last; ++i) {
        const QPointF baseline = cellOrigin(i, 0) + QPointF(-dx, ascent_ - dy);
        const Line& line = lines_[static_cast<std::size_t>(i)];
        std::size_t end = mark;
        while (end < marks_.size() && marks_[end].line == i) ++end;
        if (end == mark) {
            drawGlyphs(painter, line, baseline);
        } else {
            paintMarks(painter, line, baseline, mark, end);
            painter.setPen(palette().color(QPalette::Text));
        }
        mark = end;
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
