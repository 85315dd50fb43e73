#include "PageField.h"

namespace pages {

NumberKind NumberKindOf(FieldKind kind) {
    return kind == FieldKind::EditLong ? NumberKind::Long : NumberKind::Double;
}

bool IsNumberEdit(FieldKind kind) {
    return kind == FieldKind::EditDouble || kind == FieldKind::EditLong;
}

double SlotNumber(const Slot& slot) {
    if (auto* l = std::get_if<Long*>(&slot)) {
        return **l;
    }
    if (auto* d = std::get_if<double*>(&slot)) {
        return **d;
    }
    return 0;
}

void SetSlotNumber(const Slot& slot, double value) {
    if (auto* l = std::get_if<Long*>(&slot)) {
        **l = static_cast<Long>(value);
    } else if (auto* d = std::get_if<double*>(&slot)) {
        **d = value;
    }
}

} // namespace pages
