#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/IObject.h"

namespace maptest {

// A key with a text value, compared and hashed by that text; the ignore-case variants fold only
// the ASCII letters. A fixed hash, when given, stands in for both hashes to build collisions.
class Key : public s::base::IObject {
public:
    explicit Key(std::string text) : text_(std::move(text)), fixedHash_(0), hasFixedHash_(false) {}
    Key(std::string text, uint32_t fixedHash) : text_(std::move(text)), fixedHash_(fixedHash), hasFixedHash_(true) {}

    const wchar_t* GetClassName() override { return L"maptest_Key"; }
    s::base::IObject* NewInstance() override { return new Key(""); }

    int32_t CompareTo(s::base::IComparable* other, s::base::IComparator* comparator = nullptr) override
    {
        Key* that = dynamic_cast<Key*>(other);
        if (comparator || !that)
            return IObject::CompareTo(other, comparator);
        return Compare(text_, that->text_);
    }
    int32_t CompareToIgnoreCase(s::base::IComparable* other, s::base::IComparator* comparator = nullptr) override
    {
        Key* that = dynamic_cast<Key*>(other);
        if (comparator || !that)
            return IObject::CompareToIgnoreCase(other, comparator);
        return Compare(Fold(text_), Fold(that->text_));
    }
    uint32_t HashCode() override { return hasFixedHash_ ? fixedHash_ : Hash(text_); }
    uint32_t HashCodeIgnoreCase() override { return hasFixedHash_ ? fixedHash_ : Hash(Fold(text_)); }

    const std::string& Text() const { return text_; }

    static std::string Fold(std::string text)
    {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        return text;
    }

private:
    static int32_t Compare(const std::string& a, const std::string& b)
    {
        const int r = a.compare(b);
        return r < 0 ? -1 : (r > 0 ? 1 : 0);
    }
    static uint32_t Hash(const std::string& text)
    {
        uint32_t h = 2166136261u;
        for (unsigned char c : text)
            h = (h ^ c) * 16777619u;
        return h;
    }

    std::string text_;
    uint32_t fixedHash_;
    bool hasFixedHash_;
};

inline Key* AsKey(void* object)
{
    return static_cast<Key*>(static_cast<s::base::IObject*>(object));
}

// Notes the text of every key it is given to dispose of; the keys stay with the test.
class KeyRecorder : public s::base::IDestructor {
public:
    void Destroy(void** slot) override
    {
        if (*slot) {
            log.push_back(AsKey(*slot)->Text());
            *slot = nullptr;
        }
    }
    std::vector<std::string> log;
};

// Owns the keys of one test.
class Keys {
public:
    Keys() = default;
    Keys(const Keys&) = delete;
    Keys& operator=(const Keys&) = delete;
    ~Keys()
    {
        for (Key* key : keys_)
            delete key;
    }
    Key* Make(const std::string& text)
    {
        keys_.push_back(new Key(text));
        return keys_.back();
    }
    Key* Make(const std::string& text, uint32_t fixedHash)
    {
        keys_.push_back(new Key(text, fixedHash));
        return keys_.back();
    }

private:
    std::vector<Key*> keys_;
};

} // namespace maptest
