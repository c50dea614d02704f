#include "support/Screenshot.h"

#include <csetjmp>
#include <cstdio>

#include <png.h>

namespace testing_support {

namespace {

const int kBitsPerPixel = 32;
const int kPngBitDepth = 8;
const int kRgbBytes = 3;

// Owners of the GDI objects of one capture, so that every early return gives them back.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc()
    {
        if (dc_)
            ReleaseDC(nullptr, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDc()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

class Bitmap {
public:
    explicit Bitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    ~Bitmap()
    {
        if (bitmap_)
            DeleteObject(bitmap_);
    }
    HBITMAP Get() const { return bitmap_; }

private:
    HBITMAP bitmap_;
};

class File {
public:
    explicit File(const std::wstring& path) : file_(_wfopen(path.c_str(), L"wb")) {}
    ~File()
    {
        if (file_)
            fclose(file_);
    }
    FILE* Get() const { return file_; }
    // Closes now and tells whether everything reached the disk.
    bool Close()
    {
        const bool closed = file_ && fclose(file_) == 0;
        file_ = nullptr;
        return closed;
    }

private:
    FILE* file_;
};

void WriteToFile(png_structp png, png_bytep data, png_size_t length)
{
    FILE* file = static_cast<FILE*>(png_get_io_ptr(png));
    if (fwrite(data, 1, length, file) != length)
        png_error(png, "short write");
}

void FlushFile(png_structp png)
{
    fflush(static_cast<FILE*>(png_get_io_ptr(png)));
}

// libpng reports errors by a long jump: the rows are built beforehand so that nothing with a
// destructor lives between the setjmp and the jump.
bool WritePngRows(FILE* file, int32_t width, int32_t height, png_bytep* rows)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, file, &WriteToFile, &FlushFile);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), kPngBitDepth,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

COLORREF ScreenImage::At(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    const uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

bool CaptureScreenArea(const RECT& area, ScreenImage* image)
{
    const int32_t width = area.right - area.left;
    const int32_t height = area.bottom - area.top;
    if (!image || width <= 0 || height <= 0)
        return false;
    ScreenDc screen;
    if (!screen.Get())
        return false;
    MemoryDc memory(screen.Get());
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = kBitsPerPixel;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(screen.Get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory.Get() || !bitmap.Get() || !bits)
        return false;
    HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
    const BOOL copied =
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    SelectObject(memory.Get(), previous);
    if (!copied)
        return false;
    const uint32_t* words = static_cast<const uint32_t*>(bits);
    image->width = width;
    image->height = height;
    image->pixels.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < image->pixels.size(); ++i)
        image->pixels[i] = words[i] & 0x00FFFFFF;
    return true;
}

bool CaptureScreen(ScreenImage* image)
{
    RECT screen;
    screen.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    screen.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return CaptureScreenArea(screen, image);
}

bool CaptureWindow(HWND window, ScreenImage* image)
{
    RECT area;
    return window && GetWindowRect(window, &area) && CaptureScreenArea(area, image);
}

std::wstring ScreenshotFolder()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    std::wstring folder(path, length);
    const size_t slash = folder.find_last_of(L"\\/");
    folder = (slash == std::wstring::npos ? std::wstring(L".") : folder.substr(0, slash)) + L"\\screenshots";
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return std::wstring();
    return folder;
}

std::wstring SaveScreenshot(const ScreenImage& image, const wchar_t* name)
{
    if (image.width <= 0 || image.height <= 0 || !name)
        return std::wstring();
    const std::wstring folder = ScreenshotFolder();
    if (folder.empty())
        return std::wstring();
    const std::wstring path = folder + L"\\" + name + L".png";

    std::vector<png_byte> rgb(static_cast<size_t>(image.width) * image.height * kRgbBytes);
    std::vector<png_bytep> rows(image.height);
    for (int32_t y = 0; y < image.height; ++y) {
        rows[y] = &rgb[static_cast<size_t>(y) * image.width * kRgbBytes];
        for (int32_t x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
            png_bytep out = rows[y] + x * kRgbBytes;
            out[0] = static_cast<png_byte>(pixel >> 16);
            out[1] = static_cast<png_byte>(pixel >> 8);
            out[2] = static_cast<png_byte>(pixel);
        }
    }
    File file(path);
    const bool written = file.Get() && WritePngRows(file.Get(), image.width, image.height, rows.data());
    if (!file.Close() || !written) {
        DeleteFileW(path.c_str());
        return std::wstring();
    }
    return path;
}

} // namespace testing_support
