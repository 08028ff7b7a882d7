// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only window that shows the assembler's listing after a run. It is found
// again by its caption, so each listing gets one window however often it is built.
#pragma once

#include <filesystem>

namespace vexil::uibase {
class MainFrame;
}

namespace vexil::editor {
class TfrmSource;
}

namespace vexil::assemble::ui {

// Loads `listingFile` into the document window captioned "Output: <file name>", or
// into a new listing window when there is none, and brings it forward. Null when the
// file could not be read (the user has been told).
editor::TfrmSource *ShowListingWindow(uibase::MainFrame &frame,
                                      const std::filesystem::path &listingFile);

} // namespace vexil::assemble::ui
