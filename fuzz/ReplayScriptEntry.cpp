// A second fuzz target: the bytes are a replay script, read by the replay
// tool's reader. Whatever the script holds, the run ends with status 0, or
// with status 2 and one "error: ..." line; anything else aborts. Saving and
// opening drawings are off: the drawing reader has a fuzz target of its own.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>

#include "ReplaySession.h"

namespace {

const std::string& exportDir() {
    static const std::string* dir = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "ladderpad-fuzz-replay-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        const std::string* d = new std::string(pattern);
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
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, err;
    lp::ReplayOptions options;
    options.exportDir = exportDir();
    options.drawingFiles = false;  // no files written wherever the bytes name
    const int status = lp::runReplay(script, out, err, options);
    const std::string e = err.str();
    const bool clean = status == 0 && e.empty();
    const bool refused = status == 2 && e.rfind("error: ", 0) == 0 && e.find('\n') == e.size() - 1;
    if (clean || refused) return 0;
    std::fprintf(stderr, "status %d, standard error:\n%s\n", status, e.c_str());
    std::abort();
}
