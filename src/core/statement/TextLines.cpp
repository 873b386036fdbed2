#include "statement/TextLines.h"

namespace lp {

std::vector<std::string> splitAtCrLf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t at = text.find("\r\n", start);
        if (at == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, at - start));
        start = at + 2;
    }
    return lines;
}

std::vector<std::string> splitLineBreaks(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool pending = false;  // text since the last break
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
            pending = true;
        }
    }
    if (pending) lines.push_back(std::move(line));
    return lines;
}

}  // namespace lp
