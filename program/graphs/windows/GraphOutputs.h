#pragma once
// What a graph window makes of its chart: a metafile, a printout through the graph printing
// dialog, the printer setup, a picture in the report log, and an archive run of its inputs.

#include "GraphInputs.h"

#include <functional>
#include <optional>
#include <QImage>
#include <QString>

class QWidget;

namespace automation {
class IDispatch;
}

class GraphOutputs {
public:
    // Where a file question goes; tests answer it without a dialog. The answer is the chosen file
    // name, empty when cancelled.
    enum class FileQuestion { SaveMetafile, ArchiveDatabase };
    using FileChooser = std::function<QString(FileQuestion, QWidget* owner)>;
    static void SetFileChooserForTest(FileChooser chooser);
    // The archive comment; nothing when the user cancels.
    using CommentAsker = std::function<std::optional<QString>(QWidget* owner)>;
    static void SetCommentAskerForTest(CommentAsker asker);

    // The window the questions and messages belong to.
    explicit GraphOutputs(QWidget& window) : window_(window) {}

    // Each does nothing without a chart.
    void SaveMetafile(automation::IDispatch* chart);
    void Print(automation::IDispatch* chart);
    void PrinterSetup(automation::IDispatch* chart);
    // The chart's picture, also appended to the report log; null when the chart gave none.
    QImage CopyToReportLog(automation::IDispatch* chart);
    // The database file (asked once per run), the comment, then one run of the inputs.
    void AddToArchive(const GraphInputs& inputs, bool fieldStrength);

private:
    QString AskFile(FileQuestion question);

    QWidget& window_;
};
