#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace col {
namespace _array {
class ArrayU08;
}
} // namespace col
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace file {
namespace win {
class PathWin;
}
} // namespace file

namespace xml {

class Attributes;

// An element of the system's XML dialect: a name, attribute records (element text included, as
// records with the empty name) and child elements, in document order. Texts are NUL-terminated
// unless a length is given; a length of -1 means up to the NUL.
class IXml : public base::IObject {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;
    typedef col::_array::ArrayU08 ArrayU08;
    typedef file::win::PathWin PathWin;

    virtual uint32_t GetChildCount() = 0;
    // Frees the name and gives every record and child back to its pool.
    virtual void Clear() = 0;
    // Walks the node and its descendants; produces nothing and changes nothing.
    virtual void DebugDump(const wchar_t* indent) = 0;
    // Reads one element that starts at text into this node and returns the position after it.
    // A text that ends first (no "<", an unclosed comment, an element cut off) gives the
    // position of its end, so a caller's scan never runs past it; null only for a null text.
    // What was complete by then stays: an element whose name was read keeps the attributes,
    // texts and children complete before the end; a name, a value or a text run cut off is
    // not read. Nesting beyond Node::kMaxDepth ends the text the same way.
    virtual const wchar_t* Parse(const wchar_t* text) = 0;
    // Decodes UTF-8 bytes and parses the document they hold into this fresh node: comments
    // before the root are passed over. True only for a clean document: one complete element,
    // bytes that are all UTF-8 and nothing but blanks after the root; what was read stays
    // as with Parse either way.
    virtual bool ParseBytes(ArrayU08* bytes) = 0;
    // The name, or null while the node was never named.
    virtual const wchar_t* GetName() = 0;
    virtual void SetName(const wchar_t* name, uint32_t length) = 0;
    // Length -1: the whole text equals the whole name, ASCII case folded. Any other length n:
    // the name is exactly the first n units of text, case counting.
    virtual bool NameEquals(const wchar_t* text, uint32_t length) = 0;
    virtual bool IsComment() = 0;
    virtual IXml* GetChild(uint32_t index) = 0;
    // A node from the pool, named, appended as the last child.
    virtual IXml* AddChild(const wchar_t* name, uint32_t length) = 0;
    // Appends node as the last child; this node owns it from now on.
    virtual IXml* AppendChild(IXml* node) = 0;
    virtual void RemoveChildAt(uint32_t index) = 0;
    virtual bool FindChildIndex(const wchar_t* name, uint32_t* index, uint32_t length) = 0;
    virtual IXml* FindChild(const wchar_t* name, uint32_t length) = 0;

    // Each setter appends one record, even when one of the same name exists: lookup finds the
    // first, so a caller that replaces a value removes the old record first.
    virtual void SetUInt64Attribute(const wchar_t* name, uint64_t value) = 0;
    virtual void SetUInt32Attribute(const wchar_t* name, uint32_t value) = 0;
    virtual void SetUInt16Attribute(const wchar_t* name, uint16_t value) = 0;
    virtual void SetUInt8Attribute(const wchar_t* name, uint8_t value) = 0;
    virtual void SetInt64Attribute(const wchar_t* name, int64_t value) = 0;
    virtual void SetInt32Attribute(const wchar_t* name, int32_t value) = 0;
    virtual void SetInt16Attribute(const wchar_t* name, int16_t value) = 0;
    virtual void SetInt8Attribute(const wchar_t* name, int8_t value) = 0;
    virtual void SetFloatAttribute(const wchar_t* name, float value) = 0;
    virtual void SetDoubleAttribute(const wchar_t* name, double value) = 0;
    // The text escaped for storage; the empty name sets a text run.
    virtual void SetAttribute(const wchar_t* name, const wchar_t* value) = 0;

    // Elements as fixed-width lower-case hexadecimal, one after the other.
    virtual void SetUInt64ArrayAttribute(const wchar_t* name, const uint64_t* values, uint32_t count) = 0;
    virtual void SetUInt32ArrayAttribute(const wchar_t* name, const uint32_t* values, uint32_t count) = 0;
    virtual void SetUInt16ArrayAttribute(const wchar_t* name, const uint16_t* values, uint32_t count) = 0;
    virtual void SetUInt8ArrayAttribute(const wchar_t* name, const uint8_t* values, uint32_t count) = 0;
    virtual void SetInt64ArrayAttribute(const wchar_t* name, const int64_t* values, uint32_t count) = 0;
    virtual void SetInt32ArrayAttribute(const wchar_t* name, const int32_t* values, uint32_t count) = 0;
    virtual void SetInt16ArrayAttribute(const wchar_t* name, const int16_t* values, uint32_t count) = 0;
    virtual void SetInt8ArrayAttribute(const wchar_t* name, const int8_t* values, uint32_t count) = 0;
    // Each float by its 32 bits.
    virtual void SetFloatArrayAttribute(const wchar_t* name, const float* values, uint32_t count) = 0;
    // Each double as two 32-bit halves, the low half first.
    virtual void SetDoubleArrayAttribute(const wchar_t* name, const double* values, uint32_t count) = 0;

    // The stored (escaped) value of the first record of that name, else the default itself.
    virtual const wchar_t* GetAttribute(const wchar_t* name, const wchar_t* defaultValue) = 0;

    virtual bool GetBoolAttribute(const wchar_t* name, bool defaultValue) = 0;
    virtual int8_t GetInt8Attribute(const wchar_t* name, int8_t defaultValue) = 0;
    virtual int16_t GetInt16Attribute(const wchar_t* name, int16_t defaultValue) = 0;
    virtual int32_t GetInt32Attribute(const wchar_t* name, int32_t defaultValue) = 0;
    virtual int64_t GetInt64Attribute(const wchar_t* name, int64_t defaultValue) = 0;
    virtual uint8_t GetUInt8Attribute(const wchar_t* name, uint8_t defaultValue) = 0;
    virtual uint16_t GetUInt16Attribute(const wchar_t* name, uint16_t defaultValue) = 0;
    virtual uint32_t GetUInt32Attribute(const wchar_t* name, uint32_t defaultValue) = 0;
    virtual uint64_t GetUInt64Attribute(const wchar_t* name, uint64_t defaultValue) = 0;

    // The decoded value of the first record of that name, else the default text, assigned to or
    // appended to out (a string from the pool when out is null).
    virtual StrBuffer* CopyAttributeTo(StrBuffer* out, const wchar_t* name, const wchar_t* defaultText,
                                       bool append) = 0;
    // The element as text, without layout and never self-closing.
    virtual StrBuffer* Write(StrBuffer* out, bool append) = 0;
    // The element as UTF-8 bytes without byte-order mark.
    virtual ArrayU08* WriteBytes(ArrayU08* out, bool append) = 0;
    virtual Attributes* GetAttributes() = 0;
    // Reads the whole file and parses it; false when it is missing, could not be read to its
    // end or holds no complete element. After a failed read the bytes that did arrive are
    // parsed, and only those.
    virtual bool LoadFileText(StrBuffer* path) = 0;
    virtual bool LoadFile(PathWin* path) = 0;
    // Writes the element as the whole file. The old file is replaced only once the new one is
    // completely on disk, so a failed save leaves it as it was.
    virtual bool SaveFileText(StrBuffer* path) = 0;
    virtual bool SaveFile(PathWin* path) = 0;
};

} // namespace xml
} // namespace s
