// SPDX-License-Identifier: GPL-3.0-or-later
// The program around the assembler: command line, file names, exit codes, include
// search and what is left on disk after a failed run.
#include "tasm/CommandLine.h"
#include "tasm/Tasm.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

using namespace vexil::tasm;

namespace {

struct Outcome {
    int code = -1;
    std::string console;
};

Outcome RunInMemory(MemoryFileSystem &fs, std::vector<std::string> args, Environment env = {})
{
    Outcome r;
    r.code = RunTasm(args, env, fs, r.console);
    return r;
}

TEST(TasmCommandLine, OptionsAndNames)
{
    // -a takes a hexadecimal mask that replaces the default; alone it means all.
    EXPECT_EQ(ParseCommandLine({"-a13"}).options.checkMask, 0x13u);
    EXPECT_EQ(ParseCommandLine({"-a"}).options.checkMask, 0xFFu);
    EXPECT_EQ(ParseCommandLine({}).options.checkMask, 6u);
    // Letters are case-insensitive; -b implies a contiguous binary image.
    CommandLine cl = ParseCommandLine({"-B", "-I", "-dTI83P", "-dVAL=5", "-LA", "-fff"});
    EXPECT_EQ(cl.options.objectFormat, ObjectFormat::Binary);
    EXPECT_TRUE(cl.options.contiguous);
    EXPECT_TRUE(cl.options.ignoreCase);
    EXPECT_TRUE(cl.options.labelTableLocals);
    EXPECT_EQ(cl.options.fillByte, 0xFF);
    ASSERT_EQ(cl.options.defines.size(), 2u);
    EXPECT_EQ(cl.options.defines[1], (std::pair<std::string, std::string>{"VAL", "5"}));
    // -p outside 5..256 falls back to 60 lines.
    EXPECT_EQ(ParseCommandLine({"-p3"}).options.pageLength, 60);
    EXPECT_EQ(ParseCommandLine({"-p20"}).options.pageLength, 20);
    // Default output names drop only the extension of the source's file name.
    EXPECT_EQ(DefaultName("prog.asm", ".obj"), "prog.obj");
    EXPECT_EQ(DefaultName("./prog.asm", ".lst"), "./prog.lst");
    EXPECT_EQ(DefaultName("dir.v2/prog", ".lst"), "dir.v2/prog.lst");
    EXPECT_EQ(DefaultName("my.prog.z80", ".sym"), "my.prog.sym");
}

TEST(TasmRun, ExitCodesAndConsole)
{
    MemoryFileSystem fs;
    fs.files["ok.asm"] = " .org 0\n nop\n .end\n";
    fs.files["bad.asm"] = " .org 0\n frob\n .end\n";

    // Clean run: 0, and Intel hex by default under the default object name.
    Outcome ok = RunInMemory(fs, {"-80", "ok.asm"});
    EXPECT_EQ(ok.code, 0);
    EXPECT_EQ(fs.files["ok.obj"], ":0100000000FF\n:00000001FF\n");
    EXPECT_TRUE(fs.files.count("ok.lst"));

    // Assembly errors: 1, and the object is still written.
    Outcome bad = RunInMemory(fs, {"-80", "-b", "bad.asm", "bad.bin"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(fs.files.count("bad.bin"));

    // A missing source or include: 3, and the outputs of an earlier run stay as
    // they were (named or default names alike).
    fs.files["keep.obj"] = "old object";
    fs.files["keep.lst"] = "old listing";
    fs.files["gone.obj"] = "old default object";
    fs.files["noinc.asm"] = " .org 0\n nop\n#include \"nowhere.inc\"\n .end\n";
    Outcome missing = RunInMemory(fs, {"-80", "-b", "gone.asm", "keep.obj", "keep.lst"});
    EXPECT_EQ(missing.code, 3);
    EXPECT_NE(missing.console.find("tasm: source file open error on gone.asm"), std::string::npos);
    EXPECT_EQ(RunInMemory(fs, {"-80", "-b", "noinc.asm", "keep.obj", "keep.lst"}).code, 3);
    EXPECT_EQ(RunInMemory(fs, {"-80", "gone.asm"}).code, 3);
    EXPECT_EQ(fs.files["keep.obj"], "old object");
    EXPECT_EQ(fs.files["keep.lst"], "old listing");
    EXPECT_EQ(fs.files["gone.obj"], "old default object");
    EXPECT_FALSE(fs.files.count("gone.lst") || fs.files.count("noinc.lst"));

    // Unknown options (including the retired -r) are noticed before the banner and
    // change nothing.
    Outcome old = RunInMemory(fs, {"-80", "-R16", "-w", "ok.asm"});
    EXPECT_EQ(old.code, 0);
    EXPECT_EQ(old.console.rfind("tasm: unknown option flag = -R16\n"
                                "tasm: unknown option flag = -w\n",
                                0),
              0u);

    // An output named like the source is refused before anything is written.
    std::string source = fs.files["ok.asm"];
    EXPECT_EQ(RunInMemory(fs, {"-80", "-b", "ok.asm", "./ok.asm"}).code, 3);
    EXPECT_EQ(fs.files["ok.asm"], source);

    // Another table, a garbled file name, no source at all.
    EXPECT_EQ(RunInMemory(fs, {"-65", "ok.asm"}).code, 3);
    EXPECT_EQ(RunInMemory(fs, {"-80", "ok.asm", "-b", "x"}).code, 4);
    EXPECT_EQ(RunInMemory(fs, {"-80"}).code, 3);
    // --help documents our own option for the undocumented instructions.
    Outcome help = RunInMemory(fs, {"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.console.find("-u "), std::string::npos);
}

TEST(TasmRun, EnvironmentAndIncludes)
{
    MemoryFileSystem fs;
    fs.files["src/main.asm"] = "#include \"local.inc\"\n#include SHELL.INC\n"
                               " .org 0\n .db L, S, T\n .end\n";
    fs.files["src/local.inc"] = "L .equ 1\n"; // beside the including file
    fs.files["shell/Shell.inc"] = "S .equ 2\n#include \"deeper.INC\"\n"; // TASMINC, any case
    fs.files["shell/deeper.inc"] = "T .equ 3\n";
    Environment env;
    env.tasmInc = "/nowhere:shell";
    env.tasmOpts = "-b";
    Outcome r = RunInMemory(fs, {"-80", "src/main.asm", "out.bin"}, env);
    EXPECT_EQ(r.code, 0) << r.console;
    EXPECT_EQ(fs.files["out.bin"], std::string("\x01\x02\x03", 3));

    // The working folder comes first, as it always did.
    fs.files["local.inc"] = "L .equ 9\n";
    r = RunInMemory(fs, {"-80", "src/main.asm", "out.bin"}, env);
    EXPECT_EQ(fs.files["out.bin"], std::string("\x09\x02\x03", 3));
}

TEST(TasmRun, MacroLinesThatIncludeFiles)
{
    // An expanded line includes a file whose lines expand macros too; the rest of the
    // first line still assembles from its own text afterwards. P's expansion is short
    // enough to sit inside its string, which must not move while the include adds a
    // level: `x` after it is defined only if the text survived.
    MemoryFileSystem fs;
    fs.files["main.asm"] = "#define TWICE(a) .db a,a\n"
                           "#define P .include q\\x\n"
                           "#define PULL .include \"p\"\n"
                           " .org 0\n"
                           " P\n"
                           " PULL \\ TWICE(7)\n"
                           " .db x,9\n"
                           " .end\n";
    fs.files["q"] = " TWICE(4)\n";
    fs.files["p"] = " TWICE(1) \\ TWICE(2)\n TWICE(3)\n";
    Outcome r = RunInMemory(fs, {"-80", "-b", "main.asm", "main.bin"});
    EXPECT_EQ(r.code, 0) << r.console;
    EXPECT_EQ(fs.files["main.bin"],
              std::string("\x04\x04\x01\x01\x02\x02\x03\x03\x07\x07\x02\x09"));
}

TEST(TasmRun, RepeatedRunsAreIndependent)
{
    MemoryFileSystem fs;
    fs.files["a.asm"] =
        "#define X 1\n .org 0\nlab .db X\n .addinstr ZAP \"\" 76 1 NOP 1\n zap\n .end\n";
    fs.files["b.asm"] = " .org 0\n#ifdef X\n .db 2\n#endif\n zap\n .db lab\n .end\n";
    EXPECT_EQ(RunInMemory(fs, {"-80", "-b", "a.asm", "a.bin"}).code, 0);
    // Nothing of the first run's macros, rows or labels leaks into the second.
    Outcome second = RunInMemory(fs, {"-80", "-b", "b.asm", "b.bin"});
    EXPECT_EQ(second.code, 1);
    EXPECT_NE(second.console.find("unrecognized instruction. (ZAP)"), std::string::npos);
    EXPECT_NE(second.console.find("Label not found: (lab)"), std::string::npos);
    EXPECT_EQ(RunInMemory(fs, {"-80", "-b", "a.asm", "a2.bin"}).code, 0);
    EXPECT_EQ(fs.files["a.bin"], fs.files["a2.bin"]);
}

TEST(TasmFileSystem, DiskReadsRegularFilesOnly)
{
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("vexil-tasm-disk-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    DiskFileSystem disk;
    const std::string text("; source\r\n\x00\xFF\x1A tail", 19);
    ASSERT_TRUE(disk.write((dir / "a.asm").string(), text));
    EXPECT_EQ(disk.read((dir / "a.asm").string()), text);
    EXPECT_EQ(disk.read((dir / "missing.asm").string()), std::nullopt);
    EXPECT_EQ(disk.read(dir.string()), std::nullopt);
    // A FIFO without a writer would block an open for reading; it is refused at once.
    ASSERT_EQ(::mkfifo((dir / "fifo.asm").c_str(), 0600), 0);
    EXPECT_EQ(disk.read((dir / "fifo.asm").string()), std::nullopt);

    // On disk as in memory: a source that is not there leaves an earlier object alone.
    ASSERT_TRUE(disk.write((dir / "keep.obj").string(), "good object"));
    std::string console;
    EXPECT_EQ(RunTasm({"-80", "-b", (dir / "nosuch.asm").string(), (dir / "keep.obj").string()}, {},
                      disk, console),
              3);
    EXPECT_EQ(disk.read((dir / "keep.obj").string()), "good object");
    EXPECT_FALSE(fs::exists(dir / "nosuch.lst"));
    fs::remove_all(dir);
}

TEST(TasmFileSystem, CaseInsensitiveFallback)
{
    MemoryFileSystem fs;
    fs.files["Inc/TI83ASM.INC"] = "x";
    EXPECT_EQ(FindFile(fs, "inc/ti83asm.inc"), "Inc/TI83ASM.INC");
    EXPECT_EQ(FindFile(fs, "Inc/TI83ASM.INC"), "Inc/TI83ASM.INC");
    EXPECT_EQ(FindFile(fs, "inc/other.inc"), std::nullopt);
    EXPECT_EQ(FindFile(fs, "inc"), std::nullopt); // a folder is not a file
}

} // namespace
