#include "PicturePainter.h"

#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <system_error>
#include <vector>

#include "Fonts.h"
#include "WideText.h"
#include "platform/SystemReason.h"

namespace lp::win {

namespace {

HFONT pictureFont(double pixels, bool bold) {
    const std::wstring face = resolvedFace(kSheetFont.face);
    return ::CreateFontW(-std::max(1, static_cast<int>(std::lround(pixels))), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                         FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                         FIXED_PITCH | FF_MODERN, face.c_str());
}

template <class T>
void release(T*& p) {
    if (p) p->Release();
    p = nullptr;
}

}  // namespace

void paintPicture(HDC dc, const Picture& picture, double scale, int x, int y, double top) {
    const auto px = [&](double v) { return static_cast<int>(std::lround(v * scale)); };
    const int saved = ::SaveDC(dc);
    RECT all{x, y, x + px(picture.width), y + px(picture.height - top)};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    for (const PictureStroke& s : picture.strokes) {
        LOGBRUSH brush{BS_SOLID, s.grey ? RGB(0x99, 0x99, 0x99) : RGB(0, 0, 0), 0};
        HPEN pen = ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, std::max(1, px(s.width)), &brush, 0, nullptr);
        HGDIOBJ old = ::SelectObject(dc, pen);
        ::MoveToEx(dc, x + px(s.x1), y + px(s.y1 - top), nullptr);
        ::LineTo(dc, x + px(s.x2), y + px(s.y2 - top));
        ::SelectObject(dc, old);
        ::DeleteObject(pen);
    }
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    for (const PictureText& t : picture.texts) {
        HFONT font = pictureFont(t.size * scale, t.bold);
        HGDIOBJ old = ::SelectObject(dc, font);
        const std::wstring text = wide(t.text);
        if (t.columns.empty()) {
            ::TextOutW(dc, x + px(t.x), y + px(t.baseline - top), text.c_str(), static_cast<int>(text.size()));
        } else {
            // Each character at its column of the sheet's grid.
            std::size_t index = 0;
            for (std::size_t at = 0; at < text.size() && index < t.columns.size(); ++index) {
                const std::size_t units = IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() ? 2 : 1;
                if (text[at] != L' ')
                    ::TextOutW(dc, x + px(t.x + t.columns[index] * t.size / 2), y + px(t.baseline - top), &text[at],
                               static_cast<int>(units));
                at += units;
            }
        }
        ::SelectObject(dc, old);
        ::DeleteObject(font);
    }
    ::RestoreDC(dc, saved);
}

std::string writePicturePng(const Picture& picture, const std::string& path) {
    constexpr double kScale = 2;
    const int width = static_cast<int>(std::ceil(picture.width * kScale));
    const int height = static_cast<int>(std::ceil(picture.height * kScale));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        ::DeleteDC(dc);
        return systemReason(std::error_code(static_cast<int>(::GetLastError()), std::system_category()));
    }
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    paintPicture(dc, picture, kScale);
    ::GdiFlush();

    // Written beside the target, then moved over it.
    const std::wstring target = wide(path);
    const std::wstring temporary = target + L".ladderpad-new";
    HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool uninitialize = SUCCEEDED(hr);
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    hr = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
    if (SUCCEEDED(hr)) hr = factory->CreateStream(&stream);
    if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(temporary.c_str(), GENERIC_WRITE);
    if (SUCCEEDED(hr)) hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
    if (SUCCEEDED(hr)) hr = encoder->Initialize(stream, WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(&frame, nullptr);
    if (SUCCEEDED(hr)) hr = frame->Initialize(nullptr);
    if (SUCCEEDED(hr)) hr = frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height));
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
    if (SUCCEEDED(hr))
        hr = frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(width) * 4,
                                static_cast<UINT>(width) * 4 * static_cast<UINT>(height), static_cast<BYTE*>(bits));
    if (SUCCEEDED(hr)) hr = frame->Commit();
    if (SUCCEEDED(hr)) hr = encoder->Commit();
    release(frame);
    release(encoder);
    release(stream);
    release(factory);
    if (uninitialize) ::CoUninitialize();
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    if (FAILED(hr)) {
        ::DeleteFileW(temporary.c_str());
        return systemReason(std::error_code(static_cast<int>(hr & 0xFFFF), std::system_category()));
    }
    if (!::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        return systemReason(std::error_code(static_cast<int>(error), std::system_category()));
    }
    return {};
}

void printPicture(HWND owner, const Picture& picture) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!::PrintDlgW(&dialog) || !dialog.hDC) return;
    HDC dc = dialog.hDC;
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
    const int pageWidth = ::GetDeviceCaps(dc, HORZRES);
    const int pageHeight = ::GetDeviceCaps(dc, VERTRES);
    const double scale = std::min(dpi / 96.0, pageWidth / picture.width);
    const std::wstring title = wide("梯形图");
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = title.c_str();
    if (::StartDocW(dc, &doc) > 0) {
        const double pagePicture = pageHeight / scale;
        for (double top = 0; top < picture.height; top += pagePicture) {
            ::StartPage(dc);
            const int saved = ::SaveDC(dc);
            ::IntersectClipRect(dc, 0, 0, pageWidth, pageHeight);
            paintPicture(dc, picture, scale, 0, 0, top);
            ::RestoreDC(dc, saved);
            ::EndPage(dc);
        }
        ::EndDoc(dc);
    }
    ::DeleteDC(dc);
    if (dialog.hDevMode) ::GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) ::GlobalFree(dialog.hDevNames);
}

}  // namespace lp::win
