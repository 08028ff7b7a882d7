// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarReal.h"

#include "vareditors/NumberVariables.h"
#include "vareditors/ui/NumberEntry.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vexil::vareditors {

namespace {

const uibase::VarEditorTexts kRealTexts{QStringLiteral("Reals"), QStringLiteral("Real"),
                                        QLatin1Char('n'), QStringLiteral("Real")};

} // namespace

TfrmVarReal::TfrmVarReal(uibase::MainFrame &frame, QWidget *parent)
    : uibase::VarEditorWindow(frame, kRealTexts, parent), name_(new QComboBox(this)),
      edit_(new QLineEdit(QStringLiteral("0"), this))
{
    name_->addItems(LetterNames(QStringLiteral("Theta")));
    auto *layout = new QFormLayout;
    layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    edit_->setMinimumWidth(260);
    layout->addRow(QStringLiteral("Name:"), name_);
    layout->addRow(QStringLiteral("Value:"), edit_);
    auto *page = new QVBoxLayout(this);
    page->addLayout(layout);
    page->addStretch();

    setFocusProxy(edit_);
    takeEntriesFrom({edit_});
    markModifiedOn(name_, &QComboBox::currentIndexChanged);
}

void TfrmVarReal::takeTypedEntry()
{
    if (auto entry = TakeNumberEntry(edit_->text())) {
        value_ = *entry;
    }
    showValue();
}

void TfrmVarReal::showValue()
{
    edit_->setText(FormatNumber(value_));
    edit_->selectAll();
}

bool TfrmVarReal::loadBytes(varfile::ByteView file)
{
    const auto loaded = vardata::LoadRealFile(file);
    IsTI82 = loaded.variable.model == varfile::CalcModel::TI82;
    name_->setCurrentIndex(loaded.variable.nameIndex);
    value_ = loaded.variable.value;
    showValue();
    return loaded.complete;
}

QString TfrmVarReal::readErrorMessage() const
{
    return QString::fromLatin1(vardata::kRealReadError.data(), vardata::kRealReadError.size());
}

std::optional<varfile::Bytes> TfrmVarReal::buildFile()
{
    takeEntry();
    vardata::RealVariable real;
    real.model = IsTI82 ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
    real.nameIndex = name_->currentIndex();
    real.value = value_;
    auto build = vardata::BuildRealFile(real);
    if (!build.error.empty()) {
        showError(QString::fromStdString(build.error));
        return std::nullopt;
    }
    return std::move(build.file);
}

} // namespace vexil::vareditors
