#include "FileDialogs.h"

#include <commdlg.h>

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

std::string ask(HWND owner, const std::string& title, const std::string& start, bool save,
                const std::wstring& filterText = filter(), const std::wstring& extension = wide(kDrawingSuffix)) {
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

}  // namespace lp::win
