#pragma once
// What one press of a button must have done, judged from the state before
// it, the state after it and the dialogs it showed: the palette as the
// command's table sets it (also at the moment of the name prompt), the
// refusals, the name prompt's loop, the cells the element owns, the cursor
// and the counters.
#include <cstdint>
#include <string>
#include <vector>

#include "app/Buttons.h"
#include "hardening/SessionInvariants.h"
#include "sheet/EditState.h"

namespace lp::hardening {

// The dialogs of one step, in the order they were shown.
struct StepLog {
    struct Prompt {
        std::string text, title, enabledAtPrompt;
    };
    struct Message {
        std::string text, caption;
    };
    std::vector<Prompt> prompts;
    std::vector<std::string> replies;  // what each prompt returned
    std::vector<Message> messages;
    void clear() { *this = StepLog{}; }
};

// The state before a press, as much of it as the checks need.
struct Before {
    EditState state;
    std::string enabled, visible;
    uint64_t fingerprint = 0;       // cells and RowEnd
    int16_t rowEnd = 0;             // RowEnd(CurRow)
    std::string leftOfCursor;       // Cell(CurRow, CurCol − 1)
    std::string statementList, text1;
    uint64_t picture = 0;           // fingerprint of the printed lines
};

uint64_t pictureFingerprint(const Ladder& ladder);
Before snapshot(const Ladder& ladder, uint64_t fingerprint);

// Appends one line per way in which pressing `button` went wrong.
// `fingerprintAfter` is what checkInvariants returned after the press.
void checkEffect(const Before& before, const Ladder& after, int button, ClickResult result, const StepLog& log,
                 uint64_t fingerprintAfter, Violations& out);

}  // namespace lp::hardening
