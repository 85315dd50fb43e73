#include "GraphOutputs.h"

#include "ArchiveRun.h"
#include "ChartConstants.h"
#include "FrmPrintOut.h"
#include "MessageBox.h"
#include "ModCalculations.h"
#include "ProgramState.h"
#include "ReportLog.h"
#include "RLogClass.h"
#include "WaitCursor.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>

namespace {

GraphOutputs::FileChooser g_fileChooser;
GraphOutputs::CommentAsker g_commentAsker;

QString DefaultFileQuestion(GraphOutputs::FileQuestion question, QWidget* owner) {
    const QString folder = QCoreApplication::applicationDirPath();
    if (question == GraphOutputs::FileQuestion::SaveMetafile)
        return QFileDialog::getSaveFileName(owner, QString(), folder,
                                            QStringLiteral("Windows Meta File (*.wmf *.WMF)"), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    // A new archive file is created with its tables, so the dialog must allow a new name.
    return QFileDialog::getSaveFileName(owner, QString(), folder, QStringLiteral("*.mdb (*.mdb *.MDB)"),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

std::optional<QString> DefaultComment(QWidget* owner) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner, QString::fromLatin1(kArchiveCommentTitle),
                                               QString::fromLatin1(kArchiveCommentPrompt), QLineEdit::Normal,
                                               QString::fromLatin1(kArchiveCommentDefault), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

} // namespace

void GraphOutputs::SetFileChooserForTest(FileChooser chooser) {
    g_fileChooser = std::move(chooser);
}

void GraphOutputs::SetCommentAskerForTest(CommentAsker asker) {
    g_commentAsker = std::move(asker);
}

QString GraphOutputs::AskFile(FileQuestion question) {
    return g_fileChooser ? g_fileChooser(question, &window_) : DefaultFileQuestion(question, &window_);
}

void GraphOutputs::SaveMetafile(automation::IDispatch* chart) {
    if (!chart)
        return;
    const QString name = AskFile(FileQuestion::SaveMetafile);
    if (name.isEmpty())
        return;
    if (QFile::exists(name) && msgbox::MsgBox(QStringLiteral("File already exits.  Overwrite It?"),
                                              msgbox::vbYesNo, QString(), &window_) == msgbox::vbNo)
        return;
    automation::Variant result;
    automation::HRESULT hr = automation::S_OK;
    {
        WaitCursor wait;
        hr = chart->Invoke(chartid::SavePageMeta, automation::InvokeKind::Method,
                           {automation::Variant::I2(chartcode::kMetafileToFile),
                            automation::Variant::Str(name.toStdString())},
                           &result);
    }
    const bool saved = automation::Succeeded(hr) && result.vt() == automation::VT_BOOL && result.AsBool();
    if (!saved)
        msgbox::MsgBox(QStringLiteral("Error in saving file ") + name, msgbox::vbCritical,
                       QStringLiteral("File Save"), &window_);
}

void GraphOutputs::Print(automation::IDispatch* chart) {
    program::PrintChart = chart;
    FrmPrintOut::ShowFor(&window_);
}

void GraphOutputs::PrinterSetup(automation::IDispatch* chart) {
    if (chart)
        chart->Invoke(chartid::PrinterSetup, automation::InvokeKind::Method, {}, nullptr);
}

QImage GraphOutputs::CopyToReportLog(automation::IDispatch* chart) {
    if (!chart)
        return {};
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    chart->Invoke(chartid::CopyToClipboard, automation::InvokeKind::Method, {}, nullptr);
    // The log takes the chart as a bitmap, whatever other forms the control offered.
    const QImage picture = clipboard->image();
    if (!picture.isNull())
        clipboard->setImage(picture);
    ReportLog().PasteClipboard();
    ReportLog().AddLine(QStringLiteral("[Clip Board Image]"));
    return picture;
}

void GraphOutputs::AddToArchive(const GraphInputs& inputs, bool fieldStrength) {
    if (program::ArchiveDbPath.isEmpty()) {
        const QString name = AskFile(FileQuestion::ArchiveDatabase);
        if (name.isEmpty() || name.contains(QLatin1Char('*'))) {
            msgbox::MsgBox(QString::fromLatin1(kArchiveRefusedMessage), msgbox::vbOKOnly,
                           QString::fromLatin1(kArchiveRefusedTitle), &window_);
            program::ArchiveDbPath.clear();
            return;
        }
        program::ArchiveDbPath = name;
    }
    const std::optional<QString> answer =
        g_commentAsker ? g_commentAsker(&window_) : DefaultComment(&window_);
    const std::string comment = answer ? answer->toStdString() : std::string();
    WaitCursor wait;
    const std::optional<ArchiveRun> run =
        MakeArchiveRun(inputs, fieldStrength, comment, QDateTime::currentDateTime(), PowerWatts);
    if (!run)
        return;
    const ArchiveResult result = WriteArchiveRun(program::ArchiveDbPath, *run);
    if (!result.ok) {
        // A busy or unwritable file is tried again by the next action; only a file that can never
        // hold an archive makes the next action ask for another.
        if (result.otherFileNeeded)
            program::ArchiveDbPath.clear();
        msgbox::MsgBox(result.message, msgbox::vbCritical, QString::fromLatin1(kArchiveRefusedTitle),
                       &window_);
    }
}
