// The sheet view while the largest sheet is simulated: a paint of the whole
// powered sheet, and in the maximized window one scan from the device table
// with the redraw of the highlighted sheet.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPushButton>

#include <memory>

#include "DeviceTableWindow.h"
#include "FullSheet.h"
#include "MainWindow.h"
#include "document/Document.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"
#include "SheetView.h"

namespace lp::bench {
namespace {

struct SimulatedWindow {
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    std::deque<QString> replies;
    SimulatedWindow() {
        window->userInterface().askText = [this](const QString&, const QString&, const QString&) {
            QString r = replies.empty() ? QStringLiteral("X99") : replies.front();
            if (!replies.empty()) replies.pop_front();
            return r;
        };
        window->userInterface().showMessage = [](const QString&, const QString&) {};
        window->showMaximized();
        QCoreApplication::processEvents();
        for (const SheetStep& step : fullSheetSteps()) {
            if (!step.reply.empty()) replies.push_back(QString::fromStdString(step.reply));
            window->controller().click(step.button);
        }
        window->controller().click(13);
        window->menuAction(MenuCommand::StartSimulation)->trigger();
        QCoreApplication::processEvents();
    }
    // Every input switched the other way.
    void toggleInputs() {
        Simulation& sim = window->controller().simulation().simulation();
        for (int d = 0; d < sim.deviceCount(); ++d)
            if (sim.isInput(d)) sim.toggleInput(d);
    }
};

// One scan from the device table, the sheet's marks, the table and Text1's
// highlight brought up to date, and the view repainted; every input changes
// before each scan, so every rung's power changes.
void BM_WindowScanWithRepaint(benchmark::State& state) {
    SimulatedWindow f;
    if (!f.window->controller().simulation().running()) {
        state.SkipWithError("the simulation did not start");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        f.toggleInputs();
        state.ResumeTiming();
        f.window->deviceTable()->oneScan()->click();
        f.window->Picture1()->viewport()->repaint();
    }
    state.counters["marks"] = static_cast<double>(f.window->Picture1()->marks().size());
    state.counters["view_height"] = f.window->Picture1()->viewport()->height();
}
BENCHMARK(BM_WindowScanWithRepaint)->Unit(benchmark::kMillisecond);

// The whole sheet painted with every input on: nearly every cell coloured.
void BM_SheetViewPaintPoweredFullSheet(benchmark::State& state) {
    SimulatedWindow f;
    f.toggleInputs();
    f.window->deviceTable()->oneScan()->click();
    SheetView view;
    view.showPicture(f.window->controller().ladder().picture);
    view.setMarks(f.window->Picture1()->marks(), {});
    view.resize(view.contentSize() + QSize(2 * view.frameWidth(), 2 * view.frameWidth()));
    view.show();
    QCoreApplication::processEvents();
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        view.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["marks"] = static_cast<double>(view.marks().size());
}
BENCHMARK(BM_SheetViewPaintPoweredFullSheet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lp::bench
