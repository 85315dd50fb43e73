#pragma once
// The rows of the binding tables: which control of a page shows which property, the values a row
// puts, expects shown, types and expects stored, and how a row's property is put and read through
// the control's dispatch.

#include "CPropertyPage.h"
#include "CZENTCtrl.h"

#include <VariantChange.h>

#include <gtest/gtest.h>

#include <QPushButton>
#include <QString>
#include <utility>
#include <vector>

namespace bindingtest {

using automation::Variant;
using pages::CPropertyPage;

// How the control shows its value: edit text, check state (0/1), combo position, the colour or a
// part of the font a colour or font dialog starts from, or a grid cell's text.
enum class Ctl { Edit, Lines, Check, Combo, Color, Face, Style, Size, FontColor, Cell };

// A number or a text; none where a row has no value.
struct Value {
    Value() = default;
    Value(int n) : Value(static_cast<double>(n)) {}
    Value(double n) : number(n), isNumber(true) {}
    Value(const char* t) : text(t) {}
    bool None() const { return !isNumber && text == nullptr; }
    double number = 0;
    bool isNumber = false;
    const char* text = nullptr;
};

struct Prop {
    const char* name;
    int dispid; // 0: the one setting without a property (PieNumberPos), reached through the model
    std::vector<int> index;
};

struct Binding {
    int id;
    Ctl ctl;
    Prop prop;
    Value put;    // into the property through dispatch
    Value shown;  // what the control shows then
    Value typed;  // what the user gives the control; none: only shown
    Value stored; // what the property holds after OK
};

inline const Value kNone;

inline QString Text(const Value& v) {
    return QString::fromUtf8(v.text);
}

// A dialog button as its signal carries it, also where the plot type disables it: the enable rules
// are not what these tables check.
inline void Press(CPropertyPage& page, int id) {
    emit page.ControlAs<QPushButton>(id)->clicked(false);
}

inline Variant ToVariant(const Value& v) {
    return v.isNumber ? Variant::R8(v.number) : Variant::Str(v.text);
}

inline void Put(CZENTCtrl& control, const Prop& p, const Value& v) {
    if (p.dispid == 0) {
        control.Model().PieNumberPos[static_cast<std::size_t>(p.index[0])] =
            static_cast<std::int32_t>(v.number);
        return;
    }
    std::vector<Variant> args;
    for (int i : p.index) {
        args.push_back(Variant::I4(i));
    }
    args.push_back(ToVariant(v));
    ASSERT_EQ(control.Invoke(p.dispid, automation::InvokeKind::PropertyPut, args, nullptr), automation::S_OK)
        << p.name;
}

inline Variant Get(CZENTCtrl& control, const Prop& p) {
    if (p.dispid == 0) {
        return Variant::I4(control.Model().PieNumberPos[static_cast<std::size_t>(p.index[0])]);
    }
    std::vector<Variant> args;
    for (int i : p.index) {
        args.push_back(Variant::I4(i));
    }
    Variant result;
    EXPECT_EQ(control.Invoke(p.dispid, automation::InvokeKind::PropertyGet, args, &result), automation::S_OK)
        << p.name;
    return result;
}

inline double Number(const Variant& v) {
    if (v.vt() == automation::VT_BOOL) {
        return v.AsBool() ? 1 : 0;
    }
    const automation::Changed changed = automation::ChangeType(v, automation::VT_R8);
    return changed.ok() ? changed.value.AsR8() : -12345;
}

// A grid cell of the Data page: X of a point in column 1, Y of point and group in 2 + group.
inline std::pair<int, int> CellOf(const Prop& p) {
    return {p.index[1] + 1, p.dispid == 174 ? 1 : p.index[2] + 2};
}

} // namespace bindingtest
