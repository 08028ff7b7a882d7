// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarMatrix.h"

#include "base/ui/DialogService.h"
#include "vareditors/MatrixVariable.h"
#include "vareditors/ui/NumberEntry.h"
#include "vareditors/ui/NumberGrid.h"
#include "varfile/CalcReal.h"
#include "varfile/RealText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vexil::vareditors {

namespace {

const uibase::VarEditorTexts kMatrixTexts{QStringLiteral("Matrices"), QStringLiteral("Matrix"),
                                          QLatin1Char('m'), QStringLiteral("Matrix")};
constexpr int kCellWidth = 128;
constexpr int kCellHeight = 20;
const QString kZero = QStringLiteral("0");

varfile::CalcModel ModelOf(bool isTI82)
{
    return isTI82 ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
}

// A cell as the matrix stores it: its number, or 0 for anything else.
double CellValue(const QString &text)
{
    const auto value = varfile::ParseReal(text.toStdString());
    return value && varfile::CheckRange(*value) ? *value : 0.0;
}

QLineEdit *DimensionBox(QWidget *parent)
{
    auto *box = new QLineEdit(QStringLiteral("1"), parent);
    box->setMaxLength(3);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return box;
}

} // namespace

TfrmVarMatrix::TfrmVarMatrix(uibase::MainFrame &frame, QWidget *parent)
    : uibase::VarEditorWindow(frame, kMatrixTexts, parent), name_(new QComboBox(this)),
      rowsBox_(DimensionBox(this)), columnsBox_(DimensionBox(this)), grid_(new NumberGrid(this))
{
    showNames();
    grid_->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(kCellHeight);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    resizeGrid(1, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Name:"), this));
    top->addWidget(name_);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("Dimensions:"), this));
    top->addWidget(rowsBox_);
    top->addWidget(new QLabel(QStringLiteral("rows"), this));
    top->addWidget(new QLabel(QStringLiteral("x"), this));
    top->addWidget(columnsBox_);
    top->addWidget(new QLabel(QStringLiteral("cols"), this));
    top->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_);

    setFocusProxy(grid_);
    markModifiedOn(name_, &QComboBox::currentIndexChanged);
    for (QLineEdit *box : {rowsBox_, columnsBox_}) {
        connect(box, &QLineEdit::textChanged, this, &TfrmVarMatrix::dimensionsEdited);
    }
    connect(grid_, &QTableWidget::itemChanged, this, &TfrmVarMatrix::takeCell);
}

void TfrmVarMatrix::showNames()
{
    const int count = vardata::MatrixNameCount(ModelOf(IsTI82));
    const QSignalBlocker quiet(name_);
    const int current = std::min(std::max(name_->currentIndex(), 0), count - 1);
    name_->clear();
    for (int i = 0; i < count; ++i) {
        name_->addItem(QString::fromStdString(vardata::MatrixNameLabel(i)));
    }
    name_->setCurrentIndex(current);
}

void TfrmVarMatrix::modelChanged()
{
    showNames();
}

void TfrmVarMatrix::dimensionsEdited()
{
    if (rowsBox_->text().isEmpty() || columnsBox_->text().isEmpty()) {
        return;
    }
    const auto rows = vardata::DimensionFromText(rowsBox_->text().toStdString());
    const auto columns = vardata::DimensionFromText(columnsBox_->text().toStdString());
    const QSignalBlocker quietRows(rowsBox_);
    const QSignalBlocker quietColumns(columnsBox_);
    if (!rows || !columns) {
        // An empty grid is no matrix: the boxes go back to the grid's size.
        rowsBox_->setText(QString::number(grid_->rowCount()));
        columnsBox_->setText(QString::number(grid_->columnCount()));
        uibase::Dialogs().message(uibase::MessageKind::Warning,
                                  QString::fromUtf8(vardata::kMatrixDimensionMessage.data(),
                                                    vardata::kMatrixDimensionMessage.size()),
                                  uibase::Buttons::Ok);
        return;
    }
    for (auto [box, value] : {std::pair{rowsBox_, *rows}, std::pair{columnsBox_, *columns}}) {
        if (box->text() != QString::number(value)) {
            box->setText(QString::number(value));
        }
    }
    resizeGrid(*rows, *columns);
}

void TfrmVarMatrix::resizeGrid(int rows, int columns)
{
    for (int row = 0; row < grid_->rowCount(); ++row) {
        for (int column = 0; column < grid_->columnCount(); ++column) {
            if (row >= rows || column >= columns) {
                hiddenCells_.insert(QPoint(column, row), grid_->cellText(row, column));
            }
        }
    }
    grid_->setRowCount(rows);
    grid_->setColumnCount(columns);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (grid_->cellText(row, column).isEmpty()) {
                const QString kept = hiddenCells_.take(QPoint(column, row));
                grid_->setCellText(row, column, kept.isEmpty() ? kZero : kept);
            }
        }
    }
}

void TfrmVarMatrix::takeCell(QTableWidgetItem *cell)
{
    const auto value = varfile::ParseReal(cell->text().toStdString());
    const bool valid = value && varfile::CheckRange(*value);
    grid_->setCellText(cell->row(), cell->column(), valid ? FormatNumber(*value) : kZero);
    setModified(true);
}

bool TfrmVarMatrix::loadBytes(varfile::ByteView file)
{
    const auto loaded = vardata::LoadMatrixFile(file);
    const vardata::MatrixVariable &matrix = loaded.variable;
    IsTI82 = matrix.model == varfile::CalcModel::TI82;
    showNames();
    name_->setCurrentIndex(matrix.nameIndex);
    {
        const QSignalBlocker quietRows(rowsBox_);
        const QSignalBlocker quietColumns(columnsBox_);
        rowsBox_->setText(QString::number(matrix.rows));
        columnsBox_->setText(QString::number(matrix.columns));
    }
    resizeGrid(matrix.rows, matrix.columns);
    hiddenCells_.clear();
    for (int row = 0; row < matrix.rows; ++row) {
        for (int column = 0; column < matrix.columns; ++column) {
            grid_->setCellText(row, column, FormatNumber(matrix.at(row, column)));
        }
    }
    return loaded.complete;
}

QString TfrmVarMatrix::readErrorMessage() const
{
    return QString::fromLatin1(vardata::kMatrixReadError.data(), vardata::kMatrixReadError.size());
}

std::optional<varfile::Bytes> TfrmVarMatrix::buildFile()
{
    grid_->commitEdit();
    vardata::MatrixVariable matrix;
    matrix.model = ModelOf(IsTI82);
    matrix.nameIndex = name_->currentIndex();
    matrix.rows = grid_->rowCount();
    matrix.columns = grid_->columnCount();
    matrix.values.clear();
    for (int row = 0; row < matrix.rows; ++row) {
        for (int column = 0; column < matrix.columns; ++column) {
            matrix.values.push_back(CellValue(grid_->cellText(row, column)));
        }
    }
    auto build = vardata::BuildMatrixFile(matrix);
    if (!build.ok()) {
        showError(QString::fromStdString(build.error));
        return std::nullopt;
    }
    return std::move(build.file);
}

} // namespace vexil::vareditors
