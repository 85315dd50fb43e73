#include "frmPrinterSelect.h"

#include "ProgramPrinter.h"

#include <algorithm>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QVBoxLayout>

frmPrinterSelect::frmPrinterSelect(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrinterSelect"));
    setWindowTitle(QStringLiteral("Printer Selection"));
    cboPrinterNames = new QComboBox(this);
    cboPrinterNames->setObjectName(QStringLiteral("cboPrinterNames"));
    cboPrinterNames->setEditable(true);
    cboPrinterNames->setInsertPolicy(QComboBox::NoInsert);
    cboPrinterNames->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmdSelect = new QPushButton(QStringLiteral("Select Printer"), this);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cboPrinterNames);
    layout->addWidget(cmdSelect);
    connect(cmdSelect, &QPushButton::clicked, this, &frmPrinterSelect::cmdSelect_Click);
    Form_Load();
    resize(FittingSize());
}

// Wide enough for the longest printer name and for the whole title beside the title bar's buttons.
QSize frmPrinterSelect::FittingSize() const {
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    constexpr int kTitleBarButtons = 160;
    const int width = std::max(sizeHint().width(), title.horizontalAdvance(windowTitle()) + kTitleBarButtons);
    return QSize(std::max(width, 320), sizeHint().height());
}

void frmPrinterSelect::Form_Load() {
    cboPrinterNames->clear();
    const QString current = printing::ProgramPrinter::Instance().DeviceName();
    const QStringList names = printing::ProgramPrinter::PrinterNames();
    cboPrinterNames->addItems(names);
    cboPrinterNames->setEditText(names.contains(current) ? current : QString());
}

void frmPrinterSelect::cmdSelect_Click() {
    printing::ProgramPrinter::Instance().Select(cboPrinterNames->currentText());
    accept();
}
