// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/AboutBox.h"

#include "app/ui/TModalBevel.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexil::app {

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("About Vexil Assembler"));
    auto *name = new QLabel(QStringLiteral("<h2>Vexil Assembler</h2>"), this);
    auto *version = new QLabel(tr("Version %1").arg(QApplication::applicationVersion()), this);
    auto *text = new QLabel(
        tr("A development environment for Z80 assembler programs and calculator variables "
           "of the TI-82 and TI-83.<br><br>Free software under the GNU General Public "
           "License, version 3 or later."),
        this);
    text->setWordWrap(true);
    auto *link = new QLabel(
        tr("<a href=\"https://education.ti.com/\">Texas Instruments education resources</a>, "
           "including the calculators' assembly programming guides"),
        this);
    link->setOpenExternalLinks(true);
    link->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto *credits = buttons->addButton(tr("&Credits..."), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(credits, &QPushButton::clicked, this, &AboutBox::showCredits);

    auto *panel = new TModalBevel(this);
    auto *panelLayout = new QVBoxLayout(panel);
    for (QWidget *w : std::initializer_list<QWidget *>{name, version, text, link}) {
        panelLayout->addWidget(w);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setFixedWidth(420);
}

void AboutBox::showCredits()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Credits"));
    auto *text =
        new QLabel(tr("<b>Vexil Assembler</b> is written by the Vexil developers.<br><br>"
                      "Built with Qt and QScintilla.<br>"
                      "Thanks to the calculator programmers who documented the link protocol, "
                      "the variable formats and the shells."),
                   &dialog);
    text->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.setFixedWidth(380);
    dialog.exec();
}

} // namespace vexil::app
