#include "FrmReport.h"

#include "AtomicFile.h"
#include "Cp1252.h"
#include "DocumentImages.h"
#include "frmPrinterSelect.h"
#include "MessageBox.h"
#include "PlainText.h"
#include "ProgramPrinter.h"
#include "RtfReader.h"
#include "RtfWriter.h"
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
#include <QPushButton>
#include <QTextEdit>
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
    m_format.setFontFamilies({QLatin1String(kLogFontFace)});
    m_format.setFontPointSize(kLogFontPoints);
    m_format.setFontWeight(QFont::Normal);
    m_format.setFontItalic(false);
    m_format.setFontUnderline(false);
    createControls();
    connectHandlers();
    m_cursor = QTextCursor(rtbLog->document());
    // Nobody sees the text while the window is hidden, and long runs append thousands of lines
    // then: lay it out only when the window shows.
    rtbLog->document()->setLayoutEnabled(false);
    resize(760, 420);
}

void FrmReport::showEvent(QShowEvent* event) {
    Flush();
    rtbLog->document()->setLayoutEnabled(true);
    QDialog::showEvent(event);
    rtbLog->ensureCursorVisible();
}

void FrmReport::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    rtbLog->document()->setLayoutEnabled(false);
}

FrmReport::~FrmReport() = default;

void FrmReport::createControls() {
    rtbLog = new QTextEdit(this);
    rtbLog->setObjectName(QStringLiteral("rtbLog"));
    rtbLog->setReadOnly(true);
    rtbLog->setLineWrapMode(QTextEdit::NoWrap);
    rtbLog->setUndoRedoEnabled(false);
    QFont font{QString::fromLatin1(kLogFontFace)};
    font.setPointSizeF(kLogFontPoints);
    font.setStyleHint(QFont::TypeWriter);
    rtbLog->setFont(font);
    rtbLog->document()->setDefaultFont(font);

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
    if ((m_format.fontWeight() > QFont::Normal) == on)
        return;
    insertPending();
    m_format.setFontWeight(on ? QFont::Bold : QFont::Normal);
}

void FrmReport::SetItalic(bool on) {
    if (m_format.fontItalic() == on)
        return;
    insertPending();
    m_format.setFontItalic(on);
}

void FrmReport::SetUnderline(bool on) {
    if (m_format.fontUnderline() == on)
        return;
    insertPending();
    m_format.setFontUnderline(on);
}

QTextCursor FrmReport::endCursor() {
    m_cursor.movePosition(QTextCursor::End);
    return m_cursor;
}

void FrmReport::AppendText(const QString& text) {
    // A report line arrives in many small pieces. The line is one edit of the document, and
    // pieces in the same format go in together: at the line's end, at a change of format,
    // before anything reads the document, or as soon as the event loop runs.
    if (!text.isEmpty()) {
        if (!m_lineOpen) {
            m_lineOpen = true;
            endCursor().beginEditBlock();
            QMetaObject::invokeMethod(this, &FrmReport::flushPending, Qt::QueuedConnection);
        }
        m_pending += text;
        if (!text.endsWith(QLatin1Char('\n')))
            return;
    }
    flushPending();
}

void FrmReport::insertPending() {
    if (m_pending.isEmpty())
        return;
    endCursor().insertText(m_pending, m_format);
    m_pending.clear();
}

void FrmReport::flushPending() {
    insertPending();
    if (m_lineOpen) {
        m_lineOpen = false;
        m_cursor.endEditBlock();
    }
    // The caret stays at the end of the log, however the user moved it.
    const QTextCursor caret = rtbLog->textCursor();
    if (caret.hasSelection() || !caret.atEnd())
        rtbLog->setTextCursor(endCursor());
}

// Text still held back for the document goes too, and so do the attributes for the next text.
void FrmReport::ClearText() {
    m_pending.clear();
    m_loaded = richtext::RtfBodyBytes();
    if (m_lineOpen) {
        m_lineOpen = false;
        m_cursor.endEditBlock();
    }
    rtbLog->document()->clear();
    m_format.setFontWeight(QFont::Normal);
    m_format.setFontItalic(false);
    m_format.setFontUnderline(false);
}

bool FrmReport::IsEmpty() {
    flushPending();
    return m_loaded.size == 0 && rtbLog->document()->isEmpty();
}

void FrmReport::Flush() {
    insertLoaded();
    flushPending();
}

QTextDocument& FrmReport::Document() {
    Flush();
    return *rtbLog->document();
}

QTextCharFormat FrmReport::baseFormat() const {
    QTextCharFormat base = m_format;
    base.setFontWeight(QFont::Normal);
    base.setFontItalic(false);
    base.setFontUnderline(false);
    return base;
}

// The loaded text goes in front of what was appended since.
void FrmReport::insertLoaded() {
    if (m_loaded.size == 0)
        return;
    const richtext::RtfBodyBytes loaded = std::exchange(m_loaded, richtext::RtfBodyBytes());
    QTextCursor start(rtbLog->document());
    richtext::InsertRtf("{\\rtf1 " + loaded.View().toByteArray() + "}", start, baseFormat());
}

richtext::RtfFont FrmReport::logFont() {
    richtext::RtfFont font;
    font.face = QLatin1String(kLogFontFace);
    font.pointSize = kLogFontPoints;
    return font;
}

void FrmReport::PasteClipboard() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime == nullptr)
        return;
    flushPending();
    QTextCursor cursor = endCursor();
    if (mime->hasImage()) {
        const QImage image = qvariant_cast<QImage>(mime->imageData());
        if (!image.isNull())
            richtext::InsertImage(cursor, image);
    } else if (mime->hasText()) {
        cursor.insertText(mime->text(), m_format);
    }
    rtbLog->setTextCursor(cursor);
}

bool FrmReport::LoadRtf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::optional<richtext::RtfBodyBytes> body = richtext::RtfBodyOf(file.readAll(), logFont());
    if (!body)
        return false;
    ClearText();
    m_loaded = std::move(*body);
    AppendText(QString());
    return true;
}

// The loaded text goes out as it came in, followed by what was appended since.
bool FrmReport::SaveRtf(const QString& path) {
    flushPending();
    const QByteArray header = richtext::RtfHeader(logFont());
    const QByteArrayView loaded = m_loaded.View();
    const QByteArray appended = richtext::RtfBody(*rtbLog->document());
    files::AtomicFile file(path);
    return file.Open() && file.Write(header) && file.Write(loaded.data(), loaded.size()) &&
           file.Write(appended) && file.Write(richtext::kRtfEnd, qint64(sizeof richtext::kRtfEnd) - 1) &&
           file.Commit();
}

bool FrmReport::SavePlainText(const QString& path) {
    const QString text = richtext::PlainText(Document()) + QStringLiteral("\r\n");
    return files::WriteFileAtomically(path, richtext::ToCp1252(text));
}

std::unique_ptr<QTextDocument> FrmReport::PrintedDocument() {
    std::unique_ptr<QTextDocument> doc(Document().clone());
    QFont font = rtbLog->font();
    font.setFamily(printing::ProgramPrinter::Instance().FontName());
    doc->setDefaultFont(font);
    QTextCursor cursor(doc.get());
    cursor.insertBlock(cursor.blockFormat(), m_format);
    return doc;
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
    printer.SetFontName(rtbLog->font().family());
    printer.SetOrientation(printing::vbPRORLandscape);
    if (!printer.IsUsable()) {
        msgbox::MsgBox(QStringLiteral("No printer is available. Choose one with Printer Setup."),
                       msgbox::vbExclamation | msgbox::vbOKOnly, QString(), this);
        return;
    }
    const std::unique_ptr<QTextDocument> printed = PrintedDocument();
    // The PDF file printer asks for its file before the wait begins.
    QString file;
    if (printing::IsPdfFilePrinter(printer.Printer()) && printer.Printer().outputFileName().isEmpty()) {
        file = printing::ProgramPrinter::AskPdfFile(this);
        if (file.isEmpty())
            return;
        printer.PrintToFile(file);
    }
    std::optional<WaitCursor> wait(std::in_place);
    const printing::PrintResult result = printer.PrintDocument(*printed, this);
    if (!file.isEmpty())
        printer.PrintToFile(QString());
    wait.reset();
    if (result == printing::PrintResult::Failed)
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
