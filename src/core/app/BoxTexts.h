#pragma once
// The buttons of the modal boxes the program shows: the message box has OK
// only, the name prompt OK and Cancel.
namespace lp {

inline constexpr const char* kOkText = "确定";
inline constexpr const char* kCancelText = "取消";

}  // namespace lp
