#include "SheetWindow.h"

#include <algorithm>
#include <cmath>

#include "Fonts.h"
#include "WideText.h"
#include "texts/DisplayColumns.h"
#include "app/SheetScroll.h"
#include "app/SheetZoom.h"

namespace lp::win {

namespace {
constexpr UINT kWheelLines = 3;
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

}  // namespace lp::win
