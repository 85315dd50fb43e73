#include "frmInfoScreen.h"

#include "ContextIDs.h"
#include "Help.h"
#include "NamedControls.h"
#include "ProgramState.h"
#include "Registry.h"
#include "SettingsSaves.h"

#include <QCheckBox>
#include <QFontMetrics>
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

// The "<" signs that the marks Label21 to Label28 underline: the heading and which of its signs.
struct MarkPlace {
    const char* name;
    const char* heading;
    int occurrence;
};
const std::array<MarkPlace, 8> kMarks{{
    {"Label21", "Label1", 0},
    {"Label22", "Label1", 1},
    {"Label23", "Label2", 0},
    {"Label24", "Label2", 1},
    {"Label25", "Label3", 0},
    {"Label26", "Label3", 1},
    {"Label27", "Label16", 0},
    {"Label28", "Label16", 1},
}};

// Row by row, left to right.
const std::array<const char*, 12> kCells{
    "Davidson", "ITU 529",  "Cost 231", "Davidson", "Davidson", "X",
    "Davidson", "Davidson", "X",        "Davidson", "Davidson", "X",
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    return Named(new QLabel(text, parent), name);
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

    for (std::size_t i = 0; i < kMarks.size(); ++i) {
        QLabel* mark = makeLabel(this, kMarks[i].name, QStringLiteral("<"));
        QFont underlined = mark->font();
        underlined.setUnderline(true);
        mark->setFont(underlined);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        marks_[i] = Mark{mark, findChild<QLabel*>(QLatin1String(kMarks[i].heading)), kMarks[i].occurrence};
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

frmInfoScreen::~frmInfoScreen() = default;

void frmInfoScreen::Form_Load() {
    lblInfo_->setText(IntroductionText());
    chkShowNext_->setChecked(true);
}

void frmInfoScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeMarks();
}

void frmInfoScreen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeMarks();
}

void frmInfoScreen::placeMarks() {
    for (const Mark& m : marks_) {
        if (!m.heading)
            continue;
        const QString text = m.heading->text();
        qsizetype at = -1;
        for (int i = 0; i <= m.occurrence; ++i)
            at = text.indexOf(QLatin1Char('<'), at + 1);
        if (at < 0)
            continue;
        const QFontMetrics metrics(m.heading->font());
        const QRect content = m.heading->contentsRect();
        const QSize size = m.mark->sizeHint();
        const QPoint topLeft =
            m.heading->mapTo(this, QPoint(content.left() + metrics.horizontalAdvance(text.left(at)),
                                          content.top() + (content.height() - size.height()) / 2));
        m.mark->setGeometry(QRect(topLeft, size));
        m.mark->raise();
    }
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

void frmInfoScreen::chkShowNext_Click() {
    if (!registry_)
        registry_ = std::make_unique<Registry>();
    registry_->SetAppname(program::Title());
    registry_->SetSection(kSection);
    registry_->SetKey(kKey);
    registry_->SetSetting(chkShowNext_->isChecked() ? kShow : kNoShow);
    if (!registry_->RegSave())
        TellSettingsNotSaved({registry_->LastSaveFailure()}, this);
}

void frmInfoScreen::cmdOK_Click() {
    accept();
}
