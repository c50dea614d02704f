#include <gtest/gtest.h>

#include <commctrl.h>

#include <set>

#include "lists/ModelBuilders.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"

using namespace listtest;

namespace {

// Counts the values it is asked to destroy.
class CountingDestructor : public s::base::IDestructor {
public:
    void Destroy(void** slot) override
    {
        if (*slot) {
            destroyed.push_back(reinterpret_cast<uintptr_t>(*slot));
            *slot = nullptr;
        }
    }
    std::vector<uintptr_t> destroyed;
};

class RecordModelTest : public testing::Test {
protected:
    void TearDown() override { list_.Reset(); }

    // Rows numbered 0 .. n-1 in their first cell.
    void Fill(int n)
    {
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(list_.InsertAt(static_cast<int32_t>(list_.GetRowCount()), NumberRow({i})));
    }

    List list_;
};

TEST_F(RecordModelTest, InsertingPlacesTheRowAndRenumbersTheRest)
{
    struct Case {
        int32_t index;
        std::vector<int64_t> expected;
    };
    const Case cases[] = {
        {3, {0, 1, 2, 9}},   // the row count: appended
        {0, {9, 0, 1, 2}},   // first: every row moves down one
        {1, {0, 9, 1, 2}},
        {-5, {9, 0, 1, 2}},  // a negative place counts as the first
        {40, {0, 1, 2, 9}},  // beyond the rows: appended
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Fill(3);
        Record* row = NumberRow({9});
        ASSERT_TRUE(list_.InsertAt(c.index, row));
        EXPECT_EQ(FirstNumbers(list_), c.expected);
        EXPECT_EQ(row->list, &list_);
        ExpectConsistent(list_);
        list_.Reset();
    }
}

TEST_F(RecordModelTest, ARowCannotBeInsertedTwiceNorANullOne)
{
    Fill(2);
    Record* row = list_.GetRow(1);
    EXPECT_FALSE(list_.InsertAt(0, row));
    EXPECT_FALSE(list_.InsertAt(0, nullptr));
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0, 1}));
    ExpectConsistent(list_);
}

TEST_F(RecordModelTest, RemovingTakesTheRowOutAndKeepsItsList)
{
    struct Case {
        uint32_t row;
        std::vector<int64_t> expected;
    };
    const Case cases[] = {{3, {0, 1, 2}}, {0, {1, 2, 3}}, {2, {0, 1, 3}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        Fill(4);
        Record* row = list_.GetRow(c.row);
        ASSERT_TRUE(list_.Remove(row, row->id));
        EXPECT_EQ(FirstNumbers(list_), c.expected);
        EXPECT_EQ(row->detached, 1);
        EXPECT_EQ(row->list, &list_);
        EXPECT_FALSE(list_.liveSet.Contains(row));
        ExpectConsistent(list_);
        // Out of the list: another removal is refused.
        EXPECT_FALSE(list_.Remove(row, row->id));
        row->ReleaseToPool();
        list_.Reset();
    }
}

TEST_F(RecordModelTest, RemovalIsRefusedForNullForeignAndStaleReferences)
{
    Fill(3);
    Record* row = list_.GetRow(1);
    EXPECT_FALSE(list_.Remove(nullptr, 0));
    EXPECT_FALSE(list_.Remove(row, row->id + 1));
    Record* foreign = NumberRow({7});
    EXPECT_FALSE(list_.Remove(foreign, foreign->id));
    foreign->ReleaseToPool();
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0, 1, 2}));
    ExpectConsistent(list_);
}

TEST_F(RecordModelTest, AStaleIdIsIgnoredEvenWhenThePointerIsBackInTheList)
{
    Fill(2);
    Record* row = list_.GetRow(1);
    const int32_t oldId = row->id;
    ASSERT_TRUE(list_.Remove(row, oldId));
    row->ReleaseToPool();
    // The pool hands the same object out again to the next creator.
    Record* again = NumberRow({5});
    ASSERT_EQ(again, row);
    ASSERT_NE(again->id, oldId);
    ASSERT_TRUE(list_.InsertAt(0, again));
    EXPECT_FALSE(list_.Remove(again, oldId));
    list_.SetCellValue(again, oldId, 0, 99);
    EXPECT_EQ(NumberAt(again, 0), 5);
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{5, 0}));
    ExpectConsistent(list_);
}

TEST_F(RecordModelTest, GivingBackAShownRowTakesItsShownDescendantsOutFirst)
{
    Record* parent = NumberRow({1}, 0, 1);
    Record* child = NumberRow({2}, 0, 1);
    Record* grandchild = NumberRow({3}, 0, 0);
    Record* hidden = NumberRow({4}, 0, 0);
    parent->AppendChild(child);
    child->AppendChild(grandchild);
    parent->AppendChild(hidden);
    Record* other = NumberRow({0});
    ASSERT_TRUE(list_.InsertAt(0, other));
    ASSERT_TRUE(list_.InsertAt(1, parent));
    ASSERT_TRUE(list_.InsertAt(2, child));
    ASSERT_TRUE(list_.InsertAt(3, grandchild));
    // A child of a collapsed row: out of the list, but still its list's.
    ASSERT_TRUE(list_.InsertAt(4, hidden));
    ASSERT_TRUE(list_.Remove(hidden, hidden->id));

    parent->ReleaseToPool();
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0}));
    ExpectConsistent(list_);
    // All four are free again: reset, without list or parent.
    for (Record* freed : {parent, child, grandchild, hidden}) {
        EXPECT_EQ(freed->list, nullptr);
        EXPECT_EQ(freed->parent, nullptr);
        EXPECT_EQ(freed->cellCount, 0u);
    }
}

TEST_F(RecordModelTest, GivingBackADetachedRowLeavesTheListAlone)
{
    Fill(3);
    Record* row = list_.GetRow(1);
    ASSERT_TRUE(list_.Remove(row, row->id));
    // Another record now stands where the row stood; giving the row back must not touch it.
    row->ReleaseToPool();
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0, 2}));
    ExpectConsistent(list_);
}

TEST_F(RecordModelTest, ResetKeepsUserDataAndRestoresEveryOtherField)
{
    Record* row = NumberRow({1, 2}, 1, 2);
    int owner = 0;
    row->userData = &owner;
    row->emphasised = 1;
    row->dimmed = 1;
    ASSERT_TRUE(list_.InsertAt(0, row));
    row->Reset();
    EXPECT_EQ(row->userData, &owner);
    EXPECT_EQ(row->list, nullptr);
    EXPECT_EQ(row->cellCount, 0u);
    EXPECT_EQ(row->cells, nullptr);
    EXPECT_EQ(row->id, 0);
    EXPECT_EQ(row->treeColumn, -1);
    EXPECT_EQ(row->emphasised, 0);
    EXPECT_EQ(list_.GetRowCount(), 0u);
    row->ReleaseToPool();
}

TEST_F(RecordModelTest, SettingACellValueReplacesAndDestroysTheOldValue)
{
    CountingDestructor destructor;
    Record* row = NumberRow({10, 20});
    row->GetCell(1)->valueDestructor = &destructor;
    ASSERT_TRUE(list_.InsertAt(0, row));
    ASSERT_STREQ(row->GetCell(1)->GetDisplayText()->GetText(), L"20");

    list_.SetCellValue(row, row->id, 1, 21);
    EXPECT_EQ(NumberAt(row, 1), 21);
    EXPECT_EQ(row->GetCell(1)->text, nullptr);
    EXPECT_EQ(destructor.destroyed, (std::vector<uintptr_t>{20}));
    EXPECT_STREQ(row->GetCell(1)->GetDisplayText()->GetText(), L"21");

    // Stale id, a column beyond the cells, a foreign record: nothing changes, nothing is destroyed.
    list_.SetCellValue(row, row->id + 1, 1, 22);
    list_.SetCellValue(row, row->id, 7, 22);
    Record* foreign = NumberRow({1});
    list_.SetCellValue(foreign, foreign->id, 0, 22);
    EXPECT_EQ(NumberAt(row, 1), 21);
    EXPECT_EQ(NumberAt(foreign, 0), 1);
    EXPECT_NE(row->GetCell(1)->text, nullptr);
    EXPECT_EQ(destructor.destroyed.size(), 1u);
    foreign->ReleaseToPool();

    // The cell's reset destroys the last value.
    list_.Reset();
    EXPECT_EQ(destructor.destroyed, (std::vector<uintptr_t>{20, 21}));
}

TEST_F(RecordModelTest, DepthAndAncestorsFollowTheParents)
{
    Record* root = NumberRow({0}, 0, 1);
    Record* middle = NumberRow({1}, 0, 1);
    Record* leaf = NumberRow({2}, 0, 0);
    root->AppendChild(middle);
    middle->AppendChild(leaf);
    EXPECT_EQ(root->GetDepth(), 0);
    EXPECT_EQ(leaf->GetDepth(), 2);
    EXPECT_TRUE(leaf->HasAncestor(root));
    EXPECT_TRUE(leaf->HasAncestor(middle));
    EXPECT_FALSE(root->HasAncestor(leaf));
    EXPECT_FALSE(leaf->HasAncestor(leaf));
    EXPECT_FALSE(leaf->HasAncestor(nullptr));
    int32_t index = 5;
    EXPECT_TRUE(root->IndexOfChild(middle, &index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(root->IndexOfChild(leaf, &index));
    EXPECT_EQ(index, -1);
    EXPECT_FALSE(leaf->IndexOfChild(root, &index));
    EXPECT_EQ(index, -1);
    root->ReleaseToPool();
}

TEST(RecordTest, RowIndexComparisonAndIdsAndHashes)
{
    Record* a = NumberRow({0});
    Record* b = NumberRow({0});
    a->rowIndex = 3;
    b->rowIndex = 8;
    EXPECT_EQ(s::gui::listbox2::CompareRowIndex(a, b), -1);
    EXPECT_EQ(s::gui::listbox2::CompareRowIndex(b, a), 1);
    EXPECT_EQ(s::gui::listbox2::CompareRowIndex(a, a), 0);
    EXPECT_EQ(b->id, a->id + 1);
    a->ReleaseToPool();
    b->ReleaseToPool();

    // Identity hashes: a thousand records spread over many values, so the live set does not
    // degrade into one chain.
    std::vector<Record*> records;
    std::set<uint32_t> hashes;
    for (int i = 0; i < 1000; ++i) {
        records.push_back(Record::New());
        hashes.insert(records.back()->HashCode());
        EXPECT_FALSE(records.back()->Equals(records.front()) && i > 0);
    }
    EXPECT_GT(hashes.size(), 900u);
    for (Record* record : records)
        record->ReleaseToPool();
}

class LocalizedColumnTest : public testing::Test {
protected:
    void SetUp() override
    {
        localizer_ = s::lang::Localizer::New();
        const wchar_t* names[] = {L"English", L"Deutsch"};
        const wchar_t* captions[] = {L"Name", L"Bezeichnung"};
        for (int i = 0; i < 2; ++i) {
            s::lang::LangPack* pack = s::lang::LangPack::New();
            pack->GetTrueName()->Assign(names[i]);
            pack->GetEngName()->Assign(names[i]);
            pack->AddText(700, captions[i]);
            localizer_->AddPack(pack);
        }
        localizer_->SelectLanguageAt(0);
    }
    void TearDown() override { localizer_->ReleaseToPool(); }

    s::lang::Localizer* localizer_ = nullptr;
};

TEST_F(LocalizedColumnTest, ACaptionFromATextIdFollowsTheLanguage)
{
    DataType* byId = DataType::CreateLocalized(localizer_, 700, 80, 2, true, &CompareNumbers, false, false, true,
                                               false, true);
    DataType* missing = DataType::CreateLocalized(localizer_, 701, 0, 0, false, nullptr, true, false, false, false,
                                                  false);
    DataType* literal = DataType::Create(L"Size", 40, 1, false, nullptr, true, false, false, false, false);
    EXPECT_STREQ(byId->caption->GetText(), L"Name");
    EXPECT_STREQ(missing->caption->GetText(), L"");
    EXPECT_EQ(byId->width, 80);
    EXPECT_EQ(byId->alignment, 2);
    EXPECT_EQ(byId->sortable, 1);
    EXPECT_EQ(byId->ascending, 0);
    EXPECT_EQ(byId->checkColumn, 1);
    EXPECT_EQ(byId->treeColumn, 1);
    EXPECT_EQ(localizer_->GetListenerCount(), 2u);

    localizer_->SelectLanguageAt(1);
    EXPECT_STREQ(byId->caption->GetText(), L"Bezeichnung");
    EXPECT_STREQ(literal->caption->GetText(), L"Size");

    // Given back, a column leaves the localizer and hears no more changes.
    byId->ReleaseToPool();
    missing->ReleaseToPool();
    literal->ReleaseToPool();
    EXPECT_EQ(localizer_->GetListenerCount(), 0u);
    localizer_->SelectLanguageAt(0);
}

TEST_F(LocalizedColumnTest, AColumnIgnoresEventsOfOtherSources)
{
    DataType* column = DataType::CreateLocalized(localizer_, 700, 0, 0, false, nullptr, true, false, false, false,
                                                 false);
    column->caption->Assign(L"kept");
    column->OnEvent(nullptr, 0);
    column->OnEvent(column, 0);
    EXPECT_STREQ(column->caption->GetText(), L"kept");
    column->ReleaseToPool();
    EXPECT_EQ(column->captionId, -1);
    EXPECT_EQ(column->ascending, 1);
    EXPECT_EQ(column->languageSource, nullptr);
}

TEST(ColumnFormatTest, AlignmentGivesTheNativeFormat)
{
    EXPECT_EQ(s::gui::listbox2::ColumnFormatOf(0), LVCFMT_LEFT);
    EXPECT_EQ(s::gui::listbox2::ColumnFormatOf(1), LVCFMT_CENTER);
    EXPECT_EQ(s::gui::listbox2::ColumnFormatOf(2), LVCFMT_RIGHT);
    EXPECT_EQ(s::gui::listbox2::ColumnFormatOf(7), LVCFMT_CENTER);
}

} // namespace
