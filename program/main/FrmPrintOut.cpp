#include "FrmPrintOut.h"

#include "ChartConstants.h"
#include "Kestran.h"
#include "MessageBox.h"
#include "ProgramPrinter.h"

#include <memory>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

namespace program {
automation::IDispatch* PrintChart = nullptr;
} // namespace program

namespace {

std::unique_ptr<FrmPrintOut> g_dialog;

void CallChart(automation::DISPID member) {
    if (program::PrintChart)
        program::PrintChart->Invoke(member, automation::InvokeKind::Method, {}, nullptr);
}

} // namespace

FrmPrintOut& FrmPrintOut::Instance() {
    if (!g_dialog)
        g_dialog.reset(new FrmPrintOut);
    return *g_dialog;
}

void FrmPrintOut::ShowFor(QWidget* owner) {
    FrmPrintOut& dialog = Instance();
    if (!dialog.loaded_)
        dialog.Form_Load();
    // Owned by the graph window for as long as it shows, without belonging to it.
    dialog.setParent(owner, dialog.windowFlags());
    dialog.exec();
    dialog.setParent(nullptr, dialog.windowFlags());
}

void FrmPrintOut::Destroy() {
    g_dialog.reset();
}

FrmPrintOut::FrmPrintOut() {
    setObjectName(QStringLiteral("FrmPrintOut"));
    setWindowTitle(QStringLiteral("Print Graph"));
    setModal(true);
    cmdPrint_ = new QPushButton(QStringLiteral("Print"));
    cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrintSetup_ = new QPushButton(QStringLiteral("Printer Setup"));
    cmdPrintSetup_->setObjectName(QStringLiteral("cmdPrintSetup"));
    cmdOK_ = new QPushButton(QStringLiteral("Done"));
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    auto* row = new QHBoxLayout(this);
    for (QPushButton* button : {cmdPrint_, cmdPrintSetup_, cmdOK_}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    connect(cmdPrint_, &QPushButton::clicked, this, &FrmPrintOut::cmdPrint_Click);
    connect(cmdPrintSetup_, &QPushButton::clicked, this, &FrmPrintOut::cmdPrintSetup_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &FrmPrintOut::cmdOK_Click);
}

void FrmPrintOut::Form_Load() {
    loaded_ = true;
    printing::ProgramPrinter& printer = printing::ProgramPrinter::Instance();
    savedOrientation_ = printer.Orientation();
    // The chart prints on the program's printer, as every other output of the program does, and
    // asks for the file of the PDF file printer as the program does.
    EngineSetPrinter(&printer.Printer());
    EngineSetPrintFileHook([](void* owner) {
        return printing::ProgramPrinter::AskPdfFile(static_cast<QWidget*>(owner)).toStdString();
    });
}

void FrmPrintOut::Form_Unload() {
    printing::ProgramPrinter::Instance().SetOrientation(savedOrientation_);
    loaded_ = false;
}

// The chart tells of a print that fails; a window without a chart control has nothing to print.
void FrmPrintOut::cmdPrint_Click() {
    if (!program::PrintChart) {
        msgbox::MsgBox(QStringLiteral("There is no graph to print."),
                       msgbox::vbExclamation | msgbox::vbOKOnly, QString(), this);
        return;
    }
    CallChart(chartid::PrintGraph);
}

void FrmPrintOut::cmdPrintSetup_Click() {
    printing::ProgramPrinter::Instance().SetOrientation(printing::vbPRORLandscape);
    CallChart(chartid::PrinterSetup);
}

void FrmPrintOut::cmdOK_Click() {
    hide();
}

void FrmPrintOut::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QDialog::closeEvent(event);
}
