// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimCalculator.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace vexil::link::calcsim {

namespace {

constexpr uint8_t kDirectoryType = 0x19;
constexpr size_t kVariableHeaderSize = 11;
constexpr size_t kBackupHeaderSize = 9;

uint16_t SizeIn(const SimPacket &header)
{
    return static_cast<uint16_t>(header.data[0] | header.data[1] << 8);
}

// The type and name of an 11-byte header (variable header, request).
SimVariable VariableIn(const SimPacket &header)
{
    SimVariable v;
    v.typeId = header.data[2];
    std::copy_n(header.data.begin() + 3, v.name.size(), v.name.begin());
    return v;
}

std::vector<uint8_t> HeaderData(const SimVariable &v)
{
    std::vector<uint8_t> h{static_cast<uint8_t>(v.data.size()),
                           static_cast<uint8_t>(v.data.size() >> 8), v.typeId};
    h.insert(h.end(), v.name.begin(), v.name.end());
    return h;
}

std::string CommandText(uint8_t command)
{
    static const char *kHex = "0123456789ABCDEF";
    return std::string("0x") + kHex[command >> 4] + kHex[command & 15];
}

} // namespace

SimCalculator::SimCalculator(SimConfig config)
    : config_(std::move(config)), memory_(config_.memoryDir, config_.model, config_.freeBytes)
{
}

std::string SimCalculator::start()
{
    std::error_code ec;
    if (!std::filesystem::is_directory(config_.memoryDir, ec)) {
        return "The memory folder " + config_.memoryDir.string() + " does not exist.";
    }
    for (const auto &file : memory_.load()) {
        note("ignored " + file + ": not a variable file");
    }
    return {};
}

void SimCalculator::queueSend(std::vector<std::string> fileNames)
{
    std::lock_guard lock(mutex_);
    pendingSend_.insert(pendingSend_.end(), fileNames.begin(), fileNames.end());
}

std::vector<std::string> SimCalculator::log() const
{
    std::lock_guard lock(mutex_);
    return log_;
}

void SimCalculator::note(std::string line)
{
    std::lock_guard lock(mutex_);
    log_.push_back(std::move(line));
}

bool SimCalculator::run(const std::atomic<bool> &stop)
{
    const std::chrono::milliseconds timeout(config_.exchangeTimeoutMs);
    if (config_.serialFd >= 0) {
        SerialWire wire(config_.serialFd, stop, timeout);
        serve(wire, stop);
        return true;
    }
    CableWire wire(config_.cablePath, stop, timeout, config_.strictCable);
    if (!wire.ok()) {
        note("cannot open the cable " + config_.cablePath + ": " + wire.error());
        return false;
    }
    serve(wire, stop);
    return true;
}

void SimCalculator::serve(SimWire &wire, const std::atomic<bool> &stop)
{
    stop_ = &stop;
    if (!config_.listening) {
        note("not listening to the link");
        while (!stop.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return;
    }
    SimPort port(wire, config_.model, stop, config_.faults, config_.checkMachineId,
                 std::chrono::microseconds(config_.answerDelayUs),
                 [this](std::string line) { note(std::move(line)); });
    while (!stop.load()) {
        try {
            std::vector<std::string> toSend;
            {
                std::lock_guard lock(mutex_);
                toSend.swap(pendingSend_);
            }
            if (!toSend.empty()) {
                sendFiles(port, toSend);
                continue;
            }
            if (port.idleUntil([this] {
                    std::lock_guard lock(mutex_);
                    return !pendingSend_.empty();
                })) {
                serveOne(port, port.receive(true));
            }
        } catch (const ExchangeEnded &) {
            if (!stop.load()) {
                note("exchange ended");
            }
        }
    }
}

SimPacket SimCalculator::expect(SimPort &port, uint8_t command, bool patient)
{
    for (int resends = 0;;) {
        SimPacket p = port.receive(patient);
        if (p.command == command) {
            return p;
        }
        if (p.command == op::kSendAgain && resends++ < kSimResendRequests) {
            port.resend();
            continue;
        }
        note("expected command " + CommandText(command) + ", got " + CommandText(p.command));
        throw ExchangeEnded{};
    }
}

void SimCalculator::ack(SimPort &port, uint16_t echo)
{
    port.send(op::kAcknowledge, echo);
}

bool SimCalculator::isBackupHeader(const SimPacket &header) const
{
    return header.data.size() == kBackupHeaderSize && header.data[2] == BackupType(config_.model);
}

// The user at the calculator reads the question before pressing a key.
void SimCalculator::userThinks(const std::atomic<bool> &stop)
{
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(config_.promptDelayMs);
    while (!stop.load() && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (stop.load()) {
        throw ExchangeEnded{};
    }
}

void SimCalculator::serveOne(SimPort &port, SimPacket packet)
{
    const bool ti83 = config_.model == SimModel::TI83;
    switch (packet.command) {
    case op::kVariableHeader:
        if (config_.inLinkMenu) {
            receiveVariables(port, std::move(packet));
        } else {
            note("ignored a variable header: not in the Link menu");
        }
        break;
    case op::kRequestToSend:
        if (ti83) {
            receiveSilently(port, packet);
        }
        break;
    case op::kScreen:
        ack(port);
        port.send(op::kData, config_.screen);
        // The computer acknowledges the screen, or asks for a damaged one again.
        expect(port, op::kAcknowledge);
        note("sent the screen");
        break;
    case op::kRequest:
        answerRequest(port, packet);
        break;
    case op::kKey:
        if (ti83) {
            ack(port, packet.word);
            note("key " + std::to_string(packet.word));
        }
        break;
    case op::kAreYouReady:
        if (ti83) {
            ack(port);
        }
        break;
    case op::kSendAgain:
        // The computer found the last packet damaged, after the exchange had
        // nothing more to say (a screen, for one).
        port.resend();
        break;
    default:
        // A late acknowledgement or end of transmission needs no answer.
        break;
    }
}

void SimCalculator::receiveVariables(SimPort &port, SimPacket header)
{
    for (;;) {
        ack(port, header.word);
        if (isBackupHeader(header)) {
            receiveBackup(port, header);
            return;
        }
        if (header.data.size() != kVariableHeaderSize) {
            note("variable header of " + std::to_string(header.data.size()) + " bytes");
            throw ExchangeEnded{};
        }
        const SimVariable offered = VariableIn(header);
        uint8_t refusal = 0;
        if (memory_.find(offered)) {
            userThinks(*stop_);
            if (config_.duplicate == DuplicateRule::Skip) {
                refusal = reason::kSkip;
            } else if (config_.duplicate == DuplicateRule::Exit) {
                refusal = reason::kExit;
            }
        }
        if (refusal == 0 && SizeIn(header) > memory_.freeBytes()) {
            refusal = reason::kOutOfMemory;
        }
        if (refusal != 0) {
            port.send(op::kSkipOrExit, std::vector<uint8_t>{refusal});
            expect(port, op::kAcknowledge);
            note("refused " + LogName(offered.name) + " with reason " + std::to_string(refusal));
            if (refusal != reason::kSkip) {
                return;
            }
        } else {
            port.send(op::kContinue);
            expect(port, op::kAcknowledge);
            const SimPacket data = expect(port, op::kData);
            SimVariable variable = offered;
            variable.data = data.data;
            const auto path = memory_.store(variable);
            ack(port, data.word);
            note("received " + LogName(variable.name) + " into " +
                 (path.empty() ? std::string("nothing (cannot write)") : path.filename().string()));
        }
        header = port.receive(false);
        if (header.command == op::kEnd) {
            ack(port);
            return;
        }
        if (header.command != op::kVariableHeader) {
            note("unexpected command " + CommandText(header.command) + " in a receive");
            return;
        }
    }
}

void SimCalculator::receiveBackup(SimPort &port, const SimPacket &header)
{
    // The user confirms the backup at the calculator's prompt.
    userThinks(*stop_);
    port.send(op::kContinue);
    expect(port, op::kAcknowledge);
    SimBackup backup;
    std::copy_n(header.data.begin(), kBackupHeaderSize, backup.header.begin());
    for (size_t i = 0; i < backup.parts.size(); ++i) {
        const SimPacket data = expect(port, op::kData);
        backup.parts[i] = data.data;
        // Stored before the last acknowledgement, as a calculator has it in
        // memory by the time it answers.
        if (i + 1 == backup.parts.size() && memory_.storeBackup(backup).empty()) {
            note("cannot write the received backup");
        }
        ack(port, data.word);
    }
    note("received a backup");
}

void SimCalculator::receiveSilently(SimPort &port, const SimPacket &header)
{
    ack(port, header.word);
    if (isBackupHeader(header)) {
        receiveBackup(port, header);
        return;
    }
    if (header.data.size() != kVariableHeaderSize) {
        throw ExchangeEnded{};
    }
    SimVariable variable = VariableIn(header);
    if (SizeIn(header) > memory_.freeBytes()) {
        port.send(op::kSkipOrExit, std::vector<uint8_t>{reason::kOutOfMemory});
        expect(port, op::kAcknowledge);
        note("refused " + LogName(variable.name) + ": memory full");
        return;
    }
    port.send(op::kContinue);
    expect(port, op::kAcknowledge);
    // A silent send overwrites without asking.
    variable.data = expect(port, op::kData).data;
    const auto path = memory_.store(variable);
    ack(port, static_cast<uint16_t>(variable.data.size()));
    note("received " + LogName(variable.name) + " silently into " + path.filename().string());
    // The closing end of transmission gets no acknowledgement.
    expect(port, op::kEnd);
}

void SimCalculator::answerRequest(SimPort &port, const SimPacket &request)
{
    if (request.data.size() != kVariableHeaderSize) {
        note("request of " + std::to_string(request.data.size()) + " bytes");
        throw ExchangeEnded{};
    }
    const bool ti83 = config_.model == SimModel::TI83;
    const SimVariable wanted = VariableIn(request);
    // Only a variable header or data gets its length echoed; a request's
    // acknowledgement carries 0, which computers check (non-zero refuses).
    ack(port);
    if (ti83 && wanted.typeId == kDirectoryType) {
        sendDirectory(port);
        return;
    }
    if (ti83 && wanted.typeId == BackupType(config_.model)) {
        sendBackup(port, memory_.makeBackup());
        return;
    }
    const SimVariable *variable = memory_.find(wanted);
    if (!variable) {
        port.send(op::kSkipOrExit, std::vector<uint8_t>{reason::kExit});
        expect(port, op::kAcknowledge);
        note("asked for " + LogName(wanted.name) + ", which does not exist");
        return;
    }
    const SimVariable found = *variable;
    sendHeader(port, found);
    expect(port, op::kAcknowledge);
    expect(port, op::kContinue);
    ack(port);
    sendDataAcknowledged(port, found.data);
    note("sent " + LogName(found.name) + " on request");
}

void SimCalculator::sendDirectory(SimPort &port)
{
    const size_t free = std::min<size_t>(memory_.freeBytes(), 0xFFFF);
    port.send(op::kData,
              std::vector<uint8_t>{static_cast<uint8_t>(free), static_cast<uint8_t>(free >> 8)});
    // Asking only for the free memory ends the listing here.
    if (port.receive(false).command != op::kAcknowledge) {
        return;
    }
    // The settings are always there, so the listing leaves them out.
    for (const auto &variable : memory_.variables()) {
        if (IsSettingsType(config_.model, variable.typeId)) {
            continue;
        }
        sendHeader(port, variable);
        expect(port, op::kAcknowledge);
    }
    port.send(op::kEnd);
    expect(port, op::kAcknowledge);
    note("sent the directory");
}

void SimCalculator::sendHeader(SimPort &port, const SimVariable &variable)
{
    port.send(op::kVariableHeader, HeaderData(variable));
}

void SimCalculator::sendDataAcknowledged(SimPort &port, const std::vector<uint8_t> &data)
{
    port.send(op::kData, data);
    expect(port, op::kAcknowledge);
}

bool SimCalculator::sendVariable(SimPort &port, const SimVariable &variable)
{
    sendHeader(port, variable);
    expect(port, op::kAcknowledge);
    // The computer may ask its own user what to do with a file it already has.
    SimPacket answer = port.receive(true);
    for (int resends = 0; answer.command == op::kSendAgain && resends < kSimResendRequests;
         ++resends) {
        port.resend();
        answer = port.receive(true);
    }
    if (answer.command == op::kSkipOrExit) {
        ack(port);
        const uint8_t why = answer.data.empty() ? reason::kExit : answer.data[0];
        note("the computer refused " + LogName(variable.name) + " with reason " +
             std::to_string(why));
        return why != reason::kExit;
    }
    if (answer.command != op::kContinue) {
        note("unexpected answer " + CommandText(answer.command) + " to a variable header");
        throw ExchangeEnded{};
    }
    ack(port);
    sendDataAcknowledged(port, variable.data);
    note("sent " + LogName(variable.name));
    return true;
}

void SimCalculator::sendBackup(SimPort &port, const SimBackup &backup)
{
    port.send(op::kVariableHeader, backup.header);
    expect(port, op::kAcknowledge);
    const SimPacket answer = port.receive(true);
    if (answer.command == op::kSkipOrExit) {
        ack(port);
        note("the computer refused the backup");
        return;
    }
    if (answer.command != op::kContinue) {
        note("unexpected answer " + CommandText(answer.command) + " to a backup header");
        throw ExchangeEnded{};
    }
    ack(port);
    for (const auto &part : backup.parts) {
        sendDataAcknowledged(port, part);
    }
    note("sent a backup");
}

void SimCalculator::sendFiles(SimPort &port, const std::vector<std::string> &fileNames)
{
    for (const auto &fileName : fileNames) {
        const auto file = memory_.readFile(fileName);
        if (!file) {
            note("cannot send " + fileName + ": not a variable file of the memory folder");
            continue;
        }
        if (file->backup) {
            // A backup travels alone, without an end of transmission.
            sendBackup(port, *file->backup);
            return;
        }
        for (const auto &variable : file->variables) {
            if (!sendVariable(port, variable)) {
                return;
            }
        }
    }
    port.send(op::kEnd);
    expect(port, op::kAcknowledge);
}

} // namespace vexil::link::calcsim
