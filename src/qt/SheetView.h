#pragma once
// Picture1: the sheet as the lines Fresh printed. Every character stands at
// its own column of a fixed half-width grid, so the columns line up whatever
// the font's own advances are. The view keeps what was printed and paints it
// again whenever it is uncovered or resized, and scrolls when the sheet is
// larger than the view. A new picture lays out and repaints only the lines
// that differ from the one shown.
#include <QAbstractScrollArea>
#include <QPainter>
#include <QColor>
#include <cstdint>
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <string>
#include <vector>

#include "DisplayColumns.h"
#include "LineGlyphs.h"
#include "app/SheetPaint.h"

namespace lp {

class SheetView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit SheetView(QWidget* parent = nullptr);

    // The sheet font's em in pixels (the window's scale and zoom): the grid
    // is measured again and every line laid out anew.
    void setFontPixels(double pixels);

    // Replaces what the view shows by these printed lines (UTF-8).
    void showPicture(const std::vector<std::string>& lines);

    int lineCount() const { return static_cast<int>(lines_.size()); }
    const QString& line(int index) const { return lines_.at(static_cast<std::size_t>(index)).text; }
    std::vector<PlacedChar> placedLine(int index) const { return placeLine(line(index)); }

    // Geometry of the grid, in pixels.
    double columnWidth() const { return columnWidth_; }
    int lineHeight() const { return lineHeight_; }
    int ascent() const { return ascent_; }  // from the top of a line to its baseline
    QPointF cellOrigin(int lineIndex, int column) const;  // top-left, content coordinates
    QSize contentSize() const;

    // Paints these shapes over the printed lines until the next call (in
    // line order, painting order within a line); an empty list shows the
    // sheet plain again. Only `changedLines` are painted again.
    void setMarks(std::vector<MarkShape> marks, const std::vector<int>& changedLines);
    const std::vector<MarkShape>& marks() const { return marks_; }
    static QColor colour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

    // Scrolls as little as needed so that the rung whose graphics row is
    // `row` (1-based; its name row above it too) and `column` are in sight.
    void ensureVisible(int row, int column);

signals:
    // A press of the left button on the display column `column` of printed line `line`.
    void cellPressed(int line, int column);
    // A double click of the left button there.
    void cellDoubleClicked(int line, int column);
    // The wheel turned `notches` (up: positive) with Ctrl held: a zoom.
    void zoomWheel(int notches);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // One printed line, laid out.
    struct Line {
        std::string printed;  // as Fresh printed it, to tell whether a new picture changes it
        QString text;
        int columns = 0;
        QList<QGlyphRun> runs;  // see LineGlyphs::runsFor
        QList<QGlyphRun> heavyAcross, heavyDown;  // the heavy strokes alone, drawn again to thicken them
    };

    void layOut(Line& line);
    void drawGlyphs(QPainter& painter, const Line& line, QPointF baseline) const;

    void measure();
    void updateScrollBars();
    void updateLines(int first, int last);
    void paintMarks(QPainter& painter, const Line& line, QPointF baseline, std::size_t firstMark, std::size_t endMark);

    QFont font_;
    LineGlyphs glyphs_;
    double columnWidth_ = 0;
    int lineHeight_ = 0;
    int ascent_ = 0;
    int widestColumns_ = 0;  // of what is drawn, trailing spaces left out
    int wheelAngle_ = 0;     // of a turn not yet a whole notch
    std::vector<Line> lines_;
    bool cellAt(const QPointF& position, int& line, int& column) const;

    std::vector<MarkShape> marks_;  // by line, in painting order
};

}  // namespace lp
