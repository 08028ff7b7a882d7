// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/Assembler.h"

#include "base/AsciiText.h"
#include "tasm/Characters.h"
#include "tasm/LabelTable.h"

#include <algorithm>
#include <cstdio>

namespace vexil::tasm {

namespace {
constexpr std::size_t kMaxLabelLength = 31;
} // namespace

Assembler::Assembler(const Options &options, FileSystem &fs, std::vector<std::string> includeDirs,
                     std::string &console)
    : options_(options), fs_(fs), includeDirs_(std::move(includeDirs)), console_(console)
{
}

AssemblyResult Assembler::run(const std::string &sourceName,
                              const std::optional<std::string> &listingName)
{
    AssemblyResult result;
    image_ = std::make_unique<MemoryImage>(static_cast<std::uint8_t>(options_.fillByte));
    try {
        runPass(1, sourceName);
        console_ += "tasm: pass 1 complete.\n";
        // Only the second pass lists, so a run that stops in the first touches no file.
        listing_ = std::make_unique<ListingWriter>(
            options_.pageLength, sourceName, listingName ? fs_.openOutput(*listingName) : nullptr);
        runPass(2, sourceName);
        endOfRun(result);
    } catch (const FatalError &fatal) {
        result.fatal = fatal;
        console_ += fatal.message + "\n";
        result.errorCount = errorCount_;
        return result;
    }
    return result;
}

void Assembler::endOfRun(AssemblyResult &result)
{
    std::vector<std::string> closing;
    auto closingError = [&](const char *message) {
        Diagnostic d;
        d.line = lastLineNumber_;
        d.message = message;
        std::string text = FormatDiagnostic(d, options_.errorFormat);
        console_ += text + "\n";
        closing.push_back(text);
        ++errorCount_;
    };
    if (!conditionals_.empty()) {
        closingError(msg::kImbalancedConditional);
    }
    if (!seenEnd_) {
        closingError(msg::kNoEnd);
    }
    console_ += "tasm: pass 2 complete.\n";
    if (options_.labelTable) {
        WriteLabelTable(*listing_, symbols_, options_.labelTableLocals, options_.labelTableLong);
    }
    if (options_.hexDump) {
        WriteHexDump(*listing_, *image_);
    }
    for (const auto &line : closing) {
        listing_->line(line);
    }
    std::string count = "tasm: Number of errors = " + std::to_string(errorCount_);
    listing_->line(count);
    console_ += count + "\n";

    result.errorCount = errorCount_;
    result.image = std::move(image_);
    result.listing = listing_->finish();
    result.exports = exports_;
    result.wantsSymbolFile = wantsSymbolFile_ || options_.symbolFile;
    if (result.wantsSymbolFile) {
        result.symbols = SymbolFileText(symbols_);
    }
    result.lineBytes = std::move(lineBytes_);
}

void Assembler::runPass(int pass, const std::string &sourceName)
{
    pass_ = pass;
    pc_ = 0;
    module_ = "noname";
    localChar_ = '_';
    commentChar_ = ';';
    msFirst_ = false;
    listOn_ = !options_.quiet;
    codesOn_ = true;
    seenEnd_ = false;
    segment_ = 'N';
    linesThisPass_ = 0;
    conditionals_.clear();
    macros_.clear();
    for (const auto &[name, text] : options_.defines) {
        macros_.define(name, false, {}, text);
    }
    if (pass == 2) {
        for (const auto &text : pass1Errors_) {
            listing_->line(text);
        }
    }
    auto path = FindFile(fs_, sourceName);
    if (!path) {
        throw FatalError{"tasm: source file open error on " + sourceName, 3};
    }
    processFile(sourceName, *path, 0);
}

const Assembler::SourceFile *Assembler::loadFile(const std::string &path)
{
    auto it = files_.find(path);
    if (it != files_.end()) {
        return it->second.get();
    }
    auto text = fs_.read(path);
    if (!text) {
        return nullptr;
    }
    auto file = std::make_unique<SourceFile>();
    file->text = std::move(*text);
    // DOS editors ended files with Ctrl-Z; nothing after it is source.
    auto eof = file->text.find('\x1A');
    if (eof != std::string::npos) {
        file->text.resize(eof);
    }
    auto *raw = file.get();
    files_.emplace(path, std::move(file));
    return raw;
}

void Assembler::processFile(const std::string &displayName, const std::string &path, int depth)
{
    const SourceFile *file = loadFile(path);
    if (!file) {
        throw FatalError{"tasm: source file open error on " + displayName, 3};
    }
    std::string savedName = std::move(fileName_);
    std::string savedPath = std::move(filePath_);
    int savedLine = lineNumber_;
    int savedDepth = depth_;
    fileName_ = displayName;
    filePath_ = path;
    depth_ = depth;
    const std::string_view text = file->text;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t next = text.find('\n', start);
        std::size_t end = next == std::string_view::npos ? text.size() : next;
        next = next == std::string_view::npos ? text.size() : next + 1;
        if (end > start && text[end - 1] == '\r') {
            --end;
        }
        if (++linesThisPass_ > options_.maxSourceLines) {
            throw FatalError{"tasm: too many source lines; does an include file include itself?",
                             4};
        }
        lineNumber_ = ++number;
        lastLineNumber_ = lineNumber_;
        processLine(text.substr(start, end - start));
        start = next;
    }
    fileName_ = std::move(savedName);
    filePath_ = std::move(savedPath);
    lineNumber_ = savedLine;
    depth_ = savedDepth;
}

void Assembler::processLine(std::string_view raw)
{
    outputs_.clear();
    lineCode_.clear();
    errorsBefore_.clear();
    errorsAfter_.clear();
    addressErrorReported_ = false;
    outputs_.push_back({static_cast<std::int32_t>(pc_), 0, 0});

    if (!conditionals_.empty() && !conditionals_.back().active) {
        conditionalWhileSkipping(raw);
        finishLine(raw, {}, true);
        return;
    }
    std::size_t firstNonBlank = 0;
    while (firstNonBlank < raw.size() && chars::IsBlank(raw[firstNonBlank])) {
        ++firstNonBlank;
    }
    // Blank lines and comments, most of any source, hold nothing to assemble.
    if (firstNonBlank == raw.size() || raw[0] == commentChar_ || raw[firstNonBlank] == ';') {
        finishLine(raw, {}, false);
        return;
    }
    if (raw[firstNonBlank] == '#' || raw[firstNonBlank] == '.') {
        switch (preprocessorLine(raw)) {
        case Preprocessed::YesAndListed:
            return;
        case Preprocessed::Yes:
            finishLine(raw, {}, false);
            return;
        case Preprocessed::No:
            break;
        }
    }

    std::string_view line = raw;
    bool expanded = false;
    if (raw[firstNonBlank] != '#' && !macros_.empty()) {
        // One buffer per include level: an expanded line may include a file whose
        // lines expand too, while this line's statements still point into it.
        if (expansions_.size() <= static_cast<std::size_t>(depth_)) {
            expansions_.resize(static_cast<std::size_t>(depth_) + 1);
        }
        std::string &buffer = expansions_[static_cast<std::size_t>(depth_)];
        ExpandStatus status = ExpandStatus::Ok;
        expanded = macros_.expand(raw, buffer, status);
        if (expanded) {
            line = buffer;
        }
        if (status == ExpandStatus::MissingArgs) {
            error(msg::kMacroNoArgs);
        } else if (status == ExpandStatus::TooLong) {
            error(msg::kMacroTooLong);
            line = {};
        }
    }

    std::string expandedFirst;
    std::size_t pos = 0;
    bool first = true;
    while (true) {
        Statement st = ParseStatement(line, pos, first, commentChar_, localChar_);
        if (first && expanded && options_.expandListing) {
            std::size_t end = st.next == std::string_view::npos ? line.size() : st.next - 1;
            expandedFirst = std::string(Trim(line.substr(pos, end - pos)));
        }
        if (!first) {
            outputs_.push_back(
                {static_cast<std::int32_t>(pc_), static_cast<std::uint32_t>(lineCode_.size()), 0});
        }
        processStatement(st);
        if (st.next == std::string_view::npos) {
            break;
        }
        pos = st.next;
        first = false;
    }
    finishLine(raw, expandedFirst, false);
}

void Assembler::processStatement(const Statement &st)
{
    statementPc_ = pc_;
    if (st.op.empty()) {
        if (!st.label.empty()) {
            defineLabel(st.label, static_cast<std::int32_t>(pc_), LabelKind::Address);
        }
        return;
    }
    if (st.isDirective) {
        assembleDirective(st);
        return;
    }
    if (!st.label.empty()) {
        defineLabel(st.label, static_cast<std::int32_t>(pc_), LabelKind::Address);
    }
    assembleInstruction(st);
}

void Assembler::finishLine(std::string_view raw, const std::string &expandedFirst, bool skipped)
{
    if (!finalPass()) {
        return;
    }
    if (recordLineBytes_ && !lineCode_.empty()) {
        lineBytes_.push_back({fileName_, lineNumber_, lineCode_});
    }
    if (!listOn_) {
        return;
    }
    for (const auto &text : errorsBefore_) {
        listing_->line(text);
    }
    if (!codesOn_) {
        listing_->line(raw);
    } else {
        std::string_view source =
            options_.expandListing && !expandedFirst.empty() ? expandedFirst : raw;
        for (std::size_t i = 0; i < outputs_.size(); ++i) {
            const auto &out = outputs_[i];
            listing_->row(lineNumber_, depth_, out.pc, skipped, lineCode_.data() + out.first,
                          out.count, source, i == 0);
        }
    }
    for (const auto &text : errorsAfter_) {
        listing_->line(text);
    }
}

void Assembler::report(Diagnostic d, Place place)
{
    std::string text = FormatDiagnostic(d, options_.errorFormat);
    console_ += text;
    console_ += '\n';
    ++errorCount_;
    if (!finalPass()) {
        pass1Errors_.push_back(std::move(text));
    } else if (place == Place::Before) {
        errorsBefore_.push_back(std::move(text));
    } else {
        errorsAfter_.push_back(std::move(text));
    }
}

void Assembler::error(const char *message, Place place)
{
    if (finalPass()) {
        report({fileName_, lineNumber_, message, {}, false}, place);
    }
}

void Assembler::error(const char *message, std::string detail, Place place)
{
    if (finalPass()) {
        report({fileName_, lineNumber_, message, std::move(detail), true}, place);
    }
}

void Assembler::pass1Error(const char *message)
{
    if (!finalPass()) {
        report({fileName_, lineNumber_, message, {}, false}, Place::Before);
    }
}

void Assembler::pass1Error(const char *message, std::string detail)
{
    if (!finalPass()) {
        report({fileName_, lineNumber_, message, std::move(detail), true}, Place::Before);
    }
}

void Assembler::reportExpression(const ExprResult &r)
{
    if (r.ok) {
        return;
    }
    // The message is one of the msg:: constants, so its view ends in a NUL.
    if (r.hasDetail) {
        error(r.message.data(), r.detail);
    } else {
        error(r.message.data());
    }
}

std::string_view Assembler::symbolName(std::string_view label)
{
    bool local = !label.empty() && label[0] == localChar_;
    if (!local && !options_.ignoreCase) {
        return label;
    }
    nameScratch_.clear();
    if (local) {
        nameScratch_ = module_;
        nameScratch_ += '.';
    }
    nameScratch_ += label;
    if (options_.ignoreCase) {
        for (char &c : nameScratch_) {
            c = base::AsciiUpper(c);
        }
    }
    return nameScratch_;
}

std::optional<std::int32_t> Assembler::resolve(std::string_view name)
{
    const Symbol *symbol = symbols_.find(symbolName(name));
    // Equates of the include files live in the default module; code in a named
    // module still means them when it has no local label of that name.
    if (!symbol && !name.empty() && name[0] == localChar_ && module_ != "noname") {
        nameScratch_ = "noname.";
        nameScratch_ += name;
        if (options_.ignoreCase) {
            for (char &c : nameScratch_) {
                c = base::AsciiUpper(c);
            }
        }
        symbol = symbols_.find(nameScratch_);
    }
    if (!symbol) {
        return std::nullopt;
    }
    return symbol->value;
}

void Assembler::defineLabel(std::string_view label, std::int32_t value, LabelKind kind)
{
    std::string_view name = symbolName(label);
    bool local = label[0] == localChar_;
    if (name.size() > kMaxLabelLength) {
        if (local) {
            error(msg::kLabelTooLong, std::string(name));
        } else {
            error(msg::kNameTooLong);
        }
    }
    if (!finalPass()) {
        auto [symbol, inserted] = symbols_.insert(name, value);
        if (!inserted) {
            if (options_.checkMask & kCheckDuplicateLabel) {
                pass1Error(msg::kDuplicateLabel, std::string(label));
            }
            return;
        }
        symbol->local = local;
        symbol->segment = segment_;
        return;
    }
    Symbol *symbol = symbols_.find(name);
    if (!symbol) {
        symbol = symbols_.insert(name, value).first;
        symbol->local = local;
        symbol->segment = segment_;
    }
    if (symbol->seenInFinalPass) {
        return;
    }
    symbol->seenInFinalPass = true;
    if (kind == LabelKind::Address && symbol->value != value) {
        error(msg::kMisaligned, std::string(label), Place::After);
    }
    symbol->value = value;
}

ExprResult Assembler::evaluateQuiet(std::string_view text, bool undefinedIsError)
{
    // Blanks separate nothing in an operand: `.db 1111 1111b` is one number, as it is
    // in an instruction operand, whose blanks are gone before it gets here.
    if (std::any_of(text.begin(), text.end(), chars::IsBlank)) {
        compactScratch_ = CompactOperand(text);
        text = compactScratch_;
    }
    ExprSettings settings;
    settings.pc = static_cast<std::int32_t>(statementPc_);
    settings.localChar = localChar_;
    settings.undefinedIsError = undefinedIsError;
    return Evaluate(text, settings, *this);
}

std::optional<std::int32_t> Assembler::value(std::string_view text)
{
    ExprResult r = evaluateQuiet(text, finalPass());
    if (!r.ok) {
        reportExpression(r);
        return std::nullopt;
    }
    return r.value;
}

void Assembler::emit(std::uint8_t byte)
{
    if (finalPass()) {
        if (pc_ >= 0 && pc_ <= 0xFFFF) {
            image_->write(static_cast<std::uint16_t>(pc_), byte);
        } else if (!addressErrorReported_) {
            addressErrorReported_ = true;
            char text[24];
            std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(pc_));
            error(msg::kAddressRange, text);
        }
        lineCode_.push_back(byte);
        ++outputs_.back().count;
    }
    ++pc_;
}

void Assembler::setPc(std::int64_t pc)
{
    pc_ = pc;
}

} // namespace vexil::tasm
