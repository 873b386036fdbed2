// A fuzz target for the drawing reader: the bytes are a drawing file.
// Whatever they hold, the reader either refuses them with a message and a
// line inside the file, or gives a drawing that writes back to a file which
// reads again to the same text; such a drawing is then opened and every
// button pressed once, a name answered wherever one is asked. Anything else
// aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "app/Buttons.h"
#include "document/DrawingReader.h"
#include "document/DrawingWriter.h"
#include "sheet/Ladder.h"

namespace {

class AnsweringUserInterface : public lp::UserInterface {
public:
    std::string inputBox(const std::string&, const std::string&) override { return "X01"; }
    void messageBox(const std::string&, const std::string&) override {}
};

const std::string& exportDir() {
    static const std::string* dir = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "ladderpad-fuzz-drawing-XXXXXX").string();
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

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    exportDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lp::DrawingRead read = lp::readDrawing(bytes);
    if (!read.drawing) {
        long lines = 1;
        for (char c : bytes) lines += c == '\n';
        if (read.fault.what.empty()) broken("a refusal without a message");
        if (read.fault.line < 0 || read.fault.line > lines) broken("a refusal on a line outside the file");
        return 0;
    }
    const std::string written = lp::writeDrawing(*read.drawing);
    const lp::DrawingRead again = lp::readDrawing(written);
    if (!again.drawing) {
        std::fprintf(stderr, "line %ld: %s\n", again.fault.line, again.fault.what.c_str());
        broken("a drawing that was read does not read again once written");
    }
    if (lp::writeDrawing(*again.drawing) != written) broken("a drawing read again writes another text");

    AnsweringUserInterface ui;
    lp::Ladder ladder(ui);
    ladder.exportDir = exportDir();
    ladder.Form_Load();
    ladder.Form_Activate();
    lp::applyDrawing(ladder, *read.drawing);
    for (int n = 1; n <= lp::kButtonCount; ++n) (void)lp::pressButton(ladder, n);
    return 0;
}
