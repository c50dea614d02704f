#include "core/col/ArrayBase.h"

#include "core/digest/Md5.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace col {
namespace _array {

using str::strbuffer::StrBuffer;

StrBuffer* ArrayBase::ToText(StrBuffer* target, bool append)
{
    target = StrBuffer::PrepareTarget(target, append);
    target->Append(GetClassName());
    target->Append(L" [");
    IteratorBase* walk = GetIterator();
    if (walk) {
        while (walk->HasNext()) {
            // A separator before every element but the first.
            if (walk->GetIndex() >= 0)
                target->AppendChar(L' ');
            AppendElementText(target, walk->Next());
        }
        walk->Release();
    }
    target->AppendChar(L']');
    return target;
}

StrBuffer* ArrayBase::ToXml(StrBuffer* target, bool append)
{
    target = StrBuffer::PrepareTarget(target, append);
    const wchar_t* name = GetClassName();
    target->AppendChar(L'<');
    target->Append(name);
    target->Append(L" length=\"");
    target->AppendUInt32(count_);
    target->Append(L"\">");
    ToHex(target, true);
    target->Append(L"</");
    target->Append(name);
    target->AppendChar(L'>');
    return target;
}

StrBuffer* ArrayBase::DigestWith(digest::IDigester* digester, StrBuffer* target, bool append)
{
    digest::md5::Md5* pooled = digester ? nullptr : digest::md5::Md5::New();
    if (!digester)
        digester = pooled;
    if (!digester)
        return StrBuffer::PrepareTarget(target, append);
    digest::UpdateAll(digester, data_, static_cast<uint64_t>(count_) << sizeShift_);
    digester->Finish(nullptr);
    target = digester->ToHex(target, append);
    if (pooled)
        pooled->ReleaseToPool();
    return target;
}

} // namespace _array
} // namespace col
} // namespace s
