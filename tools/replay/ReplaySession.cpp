#include "ReplaySession.h"

#include <exception>
#include <optional>

#include "ReplayUserInterface.h"
#include "StateDump.h"
#include "Utf8.h"
#include "app/Buttons.h"
#include "document/DocumentCommands.h"
#include "document/Document.h"
#include "sheet/Ladder.h"

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

}  // namespace

int runReplay(std::istream& script, std::ostream& out, std::ostream& err, const ReplayOptions& options) {
    ReplayUserInterface ui(out);
    Ladder ladder(ui);
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
                switch (pressButton(ladder, *n)) {
                case ClickResult::Ignored: out << "ignored: click " << *n << '\n'; break;
                case ClickResult::Done: break;
                case ClickResult::Exit:
                    if (usesFiles && !mayLeave(ladder, document)) break;
                    out << "exit\n";
                    out.flush();
                    return 0;
                case ClickResult::NotBuilt: throw LineError{"not built yet"};
                }
            } else if (verb == "answer") {
                ui.queueReply(arg);
            } else if (verb == "text") {
                ladder.Text1 = unescapeText(arg);
            } else if (verb == "save" || verb == "open") {
                if (!hasArg || arg.empty()) throw LineError{verb + " needs the path of a drawing file"};
                if (!options.drawingFiles) throw LineError{"save and open are off in this run"};
                usesFiles = true;
                if (verb == "save")
                    saveDrawingTo(ladder, document, arg);
                else
                    openDrawing(ladder, document, arg);
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
                out << stateDump(ladder);
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
