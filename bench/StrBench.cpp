// Times the hot paths of the string beside std::wstring on the same texts.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/str/StrBuffer.h"

using s::str::strbuffer::StrBuffer;

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

const uint32_t kRounds = 1000000;
const uint32_t kChars = 10000000;
volatile uint64_t sink;

void Report(const char* what, double ours, double theirs)
{
    std::printf("%-48s StrBuffer %8.2f ms, std::wstring %8.2f ms, ratio %.2f\n", what, ours * 1e3, theirs * 1e3,
                ours / theirs);
}

// The shape of a field's value text, rebuilt in the same string on every refresh.
void FieldText()
{
    StrBuffer* s = StrBuffer::New();
    const double a0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i) {
        s->Clear();
        s->Append(L"CPU ")->AppendChars(L"0123456789" + (i % 8), 2);
        s->AppendChar(L'.');
        s->AppendChar(L'5');
        s->Append(L" %");
        sink = sink + s->GetLength();
    }
    const double a1 = Now();
    s->ReleaseToPool();

    std::wstring w;
    const double b0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i) {
        w.clear();
        w.append(L"CPU ").append(L"0123456789" + (i % 8), 2);
        w.push_back(L'.');
        w.push_back(L'5');
        w.append(L" %");
        sink = sink + w.size();
    }
    const double b1 = Now();
    Report("field text rebuild (clear + 5 appends)", a1 - a0, b1 - b0);
}

void OneCharacterAppends()
{
    StrBuffer* s = StrBuffer::New();
    const double a0 = Now();
    for (uint32_t i = 0; i < kChars; ++i)
        s->AppendChar(static_cast<wchar_t>(L'a' + (i & 15)));
    const double a1 = Now();
    sink = *s->CharPtrAt(kChars - 1);
    s->ReleaseToPool();

    std::wstring w;
    const double b0 = Now();
    for (uint32_t i = 0; i < kChars; ++i)
        w.push_back(static_cast<wchar_t>(L'a' + (i & 15)));
    const double b1 = Now();
    sink = w.back();
    Report("one-character appends x10M, from empty", a1 - a0, b1 - b0);
}

void Assigns()
{
    const wchar_t* texts[2] = {L"Memory used: 4.2 GB of 16 GB", L"Disk read 12.5 MB/s"};
    StrBuffer* s = StrBuffer::New();
    const double a0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i) {
        s->Assign(texts[i & 1]);
        sink = sink + s->GetLength();
    }
    const double a1 = Now();
    s->ReleaseToPool();

    std::wstring w;
    const double b0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i) {
        w.assign(texts[i & 1]);
        sink = sink + w.size();
    }
    const double b1 = Now();
    Report("assign of a NUL-terminated text", a1 - a0, b1 - b0);
}

void Compares()
{
    const wchar_t* left = L"\\Processor(_Total)\\% Processor Time";
    const wchar_t* right = L"\\Processor(_Total)\\% Processor Tick";
    StrBuffer* a = StrBuffer::New();
    StrBuffer* b = StrBuffer::New();
    a->Assign(left);
    b->Assign(right);
    const std::wstring x(left), y(right);

    const double a0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i)
        sink = sink + static_cast<uint32_t>(a->CompareTo(b));
    const double a1 = Now();
    const double b0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i)
        sink = sink + static_cast<uint32_t>(x.compare(y));
    const double b1 = Now();
    Report("compare, 36 characters, differing near the end", a1 - a0, b1 - b0);

    const double c0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i)
        sink = sink + a->Equals(b);
    const double c1 = Now();
    const double d0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i)
        sink = sink + (x == y);
    const double d1 = Now();
    Report("equality, same texts as above", c1 - c0, d1 - d0);

    const double e0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i)
        sink = sink + a->CompareToIgnoreCase(b);
    const double e1 = Now();
    const double f0 = Now();
    for (uint32_t i = 0; i < kRounds; ++i)
        sink = sink + static_cast<uint32_t>(_wcsicmp(x.c_str(), y.c_str()));
    const double f1 = Now();
    Report("compare ignoring case (wstring: _wcsicmp)", e1 - e0, f1 - f0);
    a->ReleaseToPool();
    b->ReleaseToPool();
}

} // namespace

int main()
{
    FieldText();
    OneCharacterAppends();
    Assigns();
    Compares();
    return 0;
}
