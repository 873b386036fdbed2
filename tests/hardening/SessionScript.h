#pragma once
// Writes fuzz input bytes for a chosen session, so that tests can play
// sessions through the same driver the fuzzer uses.
#include <cstdint>
#include <string>
#include <vector>

namespace lp::hardening {

class SessionScript {
public:
    SessionScript& click(int n) { return op(7, static_cast<uint8_t>(n - 1)); }
    SessionScript& answer(const std::string& reply) {  // at most 15 bytes
        bytes_.push_back(11);
        bytes_.push_back(static_cast<uint8_t>(reply.size()));
        bytes_.insert(bytes_.end(), reply.begin(), reply.end());
        return *this;
    }
    SessionScript& hostileAnswer(int index) { return op(9, static_cast<uint8_t>(index)); }
    SessionScript& text(const std::string& ascii) {  // at most 63 bytes
        bytes_.push_back(13);
        bytes_.push_back(static_cast<uint8_t>(ascii.size()));
        bytes_.insert(bytes_.end(), ascii.begin(), ascii.end());
        return *this;
    }
    SessionScript& rung(int series) { return op(15, static_cast<uint8_t>(series)); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    SessionScript& op(uint8_t code, uint8_t operand) {
        bytes_.push_back(code);
        bytes_.push_back(operand);
        return *this;
    }
    std::vector<uint8_t> bytes_;
};

}  // namespace lp::hardening
