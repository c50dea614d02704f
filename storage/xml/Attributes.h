#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "storage/xml/AttrRecord.h"
#include "storage/xml/ShortList.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace xml {

// The attribute records of one element, named ones and text runs interleaved in the order they
// were added. The list owns its records: one removed or cleared goes back to the AttrFactory.
class Attributes : public base::IObject {
public:
    Attributes();
    ~Attributes() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    uint32_t GetCount() { return records_.GetCount(); }
    AttrRecord* GetRecord(uint32_t index) { return static_cast<AttrRecord*>(records_.Get(index)); }
    // Takes the record; false when no memory was left, and the record is then given back.
    bool Append(AttrRecord* record);
    // Takes the n records at once (see ShortList::AppendRun); false when no memory was left,
    // and the records are then given back.
    bool AppendRun(void* const* records, uint32_t n);
    // The first record whose name equals name with only A-Z and a-z folded; the empty name
    // finds the first text run.
    bool FindIndex(const wchar_t* name, uint32_t* index);
    AttrRecord* Find(const wchar_t* name);
    // The first text run, or null.
    AttrRecord* FirstText();
    // Removes the record at index and gives it back to the AttrFactory.
    void RemoveAt(uint32_t index);
    // Removes the first record of that name; false when there is none.
    bool RemoveFirst(const wchar_t* name);
    // Gives every record back to the AttrFactory.
    void RemoveAll();

private:
    Attributes(const Attributes&) = delete;
    Attributes& operator=(const Attributes&) = delete;

    ShortList records_;
};

typedef str::strbuffer::StrBuffer StrBuffer;

// Appends a record holding name and value unchanged (the parser's way of keeping what it read).
// A length of -1 counts up to the NUL. False when no memory was left for it.
bool AddAttributeRaw(Attributes* list, const wchar_t* name, uint32_t nameLength, const wchar_t* value,
                     uint32_t valueLength);
// Appends a record holding value escaped: by the attribute rules, or for the empty name (a text
// run) by the text rules.
bool SetAttributeText(Attributes* list, const wchar_t* name, const wchar_t* value);
// Scans the attributes of a start tag from the end of the element name into the list. Returns
// the position of the ">" or "/" that ended them, or of the terminating NUL when the text ended.
const wchar_t* ParseAttributes(Attributes* list, const wchar_t* position);
// The same over a text that ends at end, with no NUL before it (end stands for the NUL): the
// parser's own scans, over UTF-16 text or over the UTF-8 bytes of a document, which are decoded
// only into the records.
const wchar_t* ParseAttributes(Attributes* list, const wchar_t* position, const wchar_t* end);
const char* ParseAttributes(Attributes* list, const char* position, const char* end);
// Appends " name=\"value\"" for every named record in list order, values as stored.
void WriteAttributes(Attributes* list, StrBuffer* out);

} // namespace xml
} // namespace s
