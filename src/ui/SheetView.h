#pragma once
// Picture1: the sheet as the lines Fresh printed. Every character stands at
// its own column of a fixed half-width grid, so the columns line up whatever
// the font's own advances are. The view keeps what was printed and paints it
// again whenever it is uncovered or resized, and scrolls when the sheet is
// larger than the view.
#include <QAbstractScrollArea>
#include <QFont>
#include <QStringList>
#include <string>
#include <vector>

#include "DisplayColumns.h"

namespace lp {

class SheetView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit SheetView(QWidget* parent = nullptr);

    // Replaces what the view shows by these printed lines (UTF-8).
    void showPicture(const std::vector<std::string>& lines);

    int lineCount() const { return static_cast<int>(lines_.size()); }
    const QString& line(int index) const { return lines_.at(index); }
    const std::vector<PlacedChar>& placedLine(int index) const { return placed_.at(static_cast<std::size_t>(index)); }

    // Geometry of the grid, in pixels.
    double columnWidth() const { return columnWidth_; }
    int lineHeight() const { return lineHeight_; }
    QPointF cellOrigin(int lineIndex, int column) const;  // top-left, content coordinates
    QSize contentSize() const;

    // Scrolls as little as needed so that the rung whose graphics row is
    // `row` (1-based; its name row above it too) and `column` are in sight.
    void ensureVisible(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();

    QFont font_;
    double columnWidth_ = 0;
    int lineHeight_ = 0;
    int ascent_ = 0;
    int widestColumns_ = 0;
    QStringList lines_;
    std::vector<std::vector<PlacedChar>> placed_;
};

}  // namespace lp
