// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/FileSystem.h"

#include "base/AsciiText.h"
#include "base/FileIo.h"

#include <filesystem>
#include <system_error>

namespace vexil::tasm {

namespace fs = std::filesystem;

std::optional<std::string> DiskFileSystem::read(const std::string &path)
{
    const base::ReadResult read = base::ReadWholeFile(path);
    if (!read.ok()) {
        return std::nullopt;
    }
    return std::string(read.text());
}

bool FileSystem::write(const std::string &path, std::string_view data)
{
    std::unique_ptr<OutputFile> out = openOutput(path);
    out->append(data);
    return out->commit();
}

namespace {

class DiskOutputFile : public OutputFile {
public:
    explicit DiskOutputFile(const std::string &path) : writer_(path) {}
    void append(std::string_view data) override { writer_.append(data); }
    bool commit() override { return !writer_.commit(); }

private:
    base::AtomicFileWriter writer_;
};

class MemoryOutputFile : public OutputFile {
public:
    MemoryOutputFile(std::map<std::string, std::string> &files, std::string key)
        : files_(files), key_(std::move(key))
    {
    }
    void append(std::string_view data) override { data_.append(data); }
    bool commit() override
    {
        files_[key_] = std::move(data_);
        return true;
    }

private:
    std::map<std::string, std::string> &files_;
    std::string key_;
    std::string data_;
};

} // namespace

std::unique_ptr<OutputFile> DiskFileSystem::openOutput(const std::string &path)
{
    return std::make_unique<DiskOutputFile>(path);
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

static std::string MemoryKey(const std::string &path)
{
    std::string key = path;
    while (key.size() > 2 && key.compare(0, 2, "./") == 0) {
        key.erase(0, 2);
    }
    return key;
}

std::optional<std::string> MemoryFileSystem::read(const std::string &path)
{
    auto it = files.find(MemoryKey(path));
    if (it == files.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::unique_ptr<OutputFile> MemoryFileSystem::openOutput(const std::string &path)
{
    return std::make_unique<MemoryOutputFile>(files, MemoryKey(path));
}

bool MemoryFileSystem::isFile(const std::string &path)
{
    return files.count(MemoryKey(path)) != 0;
}

std::vector<std::string> MemoryFileSystem::list(const std::string &folder)
{
    std::string prefix = MemoryKey(folder);
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

static bool SameIgnoringCase(const std::string &a, const std::string &b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (base::AsciiUpper(a[i]) != base::AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> FindFile(FileSystem &fs, const std::string &path)
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
                if (chosen.empty() && SameIgnoringCase(name, part)) {
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
