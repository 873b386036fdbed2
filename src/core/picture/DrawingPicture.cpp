#include "picture/DrawingPicture.h"

#include <algorithm>
#include <ctime>

#include "sheet/Ladder.h"
#include "statement/TextLines.h"
#include "texts/DisplayColumns.h"

namespace lp {

namespace {

constexpr double kMargin = 24;
constexpr double kHeadingSize = 18;
constexpr double kSheetSize = 14;  // the em of the sheet and the list
constexpr double kLineHeight = kSheetSize;  // the box-drawing strokes meet from line to line
constexpr double kListGap = 32;

PictureText gridText(double x, double baseline, const std::string& line) {
    PictureText text{x, baseline, kSheetSize, line, {}, false};
    for (const PlacedCodePoint& placed : placeLine(line)) text.columns.push_back(placed.column);
    return text;
}

// The list the picture shows: the list box as the user sees it, else the
// converted list.
std::vector<std::string> listLines(const Ladder& ladder) {
    std::vector<std::string> lines = splitLineBreaks(ladder.Text1);
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos) lines.pop_back();
    if (lines.empty()) lines = splitAtCrLf(ladder.StatementList);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace

Picture drawingPicture(const Ladder& ladder, const std::string& name, const std::string& date) {
    Picture picture;
    const double columnWidth = kSheetSize / 2;
    const std::string heading = (name.empty() ? std::string(kUntitledDrawing) : name) + "    " + date;
    picture.texts.push_back({kMargin, kMargin + kHeadingSize, kHeadingSize, heading, {}, true});
    const double top = kMargin + kHeadingSize * 2;

    int lastRow = 0;
    for (int row = kFirstRow; row <= kLastRow; ++row)
        if (!ladder.sheet.rowIsBlank(row)) lastRow = row;
    int sheetColumns = 0;
    for (int row = kFirstRow; row <= lastRow; ++row) {
        std::string line = ladder.sheet.rowText(row);
        line.erase(line.find_last_not_of(' ') + 1);  // the blank columns right of the rail
        sheetColumns = std::max(sheetColumns, displayColumns(line));
        // The baseline sits at 7/8 of the line, where the font's box strokes reach both edges.
        picture.texts.push_back(gridText(kMargin, top + (row - 1) * kLineHeight + kLineHeight * 7 / 8, line));
    }
    const double sheetWidth = sheetColumns * columnWidth;
    const double sheetHeight = lastRow * kLineHeight;

    const std::vector<std::string> list = listLines(ladder);
    int listColumns = 0;
    for (const std::string& line : list) listColumns = std::max(listColumns, displayColumns(line));
    // A list longer than the sheet goes under it, so the page stays narrow.
    const bool beside = static_cast<double>(list.size()) * kLineHeight * 1.2 <= std::max(sheetHeight, kLineHeight * 12);
    const double listX = beside ? kMargin + sheetWidth + kListGap : kMargin;
    const double listTop = beside ? top : top + sheetHeight + kListGap;
    for (std::size_t i = 0; i < list.size(); ++i)
        picture.texts.push_back(gridText(listX, listTop + (static_cast<double>(i) + 0.875) * kLineHeight * 1.2, list[i]));
    const double listWidth = listColumns * columnWidth;
    const double listHeight = static_cast<double>(list.size()) * kLineHeight * 1.2;
    if (!list.empty()) {
        const double x = beside ? listX - kListGap / 2 : kMargin;
        picture.strokes.push_back(beside ? PictureStroke{x, top, x, top + std::max(sheetHeight, listHeight), 1, true}
                                         : PictureStroke{x, listTop - kListGap / 2, x + std::max(sheetWidth, listWidth),
                                                         listTop - kListGap / 2, 1, true});
    }

    const double headingWidth = static_cast<double>(displayColumns(heading)) * kHeadingSize / 2;
    picture.width = kMargin * 2 + std::max({headingWidth, beside ? sheetWidth + kListGap + listWidth : std::max(sheetWidth, listWidth)});
    picture.height = (beside ? top + std::max(sheetHeight, listHeight) : listTop + listHeight) + kMargin;
    return picture;
}

std::string todaysDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace lp
