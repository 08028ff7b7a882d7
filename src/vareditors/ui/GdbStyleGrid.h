// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-83 graph database editor's "Graph Styles": one button per style of a
// graph type (per equation, or per X/Y pair of a parametric graph), captioned with
// its style; pressing it opens the menu of the seven styles. Choosing one is a
// change to the file like any other, so the editor asks before it is lost.
#pragma once

#include <QTableWidget>

#include <cstdint>
#include <string>
#include <vector>

class QPushButton;

namespace vexil::vareditors {

class GdbStyleGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit GdbStyleGrid(QWidget *parent = nullptr);

    // One row per label, with the styles by their codes.
    void setStyles(const std::vector<std::string> &labels, const std::vector<std::uint8_t> &codes);
    const std::vector<std::uint8_t> &styles() const { return codes_; }

    QPushButton *styleButton(int row) const;

signals:
    // The user chose a style from a button's menu.
    void styleChosen();

private:
    QPushButton *makeButton(int row);

    std::vector<std::uint8_t> codes_;
};

} // namespace vexil::vareditors
