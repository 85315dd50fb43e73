#pragma once
// A property page laid out like a dialog: columns of framed groups. Rows go into the current
// group; a section opens a group in the current column, a subsection a group inside it.

class QFormLayout;
class QHBoxLayout;
class QLayout;
class QString;
class QVBoxLayout;
class QWidget;

namespace pages {

class PageLayout {
public:
    // Lays out `page`, which owns every group and layout made here.
    explicit PageLayout(QWidget& page);

    void AddSection(const QString& title);
    void AddSubSection(const QString& title);
    // Rows after a group that belong to none.
    void EndSection();
    void NextColumn();
    // A row with its label in the label column, even an empty one.
    void AddRow(const QString& label, QWidget* widget);
    // A row across both columns.
    void AddRow(QWidget* widget);
    // Below the columns, across the page; stretch takes the page's spare height.
    void AddBelowColumns(QLayout* layout, int stretch);

private:
    QWidget& page_;
    QVBoxLayout* root_;
    QHBoxLayout* columns_;
    QVBoxLayout* column_ = nullptr;
    QFormLayout* form_ = nullptr;        // where the next row goes
    QFormLayout* sectionForm_ = nullptr; // the open section's own rows
};

} // namespace pages
