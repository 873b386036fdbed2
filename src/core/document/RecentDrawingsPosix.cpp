#include <cstdlib>
#include <string>

#include "document/RecentDrawings.h"

namespace lp {

std::string recentDrawingsFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && *config == '/') {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home && *home == '/') {
        folder = std::string(home) + "/.config";
    } else {
        return {};
    }
    return folder + "/ladderpad/recent-drawings";
}

}  // namespace lp
