// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarList.h"

#include "base/ui/DialogService.h"
#include "base/ui/VariableNameText.h"
#include "vareditors/ui/ListRowDelegate.h"
#include "varfile/CalcReal.h"
#include "varfile/RealText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace vexil::vareditors {

namespace {

const uibase::VarEditorTexts kListTexts{QStringLiteral("Lists"), QStringLiteral("List"),
                                        QLatin1Char('l'), QStringLiteral("List")};

bool StartsEdit(const QString &text)
{
    return text.size() == 1 && QStringLiteral("0123456789Ee+-iI").contains(text[0]);
}

} // namespace

TfrmVarList::TfrmVarList(uibase::MainFrame &frame, QWidget *parent)
    : uibase::VarEditorWindow(frame, kListTexts, parent), name_(new QComboBox(this)),
      complex_(new QCheckBox(QStringLiteral("Complex list"), this)), rows_(new QListWidget(this)),
      edit_(new QLineEdit(rows_->viewport()))
{
    for (int i = 1; i <= vardata::kBuiltinListCount; ++i) {
        name_->addItem(QStringLiteral("L") + QString::number(i));
    }
    name_->setInsertPolicy(QComboBox::NoInsert);
    name_->setMinimumContentsLength(static_cast<int>(vardata::kMaxListNameLength) + 1);
    name_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    rows_->setItemDelegate(new ListRowDelegate(rows_));
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    rows_->installEventFilter(this);
    edit_->installEventFilter(this);
    edit_->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Name:"), this));
    top->addWidget(name_);
    top->addWidget(complex_);
    top->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(rows_);

    connect(rows_, &QListWidget::itemDoubleClicked, this, [this] { beginEdit(); });
    markModifiedOn(name_, &QComboBox::currentTextChanged);
    connect(complex_, &QCheckBox::toggled, this, &TfrmVarList::refreshRows);
    markModifiedOn(complex_, &QCheckBox::toggled);

    setFocusProxy(rows_);
    modelChanged();
    refreshRows();
    selectRow(0);
}

void TfrmVarList::modelChanged()
{
    // User list names and complex lists exist on the TI-83 only.
    complex_->setEnabled(!IsTI82);
    if (IsTI82) {
        complex_->setChecked(false);
    }
    name_->setEditable(!IsTI82);
    if (name_->lineEdit()) {
        name_->lineEdit()->setMaxLength(static_cast<int>(vardata::kMaxListNameLength));
    }
}

bool TfrmVarList::isComplex() const
{
    return complex_->isChecked();
}

QString TfrmVarList::elementText(std::size_t index) const
{
    const vardata::ListElement &element = elements_[index];
    const std::string text = isComplex() ? varfile::FormatComplex(element.re, element.im)
                                         : varfile::FormatReal(element.re);
    return QString::fromStdString(text);
}

void TfrmVarList::refreshRows()
{
    const int wanted = static_cast<int>(elements_.size()) + 1;
    while (rows_->count() < wanted) {
        rows_->addItem(QString());
    }
    while (rows_->count() > wanted) {
        delete rows_->takeItem(rows_->count() - 1);
    }
    for (int row = 0; row < wanted; ++row) {
        QListWidgetItem *item = rows_->item(row);
        const bool element = row < wanted - 1;
        item->setText(element ? elementText(row) : QString());
        item->setData(Qt::UserRole, element ? QString::number(row + 1) : QString());
    }
    rows_->viewport()->update();
}

void TfrmVarList::selectRow(int row)
{
    rows_->setCurrentRow(std::clamp(row, 0, rows_->count() - 1));
}

bool TfrmVarList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == rows_ && !isEditing()) {
            return handleRowKey(key);
        }
        if (watched == edit_) {
            return handleEditKey(key);
        }
    }
    if (watched == edit_ && event->type() == QEvent::FocusOut && isEditing()) {
        endEdit(0);
    }
    return uibase::VarEditorWindow::eventFilter(watched, event);
}

bool TfrmVarList::handleRowKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        beginEdit();
        return true;
    case Qt::Key_Delete:
        deleteElement();
        return true;
    case Qt::Key_Insert:
        insertElement();
        return true;
    default:
        break;
    }
    if (StartsEdit(event->text())) {
        beginEdit(event->text());
        return true;
    }
    return false;
}

bool TfrmVarList::handleEditKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        endEdit(1);
        return true;
    case Qt::Key_Up:
        endEdit(-1);
        return true;
    case Qt::Key_Escape:
        cancelEdit();
        return true;
    default:
        return false;
    }
}

void TfrmVarList::beginEdit(const QString &typed)
{
    int row = rows_->currentRow();
    if (row < 0) {
        row = 0;
        selectRow(row);
    }
    editRow_ = row;
    QRect rect = rows_->visualItemRect(rows_->item(row));
    rect.setLeft(rect.left() + ListRowDelegate::numberColumnWidth(rows_->fontMetrics()));
    edit_->setGeometry(rect);
    const bool element = static_cast<std::size_t>(row) < elements_.size();
    if (!typed.isEmpty()) {
        edit_->setText(typed);
        edit_->setCursorPosition(static_cast<int>(typed.size()));
    } else {
        edit_->setText(element ? elementText(row) : QString());
        edit_->selectAll();
    }
    edit_->show();
    edit_->setFocus();
}

void TfrmVarList::endEdit(int move)
{
    if (!isEditing() || ending_) {
        return;
    }
    // A message box takes the focus from the edit box; that must not end the edit twice.
    ending_ = true;
    const auto row = static_cast<std::size_t>(editRow_);
    applyEntry(row, edit_->text());
    editRow_ = -1;
    edit_->hide();
    setModified(true);
    refreshRows();
    selectRow(static_cast<int>(row) + move);
    rows_->setFocus();
    ending_ = false;
}

void TfrmVarList::cancelEdit()
{
    if (!isEditing()) {
        return;
    }
    editRow_ = -1;
    edit_->hide();
    rows_->setFocus();
}

void TfrmVarList::applyEntry(std::size_t row, const QString &text)
{
    if (text.isEmpty()) {
        return;
    }
    const bool appending = row >= elements_.size();
    if (appending && elements_.size() >= vardata::kMaxListElements) {
        showError(QString::fromLatin1(kListFullMessage));
        return;
    }
    vardata::ListElement value = appending ? vardata::ListElement{} : elements_[row];
    const std::string entry = text.toStdString();
    if (!isComplex()) {
        const auto parsed = varfile::ParseReal(entry);
        if (!parsed || !varfile::CheckRange(*parsed)) {
            showError(QString::fromLatin1(varfile::kInvalidRealMessage));
            return;
        }
        value.re = *parsed;
    } else {
        const varfile::ComplexEntry parsed = varfile::ParseComplex(entry);
        using Outcome = varfile::ComplexEntry::Outcome;
        // Parts of 1E100 and beyond cannot be written to the file, so they are
        // refused here like any other unusable entry.
        const bool usable =
            parsed.outcome == Outcome::RealOnly ||
            (parsed.outcome == Outcome::Complex && varfile::CheckRange(parsed.real) &&
             varfile::CheckRange(parsed.imaginary));
        if (!usable) {
            showError(QString::fromLatin1(varfile::kInvalidComplexMessage));
            return;
        }
        value.re = parsed.real;
        if (parsed.outcome == Outcome::Complex) {
            value.im = parsed.imaginary;
        }
    }
    if (appending) {
        elements_.push_back(value);
    } else {
        elements_[row] = value;
    }
}

void TfrmVarList::deleteElement()
{
    const int row = rows_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= elements_.size()) {
        return;
    }
    elements_.erase(elements_.begin() + row);
    refreshRows();
    selectRow(row);
    setModified(true);
}

void TfrmVarList::insertElement()
{
    const int row = rows_->currentRow();
    if (row < 0) {
        return;
    }
    if (elements_.size() >= vardata::kMaxListElements) {
        showError(QString::fromLatin1(kListFullMessage));
        return;
    }
    elements_.insert(elements_.begin() + row, vardata::ListElement{});
    refreshRows();
    selectRow(row);
    setModified(true);
}

bool TfrmVarList::loadBytes(varfile::ByteView file)
{
    const auto loaded = vardata::LoadListFile(file);
    const vardata::ListVariable &list = loaded.variable;
    IsTI82 = list.model == varfile::CalcModel::TI82;
    modelChanged();
    complex_->setChecked(list.complex);
    const QString name = uibase::NameTextFromBytes(list.name);
    const int item = name_->findText(name);
    if (item >= 0) {
        name_->setCurrentIndex(item);
    } else if (name_->isEditable()) {
        name_->setEditText(name);
    }
    elements_ = list.elements;
    refreshRows();
    selectRow(0);
    return loaded.complete;
}

QString TfrmVarList::readErrorMessage() const
{
    return QString::fromLatin1(vardata::kListReadError.data(), vardata::kListReadError.size());
}

std::optional<varfile::Bytes> TfrmVarList::buildFile()
{
    endEdit(0);
    vardata::ListVariable list;
    list.model = IsTI82 ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
    list.complex = isComplex();
    list.name = uibase::NameBytesFromText(name_->currentText());
    list.elements = elements_;
    auto build = vardata::BuildListFile(list);
    if (!build.error.empty()) {
        showError(QString::fromStdString(build.error));
        return std::nullopt;
    }
    return std::move(build.file);
}

} // namespace vexil::vareditors
