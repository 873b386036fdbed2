#pragma once
// The device table of a running simulation: a window of its own beside the
// main window (owned by it, not modal). Inputs with their switches, computed
// devices with their lamps, the scan counter, the stack of the last step,
// and the controls: run/pause, period, one scan, one step, reset, stop; the
// timing diagram of the last scans, which can be saved.
#include <functional>
#include <memory>
#include <vector>

#include "FontSet.h"
#include "PictureWindow.h"
#include "app/MainController.h"
#include "Window.h"
#include "app/DeviceTableModel.h"
#include "app/WindowPlacement.h"

namespace lp::win {

class DeviceTableWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = L"LadderPadDeviceTable";
    // Control ids: a device's switch or lamp is kFirstDeviceId + its number.
    static constexpr int kCounterId = 100, kStackId = 101, kRunPauseId = 102, kPeriodId = 103, kOneScanId = 104,
                         kOneStepId = 105, kResetId = 106, kStopId = 107, kBranchStackId = 108,
                         kTraceId = 109, kSaveTraceId = 110, kFirstDeviceId = 1000;

    // The controls act on the main controller's simulation.
    DeviceTableWindow(HWND owner, MainController& controller);

    // A new simulation: one row per device.
    void showDevices(const DeviceTableModel& table);
    // The rows, the counter, the stack and the controls as they are now.
    void refresh(const DeviceTableModel& table);

    // Where the user last moved it, else beside the main window, else clear
    // of its palette's column; inside the work area.
    void placeIn(const DeviceTableRoom& room, std::optional<ScreenPoint> moved);

    HWND inputSwitch(int device) const;
    HWND lamp(int device) const;
    HWND control(int id) const { return ::GetDlgItem(hwnd(), id); }
    // Whether the lamp of a computed device shows it pulled in.
    bool lampOn(int device) const;

    bool preTranslate(MSG& message) override { return ::IsDialogMessageW(hwnd(), &message) != FALSE; }

    // The timing diagram of the last scans.
    PictureWindow* trace() const { return trace_.get(); }

private:
    MainController& controller_;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    HWND add(const wchar_t* className, const std::string& text, DWORD style, int id, RECT place);
    int px(int dip) const;

    FontSet fonts_;
    int dpi_ = 96;
    std::vector<HWND> rows_;  // by device: its switch or lamp
    std::vector<bool> inputs_;  // by device: whether the user switches it
    std::vector<DeviceRow> shown_;  // by device: what its row shows
    std::vector<bool> known_;  // by device: its row shows something yet
    bool playing_ = false;
    std::unique_ptr<PictureWindow> trace_;
};

}  // namespace lp::win
