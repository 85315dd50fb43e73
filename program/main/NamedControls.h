#pragma once
// Controls made with their names: each window names its controls as the program knows them (the
// objectName), so tests and tools find them by name.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A number box of the input windows' width, with the tooltip that states its range (none when null).
inline QLineEdit* NamedTextBox(const char* name, const char* text, const char* tooltip) {
    auto* box = Named(new QLineEdit(QString::fromLatin1(text)), name);
    box->setMaximumWidth(110);
    if (tooltip)
        box->setToolTip(QString::fromLatin1(tooltip));
    return box;
}

// A list to pick from, with its tooltip.
inline QComboBox* NamedList(const char* name, const QStringList& items, const char* tooltip) {
    auto* list = Named(new QComboBox, name);
    list->addItems(items);
    list->setToolTip(QString::fromLatin1(tooltip));
    return list;
}

// A label, named when it is one the program reaches.
inline QLabel* Caption(const QString& text, const char* name = nullptr) {
    auto* label = new QLabel(text);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}
