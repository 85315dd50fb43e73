#include "ControlColour.h"

#include <QLineEdit>
#include <QWidget>

namespace {

// Text boxes paint their inside with the Base role, labels their whole area with Window.
QPalette::ColorRole RoleOf(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) ? QPalette::Base : QPalette::Window;
}

} // namespace

void SetBackColor(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(RoleOf(control), colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

QColor BackColor(const QWidget* control) {
    return control->palette().color(RoleOf(control));
}
