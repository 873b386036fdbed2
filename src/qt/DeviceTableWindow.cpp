#include "DeviceTableWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMoveEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "PictureView.h"
#include "app/PictureExport.h"
#include "app/UserInterface.h"
#include "texts/DeviceTableTexts.h"

namespace lp {

namespace {

void clearLayout(QVBoxLayout* layout) {
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

QString colourStyle(Rgb c) { return QStringLiteral("QLabel { color: rgb(%1, %2, %3); }").arg(c.red).arg(c.green).arg(c.blue); }

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

DeviceTableWindow::DeviceTableWindow(MainController& controller, QWidget* parent)
    : QWidget(parent, Qt::Tool), controller_(controller) {
    setObjectName(QStringLiteral("DeviceTable"));
    setWindowTitle(text(std::string(kDeviceTableTitlePrefix) + kProgramTitle));
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
    branchStack_ = new QLabel(this);
    branchStack_->setObjectName(QStringLiteral("BranchStack"));
    branchStack_->hide();
    layout->addWidget(branchStack_);
    trace_ = new PictureView(this);
    trace_->setObjectName(QStringLiteral("Trace"));
    layout->addWidget(trace_);
    trace_->setMouseTracking(true);
    trace_->hovered = [this](std::optional<double> x) { controller_.traceHovered(x); };

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
    saveTrace_ = new QPushButton(text(kSaveTraceButton), this);
    saveTrace_->setObjectName(QStringLiteral("SaveTrace"));
    controls->addWidget(saveTrace_, 3, 0, 1, 2);
    layout->addLayout(controls);
    layout->addStretch(1);

    connect(runPause_, &QPushButton::toggled, this, [this](bool on) {
        controller_.setPlaying(on);
    });
    connect(period_, &QSpinBox::valueChanged, this, [this](int ms) {
        controller_.setPeriod(ms);
    });
    connect(oneScan_, &QPushButton::clicked, this, [this] {
        controller_.scanOnce();
    });
    connect(oneStep_, &QPushButton::clicked, this, [this] {
        controller_.stepOnce();
    });
    connect(reset_, &QPushButton::clicked, this, [this] {
        controller_.resetSimulation();
    });
    connect(stop_, &QPushButton::clicked, this, [this] {
        controller_.stopSimulation();
    });
    connect(saveTrace_, &QPushButton::clicked, this, [this] { controller_.exportTrace(); });
}

void DeviceTableWindow::showTable(const DeviceTableModel& model, bool opened) {
    if (opened) {
        clearLayout(inputs_);
        clearLayout(outputs_);
        switches_.assign(model.rows.size(), nullptr);
        lamps_.assign(model.rows.size(), nullptr);
        shown_.assign(model.rows.size(), DeviceRow{});
        for (std::size_t d = 0; d < model.rows.size(); ++d) {
            const QString name = text(model.rows[d].name);
            if (model.rows[d].input) {
                auto* button = new QPushButton(name);
                button->setObjectName(QStringLiteral("Input_") + name);
                button->setCheckable(true);
                connect(button, &QPushButton::clicked, this, [this, d] {
                    controller_.toggleInput(static_cast<int>(d));
                });
                inputs_->addWidget(button);
                switches_[d] = button;
            } else {
                auto* lamp = new QLabel;
                lamp->setObjectName(QStringLiteral("Lamp_") + name);
                outputs_->addWidget(lamp);
                lamps_[d] = lamp;
            }
        }
        const QSignalBlocker block(period_);
        period_->setValue(model.periodMs);
    }
    for (std::size_t d = 0; d < model.rows.size() && d < shown_.size(); ++d) {
        const DeviceRow& row = model.rows[d];
        // Only a row whose state changes is set again: a label's style is slow to set.
        if (!opened && shown_[d] == row) continue;
        shown_[d] = row;
        if (QPushButton* s = switches_[d]) {
            const QSignalBlocker block(s);
            s->setChecked(row.on);
            s->setText(text(row.text));
        }
        if (QLabel* lamp = lamps_[d]) {
            lamp->setText(text(row.text));
            lamp->setStyleSheet(colourStyle(row.colour));
        }
    }
    counter_->setText(text(model.counter));
    stack_->setText(text(model.stack));
    branchStack_->setText(text(model.branchStack));
    branchStack_->setVisible(!model.branchStack.empty());
    trace_->setPicture(model.trace);
    {
        const QSignalBlocker block(runPause_);
        runPause_->setChecked(model.playing);
    }
    runPause_->setText(text(model.runPause));
    oneScan_->setEnabled(model.stepsEnabled);
    oneStep_->setEnabled(model.stepsEnabled);
}

void DeviceTableWindow::placeAt(const QPoint& topLeft) {
    placing_ = true;
    move(topLeft);
    placing_ = false;
}

void DeviceTableWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!placing_ && isVisible() && event->spontaneous()) controller_.deviceTableMoved({x(), y()});
}

void DeviceTableWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    controller_.stopSimulation();
}

QPushButton* DeviceTableWindow::inputSwitch(int device) const {
    return device >= 0 && static_cast<std::size_t>(device) < switches_.size() ? switches_[static_cast<std::size_t>(device)] : nullptr;
}

QLabel* DeviceTableWindow::lamp(int device) const {
    return device >= 0 && static_cast<std::size_t>(device) < lamps_.size() ? lamps_[static_cast<std::size_t>(device)] : nullptr;
}

}  // namespace lp
