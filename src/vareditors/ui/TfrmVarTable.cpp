// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarTable.h"

#include "vareditors/SettingsVariables.h"
#include "vareditors/ui/NumberEntry.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vexil::vareditors {

namespace {

const uibase::VarEditorTexts kTableTexts{QStringLiteral("Table Setup"),
                                         QStringLiteral("Table Setup"), QLatin1Char('t'),
                                         QStringLiteral("Table Setup")};

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A box's value once its entry has been taken.
double BoxValue(const QLineEdit *box)
{
    return ParseNumberEntry(box->text()).value_or(0.0);
}

} // namespace

TfrmVarTable::TfrmVarTable(uibase::MainFrame &frame, QWidget *parent)
    : uibase::VarEditorWindow(frame, kTableTexts, parent), startLabel_(new QLabel(this)),
      start_(new QLineEdit(QStringLiteral("0"), this)),
      step_(new QLineEdit(QStringLiteral("0"), this))
{
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (QLineEdit *box : {start_, step_}) {
        box->setMinimumWidth(200);
    }
    form->addRow(startLabel_, start_);
    form->addRow(Latin1(vardata::kTableStepLabel), step_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();

    setFocusProxy(start_);
    modelChanged();
    takeEntriesFrom({start_, step_});
}

void TfrmVarTable::modelChanged()
{
    startLabel_->setText(Latin1(
        vardata::TableStartLabel(IsTI82 ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83)));
}

void TfrmVarTable::takeTypedEntry()
{
    for (QLineEdit *box : {start_, step_}) {
        const auto value = ParseNumberEntry(box->text());
        if (!value) {
            ShowInvalidNumberMessage();
        }
        box->setText(FormatNumber(value.value_or(0.0)));
        box->selectAll();
    }
}

bool TfrmVarTable::loadBytes(varfile::ByteView file)
{
    const auto loaded = vardata::LoadTableFile(file);
    IsTI82 = loaded.variable.model == varfile::CalcModel::TI82;
    modelChanged();
    start_->setText(FormatNumber(loaded.variable.start));
    step_->setText(FormatNumber(loaded.variable.step));
    return loaded.complete;
}

QString TfrmVarTable::readErrorMessage() const
{
    return Latin1(vardata::kTableReadError);
}

std::optional<varfile::Bytes> TfrmVarTable::buildFile()
{
    takeEntry();
    const vardata::TableSetup table{IsTI82 ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83,
                                    BoxValue(start_), BoxValue(step_)};
    auto build = vardata::BuildTableFile(table);
    if (!build.ok()) {
        showError(QString::fromStdString(build.error));
        return std::nullopt;
    }
    return std::move(build.file);
}

} // namespace vexil::vareditors
