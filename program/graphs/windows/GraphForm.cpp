#include "GraphForm.h"

#include "ChartConstants.h"
#include "MainForm.h"
#include "NumberText.h"
#include "WaitCursor.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

GraphForm::GraphForm(QWidget* parent) : GraphFormBase("GraphForm", "cmdArchiveData", parent) {
    BuildCommon(QStringLiteral("dB Loss Graph"), "ZENT1");
    QMenu* file = AddMenu("mnuFile", "&File");
    menus_.mnuFileSave = NamedItem(file, "mnuFileSave", "&Save Meta File");
    menus_.mnuFileCopyToReportLog = NamedItem(file, "mnuFileCopyToReportLog", "Copy to &Report Log");
    menus_.mnuFilePrint = NamedItem(file, "mnuFilePrint", "Print");
    menus_.mnuFilePrintSetup = NamedItem(file, "mnuFilePrintSetup", "&Printer Setup");
    menus_.mnuFileClose = NamedItem(file, "mnuFileClose", "&Close");
    AddUnitsMenu();
    QMenu* graph = AddMenu("mnuGraph", "&Graph");
    menus_.mnuGraph100 = NamedItem(graph, "mnuGraph100", "Max Dist &100 Km", true);
    menus_.mnuGraph300 = NamedItem(graph, "mnuGraph300", "Max Dist &300 Km", true);

    LoadStoredChart(GraphFormChart());
    ConnectCommon();
    ToggleOnClick(ui().lblBaseAntenna);
    const std::pair<QAction*, void (GraphForm::*)()> items[] = {
        {menus_.mnuFileSave, &GraphForm::mnuFileSave_Click},
        {menus_.mnuFileCopyToReportLog, &GraphForm::mnuFileCopyToReportLog_Click},
        {menus_.mnuFilePrint, &GraphForm::mnuFilePrint_Click},
        {menus_.mnuFilePrintSetup, &GraphForm::mnuFilePrintSetup_Click},
        {menus_.mnuFileClose, &GraphForm::mnuFileClose_Click},
        {menus_.mnuGraph100, &GraphForm::mnuGraph100_Click},
        {menus_.mnuGraph300, &GraphForm::mnuGraph300_Click},
    };
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this, handler);
    connect(ui().cmdUpdateGraph, &QPushButton::clicked, this, &GraphForm::cmdUpdateGraph_Click);
    connect(ui().archiveButton, &QPushButton::clicked, this, &GraphForm::cmdArchiveData_Click);
}

void GraphForm::Form_Load() {
    SetMaxDistance(100);
    menus_.mnuGraph100->setChecked(true);
    menus_.mnuGraph300->setChecked(false);
    ui().archiveButton->hide();
    LoadButtonPictures();
    if (MainForm* main = MainForm::Instance())
        CopyInputsFrom(*main);
    BuildLossGraph(false);
    MarkCurrent();
}

void GraphForm::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (MainForm* main = MainForm::Instance())
        CopyInputsTo(*main);
}

void GraphForm::BuildLossGraph(bool clearFirst) {
    if (chart())
        builder_.Build(*chart(), Inputs(), clearFirst, numtext::LocalNow());
}

void GraphForm::cmdUpdateGraph_Click() {
    MarkCurrent();
    ValidateBeforeReading();
    WaitCursor wait;
    BuildLossGraph(true);
    // A check run just now changed a box, but the chart shows the corrected value.
    MarkCurrent();
}

void GraphForm::mnuFileCopyToReportLog_Click() {
    CopyToReportLog();
}

void GraphForm::mnuFileClose_Click() {
    close();
}

void GraphForm::ChooseMaxDistance(double km) {
    SetMaxDistance(km);
    MarkStale();
    menus_.mnuGraph100->setChecked(km == 100);
    menus_.mnuGraph300->setChecked(km == 300);
}

void GraphForm::mnuGraph100_Click() {
    ChooseMaxDistance(100);
}

void GraphForm::mnuGraph300_Click() {
    ChooseMaxDistance(300);
}

void GraphForm::cmdArchiveData_Click() {
    AddToArchive(false);
}
