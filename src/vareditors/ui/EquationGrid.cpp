// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/EquationGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalBlocker>

namespace vexil::vareditors {

namespace {

constexpr int kSelectedColumn = 0;
constexpr int kLabelColumn = 1;
constexpr int kEquationColumn = 2;

} // namespace

EquationBox::EquationBox(QWidget *parent) : tibasic::ui::TokenTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(2);
    setFixedHeight(fontMetrics().lineSpacing() + 6);
}

void EquationBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        emit moveRequested(1);
        return;
    case Qt::Key_Up:
        emit moveRequested(-1);
        return;
    default:
        tibasic::ui::TokenTextEdit::keyPressEvent(event);
    }
}

void EquationBox::focusInEvent(QFocusEvent *event)
{
    emit focused();
    tibasic::ui::TokenTextEdit::focusInEvent(event);
}

void EquationBox::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText()) {
        return;
    }
    QMimeData oneLine;
    oneLine.setText(source->text().remove(QRegularExpression(QStringLiteral("[\r\n]"))));
    tibasic::ui::TokenTextEdit::insertFromMimeData(&oneLine);
}

EquationGrid::EquationGrid(QWidget *parent) : QTableWidget(parent)
{
    setColumnCount(3);
    setHorizontalHeaderLabels({QString(), QString(), QStringLiteral("Equation")});
    horizontalHeaderItem(kSelectedColumn)->setToolTip(QStringLiteral("Selected for graphing"));
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(kSelectedColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kLabelColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kEquationColumn, QHeaderView::Stretch);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == kSelectedColumn) {
            emit edited();
        }
    });
}

void EquationGrid::setRows(varfile::CalcModel model, const std::vector<std::string> &labels)
{
    const QSignalBlocker quiet(this);
    clearContents();
    setRowCount(static_cast<int>(labels.size()));
    flags_.assign(labels.size(), vardata::kEquationDeselected);
    lastFocused_ = 0;
    for (int row = 0; row < rowCount(); ++row) {
        auto *selected = new QTableWidgetItem;
        selected->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        selected->setCheckState(Qt::Unchecked);
        selected->setToolTip(QStringLiteral("Selected for graphing"));
        setItem(row, kSelectedColumn, selected);
        auto *label =
            new QTableWidgetItem(QString::fromStdString(labels[static_cast<std::size_t>(row)]));
        label->setFlags(Qt::ItemIsEnabled);
        label->setFont(tibasic::ui::TokenTextFont());
        setItem(row, kLabelColumn, label);

        auto *box = new EquationBox(this);
        box->setModel(model);
        setCellWidget(row, kEquationColumn, box);
        setRowHeight(row, box->height());
        connect(box, &QPlainTextEdit::textChanged, this, &EquationGrid::edited);
        connect(box, &EquationBox::focused, this, [this, row] { lastFocused_ = row; });
        connect(box, &EquationBox::moveRequested, this, [this, row](int rows) {
            if (EquationBox *next = equationBox(row + rows)) {
                next->setFocus(Qt::TabFocusReason);
            }
        });
    }
}

void EquationGrid::setEquation(int row, const std::string &eightBit, std::uint8_t flag)
{
    const QSignalBlocker quiet(this);
    flags_.at(static_cast<std::size_t>(row)) = flag;
    equationBox(row)->setEightBitText(eightBit);
    setSelected(row, (flag & vardata::kEquationSelectedBit) != 0);
}

EquationBox *EquationGrid::equationBox(int row) const
{
    return row >= 0 && row < rowCount()
               ? qobject_cast<EquationBox *>(cellWidget(row, kEquationColumn))
               : nullptr;
}

bool EquationGrid::isSelected(int row) const
{
    return item(row, kSelectedColumn)->checkState() == Qt::Checked;
}

void EquationGrid::setSelected(int row, bool selected)
{
    item(row, kSelectedColumn)->setCheckState(selected ? Qt::Checked : Qt::Unchecked);
}

std::uint8_t EquationGrid::flag(int row) const
{
    vardata::GdbEquation equation{flags_.at(static_cast<std::size_t>(row)), {}};
    equation.select(isSelected(row));
    return equation.flag;
}

} // namespace vexil::vareditors
