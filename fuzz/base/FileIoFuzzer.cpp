// SPDX-License-Identifier: GPL-3.0-or-later
// The write routine against whatever may stand at a target's name: nothing, a
// file (read-only or not), a link to a file, a link to nothing, a folder, a pipe,
// a leftover temporary file. Whatever happens, a write either puts exactly the
// bytes there or leaves everything as it was, never changes the file outside the
// folder that a link points at unless the link was to be followed, and leaves no
// temporary file behind; a read gets the bytes back or refuses.
//
// Input: byte 0 picks what stands at the name and how the write treats links,
// byte 1 the length of the name, then the name's bytes, then the contents.
#include "base/FileIo.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace vexil;

namespace {

using Bytes = std::vector<std::uint8_t>;

// One folder for the whole run, removed when it ends.
struct ScratchFolder {
    ScratchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "vexil-fileio-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

const fs::path &Scratch()
{
    static const ScratchFolder folder;
    return folder.path;
}

void Require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// A legal file name from fuzzed bytes: no '/', no NUL, not "." or "..", 1 to 255
// bytes.
std::string NameFrom(const std::uint8_t *data, std::size_t size)
{
    std::string name;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        name.push_back(c == '/' || c == '\0' ? '_' : c);
    }
    if (name.empty() || name == "." || name == ".." || base::IsWriteTemporaryName(name)) {
        name = "x" + name;
    }
    return name;
}

Bytes Contents(const fs::path &path)
{
    const base::ReadResult read = base::ReadWholeFile(path);
    return read.ok() ? read.bytes : Bytes{0xEE, 0xEE};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const std::uint8_t scene = data[0] % 8;
    const bool refuseLinks = (data[0] & 0x80) != 0;
    const std::size_t nameLength = 1 + data[1] % 255;
    if (size < 2 + nameLength) {
        return 0;
    }
    const fs::path folder = Scratch() / "work";
    const fs::path outside = Scratch() / "outside";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const Bytes before{'o', 'l', 'd'};
    Require(!base::WriteFileAtomically(outside, before));

    const fs::path target = folder / NameFrom(data + 2, nameLength);
    const Bytes bytes(data + 2 + nameLength, data + size);
    switch (scene) {
    case 1: // an existing file
    case 2: // an existing read-only file (anyone but an administrator is refused)
        Require(!base::WriteFileAtomically(target, before));
        if (scene == 2) {
            ::chmod(target.c_str(), 0444);
        }
        break;
    case 3: // a link to a file outside the folder
        fs::create_symlink(outside, target);
        break;
    case 4: // a link to nothing
        fs::create_symlink(Scratch() / "nowhere" / "file", target);
        break;
    case 5:
        fs::create_directory(target);
        break;
    case 6: // a pipe nobody reads: refused, not waited for
        Require(::mkfifo(target.c_str(), 0600) == 0);
        break;
    case 7: // what a killed save leaves behind
        Require(!base::WriteFileAtomically(folder / ".vexil-Killed0000.tmp", before));
        break;
    default:
        break;
    }

    const auto atSymlink = refuseLinks ? base::AtSymlink::Refuse : base::AtSymlink::Follow;
    const bool failed = base::WriteFileAtomically(target, bytes, atSymlink).has_value();
    const bool followed = scene == 3 && !refuseLinks;

    // The file outside changes only through a link that was to be followed.
    Require(Contents(outside) == (followed && !failed ? bytes : before));
    if (scene == 5 || scene == 6) {
        Require(failed);
        Require(scene == 5 ? fs::is_directory(target) : fs::is_fifo(target));
    } else if (scene == 3 || scene == 4) {
        Require(failed == refuseLinks);
        Require(fs::is_symlink(target) == (refuseLinks || scene == 3));
    }
    if (!failed && !followed) {
        Require(Contents(target) == bytes);
        const base::ReadResult limited = base::ReadWholeFile(target, bytes.size() / 2);
        Require(limited.ok() == (bytes.size() / 2 >= bytes.size()));
    }
    if (failed && (scene == 1 || scene == 2)) {
        Require(Contents(target) == before);
    }
    // Nothing of ours stays in the folder.
    for (const auto &entry : fs::directory_iterator(folder)) {
        Require(!base::IsWriteTemporaryName(entry.path().filename().string()));
    }
    return 0;
}
