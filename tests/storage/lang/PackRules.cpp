#include "storage/lang/PackRules.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <map>
#include <set>

#include "core/str/StrBuffer.h"
#include "storage/xml/Node.h"

namespace packrules {
namespace {

using s::str::strbuffer::StrBuffer;
using s::xml::Node;

const uint32_t kWhole = 0xFFFFFFFF;
const wchar_t kNoBreakSpace = 0x00A0;

// The program's name, version, date and web addresses: one text for every language.
const int32_t kSameEverywhere[] = {300000, 500000, 500003, 500004, 500007, 500010,
                                   500020, 500100, 101000, 108000, 108200, 108500};
// The texts of the image encoder panels stay out of the pack.
const int64_t kFirstEncoderId = 2000000000;
const int64_t kLastEncoderId = 2000023000;
// Month and weekday names: some languages name them by number ("1月", "Th1", "T2").
const int32_t kFirstDateName = 5000100;
const int32_t kLastDateName = 5100700;

std::wstring Text(Node* node)
{
    StrBuffer* out = node->CopyAttributeTo(nullptr, L"", L"", false);
    std::wstring text(out->GetText(), out->GetLength());
    out->ReleaseToPool();
    return text;
}

std::wstring Attribute(Node* node, const wchar_t* name)
{
    StrBuffer* out = node->CopyAttributeTo(nullptr, name, L"", false);
    std::wstring text(out->GetText(), out->GetLength());
    out->ReleaseToPool();
    return text;
}

std::vector<Node*> Elements(Node* parent, const wchar_t* name)
{
    std::vector<Node*> found;
    for (uint32_t i = 0; parent && i < parent->GetChildCount(); ++i) {
        Node* child = parent->ChildAt(i);
        if (!child->IsComment() && (!name || child->NameEquals(name, kWhole)))
            found.push_back(child);
    }
    return found;
}

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == kNoBreakSpace;
}

std::wstring LeadingBlanks(const std::wstring& text)
{
    size_t n = 0;
    while (n < text.size() && IsBlank(text[n]))
        ++n;
    return text.substr(0, n);
}

std::wstring TrailingBlanks(const std::wstring& text)
{
    size_t n = text.size();
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    return text.substr(n);
}

// The value of a decimal digit of any script the pack writes in, or -1.
int DigitValue(wchar_t c)
{
    static const wchar_t zeros[] = {L'0', 0x0660, 0x06F0, 0x0E50, 0xFF10};
    for (wchar_t zero : zeros)
        if (c >= zero && c <= zero + 9)
            return c - zero;
    return -1;
}

bool IsDecimalSeparator(wchar_t c)
{
    return c == L'.' || c == L',' || c == 0x066B;
}

// The numbers of a text in ASCII digits with "." as the separator, sorted: "0,5 Sekunden" and
// "0.5 Second" both give "0.5"; word order may differ between languages.
std::vector<std::wstring> Numbers(const std::wstring& text)
{
    std::vector<std::wstring> numbers;
    std::wstring current;
    for (size_t i = 0; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit >= 0) {
            current += static_cast<wchar_t>(L'0' + digit);
        } else if (!current.empty() && IsDecimalSeparator(text[i]) && i + 1 < text.size() &&
                   DigitValue(text[i + 1]) >= 0) {
            current += L'.';
        } else if (!current.empty()) {
            numbers.push_back(current);
            current.clear();
        }
    }
    if (!current.empty())
        numbers.push_back(current);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool EndsWith(const std::wstring& text, const wchar_t* end)
{
    const size_t n = wcslen(end);
    return text.size() >= n && text.compare(text.size() - n, n, end) == 0;
}

bool HasFormatSequence(const std::wstring& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == L'%' && iswalpha(text[i + 1]))
            return true;
    return false;
}

bool IsSameEverywhere(int32_t id)
{
    return std::find(std::begin(kSameEverywhere), std::end(kSameEverywhere), id) != std::end(kSameEverywhere);
}

class Checker {
public:
    explicit Checker(const std::vector<std::wstring>& tags) : tags_(tags) {}

    void CheckEntry(Node* entry);
    std::vector<std::wstring> faults;

private:
    void Fault(const std::wstring& id, const std::wstring& language, const std::wstring& what)
    {
        faults.push_back(L"id " + id + (language.empty() ? L"" : L", language " + language) + L": " + what);
    }
    void CheckTranslation(int32_t id, const std::wstring& idText, const std::wstring& tag,
                          const std::wstring& english, const std::wstring& text);

    const std::vector<std::wstring>& tags_;
    std::set<std::wstring> ids_;
};

void Checker::CheckEntry(Node* entry)
{
    const std::wstring idText = entry->GetAttribute(L"id", L"");
    if (idText.empty() || idText.find_first_not_of(L"0123456789") != std::wstring::npos || idText.size() > 10) {
        Fault(L"\"" + idText + L"\"", L"", L"the id is not a number");
        return;
    }
    const int64_t wide = std::stoll(idText);
    if (wide > INT32_MAX) {
        Fault(idText, L"", L"the id is beyond the 32-bit range");
        return;
    }
    const int32_t id = static_cast<int32_t>(wide);
    if (!ids_.insert(idText).second)
        Fault(idText, L"", L"the id appears twice");
    if (wide >= kFirstEncoderId && wide <= kLastEncoderId)
        Fault(idText, L"", L"the encoder panels' ids stay out of the pack");

    std::map<std::wstring, Node*> byTag;
    std::vector<std::wstring> order;
    for (Node* child : Elements(entry, nullptr)) {
        const std::wstring name = child->GetName();
        if (std::find(tags_.begin(), tags_.end(), name) == tags_.end()) {
            Fault(idText, name, L"no language has this tag");
            continue;
        }
        if (byTag.count(name)) {
            Fault(idText, name, L"the language appears twice");
            continue;
        }
        byTag[name] = child;
        order.push_back(name);
    }
    for (const std::wstring& tag : tags_)
        if (!byTag.count(tag))
            Fault(idText, tag, L"the text is missing");
    std::vector<std::wstring> expected;
    for (const std::wstring& tag : tags_)
        if (byTag.count(tag))
            expected.push_back(tag);
    if (order != expected)
        Fault(idText, L"", L"the languages are not in the order of the languages element");

    if (tags_.empty() || !byTag.count(tags_[0]))
        return;
    const std::wstring english = Text(byTag[tags_[0]]);
    for (size_t i = 0; i < tags_.size(); ++i)
        if (byTag.count(tags_[i]))
            CheckTranslation(id, idText, tags_[i], english, Text(byTag[tags_[i]]));
}

void Checker::CheckTranslation(int32_t id, const std::wstring& idText, const std::wstring& tag,
                               const std::wstring& english, const std::wstring& text)
{
    if (IsSameEverywhere(id) && text != english)
        Fault(idText, tag, L"must equal the English text");
    if (LeadingBlanks(text) != LeadingBlanks(english) || TrailingBlanks(text) != TrailingBlanks(english))
        Fault(idText, tag, L"the spaces and no-break spaces at the ends differ from the English text");
    const bool dateName = id >= kFirstDateName && id <= kLastDateName;
    if (!dateName && Numbers(text) != Numbers(english))
        Fault(idText, tag, L"the numbers differ from the English text");
    if (EndsWith(english, L"...") && !EndsWith(text, L"..."))
        Fault(idText, tag, L"the closing ellipsis is missing");
    if (text.find(L'&') != std::wstring::npos)
        Fault(idText, tag, L"contains \"&\"");
    if (!text.empty() && text[0] == L'#')
        Fault(idText, tag, L"begins with \"#\", which marks a glyph caption");
    if (HasFormatSequence(text) && !HasFormatSequence(english))
        Fault(idText, tag, L"adds a format sequence");
}

} // namespace

std::vector<std::wstring> LanguageTags(Node* root)
{
    std::vector<std::wstring> tags;
    for (Node* languages : Elements(root, L"languages"))
        for (Node* language : Elements(languages, L"entry"))
            tags.push_back(Attribute(language, L"tagName"));
    return tags;
}

std::vector<std::wstring> CheckPack(Node* root)
{
    const std::vector<std::wstring> tags = LanguageTags(root);
    Checker checker(tags);
    if (tags.empty())
        checker.faults.push_back(L"the document names no language");
    const std::vector<Node*> entries = Elements(root, L"entries");
    if (entries.empty())
        checker.faults.push_back(L"the document has no entries");
    for (Node* list : entries)
        for (Node* entry : Elements(list, nullptr)) {
            if (!entry->NameEquals(L"entry", kWhole))
                checker.faults.push_back(std::wstring(L"element \"") + entry->GetName() + L"\" stands among the entries");
            else
                checker.CheckEntry(entry);
        }
    return checker.faults;
}

} // namespace packrules
