#pragma once
// Picture1: the sheet as the lines Fresh printed. Every character stands at
// its own column of a fixed half-width grid, so the columns line up whatever
// the font's own advances are. The window keeps what was printed and paints
// it again whenever it is uncovered or resized, and scrolls when the sheet
// is larger than the window. A new picture repaints only the lines that
// differ from the one shown.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "app/SheetPaint.h"

namespace lp::win {

class SheetWindow {
public:
    static const wchar_t* className();  // registers the class on first use

    // The window's state lives with the window: made on WM_NCCREATE, freed
    // on WM_NCDESTROY.
    static SheetWindow* of(HWND window);

    // Replaces what the window shows by these printed lines (UTF-8).
    void showPicture(const std::vector<std::string>& lines);
    const std::vector<std::string>& lines() const { return lines_; }

    // Scrolls as little as needed so that the rung whose graphics row is
    // `row` (1-based; its name row above it too) and `column` are in sight.
    void ensureVisible(int row, int column);

    // Geometry of the grid, in pixels, at the window's resolution.
    // A column's width, rounded; columns stand at columnX, which keeps the
    // width's fraction so that a full-width glyph covers its two columns.
    int columnWidth() const { return static_cast<int>(std::lround(columnWidth_)); }
    int columnX(int column) const { return static_cast<int>(std::lround(column * columnWidth_)); }
    int lineHeight() const { return lineHeight_; }
    POINT scrollPosition() const { return {scrollX_, scrollY_}; }
    int padding() const { return padding_; }  // round the grid

    // Paints these shapes over the printed lines until the next call (a
    // running simulation; in painting order, by line); an empty list shows
    // the sheet plain again. Only `changedLines` are painted again.
    void setMarks(const std::vector<MarkShape>& marks, const std::vector<int>& changedLines);
    const std::vector<MarkShape>& marks() const { return marks_; }

    // A press of the left button on display column `column` of printed line `line` (0-based).
    std::function<void(int line, int column)> cellPressed;
    // A double click there.
    std::function<void(int line, int column)> cellDoubleClicked;

    // Ctrl held while the wheel turned `notches` over the sheet (up: positive).
    std::function<void(int notches)> zoomTurned;

    // The sheet's font with an em of `pixels` at the window's resolution;
    // the grid is measured again and the scroll position keeps the same
    // cells in sight.
    void setFont(int dpi, int pixels);

private:
    explicit SheetWindow(HWND window);
    ~SheetWindow();
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void paint();
    void updateScrollBars();
    void scrollTo(int x, int y);
    void scrollBy(int bar, WPARAM request);
    void invalidateLines(int first, int last);
    void measure();
    void turnWheel(WPARAM wParam);
    void paintUnder(HDC dc, int index, int x, int top);
    void paintGlyphs(HDC dc, int index, const std::wstring& text, const std::vector<INT>& advances, int x, int top);
    void drawText(HDC dc, int x, int baseline, const RECT* clip, const std::wstring& text,
                  const std::vector<INT>& advances) const;
    void paintOver(HDC dc, int index, const std::wstring& text, const std::vector<INT>& advances, int x, int top);
    RECT cellsBox(const MarkShape& mark, int x, int top) const;
    int stroke(int pixelsAtTwelve) const;
    int columnsOf(const std::string& line) const;
    SIZE contentSize() const;
    SIZE viewSize() const;

    HWND window_;
    HFONT font_ = nullptr;
    int dpi_ = 96;
    int pixels_ = 12;  // the font's em
    int wheel_ = 0;  // the wheel's turn not yet a whole notch
    bool wheelZooms_ = false;  // that turn is with Ctrl held
    double columnWidth_ = 8;
    int lineHeight_ = 16;
    int ascent_ = 12;
    int padding_ = 2;
    int widestColumns_ = 0;  // of the printed rungs, trailing blanks left out
    int scrollX_ = 0;
    int scrollY_ = 0;
    std::vector<std::string> lines_;
    std::vector<MarkShape> marks_;  // by line, in painting order
};

}  // namespace lp::win
