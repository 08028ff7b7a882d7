// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli screenshot: what the calculator shows, fetched over the cable and
// written as a black-and-white PNG or BMP picture of 96 x 64 pixels.
#include "cli/CableRun.h"
#include "cli/Commands.h"
#include "cli/ModelOptions.h"

#include "base/FileIo.h"
#include "link/ScreenCapture.h"
#include "tools/ImageEncode.h"
#include "tools/PictureFile.h"

#include <iostream>

namespace vexil::cli {

int RunScreenshot(const Words &words)
{
    const CliArgs args(words, {"--cable", "-o", "--model"}, {});
    args.expectPositional(0, 0);
    const std::string out = args.required("-o");
    const auto format = tools::ImageFormatOfName(out);
    if (!format) {
        throw UsageError("-o must name a .png or .bmp file, not " + out);
    }
    // The machine id follows the model; without --model it is the TI-82's, which
    // the TI-83 answers too.
    const bool ti83 = args.value("--model") && ModelOption(args) == varfile::CalcModel::TI83;
    CableRun cable("screenshot", args);
    bool written = true;
    const int code = cable.run(
        [&] {
            const link::ScreenCapture capture = link::GrabScreen(cable.link(), ti83);
            if (capture.result == link::TransferResult::Ok) {
                const tools::SpriteGrid cells = tools::GridFromRows(capture.screen());
                if (const auto error = base::WriteFileAtomically(
                        out, tools::EncodeBlackAndWhite(cells, tools::kSpriteColumns,
                                                        tools::kSpriteRows, *format))) {
                    std::cerr << "vexil-cli screenshot: " << error->message << '\n';
                    written = false;
                }
            }
            return capture.result;
        },
        [](link::TransferResult result) {
            if (result != link::TransferResult::Timeout) {
                return ResultText(result);
            }
            // The trailing blanks are there for a retry prompt that a console lacks.
            std::string text = link::ScreenCaptureMessage(result);
            while (text.back() == ' ') {
                text.pop_back();
            }
            return text;
        });
    return written ? code : kExitBadInput;
}

} // namespace vexil::cli
