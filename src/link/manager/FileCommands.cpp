// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/manager/FileCommands.h"

#include "base/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace vexil::link::manager {

namespace fs = std::filesystem;

namespace {

bool IsFolder(const fs::path &path)
{
    std::error_code error;
    return fs::is_directory(fs::symlink_status(path, error));
}

bool Exists(const fs::path &path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool SameFile(const fs::path &a, const fs::path &b)
{
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

// rename() silently replaces an existing target; a rename must not.
bool RenameWithoutReplacing(const fs::path &from, const fs::path &to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    // Some file systems do not know the flag: ask first, then rename.
    if ((errno == EINVAL || errno == ENOSYS) && !Exists(to)) {
        return std::rename(from.c_str(), to.c_str()) == 0;
    }
    return false;
}

} // namespace

bool IsNameInFolder(const std::string &name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

bool CopyFileOver(const fs::path &source, const fs::path &target)
{
    if (IsFolder(source) || SameFile(source, target)) {
        return false;
    }
    const base::ReadResult read = base::ReadWholeFile(source);
    return read.ok() && !base::WriteFileAtomically(target, read.bytes);
}

bool MoveFileOver(const fs::path &source, const fs::path &target)
{
    if (IsFolder(source) || SameFile(source, target)) {
        return false;
    }
    if (std::rename(source.c_str(), target.c_str()) == 0) {
        return true;
    }
    if (errno != EXDEV) {
        return false;
    }
    const bool targetExisted = Exists(target);
    if (!CopyFileOver(source, target)) {
        return false;
    }
    std::error_code error;
    if (fs::remove(source, error)) {
        return true;
    }
    // The source stays: do not leave a second copy of it behind as well.
    if (!targetExisted) {
        fs::remove(target, error);
    }
    return false;
}

std::size_t CopyOrMoveFiles(FileAction action, const Paths &files, const fs::path &folder,
                            const AskOverwrite &ask, const Report &report)
{
    std::size_t done = 0;
    for (const fs::path &file : files) {
        const std::string name = file.filename().string();
        const fs::path target = folder / file.filename();
        if (SameFile(file, target)) {
            report(CouldNotMessage(action, name));
            continue;
        }
        if (Exists(target)) {
            const OverwriteAnswer answer = ask(OverwriteQuestion(name));
            if (answer == OverwriteAnswer::Cancel) {
                break;
            }
            if (answer == OverwriteAnswer::No) {
                continue;
            }
        }
        const bool ok =
            action == FileAction::Copy ? CopyFileOver(file, target) : MoveFileOver(file, target);
        if (ok) {
            ++done;
        } else {
            report(CouldNotMessage(action, name));
        }
    }
    return done;
}

std::string DeleteQuestion(std::size_t count)
{
    return std::string("Are you sure you wish to delete ") +
           (count == 1 ? "this file?" : "these files?");
}

std::size_t DeleteFiles(const Paths &files, const Report &report)
{
    std::size_t done = 0;
    for (const fs::path &file : files) {
        std::error_code error;
        if (!IsFolder(file) && fs::remove(file, error)) {
            ++done;
        } else {
            report("Could not delete " + file.filename().string() + ".");
        }
    }
    return done;
}

bool RenameInFolder(const fs::path &file, const std::string &newName)
{
    if (!IsNameInFolder(newName)) {
        return false;
    }
    if (newName == file.filename().string()) {
        return Exists(file);
    }
    return RenameWithoutReplacing(file, file.parent_path() / newName);
}

bool CreateFolderIn(const fs::path &folder, const std::string &name)
{
    std::error_code error;
    return IsNameInFolder(name) && fs::create_directory(folder / name, error);
}

bool RemoveEmptyFolder(const fs::path &folder)
{
    std::error_code error;
    return IsFolder(folder) && fs::remove(folder, error);
}

std::string OverwriteQuestion(const std::string &fileName)
{
    return "The file " + fileName + " already exists.  Overwrite?";
}

std::string CouldNotMessage(FileAction action, const std::string &fileName)
{
    return std::string(action == FileAction::Copy ? "Could not copy " : "Could not move ") +
           fileName + ".";
}

std::string CopyOrMoveCaption(FileAction action)
{
    return action == FileAction::Copy ? "Copy" : "Move";
}

std::string CancelCopyOrMoveCaption(FileAction action)
{
    return "Cancel " + CopyOrMoveCaption(action);
}

std::string RenamePrompt(const std::string &fileName)
{
    return "Enter new filename for " + fileName + ":";
}

std::string CreateFolderPrompt(const std::string &folder)
{
    return "Enter the name of the new directory to create under " + folder + ":";
}

std::string DeleteFolderQuestion(const std::string &folder)
{
    return "Are you sure you wish to delete the " + folder + " directory?";
}

std::string DeleteFolderFailedMessage(const std::string &folder)
{
    return "An error occurred while trying to delete the " + folder +
           " directory.  The directory must be empty to be removed.";
}

} // namespace vexil::link::manager
