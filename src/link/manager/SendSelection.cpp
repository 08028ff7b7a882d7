// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/manager/SendSelection.h"

#include "link/transfer/SendOperations.h"
#include "varfile/VarFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace vexil::link::manager {

namespace fs = std::filesystem;

namespace {

// The signature bytes of a file, as many as it has; an error text when it cannot
// be opened and read.
struct Signature {
    varfile::Bytes bytes;
    std::string error;
};

Signature ReadSignature(const fs::path &file)
{
    std::error_code status;
    if (fs::is_directory(file, status)) {
        return {{}, std::strerror(EISDIR)};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {{}, std::strerror(errno)};
    }
    Signature signature;
    signature.bytes.resize(varfile::kSignatureSize);
    in.read(reinterpret_cast<char *>(signature.bytes.data()),
            static_cast<std::streamsize>(signature.bytes.size()));
    if (in.bad()) {
        return {{}, std::strerror(errno)};
    }
    signature.bytes.resize(static_cast<std::size_t>(in.gcount()));
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
