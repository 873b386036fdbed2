#pragma once
// The one-line licence notice shown in the about box and printed by
// `--version` of both programs.

namespace lp {

inline constexpr const char* kLicenceNotice =
    "警告：本程序是自由软件，依据 GNU 通用公共许可证第 3 版或（由您选择）任何更高版本发布，不提供任何担保。";

inline constexpr const char* kLicenceNoticeEnglish =
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.";

}  // namespace lp
