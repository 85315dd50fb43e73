#include "CPropertyPage.h"

#include "InertExchangeTarget.h"
#include "PageDialogs.h"
#include "PageLimits.h"

#include <MessageBox.h>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <new>

namespace pages {

QString ControlName(int id) {
    return QStringLiteral("IDC_%1").arg(id);
}

CPropertyPage::CPropertyPage(PageKind kind, CPageExchangeTarget& target, QWidget* parent)
    : QWidget(parent), kind_(kind), target_(target), layout_(*this) {}

CPropertyPage::~CPropertyPage() = default;

CPageExchangeTarget* CPropertyPage::GetPageControl() {
    if (!following_) {
        return &target_;
    }
    if (const std::shared_ptr<CPageExchangeTarget> target = followed_.lock()) {
        // The control holds the only owning reference: the target lives as long as the control.
        return target.get();
    }
    setEnabled(false);
    return &InertExchangeTarget();
}

void CPropertyPage::FollowControl(std::weak_ptr<CPageExchangeTarget> target) {
    following_ = true;
    followed_ = std::move(target);
}

QWidget* CPropertyPage::Control(int id) const {
    return findChild<QWidget*>(ControlName(id));
}

void CPropertyPage::OnInitDialog() {
    exchangeFlag_ = 1;
    ExchangeWithControl(0);
    modified_ = false;
}

void CPropertyPage::ReloadFromControl() {
    const int flag = exchangeFlag_;
    exchangeFlag_ = 1;
    ExchangeWithControl(0);
    exchangeFlag_ = flag;
}

bool CPropertyPage::UpdateData(bool save) {
    if (!save) {
        if (exchangeFlag_) {
            ExchangeWithControl(0);
        } else {
            LoadFields();
        }
        return true;
    }
    if (!ValidateFields()) {
        return false;
    }
    if (exchangeFlag_) {
        try {
            ExchangeWithControl(1);
        } catch (const std::bad_alloc&) {
            // The page keeps what the user entered; the control keeps its values.
            exchanging_ = false;
            msgbox::MsgBox(QStringLiteral("There is not enough memory to apply this page."),
                           msgbox::vbExclamation, QString(), this);
            return false;
        }
    }
    return true;
}

void CPropertyPage::SetModified(bool modified) {
    modified_ = modified;
    if (!modified) {
        return;
    }
    OnUserChange();
    if (onModified_) {
        onModified_();
    }
}

bool CPropertyPage::Apply() {
    if (!UpdateData(true)) {
        return false;
    }
    modified_ = false;
    return true;
}

void CPropertyPage::ExchangeWithControl(int save) {
    // A rebuild may make the control refresh its open pages, this one among them, while this
    // exchange runs: the inner one must not overwrite what is being saved.
    if (exchanging_) {
        return;
    }
    exchanging_ = true;
    if (save) {
        StoreFields();
    }
    ExchangeValues(*GetPageControl(), save);
    if (!save) {
        LoadFields();
    }
    exchanging_ = false;
}

bool CPropertyPage::SwitchItem(int index) {
    return Switch([this, index] { TakeItem(ClampItem(index)); });
}

bool CPropertyPage::Switch(const std::function<void()>& takeIndex) {
    exchangeFlag_ = 0;
    const bool valid = ValidateFields();
    if (valid) {
        StoreFields();
        takeIndex();
    }
    LoadFields();
    exchangeFlag_ = 1;
    return valid;
}

void CPropertyPage::ReportUnsavedFile(const QString& path) {
    msgbox::MsgBox(QStringLiteral("The file was not saved: ") + path, msgbox::vbExclamation, QString(), this);
}

bool CPropertyPage::ValidateFields() {
    for (PageField& field : fields_) {
        if (!IsNumberEdit(field.kind)) {
            continue;
        }
        auto* edit = static_cast<QLineEdit*>(field.widget);
        const NumberKind kind = NumberKindOf(field.kind);
        const std::optional<double> value = ParseField(edit->text(), kind);
        QString message;
        if (!value) {
            message = NotANumberMessage(kind);
        } else if (field.range && (*value < field.range->first || *value > field.range->second)) {
            message = RangeMessage(field.range->first, field.range->second, kind);
        }
        if (!message.isEmpty()) {
            msgbox::MsgBox(message, msgbox::vbExclamation, QString(), this);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }
    return true;
}

void CPropertyPage::StoreFields() {
    for (PageField& field : fields_) {
        if (!field.slot) {
            continue;
        }
        const Slot slot = field.slot();
        switch (field.kind) {
        case FieldKind::EditDouble:
        case FieldKind::EditLong:
            if (const auto value =
                    ParseField(static_cast<QLineEdit*>(field.widget)->text(), NumberKindOf(field.kind))) {
                SetSlotNumber(slot, *value);
            }
            break;
        case FieldKind::EditText:
            if (auto* text = std::get_if<QString*>(&slot)) {
                **text = static_cast<QLineEdit*>(field.widget)->text();
            }
            break;
        case FieldKind::EditLines:
            if (auto* text = std::get_if<QString*>(&slot)) {
                **text = TextFromEditLines(static_cast<QPlainTextEdit*>(field.widget)->toPlainText());
            }
            break;
        case FieldKind::Check:
            SetSlotNumber(slot, static_cast<QCheckBox*>(field.widget)->isChecked() ? 1 : 0);
            break;
        default:
            break;
        }
    }
}

void CPropertyPage::LoadFields() {
    for (PageField& field : fields_) {
        LoadField(field);
    }
    ApplyEnableRules();
}

void CPropertyPage::LoadField(PageField& field) {
    const QSignalBlocker blocker(field.widget);
    const Slot slot = field.slot ? field.slot() : Slot{};
    switch (field.kind) {
    case FieldKind::EditDouble:
    case FieldKind::EditLong:
        static_cast<QLineEdit*>(field.widget)
            ->setText(NumberToText(SlotNumber(slot), NumberKindOf(field.kind)));
        break;
    case FieldKind::EditText:
        if (auto* text = std::get_if<QString*>(&slot)) {
            static_cast<QLineEdit*>(field.widget)->setText(**text);
        }
        break;
    case FieldKind::EditLines:
        if (auto* text = std::get_if<QString*>(&slot)) {
            static_cast<QPlainTextEdit*>(field.widget)->setPlainText(EditLinesFromText(**text));
        }
        break;
    case FieldKind::Check:
        static_cast<QCheckBox*>(field.widget)->setChecked(SlotNumber(slot) != 0);
        break;
    case FieldKind::Combo: {
        auto* combo = static_cast<QComboBox*>(field.widget);
        if (field.items) {
            combo->clear();
            combo->addItems(field.items());
        }
        const int position = field.out(static_cast<int>(SlotNumber(slot)));
        combo->setCurrentIndex(position < combo->count() ? position : -1);
        break;
    }
    case FieldKind::Selector:
        static_cast<QComboBox*>(field.widget)->setCurrentIndex(current_);
        break;
    case FieldKind::Spin:
        static_cast<QSpinBox*>(field.widget)->setValue(field.subIndex ? *field.subIndex : current_);
        break;
    case FieldKind::DataSetList:
        RefillDataSetList(field);
        break;
    default:
        break;
    }
}

void CPropertyPage::RefillDataSetList(PageField& field) {
    auto* combo = static_cast<QComboBox*>(field.widget);
    const QSignalBlocker blocker(combo);
    LongArray enable;
    StringArray names;
    LongArray types;
    GetPageControl()->GetDataSetList(enable, names, types);
    combo->clear();
    // An empty list, or one without the current plot, shows no entry rather than a set the page is
    // not editing.
    combo->setCurrentIndex(-1);
    const std::size_t count = std::min({enable.size(), names.size(), types.size()});
    for (std::size_t i = 0; i < count; ++i) {
        if (enable[i] && types[i] == field.dataSetKind) {
            combo->addItem(QStringLiteral("%1:%2").arg(i).arg(names[i]), static_cast<int>(i));
        }
    }
    combo->setCurrentIndex(combo->findData(current_));
}

void CPropertyPage::SetEnabled(const std::vector<int>& ids, bool enabled) {
    for (int id : ids) {
        if (QWidget* widget = Control(id)) {
            widget->setEnabled(enabled);
        }
    }
}

PageField& CPropertyPage::AddField(int id, FieldKind kind, QWidget* widget,
                                   const std::optional<QString>& label) {
    PageField& field = fields_.emplace_back();
    field.id = id;
    field.kind = kind;
    field.widget = widget;
    widget->setObjectName(ControlName(id));
    if (label) {
        layout_.AddRow(*label, widget);
    } else {
        layout_.AddRow(widget);
    }
    Connect(field);
    return field;
}

PageField& CPropertyPage::AddEdit(int id, const QString& label, FieldKind kind, SlotFn slot,
                                  std::optional<std::pair<double, double>> range) {
    QWidget* widget = nullptr;
    if (kind == FieldKind::EditLines) {
        auto* lines = new QPlainTextEdit(this);
        // A few lines show; more scroll.
        lines->setFixedHeight(lines->fontMetrics().lineSpacing() * 5 + 2 * lines->frameWidth() +
                              2 * static_cast<int>(lines->document()->documentMargin()));
        widget = lines;
    } else {
        widget = new QLineEdit(this);
    }
    PageField& field = AddField(id, kind, widget, label);
    field.slot = std::move(slot);
    field.range = range;
    return field;
}

PageField& CPropertyPage::AddCheck(int id, const QString& label, SlotFn slot) {
    PageField& field = AddField(id, FieldKind::Check, new QCheckBox(label, this), std::nullopt);
    field.slot = std::move(slot);
    return field;
}

PageField& CPropertyPage::NewCombo(int id, const QString& label, FieldKind kind, const QStringList& items) {
    auto* combo = new QComboBox(this);
    combo->addItems(items);
    PageField& field = AddField(id, kind, combo, label);
    const auto identity = [](int value) { return value; };
    field.in = identity;
    field.out = identity;
    return field;
}

PageField& CPropertyPage::AddCombo(int id, const QString& label, QStringList items, SlotFn slot,
                                   std::function<int(int)> in, std::function<int(int)> out) {
    PageField& field = NewCombo(id, label, FieldKind::Combo, items);
    field.slot = std::move(slot);
    if (in) {
        field.in = std::move(in);
    }
    if (out) {
        field.out = std::move(out);
    }
    return field;
}

PageField& CPropertyPage::AddSelector(int id, const QString& label, QStringList items) {
    return NewCombo(id, label, FieldKind::Selector, items);
}

PageField& CPropertyPage::AddSpin(int id, const QString& label, int count) {
    auto* spin = new QSpinBox(this);
    spin->setRange(0, count - 1);
    // Only a finished entry or an arrow switches the item, not every keystroke.
    spin->setKeyboardTracking(false);
    return AddField(id, FieldKind::Spin, spin, label);
}

PageField& CPropertyPage::AddSubItemSpin(int id, const QString& label, int count, int& index) {
    PageField& field = AddSpin(id, label, count);
    field.subIndex = &index;
    field.subCount = count;
    return field;
}

PageField& CPropertyPage::AddDataSetList(int id, const QString& label, int dataSetKind) {
    PageField& field = NewCombo(id, label, FieldKind::DataSetList, {});
    field.dataSetKind = dataSetKind;
    field.widget->installEventFilter(this);
    return field;
}

PageField& CPropertyPage::AddColor(int id, const QString& label, std::function<Long*()> color) {
    PageField& field = AddField(id, FieldKind::Color, new QPushButton(QStringLiteral("Color"), this), label);
    field.slot = [color] { return Slot(color()); };
    return field;
}

PageField& CPropertyPage::AddFont(int id, const QString& label, FontSlots font) {
    PageField& field = AddField(id, FieldKind::Font, new QPushButton(QStringLiteral("Font"), this), label);
    field.font = std::move(font);
    return field;
}

PageField& CPropertyPage::AddButton(int id, const QString& text, std::function<void()> action) {
    PageField& field = AddField(id, FieldKind::Button, new QPushButton(text, this), std::nullopt);
    field.action = std::move(action);
    return field;
}

void CPropertyPage::AddWidgetRow(const QString& label, QWidget* widget) {
    if (label.isEmpty()) {
        layout_.AddRow(widget);
    } else {
        layout_.AddRow(label, widget);
    }
}

void CPropertyPage::Connect(PageField& field) {
    PageField* f = &field;
    const auto touched = [this] { SetModified(); };
    switch (field.kind) {
    case FieldKind::EditDouble:
    case FieldKind::EditLong:
    case FieldKind::EditText:
        connect(static_cast<QLineEdit*>(field.widget), &QLineEdit::textEdited, this, touched);
        break;
    case FieldKind::EditLines:
        connect(static_cast<QPlainTextEdit*>(field.widget), &QPlainTextEdit::textChanged, this, touched);
        break;
    case FieldKind::Check:
        connect(static_cast<QCheckBox*>(field.widget), &QCheckBox::clicked, this, touched);
        break;
    case FieldKind::Combo:
        connect(static_cast<QComboBox*>(field.widget), qOverload<int>(&QComboBox::activated), this,
                [this, f](int position) { OnComboActivated(*f, position); });
        break;
    case FieldKind::Selector:
        connect(static_cast<QComboBox*>(field.widget), qOverload<int>(&QComboBox::activated), this,
                [this](int position) { SwitchItem(position); });
        break;
    case FieldKind::DataSetList:
        connect(static_cast<QComboBox*>(field.widget), qOverload<int>(&QComboBox::activated), this,
                [this, f](int position) {
                    const QVariant data = static_cast<QComboBox*>(f->widget)->itemData(position);
                    if (data.isValid()) {
                        SwitchItem(data.toInt());
                    }
                });
        break;
    case FieldKind::Spin:
        connect(static_cast<QSpinBox*>(field.widget), qOverload<int>(&QSpinBox::valueChanged), this,
                [this, f](int value) {
                    if (f->subIndex) {
                        Switch([f, value] { *f->subIndex = ClampIndex(value, f->subCount); });
                    } else {
                        OnItemSpin(value);
                    }
                });
        break;
    case FieldKind::Color:
        connect(static_cast<QPushButton*>(field.widget), &QPushButton::clicked, this,
                [this, f] { ChooseColor(*f); });
        break;
    case FieldKind::Font:
        connect(static_cast<QPushButton*>(field.widget), &QPushButton::clicked, this,
                [this, f] { ChooseFont(*f); });
        break;
    case FieldKind::Button:
        connect(static_cast<QPushButton*>(field.widget), &QPushButton::clicked, this, [f] { f->action(); });
        break;
    }
}

void CPropertyPage::OnComboActivated(PageField& field, int position) {
    SetSlotNumber(field.slot(), field.in(position));
    SetModified();
    OnComboChosen(field.id);
}

void CPropertyPage::ChooseColor(PageField& field) {
    Long* color = std::get<Long*>(field.slot());
    Long chosen = *color;
    if (pages::ChooseColor(chosen, this)) {
        *color = chosen;
        SetModified();
    }
}

void CPropertyPage::ChooseFont(PageField& field) {
    FontChoice choice;
    Long* style = field.font.style();
    choice.font = MakeLogFont(*field.font.face(), *style);
    choice.color = *field.font.color();
    choice.sizeTenths = *field.font.size() * 10;
    // A cancelled dialog leaves the item as it was, also bits and face-name characters that the
    // dialog's font cannot carry.
    if (!pages::ChooseFont(choice, this)) {
        return;
    }
    *field.font.face() = choice.font.faceName.left(kFaceNameMax);
    *field.font.color() = choice.color;
    *field.font.size() = choice.sizeTenths / 10;
    *style = FontStyleFromDialog(choice.font);
    SetModified();
}

bool CPropertyPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (PageField& field : fields_) {
            if (field.kind == FieldKind::DataSetList && field.widget == watched) {
                RefillDataSetList(field);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pages
