// SPDX-License-Identifier: GPL-3.0-or-later
// The help set: HTML pages in the help folder, the contents first. Each topic a
// window's Help button names is an anchor (an element with that id) on the page
// this table gives.
#pragma once

#include <array>
#include <string_view>

namespace vexil::base {

inline constexpr std::string_view kHelpContentsPage = "index.html";

struct HelpTopic {
    std::string_view id;
    std::string_view page;
};

inline constexpr std::array kHelpTopics{
    HelpTopic{"IDH_DLGASSEMBLE", "assemble.html"}, HelpTopic{"IDH_DLGAUTOCODE", "autocode.html"},
    HelpTopic{"IDH_HEADERS", "autocode.html"},     HelpTopic{"IDH_DLGGROUP", "group.html"},
    HelpTopic{"IDH_DLGOPTIONS", "options.html"},   HelpTopic{"IDH_DLGSCREEN", "screen.html"},
    HelpTopic{"IDH_DLGSPRITE", "sprite.html"},     HelpTopic{"IDH_DLGWINDOWS", "mainwindow.html"},
    HelpTopic{"IDH_LINKMAN", "linkman.html"},
};

// The page that holds `topic`; empty for a topic the help set does not have.
constexpr std::string_view HelpTopicPage(std::string_view topic)
{
    for (const HelpTopic &entry : kHelpTopics) {
        if (entry.id == topic) {
            return entry.page;
        }
    }
    return {};
}

} // namespace vexil::base
