#include "MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* Menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* m = bar->addMenu(QString::fromUtf8(caption));
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction* Item(QMenu* m, const char* name, const char* caption) {
    QAction* a = m->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

// Flips a menu item between two captions and reports whether it now shows the first.
bool ToggleCaption(QAction* item, const QString& first, const QString& second) {
    const bool toFirst = item->text() != first;
    item->setText(toFirst ? first : second);
    return toFirst;
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar) {
    mnuFile = Menu(bar, "mnuFile", "&File");
    mnuFileNew = Item(mnuFile, "mnuFileNew", "&New");
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    mnuFileExit = Item(mnuFile, "mnuFileExit", "&Exit");
    mnuUnits = Menu(bar, "mnuUnits", "&Units");
    mnuUnitsMetric = Item(mnuUnits, "mnuUnitsMetric", "&Metric");
    mnuUnitsEnglish = Item(mnuUnits, "mnuUnitsEnglish", "&English");
    mnuUnitsMetric->setCheckable(true);
    mnuUnitsEnglish->setCheckable(true);
    mnuUnitsMetric->setChecked(true);
    mnuCalculation = Menu(bar, "mnuCalculation", "&Calculation");
    mnuCalculationLog = Item(mnuCalculation, "mnuCalculationLog", "&View Output Report");
    mnuCalculationCalculate = Item(mnuCalculation, "mnuCalculationCalculate", "&Calculate Values");
    mnuCalculationLogDist = Item(mnuCalculation, "mnuCalculationLogDist", "&Report for Distance Range");
    mnuHideShow = Item(mnuCalculation, "mnuHideShow", "&Hide Out of Range Values");
    mnuGraph = Menu(bar, "mnuGraph", "&Graph");
    mnuGraphdBloss = Item(mnuGraph, "mnuGraphdBloss", "&Compare dB loss Models");
    mnuOkumGraphFieldStrength =
        Item(mnuGraph, "mnuOkumGraphFieldStrength", "Field Strength (&Brindel Davidson)");
    mnuOkum529GraphFieldStrength =
        Item(mnuGraph, "mnuOkum529GraphFieldStrength", "Field Strength (ITU-R P.&529 Brindel)");
    mnuGraphCost231FieldStrength =
        Item(mnuGraph, "mnuGraphCost231FieldStrength", "Field Strength (&Cost 231)");
    mnuGraphCompare = Item(mnuGraph, "mnuGraphCompare", "Compare Field Strength  &Models");
    mnuGraph->addSeparator()->setObjectName(QStringLiteral("mnuGraphSep"));
    mnuGraphMeasured = Item(mnuGraph, "mnuGraphMeasured", "&Show Measured Data");
    mnuHelp = Menu(bar, "mnuHelp", "&Help");
    mnuHelpInfo = Item(mnuHelp, "mnuHelpInfo", "&Introduction Screen");
    mnuHelpTarvek = Item(mnuHelp, "mnuHelpTarvek", "&Tarvek");
    mnuHelpAbout = Item(mnuHelp, "mnuHelpAbout", "&About Tarvek");
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
