#pragma once
// The property frame: one tab per page in the page table's order, with OK, Cancel and Apply. Every
// page loads from the control when the frame opens; Apply and OK read back the pages that were
// changed, each of which saves into the control and rebuilds the graph. A page that refuses a
// value keeps the frame open on that page.

#include "CPropertyPage.h"

#include <QDialog>
#include <vector>

class QTabWidget;
class QPushButton;

namespace pages {

class CPropertyFrame : public QDialog {
public:
    CPropertyFrame(CPageExchangeTarget& target, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }
    CPropertyPage* Page(PageKind kind) const;
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* ApplyButton() const { return apply_; }

    // False when a page refused a value.
    bool ApplyChanges();

    void accept() override;

private:
    QTabWidget* tabs_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
    std::vector<CPropertyPage*> pages_; // owned by the tabs
};

// Opens the frame modally over parent for the control behind target.
void ShowPropertyFrame(CPageExchangeTarget& target, QWidget* parent);

} // namespace pages
