#include "lists/listbox2/DataType.h"

#include <commctrl.h>

#include "core/str/StrBuffer.h"
#include "storage/lang/Localizer.h"

using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace listbox2 {

DataType::DataType() : caption(StrBuffer::New()), languageSource(nullptr)
{
    Reset();
}

DataType::~DataType()
{
    Reset();
    // Idle columns are destroyed with their pool at exit, after the string pool may be gone.
    delete caption;
}

void DataType::OnEvent(base::IObject* source, int32_t)
{
    if (languageSource && source == languageSource)
        ReadCaption();
}

const wchar_t* DataType::GetClassName()
{
    return L"s_gui_listbox2_DataType";
}

base::IObject* DataType::NewInstance()
{
    return New();
}

void DataType::ReleaseToPool()
{
    GetPool()->Give(this);
}

void DataType::Reset()
{
    if (languageSource)
        languageSource->RemoveListener(this);
    languageSource = nullptr;
    captionId = -1;
    if (caption)
        caption->FreeAll();
    alignment = 0;
    width = 0;
    sortable = 0;
    editable = 0;
    iconColumn = 0;
    checkColumn = 0;
    treeColumn = 0;
    buttonColumn = 0;
    compare = nullptr;
    ascending = 1;
}

DataType* DataType::CreateLocalized(lang::Localizer* localizer, int32_t captionId, int32_t width, int32_t alignment,
                                    bool sortable, CellCompare compare, bool ascending, bool iconColumn,
                                    bool checkColumn, bool editable, bool treeColumn)
{
    DataType* column = New();
    if (!column)
        return nullptr;
    column->languageSource = localizer;
    if (localizer)
        localizer->AddListener(column);
    column->captionId = captionId;
    column->ReadCaption();
    column->Fill(width, alignment, sortable, compare, ascending, iconColumn, checkColumn, editable, treeColumn);
    return column;
}

DataType* DataType::Create(const wchar_t* caption, int32_t width, int32_t alignment, bool sortable,
                           CellCompare compare, bool ascending, bool iconColumn, bool checkColumn, bool editable,
                           bool treeColumn)
{
    DataType* column = New();
    if (!column)
        return nullptr;
    if (column->caption)
        column->caption->Assign(caption ? caption : L"");
    column->Fill(width, alignment, sortable, compare, ascending, iconColumn, checkColumn, editable, treeColumn);
    return column;
}

bool DataType::ReadCaption()
{
    if (!languageSource || captionId == -1 || !caption)
        return false;
    caption->Assign(languageSource->GetText(captionId));
    return true;
}

void DataType::Fill(int32_t width, int32_t alignment, bool sortable, CellCompare compare, bool ascending,
                    bool iconColumn, bool checkColumn, bool editable, bool treeColumn)
{
    this->width = width;
    this->alignment = alignment;
    this->sortable = sortable ? 1 : 0;
    this->compare = compare;
    this->ascending = ascending ? 1 : 0;
    this->iconColumn = iconColumn ? 1 : 0;
    this->checkColumn = checkColumn ? 1 : 0;
    this->editable = editable ? 1 : 0;
    this->treeColumn = treeColumn ? 1 : 0;
}

thread::EasyPooler* DataType::GetPool()
{
    return &thread::PoolOf<DataType>();
}

DataType* DataType::New()
{
    return thread::TakeFromPool<DataType>();
}

int32_t ColumnFormatOf(int32_t alignment)
{
    if (alignment == 0)
        return LVCFMT_LEFT;
    return alignment == 2 ? LVCFMT_RIGHT : LVCFMT_CENTER;
}

} // namespace listbox2
} // namespace gui
} // namespace s
