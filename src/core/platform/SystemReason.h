#pragma once
// Why the system refused: the reason a failure message gives in brackets,
// as the user is told it ("找不到路径", "权限不够", ...).
#include <string>
#include <system_error>

namespace lp {

// The reason for a C library error number, in Chinese for the common ones.
std::string errnoReason(int number);

// The reason for the system's last error: errno on POSIX systems; on
// Windows GetLastError(), as FormatMessageW words it in the user's language.
std::string lastSystemReason();

// The reason for an error code from the standard library.
std::string systemReason(const std::error_code& ec);

}  // namespace lp
