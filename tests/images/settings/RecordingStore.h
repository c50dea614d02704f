#pragma once
#include <string>
#include <vector>

#include "core/str/StrBuffer.h"
#include "storage/settings/XmlMappedData.h"
#include "storage/xml/Node.h"

namespace settings_test {

// An XML store in memory that writes down every typed read and write ("get <section>|<key>",
// "set <section>|<key>=<value>") and counts the saves of the whole store.
class RecordingStore : public s::xml::MappedData {
public:
    RecordingStore()
    {
        s::xml::Node* root = s::xml::Node::New();
        root->SetName(L"savedata", s::str::strbuffer::StrBuffer::kWhole);
        SetDocument(root);
    }

    bool GetBool(const wchar_t* section, const wchar_t* name, bool defaultValue) override
    {
        Note(L"get ", section, name, nullptr);
        return MappedData::GetBool(section, name, defaultValue);
    }
    int32_t GetInt32(const wchar_t* section, const wchar_t* name, int32_t defaultValue) override
    {
        Note(L"get ", section, name, nullptr);
        return MappedData::GetInt32(section, name, defaultValue);
    }
    void SetBool(const wchar_t* section, const wchar_t* name, bool value) override
    {
        Note(L"set ", section, name, value ? L"true" : L"false");
        MappedData::SetBool(section, name, value);
    }
    void SetInt32(const wchar_t* section, const wchar_t* name, int32_t value) override
    {
        Note(L"set ", section, name, std::to_wstring(value).c_str());
        MappedData::SetInt32(section, name, value);
    }
    bool Save() override
    {
        ++saves;
        return false;
    }

    // The keys of the log's entries of one kind ("get " or "set "), in order.
    std::vector<std::wstring> Keys(const wchar_t* kind) const
    {
        std::vector<std::wstring> keys;
        for (const std::wstring& entry : log) {
            if (entry.compare(0, 4, kind) != 0)
                continue;
            const size_t bar = entry.find(L'|');
            keys.push_back(entry.substr(bar + 1, entry.find(L'=') == std::wstring::npos
                                                     ? std::wstring::npos
                                                     : entry.find(L'=') - bar - 1));
        }
        return keys;
    }

    std::vector<std::wstring> log;
    int saves = 0;

private:
    void Note(const wchar_t* kind, const wchar_t* section, const wchar_t* name, const wchar_t* value)
    {
        std::wstring entry = std::wstring(kind) + section + L"|" + name;
        if (value)
            entry += std::wstring(L"=") + value;
        log.push_back(entry);
    }
};

} // namespace settings_test
