// Times the hot paths of the string beside std::wstring on the same texts.
#include "BenchClock.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/str/StrBuffer.h"

using s::str::strbuffer::StrBuffer;

namespace {

const uint32_t kRounds = 1000000;
const uint32_t kChars = 10000000;
volatile uint64_t sink;

// Seconds taken by rounds calls of step(i), the best of a few runs.
template <class Step>
double Time(uint32_t rounds, Step step)
{
    return Best([&] {
        for (uint32_t i = 0; i < rounds; ++i)
            step(i);
    });
}

void Report(const char* what, double ours, double theirs)
{
    std::printf("%-48s StrBuffer %8.2f ms, std::wstring %8.2f ms, ratio %.2f\n", what, ours * 1e3, theirs * 1e3,
                ours / theirs);
}

// The shape of a field's value text, rebuilt in the same string on every refresh.
void FieldText()
{
    StrBuffer* s = StrBuffer::New();
    const double ours = Time(kRounds, [&](uint32_t i) {
        s->Clear();
        s->Append(L"CPU ")->AppendChars(L"0123456789" + (i % 8), 2);
        s->AppendChar(L'.');
        s->AppendChar(L'5');
        s->Append(L" %");
        sink = sink + s->GetLength();
    });
    s->ReleaseToPool();
    std::wstring w;
    const double theirs = Time(kRounds, [&](uint32_t i) {
        w.clear();
        w.append(L"CPU ").append(L"0123456789" + (i % 8), 2);
        w.push_back(L'.');
        w.push_back(L'5');
        w.append(L" %");
        sink = sink + w.size();
    });
    Report("field text rebuild (clear + 5 appends)", ours, theirs);
}

void OneCharacterAppends()
{
    // Each run starts from an empty text, so the growth steps are timed too.
    StrBuffer* s = StrBuffer::New();
    const double ours = Time(kChars, [&](uint32_t i) {
        if (i == 0)
            s->FreeAll();
        s->AppendChar(static_cast<wchar_t>(L'a' + (i & 15)));
    });
    sink = *s->CharPtrAt(kChars - 1);
    s->ReleaseToPool();
    std::wstring w;
    const double theirs = Time(kChars, [&](uint32_t i) {
        if (i == 0)
            std::wstring().swap(w);
        w.push_back(static_cast<wchar_t>(L'a' + (i & 15)));
    });
    sink = w.back();
    Report("one-character appends x10M, from empty", ours, theirs);
}

void Assigns()
{
    const wchar_t* texts[2] = {L"Memory used: 4.2 GB of 16 GB", L"Disk read 12.5 MB/s"};
    StrBuffer* s = StrBuffer::New();
    const double ours = Time(kRounds, [&](uint32_t i) { sink = sink + s->Assign(texts[i & 1])->GetLength(); });
    s->ReleaseToPool();
    std::wstring w;
    const double theirs = Time(kRounds, [&](uint32_t i) { sink = sink + w.assign(texts[i & 1]).size(); });
    Report("assign of a NUL-terminated text", ours, theirs);
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

    Report("compare, 36 characters, differing near the end",
           Time(kRounds, [&](uint32_t) { sink = sink + static_cast<uint32_t>(a->CompareTo(b)); }),
           Time(kRounds, [&](uint32_t) { sink = sink + static_cast<uint32_t>(x.compare(y)); }));
    Report("equality, same texts as above", Time(kRounds, [&](uint32_t) { sink = sink + a->Equals(b); }),
           Time(kRounds, [&](uint32_t) { sink = sink + (x == y); }));
    Report("compare ignoring case (wstring: _wcsicmp)",
           Time(kRounds, [&](uint32_t) { sink = sink + static_cast<uint32_t>(a->CompareToIgnoreCase(b)); }),
           Time(kRounds, [&](uint32_t) { sink = sink + static_cast<uint32_t>(_wcsicmp(x.c_str(), y.c_str())); }));
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
