// SPDX-License-Identifier: GPL-3.0-or-later
// The matrix editor: a name ([A]..[E], on the TI-83 up to [J]), the dimensions
// "rows x cols" and the grid of elements with numbered rows and columns. A cell's
// entry that is no number within -1E100 to 1E100 silently becomes 0.
#pragma once

#include "base/ui/VarEditorWindow.h"

#include <QHash>
#include <QPoint>

class QComboBox;
class QLineEdit;
class QTableWidgetItem;

namespace vexil::vareditors {

class NumberGrid;

class TfrmVarMatrix : public uibase::VarEditorWindow {
    Q_OBJECT
public:
    explicit TfrmVarMatrix(uibase::MainFrame &frame, QWidget *parent = nullptr);

    QComboBox *nameBox() const { return name_; }
    QLineEdit *rowsBox() const { return rowsBox_; }
    QLineEdit *columnsBox() const { return columnsBox_; }
    NumberGrid *grid() const { return grid_; }

protected:
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    void modelChanged() override;

private:
    void showNames();
    // Either box changed: clamp both, then size the grid; a 0 is refused.
    void dimensionsEdited();
    // Cells cut off by a smaller size keep their text for when the grid grows again,
    // so typing a new size digit by digit loses nothing.
    void resizeGrid(int rows, int columns);
    void takeCell(QTableWidgetItem *cell);

    QComboBox *name_;
    QLineEdit *rowsBox_;
    QLineEdit *columnsBox_;
    NumberGrid *grid_;
    QHash<QPoint, QString> hiddenCells_; // by (column, row)
};

} // namespace vexil::vareditors
