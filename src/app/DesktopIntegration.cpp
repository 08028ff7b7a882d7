// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopIntegration.h"

#include "base/FileIo.h"

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
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vexil\n"
           "GenericName=TI-82/TI-83 Development Environment\n"
           "Comment=Write, assemble and transfer TI-82 and TI-83 calculator programs\n"
           "Exec=\"" +
           executable.string() +
           "\" %F\n"
           "Icon=vexil\n"
           "Terminal=false\n"
           "Categories=Development;IDE;Education;\n"
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
    text += "</mime-info>\n";
    return text;
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
