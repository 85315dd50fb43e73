#pragma once
// One field of a page's dialog: its control, its kind, and the working value of the current item it
// shows and edits (a slot, asked for anew at each use, so it follows the current item).

#include "FieldText.h"
#include "PageExchange.h"

#include <functional>
#include <optional>
#include <QStringList>
#include <utility>
#include <variant>

class QWidget;

namespace pages {

enum class FieldKind {
    EditDouble,
    EditLong,
    EditText,
    EditLines,
    Check,
    Combo,       // a value of the current item, stored through in/out maps when chosen
    Selector,    // the current item index (axis, title)
    Spin,        // the current item index by up-down (group, slice, data set)
    DataSetList, // the current plot, chosen from the enabled data sets of one kind
    Color,
    Font,
    Button,
};

using Slot = std::variant<std::monostate, Long*, double*, QString*>;
using SlotFn = std::function<Slot()>;

struct FontSlots {
    std::function<QString*()> face;
    std::function<Long*()> style;
    std::function<Long*()> size;
    std::function<Long*()> color;
};

struct PageField {
    int id = 0;
    FieldKind kind = FieldKind::EditText;
    SlotFn slot;
    std::optional<std::pair<double, double>> range;
    std::function<QStringList()> items;
    std::function<int(int)> in;  // position to code
    std::function<int(int)> out; // code to position
    FontSlots font;
    int dataSetKind = 0;
    std::function<void()> action; // buttons
    int* subIndex = nullptr;      // an up-down over a second index (group, slice)
    int subCount = 0;
    QWidget* widget = nullptr;
};

// The number kind of a numeric edit field.
NumberKind NumberKindOf(FieldKind kind);
bool IsNumberEdit(FieldKind kind);
// Whichever of the slot's numeric types is bound, as a number; 0 for a text or no slot.
double SlotNumber(const Slot& slot);
void SetSlotNumber(const Slot& slot, double value);

} // namespace pages
