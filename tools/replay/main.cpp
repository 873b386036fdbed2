// ladderpad-replay [--export-dir DIR] [SCRIPT]
// Drives the editor's core from a script, with no window, and prints what
// the user would see.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "ProgramArguments.h"
#include "ReplaySession.h"
#include "app/VersionText.h"
#include "platform/TextPath.h"

int main(int argc, char** argv) {
    lp::useBinaryStandardStreams();
    const std::vector<std::string> args = lp::programArguments(argc, argv);
    lp::ReplayOptions options;
    std::string scriptPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--export-dir") {
            if (i + 1 >= args.size()) {
                std::cerr << "error: --export-dir needs a folder\n";
                return 2;
            }
            options.exportDir = args[++i];
        } else if (arg == "--version") {
            std::cout << lp::versionText("ladderpad-replay");
            return 0;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << "usage: ladderpad-replay [--export-dir DIR] [SCRIPT] | --version\n";
            return 0;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            std::cerr << "error: unknown option " << arg << "\n";
            return 2;
        } else if (scriptPath.empty()) {
            scriptPath = arg;
        } else {
            std::cerr << "error: only one script can be given\n";
            return 2;
        }
    }
    if (scriptPath.empty() || scriptPath == "-") return lp::runReplay(std::cin, std::cout, std::cerr, options);
    std::ifstream file(lp::pathFromText(scriptPath), std::ios::binary);
    if (!file) {
        std::cerr << "error: cannot open the script " << scriptPath << "\n";
        return 2;
    }
    return lp::runReplay(file, std::cout, std::cerr, options);
}
