// SPDX-License-Identifier: GPL-3.0-or-later
// What the Image Converter needs from the link cable. The main window hands it the
// link's own dialogs; tests hand it a scripted calculator.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace vexil::tools {

struct ScreenGrab {
    enum class Outcome { Screen, Cancelled, Failed };
    Outcome outcome = Outcome::Failed;
    std::vector<std::uint8_t> screen; // 768 bytes: 64 rows of 12
    QString message;                  // what went wrong, when it failed
};

class ConverterLink {
public:
    virtual ~ConverterLink() = default;
    // Asks the calculator for its screen and waits for it; the user interface stays
    // alive meanwhile, and cancelGrab ends the wait.
    virtual ScreenGrab grabScreen() = 0;
    virtual void cancelGrab() = 0;
    // Waits for a picture sent from the calculator's Link menu: its 756 bytes, or
    // nothing when the user cancelled or it failed (the link has said why).
    virtual std::optional<std::vector<std::uint8_t>> receivePicture() = 0;
    // Sends a variable file to the calculator, showing the transfer dialog.
    virtual void sendFile(const QString &path) = 0;
};

} // namespace vexil::tools
