#include "document/QuotedText.h"

namespace lp {

namespace {

// Length of the well-formed UTF-8 sequence at the front of `s`, 0 when
// there is none (overlong forms, surrogates and code points above U+10FFFF
// are not well formed).
std::size_t sequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t len = 0;
    unsigned lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        len = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        len = 3;
        if (lead == 0xE0) lo = 0xA0;
        if (lead == 0xED) hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        len = 4;
        if (lead == 0xF0) lo = 0x90;
        if (lead == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < len) return 0;
    if (byte(1) < lo || byte(1) > hi) return 0;
    for (std::size_t i = 2; i < len; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    return len;
}

constexpr char kHex[] = "0123456789ABCDEF";

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

void appendQuoted(std::string& out, std::string_view bytes) {
    out += '"';
    while (!bytes.empty()) {
        const auto c = static_cast<unsigned char>(bytes[0]);
        std::size_t len = sequenceLength(bytes);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F || len == 0) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
            len = 1;
        } else {
            out.append(bytes.substr(0, len));
        }
        bytes.remove_prefix(len == 0 ? 1 : len);
    }
    out += '"';
}

std::optional<std::string> takeQuoted(std::string_view& in) {
    std::string text;
    if (!takeQuoted(in, text)) return std::nullopt;
    return text;
}

bool takeQuoted(std::string_view& in, std::string& text) {
    text.clear();
    if (in.empty() || in[0] != '"') return false;
    std::size_t i = 1;
    for (;;) {
        // The run up to the next quote, backslash or control character at once.
        std::size_t run = i;
        while (run < in.size()) {
            const auto c = static_cast<unsigned char>(in[run]);
            if (c == '"' || c == '\\' || c < 0x20 || c == 0x7F) break;
            ++run;
        }
        text.append(in.data() + i, run - i);
        i = run;
        if (i >= in.size()) return false;  // no closing quote
        const char c = in[i];
        if (c == '"') break;
        if (c != '\\') return false;  // a control character is written as an escape
        if (i + 1 >= in.size()) return false;
        const char e = in[i + 1];
        i += 2;
        switch (e) {
        case '\\': text += '\\'; break;
        case '"': text += '"'; break;
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        case 't': text += '\t'; break;
        case 'x': {
            if (i + 1 >= in.size()) return false;
            const int h = hexValue(in[i]), l = hexValue(in[i + 1]);
            if (h < 0 || l < 0) return false;
            text += static_cast<char>(h * 16 + l);
            i += 2;
            break;
        }
        default: return false;
        }
    }
    in.remove_prefix(i + 1);
    return true;
}

}  // namespace lp
