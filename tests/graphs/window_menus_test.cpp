// The menus of the graph windows, item by item.

#include "window_fixture.h"

#include "FrmOkumFieldStrength.h"
#include "GraphForm.h"
#include "ProgramState.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// "name caption" for each menu and item in order, submenus after their own line, "-" for a
// separator.
void Walk(const QList<QAction*>& actions, std::vector<std::string>& out) {
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            out.push_back(a->objectName().toStdString() + " -");
            continue;
        }
        const QMenu* menu = a->menu();
        const QString name = menu != nullptr ? menu->objectName() : a->objectName();
        out.push_back(name.toStdString() + " " + a->text().toStdString());
        if (menu != nullptr)
            Walk(menu->actions(), out);
    }
}

std::vector<std::string> Menus(GraphFormBase& w) {
    std::vector<std::string> out;
    Walk(w.ui().menuBar->actions(), out);
    return out;
}

using GraphMenusTest = GraphWindowTest;

TEST_F(GraphMenusTest, LossWindow) {
    GraphForm w;
    EXPECT_EQ(Menus(w), (std::vector<std::string>{
                            "mnuFile &File",
                            "mnuFileSave &Save Meta File",
                            "mnuFileCopyToReportLog Copy to &Report Log",
                            "mnuFilePrint Print",
                            "mnuFilePrintSetup &Printer Setup",
                            "mnuFileClose &Close",
                            "mnuUnits &Units",
                            "mnuUnitsMetric &Metric",
                            "mnuUnitsEnglish &English",
                            "mnuGraph &Graph",
                            "mnuGraph100 Max Dist &100 Km",
                            "mnuGraph300 Max Dist &300 Km",
                        }));
}

TEST_F(GraphMenusTest, FieldStrengthWindow) {
    program::ShowMeasuredData = 0;
    FrmOkumFieldStrength w;
    w.Form_Load();
    EXPECT_EQ(Menus(w), (std::vector<std::string>{
                            "mnuFile &File",
                            "mnuFileSave &Save Meta File",
                            "mnuFilePrint Print",
                            "mnuFilePrinterSetup Printer Setup",
                            "mnuFileExit &Close",
                            "mnuUnits &Units",
                            "mnuUnitsMetric &Metric",
                            "mnuUnitsEnglish &English",
                            "mnuModel &Model",
                            "mnuModelBrindelFS Field Strength (&Okum-Hata Davidson)",
                            "mnuModelOkum529FS Field Strength (ITU-R P.&529 Okum-Hata)",
                            "mnuModelCost231 Field Strength (&Cost 231)",
                            "mnuModelCompare Compare &Models",
                            "mnuGraphSep -",
                            "mnuGraphMeasured &Show Measured Data",
                            "mnuModelDist Max &Distance",
                            "mnuModelDist100 &100 Km",
                            "mnuModelDist300 &300 Km",
                        }));
}

} // namespace
