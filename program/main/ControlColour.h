#pragma once
// The background colour of a label or text box, as the windows set and read it.

#include <QColor>

class QWidget;

void SetBackColor(QWidget* control, const QColor& colour);
QColor BackColor(const QWidget* control);
