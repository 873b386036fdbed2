#pragma once
// Identifiers of the program's resources (ladderpad.rc).
#define LADDERPAD_ICON_ID 1

#ifdef __cplusplus
namespace lp::win {
inline constexpr int kProgramIconId = LADDERPAD_ICON_ID;
}
#endif
