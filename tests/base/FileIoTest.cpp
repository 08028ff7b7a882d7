// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileIo.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vexil::base {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class FileIoTest : public ::testing::Test {
protected:
    // A test that would hang on a blocking open fails instead.
    void SetUp() override { ::alarm(20); }
    void TearDown() override { ::alarm(0); }

    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    vexil::testing::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.path();
};

// Runs `body` in a child process, as an ordinary user when the tests run as an
// administrator (who may write anything); true when it returned true.
bool InChildAsUser(const std::function<bool()> &body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(FileIoTest, WritesReplacesAndReadsBack)
{
    const fs::path target = folder_ / "PROG.82p";
    const Bytes first{1, 2, 3};
    ASSERT_FALSE(WriteFileAtomically(target, first));
    EXPECT_EQ(ReadWholeFile(target).bytes, first);

    // Replacing keeps the permissions the user gave the file, and leaves no
    // temporary file behind.
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const Bytes second(200000, 0x5A);
    ASSERT_FALSE(WriteFileAtomically(target, second));
    EXPECT_EQ(ReadWholeFile(target).bytes, second);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(), std::vector<std::string>{"PROG.82p"});

    // An empty file is a file too; text goes the same way.
    ASSERT_FALSE(WriteFileAtomically(target, Bytes{}));
    const ReadResult empty = ReadWholeFile(target);
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.bytes.empty());
    ASSERT_FALSE(WriteFileAtomically(target, std::string_view("text\r\n")));
    EXPECT_EQ(ReadWholeFile(target).text(), "text\r\n");
}

TEST_F(FileIoTest, AnyLegalNameCanBeWritten)
{
    // The temporary file's name does not grow with the target's.
    for (std::size_t length : {249u, 254u, 255u}) {
        const fs::path target = folder_ / std::string(length, 'n');
        ASSERT_FALSE(WriteFileAtomically(target, Bytes{7})) << length;
        EXPECT_EQ(ReadWholeFile(target).bytes, Bytes{7});
        fs::remove(target);
    }
    EXPECT_TRUE(entries().empty());
}

TEST_F(FileIoTest, FailuresLeaveTargetAndFolderAlone)
{
    // A folder that does not exist: the error names the path, nothing is created.
    const fs::path missing = folder_ / "nowhere" / "X.82p";
    const auto error = WriteFileAtomically(missing, Bytes{1});
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("X.82p"), std::string::npos);
    EXPECT_TRUE(entries().empty());

    // A folder in the target's place is refused and left as it is.
    const fs::path folderTarget = folder_ / "sub";
    fs::create_directories(folderTarget / "inner");
    const auto refused = WriteFileAtomically(folderTarget, Bytes{1});
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->problem, IoProblem::NotRegularFile);
    EXPECT_TRUE(fs::is_directory(folderTarget / "inner"));
    EXPECT_EQ(entries(), std::vector<std::string>{"sub"});

    // Reading a missing file or a folder is an error, not an empty file.
    EXPECT_FALSE(ReadWholeFile(folder_ / "absent").ok());
    EXPECT_FALSE(ReadWholeFile(folderTarget).ok());
}

TEST_F(FileIoTest, WriterInPiecesReplacesTheTargetOnlyOnCommit)
{
    const fs::path target = folder_ / "prog.lst";
    ASSERT_FALSE(WriteFileAtomically(target, std::string_view("old listing")));
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    {
        AtomicFileWriter writer(target);
        writer.append(std::string_view("first "));
        writer.append(Bytes(70000, 'x'));
        // Until the commit the old file is what a reader sees.
        EXPECT_EQ(vexil::testing::ReadText(target), "old listing");
        EXPECT_EQ(entries().size(), 2u);
        writer.append(std::string_view(" last"));
        ASSERT_FALSE(writer.commit());
    }
    EXPECT_EQ(vexil::testing::ReadText(target), "first " + std::string(70000, 'x') + " last");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(), std::vector<std::string>{"prog.lst"});

    // Dropped without a commit, as when the work feeding it stops, a writer leaves
    // the target and the folder as they were.
    {
        AtomicFileWriter writer(target);
        writer.append(std::string_view("half"));
    }
    EXPECT_EQ(vexil::testing::ReadText(target).size(), 70011u);
    EXPECT_EQ(entries(), std::vector<std::string>{"prog.lst"});
}

TEST_F(FileIoTest, WriterFailuresShowInCommitAndLeaveNothing)
{
    // A target that cannot be opened: the pieces go nowhere, the commit says why.
    AtomicFileWriter nowhere(folder_ / "nowhere" / "prog.lst");
    nowhere.append(std::string_view("text"));
    const WriteResult missing = nowhere.commit();
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->message.find("prog.lst"), std::string::npos);
    EXPECT_TRUE(entries().empty());

    // A write that fails part-way, here at the file-size limit, fails the commit,
    // and the good file stays.
    const fs::path target = folder_ / "keep.txt";
    ASSERT_FALSE(WriteFileAtomically(target, std::string_view("good")));
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        AtomicFileWriter writer(target);
        writer.append(Bytes(3000, 1));
        writer.append(Bytes(3000, 2));
        writer.append(Bytes(10, 3));
        const WriteResult result = writer.commit();
        ::_exit(result && result->message.find("keep.txt") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(vexil::testing::ReadText(target), "good");
    EXPECT_EQ(entries(), std::vector<std::string>{"keep.txt"});
}

TEST_F(FileIoTest, ReadsRefuseWhatIsNotARegularFileOrTooLarge)
{
    // A pipe nobody writes to is refused at once instead of waited on, and so is a
    // device that never ends.
    const fs::path pipe = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const ReadResult fromPipe = ReadWholeFile(pipe);
    ASSERT_FALSE(fromPipe.ok());
    EXPECT_EQ(fromPipe.error->problem, IoProblem::NotRegularFile);
    EXPECT_FALSE(ReadWholeFile("/dev/zero").ok());

    // The limit is checked before the file is read; a file of exactly the limit is
    // still read whole.
    const fs::path exact = folder_ / "exact";
    ASSERT_FALSE(WriteFileAtomically(exact, Bytes(100, 7)));
    EXPECT_EQ(ReadWholeFile(exact, 100).bytes.size(), 100u);
    const ReadResult over = ReadWholeFile(exact, 99);
    ASSERT_FALSE(over.ok());
    EXPECT_EQ(over.error->problem, IoProblem::TooLarge);
    EXPECT_NE(over.error->message.find("larger than 99 bytes"), std::string::npos);
    EXPECT_TRUE(over.bytes.empty());
}

TEST_F(FileIoTest, SavesThroughLinksUnlessTold)
{
    // The file a link points at gets the bytes; the link stays a link.
    const fs::path real = folder_ / "REAL.82p";
    const fs::path link = folder_ / "LINK.82p";
    ASSERT_FALSE(WriteFileAtomically(real, Bytes{1}));
    fs::create_symlink(real.filename(), link);
    ASSERT_FALSE(WriteFileAtomically(link, Bytes{2, 3}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(real).bytes, (Bytes{2, 3}));

    // A name someone else chose is never written through: the link and its file
    // stay as they are.
    const auto refused = WriteFileAtomically(link, Bytes{4}, AtSymlink::Refuse);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->problem, IoProblem::SymbolicLink);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(real).bytes, (Bytes{2, 3}));

    // A link to nothing is replaced, not followed to wherever it points.
    const fs::path dangling = folder_ / "DANGLING.82p";
    fs::create_symlink(folder_ / "elsewhere" / "x", dangling);
    ASSERT_FALSE(WriteFileAtomically(dangling, Bytes{5}));
    EXPECT_FALSE(fs::is_symlink(dangling));
    EXPECT_FALSE(fs::exists(folder_ / "elsewhere"));
    EXPECT_EQ(entries(), (std::vector<std::string>{"DANGLING.82p", "LINK.82p", "REAL.82p"}));
}

TEST_F(FileIoTest, RespectsReadOnlyFiles)
{
    // A read-only file is not replaced behind its owner's back.
    const fs::path real = folder_ / "REAL.82p";
    ASSERT_FALSE(WriteFileAtomically(real, Bytes{2, 3}));
    ASSERT_EQ(::chmod(real.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder_.c_str(), 0777), 0);
    EXPECT_TRUE(InChildAsUser([&] {
        const auto refused = WriteFileAtomically(real, Bytes{4});
        return refused && refused->message.find("REAL.82p") != std::string::npos;
    }));
    EXPECT_EQ(ReadWholeFile(real).bytes, (Bytes{2, 3}));
    EXPECT_EQ(entries(), std::vector<std::string>{"REAL.82p"});
}

TEST_F(FileIoTest, PipesAndDevicesAreWrittenInPlaceOrRefused)
{
    // A pipe with a reader gets the bytes and stays a pipe; one without is refused
    // instead of waited for.
    const fs::path pipe = folder_ / "out.82p";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto unread = WriteFileAtomically(pipe, Bytes{1});
    ASSERT_TRUE(unread);
    EXPECT_NE(unread->message.find("no program reads from it"), std::string::npos);
    std::string received;
    std::thread reader([&] { received = vexil::testing::ReadText(pipe); });
    // The reader's open completes once the writer opens; retry until it is there.
    WriteResult written = WriteFileAtomically(pipe, std::string_view("data"));
    for (int tries = 0; written && tries < 200; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        written = WriteFileAtomically(pipe, std::string_view("data"));
    }
    // A reader still waiting in its open is let go, so a failure cannot hang.
    if (const int release = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK); release >= 0) {
        ::close(release);
    }
    reader.join();
    EXPECT_FALSE(written);
    EXPECT_EQ(received, "data");
    EXPECT_TRUE(fs::is_fifo(pipe));

    // A link to a process's open file, as /dev/stdout is, reaches that file itself.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const fs::path stdoutLike = folder_ / "stdout";
    fs::create_symlink("/proc/self/fd/" + std::to_string(ends[1]), stdoutLike);
    ASSERT_FALSE(WriteFileAtomically(stdoutLike, std::string_view("piped")));
    char got[8] = {};
    EXPECT_EQ(::read(ends[0], got, sizeof got), 5);
    EXPECT_EQ(std::string(got), "piped");
    EXPECT_TRUE(fs::is_symlink(stdoutLike));
    ::close(ends[0]);
    ::close(ends[1]);

    const fs::path redirected = folder_ / "redirected.txt";
    const int file = ::open(redirected.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(file, 0);
    struct stat before {};
    ASSERT_EQ(::fstat(file, &before), 0);
    const fs::path fileLink = folder_ / "fd-link";
    fs::create_symlink("/proc/self/fd/" + std::to_string(file), fileLink);
    ASSERT_FALSE(WriteFileAtomically(fileLink, std::string_view("same file")));
    struct stat after {};
    ASSERT_EQ(::stat(redirected.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(vexil::testing::ReadText(redirected), "same file");
    ::close(file);

    // A socket is nothing a file can replace.
    const fs::path socketPath = folder_ / "socket";
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.string().size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    EXPECT_TRUE(WriteFileAtomically(socketPath, Bytes{1}));
    EXPECT_TRUE(fs::is_socket(socketPath));
    ::close(listening);
}

TEST_F(FileIoTest, DeviceNodesAreNeverReplaced)
{
    // Making device nodes takes an administrator; /dev itself is not ours to risk.
    const fs::path nullDevice = folder_ / "null";
    const fs::path fullDevice = folder_ / "full";
    if (::mknod(nullDevice.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0 ||
        ::mknod(fullDevice.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) != 0) {
        GTEST_SKIP() << "cannot make device nodes here";
    }
    EXPECT_FALSE(WriteFileAtomically(nullDevice, Bytes{1, 2}));
    const auto full = WriteFileAtomically(fullDevice, Bytes{1, 2});
    ASSERT_TRUE(full);
    EXPECT_NE(full->message.find("No space left"), std::string::npos);
    EXPECT_TRUE(fs::is_character_file(nullDevice));
    EXPECT_TRUE(fs::is_character_file(fullDevice));
    EXPECT_EQ(entries(), (std::vector<std::string>{"full", "null"}));
}

TEST_F(FileIoTest, KilledSaveLeavesOnlyItsTemporaryWhichTheNextSaveRemoves)
{
    const fs::path target = folder_ / "keep.txt";
    ASSERT_FALSE(WriteFileAtomically(target, std::string_view("good")));
    // The child is killed by its file-size limit part-way through the save.
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        [[maybe_unused]] const auto never = WriteFileAtomically(target, Bytes(100000, 1));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(vexil::testing::ReadText(target), "good");
    std::vector<std::string> left = entries();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_TRUE(IsWriteTemporaryName(left[0]));

    // A temporary file still locked is a save in progress and stays; the stale one
    // goes with the next save in the folder, and so does nothing else of anyone's.
    const fs::path busy = folder_ / ".vexil-BusyBusy00.tmp";
    ASSERT_FALSE(WriteFileAtomically(busy, Bytes{}));
    const int held = ::open(busy.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    fs::create_symlink(target, folder_ / ".vexil-Planted000.tmp");
    vexil::testing::WriteText(folder_ / ".vexil-user.tmp", "not ours");
    ASSERT_FALSE(WriteFileAtomically(folder_ / "other.txt", std::string_view("x")));
    EXPECT_EQ(entries(), (std::vector<std::string>{".vexil-BusyBusy00.tmp", ".vexil-Planted000.tmp",
                                                   ".vexil-user.tmp", "keep.txt", "other.txt"}));
    EXPECT_EQ(vexil::testing::ReadText(target), "good");
    ::close(held);
}

} // namespace
} // namespace vexil::base
