// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/ProgressWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vexil::uibase {

ProgressWindow::ProgressWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label_(new QLabel(this)), bar_(new QProgressBar(this))
{
    setWindowTitle(tr("Progress"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    setMinimumWidth(320);
}

void ProgressWindow::setText(const QString &text)
{
    label_->setText(text);
}

void ProgressWindow::setPosition(int percent)
{
    bar_->setValue(std::clamp(percent, 0, 100));
}

QString ProgressWindow::text() const
{
    return label_->text();
}

int ProgressWindow::position() const
{
    return bar_->value();
}

} // namespace vexil::uibase
