#include "CPropertyFrame.h"

#include "PageFactory.h"
#include "PageTable.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pages {

CPropertyFrame::CPropertyFrame(CPageExchangeTarget& target, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("ZENT Control Properties"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    // Every caption shows whole, and the frame opens big enough for its largest page: no page
    // scrolls.
    tabs_->setUsesScrollButtons(false);
    tabs_->setElideMode(Qt::ElideNone);
    layout->addWidget(tabs_);
    for (const PageInfo& info : PageTable()) {
        std::unique_ptr<CPropertyPage> page = CreatePage(info.kind, target);
        page->OnInitDialog();
        page->SetModifiedHandler([this] { apply_->setEnabled(true); });
        pages_.push_back(page.get());
        tabs_->addTab(page.release(), QString::fromLatin1(info.caption));
    }
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    apply_->setEnabled(false);
    layout->addWidget(buttons);
    connect(ok_, &QPushButton::clicked, this, &CPropertyFrame::accept);
    connect(cancel_, &QPushButton::clicked, this, &CPropertyFrame::reject);
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyChanges(); });
}

CPropertyPage* CPropertyFrame::Page(PageKind kind) const {
    return pages_[static_cast<std::size_t>(kind)];
}

bool CPropertyFrame::ApplyChanges() {
    for (CPropertyPage* page : pages_) {
        if (page->IsModified() && !page->Apply()) {
            tabs_->setCurrentIndex(static_cast<int>(page->Kind()));
            return false;
        }
    }
    apply_->setEnabled(false);
    return true;
}

void CPropertyFrame::accept() {
    if (ApplyChanges()) {
        QDialog::accept();
    }
}

void ShowPropertyFrame(CPageExchangeTarget& target, QWidget* parent) {
    CPropertyFrame frame(target, parent);
    frame.exec();
}

} // namespace pages
