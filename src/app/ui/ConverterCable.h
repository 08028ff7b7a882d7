// SPDX-License-Identifier: GPL-3.0-or-later
// The Image Converter's way to the calculator: the screen capture and the picture
// dialog on the link the transfer dialog owns, and that dialog for sending.
#pragma once

#include "tools/ui/ConverterLink.h"

#include <QObject>

#include <functional>

class QWidget;

namespace vexil::link::ui {
class TfrmGetPic;
class TfrmSendFile;
} // namespace vexil::link::ui

namespace vexil::app {

class ConverterCable final : public QObject, public tools::ConverterLink {
    Q_OBJECT
public:
    ConverterCable(link::ui::TfrmSendFile &transfer, std::function<bool()> ti83Mode,
                   QWidget *dialogParent);

    link::ui::TfrmGetPic &pictureDialog() { return *getPic_; }

    tools::ScreenGrab grabScreen() override;
    void cancelGrab() override;
    std::optional<std::vector<std::uint8_t>> receivePicture() override;
    void sendFile(const QString &path) override;

private:
    link::ui::TfrmSendFile &transfer_;
    std::function<bool()> ti83Mode_;
    link::ui::TfrmGetPic *getPic_;
};

} // namespace vexil::app
