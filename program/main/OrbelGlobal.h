#pragma once
// One parameter the program shares with the planning suite that can launch it: its name (also its
// key in the store) and its value. The value is kept as given; Registry converts assignments to the
// type of the parameter's default.

#include "Variant.h"

#include <QString>

class OrbelGlobal {
public:
    OrbelGlobal() = default;
    OrbelGlobal(QString id, automation::Variant value) : id_(std::move(id)), value_(std::move(value)) {}

    const QString& ID() const { return id_; }
    void SetID(const QString& id) { id_ = id; }

    const automation::Variant& Value() const { return value_; }
    void SetValue(const automation::Variant& value) { value_ = value; }

private:
    QString id_;
    automation::Variant value_;
};
