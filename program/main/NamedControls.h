#pragma once
// Controls made with their names: each window names its controls as the program knows them (the
// objectName), so tests and tools find them by name.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QStringList>

template <typename W> W* Named(W* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
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

// A menu of a menu bar and an item of a menu, named.
inline QMenu* NamedMenu(QMenuBar* bar, const char* name, const char* caption) {
    return Named(bar->addMenu(QString::fromUtf8(caption)), name);
}

inline QAction* NamedItem(QMenu* menu, const char* name, const char* caption, bool checkable = false) {
    QAction* item = Named(menu->addAction(QString::fromUtf8(caption)), name);
    item->setCheckable(checkable);
    return item;
}
