// SPDX-License-Identifier: GPL-3.0-or-later
// The Link Manager's file commands without a window: copy and move into a folder
// with the overwrite question, delete, rename, and creating and removing folders.
// Every command works file by file, reports each failure in the user's words and
// goes on with the next file. A name the user types never leads out of the folder
// it is typed for, and no command replaces a file with itself.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vexil::link::manager {

using Paths = std::vector<std::filesystem::path>;
// Shows a message naming what failed or was refused.
using Report = std::function<void(const std::string &message)>;

// A file or folder name typed by the user: not empty, not "." or "..", and
// without "/", so it names an entry of the folder it is typed for.
bool IsNameInFolder(const std::string &name);

enum class FileAction { Copy, Move };
enum class OverwriteAnswer { Yes, No, Cancel };
using AskOverwrite = std::function<OverwriteAnswer(const std::string &question)>;

// Copies or moves each file, in order, into `folder` under its own name. A target
// that exists is replaced only on Yes; No skips the file, Cancel skips it and all
// after it. A file that is already the target (the folder it is in) is refused
// without a question. Returns how many files were copied or moved.
std::size_t CopyOrMoveFiles(FileAction action, const Paths &files,
                            const std::filesystem::path &folder, const AskOverwrite &ask,
                            const Report &report);

// One copy: the target gets the source's bytes through a temporary file.
[[nodiscard]] bool CopyFileOver(const std::filesystem::path &source,
                                const std::filesystem::path &target);
// One move: a rename, or a copy and delete between file systems.
[[nodiscard]] bool MoveFileOver(const std::filesystem::path &source,
                                const std::filesystem::path &target);

// "Are you sure you wish to delete this file?" (or "these files?").
std::string DeleteQuestion(std::size_t count);
// Deletes each file (never a folder); returns how many went.
std::size_t DeleteFiles(const Paths &files, const Report &report);

// Renames `file` to `newName` in its own folder. Refuses a name that leaves the
// folder and an existing file of that name, which is kept.
[[nodiscard]] bool RenameInFolder(const std::filesystem::path &file, const std::string &newName);

// Creates the folder `name` in `folder`; false when it exists or leaves `folder`.
[[nodiscard]] bool CreateFolderIn(const std::filesystem::path &folder, const std::string &name);
// Removes `folder` when it is an empty folder.
[[nodiscard]] bool RemoveEmptyFolder(const std::filesystem::path &folder);

// The texts of the commands, for the window.
std::string OverwriteQuestion(const std::string &fileName);
std::string CouldNotMessage(FileAction action, const std::string &fileName);
std::string CopyOrMoveCaption(FileAction action);       // "Copy", "Move"
std::string CancelCopyOrMoveCaption(FileAction action); // "Cancel Copy", "Cancel Move"
std::string RenamePrompt(const std::string &fileName);
std::string CreateFolderPrompt(const std::string &folder);
std::string DeleteFolderQuestion(const std::string &folder);
std::string DeleteFolderFailedMessage(const std::string &folder);
inline constexpr const char *kRenameTitle = "Rename File";
inline constexpr const char *kRenameFailed = "Could not rename file.";
inline constexpr const char *kRenameOneOnly = "Cannot rename more than one file at once.";
inline constexpr const char *kCreateFolderTitle = "Create Directory";
inline constexpr const char *kCreateFolderFailed = "Directory could not be created";
inline constexpr const char *kPendingCopyPrompt =
    "Now choose the destination in the Directory list box then click Perform, or click the "
    "Cancel button above.";
inline constexpr const char *kPerformCaption = "Perform";

} // namespace vexil::link::manager
