// SPDX-License-Identifier: GPL-3.0-or-later
// The AutoCode entries of the whole run, "name|code" each, and their file
// autocode.txt in the program directory.
#pragma once

#include "editor/autocode/AutoCodeFile.h"

#include <QStringList>

#include <filesystem>

namespace vexil::editor {

class AutoCodeLibrary {
public:
    explicit AutoCodeLibrary(std::filesystem::path programDirectory);

    QStringList entries;

    // Replaces the entries with those of the file; a missing file gives none.
    void load();
    // Writes every entry in the encoding the file was read in; an empty string on
    // success, otherwise what failed.
    QString save() const;

    std::filesystem::path filePath() const;

private:
    std::filesystem::path programDirectory_;
    AutoCodeEncoding encoding_ = AutoCodeEncoding::Utf8;
};

QString AutoCodeEntryName(const QString &entry);
QString AutoCodeEntryCode(const QString &entry);

} // namespace vexil::editor
