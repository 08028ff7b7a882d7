// SPDX-License-Identifier: GPL-3.0-or-later
// The graph database editor's "Format Settings" menu: one group of radio items
// per setting, separated by lines. The TI-82 shows the seven pairs and Web or
// Time; the TI-83 also the uv, vw and uw axes and ExprOn or ExprOff. The axes
// count for sequence graphs only, so they are offered only there.
#pragma once

#include "vareditors/GdbVariable.h"

#include <QMenu>

#include <vector>

class QActionGroup;

namespace vexil::vareditors {

class GdbFormatMenu : public QMenu {
    Q_OBJECT
public:
    explicit GdbFormatMenu(QWidget *parent = nullptr);

    void setModel(varfile::CalcModel model);
    void setGraphType(vardata::GraphType type);

    vardata::GdbFormat format() const;
    void setFormat(const vardata::GdbFormat &format);

    // The item of a word, as the user sees it.
    QAction *choice(std::size_t group, std::size_t word) const { return actions_[group][word]; }

signals:
    // The user chose a setting.
    void formatChosen();

private:
    std::vector<std::vector<QAction *>> actions_; // every word of the TI-83
    std::vector<QAction *> separators_;           // before each group but the first
};

} // namespace vexil::vareditors
