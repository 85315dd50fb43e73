#include "AboutForm.h"

#include "NamedControls.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The box's picture: a mast sending rings of a wave front.
QPixmap MastPicture() {
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 120), 3));
    painter.drawLine(32, 60, 32, 22);
    painter.drawLine(32, 60, 20, 60);
    painter.drawLine(32, 60, 44, 60);
    painter.setPen(QPen(QColor(200, 60, 60), 2));
    for (int r = 8; r <= 24; r += 8)
        painter.drawArc(QRectF(32 - r, 22 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    return picture;
}

} // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About dB Loss Calculation"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setPixmap(MastPicture());
    auto* line = new QFrame;
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    cmdOK_ = new QPushButton(QStringLiteral("OK"));
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);

    auto* text = new QVBoxLayout;
    text->addWidget(
        Caption(QStringLiteral("Okumura-Hata dB Loss / Field Strength Calulation Model"), "lblTitle"));
    text->addWidget(Caption(QStringLiteral("Created for use with Orbel"), "lblVersion"));
    text->addWidget(line);
    text->addWidget(
        Caption(QStringLiteral("Models after Okumura, Hata, COST 231 and Davidson"), "lblCredit1"));
    text->addWidget(Caption(QStringLiteral("Tarvek radio planning tools"), "lblCredit2"));
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(cmdOK_, 0, Qt::AlignRight);
    connect(cmdOK_, &QPushButton::clicked, this, &AboutForm::cmdOK_Click);
}

void AboutForm::cmdOK_Click() {
    accept();
}
