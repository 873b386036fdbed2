#include "DeviceTableWindow.h"

#include <algorithm>
#include <cwchar>

#include "Fonts.h"
#include "Geometry.h"
#include "WideText.h"
#include "app/PictureExport.h"
#include "texts/DeviceTableTexts.h"

namespace lp::win {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
// Layout in pixels at 96 dpi.
constexpr int kMargin = 10, kWidth = 260, kRowHeight = 26, kGap = 6;

COLORREF colourOf(Rgb c) { return RGB(c.red, c.green, c.blue); }
}  // namespace

DeviceTableWindow::DeviceTableWindow(HWND owner, MainController& controller) : controller_(controller) {
    create(kClassName, COLOR_BTNFACE, kExStyle, L"", kStyle, owner);
    dpi_ = dpiOf(hwnd());
}

int DeviceTableWindow::px(int dip) const { return ::MulDiv(dip, dpi_, 96); }

HWND DeviceTableWindow::add(const wchar_t* className, const std::string& text, DWORD style, int id, RECT place) {
    HWND control = ::CreateWindowExW(std::wcscmp(className, L"EDIT") == 0 ? WS_EX_CLIENTEDGE : 0, className,
                                     wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, px(place.left),
                                     px(place.top), px(place.right), px(place.bottom), hwnd(),
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                                     nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(kDialogFont, dpi_, kDialogFont)), FALSE);
    return control;
}

void DeviceTableWindow::showDevices(const DeviceTableModel& table) {
    setWindowText(hwnd(), table.title);
    // A new simulation may have other devices: every control is made again.
    trace_.reset();
    for (HWND child = ::GetWindow(hwnd(), GW_CHILD); child; child = ::GetWindow(hwnd(), GW_CHILD))
        ::DestroyWindow(child);
    const std::size_t count = table.rows.size();
    rows_.assign(count, nullptr);
    inputs_.assign(count, false);
    shown_.assign(count, DeviceRow{});
    known_.assign(count, false);
    const int inner = kWidth - 2 * kMargin;
    int y = kMargin;
    add(L"STATIC", "", SS_LEFT, kCounterId, {kMargin, y, inner, 20});
    y += 20 + kGap;
    for (const bool inputs : {true, false}) {
        int rows = 0;
        for (const DeviceRow& row : table.rows) rows += row.input == inputs;
        const int top = y;
        const int height = 22 + std::max(rows, 1) * kRowHeight;
        add(L"STATIC", inputs ? kInputsCaption : kOutputsCaption, SS_LEFT, -1, {kMargin, top, inner, 20});
        y += 22;
        for (int d = 0; d < static_cast<int>(count); ++d) {
            if (table.rows[static_cast<std::size_t>(d)].input != inputs) continue;
            const int id = kFirstDeviceId + d;
            inputs_[static_cast<std::size_t>(d)] = inputs;
            const RECT place{kMargin + 12, y, inner - 12, kRowHeight - 4};
            rows_[static_cast<std::size_t>(d)] =
                inputs ? add(L"BUTTON", "", BS_CHECKBOX | BS_PUSHLIKE | WS_TABSTOP, id, place)
                       : add(L"STATIC", "", SS_LEFT | SS_CENTERIMAGE | SS_NOTIFY, id, place);
            y += kRowHeight;
        }
        y = top + height + kGap;
    }
    add(L"STATIC", "", SS_LEFT, kStackId, {kMargin, y, inner, 20});
    y += 20 + kGap;
    // The branch stack, for a list that uses one.
    if (!table.branchStack.empty()) {
        add(L"STATIC", "", SS_LEFT, kBranchStackId, {kMargin, y, inner, 20});
        y += 20 + kGap;
    }
    const int half = (inner - kGap) / 2;
    add(L"BUTTON", kRunText, BS_CHECKBOX | BS_PUSHLIKE | WS_TABSTOP, kRunPauseId, {kMargin, y, half, 26});
    const int labelWidth = 34;
    add(L"STATIC", kPeriodPrefix, SS_RIGHT | SS_CENTERIMAGE, -1, {kMargin + half + kGap, y, labelWidth, 26});
    add(L"EDIT", std::to_string(table.periodMs), ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, kPeriodId,
        {kMargin + half + kGap + labelWidth, y + 2, half - 2 * labelWidth, 22});
    add(L"STATIC", kPeriodSuffix, SS_LEFT | SS_CENTERIMAGE, -1, {kMargin + inner - labelWidth, y, labelWidth, 26});
    y += 26 + kGap;
    add(L"BUTTON", kOneScanText, BS_PUSHBUTTON | WS_TABSTOP, kOneScanId, {kMargin, y, half, 26});
    add(L"BUTTON", kOneStepText, BS_PUSHBUTTON | WS_TABSTOP, kOneStepId, {kMargin + half + kGap, y, half, 26});
    y += 26 + kGap;
    add(L"BUTTON", kResetText, BS_PUSHBUTTON | WS_TABSTOP, kResetId, {kMargin, y, half, 26});
    add(L"BUTTON", kStopText, BS_PUSHBUTTON | WS_TABSTOP, kStopId, {kMargin + half + kGap, y, half, 26});
    y += 26 + kGap;
    // The timing diagram, scaled to the table's width.
    trace_ = std::make_unique<PictureWindow>(hwnd(), kTraceId);
    const double traceScale = table.trace.width > 0 ? inner / table.trace.width : 1;
    const int traceHeight = static_cast<int>(table.trace.height * traceScale) + 1;
    ::SetWindowPos(trace_->hwnd(), nullptr, px(kMargin), px(y), px(inner), px(traceHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    trace_->hovered = [this](std::optional<double> x) { controller_.traceHovered(x); };
    y += traceHeight + kGap;
    add(L"BUTTON", kSaveTraceButton, BS_PUSHBUTTON | WS_TABSTOP, kSaveTraceId,
        {kMargin, y, half, 26});
    y += 26 + kMargin;
    RECT frame{0, 0, px(kWidth), px(y)};
    ::AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, static_cast<UINT>(dpi_));
    ::SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    refresh(table);
}

void DeviceTableWindow::refresh(const DeviceTableModel& table) {
    for (std::size_t d = 0; d < table.rows.size() && d < rows_.size(); ++d) {
        // Only a row whose state changes is set again.
        const DeviceRow& row = table.rows[d];
        if (known_[d] && shown_[d] == row) continue;
        known_[d] = true;
        shown_[d] = row;
        if (row.input) ::SendMessageW(rows_[d], BM_SETCHECK, row.on ? BST_CHECKED : BST_UNCHECKED, 0);
        setWindowText(rows_[d], row.text);
        if (!row.input) ::InvalidateRect(rows_[d], nullptr, TRUE);
    }
    setWindowText(control(kCounterId), table.counter);
    setWindowText(control(kStackId), table.stack);
    if (HWND branch = control(kBranchStackId)) setWindowText(branch, table.branchStack);
    if (trace_) trace_->setPicture(table.trace);
    playing_ = table.playing;
    ::SendMessageW(control(kRunPauseId), BM_SETCHECK, table.playing ? BST_CHECKED : BST_UNCHECKED, 0);
    setWindowText(control(kRunPauseId), table.runPause);
    ::EnableWindow(control(kOneScanId), table.stepsEnabled ? TRUE : FALSE);
    ::EnableWindow(control(kOneStepId), table.stepsEnabled ? TRUE : FALSE);
}

void DeviceTableWindow::placeIn(const DeviceTableRoom& room, std::optional<ScreenPoint> moved) {
    RECT table;
    ::GetWindowRect(hwnd(), &table);
    const PixelRect at = deviceTablePlace(room, {table.right - table.left, table.bottom - table.top}, moved);
    ::SetWindowPos(hwnd(), HWND_TOP, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND DeviceTableWindow::inputSwitch(int device) const {
    const auto d = static_cast<std::size_t>(device);
    return device >= 0 && d < rows_.size() && inputs_[d] ? rows_[d] : nullptr;
}

HWND DeviceTableWindow::lamp(int device) const {
    const auto d = static_cast<std::size_t>(device);
    return device >= 0 && d < rows_.size() && !inputs_[d] ? rows_[d] : nullptr;
}

bool DeviceTableWindow::lampOn(int device) const {
    return lamp(device) && shown_[static_cast<std::size_t>(device)].on;
}

LRESULT DeviceTableWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id >= kFirstDeviceId && code == BN_CLICKED && inputSwitch(id - kFirstDeviceId)) {
            controller_.toggleInput(id - kFirstDeviceId);
            return 0;
        }
        switch (id) {
        case kRunPauseId:
            if (code == BN_CLICKED) controller_.setPlaying(!playing_);
            return 0;
        case kPeriodId:
            if (code == EN_KILLFOCUS || code == EN_CHANGE) {
                BOOL ok = FALSE;
                const int ms = static_cast<int>(::GetDlgItemInt(hwnd(), kPeriodId, &ok, FALSE));
                // Only a period in range is taken; leaving the box shows the one in force.
                if (ok && ms >= kMinPeriodMs && ms <= kMaxPeriodMs) {
                    controller_.setPeriod(ms);
                }
            }
            return 0;
        case kOneScanId:
            if (code == BN_CLICKED) controller_.scanOnce();
            return 0;
        case kOneStepId:
            if (code == BN_CLICKED) controller_.stepOnce();
            return 0;
        case kResetId:
            if (code == BN_CLICKED) controller_.resetSimulation();
            return 0;
        case kSaveTraceId:
            if (code == BN_CLICKED) controller_.exportTrace();
            return 0;
        case kStopId:
        case IDCANCEL:
            if (code == BN_CLICKED) controller_.stopSimulation();
            return 0;
        default: break;
        }
        break;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        const int device = id - kFirstDeviceId;
        if (id >= kFirstDeviceId && lamp(device)) {
            const Rgb colour = shown_[static_cast<std::size_t>(device)].colour;
            ::SetTextColor(dc, colourOf(colour));
        }
        // Every label on the window's own face colour.
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    case WM_EXITSIZEMOVE: {
        // Moved by the user: it opens there next time.
        RECT frame;
        ::GetWindowRect(hwnd(), &frame);
        controller_.deviceTableMoved({frame.left, frame.top});
        return 0;
    }
    case WM_CLOSE:
        // Closing the table from its frame ends the simulation, as its stop button does.
        controller_.stopSimulation();
        return 0;
    default:
        break;
    }
    return byDefault(message, wParam, lParam);
}

}  // namespace lp::win
