#include "statement/ExportText.h"

namespace lp {

std::string exportedText(std::string_view text1) {
    std::string out;
    out.reserve(text1.size() + text1.size() / 8 + 2);
    for (std::size_t i = 0; i < text1.size(); ++i) {
        const char c = text1[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text1.size() && text1[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    out += "\r\n";
    return out;
}

}  // namespace lp
