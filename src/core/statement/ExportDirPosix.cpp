#include "statement/ExportDir.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "statement/Convert.h"

namespace lp {

namespace {

bool isFolder(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string homeFolder() {
    std::string home = environment("HOME");
    if (!home.empty()) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

// One line of user-dirs.dirs: XDG_DOCUMENTS_DIR="$HOME/yyy" (yyy shell-
// escaped, relative to home) or XDG_DOCUMENTS_DIR="/yyy".
std::optional<std::string> documentsEntry(const std::string& line, const std::string& home) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos) return std::nullopt;
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    if (line.compare(at, key.size(), key) != 0) return std::nullopt;
    at += key.size();
    std::string value;
    bool closed = false;
    for (; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '\\' && at + 1 < line.size()) {
            value += line[++at];
        } else if (c == '"') {
            closed = true;
            break;
        } else {
            value += c;
        }
    }
    if (!closed) return std::nullopt;
    const std::string homeKey = "$HOME";
    if (value.compare(0, homeKey.size(), homeKey) == 0 &&
        (value.size() == homeKey.size() || value[homeKey.size()] == '/'))
        return home + value.substr(homeKey.size());
    if (!value.empty() && value[0] == '/') return value;
    return std::nullopt;
}

std::string workingFolder() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return std::string();
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

}  // namespace

std::string documentsFolder(const std::string& home, const std::string& configHome) {
    const std::string config = configHome.empty() || configHome[0] != '/' ? home + "/.config" : configHome;
    std::ifstream dirs(config + "/user-dirs.dirs");
    std::optional<std::string> documents;
    std::string line;
    while (std::getline(dirs, line))
        if (auto entry = documentsEntry(line, home)) documents = entry;  // the last one counts
    if (documents) return isFolder(*documents) ? *documents : home;
    // Nothing configured: the usual "Documents" folder when there is one.
    if (isFolder(home + "/Documents")) return home + "/Documents";
    return home;
}

std::string defaultExportDir() { return documentsFolder(homeFolder(), environment("XDG_CONFIG_HOME")); }

std::string exportFilePath(const std::string& folder) {
    std::string path = folder.empty() ? defaultExportDir() : folder;
    std::filesystem::path folderPath(path);
    if (folderPath.is_relative()) {
        const std::string cwd = workingFolder();
        if (!cwd.empty()) folderPath = std::filesystem::path(cwd) / folderPath;
    }
    path = folderPath.lexically_normal().string();
    if (path.empty() || path.back() != '/') path += '/';
    return path + kExportFileName;
}

}  // namespace lp
