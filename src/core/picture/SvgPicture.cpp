#include "picture/SvgPicture.h"

#include <cstdio>

#include "texts/DisplayColumns.h"

namespace lp {

namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

// Text for XML: the five reserved characters escaped; bytes that are not
// UTF-8, and characters XML cannot hold, as U+FFFD.
std::string xmlText(const std::string& text) {
    std::string out;
    for (const PlacedCodePoint& placed : placeLine(text)) {
        const char32_t c = placed.codePoint;
        switch (c) {
        case '&': out += "&amp;"; continue;
        case '<': out += "&lt;"; continue;
        case '>': out += "&gt;"; continue;
        case '"': out += "&quot;"; continue;
        case '\'': out += "&apos;"; continue;
        default: break;
        }
        const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                             (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
        if (allowed && c != 0xFFFD)
            out.append(text, placed.at, placed.bytes);
        else
            out += "\xEF\xBF\xBD";
    }
    return out;
}

}  // namespace

std::string svgOf(const Picture& picture) {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    const std::string width = number(picture.width), height = number(picture.height);
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
    svg += width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + ' ' + height + "\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    for (const PictureStroke& s : picture.strokes) {
        svg += "<line";
        for (const auto& [name, value] : {std::pair{" x1=\"", s.x1}, {"\" y1=\"", s.y1}, {"\" x2=\"", s.x2},
                                          {"\" y2=\"", s.y2}, {"\" stroke-width=\"", s.width}}) {
            svg += name;
            svg += number(value);
        }
        svg += s.grey ? "\" stroke=\"#999999\"/>\n" : "\" stroke=\"black\"/>\n";
    }
    svg += std::string("<g font-family=\"") + kPictureFonts + "\" fill=\"black\" xml:space=\"preserve\" style=\"white-space: pre\">\n";
    for (const PictureText& t : picture.texts) {
        svg += "<text";
        if (t.columns.empty()) {
            svg += " x=\"";
            svg += number(t.x);
            svg += "\"";
        } else {
            // Every character at its column: one x per character.
            svg += " x=\"";
            for (std::size_t i = 0; i < t.columns.size(); ++i) {
                if (i) svg += ' ';
                svg += number(t.x + t.columns[i] * t.size / 2);
            }
            svg += "\"";
        }
        svg += " y=\"";
        svg += number(t.baseline);
        svg += "\" font-size=\"";
        svg += number(t.size);
        svg += t.bold ? "\" font-weight=\"bold\">" : "\">";
        svg += xmlText(t.text);
        svg += "</text>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace lp
