#include "RLogClass.h"

#include "FrmReport.h"

#include <QFileInfo>

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
    m_form->ClearText();
    m_form->SetRightMargin(kRightMargin);
}

void RLogClass::Add(const QString& text) {
    m_form->AppendText(text);
    m_written = true;
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
    m_form->PasteClipboard();
}
