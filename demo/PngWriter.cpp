#include "PngWriter.h"
#include <cstdint>
#include <cstdio>
#include <vector>

namespace
{
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0xFFFFFFFFu)
{
    for (size_t i = 0; i < size; ++i)
    {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc;
}

void PutBE32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data)
{
    PutBE32(out, static_cast<uint32_t>(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBE32(out, Crc32(&out[start], out.size() - start) ^ 0xFFFFFFFFu);
}

// A zlib stream of stored (uncompressed) blocks: screenshots are small, and this needs no codec.
std::vector<uint8_t> ZlibStored(const std::vector<uint8_t>& raw)
{
    std::vector<uint8_t> z = { 0x78, 0x01 };
    size_t pos = 0;
    do
    {
        size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        z.push_back(pos + n == raw.size() ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + n));
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw)
    {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBE32(z, (b << 16) | a);
    return z;
}
}

BOOL WriteScreenPng(const RECT& rc, LPCSTR lpszPath, HRGN hShown)
{
    int width = rc.right - rc.left;
    int height = rc.bottom - rc.top;
    if (width <= 0 || height <= 0)
        return FALSE;

    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height; // top-down rows
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    BOOL ok = hBitmap != nullptr;
    if (ok)
    {
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        if (hShown != nullptr)
        {
            // Only the windows are copied: the bare display around them would show as black.
            const RECT rcAll{ 0, 0, width, height };
            HBRUSH hBackground = ::CreateSolidBrush(RGB(255, 255, 255));
            ::FillRect(hMem, &rcAll, hBackground);
            ::DeleteObject(hBackground);
            HRGN hClip = ::CreateRectRgn(0, 0, 0, 0);
            ::CombineRgn(hClip, hShown, nullptr, RGN_COPY);
            ::OffsetRgn(hClip, -rc.left, -rc.top);
            ::SelectClipRgn(hMem, hClip);
            ::DeleteObject(hClip);
        }
        ok = ::BitBlt(hMem, 0, 0, width, height, hScreen, rc.left, rc.top, SRCCOPY);
        ::SelectClipRgn(hMem, nullptr);
        ::GdiFlush();
        ::SelectObject(hMem, hOld);
    }
    std::vector<uint8_t> raw;
    if (ok)
    {
        const uint8_t* bgra = static_cast<const uint8_t*>(pBits);
        raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
        for (int y = 0; y < height; ++y)
        {
            raw.push_back(0); // no filter
            for (int x = 0; x < width; ++x)
            {
                const uint8_t* px = bgra + (static_cast<size_t>(y) * width + x) * 4;
                raw.push_back(px[2]);
                raw.push_back(px[1]);
                raw.push_back(px[0]);
            }
        }
    }
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    if (!ok)
        return FALSE;

    std::vector<uint8_t> png = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    std::vector<uint8_t> header;
    PutBE32(header, static_cast<uint32_t>(width));
    PutBE32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), { 8, 2, 0, 0, 0 }); // 8-bit RGB
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", ZlibStored(raw));
    PutChunk(png, "IEND", {});

    FILE* file = std::fopen(lpszPath, "wb");
    if (file == nullptr)
        return FALSE;
    bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    written = std::fclose(file) == 0 && written;
    return written ? TRUE : FALSE;
}
