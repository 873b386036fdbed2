// The fuzz target: every input is one session of the editor (see
// hardening/FuzzSession.h). A broken invariant prints the session's steps and
// what broke, then aborts, so that the fuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "hardening/FuzzSession.h"

namespace {

std::string makeExportDir() {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "ladderpad-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    return pattern;
}

// Made once per process and removed at its exit; kept on the heap so that
// it outlives the static objects the exit handler would otherwise outlive.
const std::string& exportDir() {
    static const std::string* dir = [] {
        const std::string* d = new std::string(makeExportDir());
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(exportDir(), ec);
        });
        return d;
    }();
    return *dir;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    exportDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    lp::hardening::SessionOptions options;
    options.exportDir = exportDir();
    const lp::hardening::SessionResult result = lp::hardening::runSession(data, size, options);
    if (result.violations.empty()) return 0;
    std::fprintf(stderr, "== session (%zu steps) ==\n%s== broken ==\n", result.steps, result.transcript.c_str());
    for (const std::string& v : result.violations) std::fprintf(stderr, "%s\n", v.c_str());
    std::abort();
}
