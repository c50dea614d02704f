#pragma once
#include <cstdint>

namespace s {
namespace map {
class IMappedData;
}

namespace system {
namespace counter {

// The stored order of the field rows: "count" and one key per position ("_0", "_1", ...).
typedef const wchar_t* (*FieldKeyOf)(void* field);

// Moves each stored key's field to its stored position, the fields between shifting back by one.
// Keys that match no field (letter case ignored), empty keys and positions beyond the list are
// skipped, so an order survives fields that disappeared and a damaged count never walks past
// the list.
void ApplyFieldOrder(map::IMappedData* settings, const wchar_t* section, void** fields, int32_t count,
                     FieldKeyOf keyOf);
// Writes the whole order as one batch: auto-save off, every entry, one save, auto-save as it was.
void StoreFieldOrder(map::IMappedData* settings, const wchar_t* section, void** fields, int32_t count,
                     FieldKeyOf keyOf);
// Compares the stored count of shown fields with the current one; stores it and returns true
// when they differ, so the caller lays the rows out again.
bool UpdateLastVisible(map::IMappedData* settings, const wchar_t* section, int32_t enabledCount);

} // namespace counter
} // namespace system
} // namespace s
