#include "hardening/FuzzSession.h"

#include <filesystem>
#include <deque>
#include <stdexcept>

#include "app/Buttons.h"
#include "hardening/CommandEffects.h"
#include "hardening/ExportCheck.h"
#include "hardening/HarnessText.h"
#include "sheet/Ladder.h"

namespace lp::hardening {

namespace {

// A prompt loop that never ends would hang the session; this many prompts
// in one press is taken as that.
constexpr std::size_t kPromptLimit = 10000;

struct PromptLoopRunaway {};

class SessionUi : public UserInterface {
public:
    Ladder* ladder = nullptr;
    SessionFacts* facts = nullptr;
    std::deque<std::string> replies;
    StepLog log;
    std::size_t defaults = 0;

    std::string inputBox(const std::string& prompt, const std::string& title) override {
        if (log.prompts.size() >= kPromptLimit) throw PromptLoopRunaway{};
        log.prompts.push_back({prompt, title, ladder->palette.enabledString()});
        std::string reply;
        if (!replies.empty()) {
            reply = std::move(replies.front());
            replies.pop_front();
        } else {
            // Out of replies: a good name, different each time.
            const int k = 10 + static_cast<int>(defaults++ % 90);
            reply = {'Q', static_cast<char>('0' + k / 10), static_cast<char>('0' + k % 10)};
        }
        if (isAcceptableName(reply)) facts->names.insert(reply);
        log.replies.push_back(reply);
        return reply;
    }

    void messageBox(const std::string& text, const std::string& caption) override {
        log.messages.push_back({text, caption});
    }
};

class ByteReader {
public:
    ByteReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string bytes(std::size_t n) {
        const std::size_t take = std::min(n, size_ - std::min(pos_, size_));
        std::string s(reinterpret_cast<const char*>(data_ + pos_), take);
        pos_ += take;
        return s;
    }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

std::string printable(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c < 0x20 || c == 0x7F) {
            static const char* hex = "0123456789abcdef";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

class Session {
public:
    explicit Session(const SessionOptions& options) : options_(options), ladder_(ui_) {
        ui_.ladder = &ladder_;
        ui_.facts = &facts_;
        ladder_.exportDir = options.exportDir;
        std::error_code ec;
        std::filesystem::remove(std::filesystem::path(options.exportDir) / kExportFileName, ec);
        ladder_.Form_Load();
        ladder_.Form_Activate();
        checkInvariants(ladder_, facts_, result_.violations);
        Violations again;  // the same findings; the fingerprint is the steps' one
        fingerprint_ = checkInvariants(ladder_, facts_, again, {false, false});
        if (!result_.violations.empty()) result_.violations.insert(result_.violations.begin(), "at the start:");
    }

    bool failed() const { return !result_.violations.empty(); }

    void press(int n) {
        note("click " + std::to_string(n));
        const Before before = snapshot(ladder_, fingerprint_);
        ui_.log.clear();
        ClickResult result;
        try {
            result = pressButton(ladder_, n);
        } catch (const PromptLoopRunaway&) {
            fail("the name prompt asked " + std::to_string(kPromptLimit) + " times for one press");
            return;
        }
        if (result == ClickResult::Done && n == 10) ++facts_.stepBacks[static_cast<std::size_t>(ladder_.state.CurRow)];
        if (result == ClickResult::Done && n == 12) facts_.stepBacks.fill(0);
        for (const std::string& reply : ui_.log.replies) note("  reply \"" + printable(reply) + "\"");
        for (const auto& m : ui_.log.messages) note("  message \"" + m.text + "\"");
        Violations found;
        const bool marksMayChange = n == 12 || n == 13;
        fingerprint_ = checkInvariants(ladder_, facts_, found, {false, marksMayChange});
        checkEffect(before, ladder_, n, result, ui_.log, fingerprint_, found);
        if (n == 19 && result == ClickResult::Done) checkExport(found);
        report(found);
    }

    void queueReply(std::string reply) {
        note("answer \"" + printable(reply) + "\"");
        ui_.replies.push_back(std::move(reply));
    }

    void editText(std::string text) {
        note("text \"" + printable(text) + "\"");
        ladder_.Text1 = std::move(text);
        Violations found;
        fingerprint_ = checkInvariants(ladder_, facts_, found, {false, false});
        report(found);
    }

    int enabledButton(uint8_t pick) const {
        int usable[22];
        int count = 0;
        for (int n = 1; n <= 22; ++n)
            if (n != 14 && n != 20 && ladder_.palette.enabled(n) && ladder_.palette.visible(n)) usable[count++] = n;
        return count == 0 ? 17 : usable[pick % count];
    }

    // Everything once more, the marks included.
    void finalCheck() {
        Violations found;
        checkInvariants(ladder_, facts_, found);
        report(found);
    }

    bool offered(int n) const { return ladder_.palette.enabled(n) && ladder_.palette.visible(n); }

    SessionResult finish() { return std::move(result_); }
    SessionResult& result() { return result_; }

private:
    void note(const std::string& line) {
        result_.transcript += line;
        result_.transcript += '\n';
    }

    void fail(const std::string& what) { report({what}); }

    void report(const Violations& found) {
        if (found.empty()) return;
        result_.violations.push_back("step " + std::to_string(result_.steps) + ":");
        result_.violations.insert(result_.violations.end(), found.begin(), found.end());
    }

    void checkExport(Violations& found) {
        namespace fs = std::filesystem;
        const std::string path = (fs::path(options_.exportDir) / fs::path(kExportFileName)).string();
        if (!ui_.log.messages.empty()) {
            found.push_back("export into a writable folder showed \"" + ui_.log.messages.front().text + "\"");
            return;
        }
        const auto want = expectedExportBytes(ladder_.Text1);
        const auto got = readFileBytes(path);
        if (!got)
            found.push_back("the export wrote no file");
        else if (want && *got != *want)
            found.push_back("the exported file does not hold Text1 in GB18030 with CR LF line ends");
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(options_.exportDir, ec))
            if (entry.path().filename() != fs::path(kExportFileName))
                found.push_back("the export left " + entry.path().filename().string() + " behind");
    }

    SessionOptions options_;
    SessionUi ui_;
    SessionFacts facts_;
    Ladder ladder_;
    uint64_t fingerprint_ = 0;
    SessionResult result_;
};

}  // namespace

SessionResult runSession(const uint8_t* data, std::size_t size, const SessionOptions& options) {
    Session s(options);
    ByteReader in(data, size);
    std::size_t& steps = s.result().steps;
    while (!in.empty() && steps < options.maxSteps && !s.failed()) {
        ++steps;
        const uint8_t op = in.next() % 16;
        if (op <= 6) {
            s.press(s.enabledButton(in.next()));
        } else if (op <= 8) {
            s.press(in.next() % 22 + 1);
        } else if (op <= 10) {
            const auto& list = hostileReplies();
            s.queueReply(list[in.next() % list.size()]);
        } else if (op == 11) {
            s.queueReply(in.bytes(in.next() % 16));
        } else if (op == 12) {
            s.queueReply(wellFormedFromBytes(in.bytes(in.next() % 8)));
        } else if (op == 13) {
            s.editText(wellFormedFromBytes(in.bytes(in.next() % 64)));
        } else if (op == 14) {
            const auto& list = hostileListTexts();
            s.editText(list[in.next() % list.size()]);
        } else {
            // A whole rung in one go, so that sessions reach the lower rows.
            const int series = in.next() % 10;
            s.press(1);
            for (int k = 0; k < series && !s.failed(); ++k) s.press(5);
            if (!s.failed()) s.press(9);
            if (!s.failed()) s.press(11);
        }
    }
    if (!s.failed() && s.offered(13)) s.press(13);
    if (!s.failed() && s.offered(19)) s.press(19);
    if (!s.failed()) s.finalCheck();
    return s.finish();
}

}  // namespace lp::hardening
