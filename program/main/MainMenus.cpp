#include "MainMenus.h"

#include "NamedControls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// Flips a menu item between two captions and reports whether it now shows the first.
bool ToggleCaption(QAction* item, const QString& first, const QString& second) {
    const bool toFirst = item->text() != first;
    item->setText(toFirst ? first : second);
    return toFirst;
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar) {
    mnuFile = NamedMenu(bar, "mnuFile", "&File");
    mnuFileNew = NamedItem(mnuFile, "mnuFileNew", "&New");
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    mnuFileExit = NamedItem(mnuFile, "mnuFileExit", "&Exit");
    mnuUnits = NamedMenu(bar, "mnuUnits", "&Units");
    mnuUnitsMetric = NamedItem(mnuUnits, "mnuUnitsMetric", "&Metric");
    mnuUnitsEnglish = NamedItem(mnuUnits, "mnuUnitsEnglish", "&English");
    mnuUnitsMetric->setCheckable(true);
    mnuUnitsEnglish->setCheckable(true);
    mnuUnitsMetric->setChecked(true);
    mnuCalculation = NamedMenu(bar, "mnuCalculation", "&Calculation");
    mnuCalculationLog = NamedItem(mnuCalculation, "mnuCalculationLog", "&View Output Report");
    mnuCalculationCalculate = NamedItem(mnuCalculation, "mnuCalculationCalculate", "&Calculate Values");
    mnuCalculationLogDist = NamedItem(mnuCalculation, "mnuCalculationLogDist", "&Report for Distance Range");
    mnuHideShow = NamedItem(mnuCalculation, "mnuHideShow", "&Hide Out of Range Values");
    mnuGraph = NamedMenu(bar, "mnuGraph", "&Graph");
    mnuGraphdBloss = NamedItem(mnuGraph, "mnuGraphdBloss", "&Compare dB loss Models");
    mnuOkumGraphFieldStrength =
        NamedItem(mnuGraph, "mnuOkumGraphFieldStrength", "Field Strength (&Brindel Davidson)");
    mnuOkum529GraphFieldStrength =
        NamedItem(mnuGraph, "mnuOkum529GraphFieldStrength", "Field Strength (ITU-R P.&529 Brindel)");
    mnuGraphCost231FieldStrength =
        NamedItem(mnuGraph, "mnuGraphCost231FieldStrength", "Field Strength (&Cost 231)");
    mnuGraphCompare = NamedItem(mnuGraph, "mnuGraphCompare", "Compare Field Strength  &Models");
    mnuGraph->addSeparator()->setObjectName(QStringLiteral("mnuGraphSep"));
    mnuGraphMeasured = NamedItem(mnuGraph, "mnuGraphMeasured", "&Show Measured Data");
    mnuHelp = NamedMenu(bar, "mnuHelp", "&Help");
    mnuHelpInfo = NamedItem(mnuHelp, "mnuHelpInfo", "&Introduction Screen");
    mnuHelpTarvek = NamedItem(mnuHelp, "mnuHelpTarvek", "&Tarvek");
    mnuHelpAbout = NamedItem(mnuHelp, "mnuHelpAbout", "&About Tarvek");
}

void MainMenus::ShowUnitChecks(bool english) {
    mnuUnitsMetric->setChecked(!english);
    mnuUnitsEnglish->setChecked(english);
}

bool MainMenus::ToggleHideShow() {
    return ToggleCaption(mnuHideShow, QStringLiteral("&Hide Out of Range Values"),
                         QStringLiteral("&Show Out of Range Values"));
}

bool MainMenus::ToggleMeasured() {
    return ToggleCaption(mnuGraphMeasured, QStringLiteral("&Hide Measured Data"),
                         QStringLiteral("&Show Measured Data"));
}
