#pragma once
// The drawings opened or saved last, newest first, kept for the user across
// runs in a small UTF-8 file of one path a line.
#include <cstddef>
#include <string>
#include <vector>

namespace lp {

class RecentDrawings {
public:
    static constexpr std::size_t kLimit = 8;

    // `file` keeps the list; an empty name keeps it only while the program runs.
    explicit RecentDrawings(std::string file = {}) : file_(std::move(file)) {}

    // Reads the list kept in the file; a missing or unreadable file is an empty list.
    void load();
    // The drawing at the front of the list (moved there if it was in it).
    void add(const std::string& path);
    void remove(const std::string& path);
    const std::vector<std::string>& paths() const { return paths_; }

private:
    void keep() const;

    std::string file_;
    std::vector<std::string> paths_;
};

// Where this user's list is kept: the settings folder of the system
// (~/.config/ladderpad/ or %APPDATA%\LadderPad\), "" when there is none.
std::string recentDrawingsFile();

// The item of the 文件 menu for the drawing at `index` (from 0): "&1 图纸.lad  (folder)".
std::string recentDrawingCaption(std::size_t index, const std::string& path);

}  // namespace lp
