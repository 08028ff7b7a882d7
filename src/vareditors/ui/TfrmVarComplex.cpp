// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarComplex.h"

#include "vareditors/NumberVariables.h"
#include "vareditors/ui/NumberEntry.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
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
    for (QLineEdit *edit : {reEdit_, imEdit_}) {
        connect(edit, &QLineEdit::editingFinished, this, &TfrmVarComplex::takeEntry);
        connect(edit, &QLineEdit::textEdited, this, [this] { setModified(true); });
    }
    // Switching between document windows is no activation of the top-level window,
    // so the entry is also taken whenever another document window becomes active.
    connect(&frame_.mdiArea(), &QMdiArea::subWindowActivated, this, &TfrmVarComplex::takeEntry);
    connect(name_, &QComboBox::currentIndexChanged, this, [this] {
        if (!loading_)
            setModified(true);
    });
}

void TfrmVarComplex::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange) {
        takeEntry();
    }
    uibase::VarEditorWindow::changeEvent(event);
}

void TfrmVarComplex::takeEntry()
{
    if (taking_) {
        return;
    }
    taking_ = true;
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
    taking_ = false;
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
    loading_ = true;
    IsTI82 = false;
    name_->setCurrentIndex(loaded.variable.nameIndex);
    re_ = loaded.variable.re;
    im_ = loaded.variable.im;
    showValues(true);
    loading_ = false;
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
