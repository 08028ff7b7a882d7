// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated calculator against an independent computer side: Debian's TI
// link libraries send it every kind of variable and a backup, and receive each
// back, over a pseudo-terminal carrying TI-Graph Link bytes. What they store and
// read must be byte for byte what went in, so a calculator of the same
// behaviour would pass with them too.
#include "LibraryCable.h"
#include "base/FileIo.h"
#include "link/SimOnCable.h"
#include "link/calcsim/SimCalculator.h"
#include "support/ScratchFolder.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace vexil::link;
using namespace vexil::link::test;
namespace fs = std::filesystem;
namespace vf = vexil::varfile;
using calcsim::SimModel;

namespace {

vf::VarName Named(std::initializer_list<uint8_t> bytes)
{
    vf::VarName name{};
    std::copy(bytes.begin(), bytes.end(), name.begin());
    return name;
}

vf::Bytes Pattern(size_t size, uint8_t seed)
{
    vf::Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<uint8_t>(seed + i * 5);
    }
    return bytes;
}

// Token data and lists start with their own count.
vf::Bytes Counted(size_t count, size_t itemSize, uint8_t seed)
{
    vf::Bytes bytes = Pattern(2 + count * itemSize, seed);
    bytes[0] = static_cast<uint8_t>(count);
    bytes[1] = static_cast<uint8_t>(count >> 8);
    return bytes;
}

// A single file, which is its first and its last variable.
constexpr CalcMode kOneFile = static_cast<CalcMode>(MODE_SEND_ONE_VAR | MODE_SEND_LAST_VAR);

struct Kind {
    vf::VarEntry entry;
    char letter;
};

// One variable of every kind the model has.
std::vector<Kind> EveryKind(bool ti82)
{
    std::vector<Kind> kinds = {
        {{0x00, Named({'A'}), Pattern(9, 1)}, 'n'},
        {{0x01, Named({0x5D, 0x01}), Counted(3, 9, 2)}, 'l'},
        {{0x02, Named({0x5C, 0x01}), Pattern(2 + 4 * 9, 3)}, 'm'},
        {{0x03, Named({0x5E, 0x10}), Counted(3, 1, 4)}, 'y'},
        {{0x05, Named({'H', 'E', 'L', 'L', 'O'}), Counted(20, 1, 5)}, 'p'},
        {{0x06, Named({'L', 'O', 'C', 'K'}), Counted(300, 1, 6)}, 'p'},
        {{0x07, Named({0x60, 0x09}), Counted(378, 2, 7)}, 'i'},
        {{0x08, Named({0x61, 0x02}), Counted(59, 2, 8)}, 'd'},
    };
    const vf::VarName settings =
        vf::SettingsVarName(ti82 ? vf::CalcModel::TI82 : vf::CalcModel::TI83);
    const uint8_t window = ti82 ? 0x0B : 0x0F;
    kinds.push_back({{window, settings, Pattern(2 + 10 * 9, 9)}, 'w'});
    kinds.push_back({{uint8_t(window + 1), settings, Pattern(2 + 10 * 9, 10)}, 'z'});
    kinds.push_back({{uint8_t(window + 2), settings, Pattern(2 + 2 * 9, 11)}, 't'});
    if (!ti82) {
        kinds.push_back({{0x04, Named({0xAA, 0x03}), Counted(2, 1, 12)}, 's'});
        kinds.push_back({{0x0C, Named({'C'}), Pattern(18, 13)}, 'c'});
        kinds.push_back({{0x0D, Named({0x5D, 'X', 'Y'}), Counted(2, 18, 14)}, 'l'});
    }
    return kinds;
}

class CrossCheck : public ::testing::TestWithParam<SimModel> {
protected:
    static void SetUpTestSuite()
    {
        // The libraries report every zero-length read they are asked for; only
        // their results count here.
        for (const char *domain : {"ticables", "ticalcs", "tifiles"}) {
            g_log_set_handler(
                domain, G_LOG_LEVEL_MASK, [](auto...) {}, nullptr);
        }
        tifiles_library_init();
        ticables_library_init();
        ticalcs_library_init();
    }

    void SetUp() override
    {
        fs::create_directories(dir_ / "memory");
        fs::create_directories(dir_ / "pc");
        ASSERT_EQ(::openpty(&master_, &slave_, nullptr, nullptr, nullptr), 0);
        termios tio{};
        ::tcgetattr(slave_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(slave_, TCSANOW, &tio);

        calcsim::SimConfig config;
        config.model = GetParam();
        config.memoryDir = dir_ / "memory";
        config.serialFd = master_;
        config.duplicate = calcsim::DuplicateRule::Overwrite;
        config.screen.fill(0);
        config.screen[0] = 0xC0;
        config.screen[767] = 0x03;
        sim_.start(config);

        cable_ = OpenLibraryCable(slave_);
        ASSERT_NE(cable_, nullptr);
        calc_ = ticalcs_handle_new(ti82() ? CALC_TI82 : CALC_TI83);
        ASSERT_EQ(ticalcs_cable_attach(calc_, cable_), 0);
    }

    void TearDown() override
    {
        sim_.stop();
        if (calc_) {
            ticalcs_cable_detach(calc_);
            ticalcs_handle_del(calc_);
        }
        if (cable_) {
            CloseLibraryCable(cable_);
        }
        ::close(slave_);
        ::close(master_);
    }

    bool ti82() const { return GetParam() == SimModel::TI82; }
    vf::CalcModel model() const { return ti82() ? vf::CalcModel::TI82 : vf::CalcModel::TI83; }
    std::string ext(char letter) const { return std::string(ti82() ? ".82" : ".83") + letter; }

    fs::path writeFile(const fs::path &path, const vf::VarEntry &entry)
    {
        const auto bytes =
            vf::BuildVarFile(model(), vf::WriterComment(vf::CommentWriter::Group), {entry});
        EXPECT_TRUE(bytes);
        EXPECT_FALSE(vexil::base::WriteFileAtomically(path, *bytes));
        return path;
    }
    vf::VarFileContents readFile(const fs::path &path)
    {
        const auto read = vexil::base::ReadWholeFile(path);
        EXPECT_TRUE(read.ok()) << path;
        return vf::ParseVarFile(read.bytes);
    }

    std::string logText() const
    {
        std::string text;
        for (const auto &line : sim_->log()) {
            text += line + "\n";
        }
        return text;
    }
    fs::path memoryDir() const { return dir_ / "memory"; }
    fs::path pcDir() const { return dir_ / "pc"; }

    SimOnCable sim_;
    CalcHandle *calc_ = nullptr;

private:
    vexil::testing::ScratchFolder scratch_;
    const fs::path dir_ = scratch_.path();
    int master_ = -1;
    int slave_ = -1;
    CableHandle *cable_ = nullptr;
};

std::string ModelName(const ::testing::TestParamInfo<SimModel> &info)
{
    return info.param == SimModel::TI82 ? "TI82" : "TI83";
}

} // namespace

TEST_P(CrossCheck, EveryKindOfVariableGoesBothWays)
{
    const auto kinds = EveryKind(ti82());
    int n = 0;
    for (const auto &[entry, letter] : kinds) {
        SCOPED_TRACE(int(entry.typeId));
        const fs::path file = writeFile(pcDir() / ("v" + std::to_string(n++) + ext(letter)), entry);
        ASSERT_EQ(ticalcs_calc_send_var2(calc_, kOneFile, file.c_str()), 0);
        const auto *held = sim_->memory().find(entry.typeId, entry.name);
        ASSERT_NE(held, nullptr);
        EXPECT_EQ(held->data, entry.data);
    }
    // Every kind is a variable of its own: the three settings among them.
    EXPECT_EQ(sim_->memory().variables().size(), kinds.size());
    // The TI-82 takes them in its Link menu, the TI-83 silently.
    const auto log = sim_->log();
    const std::string hello =
        ti82() ? "received HELLO into HELLO.82p" : "received HELLO silently into HELLO.83p";
    EXPECT_NE(std::find(log.begin(), log.end(), hello), log.end());

    n = 0;
    for (const auto &[entry, letter] : kinds) {
        SCOPED_TRACE(int(entry.typeId));
        const fs::path back = pcDir() / ("back" + std::to_string(n++) + ext(letter));
        if (ti82()) {
            // The TI-82 sends only from its menu: the user picks the variable.
            const std::string name = "out" + std::to_string(n) + ext(letter);
            writeFile(memoryDir() / name, entry);
            sim_->queueSend({name});
            VarEntry *received = nullptr;
            ASSERT_EQ(ticalcs_calc_recv_var_ns2(calc_, MODE_NORMAL, back.c_str(), &received), 0);
            tifiles_ve_delete(received);
        } else {
            VarRequest request{};
            std::memcpy(request.name, entry.name.data(), entry.name.size());
            request.type = entry.typeId;
            request.size = static_cast<uint32_t>(entry.data.size());
            ASSERT_EQ(ticalcs_calc_recv_var2(calc_, MODE_NORMAL, back.c_str(), &request), 0);
        }
        const auto contents = readFile(back);
        ASSERT_EQ(contents.entries.size(), 1u);
        EXPECT_EQ(contents.entries[0].typeId, entry.typeId);
        EXPECT_EQ(contents.entries[0].name, entry.name);
        EXPECT_EQ(contents.entries[0].data, entry.data);
    }
}

TEST_P(CrossCheck, BackupsGoBothWays)
{
    const uint8_t type = ti82() ? 0x0F : 0x13;
    const std::array<vf::Bytes, 3> parts{Pattern(300, 1), Pattern(700, 2), Pattern(40, 3)};
    vf::Bytes section{9, 0, 44, 1, type, 188, 2, 40, 0, 0x24, 0x8D};
    for (const auto &part : parts) {
        section.push_back(static_cast<uint8_t>(part.size()));
        section.push_back(static_cast<uint8_t>(part.size() >> 8));
        section.insert(section.end(), part.begin(), part.end());
    }
    const fs::path file = pcDir() / ("mem" + ext('b'));
    ASSERT_FALSE(vexil::base::WriteFileAtomically(
        file, *vf::BuildVarFileFromSection(model(), vf::WriterComment(vf::CommentWriter::Group),
                                           section)));
    ASSERT_EQ(ticalcs_calc_send_backup2(calc_, file.c_str()), 0);
    const auto stored = sim_->memory().readFile("Backup" + ext('b'));
    ASSERT_TRUE(stored && stored->backup);
    for (size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(stored->backup->parts[i], parts[i]) << i;
    }

    // Back to the computer: from the TI-82's menu, or asked for from the TI-83,
    // which backs up what it holds.
    std::array<vf::Bytes, 3> expected = parts;
    if (ti82()) {
        sim_->queueSend({"Backup" + ext('b')});
    } else {
        const auto made = sim_->memory().makeBackup();
        std::copy(made.parts.begin(), made.parts.end(), expected.begin());
    }
    const fs::path back = pcDir() / ("back" + ext('b'));
    ASSERT_EQ(ticalcs_calc_recv_backup2(calc_, back.c_str()), 0) << logText();
    const auto contents = readFile(back);
    ASSERT_EQ(contents.entries.size(), 1u);
    EXPECT_EQ(contents.entries[0].headerLength, 9);
    EXPECT_EQ(contents.entries[0].data, expected[0]);
    ASSERT_EQ(contents.entries[0].backupParts.size(), 2u);
    EXPECT_EQ(contents.entries[0].backupParts[0], expected[1]);
    EXPECT_EQ(contents.entries[0].backupParts[1], expected[2]);
}

TEST_P(CrossCheck, ScreenAndDirectory)
{
    CalcScreenCoord coord{};
    coord.format = SCREEN_CLIPPED;
    uint8_t *bitmap = nullptr;
    ASSERT_EQ(ticalcs_calc_recv_screen(calc_, &coord, &bitmap), 0);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(coord.width, 96u);
    EXPECT_EQ(bitmap[0], 0xC0);
    EXPECT_EQ(bitmap[coord.width * coord.height / 8 - 1], 0x03);
    ticalcs_free_screen(bitmap);
    if (ti82()) {
        return; // the TI-82 lists nothing
    }

    for (const auto &[entry, letter] : EveryKind(false)) {
        const fs::path file =
            writeFile(pcDir() / ("d" + std::to_string(entry.typeId) + ext(letter)), entry);
        ASSERT_EQ(ticalcs_calc_send_var2(calc_, kOneFile, file.c_str()), 0);
    }
    GNode *vars = nullptr;
    GNode *apps = nullptr;
    ASSERT_EQ(ticalcs_calc_get_dirlist(calc_, &vars, &apps), 0);
    // Listed once each: the library adds the settings itself, as the calculator
    // leaves them out.
    EXPECT_EQ(ticalcs_dirlist_ve_count(vars), sim_->memory().variables().size());
    for (const auto &v : sim_->memory().variables()) {
        if (v.typeId >= 0x0F && v.typeId <= 0x11) {
            continue; // listed under the library's own names
        }
        VarEntry like{};
        std::memcpy(like.name, v.name.data(), v.name.size());
        like.type = v.typeId;
        EXPECT_NE(ticalcs_dirlist_ve_exist(vars, &like), nullptr) << int(v.typeId);
    }
    ticalcs_dirlist_destroy(&vars);
    ticalcs_dirlist_destroy(&apps);
}

INSTANTIATE_TEST_SUITE_P(Models, CrossCheck, ::testing::Values(SimModel::TI82, SimModel::TI83),
                         ModelName);
