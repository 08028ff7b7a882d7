// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileIo.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexil::base {
namespace {

namespace fs = std::filesystem;

// ".vexil-" + 10 letters or digits + ".tmp": 21 bytes whatever the target is called.
constexpr std::string_view kTemporaryPrefix = ".vexil-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryRandomLength = 10;
constexpr std::string_view kNameAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kLinkHopLimit = 40;

IoError SystemError(const std::string &what, const fs::path &path, int error)
{
    return IoError{what + " " + path.string() + ": " + std::strerror(error), IoProblem::System};
}

IoError Refusal(const std::string &what, const fs::path &path, const std::string &why,
                IoProblem problem)
{
    return IoError{what + " " + path.string() + ": " + why, problem};
}

std::string WhatItIs(mode_t mode)
{
    if (S_ISDIR(mode)) {
        return "it is a folder";
    }
    if (S_ISBLK(mode)) {
        return "it is a block device";
    }
    if (S_ISSOCK(mode)) {
        return "it is a socket";
    }
    return "it is not a regular file";
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::string RandomPart()
{
    std::array<std::uint8_t, kTemporaryRandomLength> noise{};
    if (::getrandom(noise.data(), noise.size(), 0) != static_cast<ssize_t>(noise.size())) {
        std::random_device device;
        for (std::uint8_t &byte : noise) {
            byte = static_cast<std::uint8_t>(device());
        }
    }
    std::string part;
    for (std::uint8_t byte : noise) {
        part.push_back(kNameAlphabet[byte % kNameAlphabet.size()]);
    }
    return part;
}

// A file we do not own is not ours to remove, and a temporary file still locked
// belongs to a save in progress. The lock is taken before the unlink and the name
// checked to still be that file, so a writer that created it a moment ago either
// holds the lock already or notices its file has gone and starts again.
void RemoveStaleTemporaries(const fs::path &folder)
{
    DIR *listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    const int folderFd = ::dirfd(listing);
    while (const dirent *entry = ::readdir(listing)) {
        if (!IsWriteTemporaryName(entry->d_name)) {
            continue;
        }
        const int fd =
            ::openat(folderFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && held.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(folderFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
            ::unlinkat(folderFd, entry->d_name, 0);
        }
        ::close(fd);
    }
    ::closedir(listing);
}

struct Temporary {
    int fd = -1;
    fs::path path;
};

// Created with O_EXCL, so a name planted in the folder (a file or a link) is never
// opened, and locked for as long as the save runs.
std::optional<Temporary> CreateTemporary(const fs::path &folder, int &error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        Temporary temporary;
        temporary.path =
            folder / (std::string(kTemporaryPrefix) + RandomPart() + std::string(kTemporarySuffix));
        temporary.fd = ::open(temporary.path.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (temporary.fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            error = errno;
            return std::nullopt;
        }
        struct stat info {};
        if (::flock(temporary.fd, LOCK_EX) == 0 && ::fstat(temporary.fd, &info) == 0 &&
            info.st_nlink > 0) {
            return temporary;
        }
        // Another save's clean-up took it between the create and the lock.
        ::close(temporary.fd);
    }
    error = EEXIST;
    return std::nullopt;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const fs::path &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Whether the name sits in /proc, where a file is a process's open file and
// replacing it by rename would not reach what that process writes to.
bool InProc(const fs::path &path)
{
    std::error_code ignored;
    const fs::path folder =
        fs::weakly_canonical(fs::absolute(path, ignored).parent_path(), ignored);
    const std::string text = folder.string();
    return text == "/proc" || text.starts_with("/proc/");
}

bool LinkChainEntersProc(const fs::path &path)
{
    fs::path current = path;
    for (int hop = 0; hop < kLinkHopLimit; ++hop) {
        if (InProc(current)) {
            return true;
        }
        std::error_code error;
        if (!fs::is_symlink(current, error)) {
            return false;
        }
        fs::path next = fs::read_symlink(current, error);
        if (error) {
            return false;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return false;
}

} // namespace

bool IsWriteTemporaryName(std::string_view fileName)
{
    const std::size_t length =
        kTemporaryPrefix.size() + kTemporaryRandomLength + kTemporarySuffix.size();
    if (fileName.size() != length || !fileName.starts_with(kTemporaryPrefix) ||
        !fileName.ends_with(kTemporarySuffix)) {
        return false;
    }
    const std::string_view random =
        fileName.substr(kTemporaryPrefix.size(), kTemporaryRandomLength);
    return random.find_first_not_of(kNameAlphabet) == std::string_view::npos;
}

AtomicFileWriter::AtomicFileWriter(const fs::path &target, AtSymlink atSymlink) : requested_(target)
{
    const auto existingOf = [](const struct stat &info) {
        return Existing{info.st_uid, info.st_gid, info.st_mode & 07777};
    };
    struct stat named {};
    if (::lstat(target.c_str(), &named) != 0) {
        if (errno != ENOENT) {
            fail("Cannot write", errno);
            return;
        }
        startReplace(target, std::nullopt);
        return;
    }
    if (atSymlink == AtSymlink::Replace) {
        if (S_ISLNK(named.st_mode)) {
            // The rename replaces the link's own directory entry.
            startReplace(target, std::nullopt);
        } else if (S_ISREG(named.st_mode)) {
            startReplace(target, existingOf(named));
        } else {
            refuse(WhatItIs(named.st_mode), IoProblem::NotRegularFile);
        }
        return;
    }
    fs::path file = target;
    struct stat info = named;
    if (S_ISLNK(named.st_mode)) {
        if (atSymlink == AtSymlink::Refuse) {
            refuse("it is a symbolic link", IoProblem::SymbolicLink);
            return;
        }
        if (::stat(target.c_str(), &info) != 0) {
            // A link to nothing: there is no file to keep, so the link itself is
            // replaced rather than a file created wherever it points.
            startReplace(target, std::nullopt);
            return;
        }
        if (S_ISREG(info.st_mode)) {
            if (LinkChainEntersProc(target)) {
                startInPlace(true, false);
                return;
            }
            std::error_code error;
            file = fs::canonical(target, error);
            if (error) {
                fail("Cannot write", error.value());
                return;
            }
        }
    } else if (S_ISREG(named.st_mode) && InProc(target)) {
        startInPlace(true, false);
        return;
    }
    if (S_ISREG(info.st_mode)) {
        startReplace(file, existingOf(info));
    } else if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode)) {
        startInPlace(false, S_ISFIFO(info.st_mode));
    } else {
        refuse(WhatItIs(info.st_mode), IoProblem::NotRegularFile);
    }
}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

void AtomicFileWriter::startReplace(const fs::path &file, const std::optional<Existing> &existing)
{
    // Replacing by rename would get past a file's missing write permission, which
    // writing it in place respects.
    if (existing && ::access(file.c_str(), W_OK) != 0) {
        fail("Cannot write", errno);
        return;
    }
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    RemoveStaleTemporaries(folder);
    int error = 0;
    const std::optional<Temporary> temporary = CreateTemporary(folder, error);
    if (!temporary) {
        fail("Cannot create a temporary file for", error);
        return;
    }
    file_ = file;
    existing_ = existing;
    temporary_ = temporary->path;
    fd_ = temporary->fd;
    mode_ = Mode::Replace;
}

// A device or a pipe takes the bytes as a stream, the way a shell redirection
// writes to it.
void AtomicFileWriter::startInPlace(bool regular, bool fifo)
{
    int flags = O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    if (regular) {
        flags |= O_TRUNC;
    }
    const int fd = ::open(requested_.c_str(), flags);
    if (fd < 0) {
        if (errno == ENXIO && fifo) {
            refuse("no program reads from it", IoProblem::NotRegularFile);
        } else {
            fail("Cannot write", errno);
        }
        return;
    }
    // Open without waiting for a reader, then write as a blocking stream.
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        const int reason = errno;
        ::close(fd);
        fail("Cannot write", reason);
        return;
    }
    fd_ = fd;
    mode_ = Mode::InPlace;
}

void AtomicFileWriter::append(std::span<const std::uint8_t> bytes)
{
    if ((mode_ == Mode::Replace || mode_ == Mode::InPlace) && !WriteAll(fd_, bytes)) {
        fail("Cannot write", errno);
    }
}

void AtomicFileWriter::append(std::string_view text)
{
    append(std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()));
}

WriteResult AtomicFileWriter::commit()
{
    if (mode_ == Mode::Replace) {
        if (existing_) {
            // Only an administrator may give a file away; for anyone else this keeps
            // the owner the file already has.
            [[maybe_unused]] const int ignored = ::fchown(fd_, existing_->uid, existing_->gid);
        }
        const mode_t mode = existing_ ? static_cast<mode_t>(existing_->mode) : NewFileMode();
        const fs::path folder = file_.has_parent_path() ? file_.parent_path() : fs::path(".");
        if (::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0) {
            fail("Cannot write", errno);
        } else if (::rename(temporary_.c_str(), file_.c_str()) != 0) {
            fail("Cannot replace", errno);
        } else {
            SyncFolder(folder);
            // The lock goes with the descriptor; the name now belongs to the target.
            closeFinished();
        }
    } else if (mode_ == Mode::InPlace) {
        closeFinished();
    }
    mode_ = Mode::Done;
    return error_ ? WriteResult(*error_) : WriteResult(std::nullopt);
}

void AtomicFileWriter::closeFinished()
{
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) {
        error_ = SystemError("Cannot write", requested_, errno);
    }
}

void AtomicFileWriter::fail(const std::string &what, int error)
{
    error_ = SystemError(what, requested_, error);
    discard();
}

void AtomicFileWriter::refuse(const std::string &why, IoProblem problem)
{
    error_ = Refusal("Cannot write", requested_, why, problem);
    mode_ = Mode::Failed;
}

void AtomicFileWriter::discard()
{
    if (mode_ == Mode::Replace) {
        ::unlink(temporary_.c_str());
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    mode_ = Mode::Failed;
}

WriteResult WriteFileAtomically(const fs::path &target, std::span<const std::uint8_t> bytes,
                                AtSymlink atSymlink)
{
    AtomicFileWriter writer(target, atSymlink);
    writer.append(bytes);
    return writer.commit();
}

WriteResult WriteFileAtomically(const fs::path &target, std::string_view text, AtSymlink atSymlink)
{
    return WriteFileAtomically(
        target, std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()),
        atSymlink);
}

ReadResult ReadWholeFile(const fs::path &path, std::size_t limit)
{
    ReadResult result;
    // Looked at before it is opened: opening a device can have effects of its own
    // (a serial port raises its modem lines).
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        result.error = SystemError("Cannot open", path, errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error =
            Refusal("Cannot read", path, WhatItIs(info.st_mode), IoProblem::NotRegularFile);
        return result;
    }
    const IoError tooLarge{"Cannot read " + path.string() + ": larger than " +
                               std::to_string(limit) + " bytes",
                           IoProblem::TooLarge};
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        result.error = tooLarge;
        return result;
    }
    // Non-blocking, in case something else took the name since the look.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.error = SystemError("Cannot open", path, errno);
        return result;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.error =
            Refusal("Cannot read", path, WhatItIs(info.st_mode), IoProblem::NotRegularFile);
        ::close(fd);
        return result;
    }
    result.bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::array<std::uint8_t, 65536> chunk{};
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = SystemError("Cannot read", path, errno);
            break;
        }
        if (got == 0) {
            break;
        }
        // The file may have grown since it was measured.
        if (static_cast<std::size_t>(got) > limit - result.bytes.size()) {
            result.error = tooLarge;
            break;
        }
        result.bytes.insert(result.bytes.end(), chunk.begin(), chunk.begin() + got);
    }
    ::close(fd);
    if (result.error) {
        result.bytes.clear();
    }
    return result;
}

} // namespace vexil::base
