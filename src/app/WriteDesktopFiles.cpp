// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time helper: writes the desktop entry and the mime package that
// `cmake --install` puts into the system folders, from the same text the first run
// writes for one user.
#include "app/DesktopIntegration.h"

#include <fstream>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: vexil-desktop-files OUTPUT-FOLDER INSTALLED-VEXIL\n";
        return 2;
    }
    const std::filesystem::path output = argv[1];
    std::ofstream(output / "vexil.desktop", std::ios::binary)
        << vexil::app::DesktopEntryText(argv[2]);
    std::ofstream(output / "vexil.xml", std::ios::binary) << vexil::app::MimePackageText();
    return 0;
}
