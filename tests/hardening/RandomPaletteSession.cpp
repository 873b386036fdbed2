#include "hardening/RandomPaletteSession.h"

#include <random>

#include "app/Buttons.h"
#include "sheet/Ladder.h"

namespace lp::hardening {

namespace {

const std::vector<std::string> kGoodNames = {"X01", "X02", "Y01", "M10", "T05", "甲乙丙", "A B", "\"\\x"};
const std::vector<std::string> kBadNames = {"", "X1", "X012", "XY"};

// Answers the prompt at random and notes each reply as a script line.
class ScriptingUserInterface : public UserInterface {
public:
    explicit ScriptingUserInterface(std::mt19937_64& rng) : rng_(rng) {}
    std::string replies;

    std::string inputBox(const std::string&, const std::string&) override {
        const bool bad = std::uniform_int_distribution<int>(0, 9)(rng_) < 2;
        const auto& pool = bad ? kBadNames : kGoodNames;
        const std::string& r = pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(rng_)];
        replies += r.empty() ? "answer\n" : "answer " + r + "\n";
        return r;
    }
    void messageBox(const std::string&, const std::string&) override {}

private:
    std::mt19937_64& rng_;
};

}  // namespace

std::vector<std::string> randomPaletteSession(uint64_t seed, std::size_t steps) {
    std::mt19937_64 rng(seed);
    ScriptingUserInterface ui(rng);
    Ladder ladder(ui);
    ladder.exportDir = "/nonexistent";  // the made session is not exported here
    ladder.Form_Load();
    ladder.Form_Activate();
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    std::vector<std::string> script;
    while (script.size() < steps) {
        const int what = pick(0, 99);
        if (what < 4) {
            script.push_back("dump\n");
        } else if (what < 7) {
            const std::vector<std::string> texts = {"", "LD  X01\\nEND", "改过的\\n语句表", "a\\\\b"};
            const std::string& t = texts[static_cast<std::size_t>(pick(0, static_cast<int>(texts.size()) - 1))];
            script.push_back(t.empty() ? "text\n" : "text " + t + "\n");
            std::string unescaped;  // the replay tool's two escapes
            for (std::size_t i = 0; i < t.size(); ++i) {
                if (t[i] == '\\') unescaped += t[++i] == 'n' ? '\n' : '\\';
                else unescaped += t[i];
            }
            ladder.Text1 = unescaped;
        } else {
            int n = 0;
            if (what < 12) {
                n = pick(1, 22);  // any button, enabled or not
            } else {
                std::vector<int> offered;
                for (int b = 1; b <= kButtonCount; ++b)
                    if (ladder.palette.enabled(b) && ladder.palette.visible(b)) offered.push_back(b);
                if (offered.empty()) continue;
                n = offered[static_cast<std::size_t>(pick(0, static_cast<int>(offered.size()) - 1))];
            }
            if (n == 14 || n == 20) continue;  // the session does not leave
            ui.replies.clear();
            (void)pressButton(ladder, n);
            script.push_back(ui.replies + "click " + std::to_string(n) + "\n");
        }
    }
    script.push_back("dump\n");
    return script;
}

}  // namespace lp::hardening
