#include "core/digest/Md5.h"

#include <gtest/gtest.h>

#include "core/str/StrBuffer.h"

#include <cstdio>
#include <cstring>
#include <string>

using s::digest::md5::Md5;

namespace {

std::string Hex(const uint8_t* bytes)
{
    std::string out;
    char pair[3];
    for (int i = 0; i < 16; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
        out += pair;
    }
    return out;
}

std::string DigestOf(const std::string& message, size_t piece)
{
    Md5 md5;
    for (size_t at = 0; at < message.size(); at += piece)
        md5.Update(message.data() + at, static_cast<int32_t>(std::min(piece, message.size() - at)));
    uint8_t out[16];
    md5.Finish(out);
    return Hex(out);
}

TEST(Md5, MatchesTheTestSuiteOfItsDefinitionInAnyPieces)
{
    struct Case {
        const char* message;
        const char* digest;
    };
    const Case cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const Case& c : cases) {
        for (size_t piece : {size_t(1), size_t(63), size_t(64), size_t(65), size_t(1000)})
            EXPECT_EQ(c.digest, DigestOf(c.message, piece)) << '"' << c.message << "\" in pieces of " << piece;
    }
}

TEST(Md5, MessagesEndingNearTheBlockEdgeNeedTheRightFinalBlocks)
{
    // 55 bytes fit the length in the same block; 56 and 63 need a second final transform.
    struct Case {
        size_t length;
        const char* digest;
    };
    const Case cases[] = {
        {55, "ef1772b6dff9a122358552954ad0df65"},
        {56, "3b0c8ac703f828b04c6c197006d17218"},
        {63, "b06521f39153d618550606be297466d5"},
        {64, "014842d480b571495a4a0363793f7367"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.digest, DigestOf(std::string(c.length, 'a'), 7)) << c.length;
}

TEST(Md5, FinishWithoutDestinationFillsTheResult)
{
    Md5 md5;
    EXPECT_EQ(16, md5.GetDigestSize());
    md5.Update("abc", 3);
    md5.Finish(nullptr);
    ASSERT_EQ(16u, md5.GetResult().GetCount());
    EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", Hex(static_cast<uint8_t*>(md5.GetResult().GetData())));
}

TEST(Md5, APooledDigesterStartsFresh)
{
    Md5* used = Md5::New();
    used->Update("some earlier message", 21);
    used->ReleaseToPool();
    Md5* fresh = Md5::New();
    EXPECT_EQ(used, fresh);
    uint8_t out[16];
    fresh->Finish(out);
    EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", Hex(out));
    EXPECT_STREQ(L"s_digest_md5_Md5", fresh->GetClassName());
    fresh->ReleaseToPool();
}

TEST(Md5, ToHexWritesTheResultInLowerCase)
{
    using s::str::strbuffer::StrBuffer;
    Md5 md5;
    md5.Update("message digest", 14);
    md5.Finish(nullptr);

    StrBuffer* pooled = md5.ToHex(nullptr, false);
    EXPECT_STREQ(L"f96b697d7cb7938d525a2f31aaf161d0", pooled->GetText());
    // Keep appends; without it the text is replaced.
    EXPECT_EQ(pooled, md5.ToHex(pooled, true));
    EXPECT_STREQ(L"f96b697d7cb7938d525a2f31aaf161d0f96b697d7cb7938d525a2f31aaf161d0", pooled->GetText());
    md5.ToHex(pooled, false);
    EXPECT_STREQ(L"f96b697d7cb7938d525a2f31aaf161d0", pooled->GetText());
    pooled->ReleaseToPool();
}

} // namespace
