// ladderpad-replay [--export-dir DIR] [SCRIPT]
// Drives the editor's core from a script, with no window, and prints what
// the user would see.
#include <fstream>
#include <iostream>
#include <string>

#include "ReplaySession.h"

int main(int argc, char** argv) {
    lp::ReplayOptions options;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--export-dir") {
            if (i + 1 >= argc) {
                std::cerr << "error: --export-dir needs a folder\n";
                return 2;
            }
            options.exportDir = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::cout << "usage: ladderpad-replay [--export-dir DIR] [SCRIPT]\n";
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
    std::ifstream file(scriptPath, std::ios::binary);
    if (!file) {
        std::cerr << "error: cannot open the script " << scriptPath << "\n";
        return 2;
    }
    return lp::runReplay(file, std::cout, std::cerr, options);
}
