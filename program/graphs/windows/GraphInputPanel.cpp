#include "GraphInputPanel.h"

#include "GraphValidation.h"
#include "MessageBox.h"
#include "NamedControls.h"
#include "NumberText.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit* GraphTextBox(const char* name, const char* text, InputBox box) {
    return NamedTextBox(name, text, GraphBoxTooltip(box));
}

std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace

QGridLayout* GraphInputPanel::Build() {
    u_.txtFreq = GraphTextBox("txtFreq", "150.0", InputBox::Frequency);
    u_.txthb = GraphTextBox("txthb", "30", InputBox::BaseHeight);
    u_.txthm = GraphTextBox("txthm", "1", InputBox::MobileHeight);
    u_.txtPctTime = GraphTextBox("txtPctTime", "50", InputBox::PctTime);
    u_.txtPctLoc = GraphTextBox("txtPctLoc", "50", InputBox::PctLoc);
    u_.cmbareatype = NamedList("cmbareatype", {"Urban", "Suburban", "Open"}, "Select From List");
    u_.cmbcitysize = NamedList("cmbcitysize", {"Small/Medium", "Large"}, "Select From List");
    u_.lblBaseAntenna = Caption(QStringLiteral("Base Antenna"), "lblBaseAntenna");
    u_.Label10 = Caption(QStringLiteral("m"), "Label10");
    u_.Label11 = Caption(QStringLiteral("m"), "Label11");

    auto* grid = new QGridLayout;
    const struct {
        QWidget* caption;
        QWidget* box;
        const char* unit;
        QLabel* unitLabel;
    } rows[] = {
        {Caption(QStringLiteral("Frequency")), u_.txtFreq, "MHz", nullptr},
        {u_.lblBaseAntenna, u_.txthb, nullptr, u_.Label10},
        {Caption(QStringLiteral("Mobile Antenna")), u_.txthm, nullptr, u_.Label11},
        {Caption(QStringLiteral("Percent of Time")), u_.txtPctTime, "%", nullptr},
        {Caption(QStringLiteral("Percent of Loc")), u_.txtPctLoc, "%", nullptr},
        {Caption(QStringLiteral("Area")), u_.cmbareatype, nullptr, nullptr},
        {Caption(QStringLiteral("City Size")), u_.cmbcitysize, nullptr, nullptr},
    };
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(r.caption, row, 0);
        grid->addWidget(r.box, row, 1);
        if (r.unitLabel)
            grid->addWidget(r.unitLabel, row, 2);
        else if (r.unit)
            grid->addWidget(Caption(QString::fromLatin1(r.unit)), row, 2);
        ++row;
    }
    return grid;
}

QLineEdit* GraphInputPanel::Box(InputBox box) const {
    switch (box) {
    case InputBox::BaseHeight:
        return u_.txthb;
    case InputBox::MobileHeight:
        return u_.txthm;
    case InputBox::PctTime:
        return u_.txtPctTime;
    case InputBox::PctLoc:
        return u_.txtPctLoc;
    case InputBox::Frequency:
    case InputBox::Distance:
        break;
    }
    return u_.txtFreq;
}

bool GraphInputPanel::English() const {
    return u_.mnuUnitsEnglish->isChecked();
}

void GraphInputPanel::Check(InputBox kind, QWidget* owner) {
    QLineEdit* box = Box(kind);
    const GraphBoxCheck check = ValidateGraphBox(kind, Std(box->text()), English());
    if (!check.message.empty())
        msgbox::MsgBox(QString::fromStdString(check.message), msgbox::vbOKOnly, QString(), owner);
    box->setText(QString::fromStdString(check.text));
}

bool GraphInputPanel::CheckBeforeReading(QWidget* owner) {
    bool checked = false;
    for (InputBox kind : {InputBox::Frequency, InputBox::BaseHeight, InputBox::MobileHeight,
                          InputBox::PctTime, InputBox::PctLoc}) {
        QLineEdit* box = Box(kind);
        if (box->hasFocus() || !numtext::StrictNumber(Std(box->text()))) {
            Check(kind, owner);
            checked = true;
        }
    }
    return checked;
}

void GraphInputPanel::FollowArea() {
    if (u_.cmbareatype->currentText() == QLatin1String("Urban")) {
        u_.cmbcitysize->setEnabled(true);
    } else {
        u_.cmbcitysize->setEnabled(false);
        u_.cmbcitysize->setCurrentText(QStringLiteral("Small/Medium"));
    }
}

GraphInputs GraphInputPanel::Read(double maxDistanceKm) const {
    GraphInputs in;
    in.freq = Std(u_.txtFreq->text());
    in.hb = Std(u_.txthb->text());
    in.hm = Std(u_.txthm->text());
    in.pctTime = Std(u_.txtPctTime->text());
    in.pctLoc = Std(u_.txtPctLoc->text());
    in.area = Std(u_.cmbareatype->currentText());
    in.city = Std(u_.cmbcitysize->currentText());
    in.english = English();
    in.maxDistanceKm = maxDistanceKm;
    return in;
}

void GraphInputPanel::ShowUnits(Units units) {
    const bool english = units == Units::English;
    u_.mnuUnitsMetric->setChecked(!english);
    u_.mnuUnitsEnglish->setChecked(english);
    u_.Label10->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
    u_.Label11->setText(QString::fromLatin1(UnitSystem::HeightCaption(units)));
}

void GraphInputPanel::CopyFrom(const MainInputs& m) {
    u_.txthm->setText(m.hm);
    u_.txthb->setText(m.hb);
    u_.txtFreq->setText(m.freq);
    u_.txtPctTime->setText(m.pctTime);
    u_.txtPctLoc->setText(m.pctLoc);
    u_.cmbareatype->setCurrentText(m.area);
    u_.cmbcitysize->setCurrentText(m.city);
    ShowUnits(m.english ? Units::English : Units::Metric);
}

void GraphInputPanel::CopyTo(MainInputs& m) const {
    m.hm = u_.txthm->text();
    m.hb = u_.txthb->text();
    m.freq = u_.txtFreq->text();
    m.area = u_.cmbareatype->currentText();
    m.city = u_.cmbcitysize->currentText();
    m.pctTime = u_.txtPctTime->text();
    m.pctLoc = u_.txtPctLoc->text();
}

void GraphInputPanel::FollowUnits(Units units, const MainInputs* main) {
    ShowUnits(units);
    // The heights come from the main window, which has just converted its own.
    if (main) {
        u_.txthb->setText(main->hb);
        u_.txthm->setText(main->hm);
    }
}
