// SPDX-License-Identifier: GPL-3.0-or-later
// The graph database editor's equations: one row per equation of a graph type,
// with its "selected" check box, its name and its token text in a one-line token
// box. The grid remembers the equation box that had the focus last, where the
// keypads type.
#pragma once

#include "tibasic/ui/TokenTextEdit.h"
#include "vareditors/GdbVariable.h"

#include <QTableWidget>

#include <string>
#include <vector>

namespace vexil::vareditors {

// A token box of one line: Enter and the arrow keys move between the rows, and a
// pasted line break is left out, since an equation is one line.
class EquationBox : public tibasic::ui::TokenTextEdit {
    Q_OBJECT
public:
    explicit EquationBox(QWidget *parent = nullptr);

signals:
    void focused();
    // Enter or the Down key (+1), the Up key (-1).
    void moveRequested(int rows);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
};

class EquationGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit EquationGrid(QWidget *parent = nullptr);

    // One row per label, each equation empty and not selected.
    void setRows(varfile::CalcModel model, const std::vector<std::string> &labels);
    // Shows a loaded equation; its flag byte is kept, only the selected bit is edited.
    void setEquation(int row, const std::string &eightBit, std::uint8_t flag);

    EquationBox *equationBox(int row) const;
    bool isSelected(int row) const;
    void setSelected(int row, bool selected);
    // The stored flag byte with the check box's selection.
    std::uint8_t flag(int row) const;
    // Where the keypads type: the row whose box had the focus last, else the first.
    int lastFocusedRow() const { return lastFocused_; }

signals:
    // An equation was typed or a check box changed.
    void edited();

private:
    std::vector<std::uint8_t> flags_;
    int lastFocused_ = 0;
};

} // namespace vexil::vareditors
