#pragma once
// A registry for tests: keys under HKEY_LOCAL_MACHINE with their values,
// behaving like the system's (a too small buffer gives kErrorMoreData and the
// size needed), and recording every call.
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Registry.h"

namespace lp::test {

class FakeRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type;
        std::string data;  // the stored bytes, a text's ending NUL included when stored
    };
    struct OpenCall {
        RegRoot root;
        std::string keyPath;
        std::uint32_t options;
        std::uint32_t accessMask;
    };
    struct QueryCall {
        RegHandle handle;
        std::string valueName;
        std::uint32_t bufferSize;
    };

    // key path -> value name -> value
    std::map<std::string, std::map<std::string, Value>> keys;
    long openError = kErrorSuccess;     // when set, every open fails with it
    long queryError = kErrorSuccess;    // when set, every read fails with it
    bool throwOnQuery = false;          // a read throws (a failing call)
    std::optional<std::uint32_t> sizeReported;  // a read succeeds and reports this size

    std::vector<OpenCall> opens;
    std::vector<QueryCall> queries;
    std::vector<RegHandle> handedOut;  // by successful opens, in order
    std::vector<RegHandle> closes;
    std::set<RegHandle> openHandles;

    void setText(const std::string& key, const std::string& name, const std::string& text) {
        keys[key][name] = {kRegSz, text + '\0'};
    }

    long RegOpenKeyExA(RegRoot root, const std::string& keyPath, std::uint32_t options,
                       std::uint32_t accessMask, RegHandle& outHandle) override {
        opens.push_back({root, keyPath, options, accessMask});
        if (openError != kErrorSuccess) return openError;
        auto it = keys.find(keyPath);
        if (root != kHKeyLocalMachine || it == keys.end()) return kErrorFileNotFound;
        outHandle = next_++;
        handedOut.push_back(outHandle);
        openHandles.insert(outHandle);
        handleKeys_[outHandle] = keyPath;
        return kErrorSuccess;
    }

    long RegQueryValueExA(RegHandle handle, const std::string& valueName, std::uint32_t& outType,
                          unsigned char* buffer, std::uint32_t& inOutSize) override {
        queries.push_back({handle, valueName, inOutSize});
        if (!openHandles.count(handle)) return kErrorInvalidHandle;
        if (throwOnQuery) throw std::runtime_error("registry call failed");
        if (queryError != kErrorSuccess) return queryError;
        const auto& values = keys.at(handleKeys_.at(handle));
        auto it = values.find(valueName);
        if (it == values.end()) return kErrorFileNotFound;
        const Value& value = it->second;
        outType = value.type;
        const auto needed = static_cast<std::uint32_t>(value.data.size());
        if (buffer == nullptr) {
            inOutSize = needed;
            return kErrorSuccess;
        }
        if (inOutSize < needed) {
            // The system leaves the buffer undefined: fill it with a part.
            std::memcpy(buffer, value.data.data(), inOutSize);
            inOutSize = needed;
            return kErrorMoreData;
        }
        std::memcpy(buffer, value.data.data(), needed);
        inOutSize = sizeReported.value_or(needed);
        return kErrorSuccess;
    }

    long RegCloseKey(RegHandle handle) override {
        closes.push_back(handle);
        return openHandles.erase(handle) == 1 ? kErrorSuccess : kErrorInvalidHandle;
    }

    // Each key opened was closed exactly once, and nothing else was closed.
    bool closedExactlyWhenOpened() const { return openHandles.empty() && closes == handedOut; }

    std::vector<std::string> openedPaths() const {
        std::vector<std::string> paths;
        for (const auto& call : opens) paths.push_back(call.keyPath);
        return paths;
    }

private:
    RegHandle next_ = 0x100;
    std::map<RegHandle, std::string> handleKeys_;
};

}  // namespace lp::test
