// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopIntegration.h"

#include "base/FileIo.h"

#include <algorithm>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace vexil::app {
namespace {

struct CalculatorFileType {
    const char *mimeName;
    const char *comment;
    const char *glob;
    const char *icon;
    int weight; // a program's own glob outranks the model's catch-all
};

constexpr CalculatorFileType kFileTypes[] = {
    {"application/x-vexil-ti82-program", "TI-82 program", "*.82p", "ti82-file", 60},
    {"application/x-vexil-ti83-program", "TI-83 program", "*.83p", "ti83-file", 60},
    {"application/x-vexil-ti82-variable", "TI-82 variable file", "*.82?", "ti82-file", 50},
    {"application/x-vexil-ti83-variable", "TI-83 variable file", "*.83?", "ti83-file", 50},
};

// Not a calculator file: offered so that Vexil appears among the programs for
// assembler sources; text editors keep them as plain text.
constexpr const char *kSourceMimeName = "text/x-asm";

// An Exec argument as the desktop entry format wants it: quoted when it holds a
// reserved character, with the four that stay special inside quotes escaped, and
// every backslash doubled once more because the value is itself an escaped string.
std::string ExecArgument(const std::string &argument)
{
    constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    if (!argument.empty() && argument.find_first_of(kReserved) == std::string::npos) {
        return argument;
    }
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$') {
            quoted += "\\\\";
        } else if (c == '\\') {
            quoted += "\\\\\\";
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string MimeIconName(const char *mimeName)
{
    std::string name = mimeName;
    name[name.find('/')] = '-';
    return name;
}

std::string WriteText(const fs::path &path, const std::string &text)
{
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return base::WriteFileAtomically(path, text).errorText();
}

void CopyIcon(const fs::path &from, const fs::path &to, std::vector<std::string> &problems)
{
    const base::ReadResult icon = base::ReadWholeFile(from);
    if (!icon.ok()) {
        problems.push_back("Cannot install the icon " + to.string() + ": " + icon.error->message);
        return;
    }
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    if (auto error = base::WriteFileAtomically(to, icon.bytes)) {
        problems.push_back(error->message);
    }
}

} // namespace

std::string DesktopEntryText(const fs::path &executable)
{
    std::string mimeTypes;
    for (const CalculatorFileType &type : kFileTypes) {
        mimeTypes += std::string(type.mimeName) + ";";
    }
    mimeTypes += std::string(kSourceMimeName) + ";";
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vexil\n"
           "GenericName=TI-82/TI-83 Development Environment\n"
           "Comment=Write, assemble and transfer TI-82 and TI-83 calculator programs\n"
           "Exec=" +
           ExecArgument(executable.string()) +
           " %F\n"
           "Icon=vexil\n"
           "Terminal=false\n"
           "StartupWMClass=vexil\n"
           "Categories=Development;IDE;\n"
           "Keywords=TI-82;TI-83;Z80;assembler;calculator;link cable;\n"
           "MimeType=" +
           mimeTypes + "\n";
}

std::string MimePackageText()
{
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const CalculatorFileType &type : kFileTypes) {
        text += "  <mime-type type=\"" + std::string(type.mimeName) + "\">\n";
        text += "    <comment>" + std::string(type.comment) + "</comment>\n";
        text += "    <icon name=\"" + MimeIconName(type.mimeName) + "\"/>\n";
        text += "    <glob pattern=\"" + std::string(type.glob) + "\" weight=\"" +
                std::to_string(type.weight) + "\"/>\n";
        text += "  </mime-type>\n";
    }
    text += "  <mime-type type=\"" + std::string(kSourceMimeName) +
            "\">\n"
            "    <comment>Assembler source</comment>\n"
            "    <sub-class-of type=\"text/plain\"/>\n"
            "    <generic-icon name=\"text-x-generic\"/>\n"
            "    <glob pattern=\"*.asm\"/>\n"
            "    <glob pattern=\"*.z80\"/>\n"
            "  </mime-type>\n";
    text += "</mime-info>\n";
    return text;
}

bool SystemDesktopIntegrationPresent(const char *xdgDataDirs)
{
    const std::string folders = xdgDataDirs != nullptr && *xdgDataDirs != '\0'
                                    ? xdgDataDirs
                                    : "/usr/local/share:/usr/share";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const fs::path folder = folders.substr(start, end - start);
        std::error_code ec;
        if (folder.is_absolute() &&
            fs::is_regular_file(folder / "applications" / "vexil.desktop", ec) &&
            fs::is_regular_file(folder / "mime" / "packages" / "vexil.xml", ec)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

DesktopIntegrationResult InstallDesktopIntegration(const fs::path &dataHome,
                                                   const fs::path &executable,
                                                   const fs::path &iconDirectory)
{
    DesktopIntegrationResult result;
    result.applicationsDirectory = dataHome / "applications";
    result.mimeDirectory = dataHome / "mime";

    const auto record = [&result](const std::string &problem) {
        if (!problem.empty()) {
            result.problems.push_back(problem);
        }
    };
    record(WriteText(result.applicationsDirectory / "vexil.desktop", DesktopEntryText(executable)));
    record(WriteText(result.mimeDirectory / "packages" / "vexil.xml", MimePackageText()));

    const fs::path icons = dataHome / "icons" / "hicolor" / "scalable";
    CopyIcon(iconDirectory / "vexil.svg", icons / "apps" / "vexil.svg", result.problems);
    for (const CalculatorFileType &type : kFileTypes) {
        CopyIcon(iconDirectory / (std::string(type.icon) + ".svg"),
                 icons / "mimetypes" / (MimeIconName(type.mimeName) + ".svg"), result.problems);
    }
    return result;
}

} // namespace vexil::app
