// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/AssemblyRun.h"

#include "assemble/run/BuildScript.h"
#include "assemble/run/DetachedScript.h"
#include "assemble/run/RunTexts.h"
#include "assemble/run/TasmOutput.h"
#include "base/FileIo.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace vexil::assemble::run {
namespace {

namespace fs = std::filesystem;

// Empty, or why `path` could not be removed; a missing file is no problem.
std::string RemoveIfPresent(const fs::path &path)
{
    std::error_code error;
    fs::remove(path, error);
    return error ? "cannot remove " + path.string() + ": " + error.message() : std::string();
}

bool Exists(const fs::path &path)
{
    std::error_code ignored;
    return fs::exists(path, ignored);
}

} // namespace

AssemblyRun::~AssemblyRun()
{
    if (state_ == RunState::Running) {
        StopScript();
    }
    Release();
}

void AssemblyRun::Release()
{
    lock_.reset();
    if (!privateFolder_.empty()) {
        std::error_code ignored;
        fs::remove_all(privateFolder_, ignored);
        privateFolder_.clear();
    }
}

std::string AssemblyRun::PrepareRunFolder(const RunRequest &request)
{
    if (!request.privateRunFolder) {
        RunLock::Outcome taken = RunLock::Take(request.programDir, RunLock::Kind::Exclusive, false);
        if (!taken.lock) {
            return taken.error.empty() ? BusyProgramDirectoryMessage(request.programDir)
                                       : taken.error;
        }
        lock_ = std::move(taken.lock);
        files_ = RunFiles::In(request.programDir);
        return {};
    }
    std::string pattern = (fs::temp_directory_path() / "vexil-run-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return "Cannot create a folder for the run in " + fs::temp_directory_path().string() +
               ": " + std::strerror(errno);
    }
    privateFolder_ = pattern;
    files_ = RunFiles::In(privateFolder_);
    return {};
}

std::string AssemblyRun::Start(const RunRequest &request)
{
    if (state_ == RunState::Running) {
        StopScript();
    }
    Release();
    request_ = request;
    paths_ = RunPathsFor(request.source, request.program.target);
    state_ = RunState::Idle;
    std::string error = PrepareRunFolder(request);
    if (error.empty()) {
        error = WriteAndStartScript(request);
    }
    if (!error.empty()) {
        Release();
    }
    return error;
}

std::string AssemblyRun::WriteAndStartScript(const RunRequest &request)
{
    BuildScriptInput script{paths_,
                            request.programDir,
                            files_,
                            AssemblerPath(request.programDir, request.installedAssembler),
                            request.program.target,
                            request.flags};
    if (auto error = base::WriteFileAtomically(files_.script, BuildScriptText(script))) {
        return error->message;
    }
    // A stale Tasmout.txt would otherwise fill the error list of a run whose
    // assembler never got to write one.
    for (const fs::path &stale : {files_.failFlag, files_.output}) {
        if (std::string error = RemoveIfPresent(stale); !error.empty()) {
            return error;
        }
    }
    if (auto error = base::WriteFileAtomically(files_.stateFlag, std::string_view("***\n"))) {
        return error->message;
    }
    const ScriptStart started = StartDetachedScript(files_.script, request.programDir);
    if (!started.ok()) {
        RemoveIfPresent(files_.stateFlag);
        return started.error;
    }
    scriptGroup_ = started.group;
    state_ = RunState::Running;
    return {};
}

PollResult AssemblyRun::Poll(bool cancelRequested)
{
    PollResult result;
    if (state_ != RunState::Running) {
        result.state = state_;
        return result;
    }
    if (cancelRequested) {
        StopScript();
        state_ = RunState::Cancelled;
    } else if (Exists(files_.stateFlag)) {
        result.state = RunState::Running;
        return result;
    } else {
        scriptGroup_ = 0;
        state_ = Exists(files_.failFlag) ? RunState::Failed : RunState::Succeeded;
    }
    result.state = state_;
    // The run's files are read below and nothing writes them any more.
    lock_.reset();
    if (state_ == RunState::Failed) {
        const base::ReadResult output = base::ReadWholeFile(files_.output);
        result.outputFound = output.ok();
        if (output.ok()) {
            result.errorLines = ReadTasmErrorLines(std::string_view(
                reinterpret_cast<const char *>(output.bytes.data()), output.bytes.size()));
        }
    }
    return result;
}

PollResult AssemblyRun::Wait(std::chrono::milliseconds interval)
{
    PollResult result = Poll(false);
    while (result.state == RunState::Running) {
        std::this_thread::sleep_for(interval);
        result = Poll(false);
    }
    return result;
}

ProgramResult AssemblyRun::WriteProgramFile(const fs::path &destination) const
{
    const fs::path &target = destination.empty() ? paths_.programFile : destination;
    if (auto error = ConvertObjectFile(paths_.objectFile, target, request_.program)) {
        return {false, *error};
    }
    return {true, {}};
}

void AssemblyRun::StopScript()
{
    StopProcessGroup(scriptGroup_);
    scriptGroup_ = 0;
}

} // namespace vexil::assemble::run
