#include <gtest/gtest.h>

#include "core/col/Arrays.h"
#include "lists/ModelBuilders.h"

using namespace listtest;
using s::col::_array::ArrayP;
using s::col::_array::ArrayS32;

namespace {

class SortTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i)
            list_.AppendColumn(DataType::Create(L"", 0, 0, true, &CompareNumbers, true, false, false, false, false));
    }
    void TearDown() override { list_.Reset(); }

    void Add(std::initializer_list<int64_t> numbers)
    {
        list_.InsertAt(static_cast<int32_t>(list_.GetRowCount()), NumberRow(numbers));
    }
    // The numbers of one column, in display order.
    std::vector<int64_t> Column(int32_t c)
    {
        std::vector<int64_t> values;
        for (uint32_t i = 0; i < list_.GetRowCount(); ++i)
            values.push_back(NumberAt(list_.GetRow(i), c));
        return values;
    }
    std::vector<uint32_t> Priority()
    {
        std::vector<uint32_t> priority;
        for (uint32_t i = 0; i < list_.sortPriority.GetCount(); ++i)
            priority.push_back(list_.sortPriority.Get(i));
        return priority;
    }

    List list_;
};

TEST_F(SortTest, ColumnsAreComparedInPriorityOrderSkippingUnsortableOnes)
{
    // Priority [2, 0, 1]; column 2 does not sort, so column 0 decides.
    list_.sortPriority.Clear();
    for (uint32_t c : {2u, 0u, 1u})
        list_.sortPriority.Append(c);
    list_.GetColumn(2)->sortable = 0;
    Add({3, 1, 0});
    Add({1, 2, 9});
    Add({2, 3, 5});
    Add({1, 1, 7});
    list_.Sort();
    EXPECT_EQ(Column(0), (std::vector<int64_t>{1, 1, 2, 3}));
    EXPECT_EQ(Column(1), (std::vector<int64_t>{1, 2, 3, 1}));
    ExpectConsistent(list_);
}

TEST_F(SortTest, EqualRowsKeepTheirOrderSoClicksRefineThePreviousOrder)
{
    // Column 2 tells the rows apart (their entry order) and is never a key.
    list_.GetColumn(2)->sortable = 0;
    const int64_t rows[][3] = {{2, 1, 0}, {1, 2, 1}, {2, 2, 2}, {1, 1, 3}, {2, 1, 4}, {1, 2, 5}, {1, 1, 6},
                               {2, 2, 7}, {1, 1, 8}};
    for (const auto& r : rows)
        Add({r[0], r[1], r[2]});
    list_.sortPriority.Clear();
    list_.sortPriority.Append(1);
    list_.Sort();
    EXPECT_EQ(Column(2), (std::vector<int64_t>{0, 3, 4, 6, 8, 1, 2, 5, 7}));
    // Now by column 0 first: within equal column-0 values the column-1 order stays.
    list_.sortPriority.Clear();
    list_.sortPriority.Append(0);
    list_.Sort();
    EXPECT_EQ(Column(2), (std::vector<int64_t>{3, 6, 8, 1, 5, 0, 4, 2, 7}));
    ExpectConsistent(list_);
}

TEST_F(SortTest, NothingToSortByLeavesTheOrder)
{
    for (uint32_t c = 0; c < 3; ++c)
        list_.GetColumn(c)->sortable = 0;
    Add({3, 0, 0});
    Add({1, 0, 0});
    Add({2, 0, 0});
    list_.Sort();
    EXPECT_EQ(Column(0), (std::vector<int64_t>{3, 1, 2}));
}

TEST_F(SortTest, TogglingFlipsTheDirectionAndMakesTheColumnPrimary)
{
    Add({1, 5, 0});
    Add({2, 4, 0});
    Add({3, 6, 0});
    EXPECT_EQ(Priority(), (std::vector<uint32_t>{0, 1, 2}));
    list_.ToggleSortColumn(1);
    EXPECT_EQ(list_.GetColumn(1)->ascending, 0);
    EXPECT_EQ(Priority(), (std::vector<uint32_t>{1, 0, 2}));
    list_.Sort();
    EXPECT_EQ(Column(1), (std::vector<int64_t>{6, 5, 4}));
    list_.ToggleSortColumn(1);
    EXPECT_EQ(list_.GetColumn(1)->ascending, 1);
    EXPECT_EQ(Priority(), (std::vector<uint32_t>{1, 0, 2}));
    list_.ToggleSortColumn(2);
    EXPECT_EQ(Priority(), (std::vector<uint32_t>{2, 1, 0}));
    // A column missing from the priority only flips; one beyond the columns changes nothing.
    list_.sortPriority.RemoveAt(0);
    list_.ToggleSortColumn(2);
    EXPECT_EQ(list_.GetColumn(2)->ascending, 1);
    EXPECT_EQ(Priority(), (std::vector<uint32_t>{1, 0}));
    list_.ToggleSortColumn(9);
    EXPECT_EQ(Priority(), (std::vector<uint32_t>{1, 0}));
}

// A tree for the move tests: rows hold their own number in cell 0, cell 0 is the tree cell.
class MoveTest : public testing::Test {
protected:
    void TearDown() override
    {
        list_.Reset();
        if (moved_)
            moved_->ReleaseToPool();
    }

    Record* Row(int64_t number, int32_t expandState = 0, Record* parent = nullptr)
    {
        Record* row = NumberRow({number}, 0, expandState);
        if (parent)
            parent->AppendChild(row);
        list_.InsertAt(static_cast<int32_t>(list_.GetRowCount()), row);
        return row;
    }
    void Move(std::initializer_list<int32_t> rows, int32_t target, Record* parent = nullptr, int32_t position = 0)
    {
        ArrayS32* indices = ArrayS32::New();
        for (int32_t r : rows)
            indices->Append(r);
        if (!moved_)
            moved_ = ArrayP::New();
        list_.MoveRows(indices, target, moved_, parent, position);
        indices->ReleaseToPool();
    }
    std::vector<int64_t> ChildrenOf(Record* parent)
    {
        std::vector<int64_t> numbers;
        for (uint32_t i = 0; i < parent->GetChildCount(); ++i)
            numbers.push_back(NumberAt(parent->GetChildAt(i), 0));
        return numbers;
    }

    List list_;
    ArrayP* moved_ = nullptr;
};

TEST_F(MoveTest, FlatMovesTable)
{
    struct Case {
        std::vector<int32_t> rows;
        int32_t target;
        std::vector<int64_t> expected;
    };
    const Case cases[] = {
        {{3, 7}, 5, {0, 1, 2, 4, 3, 7, 5, 6, 8, 9}}, // row 3 leaves from before the target
        {{0}, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {{1, 2}, 0, {1, 2, 0, 3, 4, 5, 6, 7, 8, 9}},
        {{0, 9}, 50, {1, 2, 3, 4, 5, 6, 7, 8, 0, 9}}, // beyond the last row: to the end
        {{8}, 10, {0, 1, 2, 3, 4, 5, 6, 7, 9, 8}},
        {{}, 3, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {{4, 4, 40, -2}, 0, {4, 0, 1, 2, 3, 5, 6, 7, 8, 9}}, // repeated and unknown rows are skipped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        for (int i = 0; i < 10; ++i)
            list_.InsertAt(i, NumberRow({i}));
        ArrayS32* indices = ArrayS32::New();
        for (int32_t r : c.rows)
            indices->Append(r);
        ArrayP* moved = ArrayP::New();
        list_.MoveRows(indices, c.target, moved, nullptr, 0);
        EXPECT_EQ(FirstNumbers(list_), c.expected);
        EXPECT_EQ(moved->GetCount(), 0u);
        ExpectConsistent(list_);
        indices->ReleaseToPool();
        moved->ReleaseToPool();
        list_.Reset();
    }
}

TEST_F(MoveTest, AnExpandedRowTakesItsChildrenAlong)
{
    Row(0);
    Record* parent = Row(1, 1);
    Row(2, 0, parent);
    Record* middle = Row(3, 1, parent);
    Row(4, 0, middle);
    Row(5);
    Row(6);
    Move({1}, 7);
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0, 5, 6, 1, 2, 3, 4}));
    EXPECT_EQ(ChildrenOf(parent), (std::vector<int64_t>{2, 3}));
    EXPECT_EQ(ChildrenOf(middle), (std::vector<int64_t>{4}));
    EXPECT_EQ(parent->parent, nullptr);
    ExpectConsistent(list_);
}

TEST_F(MoveTest, ARowNeverGoesUnderItselfOrItsDescendant)
{
    Record* a = Row(0, 1);
    Record* b = Row(1, 1, a);
    Record* c = Row(2, 0, b);
    Record* leaf = Row(3);
    Move({0}, 3, c, 0);
    Move({1}, 2, b, 0);
    // Not even a row without an expander goes under itself.
    Move({3}, -1, leaf, 0);
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0, 1, 2, 3}));
    EXPECT_EQ(ChildrenOf(a), (std::vector<int64_t>{1}));
    EXPECT_EQ(ChildrenOf(b), (std::vector<int64_t>{2}));
    EXPECT_EQ(leaf->GetChildCount(), 0u);
    EXPECT_EQ(a->parent, nullptr);
    EXPECT_EQ(moved_->GetCount(), 0u);
    ExpectConsistent(list_);

    // The refused row stays; the others of the same call still move.
    Move({0, 3}, 4, c, 0);
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0, 1, 2, 3}));
    EXPECT_EQ(ChildrenOf(c), (std::vector<int64_t>{3}));
}

TEST_F(MoveTest, TargetMinusOneOnlyChangesTheParent)
{
    Record* folder = Row(0, 2);
    Row(1);
    Row(2);
    Move({1, 2}, -1, folder, 0);
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0, 1, 2}));
    EXPECT_EQ(ChildrenOf(folder), (std::vector<int64_t>{1, 2}));
    // Recorded last to first, once each.
    ASSERT_EQ(moved_->GetCount(), 2u);
    EXPECT_EQ(NumberAt(static_cast<Record*>(moved_->Get(0)), 0), 2);
    EXPECT_EQ(NumberAt(static_cast<Record*>(moved_->Get(1)), 0), 1);
    Move({1}, -1, folder, 0);
    EXPECT_EQ(moved_->GetCount(), 2u);
    EXPECT_EQ(ChildrenOf(folder), (std::vector<int64_t>{2, 1}));
    ExpectConsistent(list_);
}

TEST_F(MoveTest, ChildPositionsAmongSiblings)
{
    // A child moved up in front of its previous sibling, and down behind its next one.
    Record* parent = Row(0, 1);
    Row(1, 0, parent);
    Row(2, 0, parent);
    Row(3, 0, parent);
    Move({3}, 2, parent, 1);
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0, 1, 3, 2}));
    EXPECT_EQ(ChildrenOf(parent), (std::vector<int64_t>{1, 3, 2}));
    // Down: the row at 1 goes behind its next sibling (target after next, position + 2).
    Move({1}, 3, parent, 2);
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{0, 3, 1, 2}));
    EXPECT_EQ(ChildrenOf(parent), (std::vector<int64_t>{3, 1, 2}));
    // Out of the parent to the top level in front of it.
    Move({3}, 0, nullptr, 0);
    EXPECT_EQ(FirstNumbers(list_), (std::vector<int64_t>{2, 0, 3, 1}));
    EXPECT_EQ(ChildrenOf(parent), (std::vector<int64_t>{3, 1}));
    EXPECT_EQ(list_.GetRow(0)->parent, nullptr);
    // Positions beyond the children are held to them.
    Record* top = Row(9);
    Move({static_cast<int32_t>(top->rowIndex)}, 2, parent, 40);
    EXPECT_EQ(ChildrenOf(parent), (std::vector<int64_t>{3, 1, 9}));
    ExpectConsistent(list_);
}

} // namespace
