#include "SheetWindow.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "Fonts.h"
#include "WideText.h"
#include "texts/DisplayColumns.h"
#include "app/SheetScroll.h"
#include "app/SheetZoom.h"
#include "texts/StrokeWeight.h"

namespace lp::win {

namespace {
constexpr UINT kWheelLines = 3;

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

const wchar_t* SheetWindow::className() {
    static const wchar_t* name = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = windowProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"LadderPadSheet";
        ::RegisterClassExW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

SheetWindow* SheetWindow::of(HWND window) {
    return reinterpret_cast<SheetWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

SheetWindow::SheetWindow(HWND window) : window_(window) {}

SheetWindow::~SheetWindow() {
    if (font_) ::DeleteObject(font_);
}

LRESULT CALLBACK SheetWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* sheet = new SheetWindow(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(sheet));
        const int dpi = static_cast<int>(::GetDpiForWindow(window) ? ::GetDpiForWindow(window) : 96);
        sheet->setFont(dpi, sheetFontPixels(1, kActualZoom, dpi));
    }
    SheetWindow* sheet = of(window);
    if (!sheet) return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete sheet;
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return sheet->handle(message, wParam, lParam);
}

LRESULT SheetWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_SIZE:
        updateScrollBars();
        return 0;
    case WM_VSCROLL:
        scrollBy(SB_VERT, wParam);
        return 0;
    case WM_HSCROLL:
        scrollBy(SB_HORZ, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        turnWheel(wParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        ::SetFocus(window_);
        const int x = static_cast<short>(LOWORD(lParam)) + scrollX_ - padding_;
        const int y = static_cast<short>(HIWORD(lParam)) + scrollY_ - padding_;
        const auto& pressed = message == WM_LBUTTONDOWN ? cellPressed : cellDoubleClicked;
        if (x >= 0 && y >= 0 && pressed) {
            const int line = y / lineHeight_;
            if (line < static_cast<int>(lines_.size())) pressed(line, static_cast<int>(x / columnWidth_));
        }
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_UP: scrollBy(SB_VERT, SB_LINEUP); return 0;
        case VK_DOWN: scrollBy(SB_VERT, SB_LINEDOWN); return 0;
        case VK_PRIOR: scrollBy(SB_VERT, SB_PAGEUP); return 0;
        case VK_NEXT: scrollBy(SB_VERT, SB_PAGEDOWN); return 0;
        case VK_LEFT: scrollBy(SB_HORZ, SB_LINELEFT); return 0;
        case VK_RIGHT: scrollBy(SB_HORZ, SB_LINERIGHT); return 0;
        default: break;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

// Plain, the wheel scrolls; with Ctrl held it zooms, a step a notch. Small
// turns add up to notches.
void SheetWindow::turnWheel(WPARAM wParam) {
    const bool zooms = (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0;
    if (zooms != wheelZooms_) wheel_ = 0;
    wheelZooms_ = zooms;
    wheel_ += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = wheel_ / WHEEL_DELTA;
    wheel_ -= notches * WHEEL_DELTA;
    if (notches == 0) return;
    if (!zooms) scrollTo(scrollX_, scrollY_ - notches * static_cast<int>(kWheelLines) * lineHeight_);
    else if (zoomTurned) zoomTurned(notches);
}

void SheetWindow::setFont(int dpi, int pixels) {
    // The cell at the view's top left stays there.
    const double column = static_cast<double>(scrollX_) / columnWidth_;
    const double line = static_cast<double>(scrollY_) / lineHeight_;
    dpi_ = dpi;
    pixels_ = pixels;
    if (font_) ::DeleteObject(font_);
    font_ = createFontOfHeight(kSheetFont, pixels);
    measure();
    updateScrollBars();
    scrollTo(static_cast<int>(std::lround(column * columnWidth_)), static_cast<int>(std::lround(line * lineHeight_)));
    ::InvalidateRect(window_, nullptr, TRUE);
}

void SheetWindow::measure() {
    const int dpi = dpi_;
    padding_ = std::max(1, ::MulDiv(2, dpi, 96));
    HDC dc = ::GetDC(window_);
    HGDIOBJ old = ::SelectObject(dc, font_);
    SIZE zero{};
    ::GetTextExtentPoint32W(dc, L"0", 1, &zero);
    columnWidth_ = std::max<int>(1, zero.cx);
    // In a font whose half-width characters are half its em, as the sheet's
    // are, that half is the column: the sheet then grows and shrinks with the
    // font's size, not with its rounded advances.
    LOGFONTW made{};
    ::GetObjectW(font_, sizeof made, &made);
    const double half = std::abs(made.lfHeight) / 2.0;
    if (std::abs(zero.cx - half) <= 1) columnWidth_ = std::max(1.0, half);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ascent_ = metrics.tmAscent;
    lineHeight_ = std::max<int>(1, metrics.tmHeight);
    // Lines are stacked as high as the vertical line glyph reaches, so that
    // the rails and branch lines of one row meet those of the next. A font
    // without that glyph keeps its full line height.
    GLYPHMETRICS rail{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    WORD index = 0;
    const bool hasRail = ::GetGlyphIndicesW(dc, L"\u2503", 1, &index, GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
                         index != 0xFFFF;
    if (hasRail && ::GetGlyphOutlineW(dc, 0x2503, GGO_METRICS, &rail, 0, nullptr, &identity) != GDI_ERROR &&
        static_cast<int>(rail.gmBlackBoxY) * 2 >= metrics.tmHeight) {
        ascent_ = rail.gmptGlyphOrigin.y;
        lineHeight_ = static_cast<int>(rail.gmBlackBoxY);
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(window_, dc);
}

// Fresh pads every line with blanks far past the right rail: only up to
// the last glyph is the sheet's width.
int SheetWindow::columnsOf(const std::string& line) const {
    const std::size_t end = line.find_last_not_of(' ');
    return end == std::string::npos ? 0 : displayColumns(line.substr(0, end + 1));
}

void SheetWindow::showPicture(const std::vector<std::string>& lines) {
    const LineRange changed = changedLines(
        lines_.size(), [&](std::size_t i) -> const std::string& { return lines_[i]; }, lines);
    lines_ = lines;
    widestColumns_ = 0;
    for (const std::string& line : lines_) widestColumns_ = std::max(widestColumns_, columnsOf(line));
    updateScrollBars();
    if (!changed.empty()) invalidateLines(changed.first, changed.last);
}

void SheetWindow::setMarks(const std::vector<MarkShape>& marks, const std::vector<int>& changedLines) {
    marks_ = marks;
    for (const int line : changedLines) invalidateLines(line, line);
}

// One line either side too: a glyph may reach a little into the next line
// (the lines are only as high as the rail glyph).
void SheetWindow::invalidateLines(int first, int last) {
    RECT client;
    ::GetClientRect(window_, &client);
    const RECT dirty{0, padding_ + (first - 1) * lineHeight_ - scrollY_, client.right,
                     padding_ + (last + 2) * lineHeight_ - scrollY_};
    ::InvalidateRect(window_, &dirty, TRUE);
}

SIZE SheetWindow::contentSize() const {
    return {2 * padding_ + columnX(widestColumns_), 2 * padding_ + static_cast<int>(lines_.size()) * lineHeight_};
}

SIZE SheetWindow::viewSize() const {
    RECT client;
    ::GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

void SheetWindow::updateScrollBars() {
    const SIZE content = contentSize();
    // Showing one bar narrows the view and may call for the other: settle
    // both from the window's full size.
    for (int pass = 0; pass < 2; ++pass) {
        const SIZE view = viewSize();
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMin = 0;
        info.nMax = content.cy - 1;
        info.nPage = static_cast<UINT>(std::max<LONG>(0, view.cy));
        ::SetScrollInfo(window_, SB_VERT, &info, TRUE);
        info.nMax = content.cx - 1;
        info.nPage = static_cast<UINT>(std::max<LONG>(0, view.cx));
        ::SetScrollInfo(window_, SB_HORZ, &info, TRUE);
    }
    const SIZE view = viewSize();
    scrollTo(std::min<int>(scrollX_, std::max<int>(0, content.cx - view.cx)),
             std::min<int>(scrollY_, std::max<int>(0, content.cy - view.cy)));
}

void SheetWindow::scrollTo(int x, int y) {
    const SIZE content = contentSize();
    const SIZE view = viewSize();
    x = std::clamp<int>(x, 0, std::max<int>(0, content.cx - view.cx));
    y = std::clamp<int>(y, 0, std::max<int>(0, content.cy - view.cy));
    if (x == scrollX_ && y == scrollY_) return;
    scrollX_ = x;
    scrollY_ = y;
    ::SetScrollPos(window_, SB_HORZ, x, TRUE);
    ::SetScrollPos(window_, SB_VERT, y, TRUE);
    ::InvalidateRect(window_, nullptr, TRUE);
}

void SheetWindow::scrollBy(int bar, WPARAM request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(window_, bar, &info);
    const int step = bar == SB_VERT ? lineHeight_ : columnX(2);
    int pos = bar == SB_VERT ? scrollY_ : scrollX_;
    switch (LOWORD(request)) {
    case SB_LINEUP: pos -= step; break;
    case SB_LINEDOWN: pos += step; break;
    case SB_PAGEUP: pos -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: pos += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = info.nMax; break;
    default: return;
    }
    if (bar == SB_VERT) scrollTo(scrollX_, pos);
    else scrollTo(pos, scrollY_);
}

void SheetWindow::ensureVisible(int row, int column) {
    const SIZE view = viewSize();
    const ScrollPosition to = scrollToShow({scrollX_, scrollY_}, view.cx, view.cy,
                                           {columnWidth_, lineHeight_, padding_}, row, column,
                                           contentSize().cx);
    scrollTo(to.x, to.y);
}

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
