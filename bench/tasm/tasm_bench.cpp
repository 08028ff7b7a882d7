// SPDX-License-Identifier: GPL-3.0-or-later
// Times the tasm program against pasmo and z80asm, side by side in one run, and
// prints the ratios. Every figure is the median of repeated runs, the tools taking
// turns round by round so that a busy moment of the machine hits them alike.
//
//   tasm_bench [--quick] [--dir FOLDER] [startup] [programs] [include] [large] [equates]
//
// Without a section name every section runs. The files go to FOLDER, by default a
// folder in /dev/shm: on a disk, replacing the previous run's output makes the file
// system write it back first, and that cost, the same for every tool, would drown
// what the assemblers themselves cost.
#include "ProcessRunner.h"
#include "SourceGenerator.h"
#include "Ti83Programs.h"

#include "tasm/Assembler.h"
#include "tasm/FileSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace vexil::tasm::bench;

namespace {

struct Settings {
    bool quick = false;
    fs::path folder;
};

double Median(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string ReadAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// One contestant: how to assemble `source` into `object` in the current folder.
struct Tool {
    std::string name;
    Dialect dialect;
    std::function<std::vector<std::string>(const std::string &source, const std::string &object)>
        command;
};

Tool TasmTool(bool withListing)
{
    return {withListing ? "tasm" : "tasm -q", Dialect::Tasm,
            [withListing](const std::string &src, const std::string &obj) {
                std::vector<std::string> argv{VEXIL_TASM_PATH, "-80", "-b"};
                if (!withListing) {
                    argv.push_back("-q");
                }
                argv.push_back(src);
                argv.push_back(obj);
                return argv;
            }};
}

// tasm first, then the peers that are installed.
std::vector<Tool> Tools(bool withListing = true)
{
    std::vector<Tool> all{TasmTool(withListing)};
    if (OnPath("pasmo")) {
        all.push_back({"pasmo", Dialect::Pasmo, [](const std::string &src, const std::string &obj) {
                           return std::vector<std::string>{"pasmo", "--bin", src, obj};
                       }});
    }
    if (OnPath("z80asm")) {
        all.push_back(
            {"z80asm", Dialect::Z80asm, [](const std::string &src, const std::string &obj) {
                 return std::vector<std::string>{"z80asm", "-o", obj, src};
             }});
    }
    return all;
}

const char *FolderName(Dialect d)
{
    switch (d) {
    case Dialect::Tasm:
        return "tasm";
    case Dialect::Pasmo:
        return "pasmo";
    case Dialect::Z80asm:
        return "z80asm";
    }
    return "";
}

// Runs every job once a round, `rounds` times, and returns each job's samples. A job
// whose first run takes longer than `slowSeconds` runs only once.
std::vector<std::vector<ProcessRun>>
Interleave(int rounds, const std::vector<std::function<ProcessRun()>> &jobs,
           double slowSeconds = 1e9)
{
    std::vector<std::vector<ProcessRun>> samples(jobs.size());
    for (int r = 0; r < rounds; ++r) {
        for (std::size_t j = 0; j < jobs.size(); ++j) {
            if (r == 0 || samples[j][0].seconds <= slowSeconds) {
                samples[j].push_back(jobs[j]());
            }
        }
    }
    return samples;
}

// A tool slower than this at one size is not run at the next, larger one.
constexpr double kGiveUpSeconds = 8;

bool AllOk(const std::vector<ProcessRun> &runs)
{
    return std::all_of(runs.begin(), runs.end(), [](const ProcessRun &r) { return r.ok; });
}

double MedianSeconds(const std::vector<ProcessRun> &runs)
{
    std::vector<double> s;
    for (const auto &r : runs) {
        s.push_back(r.seconds);
    }
    return Median(s);
}

double MedianRssKb(const std::vector<ProcessRun> &runs)
{
    std::vector<double> s;
    for (const auto &r : runs) {
        s.push_back(static_cast<double>(r.maxRssKb));
    }
    return Median(s);
}

void Verdict(const char *goal, bool met)
{
    std::printf("  goal %s: %s\n", goal, met ? "met" : "NOT MET");
}

void Startup(const Settings &settings)
{
    std::printf("\nStart-up: a program of one instruction, one process per run\n");
    const int rounds = settings.quick ? 100 : 500;
    std::vector<std::string> names{"/bin/true"};
    std::vector<std::function<ProcessRun()>> jobs{[] { return RunProcess({"/bin/true"}, "/"); }};
    for (const Tool &tool : Tools()) {
        fs::path dir = settings.folder / "startup" / FolderName(tool.dialect);
        fs::create_directories(dir);
        std::ofstream(dir / "one.asm")
            << (tool.dialect == Dialect::Tasm ? "\tret\n\t.end\n" : "\tret\n");
        names.push_back(tool.name);
        jobs.push_back([tool, dir] { return RunProcess(tool.command("one.asm", "one.bin"), dir); });
    }
    auto samples = Interleave(rounds, jobs);
    double base = MedianSeconds(samples[0]);
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        std::printf("  %-10s %7.3f ms   %5.2f x /bin/true%s\n", names[i].c_str(),
                    MedianSeconds(samples[i]) * 1e3, MedianSeconds(samples[i]) / base,
                    AllOk(samples[i]) ? "" : "   (FAILED)");
    }
    Verdict("tasm within 1.6 x /bin/true", MedianSeconds(samples[1]) / base <= 1.6);
}

std::string IncludeText()
{
    return ReadAll(fs::path(VEXIL_DATA_DIR) / "ti83/ti83asm.inc");
}

void Programs(const Settings &settings)
{
    const int count = 20;
    const int rounds = settings.quick ? 5 : 21;
    std::printf("\nTwenty TI-83 programs, each including ti83asm.inc, one process each\n");
    const std::string include = IncludeText();
    std::vector<Tool> contestants = Tools();
    std::vector<std::function<ProcessRun()>> jobs;
    for (const Tool &tool : contestants) {
        fs::path dir = settings.folder / "programs" / FolderName(tool.dialect);
        WriteTi83Programs(dir, tool.dialect, count, include);
        jobs.push_back([tool, dir] {
            ProcessRun all{true, 0, 0};
            for (int i = 0; i < count; ++i) {
                std::string name = ProgramName(i);
                std::string object = name.substr(0, name.size() - 4) + ".bin";
                ProcessRun one = RunProcess(tool.command(name, object), dir);
                all.ok = all.ok && one.ok;
                all.seconds += one.seconds;
            }
            return all;
        });
    }
    auto samples = Interleave(rounds, jobs);
    double tasm = MedianSeconds(samples[0]);
    bool met = true;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        double t = MedianSeconds(samples[i]);
        std::printf("  %-10s %7.2f ms for 20 (%5.3f ms each)", contestants[i].name.c_str(), t * 1e3,
                    t * 1e3 / count);
        if (i > 0) {
            std::printf("   tasm %4.2f x faster", t / tasm);
            met = met && t / tasm >= 1.5;
        }
        std::printf("%s\n", AllOk(samples[i]) ? "" : "   (FAILED)");
    }
    for (std::size_t i = 1; i < contestants.size(); ++i) {
        fs::path a = settings.folder / "programs/tasm/prog07.bin";
        fs::path b =
            settings.folder / "programs" / FolderName(contestants[i].dialect) / "prog07.bin";
        std::printf("  images of tasm and %s %s\n", contestants[i].name.c_str(),
                    ReadAll(a) == ReadAll(b) ? "agree" : "DIFFER");
    }
    Verdict("tasm at least 1.5 x faster than each", met);
}

// In-process cost of one assembly of `source` out of memory, in microseconds.
double AssembleMicroseconds(const std::string &source, const std::string &includeName,
                            const std::string &includeBody, int repeats)
{
    std::vector<double> samples;
    for (int r = 0; r < repeats; ++r) {
        vexil::tasm::MemoryFileSystem memory;
        memory.files["main.asm"] = source;
        memory.files[includeName] = includeBody;
        vexil::tasm::Options options;
        options.objectFormat = vexil::tasm::ObjectFormat::Binary;
        std::string console;
        auto start = std::chrono::steady_clock::now();
        vexil::tasm::Assembler assembler(options, memory, {}, console);
        auto result = assembler.run("main.asm");
        auto stop = std::chrono::steady_clock::now();
        if (result.errorCount != 0 || result.fatal) {
            std::printf("  (the in-memory run failed)\n");
        }
        samples.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    return Median(samples);
}

void Include(const Settings &settings)
{
    std::printf("\nThe include file: ti83asm.inc against a file of as many comment lines "
                "and bytes\n");
    const std::string text = IncludeText();
    const int rounds = settings.quick ? 60 : 300;
    std::vector<Tool> contestants = Tools();
    std::vector<std::function<ProcessRun()>> jobs;
    for (const Tool &tool : contestants) {
        fs::path dir = settings.folder / "programs" / FolderName(tool.dialect);
        WriteTi83Programs(dir, tool.dialect, 0, text);
        for (const char *name : {"comments", "equates"}) {
            std::string src = std::string(name) + ".asm";
            std::string obj = std::string(name) + ".bin";
            jobs.push_back(
                [tool, dir, src, obj] { return RunProcess(tool.command(src, obj), dir); });
        }
    }
    auto samples = Interleave(rounds, jobs);
    double tasmRatio = 0;
    for (std::size_t i = 0; i < contestants.size(); ++i) {
        double comments = MedianSeconds(samples[2 * i]);
        double equates = MedianSeconds(samples[2 * i + 1]);
        std::printf("  %-10s %6.3f ms with comments, %6.3f ms with the equates: +%5.0f us "
                    "(%4.2f x)%s\n",
                    contestants[i].name.c_str(), comments * 1e3, equates * 1e3,
                    (equates - comments) * 1e6, equates / comments,
                    AllOk(samples[2 * i]) && AllOk(samples[2 * i + 1]) ? "" : "   (FAILED)");
        if (i == 0) {
            tasmRatio = equates / comments;
        }
    }

    // Inside one process the difference is measured without the start-up around it.
    const int repeats = settings.quick ? 200 : 2000;
    std::string tasmInclude = ReadAll(settings.folder / "programs/tasm/ti83asm.inc");
    std::string tasmComments = ReadAll(settings.folder / "programs/tasm/comments.inc");
    double withEquates = AssembleMicroseconds("#include \"i.inc\"\n\t.org 9327h\n\tret\n\t.end\n",
                                              "i.inc", tasmInclude, repeats);
    double withComments = AssembleMicroseconds("#include \"i.inc\"\n\t.org 9327h\n\tret\n\t.end\n",
                                               "i.inc", tasmComments, repeats);
    int equateCount = 0;
    for (std::size_t at = tasmInclude.find(".equ"); at != std::string::npos;
         at = tasmInclude.find(".equ", at + 1)) {
        ++equateCount;
    }
    std::vector<double> reads;
    vexil::tasm::DiskFileSystem disk;
    const std::string path = (settings.folder / "programs/tasm/ti83asm.inc").string();
    for (int r = 0; r < repeats; ++r) {
        auto start = std::chrono::steady_clock::now();
        auto data = disk.read(path);
        auto stop = std::chrono::steady_clock::now();
        reads.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::printf("  inside tasm: reading the file %.1f us; assembling it as comments %.1f us, "
                "with its %d equates %.1f us (%4.2f x)\n",
                Median(reads), withComments, equateCount, withEquates, withEquates / withComments);
    Verdict("a run with the equates takes at most 1.25 x one with the comments", tasmRatio <= 1.25);
}

struct SizeResult {
    double seconds = 0;
    double rssKb = 0;
    bool ok = false;
};

void Large(const Settings &settings)
{
    std::printf("\nLarge programs: time and peak memory (tasm -q writes no listing rows, like "
                "the others)\n");
    std::vector<long> sizes{40000, 200000};
    if (!settings.quick) {
        sizes.push_back(1000000);
    }
    const int rounds = settings.quick ? 3 : 5;
    std::vector<Tool> contestants{TasmTool(false), TasmTool(true)};
    for (const Tool &peer : Tools()) {
        if (peer.dialect != Dialect::Tasm) {
            contestants.push_back(peer);
        }
    }
    std::map<std::string, std::map<long, SizeResult>> results;
    std::set<std::string> givenUp;
    for (long lines : sizes) {
        std::vector<std::function<ProcessRun()>> jobs;
        long actual = 0;
        std::set<Dialect> written;
        for (const Tool &tool : contestants) {
            fs::path dir = settings.folder / "large" / FolderName(tool.dialect);
            if (written.insert(tool.dialect).second) {
                fs::remove_all(dir);
                actual = GenerateSource(dir, tool.dialect, static_cast<int>(lines / 50), 0).lines;
            }
            if (givenUp.count(tool.name)) {
                jobs.push_back([] { return ProcessRun{}; });
            } else {
                jobs.push_back(
                    [tool, dir] { return RunProcess(tool.command("main.asm", "main.bin"), dir); });
            }
        }
        auto samples = Interleave(rounds, jobs, kGiveUpSeconds);
        std::printf("  %ld lines\n", actual);
        double tasm = MedianSeconds(samples[0]);
        for (std::size_t i = 0; i < contestants.size(); ++i) {
            if (givenUp.count(contestants[i].name)) {
                std::printf("    %-10s not run: more than %.0f s at the size before\n",
                            contestants[i].name.c_str(), kGiveUpSeconds);
                continue;
            }
            SizeResult r{MedianSeconds(samples[i]), MedianRssKb(samples[i]), AllOk(samples[i])};
            if (r.seconds > kGiveUpSeconds) {
                givenUp.insert(contestants[i].name);
            }
            results[contestants[i].name][lines] = r;
            std::printf("    %-10s %8.3f s  %7.1f MB %6.1f bytes/line", contestants[i].name.c_str(),
                        r.seconds, r.rssKb / 1024, r.rssKb * 1024 / static_cast<double>(actual));
            if (i > 1) {
                std::printf("   tasm -q %4.2f x faster", r.seconds / tasm);
            }
            std::printf("%s\n", r.ok ? "" : "   (FAILED)");
        }
        if (contestants.size() > 2) {
            bool same = ReadAll(settings.folder / "large/tasm/main.bin") ==
                        ReadAll(settings.folder / "large/pasmo/main.bin");
            std::printf("    images of tasm and pasmo %s\n", same ? "agree" : "DIFFER");
        }
    }
    bool lean = true;
    for (const char *name : {"tasm -q", "tasm"}) {
        lean = lean && results[name][200000].rssKb * 1024 / 200000 <= 60;
    }
    Verdict("at most 60 bytes a line at 200,000 lines, with the listing and without", lean);
    if (sizes.back() == 1000000) {
        std::printf("  growth from 200,000 to 1,000,000 lines (5 x the lines):\n");
        for (const Tool &tool : contestants) {
            const auto &r = results[tool.name];
            if (r.count(1000000) && r.count(200000)) {
                std::printf("    %-10s time %5.2f x, memory %5.2f x\n", tool.name.c_str(),
                            r.at(1000000).seconds / r.at(200000).seconds,
                            r.at(1000000).rssKb / r.at(200000).rssKb);
            }
        }
    }
}

void Equates(const Settings &settings)
{
    std::printf("\n100,000 lines with 60,000 equates in an include file\n");
    const int rounds = settings.quick ? 3 : 5;
    std::vector<Tool> contestants = Tools(false);
    std::vector<std::function<ProcessRun()>> jobs;
    for (const Tool &tool : contestants) {
        fs::path dir = settings.folder / "equates" / FolderName(tool.dialect);
        fs::remove_all(dir);
        GenerateSource(dir, tool.dialect, 2000, 60000);
        jobs.push_back(
            [tool, dir] { return RunProcess(tool.command("main.asm", "main.bin"), dir); });
    }
    auto samples = Interleave(rounds, jobs, kGiveUpSeconds);
    double tasm = MedianSeconds(samples[0]);
    for (std::size_t i = 0; i < contestants.size(); ++i) {
        double t = MedianSeconds(samples[i]);
        std::printf("  %-10s %8.3f s", contestants[i].name.c_str(), t);
        if (i > 0) {
            std::printf("   tasm -q %5.1f x faster", t / tasm);
        }
        std::printf("%s\n", AllOk(samples[i]) ? "" : "   (FAILED)");
    }
}

} // namespace

int main(int argc, char **argv)
{
    Settings settings;
    std::set<std::string> sections;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            settings.quick = true;
        } else if (std::strcmp(argv[i], "--dir") == 0 && i + 1 < argc) {
            settings.folder = argv[++i];
        } else {
            sections.insert(argv[i]);
        }
    }
    const std::map<std::string, void (*)(const Settings &)> all{{"startup", Startup},
                                                                {"programs", Programs},
                                                                {"include", Include},
                                                                {"large", Large},
                                                                {"equates", Equates}};
    for (const auto &name : sections) {
        if (!all.count(name)) {
            std::fprintf(stderr, "usage: tasm_bench [--quick] [--dir FOLDER] [startup] [programs] "
                                 "[include] [large] [equates]\n");
            return 2;
        }
    }
    if (settings.folder.empty()) {
        std::error_code ec;
        settings.folder =
            fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        settings.folder /= "vexil-tasm-bench";
    }
    fs::remove_all(settings.folder);
    fs::create_directories(settings.folder);
    std::printf("tasm_bench in %s; medians of repeated runs\n", settings.folder.c_str());
    for (const char *name : {"startup", "programs", "include", "large", "equates"}) {
        if (sections.empty() || sections.count(name)) {
            all.at(name)(settings);
            std::fflush(stdout);
        }
    }
    fs::remove_all(settings.folder);
    return 0;
}
