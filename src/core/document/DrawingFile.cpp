#include "document/DrawingFile.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "document/DrawingLimits.h"
#include "document/DrawingReader.h"
#include "document/DrawingWriter.h"
#include "platform/SystemReason.h"
#include "statement/AtomicFile.h"

namespace lp {

namespace {

namespace fs = std::filesystem;

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string toUtf8(const fs::path& path) {
    const std::u8string s = path.u8string();
    return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

std::string openRefused(const std::string& path, const std::string& what) {
    return "无法打开图纸“" + fullPath(path) + "”：" + what + "。";
}

}  // namespace

std::string fullPath(const std::string& path) {
    std::error_code ec;
    const fs::path full = fs::absolute(toPath(path), ec);
    return ec ? path : toUtf8(full.lexically_normal());
}

std::string fileNameOf(const std::string& path) { return toUtf8(toPath(path).filename()); }

DrawingLoad loadDrawingFile(const std::string& path) {
    DrawingLoad load;
    const fs::path p = toPath(path);
    std::error_code ec;
    const fs::file_status status = fs::status(p, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        // A loop of symbolic links, a folder that cannot be entered, ...
        load.message = openRefused(path, systemReason(ec));
        return load;
    }
    if (!fs::exists(status)) {
        load.message = openRefused(path, "文件不存在");
        return load;
    }
    if (!fs::is_regular_file(status)) {
        load.message = openRefused(path, fs::is_directory(status) ? "这是一个文件夹，不是图纸文件" : "这不是普通文件");
        return load;
    }
    const std::uintmax_t size = fs::file_size(p, ec);
    if (ec || size > kMaxDrawingFileBytes) {
        load.message = openRefused(path, ec ? "无法读取文件（" + systemReason(ec) + "）" : "文件大于 8 MiB，不是本程序保存的图纸");
        return load;
    }
    // Read in pieces and never more than one byte past the limit, in case
    // the file has grown since it was measured.
    errno = 0;
    std::ifstream in(p, std::ios::binary);
    if (!in.is_open()) {
        load.message = openRefused(path, "无法读取文件（" + (errno ? lastSystemReason() : std::string("拒绝访问")) + "）");
        return load;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size) + 1);
    char piece[64 * 1024];
    while (in && bytes.size() <= kMaxDrawingFileBytes) {
        in.read(piece, sizeof piece);
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad() || (!in.eof() && bytes.size() <= kMaxDrawingFileBytes)) {
        load.message = openRefused(path, "无法读取文件");
        return load;
    }
    DrawingRead read = readDrawing(bytes);
    if (!read.drawing) {
        const std::string where = read.fault.line > 0 ? "第 " + std::to_string(read.fault.line) + " 行：" : "";
        load.message = openRefused(path, where + read.fault.what);
        return load;
    }
    load.drawing = std::move(read.drawing);
    return load;
}

std::string saveDrawingFile(const std::string& path, const DrawingState& drawing) {
    const std::string full = fullPath(path);
    if (drawing.Text1.size() > kMaxDrawingTextBytes || drawing.StatementList.size() > kMaxDrawingTextBytes)
        return "无法保存图纸“" + full + "”：语句表的文字超过了 2 MiB。";
    const std::string bytes = writeDrawing(drawing);
    if (bytes.size() > kMaxDrawingFileBytes) return "无法保存图纸“" + full + "”：图纸文件会超过 8 MiB。";
    const std::string why = replaceFile(toUtf8(toPath(path)), bytes);
    return why.empty() ? why : "无法保存图纸：" + full + "（" + why + "）";
}

}  // namespace lp
