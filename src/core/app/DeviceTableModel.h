#pragma once
// The device table of a running simulation as rows and texts: what a view
// shows, whatever toolkit draws it.
#include <string>
#include <vector>

#include "app/PictureModel.h"
#include "texts/PowerColours.h"

namespace lp {

struct DeviceRow {
    std::string name;
    bool input = false;  // an input's switch, which the user clicks; else a lamp
    bool on = false;
    bool differs = false;  // the list leaves the device with another value than the drawing
    std::string text;      // "X01 = 1（接通）", "● Y01 = 1  ≠ 梯形图"
    Rgb colour{};          // a lamp's text colour
    bool operator==(const DeviceRow&) const = default;
};

struct DeviceTableModel {
    std::string title;
    std::vector<DeviceRow> rows;  // by device number
    std::string counter;          // "扫描次数：N"
    std::string stack;            // the block stack after the last step
    std::string branchStack;      // the branch stack (MPS); "" when the list has none
    bool playing = false;         // the continuous run is on
    std::string runPause;         // "运行" or "暂停"
    int periodMs = 0;
    bool stepsEnabled = true;     // one scan and one step, while not playing
    Picture trace;                // the timing diagram of the last scans
    bool operator==(const DeviceTableModel&) const = default;
};

}  // namespace lp
