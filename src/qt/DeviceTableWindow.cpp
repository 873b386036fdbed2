#include "DeviceTableWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/UserInterface.h"
#include "texts/DeviceTableTexts.h"
#include "texts/PowerColours.h"
#include "simulation/Simulation.h"

namespace lp {

namespace {

void clearLayout(QVBoxLayout* layout) {
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

QString colourStyle(Rgb c) { return QStringLiteral("QLabel { color: rgb(%1, %2, %3); }").arg(c.red).arg(c.green).arg(c.blue); }

QString lampStyle(bool on) { return colourStyle(on ? kLampOnColour : kLampOffColour); }

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

DeviceTableWindow::DeviceTableWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("DeviceTable"));
    setWindowTitle(text(kDeviceTableTitlePrefix) + QString::fromUtf8(kProgramTitle));
    auto* layout = new QVBoxLayout(this);

    counter_ = new QLabel(this);
    counter_->setObjectName(QStringLiteral("ScanCounter"));
    layout->addWidget(counter_);

    auto* inputBox = new QGroupBox(text(kInputsCaption), this);
    inputs_ = new QVBoxLayout(inputBox);
    layout->addWidget(inputBox);
    auto* outputBox = new QGroupBox(text(kOutputsCaption), this);
    outputs_ = new QVBoxLayout(outputBox);
    layout->addWidget(outputBox);

    stack_ = new QLabel(this);
    stack_->setObjectName(QStringLiteral("Stack"));
    layout->addWidget(stack_);

    auto* controls = new QGridLayout;
    runPause_ = new QPushButton(text(kRunText), this);
    runPause_->setObjectName(QStringLiteral("RunPause"));
    runPause_->setCheckable(true);
    period_ = new QSpinBox(this);
    period_->setObjectName(QStringLiteral("Period"));
    period_->setRange(kMinPeriodMs, kMaxPeriodMs);
    period_->setSingleStep(kPeriodStepMs);
    period_->setPrefix(text(kPeriodPrefix));
    period_->setSuffix(text(kPeriodSuffix));
    oneScan_ = new QPushButton(text(kOneScanText), this);
    oneScan_->setObjectName(QStringLiteral("OneScan"));
    oneStep_ = new QPushButton(text(kOneStepText), this);
    oneStep_->setObjectName(QStringLiteral("OneStep"));
    reset_ = new QPushButton(text(kResetText), this);
    reset_->setObjectName(QStringLiteral("Reset"));
    stop_ = new QPushButton(text(kStopText), this);
    stop_->setObjectName(QStringLiteral("Stop"));
    controls->addWidget(runPause_, 0, 0);
    controls->addWidget(period_, 0, 1);
    controls->addWidget(oneScan_, 1, 0);
    controls->addWidget(oneStep_, 1, 1);
    controls->addWidget(reset_, 2, 0);
    controls->addWidget(stop_, 2, 1);
    layout->addLayout(controls);
    layout->addStretch(1);

    connect(runPause_, &QPushButton::toggled, this, [this](bool on) {
        if (playChanged) playChanged(on);
    });
    connect(period_, &QSpinBox::valueChanged, this, [this](int ms) {
        if (periodChanged) periodChanged(ms);
    });
    connect(oneScan_, &QPushButton::clicked, this, [this] {
        if (scanOnce) scanOnce();
    });
    connect(oneStep_, &QPushButton::clicked, this, [this] {
        if (stepOnce) stepOnce();
    });
    connect(reset_, &QPushButton::clicked, this, [this] {
        if (reset) reset();
    });
    connect(stop_, &QPushButton::clicked, this, [this] {
        if (stop) stop();
    });
}

void DeviceTableWindow::showDevices(Simulation& simulation, int periodMs) {
    clearLayout(inputs_);
    clearLayout(outputs_);
    switches_.assign(static_cast<std::size_t>(simulation.deviceCount()), nullptr);
    lamps_.assign(static_cast<std::size_t>(simulation.deviceCount()), nullptr);
    shown_.assign(static_cast<std::size_t>(simulation.deviceCount()), -1);
    for (int d = 0; d < simulation.deviceCount(); ++d) {
        const QString name = QString::fromStdString(simulation.deviceNames()[static_cast<std::size_t>(d)]);
        if (simulation.isInput(d)) {
            auto* button = new QPushButton(name);
            button->setObjectName(QStringLiteral("Input_") + name);
            button->setCheckable(true);
            connect(button, &QPushButton::clicked, this, [this, d] {
                if (toggleInput) toggleInput(d);
            });
            inputs_->addWidget(button);
            switches_[static_cast<std::size_t>(d)] = button;
        } else {
            auto* lamp = new QLabel;
            lamp->setObjectName(QStringLiteral("Lamp_") + name);
            outputs_->addWidget(lamp);
            lamps_[static_cast<std::size_t>(d)] = lamp;
        }
    }
    {
        const QSignalBlocker block(period_);
        period_->setValue(periodMs);
    }
    refresh(simulation, false);
}

void DeviceTableWindow::refresh(Simulation& simulation, bool playing) {
    const std::vector<std::string>& wrongCoils = simulation.differs();
    for (int d = 0; d < simulation.deviceCount(); ++d) {
        const bool on = simulation.value(d);
        const std::string& name = simulation.deviceNames()[static_cast<std::size_t>(d)];
        const bool differs = !simulation.isInput(d) && std::binary_search(wrongCoils.begin(), wrongCoils.end(), name);
        // Only a row whose state changes is set again: a label's style is slow to set.
        int& shown = shown_[static_cast<std::size_t>(d)];
        if (shown == (on ? 1 : 0) + (differs ? 2 : 0)) continue;
        shown = (on ? 1 : 0) + (differs ? 2 : 0);
        if (QPushButton* s = switches_[static_cast<std::size_t>(d)]) {
            const QSignalBlocker block(s);
            s->setChecked(on);
            s->setText(text(inputSwitchText(name, on)));
        }
        if (QLabel* lamp = lamps_[static_cast<std::size_t>(d)]) {
            lamp->setText(text(lampText(name, on, differs)));
            lamp->setStyleSheet(differs ? colourStyle(kDiffersColour) : lampStyle(on));
        }
    }
    counter_->setText(text(scanCounterText(simulation.scans())));
    stack_->setText(text(stackText(simulation.stack(), simulation.lastStepLine())));
    {
        const QSignalBlocker block(runPause_);
        runPause_->setChecked(playing);
    }
    runPause_->setText(text(playing ? kPauseText : kRunText));
    oneScan_->setEnabled(!playing);
    oneStep_->setEnabled(!playing);
}

void DeviceTableWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (stop) stop();
}

QPushButton* DeviceTableWindow::inputSwitch(int device) const {
    return device >= 0 && static_cast<std::size_t>(device) < switches_.size() ? switches_[static_cast<std::size_t>(device)] : nullptr;
}

QLabel* DeviceTableWindow::lamp(int device) const {
    return device >= 0 && static_cast<std::size_t>(device) < lamps_.size() ? lamps_[static_cast<std::size_t>(device)] : nullptr;
}

}  // namespace lp
