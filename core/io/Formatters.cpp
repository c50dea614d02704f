#include "core/io/Formatters.h"

namespace s {

typedef str::strbuffer::StrBuffer StrBuffer;

namespace {

const wchar_t kDay[] = L"d";
const wchar_t kHour[] = L"h";
const wchar_t kMinute[] = L"m";
const wchar_t kSecond[] = L"s";
const wchar_t kUnitSeparator[] = L" ";

const wchar_t* const kTransferStates[] = {L"Error",          L"Canceled",        L"Pending...",
                                          L"Paused",         L"Canceling...",    L"Retrying...",
                                          L"Initializing...", L"Downloading",    L"Completed!"};
const int32_t kTransferStateCount = sizeof kTransferStates / sizeof kTransferStates[0];

const int64_t kMissingReading = -2;
const uint32_t kFieldBits = 10;
const uint64_t kFieldMask = (1u << kFieldBits) - 1;

// Units from the kilo field up; the plain unit stands apart.
struct SizeUnits {
    const wchar_t* plain;
    const wchar_t* scaled[4];
};
const SizeUnits kByteUnits = {L" B", {L" KB", L" MB", L" GB", L" TB"}};
const SizeUnits kBitUnits = {L" b", {L" Kb", L" Mb", L" Gb", L" Tb"}};

void AppendTwoDigits(StrBuffer* out, int64_t value)
{
    if (value < 10)
        out->AppendChar(L'0');
    out->AppendInt64(value);
}

// The count in 10-bit fields: the highest non-zero one from kilo up is the whole number, the
// one below it the fraction. The top field is not cut to ten bits, so huge counts stay correct.
void AppendSize(StrBuffer* out, uint64_t count, const SizeUnits& units)
{
    for (int unit = 3; unit >= 0; --unit) {
        const uint32_t shift = kFieldBits * static_cast<uint32_t>(unit + 1);
        const uint64_t whole = unit == 3 ? count >> shift : (count >> shift) & kFieldMask;
        if (whole == 0)
            continue;
        const uint64_t fraction = (count >> (shift - kFieldBits)) & kFieldMask;
        out->AppendInt64(static_cast<int64_t>(whole));
        if (whole < 100) {
            out->AppendChar(L'.');
            const uint64_t hundredths = fraction * 100 / 1024;
            if (whole < 10)
                AppendTwoDigits(out, static_cast<int64_t>(hundredths));
            else
                out->AppendInt64(static_cast<int64_t>(hundredths / 10));
        }
        out->Append(units.scaled[unit]);
        return;
    }
    out->AppendInt64(static_cast<int64_t>(count & kFieldMask));
    out->Append(units.plain);
}

} // namespace

namespace time {

StrBuffer* FormatDuration(int64_t milliseconds, StrBuffer* out)
{
    out = StrBuffer::PrepareTarget(out, false);
    if (!out)
        return out;
    const int64_t totalSeconds = milliseconds / 1000;
    const int64_t totalMinutes = totalSeconds / 60;
    const int64_t totalHours = totalMinutes / 60;
    const int64_t days = totalHours / 24;
    const int64_t seconds = totalSeconds - totalMinutes * 60;
    const int64_t minutes = totalMinutes - totalHours * 60;
    const int64_t hours = totalHours - days * 24;
    if (days > 0)
        out->AppendInt64(days)->Append(kDay)->Append(kUnitSeparator)->AppendInt64(hours)->Append(kHour);
    else if (hours > 0)
        out->AppendInt64(hours)->Append(kHour)->Append(kUnitSeparator)->AppendInt64(minutes)->Append(kMinute);
    else if (minutes > 0)
        out->AppendInt64(minutes)->Append(kMinute)->Append(kUnitSeparator)->AppendInt64(seconds)->Append(kSecond);
    else
        out->AppendInt64(seconds)->Append(kSecond);
    return out;
}

} // namespace time

namespace system {
namespace counter {

StrBuffer* FormatPercentTenths(int32_t tenths, StrBuffer* out)
{
    out = StrBuffer::PrepareTarget(out, false);
    if (!out || tenths < 0)
        return out;
    uint32_t v = static_cast<uint32_t>(tenths);
    if (v > 1000)
        v = (v - 1001) % 1000 + 1;
    out->AppendUInt32(v / 10)->Append(L".")->AppendUInt32(v % 10);
    return out->Append(L" %");
}

StrBuffer* FormatHms(const int64_t* seconds, StrBuffer* out)
{
    out = StrBuffer::PrepareTarget(out, false);
    if (!out || !seconds)
        return out;
    const uint64_t s = *seconds < 0 ? 0 - static_cast<uint64_t>(*seconds) : static_cast<uint64_t>(*seconds);
    AppendTwoDigits(out, static_cast<int64_t>(s / 3600));
    out->AppendChar(L':');
    AppendTwoDigits(out, static_cast<int64_t>(s / 60 % 60));
    out->AppendChar(L':');
    AppendTwoDigits(out, static_cast<int64_t>(s % 60));
    return out;
}

void FormatByteSize(const int64_t* bytes, StrBuffer* out)
{
    if (!out)
        return;
    out->ClearText();
    if (!bytes || *bytes == kMissingReading)
        return;
    if (*bytes < 0) {
        out->AppendChar(L'-');
        return;
    }
    AppendSize(out, static_cast<uint64_t>(*bytes), kByteUnits);
}

void FormatBitSize(const int64_t* bytes, StrBuffer* out)
{
    if (!out || !bytes || *bytes == kMissingReading)
        return;
    if (*bytes < 0) {
        out->Assign(L"-");
        return;
    }
    AppendSize(out, static_cast<uint64_t>(*bytes) * 8, kBitUnits);
}

void FormatTransferState(int32_t state, StrBuffer* out)
{
    if (!out)
        return;
    out->ClearText();
    if (state >= 0 && state < kTransferStateCount)
        out->Append(kTransferStates[state]);
}

} // namespace counter
} // namespace system
} // namespace s
