#pragma once
// A platform for tests: a set of files that exist and of programs that
// start; it records every file test and every start.
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Platform.h"

namespace lp::test {

class FakePlatform : public Platform {
public:
    std::set<std::string> files;     // exist
    std::set<std::string> programs;  // start; any other path fails to start
    bool throwOnFileTest = false;

    std::vector<std::string> fileTests;
    std::vector<std::string> startAttempts;

    bool fileExists(const std::string& path) override {
        fileTests.push_back(path);
        if (throwOnFileTest) throw std::runtime_error("file test failed");
        return files.count(path) != 0;
    }

    StartResult startProgram(const std::string& path) override {
        startAttempts.push_back(path);
        if (programs.count(path)) return {};
        return {std::make_error_code(std::errc::no_such_file_or_directory)};
    }
};

}  // namespace lp::test
