#pragma once
// What every property page shares. A page keeps working copies of its settings and a current item
// index; its dialog is a table of fields, each bound to one working value of the current item, so
// loading, storing and validating the dialog is the same code for every page. The exchange flag
// keeps dialog fills and read-backs during an item switch from trading with the control.

#include "PageExchange.h"
#include "PageField.h"
#include "PageLayout.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <QStringList>
#include <QWidget>
#include <variant>
#include <vector>

class QLayout;

namespace pages {

// The object name of a dialog control: its resource id.
QString ControlName(int id);

class CPropertyPage : public QWidget, public IOpenPage {
public:
    CPropertyPage(PageKind kind, CPageExchangeTarget& target, QWidget* parent = nullptr);
    ~CPropertyPage() override;

    PageKind Kind() const override { return kind_; }
    QObject* PageObject() override { return this; }
    void ReloadFromControl() override;

    // Loads from the control and shows the current item; a page is always loaded before it shows.
    void OnInitDialog();
    // Reads the dialog back (save) or fills it; a refused field stops the read-back, shows the range
    // message and keeps the focus, and nothing reaches the control. False when refused.
    bool UpdateData(bool save);
    // Apply and OK of the frame.
    bool Apply();

    bool IsModified() const { return modified_; }
    void SetModified(bool modified = true);
    // Called whenever the user changes something on the page (the frame enables Apply).
    void SetModifiedHandler(std::function<void()> handler) { onModified_ = std::move(handler); }
    int ExchangeFlag() const { return exchangeFlag_; }
    // The control this page edits; once a followed control is gone, a target that reads and writes
    // nothing, so a page left open by its container stays harmless.
    CPageExchangeTarget* GetPageControl();
    // Makes the page follow a control that may go before it (pages made by the class factory): the
    // page trades only while the control's target exists, and is disabled when it goes.
    void FollowControl(std::weak_ptr<CPageExchangeTarget> target);
    bool ControlGone() const { return following_ && followed_.expired(); }
    int CurrentItem() const { return current_; }

    QWidget* Control(int id) const;
    template <typename W> W* ControlAs(int id) const { return qobject_cast<W*>(Control(id)); }

    // Switches the current item as the selector, up-down and list controls do: validate and store
    // the old item, take the new index, load it, all with the exchange flag cleared. False (and no
    // switch) when the dialog holds a refused value.
    bool SwitchItem(int index);
    bool Switch(const std::function<void()>& takeIndex);

protected:
    // The page's control-side exchange with its working values.
    virtual void ExchangeValues(CPageExchangeTarget& target, int save) = 0;
    virtual void StoreFields();
    virtual void LoadFields();
    virtual void ApplyEnableRules() {}
    // After a combo box's code was stored.
    virtual void OnComboChosen(int /*id*/) {}
    // Whenever the user changes something on the page.
    virtual void OnUserChange() {}
    // The index a switch may take (clamped to the page's items).
    virtual int ClampItem(int index) const { return index; }
    virtual void TakeItem(int index) { current_ = index; }
    // An up-down change; by default an item switch.
    virtual void OnItemSpin(int value) { SwitchItem(value); }
    virtual bool ValidateFields();
    // Tells the user a file chosen on the page was not written (the previous file is kept).
    void ReportUnsavedFile(const QString& path);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ExchangeWithControl(int save);

    // Field table; each row adds its control to the page's form in call order.
    PageField& AddEdit(int id, const QString& label, FieldKind kind, SlotFn slot,
                       std::optional<std::pair<double, double>> range = std::nullopt);
    PageField& AddCheck(int id, const QString& label, SlotFn slot);
    PageField& AddCombo(int id, const QString& label, QStringList items, SlotFn slot,
                        std::function<int(int)> in = {}, std::function<int(int)> out = {});
    PageField& AddSelector(int id, const QString& label, QStringList items);
    PageField& AddSpin(int id, const QString& label, int count);
    // An up-down over a second index of the page (group or slice), 0..count-1.
    PageField& AddSubItemSpin(int id, const QString& label, int count, int& index);
    PageField& AddDataSetList(int id, const QString& label, int dataSetKind);
    PageField& AddColor(int id, const QString& label, std::function<Long*()> color);
    PageField& AddFont(int id, const QString& label, FontSlots font);
    PageField& AddButton(int id, const QString& text, std::function<void()> action);
    // The page is laid out like a dialog: columns of framed groups (PageLayout).
    void AddSection(const QString& title) { layout_.AddSection(title); }
    void AddSubSection(const QString& title) { layout_.AddSubSection(title); }
    void EndSection() { layout_.EndSection(); }
    void NextColumn() { layout_.NextColumn(); }
    // A control the field table does not cover; without a label it takes the whole row.
    void AddWidgetRow(const QString& label, QWidget* widget);
    void AddBelowColumns(QLayout* layout, int stretch = 0) { layout_.AddBelowColumns(layout, stretch); }

    void SetEnabled(const std::vector<int>& ids, bool enabled);
    // Fills a data-set list with "%d:%s" for the enabled sets of its kind and selects the current
    // plot; an empty list leaves the current plot as it is.
    void RefillDataSetList(PageField& field);

    // Element i of a working array, which grows to hold it: an array the control handed over may be
    // shorter than the page's item range.
    template <typename T> static T* ElementAt(std::vector<T>& array, int i) {
        const auto index = static_cast<std::size_t>(i < 0 ? 0 : i);
        if (array.size() <= index) {
            array.resize(index + 1);
        }
        return &array[index];
    }
    // The current item's element of a working array.
    template <typename T> std::function<T*()> Current(std::vector<T>& array) {
        return [this, &array] { return ElementAt(array, current_); };
    }
    template <typename T> SlotFn CurrentSlot(std::vector<T>& array) {
        return [this, &array] { return Slot(ElementAt(array, current_)); };
    }
    template <typename T> static SlotFn ValueSlot(T& value) {
        return [&value] { return Slot(&value); };
    }

    int current_ = 0;
    int exchangeFlag_ = 1;

private:
    // A new row of the field table with its control in the form; without a label the control
    // takes the whole row.
    PageField& AddField(int id, FieldKind kind, QWidget* widget, const std::optional<QString>& label);
    PageField& NewCombo(int id, const QString& label, FieldKind kind, const QStringList& items);
    void Connect(PageField& field);
    void ChooseColor(PageField& field);
    void ChooseFont(PageField& field);
    void OnComboActivated(PageField& field, int position);
    void LoadField(PageField& field);

    PageKind kind_;
    CPageExchangeTarget& target_;
    bool following_ = false;
    std::weak_ptr<CPageExchangeTarget> followed_;
    std::deque<PageField> fields_; // stable addresses: handlers keep them
    PageLayout layout_;
    bool modified_ = false;
    std::function<void()> onModified_;
    bool exchanging_ = false;
};

} // namespace pages
