// SPDX-License-Identifier: GPL-3.0-or-later
// The two-pass assembler. Pass 1 sizes statements and collects labels; pass 2
// evaluates everything, writes the image and the listing and reports errors. All
// state lives in the object, so one process can assemble any number of sources.
#pragma once

#include "tasm/Diagnostics.h"
#include "tasm/Expression.h"
#include "tasm/FileSystem.h"
#include "tasm/InstructionTable.h"
#include "tasm/Listing.h"
#include "tasm/MacroTable.h"
#include "tasm/MemoryImage.h"
#include "tasm/Options.h"
#include "tasm/Statement.h"
#include "tasm/SymbolTable.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vexil::tasm {

// Bytes one source line produced, for tests that compare encodings line by line.
struct LineBytes {
    std::string file;
    int line = 0;
    std::vector<std::uint8_t> bytes;
};

struct FatalError {
    std::string message; // the whole console line
    int exitCode = 3;
};

struct AssemblyResult {
    int errorCount = 0;
    std::optional<FatalError> fatal;
    std::unique_ptr<MemoryImage> image;
    // The listing, written but not yet in place; null without a listing name.
    std::unique_ptr<OutputFile> listing;
    std::string exports; // lines for the export file, empty when nothing was exported
    bool wantsSymbolFile = false;
    std::string symbols;              // the symbol file's text
    std::vector<LineBytes> lineBytes; // only when asked for
};

class Assembler : private SymbolResolver {
public:
    // `includeDirs` are searched after the working folder and the including file's folder.
    Assembler(const Options &options, FileSystem &fs, std::vector<std::string> includeDirs,
              std::string &console);

    // The listing is written to `listingName`, when given, as the second pass makes it.
    AssemblyResult run(const std::string &sourceName,
                       const std::optional<std::string> &listingName = std::nullopt);
    // Fills AssemblyResult::lineBytes; off by default, since it costs memory per line.
    void recordLineBytes() { recordLineBytes_ = true; }

private:
    enum class Place { Before, After };
    enum class LabelKind { Address, Equate };

    struct SourceFile {
        std::string text; // lines are found again in each pass, never stored
    };
    struct Conditional {
        bool active; // lines of the current branch are assembled
        bool parentActive;
        bool taken; // a branch has already been chosen
    };
    struct StatementOutput {
        std::int32_t pc = 0;
        std::uint32_t first = 0; // its bytes in lineCode_
        std::uint32_t count = 0;
    };

    // Driver (Assembler.cpp)
    void runPass(int pass, const std::string &sourceName);
    void processFile(const std::string &displayName, const std::string &path, int depth);
    void processLine(std::string_view raw);
    void processStatement(const Statement &st);
    void finishLine(std::string_view raw, const std::string &expandedFirst, bool skipped);
    const SourceFile *loadFile(const std::string &path);
    std::optional<std::string> resolveInclude(const std::string &name) const;

    // Diagnostics
    void error(const char *message, Place place = Place::Before);
    void error(const char *message, std::string detail, Place place = Place::Before);
    // Errors that only the first pass can see (layout, duplicates, stray #endif).
    void pass1Error(const char *message);
    void pass1Error(const char *message, std::string detail);
    void report(Diagnostic d, Place place);
    void reportExpression(const ExprResult &r);
    bool finalPass() const { return pass_ == 2; }

    // Labels and expressions
    std::optional<std::int32_t> resolve(std::string_view name) override;
    // The name a label is stored under: with its module when local, upper-cased with
    // -i. The view is valid until the next call.
    std::string_view symbolName(std::string_view label);
    void defineLabel(std::string_view label, std::int32_t value, LabelKind kind);
    // Evaluates and reports errors in the final pass; nullopt when it failed.
    std::optional<std::int32_t> value(std::string_view text);
    ExprResult evaluateQuiet(std::string_view text, bool undefinedIsError);

    // Output
    void emit(std::uint8_t byte);
    void setPc(std::int64_t pc);

    // Instructions (AssemblerInstructions.cpp)
    void assembleInstruction(const Statement &st);
    const InstructionRow *matchRow(const MnemonicRows &rows, const std::string &upper,
                                   std::vector<std::pair<std::size_t, std::size_t>> &caps) const;
    bool rowEnabled(const InstructionRow &row) const;
    void encode(const InstructionRow &row, const std::string &compact,
                const std::vector<std::pair<std::size_t, std::size_t>> &caps);
    void checkOperandStyle(std::string_view capture, bool indirectInPattern);

    // Directives (AssemblerDirectives.cpp)
    void assembleDirective(const Statement &st);
    void directiveData(std::string_view operand, int width);
    void directiveText(std::string_view operand);
    void directiveFill(std::string_view operand);
    void directiveEcho(std::string_view operand);
    void directiveExport(std::string_view operand);
    void directiveAddInstr(std::string_view operand);
    void directiveChk(std::string_view operand);
    std::optional<std::string> quotedText(std::string_view operand);

    // Preprocessor (AssemblerPreprocessor.cpp)
    enum class Preprocessed { No, Yes, YesAndListed };
    Preprocessed preprocessorLine(std::string_view raw);
    void conditionalDirective(const std::string &name, std::string_view rest);
    bool conditionalWhileSkipping(std::string_view raw);
    void pushConditional(bool condition);
    void directiveDefine(std::string_view rest);
    void directiveInclude(std::string_view rest);
    void endOfRun(AssemblyResult &result);

    const Options &options_;
    FileSystem &fs_;
    std::vector<std::string> includeDirs_;
    std::string &console_;
    AddedInstructions added_; // rows from .ADDINSTR, tried before the built-in ones
    std::unordered_map<std::string, std::unique_ptr<SourceFile>> files_;

    // State of the current pass.
    int pass_ = 1;
    std::int64_t pc_ = 0;
    std::int64_t statementPc_ = 0; // `$` and `*` mean this, even late in a .dw list
    std::string module_ = "noname";
    char localChar_ = '_';
    char commentChar_ = ';';
    bool msFirst_ = false;
    bool listOn_ = true;
    bool codesOn_ = true;
    bool seenEnd_ = false;
    char segment_ = 'N';
    MacroTable macros_;
    std::vector<Conditional> conditionals_;
    std::string fileName_; // as the user wrote it, for messages
    std::string filePath_; // as found, for relative includes
    int lineNumber_ = 0;
    int depth_ = 0;
    long linesThisPass_ = 0;
    int lastLineNumber_ = 0; // where reading stopped, for end-of-run messages

    // State of the current line.
    std::vector<StatementOutput> outputs_;
    std::vector<std::uint8_t> lineCode_; // the bytes of every statement of the line
    // Macro-expanded lines, one per include level; a deque, so that a line's text
    // stays where it is while a file it includes adds a level.
    std::deque<std::string> expansions_;
    std::vector<std::string> errorsBefore_;
    std::vector<std::string> errorsAfter_;
    bool addressErrorReported_ = false;
    std::optional<std::int32_t> orgPc_;
    std::string compactScratch_; // an operand without its blanks, while it is evaluated
    std::string nameScratch_;    // behind symbolName()

    SymbolTable symbols_;
    std::unique_ptr<MemoryImage> image_;
    std::unique_ptr<ListingWriter> listing_;
    std::vector<std::string> pass1Errors_;
    std::string exports_;
    bool wantsSymbolFile_ = false;
    int errorCount_ = 0;
    bool recordLineBytes_ = false;
    std::vector<LineBytes> lineBytes_;
};

} // namespace vexil::tasm
