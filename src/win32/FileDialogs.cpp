#include "FileDialogs.h"

#include <commdlg.h>

#include <array>
#include <vector>

#include "WideText.h"
#include "app/PictureExport.h"
#include "texts/DrawingTexts.h"

namespace lp::win {

namespace {

// The buffer the dialog fills: long paths too.
constexpr DWORD kPathChars = 32768;

// "梯形图 (*.lad)\0*.lad\0\0"
std::wstring filter() {
    std::wstring f = wide(kDrawingFilter);
    f += L'\0';
    f += L"*." + wide(kDrawingSuffix);
    f += L'\0';
    return f;
}

bool isFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// `chosenType`, when given, gets the 1-based index of the type the user chose.
std::string ask(HWND owner, const std::string& title, const std::string& start, bool save,
                const std::wstring& filterText = filter(), const std::wstring& extension = wide(kDrawingSuffix),
                DWORD* chosenType = nullptr) {
    const std::wstring titleText = wide(title);
    std::wstring folder;
    std::vector<wchar_t> path(kPathChars, L'\0');
    const std::wstring startText = wide(start);
    if (!save || isFolder(startText)) {
        folder = startText;
    } else if (startText.size() < kPathChars) {
        std::copy(startText.begin(), startText.end(), path.begin());
    }
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filterText.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = kPathChars;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = titleText.c_str();
    ofn.lpstrDefExt = extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
    if (!chosen) return {};
    if (chosenType) *chosenType = ofn.nFilterIndex;
    return utf8(std::wstring(path.data()));
}

}  // namespace

std::string askDrawingToOpen(HWND owner, const std::string& title, const std::string& folder) {
    return ask(owner, title, folder, false);
}

std::string askDrawingToSave(HWND owner, const std::string& title, const std::string& suggested) {
    return ask(owner, title, suggested, true);
}

std::string askPictureToSave(HWND owner, const std::string& title, const std::string& suggested) {
    std::wstring filters = wide(kPictureFilterPng) + L'\0' + L"*.png" + L'\0' + wide(kPictureFilterSvg) + L'\0' + L"*.svg" + L'\0';
    return ask(owner, title, suggested, true, filters + L'\0', L"png");
}

std::string askTraceToSave(HWND owner, const std::string& title, const std::string& suggested) {
    struct Type {
        const char* filter;
        const wchar_t* ending;
    };
    const std::array<Type, 3> types{{{kTraceFilterCsv, L"csv"}, {kPictureFilterSvg, L"svg"}, {kPictureFilterPng, L"png"}}};
    std::wstring filters;
    for (const Type& type : types) filters += wide(type.filter) + L'\0' + L"*." + type.ending + L'\0';
    // The name without its ending, which the dialog adds after the chosen type.
    std::string start = suggested;
    const std::size_t dot = start.find_last_of('.');
    if (dot != std::string::npos && start.find_first_of("/\\", dot) == std::string::npos) start.erase(dot);
    DWORD chosen = 1;
    std::string path = ask(owner, title, start, true, filters + L'\0', types[0].ending, &chosen);
    if (path.empty()) return path;
    // A dialog that added no ending: the chosen type's.
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t ending = path.find_last_of('.');
    if (ending == std::string::npos || (slash != std::string::npos && ending < slash)) {
        path += '.';
        path += utf8(types[chosen >= 1 && chosen <= types.size() ? chosen - 1 : 0].ending);
    }
    return path;
}

}  // namespace lp::win
