#include "Fonts.h"

#include <cmath>

#include "WideText.h"

namespace lp::win {

namespace {
int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}
}  // namespace

bool faceInstalled(const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = GB2312_CHARSET;
    if (face.size() >= LF_FACESIZE) return false;
    face.copy(query.lfFaceName, face.size());
    bool found = false;
    HDC dc = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(dc, &query, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, dc);
    return found;
}

std::wstring resolvedFace(const char* face) {
    const std::wstring named = wide(face);
    if (faceInstalled(named)) return named;
    for (const char* standIn : faceStandIns(face)) {
        const std::wstring candidate = wide(standIn);
        if (faceInstalled(candidate)) return candidate;
    }
    return named;
}

HFONT createFont(const FontSpec& def, int dpi) {
    return createFontOfHeight(def, static_cast<int>(std::lround(def.points * dpi / 72.0)));
}

HFONT createFontOfHeight(const FontSpec& def, int pixels) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(pixels);
    font.lfWeight = def.bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = def.underline ? TRUE : FALSE;
    font.lfCharSet = GB2312_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = resolvedFace(def.face ? def.face : kSongTi);
    face.copy(font.lfFaceName, std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    return ::CreateFontIndirectW(&font);
}

}  // namespace lp::win
