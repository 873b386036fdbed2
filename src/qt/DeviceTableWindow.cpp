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

#include "sheet/UserInterface.h"
#include "simulation/Simulation.h"

namespace lp {

namespace {

void clearLayout(QVBoxLayout* layout) {
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

QString lampStyle(bool on) {
    return on ? QStringLiteral("QLabel { color: rgb(0, 170, 0); }") : QStringLiteral("QLabel { color: rgb(150, 150, 150); }");
}

}  // namespace

DeviceTableWindow::DeviceTableWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("DeviceTable"));
    setWindowTitle(QStringLiteral("器件表 — ") + QString::fromUtf8(kProgramTitle));
    auto* layout = new QVBoxLayout(this);

    counter_ = new QLabel(this);
    counter_->setObjectName(QStringLiteral("ScanCounter"));
    layout->addWidget(counter_);

    auto* inputBox = new QGroupBox(QStringLiteral("输入（点按切换）"), this);
    inputs_ = new QVBoxLayout(inputBox);
    layout->addWidget(inputBox);
    auto* outputBox = new QGroupBox(QStringLiteral("输出"), this);
    outputs_ = new QVBoxLayout(outputBox);
    layout->addWidget(outputBox);

    stack_ = new QLabel(this);
    stack_->setObjectName(QStringLiteral("Stack"));
    layout->addWidget(stack_);

    auto* controls = new QGridLayout;
    runPause_ = new QPushButton(QStringLiteral("运行"), this);
    runPause_->setObjectName(QStringLiteral("RunPause"));
    runPause_->setCheckable(true);
    period_ = new QSpinBox(this);
    period_->setObjectName(QStringLiteral("Period"));
    period_->setRange(10, 10000);
    period_->setSingleStep(10);
    period_->setPrefix(QStringLiteral("周期 "));
    period_->setSuffix(QStringLiteral(" 毫秒"));
    oneScan_ = new QPushButton(QStringLiteral("扫描一次"), this);
    oneScan_->setObjectName(QStringLiteral("OneScan"));
    oneStep_ = new QPushButton(QStringLiteral("单步"), this);
    oneStep_->setObjectName(QStringLiteral("OneStep"));
    reset_ = new QPushButton(QStringLiteral("复位"), this);
    reset_->setObjectName(QStringLiteral("Reset"));
    stop_ = new QPushButton(QStringLiteral("停止仿真"), this);
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
            s->setText(QString::fromStdString(name) + (on ? QStringLiteral(" = 1（接通）") : QStringLiteral(" = 0（断开）")));
        }
        if (QLabel* lamp = lamps_[static_cast<std::size_t>(d)]) {
            const bool wrong = differs;
            QString text = (on ? QStringLiteral("● ") : QStringLiteral("○ ")) + QString::fromStdString(name) +
                           (on ? QStringLiteral(" = 1") : QStringLiteral(" = 0"));
            if (wrong) text += QStringLiteral("  ≠ 梯形图");
            lamp->setText(text);
            lamp->setStyleSheet(wrong ? QStringLiteral("QLabel { color: rgb(220, 0, 0); }") : lampStyle(on));
        }
    }
    QString counter = QStringLiteral("扫描次数：%1").arg(simulation.scans());
    counter_->setText(counter);
    QString stack = QStringLiteral("栈（自底向上）：");
    if (simulation.stack().empty()) stack += QStringLiteral("空");
    for (std::size_t i = 0; i < simulation.stack().size(); ++i) {
        if (i) stack += ' ';
        stack += simulation.stack()[i] ? '1' : '0';
    }
    if (const std::size_t line = simulation.lastStepLine()) stack += QStringLiteral("　（第%1行之后）").arg(line);
    stack_->setText(stack);
    {
        const QSignalBlocker block(runPause_);
        runPause_->setChecked(playing);
    }
    runPause_->setText(playing ? QStringLiteral("暂停") : QStringLiteral("运行"));
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
