// SPDX-License-Identifier: GPL-3.0-or-later
// The About box with the product name, version, credits and the link to the
// calculator maker's assembly documentation.
#pragma once

#include <QDialog>

namespace vexil::app {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

private:
    void showCredits();
};

} // namespace vexil::app
