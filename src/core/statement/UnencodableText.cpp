#include "statement/UnencodableText.h"

#include <cstdint>
#include <cstdio>

namespace lp {

namespace {

std::string hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::string unencodableReason(std::string_view utf8) {
    std::size_t line = 1;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead == '\n') ++line;
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        }
        bool formed = length > 0 && i + length <= utf8.size();
        for (std::size_t k = 1; formed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            formed = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        const std::string where = "第 " + std::to_string(line) + " 行的";
        if (!formed || (length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return where + "字节 0x" + hex(lead, 2) + " 不是有效的文字，无法用 GB18030 编码写入";
        if (code >= 0xD800 && code <= 0xDFFF) return where + "字符 U+" + hex(code, 4) + " 无法用 GB18030 编码写入";
        i += length;
    }
    return "";
}

}  // namespace lp
