#pragma once
// The about box's "系统信息(&S)..." button: find the system-information
// program through the registry and start it.
#include "app/Platform.h"
#include "app/Registry.h"
#include "app/UserInterface.h"

namespace lp {

// Where the program is looked up, in this order: the full path of the
// program, then the folder that holds it.
inline constexpr const char* kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoPathValue = "PATH";
inline constexpr const char* kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoFolderValue = "MSINFO";
inline constexpr const char* kSysInfoProgramFile = "\\MSINFO32.EXE";

inline constexpr const char* kSysInfoUnavailableText = "此时系统信息不可用";

// Starts the program named by the first lookup as read; failing that, the
// program file in the folder of the second lookup when that file exists.
// When neither gives a program, or it cannot be started, or a call fails,
// tells the user "此时系统信息不可用" (caption kProgramTitle, OK only).
void StartSysInfo(Registry& registry, Platform& platform, UserInterface& ui);

// The same with this system's registry and platform.
void StartSysInfo(UserInterface& ui);

}  // namespace lp
