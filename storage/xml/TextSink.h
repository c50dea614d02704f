#pragma once
#include <cstdint>

#include "core/str/StrBuffer.h"
#include "core/str/Utf8Codec.h"

namespace s {
namespace xml {

// The writer's outputs (ElementWriter.h): UTF-16 text, the size of the UTF-8 form, and the UTF-8
// form itself written into room sized beforehand.

class TextSink {
public:
    explicit TextSink(str::strbuffer::StrBuffer* out) : out_(out) {}
    void Char(wchar_t c) { out_->AppendChar(c); }
    void Chars(const wchar_t* text, uint32_t n) { out_->AppendChars(text, n); }

private:
    str::strbuffer::StrBuffer* out_;
};

class Utf8SizeSink {
public:
    void Char(wchar_t) { ++bytes_; }
    void Chars(const wchar_t* text, uint32_t n)
    {
        // Names and values are mostly ASCII: a byte each, counted here without a call.
        uint32_t i = 0;
        while (i < n && text[i] < 0x80)
            ++i;
        bytes_ += i;
        if (i < n)
            bytes_ += str::Utf8Bytes(text + i, n - i);
    }
    uint64_t Bytes() const { return bytes_; }

private:
    uint64_t bytes_ = 0;
};

class Utf8Sink {
public:
    explicit Utf8Sink(char* at) : at_(at) {}
    void Char(wchar_t c) { *at_++ = static_cast<char>(c); }
    void Chars(const wchar_t* text, uint32_t n)
    {
        uint32_t i = 0;
        for (; i < n && text[i] < 0x80; ++i)
            at_[i] = static_cast<char>(text[i]);
        at_ += i;
        if (i < n)
            at_ = str::EncodeUtf8(text + i, n - i, at_);
    }
    char* End() const { return at_; }

private:
    char* at_;
};

} // namespace xml
} // namespace s
