#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "core/str/StrBuffer.h"
#include "skins/ISkin.h"
#include "skins/SkinColorSet.h"
#include "skins/Skinner.h"
#include "skins/skin/Builders.h"
#include "skins/skin/Thin.h"
#include "skins/skin/ThinWindow.h"
#include "storage/settings/XmlMappedData.h"
#include "storage/xml/Node.h"

namespace skintest {

using s::gui::drawer::ISkin;
using s::gui::drawer::SkinColorSet;
using s::gui::drawer::Skinner;

// Skins idle in their pools: one more for every skin given back while fewer than 1,000 idle.
inline uint32_t IdleSkins()
{
    return s::gui::drawer::skin::ThinWindow::GetPool()->GetIdleCount() +
           s::gui::drawer::skin::Thin::GetPool()->GetIdleCount();
}

// A skin manager of one type for the length of a test.
class Manager {
public:
    explicit Manager(const wchar_t* type) : m_(Skinner::New()) { m_->SetDrawerType(type); }
    ~Manager() { m_->ReleaseToPool(); }
    Skinner* operator->() const { return m_; }
    Skinner* get() const { return m_; }

private:
    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;
    Skinner* m_;
};

// A store over a document given as text (or an empty "savedata" root), without a file.
class TextStore {
public:
    explicit TextStore(const wchar_t* document = nullptr) : m_(s::xml::MappedData::New())
    {
        s::xml::Node* root = s::xml::Node::New();
        if (document)
            root->Parse(document);
        else
            root->SetName(L"savedata", s::str::strbuffer::StrBuffer::kWhole);
        m_->SetDocument(root);
    }
    ~TextStore() { m_->ReleaseToPool(); }
    s::xml::MappedData* operator->() const { return m_; }
    s::xml::MappedData* get() const { return m_; }
    // The whole document as the dialect writes it.
    std::wstring Text()
    {
        s::str::strbuffer::StrBuffer* out = m_->GetDocument()->Write(nullptr, false);
        std::wstring text = out->GetText();
        out->ReleaseToPool();
        return text;
    }

private:
    TextStore(const TextStore&) = delete;
    TextStore& operator=(const TextStore&) = delete;
    s::xml::MappedData* m_;
};

// Colours that tell skins apart: every component of skin k is derived from k.
inline SkinColorSet ColorsOf(int k)
{
    SkinColorSet colors;
    for (uint32_t i = 0; i < SkinColorSet::kCount; ++i)
        colors.Set(i, k, static_cast<int32_t>(i), k + static_cast<int32_t>(i));
    return colors;
}

inline bool AddFromColors(Skinner* skinner, const wchar_t* name, const SkinColorSet& colors)
{
    int32_t values[SkinColorSet::kBuilderValues];
    colors.ToBuilderOrder(values);
    return skinner->AddSkinFromColors(name, values);
}

inline void AddNamed(Skinner* skinner, std::vector<const wchar_t*> names)
{
    int k = 1;
    for (const wchar_t* name : names)
        AddFromColors(skinner, name, ColorsOf(k++));
}

inline std::vector<std::wstring> SkinNames(Skinner* skinner)
{
    std::vector<std::wstring> names;
    for (uint32_t i = 0; i < skinner->GetSkinCount(); ++i)
        names.push_back(skinner->GetSkinAt(i)->GetName());
    return names;
}

// The parallel name list; equal to SkinNames while the lists stay aligned.
inline std::vector<std::wstring> ListedNames(Skinner* skinner)
{
    std::vector<std::wstring> names;
    for (uint32_t i = 0; i < skinner->GetSkinCount(); ++i)
        names.push_back(skinner->GetSkinNameAt(i)->GetText());
    return names;
}

inline SkinColorSet ColorsAt(Skinner* skinner, uint32_t index)
{
    SkinColorSet colors;
    s::gui::drawer::skin::ReadColors(skinner->GetSkinAt(index), &colors);
    return colors;
}

inline std::wstring Rgb(const SkinColorSet& colors, uint32_t index)
{
    return std::to_wstring(colors.GetRed(index)) + L"," + std::to_wstring(colors.GetGreen(index)) + L"," +
           std::to_wstring(colors.GetBlue(index));
}

} // namespace skintest
