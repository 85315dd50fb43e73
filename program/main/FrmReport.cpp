#include "FrmReport.h"

#include "AtomicFile.h"
#include "Cp1252.h"
#include "frmPrinterSelect.h"
#include "MessageBox.h"
#include "ProgramPrinter.h"
#include "ReportLogPrint.h"
#include "ReportLogView.h"
#include "ReportPrintFont.h"
#include "WaitCursor.h"

#include <optional>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <utility>

namespace {

const QStringList& fileFilters() {
    static const QStringList filters = {QStringLiteral("All Files (*)"),
                                        QStringLiteral("Text Files (*.txt *.TXT)"),
                                        QStringLiteral("Rich Text (*.rtf *.RTF)")};
    return filters;
}

constexpr int kTextFilter = 2;
constexpr int kRichTextFilter = 3;

// A typed ".rtf" or ".txt" decides the kind of file; a name without an extension gets the one of
// the chosen filter; any other extension leaves the choice to the filter.
bool ChooseKind(QString& name, int filterIndex) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("rtf"))
        return true;
    if (suffix == QLatin1String("txt"))
        return false;
    if (QFileInfo(name).fileName().contains(QLatin1Char('.')))
        return filterIndex == kRichTextFilter;
    if (filterIndex == kRichTextFilter)
        name += QStringLiteral(".rtf");
    else if (filterIndex == kTextFilter)
        name += QStringLiteral(".txt");
    return filterIndex == kRichTextFilter;
}

FrmReport::FileChooser& testChooser() {
    static FrmReport::FileChooser chooser;
    return chooser;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

FrmReport::FrmReport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmReport"));
    setWindowTitle(QStringLiteral("Calculation Log"));
    createControls();
    connectHandlers();
    resize(WidthForWholeLines(), 420);
}

void FrmReport::showEvent(QShowEvent* event) {
    updateView();
    QDialog::showEvent(event);
    rtbLog->FollowCaret();
    // The view has its final size once the layout ran.
    QMetaObject::invokeMethod(rtbLog, &ReportLogView::FollowCaret, Qt::QueuedConnection);
}

void FrmReport::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
}

FrmReport::~FrmReport() = default;

void FrmReport::createControls() {
    rtbLog = new ReportLogView(m_text, this);
    rtbLog->setObjectName(QStringLiteral("rtbLog"));
    QFont font{QString::fromLatin1(kLogFontFace)};
    font.setPointSizeF(kLogFontPoints);
    font.setStyleHint(QFont::TypeWriter);
    rtbLog->setFont(font);

    cmdClear = button(this, "cmdClear", QStringLiteral("Clear Log"));
    cmdFile = button(this, "cmdFile", QStringLiteral("Save to File"));
    cmdPrint = button(this, "cmdPrint", QStringLiteral("Print"));
    cmdClose = button(this, "cmdClose", QStringLiteral("Close"));

    menuBar = new QMenuBar(this);
    mnuFile = menuBar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileClearLog = menuItem(mnuFile, "mnuFileClearLog", QStringLiteral("&Clear Log"));
    mnuFileSaveAs = menuItem(mnuFile, "mnuFileSaveAs", QStringLiteral("&Save As ..."));
    mnuFilePrinterSetup = menuItem(mnuFile, "mnuFilePrinterSetup", QStringLiteral("Printer Setup"));
    mnuFilePrint = menuItem(mnuFile, "mnuFilePrint", QStringLiteral("&Print"));
    mnuFileClose = menuItem(mnuFile, "mnuFileClose", QStringLiteral("&Close"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdClear, cmdFile, cmdPrint, cmdClose})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(rtbLog);
    layout->addLayout(buttons);
}

int FrmReport::WidthForWholeLines() const {
    const QMargins margins = layout()->contentsMargins();
    const int text = kReportColumns * rtbLog->ColumnWidth() + rtbLog->ColumnWidth();
    const int frame = 2 * rtbLog->frameWidth() + rtbLog->verticalScrollBar()->sizeHint().width();
    const int wanted = text + frame + margins.left() + margins.right();
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return wanted;
    // The window's frame takes a little of the screen too.
    return std::min(wanted, screen->availableGeometry().width() - 16);
}

void FrmReport::connectHandlers() {
    connect(cmdClear, &QPushButton::clicked, this, &FrmReport::cmdClear_Click);
    connect(cmdFile, &QPushButton::clicked, this, &FrmReport::cmdFile_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &FrmReport::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmReport::cmdClose_Click);
    connect(mnuFileClearLog, &QAction::triggered, this, &FrmReport::mnuFileClearLog_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &FrmReport::mnuFileSaveAs_Click);
    connect(mnuFilePrinterSetup, &QAction::triggered, this, &FrmReport::mnuFilePrinterSetup_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &FrmReport::mnuFilePrint_Click);
    connect(mnuFileClose, &QAction::triggered, this, &FrmReport::mnuFileClose_Click);
}

void FrmReport::SetBold(bool on) {
    m_attributes.bold = on;
}

void FrmReport::SetItalic(bool on) {
    m_attributes.italic = on;
}

void FrmReport::SetUnderline(bool on) {
    m_attributes.underline = on;
}

void FrmReport::AppendText(const QString& text) {
    m_text.Append(text, m_attributes);
    rtbLog->MoveCaretToEnd();
    textChanged();
}

// A range report appends a dozen pieces per line: the view looks at them once, when events run.
void FrmReport::textChanged() {
    if (!m_viewBehind) {
        m_viewBehind = true;
        QMetaObject::invokeMethod(this, &FrmReport::updateView, Qt::QueuedConnection);
    }
}

void FrmReport::updateView() {
    m_viewBehind = false;
    rtbLog->TextChanged();
    // The caret stays at the end of the log, however the user moved it.
    rtbLog->MoveCaretToEnd();
    rtbLog->FollowCaret();
}

void FrmReport::Flush() {
    if (m_viewBehind)
        updateView();
}

QTextDocument& FrmReport::Document() {
    Flush();
    if (!m_document || m_documentRevision != m_text.Revision()) {
        m_document = m_text.ToDocument(baseFormat());
        m_documentRevision = m_text.Revision();
    }
    return *m_document;
}

// The attributes for the next text go too.
void FrmReport::ClearText() {
    m_text.Clear();
    m_attributes = ReportLogText::Attributes();
    rtbLog->TextReset();
    textChanged();
}

bool FrmReport::IsEmpty() {
    return m_text.IsEmpty();
}

QTextCharFormat FrmReport::baseFormat() const {
    QTextCharFormat base;
    base.setFontFamilies({QLatin1String(kLogFontFace)});
    base.setFontPointSize(kLogFontPoints);
    base.setFontWeight(QFont::Normal);
    base.setFontItalic(false);
    base.setFontUnderline(false);
    return base;
}

bool FrmReport::PasteClipboard(qsizetype maxFileBytes) {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime == nullptr)
        return true;
    bool added = true;
    if (mime->hasImage()) {
        const QImage image = qvariant_cast<QImage>(mime->imageData());
        if (!image.isNull())
            added = m_text.AppendPicture(image, maxFileBytes) != ReportLogText::PictureAdded::TooLarge;
    } else if (mime->hasText()) {
        // A character takes at most 8 bytes of the file.
        const QString text = mime->text();
        added = m_text.RtfFileSize() + text.size() * 8 <= maxFileBytes;
        if (added)
            m_text.Append(text, m_attributes);
    }
    rtbLog->MoveCaretToEnd();
    textChanged();
    return added;
}

bool FrmReport::LoadRtf(const QString& path) {
    WaitCursor wait;
    std::optional<ReportLogText> loaded = m_tempSaves.Load(path);
    if (!loaded)
        return false;
    ClearText();
    m_text = std::move(*loaded);
    rtbLog->TextReset();
    textChanged();
    return true;
}

bool FrmReport::SaveRtf(const QString& path) {
    return m_text.SaveRtf(path);
}

bool FrmReport::SaveTempLog(const QString& path, bool whole) {
    return m_tempSaves.Save(m_text, path, whole);
}

bool FrmReport::SavePlainText(const QString& path) {
    const QString text = m_text.PlainText() + QStringLiteral("\r\n");
    return files::WriteFileAtomically(path, richtext::ToCp1252(text));
}

QFont FrmReport::PrintedFont() {
    const QString face = printing::ProgramPrinter::Instance().FontName();
    QFont font(face.isEmpty() ? QString::fromLatin1(kLogFontFace) : face);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(kLogFontPoints);
    font.setPointSizeF(PrintedPointSize(printing::ProgramPrinter::Instance().Printer(), font));
    return font;
}

void FrmReport::SetTestFileChooser(FileChooser chooser) {
    testChooser() = std::move(chooser);
}

bool FrmReport::chooseSaveFile() {
    if (testChooser())
        return testChooser()(m_cmdlg);
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("cmdlg"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The window asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(fileFilters());
    dialog.selectNameFilter(fileFilters().value(m_cmdlg.filterIndex - 1));
    dialog.setDirectory(QCoreApplication::applicationDirPath());
    if (!m_cmdlg.fileName.isEmpty())
        dialog.selectFile(m_cmdlg.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    m_cmdlg.fileName = dialog.selectedFiles().constFirst();
    m_cmdlg.filterIndex = fileFilters().indexOf(dialog.selectedNameFilter()) + 1;
    return true;
}

void FrmReport::cmdClear_Click() {
    ClearText();
    SetUnderline(true);
    SetBold(true);
    AppendText(m_title + QStringLiteral("\r\n"));
    SetUnderline(false);
    SetBold(false);
}

void FrmReport::cmdFile_Click() {
    m_cmdlg.filterIndex = 2;
    // A cancelled dialog ends here: nothing is saved.
    if (!chooseSaveFile() || m_cmdlg.fileName.isEmpty())
        return;
    QString name = m_cmdlg.fileName;
    const bool rich = ChooseKind(name, m_cmdlg.filterIndex);
    m_cmdlg.fileName = name;
    if (QFileInfo::exists(name) && msgbox::MsgBox(QStringLiteral("File already exits.  Overwrite It?"),
                                                  msgbox::vbYesNo) != msgbox::vbYes)
        return;
    std::optional<WaitCursor> wait(std::in_place);
    const bool saved = rich ? SaveRtf(name) : SavePlainText(name);
    wait.reset();
    if (!saved)
        msgbox::MsgBox(QStringLiteral("Error in saving file ") + name, msgbox::vbCritical | msgbox::vbOKOnly,
                       QStringLiteral("File Save"), this);
}

void FrmReport::cmdPrint_Click() {
    auto& printer = printing::ProgramPrinter::Instance();
    printer.SetFontName(QString::fromLatin1(kLogFontFace));
    printer.SetOrientation(printing::vbPRORLandscape);
    if (!printer.IsUsable()) {
        msgbox::MsgBox(QStringLiteral("No printer is available. Choose one with Printer Setup."),
                       msgbox::vbExclamation | msgbox::vbOKOnly, QString(), this);
        return;
    }
    // The PDF file printer asks for its file before the wait begins.
    QString file;
    if (printing::IsPdfFilePrinter(printer.Printer()) && printer.Printer().outputFileName().isEmpty()) {
        file = printing::ProgramPrinter::AskPdfFile(this);
        if (file.isEmpty())
            return;
        printer.PrintToFile(file);
    }
    std::optional<WaitCursor> wait(std::in_place);
    const QFont font = PrintedFont();
    // A long log takes seconds to print: the user sees how far it got and may stop it.
    QProgressDialog progress(QStringLiteral("Printing the log ..."), QStringLiteral("Cancel"), 0,
                             m_text.LineCount(), this);
    progress.setObjectName(QStringLiteral("printProgress"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kPrintProgressAfterMs);
    progress.setAutoReset(false);
    bool cancelled = false;
    const PrintProgress step = [&progress, &cancelled, &wait](int done, int count) {
        // The hourglass lasts until the progress shows: its Cancel takes the normal pointer.
        if (wait && progress.isVisible())
            wait.reset();
        progress.setMaximum(count);
        progress.setValue(done);
        cancelled = progress.wasCanceled();
        return !cancelled;
    };
    const printing::PrintResult result = printer.PrintPages(
        [this, &font, &step](QPagedPaintDevice& device) {
            return PrintLog(m_text, device, font, step) == PrintEnd::Printed;
        },
        this);
    progress.reset();
    if (!file.isEmpty())
        printer.PrintToFile(QString());
    wait.reset();
    if (result == printing::PrintResult::Failed && !cancelled)
        msgbox::MsgBox(QStringLiteral("Error in printing the log") +
                           (file.isEmpty() ? QString() : QStringLiteral(" to ") + file),
                       msgbox::vbCritical | msgbox::vbOKOnly, QString(), this);
}

void FrmReport::cmdClose_Click() {
    hide();
}

void FrmReport::mnuFileClearLog_Click() {
    cmdClear_Click();
}
void FrmReport::mnuFileSaveAs_Click() {
    cmdFile_Click();
}
void FrmReport::mnuFilePrint_Click() {
    cmdPrint_Click();
}
void FrmReport::mnuFileClose_Click() {
    cmdClose_Click();
}

void FrmReport::mnuFilePrinterSetup_Click() {
    frmPrinterSelect dialog(this);
    dialog.exec();
}
