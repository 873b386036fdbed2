#include "document/RecentDrawings.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "document/SettingsFile.h"
#include "platform/TextPath.h"

namespace lp {

void RecentDrawings::load() {
    paths_.clear();
    if (file_.empty()) return;
    std::ifstream in(pathFromText(file_), std::ios::binary);
    for (std::string line; paths_.size() < kLimit && std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && std::find(paths_.begin(), paths_.end(), line) == paths_.end()) paths_.push_back(line);
    }
}

void RecentDrawings::add(const std::string& path) {
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kLimit) paths_.resize(kLimit);
    keep();
}

void RecentDrawings::remove(const std::string& path) {
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
    keep();
}

// Best effort: a list that cannot be kept is only lost for the next run.
void RecentDrawings::keep() const {
    std::string text;
    for (const std::string& path : paths_) text += path + '\n';
    keepSettingsFile(file_, text);
}

std::string recentDrawingCaption(std::size_t index, const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string caption = "&";
    caption += std::to_string(index + 1);
    caption += ' ';
    caption += name;
    if (slash != std::string::npos) {
        caption += "  (";
        caption += path.substr(0, slash == 0 ? 1 : slash);
        caption += ')';
    }
    return caption;
}

}  // namespace lp
