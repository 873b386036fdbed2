// Speed of the windows on the largest sheet: the sheet view painting all of
// it into an offscreen image, a click in the main window with its redraw
// and repaint, and the start of the program up to the login dialog (and its
// memory with the full sheet drawn), measured on the start-up probe.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <ctime>
#include <memory>
#include <sstream>
#include <string>

#include "FullSheet.h"
#include "MainWindow.h"
#include "document/Document.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"
#include "SheetView.h"
#include "sheet/Ladder.h"

extern char** environ;

namespace lp::bench {
namespace {

std::vector<std::string> fullSheetPicture() {
    QuietUserInterface ui;
    Ladder ladder(ui);
    ladder.Form_Load();
    ladder.Form_Activate();
    play(ladder, ui, fullSheetSteps());
    ladder.Fresh();
    return ladder.picture;
}

// The view made as large as the whole sheet, so that a paint draws all of it.
void showFullSize(SheetView& view, const std::vector<std::string>& picture) {
    view.showPicture(picture);
    view.resize(view.contentSize() + QSize(2 * view.frameWidth(), 2 * view.frameWidth()));
    view.show();
    QCoreApplication::processEvents();
}

void BM_SheetViewPaintFullSheet(benchmark::State& state) {
    SheetView view;
    showFullSize(view, fullSheetPicture());
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        view.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["width"] = image.width();
    state.counters["height"] = image.height();
}
BENCHMARK(BM_SheetViewPaintFullSheet)->Unit(benchmark::kMillisecond);

// The showing of a new picture (what every command does) plus its paint.
void BM_SheetViewShowAndPaintFullSheet(benchmark::State& state) {
    const std::vector<std::string> picture = fullSheetPicture();
    SheetView view;
    showFullSize(view, picture);
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.showPicture(picture);
        view.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_SheetViewShowAndPaintFullSheet)->Unit(benchmark::kMillisecond);

// The main window, maximized, with the sheet drawn to the last rung; one
// click on a series contact: the command, the redraw and the repaint.
struct WindowFixture {
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    std::deque<QString> replies;
    // height 0: maximized on the (offscreen) screen; else a window of a
    // full-HD screen's work area, as tall as the given height.
    explicit WindowFixture(int height = 0) {
        window->userInterface().askText = [this](const QString&, const QString&, const QString&) {
            QString r = replies.empty() ? QStringLiteral("X99") : replies.front();
            if (!replies.empty()) replies.pop_front();
            return r;
        };
        window->userInterface().showMessage = [](const QString&, const QString&) {};
        if (height == 0) {
            window->showMaximized();
        } else {
            window->show();
            window->resize(1920, height);
        }
        QCoreApplication::processEvents();
        for (const SheetStep& step : fullSheetSteps(9)) {
            if (!step.reply.empty()) replies.push_back(QString::fromStdString(step.reply));
            window->controller().click(step.button);
        }
        window->repaint();
    }
};

void BM_WindowClickWithRepaint(benchmark::State& state) {
    WindowFixture f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.window->controller().click(5);
        f.window->Picture1()->viewport()->repaint();
        state.PauseTiming();
        f.window->controller().click(10);
        f.window->Picture1()->viewport()->repaint();
        state.ResumeTiming();
    }
    if (f.window->controller().ladder().state.CurRow != 260 || f.window->controller().ladder().state.CurCol != 46)
        state.SkipWithError("the sheet is not the one described");
    state.counters["view_height"] = f.window->Picture1()->viewport()->height();
}
BENCHMARK(BM_WindowClickWithRepaint)->Arg(0)->Arg(1040)->Unit(benchmark::kMillisecond);

void BM_WindowStepBackWithRepaint(benchmark::State& state) {
    WindowFixture f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.window->controller().click(5);
        f.window->Picture1()->viewport()->repaint();
        state.ResumeTiming();
        f.window->controller().click(10);
        f.window->Picture1()->viewport()->repaint();
    }
}
BENCHMARK(BM_WindowStepBackWithRepaint)->Arg(0)->Arg(1040)->Unit(benchmark::kMillisecond);

long long realtimeNs() {
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Runs the probe with one option and returns what it printed.
bool runProbe(const char* option, std::string& out) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const std::string probe = LADDERPAD_PROBE_PATH;
    char* argv[] = {const_cast<char*>(probe.c_str()), const_cast<char*>(option), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    out.clear();
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    return rc == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

long long valueOf(const std::string& out, const std::string& key) {
    const std::size_t at = out.find(key + "=");
    return at == std::string::npos ? -1 : std::stoll(out.substr(at + key.size() + 1));
}

// From the start of the process to the first paint of the login dialog.
void BM_StartupToLoginDialog(benchmark::State& state) {
    long long peakKb = 0;
    for (auto _ : state) {
        const long long start = realtimeNs();
        std::string out;
        if (!runProbe("--login", out) || valueOf(out, "shown_ns") < 0) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
        state.SetIterationTime(static_cast<double>(valueOf(out, "shown_ns") - start) / 1e9);
        peakKb = valueOf(out, "peak_kb");
    }
    state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(BM_StartupToLoginDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Resident memory of the running program: logged in, the full sheet drawn
// in the maximized main window and converted.
void BM_MemoryWithFullSheet(benchmark::State& state) {
    long long rssKb = 0, peakKb = 0;
    for (auto _ : state) {
        std::string out;
        if (!runProbe("--full-sheet", out) || valueOf(out, "rss_kb") < 0) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
        rssKb = valueOf(out, "rss_kb");
        peakKb = valueOf(out, "peak_kb");
    }
    state.counters["rss_MB"] = static_cast<double>(rssKb) / 1024.0;
    state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(BM_MemoryWithFullSheet)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace lp::bench
