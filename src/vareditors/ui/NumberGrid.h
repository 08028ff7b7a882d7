// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of the matrix, window and zoom editors: a table of number texts. A
// cell's entry is taken when its edit ends (Enter, or moving to another cell),
// through itemChanged; texts the editor itself puts into cells are not entries.
#pragma once

#include <QTableWidget>

namespace vexil::vareditors {

class NumberGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit NumberGrid(QWidget *parent = nullptr);

    // Ends an edit in progress as Enter would, so a save takes what was typed.
    void commitEdit();

    // Sets a cell's text without it counting as an entry; the cell is created
    // when it does not exist yet, editable or not.
    void setCellText(int row, int column, const QString &text, bool editable = true);
    QString cellText(int row, int column) const;
};

} // namespace vexil::vareditors
