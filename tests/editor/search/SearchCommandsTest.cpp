// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/search/SearchCommands.h"
#include "editor/search/GoToLine.h"
#include "editor/search/IndexedText.h"

#include <gtest/gtest.h>

using namespace vexil::editor;

namespace {

// An editor that is a string: what the commands select and replace lands here.
class StringEditor : public SearchableText {
public:
    explicit StringEditor(std::u32string text) : text_(std::move(text)) {}

    std::u32string_view text() const override { return text_; }
    TextRange selection() const override { return selection_; }
    void select(TextRange range) override { selection_ = range; }
    void placeCaret(int offset) override { selection_ = {offset, 0}; }
    void replace(TextRange range, std::u32string_view with) override
    {
        text_.replace(static_cast<std::size_t>(range.start), static_cast<std::size_t>(range.length),
                      with);
        selection_ = {range.start + static_cast<int>(with.size()), 0};
    }
    void replaceEach(const std::vector<int> &starts, int length, std::u32string_view with) override
    {
        ++replaceSteps;
        for (auto at = starts.rbegin(); at != starts.rend(); ++at) {
            text_.replace(static_cast<std::size_t>(*at), static_cast<std::size_t>(length), with);
        }
    }

    std::u32string text_;
    TextRange selection_;
    int replaceSteps = 0;
};

SearchQuery Query(std::u32string what, bool matchCase = false, bool wholeWord = false)
{
    return {std::move(what), {matchCase, wholeWord}};
}

ReplaceRequest Replace(std::u32string what, std::u32string with, bool selectionOnly = false)
{
    return {Query(std::move(what)), std::move(with), selectionOnly};
}

} // namespace

TEST(TextSearch, CaseAndWholeWords)
{
    const std::u32string text = U"LD A,(HL) ; ld hl,label_hl Änderung";
    EXPECT_EQ(FindForward(text, U"ld", 0, 100, {}), 0);
    EXPECT_EQ(FindForward(text, U"ld", 0, 100, {true, false}), 12);
    EXPECT_EQ(FindForward(text, U"hl", 0, 100, {false, true}), 6);
    EXPECT_EQ(FindForward(text, U"hl", 7, 100, {false, true}), 15);
    // "_" belongs to a word, so label_hl holds no whole "hl".
    EXPECT_EQ(FindForward(text, U"hl", 16, 100, {false, true}), std::nullopt);
    EXPECT_EQ(FindForward(text, U"änderung", 0, 100, {}), 27);
    EXPECT_EQ(FindForward(text, U"änder", 0, 100, {false, true}), std::nullopt);
    // The match has to end inside the range, and nothing is never found.
    EXPECT_EQ(FindForward(text, U"LD", 0, 1, {}), std::nullopt);
    EXPECT_EQ(FindForward(text, U"", 0, 100, {}), std::nullopt);
    EXPECT_EQ(FoldCase(U'Ω'), U'ω');
    EXPECT_EQ(FoldCase(U'Ł'), U'ł');
    EXPECT_EQ(FoldCase(U'Ж'), U'ж');
    EXPECT_EQ(FoldCase(U'×'), U'×');
}

TEST(IndexedText, CountsCharactersAndLineBreaksAsTheEditorShowsThem)
{
    const IndexedText text("é\r\nab\xFF"
                           "c");
    EXPECT_EQ(text.chars(), U"é\r\nab\uFFFDc");
    EXPECT_EQ(text.byteOffset(1), 2);
    EXPECT_EQ(text.byteOffset(3), 4);
    EXPECT_EQ(text.byteOffset(99), 8);
    EXPECT_EQ(text.charOffset(1), 0); // inside the é
    EXPECT_EQ(text.charOffset(7), 6);
    EXPECT_EQ(text.charOffset(8), 7);
    EXPECT_EQ(CharsToUtf8(U"→θ\r\n"), "\u2192\u03b8\r\n");
    EXPECT_EQ(Utf8ToChars("\xE0\x80\x80"), U"\uFFFD\uFFFD\uFFFD"); // an overlong form
}

TEST(SearchCommands, FindNextWrapsAfterTheLastMatch)
{
    StringEditor editor(U"abc abc");
    SearchState state;
    const SearchQuery abc = Query(U"abc");
    for (const int expected : {0, 4, -1, 0}) {
        const SearchOutcome outcome = FindNext(editor, state, abc);
        if (expected < 0) {
            EXPECT_EQ(outcome, SearchOutcome::NotFound);
            EXPECT_EQ(state.position, 0);
        } else {
            EXPECT_EQ(outcome, SearchOutcome::Found);
            EXPECT_EQ(editor.selection_, (TextRange{expected, 3}));
            EXPECT_EQ(state.position, expected + 1);
        }
    }
}

TEST(SearchCommands, SearchAgainStartsAtTheSelectionEndAndAtTheTopAfterFailing)
{
    StringEditor editor(U"aXa\r\naXa");
    SearchState state;
    EXPECT_EQ(SearchAgain(editor, state, Query(U"")), SearchOutcome::ShowFindDialog);
    editor.selection_ = {1, 2};
    EXPECT_EQ(SearchAgain(editor, state, Query(U"a")), SearchOutcome::Found);
    EXPECT_EQ(editor.selection_, (TextRange{5, 1})); // after the two characters of CR LF
    EXPECT_EQ(SearchAgain(editor, state, Query(U"a")), SearchOutcome::Found);
    EXPECT_EQ(editor.selection_, (TextRange{7, 1}));
    EXPECT_EQ(SearchAgain(editor, state, Query(U"a")), SearchOutcome::NotFound);
    EXPECT_TRUE(state.againFailed);
    EXPECT_EQ(SearchAgain(editor, state, Query(U"a")), SearchOutcome::Found);
    EXPECT_EQ(editor.selection_, (TextRange{0, 1}));
    EXPECT_FALSE(state.againFailed);
}

TEST(SearchCommands, ReplaceAllCountsAndNeverSearchesInsideAReplacement)
{
    StringEditor editor(U"aaa");
    SearchState state;
    editor.selection_ = {1, 0};
    EXPECT_EQ(ReplaceAll(editor, state, Replace(U"a", U"aa")), 3);
    EXPECT_EQ(editor.text_, U"aaaaaa");
    EXPECT_EQ(editor.replaceSteps, 1);
    EXPECT_EQ(editor.selection_, (TextRange{1, 0})); // the caret back where it was
    EXPECT_EQ(ReplaceAllMessage(3), "3 replacements made.");
    EXPECT_EQ(ReplaceAllMessage(1), "1 replacement made.");
    EXPECT_EQ(ReplaceAllMessage(0), kTextNotFound);

    StringEditor none(U"bbb");
    EXPECT_EQ(ReplaceAll(none, state, Replace(U"a", U"x")), 0);
    EXPECT_EQ(none.replaceSteps, 0);
}

TEST(SearchCommands, WholeWordReplaceAllSeesTheReplacedTextBeforeTheNextMatch)
{
    // Once the first "-" is an "x", the second stands after a letter: no whole word.
    EXPECT_EQ(PlanReplaceAll(U"--", U"-", U"x", 0, 2, {false, true}), std::vector<int>{0});
    // Replaced by nothing, what stood before the first stands before the second.
    EXPECT_EQ(PlanReplaceAll(U" -a-a", U"-a", U"", 0, 5, {false, true}), (std::vector<int>{1, 3}));
    EXPECT_EQ(PlanReplaceAll(U" -a-a", U"-a", U"x", 0, 5, {false, true}), std::vector<int>{1});
    EXPECT_EQ(PlanReplaceAll(U"--", U"-", U"", 0, 2, {false, true}), (std::vector<int>{0, 1}));
}

TEST(SearchCommands, SelectionOnlyStaysInsideTheSelectionTheUserMade)
{
    StringEditor editor(U"x x [x x x] x");
    SearchState state;
    state.position = 1; // left over from a search before the selection
    editor.selection_ = {4, 7};
    BeginSelectionScope(editor, state);
    const ReplaceRequest request = Replace(U"x", U"yy", true);

    // Find Next walks the matches of the selection, although each one selects the match.
    EXPECT_EQ(ReplaceFindNext(editor, state, request), SearchOutcome::Found);
    EXPECT_EQ(editor.selection_, (TextRange{5, 1}));
    EXPECT_EQ(ReplaceFindNext(editor, state, request), SearchOutcome::Found);
    EXPECT_EQ(editor.selection_, (TextRange{7, 1}));

    // Replace takes the selected match, then the next one after the replacement.
    EXPECT_EQ(ReplaceNext(editor, state, request), SearchOutcome::Found);
    EXPECT_EQ(editor.text_, U"x x [x yy x] x");
    EXPECT_EQ(ReplaceNext(editor, state, request), SearchOutcome::Found);
    EXPECT_EQ(editor.text_, U"x x [x yy yy] x");
    EXPECT_EQ(editor.selection_, (TextRange{10, 0}));
    EXPECT_EQ(ReplaceNext(editor, state, request), SearchOutcome::NotFound);
    EXPECT_EQ(state.position, 4);

    // The scope has grown with the replacements, so Replace All still reaches its end
    // and nothing after it.
    EXPECT_EQ(ReplaceAll(editor, state, request), 1);
    EXPECT_EQ(editor.text_, U"x x [yy yy yy] x");

    // Without "in selection only" the search goes on from where it was.
    editor.selection_ = {6, 2};
    BeginSelectionScope(editor, state);
    state.position = 9;
    EXPECT_EQ(ReplaceFindNext(editor, state, Replace(U"yy", U"", false)), SearchOutcome::Found);
    EXPECT_EQ(editor.selection_, (TextRange{11, 2}));

    // A new selection by the user is a new scope.
    editor.selection_ = {0, 3};
    EXPECT_EQ(ReplaceAll(editor, state, Replace(U"x", U"z", true)), 2);
    EXPECT_EQ(editor.text_, U"z z [yy yy yy] x");
}

TEST(SearchCommands, ReplaceWithoutSelectionMovesOnPastEachReplacement)
{
    StringEditor editor(U"a a");
    SearchState state;
    const ReplaceRequest request = Replace(U"a", U"aa");
    EXPECT_EQ(ReplaceNext(editor, state, request), SearchOutcome::Found);
    EXPECT_EQ(editor.text_, U"aa a");
    EXPECT_EQ(editor.selection_, (TextRange{0, 0}));
    EXPECT_EQ(ReplaceNext(editor, state, request), SearchOutcome::Found);
    EXPECT_EQ(editor.text_, U"aa aa");
    EXPECT_EQ(ReplaceNext(editor, state, request), SearchOutcome::NotFound);
    EXPECT_EQ(state.position, 0);
}

TEST(GoToLine, NumbersTooLargeAndNotNumbers)
{
    using Kind = GoToLineAnswer::Kind;
    EXPECT_EQ(ParseGoToLine("1").kind, Kind::Line);
    EXPECT_EQ(ParseGoToLine(" 32767 ").number, 32767);
    EXPECT_EQ(ParseGoToLine("32768").kind, Kind::TooLarge);
    EXPECT_EQ(ParseGoToLine("99999999999999999999999").kind, Kind::TooLarge);
    EXPECT_EQ(ParseGoToLine("-3").number, -3);
    EXPECT_EQ(ParseGoToLine("").kind, Kind::Nothing);
    EXPECT_EQ(ParseGoToLine("12a").kind, Kind::Nothing);
    EXPECT_EQ(ParseGoToLine("-").kind, Kind::Nothing);
    EXPECT_EQ(GoToLineTarget(0, 10), std::nullopt);
    EXPECT_EQ(GoToLineTarget(-3, 10), std::nullopt);
    EXPECT_EQ(GoToLineTarget(11, 10), 10);
    EXPECT_EQ(GoToLineTarget(3, 10), 3);
}
