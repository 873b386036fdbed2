#include <cerrno>

#include "platform/SystemReason.h"

namespace lp {

std::string lastSystemReason() { return errnoReason(errno); }

std::string systemReason(const std::error_code& ec) { return errnoReason(ec.value()); }

}  // namespace lp
