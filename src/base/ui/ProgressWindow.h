// SPDX-License-Identifier: GPL-3.0-or-later
// The small "Progress" window shown during long saves and runs: one line of text
// and a bar from 0 to 100.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace vexil::uibase {

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget *parent = nullptr);

    void setText(const QString &text);
    // Clamped to 0..100.
    void setPosition(int percent);

    QString text() const;
    int position() const;

private:
    QLabel *label_;
    QProgressBar *bar_;
};

} // namespace vexil::uibase
