#include "ReplaySession.h"

#include <exception>
#include <optional>

#include "ReplayUserInterface.h"
#include "SimulationDump.h"
#include "StateDump.h"
#include "Utf8.h"
#include "app/ButtonTips.h"
#include "app/Buttons.h"
#include "statement/ListCheckCommand.h"
#include "document/DocumentCommands.h"
#include "document/Document.h"
#include "sheet/Ladder.h"
#include "simulation/SimulationSession.h"

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
void simCommand(const std::string& arg, Ladder& ladder, SimulationSession& session, std::ostream& out) {
    const std::size_t space = arg.find(' ');
    const std::string what = arg.substr(0, space);
    const std::string rest = space == std::string::npos ? std::string() : arg.substr(space + 1);
    const bool known = what == "start" || what == "set" || what == "scan" || what == "step" || what == "reset" ||
                       what == "stop";
    if (!known) throw LineError{"sim needs start, set, scan, step, reset or stop"};
    if (what == "start") {
        if (!rest.empty() || space != std::string::npos) throw LineError{"sim start takes no argument"};
        if (const auto refusal = session.start(ladder))
            out << "sim: refused: " << *refusal << '\n';
        else
            out << "sim: started\n";
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
    } else if (space != std::string::npos) {
        throw LineError{"sim " + what + " takes no argument"};
    }
    if (!session.running()) {
        out << "sim: not running\n";
        return;
    }
    Simulation& sim = session.simulation();
    if (what == "set") {
        if (!sim.setInput(name, on)) out << "sim: " << name << " is not an input\n";
    } else if (what == "scan") {
        sim.scan(scans);
    } else if (what == "step") {
        sim.step();
    } else if (what == "reset") {
        sim.reset();
    } else {
        session.stop();
    }
}

}  // namespace

int runReplay(std::istream& script, std::ostream& out, std::ostream& err, const ReplayOptions& options) {
    ReplayUserInterface ui(out);
    Ladder ladder(ui);
    SimulationSession session;
    ladder.exportDir = options.exportDir;
    ladder.Form_Load();
    ladder.Form_Activate();
    Document document;
    // Scripts that never touch a drawing file leave without the question,
    // as they always did.
    bool usesFiles = false;

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
                switch (pressButton(ladder, session, *n)) {
                case ClickResult::Ignored: out << "ignored: click " << *n << '\n'; break;
                case ClickResult::Done: break;
                case ClickResult::Exit:
                    if (usesFiles && !mayLeave(ladder, document)) break;
                    out << "exit\n";
                    out.flush();
                    return 0;
                case ClickResult::NotBuilt: throw LineError{"not built yet"};
                }
            } else if (verb == "tip") {
                const auto n = parseButton(arg);
                if (!hasArg || !n) throw LineError{"tip needs a button number from 1 to 22"};
                out << "tip: " << *n << ' ' << buttonTip(ladder, *n) << '\n';
            } else if (verb == "answer") {
                ui.queueReply(arg);
            } else if (verb == "text") {
                const std::string text = unescapeText(arg);
                session.stop();
                ladder.Text1 = text;
            } else if (verb == "save" || verb == "open") {
                if (!hasArg || arg.empty()) throw LineError{verb + " needs the path of a drawing file"};
                if (!options.drawingFiles) throw LineError{"save and open are off in this run"};
                usesFiles = true;
                if (verb == "save")
                    saveDrawingTo(ladder, document, arg);
                else {
                    session.stop();  // the picture must never show another drawing's state
                    openDrawing(ladder, document, arg);
                }
            } else if (verb == "leave") {
                usesFiles = true;
                if (arg == "保存")
                    ui.queueLeaveAnswer(UserInterface::SaveAnswer::Save);
                else if (arg == "不保存")
                    ui.queueLeaveAnswer(UserInterface::SaveAnswer::DontSave);
                else if (arg == "取消")
                    ui.queueLeaveAnswer(UserInterface::SaveAnswer::Cancel);
                else
                    throw LineError{"leave needs 保存, 不保存 or 取消"};
            } else if (verb == "dump") {
                if (hasArg) throw LineError{"dump takes no argument"};
                std::string dump = stateDump(ladder);
                if (session.running()) dump.insert(dump.size() - 4, simulationSection(session));
                out << dump;
            } else if (verb == "check") {
                if (hasArg) throw LineError{"check takes no argument"};
                out << checkLine(checkText1(ladder));
            } else if (verb == "sim") {
                if (!hasArg) throw LineError{"sim needs start, set, scan, step, reset or stop"};
                simCommand(arg, ladder, session, out);
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
