// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli pic: the Image Converter without its window. Pictures become picture
// files, picture files become PNG or BMP pictures, and either becomes the ".db"
// text the converter puts on the clipboard, all by the converter's own code.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ModelOptions.h"

#include "base/FileIo.h"
#include "tools/Dither.h"
#include "tools/ImageDataText.h"
#include "tools/ImageDecode.h"
#include "tools/ImageEncode.h"
#include "tools/PictureFile.h"
#include "varfile/FileKind.h"
#include "varfile/VarFile.h"
#include "varfile/VarTypes.h"

#include <charconv>
#include <iostream>

namespace vexil::cli {
namespace {

const std::set<std::string> kConvertValues = {"--dither", "--threshold"};
const std::set<std::string> kConvertFlags = {"--invert", "--fit"};

int WholeNumber(const std::string &option, const std::string &text, int lowest, int highest)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        throw UsageError(option + " takes a whole number from " + std::to_string(lowest) + " to " +
                         std::to_string(highest) + ", not " + text);
    }
    return value;
}

// --dither, --threshold, --invert and --fit; a picture is fitted to the part of
// the screen a calculator shows it in.
tools::ConvertOptions ConvertOptionsOf(const CliArgs &args, int fitWidth, int fitHeight)
{
    tools::ConvertOptions options;
    if (const auto method = args.value("--dither")) {
        const auto named = tools::DitherMethodNamed(*method);
        if (!named) {
            throw UsageError("--dither must be threshold, ordered or floyd, not " + *method);
        }
        options.rule.method = *named;
    }
    if (const auto level = args.value("--threshold")) {
        if (options.rule.method != tools::DitherMethod::Threshold) {
            throw UsageError("--threshold goes with --dither threshold only");
        }
        options.rule.threshold = WholeNumber("--threshold", *level, 0, 255);
    }
    options.rule.invert = args.flag("--invert");
    options.shrinkToFit = args.flag("--fit");
    options.fitWidth = fitWidth;
    options.fitHeight = fitHeight;
    return options;
}

std::optional<varfile::Bytes> ReadInput(const std::string &path)
{
    base::ReadResult read = base::ReadWholeFile(path);
    if (!read.ok()) {
        std::cerr << "vexil-cli: " << read.error->message << '\n';
        return std::nullopt;
    }
    return std::move(read.bytes);
}

// Why the file is no TI-82 or TI-83 picture, or nothing when it is one. A program
// or a TI-83 Plus picture (its data two bytes further on) would come out as noise.
std::optional<std::string> NotAPicture(const varfile::Bytes &file)
{
    const varfile::FileFamily family = varfile::FamilyOfFile(file);
    if (!varfile::IsOurFamily(family)) {
        const std::string foreign = varfile::ForeignFileMessage(family);
        return foreign.empty() ? varfile::FamilyDescription(family) : foreign;
    }
    const varfile::CalcModel model =
        family == varfile::FileFamily::TI82 ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
    constexpr std::size_t kTypeIdOffset = varfile::kFirstEntryOffset + 4;
    if (file.size() > kTypeIdOffset &&
        varfile::KindOfTypeId(model, file[kTypeIdOffset]) == varfile::VarKind::Picture) {
        return std::nullopt;
    }
    const auto kind = varfile::KindOfCalculatorFile(file, {});
    return "this is " + (kind ? kind->phrase : std::string("a damaged file")) + ", not a picture";
}

// A picture file's cells, or nothing after saying why on standard error.
std::optional<tools::SpriteGrid> PictureCells(const std::string &path, const varfile::Bytes &file)
{
    if (const auto reason = NotAPicture(file)) {
        std::cerr << path << ": " << *reason << '\n';
        return std::nullopt;
    }
    auto picture = tools::ReadPictureFile(file);
    if (const auto *error = std::get_if<std::string>(&picture)) {
        std::cerr << path << ": " << *error << '\n';
        return std::nullopt;
    }
    return std::get<tools::SpriteGrid>(picture);
}

// A PNG, BMP, JPEG or GIF picture made black and white, with the converter's note when
// it had more than black and white in it.
std::optional<tools::SpriteGrid> ImageCells(const std::string &path, const varfile::Bytes &file,
                                            const tools::ConvertOptions &options)
{
    const auto image = tools::DecodeImage(file);
    if (const auto *error = std::get_if<std::string>(&image)) {
        std::cerr << path << ": " << *error << '\n';
        return std::nullopt;
    }
    const tools::RgbaImage &pixels = std::get<tools::RgbaImage>(image);
    if (!tools::IsBlackAndWhite(tools::GreyOf(pixels))) {
        std::cerr << path << ": " << tools::kForcedBlackAndWhiteMessage << '\n';
    }
    return tools::ConvertImage(pixels, options);
}

bool Write(const std::string &path, const varfile::Bytes &bytes)
{
    if (const auto error = base::WriteFileAtomically(path, bytes)) {
        std::cerr << "vexil-cli: " << error->message << '\n';
        return false;
    }
    return true;
}

int RunImport(const Words &words)
{
    std::set<std::string> values = kConvertValues;
    values.insert({"--model", "--number", "-o"});
    const CliArgs args(words, values, kConvertFlags);
    args.expectPositional(1, 1);
    const varfile::CalcModel model = ModelOption(args);
    const std::string out = args.required("-o");
    if (tools::PictureFileModel(out, model) != model) {
        throw UsageError(out + " names a file of the other calculator than --model " +
                         varfile::ModelDigits(model));
    }
    const int number = WholeNumber("--number", args.required("--number"), 0, 9);
    if (!tools::HasPictureNumber(model, number)) {
        std::cerr << "vexil-cli pic import: the TI-" << varfile::ModelDigits(model) << " has no Pic"
                  << number << "; its pictures are "
                  << (model == varfile::CalcModel::TI82 ? "Pic1 to Pic6" : "Pic1 to Pic9 and Pic0")
                  << ".\n";
        return kExitBadInput;
    }
    const tools::ConvertOptions options =
        ConvertOptionsOf(args, tools::kShownPictureColumns, tools::kPictureRows);
    const std::string &path = args.positional()[0];
    const auto input = ReadInput(path);
    if (!input) {
        return kExitBadInput;
    }
    const auto cells = ImageCells(path, *input, options);
    if (!cells) {
        return kExitBadInput;
    }
    return Write(out, *tools::BuildPictureFile(model, number, *cells)) ? kExitOk : kExitBadInput;
}

int RunExport(const Words &words)
{
    const CliArgs args(words, {"-o"}, {});
    args.expectPositional(1, 1);
    const std::string out = args.required("-o");
    const auto format = tools::ImageFormatOfName(out);
    if (!format) {
        throw UsageError("-o must name a .png or .bmp file, not " + out);
    }
    const std::string &path = args.positional()[0];
    const auto input = ReadInput(path);
    const auto cells = input ? PictureCells(path, *input) : std::nullopt;
    if (!cells) {
        return kExitBadInput;
    }
    return Write(out, tools::EncodeBlackAndWhite(*cells, tools::kSpriteColumns, tools::kSpriteRows,
                                                 *format))
               ? kExitOk
               : kExitBadInput;
}

int RunAsm(const Words &words)
{
    const CliArgs args(words, kConvertValues, kConvertFlags);
    args.expectPositional(1, 1);
    const tools::ConvertOptions options =
        ConvertOptionsOf(args, tools::kSpriteColumns, tools::kSpriteRows);
    const std::string &path = args.positional()[0];
    const auto input = ReadInput(path);
    if (!input) {
        return kExitBadInput;
    }
    // A picture file is told by its signature, whatever its name.
    const auto cells = varfile::IsVarFileSignature(*input) ? PictureCells(path, *input)
                                                           : ImageCells(path, *input, options);
    if (!cells) {
        return kExitBadInput;
    }
    std::cout << tools::ImageDataText(*cells) << std::flush;
    return kExitOk;
}

} // namespace

int RunPic(const Words &words)
{
    return RunVerb("pic", words, {{"import", RunImport}, {"export", RunExport}, {"asm", RunAsm}});
}

} // namespace vexil::cli
