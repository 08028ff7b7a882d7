// SPDX-License-Identifier: GPL-3.0-or-later
// The computer end of the virtual cable, with the simulated calculator on the
// other end in a thread, in a fresh folder per test.
#pragma once

#include "../RecordingHost.h"
#include "../SimOnCable.h"
#include "base/FileIo.h"
#include "link/Link.h"
#include "link/LinkDevice.h"
#include "link/calcsim/SimCalculator.h"
#include "link/transfer/TransferView.h"
#include "support/ScratchFolder.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

namespace vexil::link::test {

// Records what a transfer shows and answers the exists question from a script.
class ScriptedView final : public transfer::TransferView {
public:
    void setCaption(const std::string &caption) override { captions.push_back(caption); }
    void setFileNumber(const std::string &text) override { fileNumbers.push_back(text); }
    void showDescription(const std::string &text) override { descriptions.push_back(text); }
    void hideDescription() override { ++hides; }
    transfer::ExistsAnswer askExists(const std::string &message) override
    {
        questions.push_back(message);
        if (answers.empty()) {
            return {transfer::ExistsChoice::Omit, {}};
        }
        auto answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    std::vector<std::string> captions, fileNumbers, descriptions, questions;
    std::vector<transfer::ExistsAnswer> answers;
    int hides = 0;
};

class SimFixture : public ::testing::TestWithParam<calcsim::SimModel> {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir_ / "memory");
        std::filesystem::create_directories(dir_ / "pc");
        config.model = GetParam();
        config.cablePath = VirtualCablePath(dir_).string();
        config.memoryDir = dir_ / "memory";
        link.setProgramDir(dir_);
        ASSERT_EQ(link.LinkInit(0, kPortVirtualCable), "");
        // A test that goes wrong is stopped the way a user would stop it.
        const auto started = std::chrono::steady_clock::now();
        host.onPump = [this, started] {
            if (onPump) {
                onPump();
            }
            if (host.pumps % 4096 == 0 &&
                std::chrono::steady_clock::now() - started > std::chrono::seconds(60)) {
                link.Cancel();
            }
        };
    }

    void TearDown() override { sim_.stop(); }

    void startSim(std::vector<std::string> toSend = {}) { sim_.start(config, std::move(toSend)); }

    bool ti82() const { return GetParam() == calcsim::SimModel::TI82; }
    varfile::CalcModel model() const
    {
        return ti82() ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
    }
    std::string ext(char letter) const { return std::string(ti82() ? ".82" : ".83") + letter; }
    std::filesystem::path pcDir() const { return dir_ / "pc"; }
    std::filesystem::path memoryDir() const { return dir_ / "memory"; }

    // A variable file written on the computer side.
    std::filesystem::path writeFile(const std::string &name,
                                    const std::vector<varfile::VarEntry> &entries,
                                    const std::filesystem::path &folder = {})
    {
        const auto bytes = varfile::BuildVarFile(
            model(), varfile::WriterComment(varfile::CommentWriter::Group), entries);
        const auto path = (folder.empty() ? pcDir() : folder) / name;
        EXPECT_TRUE(bytes);
        EXPECT_FALSE(base::WriteFileAtomically(path, *bytes));
        return path;
    }

    varfile::Bytes readBytes(const std::filesystem::path &path)
    {
        auto read = base::ReadWholeFile(path);
        EXPECT_TRUE(read.ok()) << path;
        return read.bytes;
    }

    calcsim::SimConfig config;
    RecordingHost host;
    Link link{host};
    ScriptedView view;
    SimOnCable sim_;
    std::function<void()> onPump;

private:
    vexil::testing::ScratchFolder scratch_;
    const std::filesystem::path dir_ = scratch_.path();
};

} // namespace vexil::link::test
