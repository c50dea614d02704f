#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/archive/dll/IEntry.h"

namespace s {
namespace archive {
namespace dll {
namespace win {

// One resource of a module archive, with the handle that finds its bytes in the archive's module.
class Entry : public dll::IEntry, public thread::IPoolable {
public:
    Entry();
    ~Entry() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    uint64_t GetSize() override { return size_; }

    void SetSize(uint32_t n) override { size_ = n; }
    void SetNameId(uint32_t id) override;
    void SetName(const wchar_t* name) override;
    bool IsNameId() override { return nameIsId_ != 0; }
    bool IsNameText() override { return nameIsId_ == 0; }
    uint32_t GetNameId() override { return nameId_; }
    const wchar_t* GetNameText() override;
    str::strbuffer::StrBuffer* GetNameStr() override { return nameText_; }
    void SetTypeCode(uint32_t code) override;
    void SetType(const wchar_t* type) override;
    bool IsTypeCode() override { return typeIsCode_ != 0; }
    bool IsTypeText() override { return typeIsCode_ == 0; }
    uint32_t GetTypeCode() override { return typeCode_; }
    const wchar_t* GetTypeText() override;
    str::strbuffer::StrBuffer* GetTypeStr() override { return typeText_; }
    uint32_t GetRtType() override;
    void SetLanguage(uint16_t primary) override { language_ = primary; }
    uint16_t GetLanguage() override { return language_; }
    void SetSubLanguage(uint16_t sub) override { subLanguage_ = sub; }
    uint16_t GetSubLanguage() override { return subLanguage_; }

    HRSRC GetHandle() const { return handle_; }
    void SetHandle(HRSRC handle) { handle_ = handle; }
    // The full Windows language identifier: sublanguage above the primary language.
    uint16_t GetLanguageId() const { return static_cast<uint16_t>((subLanguage_ << 10) | language_); }

    static thread::EasyPooler* GetPool();
    static Entry* New();

private:
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

    uint32_t size_;
    uint8_t nameIsId_;
    uint32_t nameId_;
    str::strbuffer::StrBuffer* nameText_;
    uint8_t typeIsCode_;
    uint32_t typeCode_;
    str::strbuffer::StrBuffer* typeText_;
    uint16_t language_;
    uint16_t subLanguage_;
    HRSRC handle_;
};

} // namespace win
} // namespace dll
} // namespace archive
} // namespace s
