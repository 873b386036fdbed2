#pragma once
// A picture laid out once, whatever draws it (SVG text, a toolkit's PNG,
// PDF or printer): text runs and strokes at their places, black on white,
// in pixels of 1/96 inch from the top left.
#include <string>
#include <vector>

namespace lp {

struct PictureText {
    double x = 0, baseline = 0;
    double size = 14;  // the font's em, in pixels
    std::string text;  // UTF-8
    // On the sheet's grid: the display column of each character, each
    // column size / 2 wide (a full-width glyph takes two). Empty: text set
    // as the font spaces it.
    std::vector<int> columns;
    bool bold = false;
    bool operator==(const PictureText&) const = default;
};

struct PictureStroke {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 1;
    bool grey = false;  // a guide line rather than drawing
    bool operator==(const PictureStroke&) const = default;
};

struct Picture {
    double width = 0, height = 0;
    std::vector<PictureText> texts;
    std::vector<PictureStroke> strokes;
    bool operator==(const Picture&) const = default;
};

}  // namespace lp
