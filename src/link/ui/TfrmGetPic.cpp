// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/TfrmGetPic.h"

#include "base/ui/DialogService.h"
#include "link/PictureReceive.h"
#include "link/ui/PacketLogView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vexil::link::ui {

using uibase::Buttons;
using uibase::Dialogs;
using uibase::MessageKind;

TfrmGetPic::TfrmGetPic(Link &link, std::function<QString()> linkInit,
                       std::function<bool()> ti83Mode, QWidget *parent)
    : QDialog(parent), Panel1(new QLabel(QStringLiteral("Please send the Pic now."), this)),
      Button1(new QPushButton(QStringLiteral("Cancel"), this)), Memo1(new PacketLogView(this)),
      Timer1(new QTimer(this)), link_(link), linkInit_(std::move(linkInit)),
      ti83Mode_(std::move(ti83Mode))
{
    setObjectName(QStringLiteral("frmGetPic"));
    setWindowTitle(QStringLiteral("Waiting..."));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setMinimumHeight(40);
    Memo1->setMinimumSize(420, 140);
    Timer1->setInterval(1);
    Timer1->setSingleShot(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    connect(Timer1, &QTimer::timeout, this, &TfrmGetPic::Timer1Timer);
    connect(Button1, &QPushButton::clicked, this, &TfrmGetPic::reject);
}

std::optional<std::vector<std::uint8_t>> TfrmGetPic::GetPic()
{
    APic_.clear();
    Memo1->clear();
    Memo1->setModel(ti83Mode_() ? varfile::CalcModel::TI83 : varfile::CalcModel::TI82);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> rows = std::span(APic_).subspan(6, kPictureBytes);
    return std::vector<std::uint8_t>(rows.begin(), rows.end());
}

void TfrmGetPic::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Timer1->start();
}

void TfrmGetPic::reject()
{
    // While the calculator is being listened to, Cancel stops the link, the byte
    // wait inside the driver included; the receive then closes the dialog.
    if (running_) {
        link_.Cancel();
        return;
    }
    Timer1->stop();
    QDialog::reject();
}

void TfrmGetPic::Timer1Timer()
{
    if (const QString error = linkInit_(); !error.isEmpty()) {
        QDialog::reject();
        Dialogs().message(MessageKind::Error, error, Buttons::Ok);
        return;
    }
    running_ = true;
    const PictureReceive picture = ReceivePicture(
        link_, ti83Mode_(), [this](const std::string &line) { Memo1->appendLine(line); });
    running_ = false;
    link_.ReleaseLines();
    if (picture.outcome == PictureOutcome::Received) {
        APic_ = picture.APic;
        accept();
        return;
    }
    QDialog::reject();
    if (const char *message = PictureOutcomeMessage(picture.outcome)) {
        Dialogs().message(picture.outcome == PictureOutcome::NotAPicture ? MessageKind::Warning
                                                                         : MessageKind::Error,
                          QString::fromLatin1(message), Buttons::Ok);
    }
}

} // namespace vexil::link::ui
