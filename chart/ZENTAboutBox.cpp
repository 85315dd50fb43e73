#include "ZENTAboutBox.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zent {

std::unique_ptr<QDialog> CreateAboutDialog() {
    auto dialog = std::make_unique<QDialog>();
    dialog->setWindowTitle(QStringLiteral("About ZENT Control"));
    auto* icon = new QLabel(dialog.get());
    icon->setPixmap(dialog->style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("ZENT Control, Version 1.0"), dialog.get());
    text->setObjectName(QStringLiteral("versionText"));
    auto* buttons = new QDialogButtonBox(dialog.get());
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog.get(), &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addLayout(row);
    layout->addWidget(buttons);
    return dialog;
}

void ShowAboutBox() {
    const std::unique_ptr<QDialog> dialog = CreateAboutDialog();
    dialog->exec();
}

} // namespace zent
