#pragma once
// Message boxes with the windowing runtime's semantics: a button set and an icon combined in one
// style value, the program title when no title is given, and the pressed button as the result.
// Tests install an answerer, so no box ever waits for a person, and read the recorded boxes.

#include <functional>
#include <QString>
#include <vector>

class QWidget;

namespace msgbox {

// Button sets (low bits of the style).
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
// Icons.
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
// Default button.
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;

// Results.
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

struct ShownBox {
    QString prompt;
    QString title;
    int style = 0;
};

// The title a box gets when the caller gives none.
void SetProgramTitle(const QString& title);
QString ProgramTitle();

// Shows a box (or asks the test answerer) and returns the pressed button.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString(),
           QWidget* parent = nullptr);

// Test hook: while an answerer is set, boxes are not shown; the answerer gets each box and
// returns the button. Without an answer (0) the box's default button is taken. Boxes are recorded
// only while an answerer is set.
using Answerer = std::function<int(const ShownBox&)>;
void SetTestAnswerer(Answerer answerer);
const std::vector<ShownBox>& ShownBoxes();
void ClearShownBoxes();

// The button a box takes when it is dismissed with Enter (its default button).
int DefaultButton(int style);

} // namespace msgbox
