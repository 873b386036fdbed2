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
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(picture.width) + "\" height=\"" +
           number(picture.height) + "\" viewBox=\"0 0 " + number(picture.width) + ' ' + number(picture.height) + "\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    for (const PictureStroke& s : picture.strokes)
        svg += "<line x1=\"" + number(s.x1) + "\" y1=\"" + number(s.y1) + "\" x2=\"" + number(s.x2) + "\" y2=\"" +
               number(s.y2) + "\" stroke=\"" + (s.grey ? "#999999" : "black") + "\" stroke-width=\"" + number(s.width) +
               "\"/>\n";
    svg += std::string("<g font-family=\"") + kPictureFonts + "\" fill=\"black\" xml:space=\"preserve\" style=\"white-space: pre\">\n";
    for (const PictureText& t : picture.texts) {
        svg += "<text";
        if (t.columns.empty()) {
            svg += " x=\"" + number(t.x) + "\"";
        } else {
            // Every character at its column: one x per character.
            svg += " x=\"";
            for (std::size_t i = 0; i < t.columns.size(); ++i)
                svg += (i ? " " : "") + number(t.x + t.columns[i] * t.size / 2);
            svg += "\"";
        }
        svg += " y=\"" + number(t.baseline) + "\" font-size=\"" + number(t.size) + "\"";
        if (t.bold) svg += " font-weight=\"bold\"";
        svg += ">" + xmlText(t.text) + "</text>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace lp
