#include "PageLayout.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pages {

namespace {

QFormLayout* NewForm(QWidget* holder) {
    auto* form = new QFormLayout;
    if (holder) {
        holder->setLayout(form);
    }
    return form;
}

} // namespace

PageLayout::PageLayout(QWidget& page)
    : page_(page), root_(new QVBoxLayout(&page)), columns_(new QHBoxLayout) {
    root_->addLayout(columns_);
    NextColumn();
}

void PageLayout::NextColumn() {
    column_ = new QVBoxLayout;
    column_->addStretch(1);
    columns_->addLayout(column_, 1);
    EndSection();
}

void PageLayout::EndSection() {
    sectionForm_ = nullptr;
    form_ = NewForm(nullptr);
    column_->insertLayout(column_->count() - 1, form_);
}

void PageLayout::AddSection(const QString& title) {
    auto* group = new QGroupBox(title, &page_);
    sectionForm_ = form_ = NewForm(group);
    column_->insertWidget(column_->count() - 1, group);
}

void PageLayout::AddSubSection(const QString& title) {
    QFormLayout* section = sectionForm_ ? sectionForm_ : form_;
    auto* group = new QGroupBox(title, &page_);
    form_ = NewForm(group);
    section->addRow(group);
}

void PageLayout::AddRow(const QString& label, QWidget* widget) {
    form_->addRow(label, widget);
}

void PageLayout::AddRow(QWidget* widget) {
    form_->addRow(widget);
}

void PageLayout::AddBelowColumns(QLayout* layout, int stretch) {
    root_->addLayout(layout, stretch);
}

} // namespace pages
