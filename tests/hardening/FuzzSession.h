#pragma once
// Turns any bytes into a session of the editor, as a user could play it
// (button presses, enabled or not; replies to the name prompt; edits of the
// list box), ending in convert and export, and checks after every step
// what must always hold. Shared by the fuzz target and the tests.
#include <cstddef>
#include <cstdint>
#include <string>

#include "hardening/SessionInvariants.h"

namespace lp::hardening {

struct SessionOptions {
    std::string exportDir;       // an existing, writable folder for the export
    std::size_t maxSteps = 600;  // presses and edits taken from the input at most
};

struct SessionResult {
    Violations violations;  // empty when every check held; else the first failing step's findings
    std::size_t steps = 0;
    std::string transcript;  // the steps taken, one a line ("click 5", "answer ...", ...)
};

// How the bytes are read, one operation after another (a byte that picks the
// operation, then its operands); input that runs out ends the session:
//   0-6   press the k-th button that is enabled and visible (next byte: k)
//   7-8   press any of the 22 buttons (next byte: which)
//   9-10  queue a reply from the hostile list (next byte: which)
//   11    queue a reply of raw bytes (length byte, then the bytes)
//   12    queue a well-formed reply made from bytes (length byte, bytes)
//   13    set the list box to well-formed text made from bytes
//   14    set the list box to a text from the hostile list
//   15    draw a whole rung: rail contact, n series contacts, coil, line feed
// A prompt with no reply left gets a good three-character name, so every
// prompt loop ends. At the end: convert if it is offered, then export.
SessionResult runSession(const uint8_t* data, std::size_t size, const SessionOptions& options);

}  // namespace lp::hardening
