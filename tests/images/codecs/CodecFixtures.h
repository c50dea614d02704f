#pragma once
#include <windows.h>

#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/col/Arrays.h"
#include "images/codecs/IEncodedImage.h"

namespace codecs_test {

using Bytes = std::vector<uint8_t>;

// A pooled byte array holding the bytes, positioned at its start.
class ByteStream {
public:
    explicit ByteStream(const Bytes& bytes = Bytes()) : array_(s::col::_array::ArrayU08::New())
    {
        uint32_t done = 0;
        if (!bytes.empty())
            array_->Write(bytes.data(), static_cast<uint32_t>(bytes.size()), &done);
        array_->SeekToStart();
    }
    ~ByteStream() { array_->ReleaseToPool(); }
    s::col::_array::ArrayU08* get() { return array_; }
    Bytes ToBytes()
    {
        auto* data = static_cast<const uint8_t*>(array_->GetData());
        return Bytes(data, data + array_->GetCount());
    }

private:
    ByteStream(const ByteStream&) = delete;
    ByteStream& operator=(const ByteStream&) = delete;
    s::col::_array::ArrayU08* array_;
};

inline Bytes EncodeToBytes(s::image::IEncodedImage* image, bool* ok = nullptr)
{
    ByteStream stream;
    bool encoded = image->Encode(stream.get());
    if (ok)
        *ok = encoded;
    return stream.ToBytes();
}

inline bool DecodeBytes(s::image::IEncodedImage* image, const Bytes& bytes)
{
    ByteStream stream(bytes);
    return image->Decode(stream.get());
}

// A file in the test's own temporary folder, removed at the end of the scope.
class TempFile {
public:
    explicit TempFile(const wchar_t* name)
    {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        path_ = std::wstring(folder) + L"pulsegrid-codecs-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
        DeleteFileW(path_.c_str());
    }
    ~TempFile() { DeleteFileW(path_.c_str()); }
    const wchar_t* c_str() const { return path_.c_str(); }
    void Write(const Bytes& bytes) const
    {
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD done = 0;
        if (!bytes.empty())
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
        CloseHandle(file);
    }
    Bytes Read() const
    {
        Bytes bytes;
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return bytes;
        bytes.resize(GetFileSize(file, nullptr));
        DWORD done = 0;
        if (!bytes.empty())
            ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
        CloseHandle(file);
        return bytes;
    }

private:
    std::wstring path_;
};

// A PNG made by libpng itself from raw rows in the file's own layout, so the decoder meets the
// library's real output for every colour type and depth.
struct PngLayout {
    uint32_t width;
    uint32_t height;
    int bitDepth;
    int colorType;
    bool interlaced;
    std::vector<Bytes> rows;
    std::vector<png_color> palette;
    Bytes transparency;
};

inline void AppendToBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

inline Bytes MakePng(const PngLayout& layout)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendToBytes, nullptr);
    png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colorType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!layout.palette.empty())
        png_set_PLTE(png, info, layout.palette.data(), static_cast<int>(layout.palette.size()));
    if (!layout.transparency.empty())
        png_set_tRNS(png, info, layout.transparency.data(), static_cast<int>(layout.transparency.size()), nullptr);
    png_write_info(png, info);
    std::vector<png_bytep> rows;
    for (const Bytes& row : layout.rows)
        rows.push_back(const_cast<png_bytep>(row.data()));
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace codecs_test
