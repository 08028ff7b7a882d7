// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/ConverterCable.h"

#include "link/ScreenCapture.h"
#include "link/ui/TfrmGetPic.h"
#include "link/ui/TfrmSendFile.h"

namespace vexil::app {

ConverterCable::ConverterCable(link::ui::TfrmSendFile &transfer, std::function<bool()> ti83Mode,
                               QWidget *dialogParent)
    : QObject(dialogParent), transfer_(transfer), ti83Mode_(std::move(ti83Mode)),
      getPic_(new link::ui::TfrmGetPic(
          transfer.link(), [this] { return transfer_.linkInit(); }, ti83Mode_, dialogParent))
{
}

tools::ScreenGrab ConverterCable::grabScreen()
{
    tools::ScreenGrab grab;
    if (const QString error = transfer_.linkInit(); !error.isEmpty()) {
        grab.message = error;
        return grab;
    }
    const link::ScreenCapture capture = link::GrabScreen(transfer_.link(), ti83Mode_());
    transfer_.link().ReleaseLines();
    switch (capture.result) {
    case link::TransferResult::Ok:
        grab.outcome = tools::ScreenGrab::Outcome::Screen;
        grab.screen.assign(capture.screen().begin(), capture.screen().end());
        break;
    case link::TransferResult::Cancelled:
        grab.outcome = tools::ScreenGrab::Outcome::Cancelled;
        break;
    default:
        grab.message = QString::fromLatin1(link::ScreenCaptureMessage(capture.result));
        break;
    }
    return grab;
}

void ConverterCable::cancelGrab()
{
    transfer_.link().Cancel();
}

std::optional<std::vector<std::uint8_t>> ConverterCable::receivePicture()
{
    return getPic_->GetPic();
}

void ConverterCable::sendFile(const QString &path)
{
    transfer_.StartSendFile(path);
}

} // namespace vexil::app
