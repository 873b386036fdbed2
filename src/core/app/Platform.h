#pragma once
// What the about box needs from the operating system besides the registry:
// a test for a file and starting a program without waiting for it.
#include <memory>
#include <string>
#include <system_error>

namespace lp {

struct StartResult {
    std::error_code error;  // empty when the program was started
    long processId = 0;     // of the program started
    bool started() const { return !error; }
};

class Platform {
public:
    virtual ~Platform() = default;

    // Whether path names an ordinary file: a listing of path with normal
    // file attributes names it (folders do not count).
    virtual bool fileExists(const std::string& path) = 0;

    // Starts the program file at path (UTF-8; the path names the program, it
    // is not split into arguments) in a normal window with focus, and returns
    // as soon as it runs, without waiting for it to end. A program that
    // cannot be started gives the reason in error.
    virtual StartResult startProgram(const std::string& path) = 0;
};

// This system's file test and program start (POSIX or Windows).
std::unique_ptr<Platform> makeSystemPlatform();

}  // namespace lp
