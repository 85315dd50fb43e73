#include "frmInfoScreen.h"

#include "ContextIDs.h"
#include "Help.h"
#include "ProgramState.h"
#include "SettingsStore.h"

#include <array>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("Loss_FieldStrength");
const QString kKey = QStringLiteral("InfoScreen");
const QString kShow = QStringLiteral("ShowScreen");
const QString kNoShow = QStringLiteral("NoScreen");

struct NamedText {
    const char* name;
    const char* text;
};

const std::array<NamedText, 3> kColumnHeads{{
    {"Label1", "30 < Freq < 150"},
    {"Label2", "150 < Freq < 1500"},
    {"Label3", "1500 < Freq < 2000"},
}};

// Top to bottom.
const std::array<NamedText, 4> kRowHeads{{
    {"Label16", "d <100km; hb < 200m"},
    {"Label18", "d <100km; hb >200m"},
    {"Label17", "d> 100km; hb <200m"},
    {"Label19", "d> 100km; hb >200m"},
}};

// Row by row, left to right.
const std::array<const char*, 12> kCells{
    "Davidson", "ITU 529",  "Cost 231", "Davidson", "Davidson", "X",
    "Davidson", "Davidson", "X",        "Davidson", "Davidson", "X",
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

frmInfoScreen::frmInfoScreen(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Introduction"));
    setModal(true);

    auto* lblTitle = makeLabel(this, "lblTitle", QStringLiteral("Tarvek Model"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(13.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblInfo_ = makeLabel(this, "lblInfo", QString());
    lblInfo_->setWordWrap(true);
    lblInfo_->setMinimumWidth(460);

    auto* table = new QGridLayout;
    table->addWidget(makeLabel(this, "Label20", QStringLiteral("Frequency in MHz")), 0, 1, 1, 3,
                     Qt::AlignHCenter);
    for (int c = 0; c < 3; ++c)
        table->addWidget(makeLabel(this, kColumnHeads[c].name, QString::fromLatin1(kColumnHeads[c].text)), 1,
                         c + 1);
    for (int r = 0; r < 4; ++r) {
        table->addWidget(makeLabel(this, kRowHeads[r].name, QString::fromLatin1(kRowHeads[r].text)), r + 2,
                         0);
        for (int c = 0; c < 3; ++c) {
            const int cell = r * 3 + c;
            const QByteArray name = "Label" + QByteArray::number(4 + cell);
            table->addWidget(makeLabel(this, name.constData(), QString::fromLatin1(kCells[cell])), r + 2,
                             c + 1);
        }
    }

    chkShowNext_ = new QCheckBox(QStringLiteral("Show this Screen Next Time"), this);
    chkShowNext_->setObjectName(QStringLiteral("chkShowNext"));
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkShowNext_);
    bottom->addStretch();
    bottom->addWidget(cmdOK_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle, 0, Qt::AlignHCenter);
    layout->addWidget(lblInfo_);
    layout->addLayout(table);
    layout->addLayout(bottom);

    connect(chkShowNext_, &QCheckBox::clicked, this, &frmInfoScreen::chkShowNext_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &frmInfoScreen::cmdOK_Click);
    InstallHelpKey(this, HelpModels);
    Form_Load();
}

void frmInfoScreen::Form_Load() {
    lblInfo_->setText(IntroductionText());
    chkShowNext_->setChecked(ShowNextTime());
}

QString frmInfoScreen::IntroductionText() {
    return QString::fromUtf8(
        "Okumura-Hata Loss and Field Strength Calculations (Tarvek): is a package of "
        "empirical propagation models for the land mobile radio service. The models, "
        "Okumura-Hata/ITU-R 529, COST 231 and Okumura-Hata-Davidson, are "
        "based on extensive propagation measurements done by Y. Okumura, E. Ohmori, T. Kawano and "
        "K. Fukuda "
        "in Japan. The input parameters are frequency, distance, base and "
        "mobile antenna heights, transmitted power, percent time and "
        "location, and environment. Path loss in dB and received field "
        "strength in dB \xC2\xB5V/m are calculated for one specific distance or "
        "over a range of distances. Graphs can be plotted for path loss or "
        "field strength for all models and measured data, if available, can "
        "be displayed on the same graph. Field strengths for individual "
        "models can be plotted vs. distance for different base antenna "
        "heights. The graphs can be updated for a new set of input parameters "
        "from an interactive dialog box.");
}

bool frmInfoScreen::ShowNextTime() {
    return settings::GetSetting(program::Title(), kSection, kKey) != kNoShow;
}

void frmInfoScreen::chkShowNext_Click() {
    settings::SaveSetting(program::Title(), kSection, kKey, chkShowNext_->isChecked() ? kShow : kNoShow);
}

void frmInfoScreen::cmdOK_Click() {
    accept();
}
