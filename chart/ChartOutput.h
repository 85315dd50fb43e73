#pragma once
// A control's chart out of the control and back: metafiles, the clipboard, printing, and the
// serialized chart files. Results are BOOL-like: false without a message, except the prints,
// which tell every print that cannot start or fails.

#include "SerializedChartFile.h"

#include <functional>
#include <QString>

class CGraphHolder;
class QWidget;

namespace zent {

class ChartView;

class ChartOutput {
public:
    // `hooks` run after a chart file has replaced the model.
    ChartOutput(QWidget& widget, CGraphHolder& holder, const ChartView& view, chart::ChartFileHooks hooks);

    bool SavePageMeta(int type, const QString& fileName);
    bool CopyToClipboard();
    void PrintPage();
    void PrinterSetup();
    bool LoadFromFile(const QString& path);
    bool SaveToFile(const QString& path);

private:
    // The page on the engine's printer with the model's print settings; false when it failed.
    bool PrintWithSettings();

    QWidget& widget_;
    CGraphHolder& holder_;
    const ChartView& view_;
    chart::ChartFileHooks hooks_;
};

} // namespace zent
