#pragma once
// "dB Loss Graph": the path-loss comparison of the models against distance, over its own copy of
// the main window's inputs, which it hands back when it closes.

#include "GraphFormBase.h"
#include "LossGraphBuilder.h"

class GraphForm final : public GraphFormBase {
    Q_OBJECT
public:
    explicit GraphForm(QWidget* parent = nullptr);

    struct Menus {
        QAction* mnuFileSave = nullptr;
        QAction* mnuFileCopyToReportLog = nullptr;
        QAction* mnuFilePrint = nullptr;
        QAction* mnuFilePrintSetup = nullptr;
        QAction* mnuFileClose = nullptr;
        QAction* mnuGraph100 = nullptr;
        QAction* mnuGraph300 = nullptr;
    };
    Menus& menus() { return menus_; }

    void Form_Load();
    void Form_Unload() override;
    void cmdUpdateGraph_Click();
    void mnuFileCopyToReportLog_Click();
    void mnuFileClose_Click();
    void mnuGraph100_Click();
    void mnuGraph300_Click();
    void cmdArchiveData_Click();

private:
    void BuildLossGraph(bool clearFirst);
    void ChooseMaxDistance(double km);

    Menus menus_;
    LossGraphBuilder builder_;
    bool unloaded_ = false;
};
