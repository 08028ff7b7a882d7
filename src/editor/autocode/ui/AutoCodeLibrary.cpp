// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/autocode/ui/AutoCodeLibrary.h"

#include "base/FileIo.h"
#include "editor/autocode/AutoCodeFile.h"

namespace vexil::editor {

AutoCodeLibrary::AutoCodeLibrary(std::filesystem::path programDirectory)
    : programDirectory_(std::move(programDirectory))
{
}

std::filesystem::path AutoCodeLibrary::filePath() const
{
    return programDirectory_ / "autocode.txt";
}

void AutoCodeLibrary::load()
{
    entries.clear();
    encoding_ = AutoCodeEncoding::Utf8;
    const base::ReadResult read = base::ReadWholeFile(filePath());
    if (!read.ok()) {
        return;
    }
    const AutoCodeFileContents decoded = DecodeAutoCodeFile(read.bytes);
    encoding_ = decoded.encoding;
    for (const std::string &entry : decoded.entries) {
        entries << QString::fromStdString(entry);
    }
}

QString AutoCodeLibrary::save() const
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString &entry : entries) {
        lines.push_back(entry.toStdString());
    }
    const std::string error =
        base::WriteFileAtomically(filePath(), EncodeAutoCodeFile(lines, encoding_)).errorText();
    return QString::fromLocal8Bit(error.c_str());
}

QString AutoCodeEntryName(const QString &entry)
{
    return entry.section(QLatin1Char('|'), 0, 0);
}

QString AutoCodeEntryCode(const QString &entry)
{
    const qsizetype bar = entry.indexOf(QLatin1Char('|'));
    return bar < 0 ? QString() : entry.mid(bar + 1);
}

} // namespace vexil::editor
