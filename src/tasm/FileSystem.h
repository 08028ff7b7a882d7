// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the assembler touches goes through this interface, so tests and the
// fuzzer can keep sources, includes and outputs in memory.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::tasm {

// A file written piece by piece. It takes its target's place only when committed;
// dropped without a commit, it leaves the target as it was.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual void append(std::string_view data) = 0;
    // False when any part could not be written; the target is then as it was.
    virtual bool commit() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The whole file, or nothing when it cannot be read.
    virtual std::optional<std::string> read(const std::string &path) = 0;
    // Starts replacing the file. A failure to open it shows in commit().
    virtual std::unique_ptr<OutputFile> openOutput(const std::string &path) = 0;
    // Replaces the file with `data`; false when it cannot be written.
    bool write(const std::string &path, std::string_view data);
    virtual bool isFile(const std::string &path) = 0;
    // Names of the entries of a folder ("" is the working folder).
    virtual std::vector<std::string> list(const std::string &folder) = 0;
};

// The real file system; relative paths are relative to the process's working folder.
// Reads and writes follow base/FileIo.h: nothing but a regular file is read, and
// without waiting; a file is replaced whole or not at all, a device or pipe is
// written in place, never replaced.
class DiskFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string &path) override;
    std::unique_ptr<OutputFile> openOutput(const std::string &path) override;
    bool isFile(const std::string &path) override;
    std::vector<std::string> list(const std::string &folder) override;
};

// Files held in a map keyed by path exactly as written (no normalisation beyond
// dropping a leading "./").
class MemoryFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string &path) override;
    std::unique_ptr<OutputFile> openOutput(const std::string &path) override;
    bool isFile(const std::string &path) override;
    std::vector<std::string> list(const std::string &folder) override;

    std::map<std::string, std::string> files;
};

// The path of an existing file: `path` itself, or the same path with each component
// matched without regard to case (sources written on DOS spell names freely).
std::optional<std::string> FindFile(FileSystem &fs, const std::string &path);

} // namespace vexil::tasm
