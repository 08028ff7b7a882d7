// SPDX-License-Identifier: GPL-3.0-or-later
// The small dialog that waits for a picture sent from the calculator's Link menu.
// Shown, it starts the receive from a 1 ms timer, logs every packet that comes, and
// closes with the picture, or after saying what went wrong. Cancel ends the wait
// at once, also in the middle of a byte.
#pragma once

#include "link/Link.h"
#include "link/Packet.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace vexil::link::ui {

class PacketLogView;

class TfrmGetPic : public QDialog {
    Q_OBJECT
public:
    // `linkInit` readies the link with the current options and returns the message
    // of a device that cannot be opened; `ti83Mode` tells the development mode.
    TfrmGetPic(Link &link, std::function<QString()> linkInit, std::function<bool()> ti83Mode,
               QWidget *parent = nullptr);

    // Shows the dialog modally: the picture's 756 bytes when one was received.
    std::optional<std::vector<std::uint8_t>> GetPic();

    // The picture's data packet as it arrived, kept from the last receive.
    const Packet &APic() const { return APic_; }

    QLabel *Panel1;
    QPushButton *Button1; // "Cancel"
    PacketLogView *Memo1;
    QTimer *Timer1;

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void Timer1Timer();

    Link &link_;
    std::function<QString()> linkInit_;
    std::function<bool()> ti83Mode_;
    Packet APic_;
    bool running_ = false;
};

} // namespace vexil::link::ui
