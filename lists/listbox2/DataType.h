#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace lang {
class Localizer;
}
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace listbox2 {

// Orders two cell values: negative, 0 or positive; the list passes 0 as extra.
typedef int32_t (*CellCompare)(uint64_t a, uint64_t b, void* extra);

// One column of a report list.
class DataType : public events::IEventListener, public base::IObject, public thread::IPoolable {
public:
    DataType();
    ~DataType() override;

    // A change of language renews a caption that came from a text id.
    void OnEvent(base::IObject* source, int32_t code) override;
    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Also leaves the localizer's listeners, so that a column given back hears nothing more.
    void Reset() override;

    // A column whose caption is the text of captionId in the localizer's current pack, and that
    // follows the language from then on.
    static DataType* CreateLocalized(lang::Localizer* localizer, int32_t captionId, int32_t width, int32_t alignment,
                                     bool sortable, CellCompare compare, bool ascending, bool iconColumn,
                                     bool checkColumn, bool editable, bool treeColumn);
    // A column with a literal caption.
    static DataType* Create(const wchar_t* caption, int32_t width, int32_t alignment, bool sortable,
                            CellCompare compare, bool ascending, bool iconColumn, bool checkColumn, bool editable,
                            bool treeColumn);
    // Reads the caption of captionId again from the localizer; false for a literal caption.
    bool ReadCaption();

    static thread::EasyPooler* GetPool();
    static DataType* New();

    str::strbuffer::StrBuffer* caption;
    int32_t captionId;
    lang::Localizer* languageSource;
    // 0 left, 1 centre, 2 right.
    int32_t alignment;
    // Pixels; 0 lets the native control choose.
    int32_t width;
    uint8_t sortable;
    uint8_t editable;
    uint8_t iconColumn;
    uint8_t checkColumn;
    uint8_t treeColumn;
    uint8_t buttonColumn;
    CellCompare compare;
    uint8_t ascending;

private:
    DataType(const DataType&) = delete;
    DataType& operator=(const DataType&) = delete;

    void Fill(int32_t width, int32_t alignment, bool sortable, CellCompare compare, bool ascending, bool iconColumn,
              bool checkColumn, bool editable, bool treeColumn);
};

// The native column format of an alignment: left for 0, right for 2, centred otherwise.
int32_t ColumnFormatOf(int32_t alignment);

} // namespace listbox2
} // namespace gui
} // namespace s
