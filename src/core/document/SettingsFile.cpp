#include "document/SettingsFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/TextPath.h"

namespace lp {

void keepSettingsFile(const std::string& file, const std::string& text) {
    if (file.empty()) return;
    const std::filesystem::path path = pathFromText(file);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    std::filesystem::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) return;
    }
    std::filesystem::rename(temporary, path, ec);
}

std::string siblingSettingsFile(const std::string& file, const std::string& name) {
    if (file.empty()) return {};
    const std::size_t slash = file.find_last_of("/\\");
    const std::size_t dot = file.find('.', slash == std::string::npos ? 0 : slash + 1);
    const std::string folder = slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
    return folder + name + (dot == std::string::npos ? std::string() : file.substr(dot));
}

}  // namespace lp
