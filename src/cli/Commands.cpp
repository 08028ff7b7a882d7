// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "cli/CliArgs.h"

namespace vexil::cli {

// Each command's entry point is defined in its own Cmd*.cpp file.
int RunTokens(const Words &words);
int RunBasic(const Words &words);
int RunReal(const Words &words);
int RunProgram(const Words &words);
int RunInfo(const Words &words);
int RunAssemble(const Words &words);
int RunSend(const Words &words);
int RunReceive(const Words &words);
int RunSprite(const Words &words);
int RunGroup(const Words &words);
int RunPic(const Words &words);
int RunScreenshot(const Words &words);
int RunVar(const Words &words);
std::string VarSynopsis();
int RunChecksum(const Words &words);

const std::vector<Command> &Commands()
{
    static const std::string varSynopsis = VarSynopsis();
    static const std::vector<Command> table = {
        {"tokens",
         "tokens decode --model 82|83 [--raw] [--lossy] FILE\n"
         "tokens encode --model 82|83 [--raw] [--exact] FILE [-o OUT]",
         RunTokens},
        {"basic",
         "basic export [--raw] [--lossy] FILE\n"
         "basic import TEXT --model 82|83 --name NAME [--protect] [--raw] [--exact] -o OUT\n"
         "      (--lossy: decode tokens that do not decode reversibly anyway;\n"
         "       --exact: no web spellings such as -> and no blanks left off, as the editors)",
         RunBasic},
        {"real",
         "real encode VALUE [--complex-half]\n"
         "real decode HH HH HH HH HH HH HH HH HH",
         RunReal},
        {"program",
         "program OBJ -o OUT --target ash|crash|ti83|ashell83 --name NAME [--protect]\n"
         "        [--home-screen] [--squish] [--extra-memory HHHH]",
         RunProgram},
        {"info", "info FILE...   (exit code 1 when a file is damaged or unreadable)", RunInfo},
        {"assemble",
         "assemble SOURCE [--target ash|crash|ti83|ashell83] [--name NAME] [--protect]\n"
         "         [--home-screen] [--squish] [--extra-memory HHHH] [-o OUT]\n"
         "         (assembler errors on standard error, exit code 1)",
         RunAssemble},
        {"send",
         "send FILE... --cable DEVICE [--wait SECONDS]\n"
         "     (DEVICE: a virtual cable file, /dev/parportN, /dev/ttyS* for a black link,\n"
         "      or graylink:/dev/ttyUSB0; exit code 0 only when every file went through;\n"
         "      --wait bounds the wait for the calculator's user, which has no limit)",
         RunSend},
        {"receive", "receive DIR --cable DEVICE [--exists omit|overwrite|quit] [--wait SECONDS]",
         RunReceive},
        {"screenshot",
         "screenshot --cable DEVICE -o OUT.png|OUT.bmp [--model 82|83]\n"
         "           (what the calculator shows; it answers whenever it waits for a key)",
         RunScreenshot},
        {"sprite",
         "sprite IMAGE --label NAME [--segment N]\n"
         "       (a PNG, BMP, JPEG or GIF picture as the Sprite Editor's .db lines, CR LF ended)",
         RunSprite},
        {"group",
         "group list FILE   (type and name of each variable, tab-separated)\n"
         "group pack --model 82|83 FILE... -o OUT   (nothing is written if a file is refused)\n"
         "group unpack FILE -d DIR [--overwrite]",
         RunGroup},
        {"pic",
         "pic import IMAGE --model 82|83 --number N -o OUT.8?i [CONVERSION]\n"
         "    (N as the calculator shows it: 1 to 6 on the TI-82, 1 to 9 and 0 on the TI-83)\n"
         "pic export FILE.8?i -o OUT.png|OUT.bmp\n"
         "pic asm IMAGE|FILE.8?i [CONVERSION]   (the Image Converter's .db lines, CR LF ended)\n"
         "    CONVERSION: [--dither threshold|ordered|floyd] [--threshold 0-255] [--invert]\n"
         "    [--fit] (shrink a larger image to the screen instead of cutting it)",
         RunPic},
        {"var", varSynopsis.c_str(), RunVar},
        {"checksum",
         "checksum [--fix] FILE...\n"
         "         (the stored and the computed sum of the bytes from offset 55 up to the last\n"
         "          two; --fix writes the computed one there; exit code 1 when a checksum was\n"
         "          wrong without --fix, or a file could not be read or fixed)",
         RunChecksum},
    };
    return table;
}

int RunVerb(const char *command, const Words &words, std::initializer_list<Verb> verbs)
{
    std::string names;
    for (const Verb &verb : verbs) {
        if (!words.empty() && words[0] == verb.name) {
            return verb.run(Words(words.begin() + 1, words.end()));
        }
        names += names.empty() ? verb.name : std::string(" or ") + verb.name;
    }
    if (words.empty()) {
        throw UsageError("missing " + names);
    }
    throw UsageError("unknown " + std::string(command) + " command " + words[0]);
}

} // namespace vexil::cli
