#pragma once
// A main view that draws nothing: for views without a window (the replay
// tool, tests), which answer only the boxes they need.
#include "app/MainView.h"

namespace lp {

class QuietView : public MainView {
public:
    void showSheet(const std::vector<std::string>&, int, int) override {}
    void showMarks(const std::vector<MarkShape>&, const std::vector<int>&) override {}
    void setButton(int, bool, bool) override {}
    void setText1(const std::string&) override {}
    void selectText1Line(std::size_t) override {}
    void setCaption(const std::string&) override {}
    void setMenuEnabled(MenuCommand, bool) override {}
    void showDeviceTable(const DeviceTableModel&, bool) override {}
    void hideDeviceTable() override {}
    void startTimer(int) override {}
    void stopTimer() override {}
    void showAbout() override {}
    void endProgram() override {}
};

}  // namespace lp
