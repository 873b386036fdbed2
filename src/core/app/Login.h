#pragma once
#include <string_view>

namespace lp {

// The one user name and password the program accepts. Both comparisons are
// exact: case matters and nothing is trimmed.
inline constexpr std::string_view kUserName = "kavel";
inline constexpr std::string_view kPassword = "qorvemtz";

inline bool credentialsMatch(std::string_view userName, std::string_view password) {
    return password == kPassword && userName == kUserName;
}

inline constexpr const char* kLoginFailedText = "无效的密码，请重试!";
inline constexpr const char* kLoginCaption = "登录";

}  // namespace lp
