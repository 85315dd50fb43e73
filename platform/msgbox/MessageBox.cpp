#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace msgbox {
namespace {

QString& titleStore() {
    static QString title;
    return title;
}

Answerer& answererStore() {
    static Answerer answerer;
    return answerer;
}

std::vector<ShownBox>& shownStore() {
    static std::vector<ShownBox> shown;
    return shown;
}

// The buttons of each button set, left to right.
std::vector<int> buttonsOf(int style) {
    switch (style & 7) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

QMessageBox::StandardButton standardButton(int result) {
    switch (result) {
    case vbCancel:
        return QMessageBox::Cancel;
    case vbAbort:
        return QMessageBox::Abort;
    case vbRetry:
        return QMessageBox::Retry;
    case vbIgnore:
        return QMessageBox::Ignore;
    case vbYes:
        return QMessageBox::Yes;
    case vbNo:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void SetProgramTitle(const QString& title) {
    titleStore() = title;
}

QString ProgramTitle() {
    return titleStore();
}

int DefaultButton(int style) {
    const std::vector<int> buttons = buttonsOf(style);
    std::size_t index = 0;
    if (style & vbDefaultButton3)
        index = 2;
    else if (style & vbDefaultButton2)
        index = 1;
    return buttons[index < buttons.size() ? index : 0];
}

int MsgBox(const QString& prompt, int style, const QString& title, QWidget* parent) {
    ShownBox box{prompt, title.isEmpty() ? ProgramTitle() : title, style};
    if (answererStore()) {
        // Only a test reads the record: a running program would keep every box it ever showed.
        shownStore().push_back(box);
        const int answer = answererStore()(box);
        return answer != 0 ? answer : DefaultButton(style);
    }

    QMessageBox dialog(iconOf(style), box.title, prompt, QMessageBox::NoButton,
                       parent ? parent : QApplication::activeWindow());
    const int defaultResult = DefaultButton(style);
    for (int result : buttonsOf(style)) {
        QPushButton* button = dialog.addButton(standardButton(result));
        if (result == defaultResult)
            dialog.setDefaultButton(button);
    }
    dialog.exec();
    const QAbstractButton* clicked = dialog.clickedButton();
    if (!clicked) // closed with Escape or the close box
        return buttonsOf(style).size() == 1 ? vbOK : vbCancel;
    for (int result : buttonsOf(style)) {
        if (dialog.button(standardButton(result)) == clicked)
            return result;
    }
    return defaultResult;
}

void SetTestAnswerer(Answerer answerer) {
    answererStore() = std::move(answerer);
}

const std::vector<ShownBox>& ShownBoxes() {
    return shownStore();
}

void ClearShownBoxes() {
    shownStore().clear();
}

} // namespace msgbox
