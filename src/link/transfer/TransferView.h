// SPDX-License-Identifier: GPL-3.0-or-later
// What a send or receive shows besides the packet layer's status line and gauge:
// the caption, the file number of a list, the variable's description line, and
// the question asked when a received file already exists.
#pragma once

#include <stdexcept>
#include <string>

namespace vexil::link::transfer {

enum class ExistsChoice { Rename, Overwrite, Omit, Quit };

struct ExistsAnswer {
    ExistsChoice choice = ExistsChoice::Omit;
    std::string newName; // what was typed, for Rename
};

class TransferView {
public:
    virtual ~TransferView() = default;
    virtual void setCaption(const std::string &caption) = 0;
    // "2 of 5" while a list is sent.
    virtual void setFileNumber(const std::string &text) = 0;
    virtual void showDescription(const std::string &text) = 0;
    virtual void hideDescription() = 0;
    // `message` names the file; the answer says what to do with the variable.
    virtual ExistsAnswer askExists(const std::string &message) = 0;
};

// Shows nothing and omits every variable whose file already exists.
class QuietView : public TransferView {
public:
    void setCaption(const std::string &) override {}
    void setFileNumber(const std::string &) override {}
    void showDescription(const std::string &) override {}
    void hideDescription() override {}
    ExistsAnswer askExists(const std::string &) override { return {ExistsChoice::Omit, {}}; }
};

// A file to send that cannot be read or is too short for what it claims to hold,
// or a received file that cannot be written. The message names the file.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vexil::link::transfer
