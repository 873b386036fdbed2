#pragma once
// How the user left the windows, kept across runs beside the recent
// drawings: the sheet's zoom and where the device table was moved to.
#include <optional>
#include <string>

namespace lp {

struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ViewSettings {
    int zoom = 100;                          // percent
    std::optional<ScreenPoint> deviceTable;  // its frame's top left, once the user moved it
    bool operator==(const ViewSettings&) const = default;
};

// "zoom=125" and "device-table=40,300" lines; anything else is skipped, and
// a missing or unreadable file gives the defaults.
ViewSettings parseViewSettings(const std::string& text);
std::string viewSettingsText(const ViewSettings& settings);

ViewSettings loadViewSettings(const std::string& file);
// Best effort: settings that cannot be kept are only lost for the next run.
void keepViewSettings(const std::string& file, const ViewSettings& settings);

// Where this user's settings are kept, beside the recent drawings; "" when
// there is no settings folder.
std::string viewSettingsFile();

}  // namespace lp
