#include "statement/Gb18030.h"

#include <iconv.h>

#include <cerrno>

namespace lp {

namespace {

class Converter {
public:
    Converter() : cd_(iconv_open("GB18030", "UTF-8")) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> toGb18030(std::string_view utf8) {
    Converter converter;
    if (!converter.ok()) return std::nullopt;

    // A character takes at most four bytes either way; grow when needed.
    std::string out(utf8.size() + 4, '\0');
    char* next = out.data();
    std::size_t outLeft = out.size();
    auto grow = [&] {
        const std::size_t used = static_cast<std::size_t>(next - out.data());
        out.resize(out.size() * 2);
        next = out.data() + used;
        outLeft = out.size() - used;
    };
    constexpr std::size_t failed = static_cast<std::size_t>(-1);

    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        if (iconv(converter.get(), &in, &inLeft, &next, &outLeft) != failed) continue;
        if (errno != E2BIG) return std::nullopt;  // EILSEQ or EINVAL: not UTF-8
        grow();
    }
    // End the output in the initial state.
    while (iconv(converter.get(), nullptr, nullptr, &next, &outLeft) == failed) {
        if (errno != E2BIG) return std::nullopt;
        grow();
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
    return out;
}

}  // namespace lp
