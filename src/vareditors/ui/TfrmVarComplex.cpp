// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarComplex.h"

#include "vareditors/NumberVariables.h"
#include "vareditors/ui/NumberEntry.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vexil::vareditors {

namespace {

const uibase::VarEditorTexts kComplexTexts{QStringLiteral("Complex"), QStringLiteral("Complex"),
                                           QLatin1Char('c'), QStringLiteral("Complex")};

} // namespace

TfrmVarComplex::TfrmVarComplex(uibase::MainFrame &frame, QWidget *parent)
    : uibase::VarEditorWindow(frame, kComplexTexts, parent), name_(new QComboBox(this)),
      reEdit_(new QLineEdit(QStringLiteral("0"), this)),
      imEdit_(new QLineEdit(QStringLiteral("0"), this))
{
    IsTI82 = false;
    name_->addItems(LetterNames(QStringLiteral("θ")));
    auto *layout = new QHBoxLayout;
    layout->addWidget(new QLabel(QStringLiteral("Name:"), this));
    layout->addWidget(name_);
    layout->addSpacing(12);
    layout->addWidget(reEdit_);
    layout->addWidget(new QLabel(QStringLiteral("+"), this));
    layout->addWidget(imEdit_);
    layout->addWidget(new QLabel(QStringLiteral("i"), this));
    auto *page = new QVBoxLayout(this);
    page->addLayout(layout);
    page->addStretch();

    setFocusProxy(reEdit_);
    takeEntriesFrom({reEdit_, imEdit_});
    markModifiedOn(name_, &QComboBox::currentIndexChanged);
}

void TfrmVarComplex::takeTypedEntry()
{
    const auto re = ParseNumberEntry(reEdit_->text());
    const auto im = ParseNumberEntry(imEdit_->text());
    if (re) {
        re_ = *re;
    }
    if (im) {
        im_ = *im;
    }
    if (!re || !im) {
        ShowInvalidNumberMessage();
    }
    showValues(re && im);
}

void TfrmVarComplex::showValues(bool select)
{
    reEdit_->setText(FormatNumber(re_));
    imEdit_->setText(FormatNumber(im_));
    if (select) {
        reEdit_->selectAll();
        imEdit_->selectAll();
    }
}

bool TfrmVarComplex::loadBytes(varfile::ByteView file)
{
    const auto loaded = vardata::LoadComplexFile(file);
    IsTI82 = false;
    name_->setCurrentIndex(loaded.variable.nameIndex);
    re_ = loaded.variable.re;
    im_ = loaded.variable.im;
    showValues(true);
    return loaded.complete;
}

QString TfrmVarComplex::readErrorMessage() const
{
    return QString::fromLatin1(vardata::kComplexReadError.data(),
                               vardata::kComplexReadError.size());
}

std::optional<varfile::Bytes> TfrmVarComplex::buildFile()
{
    takeEntry();
    vardata::ComplexVariable complex;
    complex.nameIndex = name_->currentIndex();
    complex.re = re_;
    complex.im = im_;
    auto build = vardata::BuildComplexFile(complex);
    if (!build.error.empty()) {
        showError(QString::fromStdString(build.error));
        return std::nullopt;
    }
    return std::move(build.file);
}

} // namespace vexil::vareditors
