#pragma once
// The device table of a running simulation: a window of its own beside the
// main window, not modal. Inputs with their switches, computed devices with
// their lamps, the scan counter, the stack of the last step, and the
// controls: run/pause, period, one scan, one step, reset, stop.
#include <functional>
#include <vector>

#include <QWidget>

#include "app/DeviceTableModel.h"
#include "app/MainController.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace lp {

class PictureView;

class DeviceTableWindow : public QWidget {
    Q_OBJECT
public:
    // The controls act on the main controller's simulation.
    DeviceTableWindow(MainController& controller, QWidget* parent = nullptr);

    // The table as the model has it: `opened` for a new simulation (one row
    // per device), else only what changed is set again.
    void showTable(const DeviceTableModel& model, bool opened);

    QPushButton* inputSwitch(int device) const;
    QLabel* lamp(int device) const;
    QLabel* scanCounter() const { return counter_; }
    QLabel* stackLabel() const { return stack_; }
    QLabel* branchStackLabel() const { return branchStack_; }
    PictureView* trace() const { return trace_; }
    QPushButton* runPause() const { return runPause_; }
    QSpinBox* period() const { return period_; }
    QPushButton* oneScan() const { return oneScan_; }
    QPushButton* oneStep() const { return oneStep_; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* stopButton() const { return stop_; }
    QPushButton* saveTraceButton() const { return saveTrace_; }

    // Moves the table without taking it for a move of the user's.
    void placeAt(const QPoint& topLeft);

protected:
    // Closing the table from its frame ends the simulation, as its stop button does.
    void closeEvent(QCloseEvent* event) override;
    // A move of the user's is kept for the next time the table opens.
    void moveEvent(QMoveEvent* event) override;

private:
    MainController& controller_;
    QVBoxLayout* inputs_ = nullptr;
    QVBoxLayout* outputs_ = nullptr;
    std::vector<QPushButton*> switches_;  // by device, null for computed ones
    std::vector<QLabel*> lamps_;          // by device, null for inputs
    std::vector<DeviceRow> shown_;        // by device: what its row shows
    QLabel* counter_ = nullptr;
    QLabel* stack_ = nullptr;
    QLabel* branchStack_ = nullptr;
    PictureView* trace_ = nullptr;
    QPushButton* runPause_ = nullptr;
    QSpinBox* period_ = nullptr;
    QPushButton *oneScan_ = nullptr, *oneStep_ = nullptr, *reset_ = nullptr, *stop_ = nullptr;
    QPushButton* saveTrace_ = nullptr;
    bool placing_ = false;
};

}  // namespace lp
