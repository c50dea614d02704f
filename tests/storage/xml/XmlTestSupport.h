#pragma once
#include <string>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/xml/Node.h"

namespace xmltest {

using s::str::strbuffer::StrBuffer;
using s::xml::Node;

// A pooled node for the length of a test.
class PooledNode {
public:
    PooledNode() : n_(Node::New()) {}
    ~PooledNode()
    {
        if (n_)
            n_->ReleaseToPool();
    }
    Node* operator->() const { return n_; }
    Node* get() const { return n_; }

private:
    PooledNode(const PooledNode&) = delete;
    PooledNode& operator=(const PooledNode&) = delete;
    Node* n_;
};

// A pooled string for the length of a test.
class Str {
public:
    explicit Str(const wchar_t* text = nullptr) : s_(StrBuffer::New())
    {
        if (text)
            s_->Assign(text);
    }
    ~Str() { s_->ReleaseToPool(); }
    StrBuffer* operator->() const { return s_; }
    StrBuffer* get() const { return s_; }

private:
    Str(const Str&) = delete;
    Str& operator=(const Str&) = delete;
    StrBuffer* s_;
};

// A pooled byte array for the length of a test.
class Bytes {
public:
    Bytes() : a_(s::col::_array::ArrayU08::New()) {}
    explicit Bytes(const std::string& bytes) : Bytes()
    {
        a_->AppendRaw(bytes.data(), static_cast<uint32_t>(bytes.size()), 0);
    }
    ~Bytes() { a_->ReleaseToPool(); }
    s::col::_array::ArrayU08* get() const { return a_; }
    std::string str() const
    {
        return std::string(static_cast<const char*>(a_->GetData()), a_->GetCount());
    }

private:
    Bytes(const Bytes&) = delete;
    Bytes& operator=(const Bytes&) = delete;
    s::col::_array::ArrayU08* a_;
};

inline std::wstring Text(StrBuffer* s)
{
    return std::wstring(s->GetText(), s->GetLength());
}

inline std::wstring Written(Node* node)
{
    Str out;
    node->Write(out.get(), false);
    return Text(out.get());
}

// The decoded value of the first record of that name, or "<none>".
inline std::wstring Decoded(Node* node, const wchar_t* name)
{
    Str out;
    node->CopyAttributeTo(out.get(), name, L"<none>", false);
    return Text(out.get());
}

} // namespace xmltest
