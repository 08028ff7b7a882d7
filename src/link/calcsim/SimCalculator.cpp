// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimCalculator.h"

#include <algorithm>

namespace vexil::link::calcsim {

namespace {

constexpr uint8_t kDirectoryType = 0x19;

Name nameOf(const Packet &header)
{
    Name name{};
    if (header.size() >= 15)
        std::copy_n(header.begin() + 7, 8, name.begin());
    return name;
}

std::string backupName(bool ti82)
{
    return ti82 ? "Backup.82b" : "Backup.83b";
}

std::string nameText(const Name &name)
{
    std::string text;
    for (uint8_t b : name) {
        if (b == 0)
            break;
        text += b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '?';
    }
    return text;
}

std::vector<uint8_t> dataOf(const Packet &packet)
{
    if (packet.size() < 6)
        return {};
    return {packet.begin() + 4, packet.end() - 2};
}

} // namespace

SimCalculator::SimCalculator(SimConfig config)
    : config_(std::move(config)),
      memory_(config_.memoryDir, config_.model == SimModel::TI82 ? machine::kTI82 : machine::kTI83,
              config_.freeBytes)
{
}

uint8_t SimCalculator::id() const
{
    return config_.model == SimModel::TI82 ? machine::kTI82 : machine::kTI83;
}

std::string SimCalculator::start()
{
    std::error_code ec;
    if (!std::filesystem::is_directory(config_.memoryDir, ec))
        return "The memory folder " + config_.memoryDir.string() + " does not exist.";
    for (const auto &file : memory_.load())
        note("ignored " + file + ": not a variable file");
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
    CableWire wire(config_.cablePath, stop, std::chrono::milliseconds(config_.exchangeTimeoutMs));
    if (!wire.ok()) {
        note("cannot open the cable " + config_.cablePath + ": " + wire.error());
        return false;
    }
    serve(wire, stop);
    return true;
}

void SimCalculator::serve(SimWire &wire, const std::atomic<bool> &stop)
{
    SimPort port(wire, id(), stop, config_.faults);
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
                }))
                serveOne(port, port.receive(true));
        } catch (const ExchangeEnded &) {
            if (!stop.load())
                note("exchange ended");
        }
    }
}

Packet SimCalculator::expect(SimPort &port, uint8_t command)
{
    for (;;) {
        Packet p = port.receive(false);
        if (p[1] == command)
            return p;
        if (p[1] == command::kChecksumError) {
            port.resend();
            continue;
        }
        note("expected command " + std::to_string(command) + ", got " + std::to_string(p[1]));
        throw ExchangeEnded{};
    }
}

void SimCalculator::ack(SimPort &port, uint16_t echo)
{
    port.send(headerPacket(id(), command::kAck, echo));
}

bool SimCalculator::isBackupType(uint8_t typeId) const
{
    return typeId == (config_.model == SimModel::TI82 ? 0x0F : 0x13);
}

void SimCalculator::serveOne(SimPort &port, Packet packet)
{
    const bool ti83 = config_.model == SimModel::TI83;
    switch (packet[1]) {
    case command::kVarHeader:
        receiveVariables(port, std::move(packet));
        break;
    case command::kRequestToSend:
        if (ti83)
            receiveSilently(port, packet);
        break;
    case command::kScreenRequest:
        ack(port);
        sendScreen(port);
        break;
    case command::kRequest:
        answerRequest(port, packet);
        break;
    case command::kKey:
        if (ti83) {
            ack(port, lengthField(packet));
            note("key " + std::to_string(lengthField(packet)));
        }
        break;
    case command::kReady:
        if (ti83)
            ack(port);
        break;
    case command::kChecksumError:
        // The computer found the last packet damaged, after the exchange had
        // nothing more to say (a screen, for one).
        port.resend();
        break;
    default:
        // A late acknowledgement or end of transmission needs no answer.
        break;
    }
}

void SimCalculator::receiveVariables(SimPort &port, Packet header)
{
    for (;;) {
        ack(port, lengthField(header));
        if (header.size() >= 13 && lengthField(header) == 9 && isBackupType(header[6])) {
            receiveBackup(port, header);
            return;
        }
        if (header.size() < 17) {
            note("variable header too short");
            throw ExchangeEnded{};
        }
        const SimVariable wanted{header[6], nameOf(header), {}};
        const size_t size = header[4] | header[5] << 8;
        uint8_t refusal = 0;
        if (memory_.find(wanted.name) && config_.duplicate != DuplicateRule::Overwrite)
            refusal = config_.duplicate == DuplicateRule::Skip ? refusal::kSkip : refusal::kExit;
        else if (size > memory_.freeBytes())
            refusal = refusal::kMemoryFull;
        if (refusal != 0) {
            port.send(refusalPacket(id(), refusal));
            expect(port, command::kAck);
            note("refused " + nameText(wanted.name) + " with reason " + std::to_string(refusal));
            if (refusal != refusal::kSkip)
                return;
        } else {
            port.send(headerPacket(id(), command::kClearToSend));
            expect(port, command::kAck);
            const Packet data = expect(port, command::kData);
            SimVariable variable = wanted;
            variable.data = dataOf(data);
            const auto path = memory_.store(variable);
            ack(port, lengthField(data));
            note("received " + nameText(variable.name) + " into " +
                 (path.empty() ? std::string("nothing (cannot write)") : path.filename().string()));
        }
        header = port.receive(false);
        if (header[1] == command::kEndOfTransmission) {
            ack(port);
            return;
        }
        if (header[1] != command::kVarHeader) {
            note("unexpected command " + std::to_string(header[1]) + " in a receive");
            return;
        }
    }
}

void SimCalculator::receiveBackup(SimPort &port, const Packet &header)
{
    // The user confirms the backup at the calculator's prompt.
    port.send(headerPacket(id(), command::kClearToSend));
    expect(port, command::kAck);
    SimBackup backup;
    std::copy_n(header.begin() + 4, 9, backup.header.begin());
    for (size_t i = 0; i < backup.parts.size(); ++i) {
        const Packet data = expect(port, command::kData);
        backup.parts[i] = dataOf(data);
        // Stored before the last acknowledgement, as a calculator has it in
        // memory by the time it answers.
        if (i + 1 == backup.parts.size() && memory_.storeBackup(backup).empty())
            note("cannot write the received backup");
        ack(port, lengthField(data));
    }
    const std::filesystem::path path =
        memory_.folderPath() / backupName(config_.model == SimModel::TI82);
    note("received a backup into " + path.filename().string());
}

void SimCalculator::receiveSilently(SimPort &port, const Packet &header)
{
    ack(port, lengthField(header));
    if (header.size() >= 13 && lengthField(header) == 9 && isBackupType(header[6])) {
        receiveBackup(port, header);
        return;
    }
    if (header.size() < 17)
        throw ExchangeEnded{};
    const size_t size = header[4] | header[5] << 8;
    if (size > memory_.freeBytes()) {
        port.send(refusalPacket(id(), refusal::kMemoryFull));
        expect(port, command::kAck);
        note("refused " + nameText(nameOf(header)) + ": memory full");
        return;
    }
    port.send(headerPacket(id(), command::kClearToSend));
    expect(port, command::kAck);
    const Packet data = expect(port, command::kData);
    // A silent send overwrites without asking.
    SimVariable variable{header[6], nameOf(header), dataOf(data)};
    const auto path = memory_.store(variable);
    ack(port, lengthField(data));
    note("received " + nameText(variable.name) + " silently into " + path.filename().string());
    // The closing end of transmission gets no acknowledgement.
    expect(port, command::kEndOfTransmission);
}

void SimCalculator::sendScreen(SimPort &port)
{
    port.send(dataPacket(id(), command::kData, config_.screen));
    note("sent the screen");
}

void SimCalculator::answerRequest(SimPort &port, const Packet &request)
{
    if (request.size() < 17) {
        note("request too short");
        throw ExchangeEnded{};
    }
    const bool ti83 = config_.model == SimModel::TI83;
    const uint8_t type = request[6];
    if (ti83 && type == kDirectoryType) {
        ack(port, lengthField(request));
        sendDirectory(port);
        return;
    }
    if (ti83 && isBackupType(type)) {
        ack(port, lengthField(request));
        sendBackup(port, memory_.makeBackup(), true);
        return;
    }
    ack(port, lengthField(request));
    const SimVariable *variable = memory_.find(type, nameOf(request));
    if (!variable) {
        port.send(refusalPacket(id(), refusal::kExit));
        expect(port, command::kAck);
        note("asked for " + nameText(nameOf(request)) + ", which does not exist");
        return;
    }
    port.send(headerFor(id(), *variable));
    expect(port, command::kAck);
    expect(port, command::kClearToSend);
    ack(port);
    sendDataAcknowledged(port, variable->data);
    note("sent " + nameText(variable->name) + " on request");
}

void SimCalculator::sendDirectory(SimPort &port)
{
    const size_t free = std::min<size_t>(memory_.freeBytes(), 0xFFFF);
    const std::vector<uint8_t> freeWord{static_cast<uint8_t>(free),
                                        static_cast<uint8_t>(free >> 8)};
    port.send(dataPacket(id(), command::kData, freeWord));
    // Asking only for the free memory ends the listing here.
    const Packet reply = port.receive(false);
    if (reply[1] != command::kAck)
        return;
    for (const auto &variable : memory_.variables()) {
        port.send(headerFor(id(), variable));
        expect(port, command::kAck);
    }
    port.send(headerPacket(id(), command::kEndOfTransmission));
    expect(port, command::kAck);
    note("sent the directory");
}

void SimCalculator::sendDataAcknowledged(SimPort &port, const std::vector<uint8_t> &data)
{
    port.send(dataPacket(id(), command::kData, data));
    expect(port, command::kAck);
}

bool SimCalculator::sendVariable(SimPort &port, const SimVariable &variable)
{
    port.send(headerFor(id(), variable));
    expect(port, command::kAck);
    Packet answer = port.receive(false);
    while (answer[1] == command::kChecksumError) {
        port.resend();
        answer = port.receive(false);
    }
    if (answer[1] == command::kRefusal) {
        ack(port);
        const uint8_t reason = answer.size() > 4 ? answer[4] : refusal::kExit;
        note("the computer refused " + nameText(variable.name) + " with reason " +
             std::to_string(reason));
        return reason != refusal::kExit;
    }
    if (answer[1] != command::kClearToSend) {
        note("unexpected answer " + std::to_string(answer[1]) + " to a variable header");
        throw ExchangeEnded{};
    }
    ack(port);
    sendDataAcknowledged(port, variable.data);
    note("sent " + nameText(variable.name));
    return true;
}

void SimCalculator::sendBackup(SimPort &port, const SimBackup &backup, bool expectClearToSend)
{
    port.send(dataPacket(id(), command::kVarHeader, backup.header));
    expect(port, command::kAck);
    if (expectClearToSend) {
        Packet answer = port.receive(false);
        if (answer[1] == command::kRefusal) {
            ack(port);
            note("the computer refused the backup");
            return;
        }
        if (answer[1] != command::kClearToSend) {
            note("unexpected answer " + std::to_string(answer[1]) + " to a backup header");
            throw ExchangeEnded{};
        }
        ack(port);
    }
    for (const auto &part : backup.parts)
        sendDataAcknowledged(port, part);
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
            sendBackup(port, *file->backup, true);
            return;
        }
        for (const auto &variable : file->variables) {
            if (!sendVariable(port, variable))
                return;
        }
    }
    port.send(headerPacket(id(), command::kEndOfTransmission));
    expect(port, command::kAck);
}

} // namespace vexil::link::calcsim
