#include "app/VersionText.h"

#include "app/LicenceNotice.h"

#ifndef LADDERPAD_VERSION
#define LADDERPAD_VERSION "0.1"
#endif

namespace lp {

std::string versionText(const char* programName) {
    std::string text = programName;
    text += " (LadderPad) " LADDERPAD_VERSION "\n";
    text += "Copyright (C) 2025-2026 The LadderPad developers\n";
    text += kLicenceNoticeEnglish;
    text += "\n";
    text += kLicenceNotice;
    text += "\n";
    return text;
}

}  // namespace lp
