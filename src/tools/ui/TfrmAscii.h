// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-ASCII Table: a document window of fixed size that lives from start-up to the
// end, minimized until it is wanted. It shows the character set of the model in use
// in its large or small font, the code and name of the character under the pointer,
// copies a code on a click and types it into the source window on a double-click.
#pragma once

#include "tools/CalculatorFont.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QTabBar;
class QTimer;

namespace vexil::tools {

class AsciiTableView;

class TfrmAscii : public QWidget {
    Q_OBJECT
public:
    // Types text at the caret of the source window; false when there is none.
    using InsertIntoSource = std::function<bool(const QString &text)>;

    explicit TfrmAscii(InsertIntoSource insert, QWidget *parent = nullptr);

    // The calculator in use; the table repaints for it.
    void setModel(varfile::CalcModel model);
    AsciiTableView &table() { return *table_; }
    QTabBar &tabs() { return *tabs_; }
    QLabel &cornerPanel() { return *corner_; }
    QLabel &nameLine() { return *name_; }
    // "$41"
    static QString CodeText(std::uint8_t code);

protected:
    // The table is always there: closing it only minimizes it.
    void closeEvent(QCloseEvent *event) override;

private:
    void showCode(std::optional<std::uint8_t> code);
    CalculatorFont font() const;

    InsertIntoSource insert_;
    AsciiTableView *table_;
    QLabel *corner_;
    QTabBar *tabs_;
    QLabel *name_;
    QTimer *repaint_;
    varfile::CalcModel model_ = varfile::CalcModel::TI82;
};

} // namespace vexil::tools
