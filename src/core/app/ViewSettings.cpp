#include "app/ViewSettings.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "app/SheetZoom.h"
#include "document/RecentDrawings.h"
#include "document/SettingsFile.h"
#include "platform/TextPath.h"

namespace lp {

namespace {

bool parseInt(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

ViewSettings parseViewSettings(const std::string& text) {
    ViewSettings settings;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string_view key = std::string_view(line).substr(0, equals);
        const std::string_view value = std::string_view(line).substr(equals + 1);
        if (key == "zoom") {
            int zoom = 0;
            if (parseInt(value, zoom)) settings.zoom = validZoom(zoom);
        } else if (key == "device-table") {
            const std::size_t comma = value.find(',');
            ScreenPoint at;
            if (comma != std::string_view::npos && parseInt(value.substr(0, comma), at.x) &&
                parseInt(value.substr(comma + 1), at.y))
                settings.deviceTable = at;
        }
    }
    return settings;
}

std::string viewSettingsText(const ViewSettings& settings) {
    std::string text = "zoom=" + std::to_string(settings.zoom) + "\n";
    if (settings.deviceTable) {
        text += "device-table=";
        text += std::to_string(settings.deviceTable->x);
        text += ',';
        text += std::to_string(settings.deviceTable->y);
        text += '\n';
    }
    return text;
}

ViewSettings loadViewSettings(const std::string& file) {
    if (file.empty()) return {};
    std::ifstream in(pathFromText(file), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return parseViewSettings(text.str());
}

void keepViewSettings(const std::string& file, const ViewSettings& settings) {
    keepSettingsFile(file, viewSettingsText(settings));
}

std::string viewSettingsFile() { return siblingSettingsFile(recentDrawingsFile(), "view-settings"); }

}  // namespace lp
