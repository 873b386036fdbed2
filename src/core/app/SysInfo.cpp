#include "app/SysInfo.h"

#include <exception>
#include <string>

#include "app/KeyValue.h"

namespace lp {

namespace {

// Finds the program and starts it; false when it could not. Every failure
// of the calls it makes ends up here as false.
bool findAndStart(Registry& registry, Platform& platform) try {
    std::string path;
    if (!GetKeyValue(registry, kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, path)) {
        if (!GetKeyValue(registry, kHKeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, path))
            return false;
        if (!platform.fileExists(path + kSysInfoProgramFile)) return false;
        path += kSysInfoProgramFile;
    }
    return platform.startProgram(path).started();
} catch (const std::exception&) {
    return false;
}

}  // namespace

void StartSysInfo(Registry& registry, Platform& platform, UserInterface& ui) {
    if (!findAndStart(registry, platform)) ui.messageBox(kSysInfoUnavailableText, kProgramTitle);
}

void StartSysInfo(UserInterface& ui) {
    std::unique_ptr<Registry> registry;
    std::unique_ptr<Platform> platform;
    try {
        registry = makeSystemRegistry();
        platform = makeSystemPlatform();
    } catch (const std::exception&) {
        ui.messageBox(kSysInfoUnavailableText, kProgramTitle);
        return;
    }
    StartSysInfo(*registry, *platform, ui);
}

}  // namespace lp
