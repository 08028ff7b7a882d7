// SPDX-License-Identifier: GPL-3.0-or-later
// Every file Vexil reads or writes goes through these routines.
//
// A write never leaves a half-written file in place of a good one and never writes
// a file that is not ours: a regular file is replaced through a temporary file of
// our own in its folder; a character device or a pipe is written in place, as a
// shell redirection would; anything else is refused. A read never blocks on a pipe
// or a device and never grows past a limit that fits what the file can be.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::base {

enum class IoProblem {
    System,         // the operating system refused; the message gives its reason
    NotRegularFile, // a folder, device, pipe or socket where a file was expected
    TooLarge,       // larger than the reader's limit
    SymbolicLink,   // a link where the writer was told not to follow one
};

struct IoError {
    std::string message; // names the path and what went wrong
    IoProblem problem = IoProblem::System;
};

// Nothing on success, otherwise what failed: `if (auto error = Write...) ...`.
class [[nodiscard]] WriteResult : public std::optional<IoError> {
public:
    using std::optional<IoError>::optional;
    // For callers that report failures as text: empty on success.
    std::string errorText() const { return has_value() ? value().message : std::string(); }
};

// What a write does when the target's name is a symbolic link.
enum class AtSymlink {
    Follow,  // write the file the link points at (a save through a link in a project)
    Refuse,  // fail and leave the link alone
    Replace, // the name was chosen by someone else (a calculator, a group): replace
             // a link itself, never write through it, and refuse what is not a
             // regular file or a link instead of writing into it
};

// Writes `bytes` as the whole of `target`.
//
// A regular file, or a new one, is written to a temporary file created exclusively
// in the target's folder and renamed over the target once every byte is on disk.
// An existing file keeps its permissions and, where allowed, its owner; one
// without write permission is refused, as an ordinary write would be. The
// temporary file's name is short and fixed in form, so any legal target name
// works; a temporary file that a killed process left behind in that folder is
// removed by the next write there. Under AtSymlink::Follow a link is followed to
// the file it names (a dangling link is replaced); a link into /proc (such as
// /dev/stdout) is written in place.
//
// A character device or a pipe is written in place; a pipe nobody reads is
// refused instead of waited for. A folder, a block device or a socket is refused.
// On failure the target is untouched and no temporary file remains.
WriteResult WriteFileAtomically(const std::filesystem::path &target,
                                std::span<const std::uint8_t> bytes,
                                AtSymlink atSymlink = AtSymlink::Follow);
WriteResult WriteFileAtomically(const std::filesystem::path &target, std::string_view text,
                                AtSymlink atSymlink = AtSymlink::Follow);

// The same write in pieces, for output too large to hold whole (an assembler
// listing): WriteFileAtomically's rules hold, and a regular file takes the
// target's place only in commit(). A writer dropped without a commit, or whose
// write failed, leaves the target untouched and no temporary file behind. A device
// or a pipe takes each piece as it comes. Each append is one write to the system,
// so pieces should be large.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::filesystem::path &target,
                              AtSymlink atSymlink = AtSymlink::Follow);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    // Does nothing once something has failed; commit() reports what.
    void append(std::span<const std::uint8_t> bytes);
    void append(std::string_view text);
    // Puts the file in place; the first failure since the target was opened, if any.
    // Nothing is written after it.
    WriteResult commit();

private:
    enum class Mode { Failed, Replace, InPlace, Done };
    struct Existing {
        std::uint32_t uid = 0;
        std::uint32_t gid = 0;
        std::uint32_t mode = 0;
    };

    void startReplace(const std::filesystem::path &file, const std::optional<Existing> &existing);
    void startInPlace(bool regular, bool fifo);
    void closeFinished();
    void fail(const std::string &what, int error);
    void refuse(const std::string &why, IoProblem problem);
    void discard();

    std::filesystem::path requested_; // the name the caller gave, for messages
    std::filesystem::path file_;      // what the rename replaces
    std::filesystem::path temporary_;
    std::optional<Existing> existing_;
    int fd_ = -1;
    Mode mode_ = Mode::Failed;
    std::optional<IoError> error_;
};

struct [[nodiscard]] ReadResult {
    std::vector<std::uint8_t> bytes; // empty on failure
    std::optional<IoError> error;
    bool ok() const { return !error.has_value(); }
    std::string_view text() const
    {
        return {reinterpret_cast<const char *>(bytes.data()), bytes.size()};
    }
};

// The cap for text: sources, include files, listings, the assembler's output. No
// source comes near it; it keeps a runaway file from filling memory.
inline constexpr std::size_t kTextReadLimit = 64u << 20;

// Reads a regular file whole. Anything else is refused without waiting (the open
// does not block on a pipe), and so is a file larger than `limit`, before it is
// read.
ReadResult ReadWholeFile(const std::filesystem::path &path, std::size_t limit = kTextReadLimit);

// The temporary files of WriteFileAtomically are named like this and nothing else.
bool IsWriteTemporaryName(std::string_view fileName);

} // namespace vexil::base
