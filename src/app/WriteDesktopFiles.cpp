// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time helper: writes the desktop entry and the mime package that
// `cmake --install` puts into the system folders, from the same text the first run
// writes for one user.
#include "app/DesktopIntegration.h"
#include "base/FileIo.h"

#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: vexil-desktop-files OUTPUT-FOLDER INSTALLED-VEXIL\n";
        return 2;
    }
    const std::filesystem::path output = argv[1];
    for (const auto &[name, text] :
         {std::pair{"vexil.desktop", vexil::app::DesktopEntryText(argv[2])},
          std::pair{"vexil.xml", vexil::app::MimePackageText()}}) {
        if (auto error = vexil::base::WriteFileAtomically(output / name, text)) {
            std::cerr << "vexil-desktop-files: " << error->message << '\n';
            return 1;
        }
    }
    return 0;
}
