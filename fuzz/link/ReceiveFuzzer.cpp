// SPDX-License-Identifier: GPL-3.0-or-later
// Garbage from the calculator into the computer's side of a receive. The first
// byte picks the answer to the exists question and whether the session starts
// with a ready-made backup header, so that the rest goes to the backup's parts.
// Whatever arrives, every file lands inside the folder, whole, and nothing of
// ours is left behind.
#include "link/Link.h"
#include "link/ReceiveName.h"
#include "link/transfer/ReceiveVariables.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

namespace {

using namespace vexil::link;
using namespace vexil::link::transfer;
namespace fs = std::filesystem;

// The calculator's bytes; once they run out every read times out. Data always
// looks ready, so a wait for the user never outlasts the input.
class Script final : public ByteTransport {
public:
    explicit Script(std::deque<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    void sendByte(uint8_t) override { timedOut_ = false; }
    std::optional<uint8_t> receiveByte() override
    {
        timedOut_ = bytes_.empty();
        if (timedOut_) {
            return std::nullopt;
        }
        const uint8_t b = bytes_.front();
        bytes_.pop_front();
        return b;
    }
    bool dataReady() override { return true; }
    void releaseLines() override {}
    uint8_t readLines() override { return 0x30; }
    bool lastByteTimedOut() const override { return timedOut_; }

private:
    std::deque<uint8_t> bytes_;
    bool timedOut_ = false;
};

class ScriptedAnswers final : public QuietView {
public:
    explicit ScriptedAnswers(uint8_t choice) : choice_(static_cast<ExistsChoice>(choice % 4)) {}
    ExistsAnswer askExists(const std::string &) override { return {choice_, "RENAMED.83p"}; }

private:
    ExistsChoice choice_;
};

// In memory where there is such a folder: every received file is synced.
const fs::path &Scratch()
{
    static const fs::path dir =
        (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
        ("vexil-receive-fuzz-" + std::to_string(::getpid()));
    return dir;
}

// A folder with files and a link under names the receive is likely to pick.
fs::path FreshFolder()
{
    fs::remove_all(Scratch());
    const fs::path folder = Scratch() / "in";
    fs::create_directories(folder);
    std::ofstream(folder / "RealA.83n") << "old";
    std::ofstream(folder / "RENAMED.83p") << "old";
    fs::create_symlink(Scratch() / "outside", folder / "RealA.82n");
    return folder;
}

void CheckFolder(const fs::path &folder)
{
    // Nothing outside the folder, no temporary file inside, no link followed.
    for (const auto &item : fs::directory_iterator(Scratch())) {
        if (item.path() != folder) {
            __builtin_trap();
        }
    }
    for (const auto &item : fs::directory_iterator(folder)) {
        if (item.path().filename().string()[0] == '.') {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 1 << 17) {
        return 0;
    }
    const uint8_t mode = data[0];
    std::deque<uint8_t> bytes(data + 1, data + size);
    if (mode & 0x04) {
        // A backup header, as a TI-82 or TI-83 sends it: the rest is its parts.
        const uint8_t calc = mode & 0x08 ? 0x83 : 0x82;
        const std::vector<uint8_t> header{
            4, 0, uint8_t(calc == 0x83 ? 0x13 : 0x0F), 3, 0, 2, 0, 0x24, 0x8D};
        const Packet packet = DataPacket(calc, command::kVarHeader, header);
        bytes.insert(bytes.begin(), packet.begin(), packet.end());
    }
    const fs::path folder = FreshFolder();
    QuietHost host;
    Link link(host);
    link.useTransport(std::make_unique<Script>(std::move(bytes)));
    ScriptedAnswers view(mode);
    try {
        ReceiveVariables(link, view, folder, MakeReceiveName);
    } catch (const FileError &) {
        // A name that cannot be written (a folder in the way, for one) is
        // reported to the user; nothing else may escape.
    }
    CheckFolder(folder);
    return 0;
}
