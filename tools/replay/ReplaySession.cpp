#include "ReplaySession.h"

#include <exception>
#include <optional>

#include "ReplayView.h"
#include "SimulationDump.h"
#include "StateDump.h"
#include "Utf8.h"
#include "app/MainController.h"
#include "statement/ListCheckCommand.h"

namespace lp {

namespace {

constexpr std::size_t kMaxLine = 1 << 20;

struct LineError {
    std::string message;
};

enum class LineRead { Line, TooLong, End };

// Reads one line (without its '\n'), never holding more than `limit` bytes
// of it: a longer line is reported as such, whatever follows.
LineRead readLine(std::istream& in, std::string& line, std::size_t limit) {
    line.clear();
    std::streambuf* buf = in.rdbuf();
    for (;;) {
        int c;
        try {
            c = buf->sbumpc();
        } catch (const std::exception&) {  // e.g. a folder given as the script
            in.setstate(std::ios::badbit);
            return LineRead::End;
        }
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return line.empty() ? LineRead::End : LineRead::Line;
        }
        if (c == '\n') return LineRead::Line;
        if (line.size() >= limit) return LineRead::TooLong;
        line += static_cast<char>(c);
    }
}

std::optional<int> parseButton(const std::string& arg) {
    if (arg.empty() || arg.size() > 2) return std::nullopt;
    int n = 0;
    for (char c : arg) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > 22 || (arg.size() == 2 && arg[0] == '0')) return std::nullopt;
    return n;
}

struct RenameArgs {
    int row, col;
    bool all;
};

// "ROW COL" or "ROW COL all": a cell of the sheet, numbers of up to 3 digits.
std::optional<RenameArgs> parseRename(const std::string& arg) {
    RenameArgs args{0, 0, false};
    std::size_t at = 0;
    for (int* number : {&args.row, &args.col}) {
        const std::size_t end = arg.find(' ', at);
        const std::string digits = arg.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (digits.empty() || digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        *number = std::stoi(digits);
        if (end == std::string::npos) {
            if (number == &args.row) return std::nullopt;
            return args;
        }
        at = end + 1;
    }
    if (arg.substr(at) != "all") return std::nullopt;
    args.all = true;
    return args;
}

std::string unescapeText(const std::string& arg) {
    std::string text;
    for (std::size_t i = 0; i < arg.size(); ++i) {
        if (arg[i] != '\\') {
            text += arg[i];
            continue;
        }
        if (i + 1 >= arg.size()) throw LineError{"a lone backslash ends the text"};
        const char next = arg[++i];
        if (next == 'n')
            text += '\n';
        else if (next == '\\')
            text += '\\';
        else
            throw LineError{std::string("unknown escape \\") + next + " in the text"};
    }
    return text;
}

// "sim start|set NAME V|scan [N]|step|reset|stop".
void simCommand(const std::string& arg, MainController& controller, std::ostream& out, bool files) {
    const std::size_t space = arg.find(' ');
    const std::string what = arg.substr(0, space);
    const std::string rest = space == std::string::npos ? std::string() : arg.substr(space + 1);
    const bool known = what == "start" || what == "set" || what == "scan" || what == "step" || what == "reset" ||
                       what == "stop" || what == "trace";
    if (!known) throw LineError{"sim needs start, set, scan, step, reset, stop or trace"};
    if (what == "start") {
        if (!rest.empty() || space != std::string::npos) throw LineError{"sim start takes no argument"};
        if (controller.startSimulation()) out << "sim: started\n";
        return;
    }
    long scans = 1;
    bool on = false;
    std::string name;
    if (what == "set") {
        if (rest.size() < 3 || rest[rest.size() - 2] != ' ' || (rest.back() != '0' && rest.back() != '1'))
            throw LineError{"sim set needs a device name and 0 or 1"};
        name = rest.substr(0, rest.size() - 2);
        on = rest.back() == '1';
    } else if (what == "scan" && space != std::string::npos) {
        if (rest.empty() || rest.size() > 7 || rest.find_first_not_of("0123456789") != std::string::npos ||
            (scans = std::stol(rest)) < 1)
            throw LineError{"sim scan takes a number of scans from 1 to 9999999"};
    } else if (what == "trace") {
        if (rest.empty()) throw LineError{"sim trace needs the path of a .csv or .svg file"};
        if (!files) throw LineError{"files are off in this run"};
    } else if (space != std::string::npos) {
        throw LineError{"sim " + what + " takes no argument"};
    }
    if (!controller.simulating()) {
        out << "sim: not running\n";
        return;
    }
    if (what == "set") {
        if (!controller.setInput(name, on)) out << "sim: " << name << " is not an input\n";
    } else if (what == "scan") {
        controller.scan(scans);
    } else if (what == "step") {
        controller.stepOnce();
    } else if (what == "trace") {
        controller.saveTrace(rest);
    } else if (what == "reset") {
        controller.resetSimulation();
    } else {
        controller.stopSimulation();
    }
}

}  // namespace

int runReplay(std::istream& script, std::ostream& out, std::ostream& err, const ReplayOptions& options) {
    ReplayView view(out);
    MainController controller(view);
    controller.setExportDir(options.exportDir);
    controller.load();

    std::string line;
    long lineNo = 0;
    for (;;) {
        const LineRead read = readLine(script, line, kMaxLine + 1);  // room for a trailing CR
        if (read == LineRead::End) break;
        ++lineNo;
        const std::string where = "error: line " + std::to_string(lineNo) + ": ";
        try {
            if (read == LineRead::TooLong) throw LineError{"the line is longer than 1 MiB"};
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.size() > kMaxLine) throw LineError{"the line is longer than 1 MiB"};
            if (!isValidUtf8(line)) throw LineError{"the line is not valid UTF-8"};
            if (line.empty() || line[0] == '#') continue;

            const std::size_t space = line.find(' ');
            const std::string verb = line.substr(0, space);
            const bool hasArg = space != std::string::npos;
            const std::string arg = hasArg ? line.substr(space + 1) : std::string();

            if (verb == "click") {
                const auto n = parseButton(arg);
                if (!hasArg || !n) throw LineError{"click needs a button number from 1 to 22"};
                const ClickResult result = controller.click(*n);
                if (result == ClickResult::Ignored) out << "ignored: click " << *n << '\n';
                if (result == ClickResult::NotBuilt) throw LineError{"not built yet"};
                if (view.exited()) {
                    out.flush();
                    return 0;
                }
            } else if (verb == "undo" || verb == "redo") {
                if (hasArg) throw LineError{verb + " takes no argument"};
                if (!(verb == "undo" ? controller.undo() : controller.redo())) out << "ignored: " << verb << '\n';
            } else if (verb == "rename") {
                const auto cell = parseRename(arg);
                if (!hasArg || !cell) throw LineError{"rename needs a row, a column and optionally all"};
                if (!controller.renameAt(cell->row, cell->col, cell->all)) out << "ignored: rename " << arg << '\n';
            } else if (verb == "new") {
                if (hasArg) throw LineError{"new takes no argument"};
                view.useFiles();
                controller.newDrawing();
            } else if (verb == "picture") {
                if (!hasArg || arg.empty()) throw LineError{"picture needs the path of an .svg file"};
                if (!options.drawingFiles) throw LineError{"files are off in this run"};
                controller.savePictureSvg(arg);
            } else if (verb == "zoom") {
                if (arg == "in")
                    controller.menuCommand(MenuCommand::ZoomIn);
                else if (arg == "out")
                    controller.menuCommand(MenuCommand::ZoomOut);
                else if (arg == "actual")
                    controller.menuCommand(MenuCommand::ActualSize);
                else if (arg.rfind("wheel ", 0) == 0 && arg.size() > 6 && arg.size() < 10 &&
                         arg.find_first_not_of("-0123456789", 6) == std::string::npos &&
                         arg.find('-', 7) == std::string::npos && arg != "wheel -")
                    controller.zoomByWheel(std::stoi(arg.substr(6)));
                else
                    throw LineError{"zoom needs in, out, actual or wheel N"};
                out << "zoom: " << controller.zoom() << "%\n";
            } else if (verb == "tip") {
                const auto n = parseButton(arg);
                if (!hasArg || !n) throw LineError{"tip needs a button number from 1 to 22"};
                out << "tip: " << *n << ' ' << controller.buttonTip(*n) << '\n';
            } else if (verb == "answer") {
                view.queueReply(arg);
            } else if (verb == "text") {
                const std::string text = unescapeText(arg);
                controller.text1Edited(text);
            } else if (verb == "save" || verb == "open") {
                if (!hasArg || arg.empty()) throw LineError{verb + " needs the path of a drawing file"};
                if (!options.drawingFiles) throw LineError{"save and open are off in this run"};
                view.useFiles();
                if (verb == "save")
                    controller.saveTo(arg);
                else
                    controller.openFile(arg);
            } else if (verb == "leave") {
                view.useFiles();
                if (arg == "保存")
                    view.queueLeaveAnswer(UserInterface::SaveAnswer::Save);
                else if (arg == "不保存")
                    view.queueLeaveAnswer(UserInterface::SaveAnswer::DontSave);
                else if (arg == "取消")
                    view.queueLeaveAnswer(UserInterface::SaveAnswer::Cancel);
                else
                    throw LineError{"leave needs 保存, 不保存 or 取消"};
            } else if (verb == "dump") {
                if (hasArg) throw LineError{"dump takes no argument"};
                std::string dump = stateDump(controller.ladder());
                if (controller.simulating()) dump.insert(dump.size() - 4, simulationSection(controller.simulation()));
                out << dump;
            } else if (verb == "check") {
                if (hasArg) throw LineError{"check takes no argument"};
                out << checkLine(checkText1(controller.ladder()));
            } else if (verb == "sim") {
                if (!hasArg) throw LineError{"sim needs start, set, scan, step, reset, stop or trace"};
                simCommand(arg, controller, out, options.drawingFiles);
            } else {
                throw LineError{"unknown command \"" + verb + "\""};
            }
        } catch (const LineError& e) {
            out.flush();
            err << where << e.message << '\n';
            return 2;
        } catch (const NoReplyLeft&) {
            out.flush();
            err << where << "the name prompt has no reply left\n";
            return 2;
        } catch (const NoAnswerLeft&) {
            out.flush();
            err << where << "the question before leaving has no answer left (give one with leave)\n";
            return 2;
        }
    }
    if (script.bad()) {
        err << "error: the script could not be read\n";
        return 2;
    }
    out.flush();
    return 0;
}

}  // namespace lp
