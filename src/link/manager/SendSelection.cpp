// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/manager/SendSelection.h"

#include "link/transfer/SendOperations.h"
#include "varfile/VarFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexil::link::manager {

namespace fs = std::filesystem;

namespace {

constexpr const char *kNotARegularFile = "it is not a regular file";

// The signature bytes of a file, as many as it has; an error text when it cannot
// be opened and read.
struct Signature {
    varfile::Bytes bytes;
    std::string error;
};

Signature ReadSignature(const fs::path &file)
{
    // Looked at before it is opened, and opened without waiting: a pipe or a
    // device among the chosen files must not hold the window.
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return {{}, std::strerror(errno)};
    }
    if (S_ISDIR(info.st_mode)) {
        return {{}, std::strerror(EISDIR)};
    }
    if (!S_ISREG(info.st_mode)) {
        return {{}, kNotARegularFile};
    }
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return {{}, std::strerror(errno)};
    }
    Signature signature;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        signature.error = kNotARegularFile;
    } else {
        signature.bytes.resize(varfile::kSignatureSize);
        ssize_t got = -1;
        do {
            got = ::read(fd, signature.bytes.data(), signature.bytes.size());
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            signature.error = std::strerror(errno);
            signature.bytes.clear();
        } else {
            signature.bytes.resize(static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return signature;
}

} // namespace

SendPlan PlanSend(const Paths &files, const Report &report)
{
    if (files.empty()) {
        return {};
    }
    if (files.size() == 1) {
        return {SendPlan::Kind::OneFile, files};
    }
    const bool wholeSession = std::any_of(files.begin(), files.end(), [](const fs::path &file) {
        return transfer::SendKindFor(file) != transfer::SendKind::Variable;
    });
    if (wholeSession) {
        report(kNoBackupOrGroupInList);
        return {SendPlan::Kind::Refused, {}};
    }
    SendPlan plan{SendPlan::Kind::List, {}};
    for (const fs::path &file : files) {
        const Signature signature = ReadSignature(file);
        const std::string name = file.filename().string();
        if (!signature.error.empty()) {
            report(CannotReadForSendMessage(name, signature.error));
        } else if (!varfile::IsVarFileSignature(signature.bytes)) {
            report(NotAVariableFileMessage(name));
        } else {
            plan.files.push_back(file);
        }
    }
    if (plan.files.empty()) {
        plan.kind = SendPlan::Kind::Refused;
    }
    return plan;
}

std::string SendHint(std::size_t count)
{
    return "Send " + std::to_string(count) + " file" + (count == 1 ? "" : "s");
}

std::string NotAVariableFileMessage(const std::string &fileName)
{
    return "Sorry, but the file '" + fileName + "' is not a valid TI-82 or TI-83 file.";
}

std::string CannotReadForSendMessage(const std::string &fileName, const std::string &reason)
{
    return "Sorry, but the file '" + fileName + "' could not be read: " + reason + ".";
}

} // namespace vexil::link::manager
