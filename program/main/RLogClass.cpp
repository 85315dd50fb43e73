#include "RLogClass.h"

#include "FrmReport.h"
#include "MessageBox.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

namespace {

// The most a character takes in the file (a \u escape of a character outside the code page).
constexpr qsizetype kMaxBytesPerChar = 8;

bool EndsLine(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

void TellFull() {
    msgbox::MsgBox(RLogClass::FullMessage(), msgbox::vbExclamation | msgbox::vbOKOnly,
                   QStringLiteral("Output Log"));
}

} // namespace

QString RLogClass::FullMessage() {
    return QStringLiteral("The output log has reached its limit of %1 MB, so this is not added to it. "
                          "Save the log with \"Save to File\" and clear it to go on.")
        .arg(ReportLogText::kMaxRtfMegabytes);
}

bool RLogClass::HasRoomFor(qsizetype bytes) const {
    return m_form->Text().RtfFileSize() + bytes <= ReportLogText::kMaxRtfBytes;
}

RLogClass::RLogClass() : m_form(std::make_unique<FrmReport>()) {
    Title(QStringLiteral("Report Log"));
}

RLogClass::~RLogClass() = default;

void RLogClass::Show() {
    m_form->exec();
}

bool RLogClass::ReadFile(const QString& path) {
    if (!QFileInfo(path).isFile() || !m_form->LoadRtf(path))
        return false;
    Add();
    return true;
}

bool RLogClass::SaveFile(const QString& path) {
    if (!m_written)
        return false;
    return m_form->SaveRtf(path);
}

bool RLogClass::SaveTempFile(const QString& path, bool whole) {
    if (!m_written)
        return false;
    return m_form->SaveTempLog(path, whole);
}

void RLogClass::Underline(bool on) {
    m_form->SetUnderline(on);
}
void RLogClass::Italic(bool on) {
    m_form->SetItalic(on);
}
void RLogClass::Bold(bool on) {
    m_form->SetBold(on);
}

void RLogClass::Title(const QString& title) {
    m_form->SetLogTitle(title);
}
QString RLogClass::Title() const {
    return m_form->LogTitle();
}

void RLogClass::Clear() {
    m_refusingLine = false;
    m_form->ClearText();
    m_form->SetRightMargin(kRightMargin);
}

bool RLogClass::admits(const QString& text) {
    const ReportLogText& log = m_form->Text();
    const bool lineStart = log.Line(log.LineCount() - 1).isEmpty();
    if (!m_refusingLine && !text.isEmpty() &&
        !HasRoomFor(text.size() * kMaxBytesPerChar + (lineStart ? kLineRoom : 0))) {
        m_refusingLine = true;
        TellFull();
    }
    if (m_refusingLine) {
        m_refusingLine = !EndsLine(text);
        return false;
    }
    return true;
}

void RLogClass::Add(const QString& text) {
    if (!admits(text))
        return;
    m_form->AppendText(text);
    m_written = true;
}

void RLogClass::InsertText(const QString& text) {
    if (admits(text))
        m_form->AppendText(text);
}

void RLogClass::AddLine(const QString& text) {
    Add(text + QStringLiteral("\r\n"));
}

void RLogClass::AddTitle() {
    m_form->SetRightMargin(kRightMargin);
    Underline(true);
    Bold(true);
    AddLine(Title());
    Underline(false);
    Bold(false);
}

void RLogClass::PasteClipboard() {
    if (!m_form->PasteClipboard(ReportLogText::kMaxRtfBytes))
        TellFull();
}
