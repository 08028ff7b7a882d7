// SPDX-License-Identifier: GPL-3.0-or-later
// The picture dialog's packet log, drawn in the calculator's own large font (each
// pixel doubled) so the bytes read as they would on its screen. Long lines wrap at
// the view's width; a new line scrolls into view.
#pragma once

#include "varfile/CalcModel.h"

#include <QAbstractScrollArea>

#include <string>
#include <vector>

namespace vexil::link::ui {

class PacketLogView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PacketLogView(QWidget *parent = nullptr);

    void setModel(varfile::CalcModel model);
    void appendLine(const std::string &line);
    void clear();
    const std::vector<std::string> &lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int columns() const;
    // Where `line` breaks to fit the view: after the last blank that fits, so a
    // byte is never split, or at the width when a word is longer than a row.
    std::vector<std::size_t> rowStarts(const std::string &line) const;
    // The screen rows the lines take when wrapped at the view's width.
    int wrappedRows() const;
    void updateScrollRange();

    varfile::CalcModel model_ = varfile::CalcModel::TI83;
    std::vector<std::string> lines_;
};

} // namespace vexil::link::ui
