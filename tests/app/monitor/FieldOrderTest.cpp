#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/monitor/FieldOrder.h"
#include "storage/settings/XmlMappedData.h"

using namespace s::system::counter;

namespace {
const wchar_t kOrder[] = L"MainWindow/FieldOrder";
const wchar_t kLastVisible[] = L"MainWindow/LastVisible";

const wchar_t* KeyOf(void* field)
{
    return static_cast<std::wstring*>(field)->c_str();
}

class FieldOrderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        path = std::wstring(folder) + L"pulsegrid-field-order-test.xml";
        DeleteFileW(path.c_str());
        settings = s::xml::MappedData::OpenFile(path.c_str());
        settings->SetSection(kOrder);
        settings->SetSection(kLastVisible);
        keys = {L"BOTTLENECK", L"CPU_USAGE_TOTAL", L"MEMORY_FREE_BYTES_TOTAL", L"DISK_IO_TOTAL", L"UPTIME_NORMAL"};
        for (std::wstring& key : keys)
            fields.push_back(&key);
    }
    void TearDown() override
    {
        settings->ReleaseToPool();
        DeleteFileW(path.c_str());
    }
    void Store(const std::vector<std::wstring>& order, int32_t count)
    {
        settings->SetInt32(kOrder, L"count", count);
        for (size_t i = 0; i < order.size(); ++i)
            settings->SetString(kOrder, (L"_" + std::to_wstring(i)).c_str(), order[i].c_str());
    }
    std::vector<std::wstring> Order()
    {
        std::vector<std::wstring> order;
        for (void* field : fields)
            order.push_back(KeyOf(field));
        return order;
    }
    std::wstring path;
    s::xml::MappedData* settings = nullptr;
    std::vector<std::wstring> keys;
    std::vector<void*> fields;
};

TEST_F(FieldOrderTest, StoredOrderSurvivesUnknownDuplicateAndEmptyKeys)
{
    struct Case {
        std::vector<std::wstring> stored;
        int32_t count;
        std::vector<std::wstring> expected;
    } cases[] = {
        {{L"UPTIME_NORMAL", L"disk_io_total"}, 2,
         {L"UPTIME_NORMAL", L"DISK_IO_TOTAL", L"BOTTLENECK", L"CPU_USAGE_TOTAL", L"MEMORY_FREE_BYTES_TOTAL"}},
        // A field that disappeared leaves the rest of the order intact.
        {{L"GONE_FIELD", L"UPTIME_NORMAL"}, 2,
         {L"BOTTLENECK", L"UPTIME_NORMAL", L"CPU_USAGE_TOTAL", L"MEMORY_FREE_BYTES_TOTAL", L"DISK_IO_TOTAL"}},
        // A key stored twice moves its field only once; an empty key keeps the position.
        {{L"DISK_IO_TOTAL", L"DISK_IO_TOTAL", L""}, 3,
         {L"DISK_IO_TOTAL", L"BOTTLENECK", L"CPU_USAGE_TOTAL", L"MEMORY_FREE_BYTES_TOTAL", L"UPTIME_NORMAL"}},
        // A huge or negative count walks no further than the list.
        {{L"UPTIME_NORMAL"}, 2000000000,
         {L"UPTIME_NORMAL", L"BOTTLENECK", L"CPU_USAGE_TOTAL", L"MEMORY_FREE_BYTES_TOTAL", L"DISK_IO_TOTAL"}},
        {{L"UPTIME_NORMAL"}, -5,
         {L"BOTTLENECK", L"CPU_USAGE_TOTAL", L"MEMORY_FREE_BYTES_TOTAL", L"DISK_IO_TOTAL", L"UPTIME_NORMAL"}},
    };
    for (const Case& c : cases) {
        fields.clear();
        for (std::wstring& key : keys)
            fields.push_back(&key);
        settings->RemoveSection(kOrder);
        settings->SetSection(kOrder);
        Store(c.stored, c.count);
        const DWORD start = GetTickCount();
        ApplyFieldOrder(settings, kOrder, fields.data(), static_cast<int32_t>(fields.size()), KeyOf);
        EXPECT_LT(GetTickCount() - start, 5000u);
        EXPECT_EQ(c.expected, Order()) << c.count;
    }
}

TEST_F(FieldOrderTest, StoredOrderReadsBackAndIsSavedOnce)
{
    std::swap(fields[0], fields[4]);
    for (bool autoSave : {true, false}) {
        settings->SetAutoSave(autoSave);
        StoreFieldOrder(settings, kOrder, fields.data(), static_cast<int32_t>(fields.size()), KeyOf);
        EXPECT_EQ(autoSave, settings->GetAutoSave());
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
    s::xml::MappedData* reread = s::xml::MappedData::OpenFile(path.c_str());
    EXPECT_EQ(5, reread->GetInt32(kOrder, L"count", 0));
    const std::vector<std::wstring> saved = Order();
    fields.clear();
    for (std::wstring& key : keys)
        fields.push_back(&key);
    ApplyFieldOrder(reread, kOrder, fields.data(), static_cast<int32_t>(fields.size()), KeyOf);
    EXPECT_EQ(saved, Order());
    reread->ReleaseToPool();
}

TEST_F(FieldOrderTest, LastVisibleIsStoredAnewWhenItDiffers)
{
    EXPECT_TRUE(UpdateLastVisible(settings, kLastVisible, 9));
    EXPECT_EQ(9, settings->GetInt32(kLastVisible, L"count", 0));
    EXPECT_FALSE(UpdateLastVisible(settings, kLastVisible, 9));
    settings->SetString(kLastVisible, L"count", L"many");   // damaged: read as its default
    EXPECT_TRUE(UpdateLastVisible(settings, kLastVisible, 9));
    EXPECT_FALSE(UpdateLastVisible(nullptr, kLastVisible, 9));
}
} // namespace
