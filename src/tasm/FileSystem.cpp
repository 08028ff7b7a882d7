// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/FileSystem.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexil::tasm {

namespace fs = std::filesystem;

std::optional<std::string> DiskFileSystem::read(const std::string &path)
{
    // Plain system calls: a stream would cost more to set up than reading a source
    // file does. O_NONBLOCK keeps a FIFO without a writer from hanging the run.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        text.emplace();
        text->resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        char more[4096]; // whatever the file gained since fstat
        while (true) {
            bool full = done == text->size();
            char *into = full ? more : text->data() + done;
            ssize_t n = ::read(fd, into, full ? sizeof more : text->size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                text.reset();
                break;
            }
            if (n == 0) {
                text->resize(done);
                break;
            }
            if (full) {
                text->append(more, static_cast<std::size_t>(n));
            }
            done += static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    return text;
}

namespace {

// The whole of `data` into a new or truncated file, through plain system calls: a
// file stream costs more to set up than a small run spends assembling.
bool writeWhole(const char *path, const std::string &data)
{
    int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return ::close(fd) == 0;
}

} // namespace

bool DiskFileSystem::write(const std::string &path, const std::string &data)
{
    fs::path target(path);
    fs::path folder = target.parent_path();
    std::random_device seed;
    std::string tempName(1, '.');
    tempName += target.filename().string();
    tempName += ".tmp";
    tempName += std::to_string(seed() % 1000000);
    fs::path temp = folder / tempName;
    if (!writeWhole(temp.c_str(), data)) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool DiskFileSystem::isFile(const std::string &path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::vector<std::string> DiskFileSystem::list(const std::string &folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) {
        return names;
    }
    for (const auto &entry : it) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

static std::string memoryKey(const std::string &path)
{
    std::string key = path;
    while (key.size() > 2 && key.compare(0, 2, "./") == 0) {
        key.erase(0, 2);
    }
    return key;
}

std::optional<std::string> MemoryFileSystem::read(const std::string &path)
{
    auto it = files.find(memoryKey(path));
    if (it == files.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool MemoryFileSystem::write(const std::string &path, const std::string &data)
{
    files[memoryKey(path)] = data;
    return true;
}

bool MemoryFileSystem::isFile(const std::string &path)
{
    return files.count(memoryKey(path)) != 0;
}

std::vector<std::string> MemoryFileSystem::list(const std::string &folder)
{
    std::string prefix = memoryKey(folder);
    if (prefix == "." || prefix == "./") {
        prefix.clear();
    }
    if (!prefix.empty() && prefix.back() != '/') {
        prefix += '/';
    }
    std::vector<std::string> names;
    for (const auto &[key, data] : files) {
        if (key.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        std::string rest = key.substr(prefix.size());
        auto slash = rest.find('/');
        std::string name = slash == std::string::npos ? rest : rest.substr(0, slash);
        if (names.empty() || names.back() != name) {
            names.push_back(name);
        }
    }
    return names;
}

static bool sameIgnoringCase(const std::string &a, const std::string &b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (std::tolower(ca) != std::tolower(cb)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> findFile(FileSystem &fs, const std::string &path)
{
    if (path.empty()) {
        return std::nullopt;
    }
    if (fs.isFile(path)) {
        return path;
    }
    std::string built;
    std::size_t start = 0;
    if (path[0] == '/') {
        built = "/";
        start = 1;
    }
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        std::string part =
            path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        bool last = slash == std::string::npos;
        if (part.empty() || part == "." || part == "..") {
            built += part;
        } else {
            std::string folder = built;
            std::string chosen;
            for (const auto &name : fs.list(folder)) {
                if (name == part) {
                    chosen = name;
                    break;
                }
                if (chosen.empty() && sameIgnoringCase(name, part)) {
                    chosen = name;
                }
            }
            if (chosen.empty()) {
                return std::nullopt;
            }
            built += chosen;
        }
        if (last) {
            break;
        }
        built += '/';
        start = slash + 1;
    }
    if (fs.isFile(built)) {
        return built;
    }
    return std::nullopt;
}

} // namespace vexil::tasm
