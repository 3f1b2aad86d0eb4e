// Direct mode, program runs and the formula list against a real definition store.
#include "calc/runner.h"
#include "engine/number_format.h"
#include "support/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using quillmar::engine::DefinitionStore;
using quillmar::RecordingMessages;
using quillmar::calc::DirectOutcome;
using quillmar::calc::formulaEntries;
using quillmar::calc::runProgram;
using quillmar::calc::workDirectLine;
using Lines = std::vector<std::string>;

class Runner : public ::testing::Test {
protected:
    RecordingMessages messages;
    DefinitionStore store{messages};
};

TEST_F(Runner, ProgramExampleWritesValuesAndErrorsIntoOneOutput)
{
    const auto out = runProgram(store,
                                {"; Kreisfläche", "r=2", "A=3,14159*r^2", "Ausgabe(A)", "Ausgabe(A*2)", "A*2="},
                                "0.00");
    EXPECT_EQ(out.lines, (Lines{";A=12,57", ";A*2=25,13", "Fehler:A*2="}));
    EXPECT_TRUE(out.hasErrors);
    // Definitions of the run stay in the store.
    EXPECT_EQ(store.list(), (Lines{"r=2", "A=3,14159*r^2"}));
}

TEST_F(Runner, ProgramStatementKinds)
{
    struct Case {
        const char* line;
        Lines output;
    };
    const Case cases[] = {
        {"ausgabe(x)", {";x=3,00"}},
        {"AUSGABE ( x * 2 )", {";x*2=6,00"}},      // blanks go before the line is examined
        {"Ausgabe(x", {"Fehler:Ausgabe(x"}},       // no closing parenthesis: an ordinary line
        {"Ausgabe(1/0)", {";1/0"}},                // a failing output is not an error
        {"Ausgabe(y=4)", {";y=4"}},                // no value: the expression alone
        {" ; x=5", {}},                            // a comment, even after blanks
        {"\tf(u) = u*x", {}},                      // a definition writes nothing
        {"x = 1 +", {"Fehler:x = 1 +"}},           // the line as written, blanks included
        {"cls", {"Fehler:cls"}},                   // direct commands are no commands here
    };
    for (const Case& c : cases) {
        DefinitionStore fresh(messages);
        ASSERT_TRUE(runProgram(fresh, {"x=3"}, "0.00").lines.empty());
        EXPECT_EQ(runProgram(fresh, {c.line}, "0.00").lines, c.output) << c.line;
    }
}

TEST_F(Runner, ProgramWithoutOutputWritesNothingAndKeepsDefinitions)
{
    const auto out = runProgram(store, {";nur Definitionen", "a=2", "", "g(t)=t*a"}, "0.000");
    EXPECT_TRUE(out.lines.empty());
    EXPECT_FALSE(out.hasErrors);
    EXPECT_EQ(store.size(), 2u);
}

TEST_F(Runner, OverLongLinesAreErrorsInBothModes)
{
    const std::string sum = "x=" + std::string(300, '1');
    const std::string output = "Ausgabe(" + std::string(250, '1') + ")";
    const auto out = runProgram(store, {sum, output}, "0");
    EXPECT_EQ(out.lines, (Lines{"Fehler:" + sum, "Fehler:" + output}));
    EXPECT_EQ(store.size(), 0u);

    const DirectOutcome direct = workDirectLine(store, std::string(300, '2') + "=", "0");
    EXPECT_EQ(direct.action, DirectOutcome::Action::message);
    EXPECT_EQ(direct.message, "ungültiger Ausdruck");
}

TEST_F(Runner, DirectModeLines)
{
    auto d = workDirectLine(store, "x = 6 * (3*5-4)", "0.000");
    EXPECT_EQ(d.action, DirectOutcome::Action::none);

    d = workDirectLine(store, "x*2=", "0.000");
    EXPECT_EQ(d.action, DirectOutcome::Action::insertBelow);
    EXPECT_EQ(d.lines, Lines{quillmar::engine::formatNumber("0.000", 132)});

    d = workDirectLine(store, "3+4=5", "0.000");
    EXPECT_EQ(d.action, DirectOutcome::Action::message);
    EXPECT_EQ(d.message, "ungültiger Ausdruck");

    EXPECT_EQ(workDirectLine(store, "  ;x=5", "0").action, DirectOutcome::Action::none);
    EXPECT_EQ(workDirectLine(store, "Ausgabe(x)", "0").action, DirectOutcome::Action::message);
    EXPECT_EQ(store.list(), Lines{"x=6*(3*5-4)"});
}

TEST_F(Runner, DirectModeCommandsIgnoreCaseOfLatinLetters)
{
    ASSERT_EQ(workDirectLine(store, "f(x)=2*x", "0").action, DirectOutcome::Action::none);
    EXPECT_EQ(workDirectLine(store, "C L s", "0").action, DirectOutcome::Action::clearText);

    const auto list = workDirectLine(store, "Zeige_Fkt", "0");
    EXPECT_EQ(list.action, DirectOutcome::Action::appendLines);
    EXPECT_EQ(list.lines, Lines{"f(x)=2*x"});

    for (const char* clear : {"LöSCHE_ALLE", "lösche_alle"}) {
        const auto cleared = workDirectLine(store, clear, "0");
        EXPECT_EQ(cleared.action, DirectOutcome::Action::message);
        EXPECT_EQ(cleared.message, "Alle Formeln gelöscht!");
        EXPECT_EQ(store.size(), 0u);
    }
    // Only A-Z compare without case: a capital Ö is another word.
    EXPECT_EQ(workDirectLine(store, "LÖSCHE_ALLE", "0").message, "ungültiger Ausdruck");
}

TEST_F(Runner, SelfReferenceShowsTheEvaluatorsMessageFirst)
{
    ASSERT_EQ(workDirectLine(store, "q=1", "0").action, DirectOutcome::Action::none);
    const auto d = workDirectLine(store, "q=q+1", "0");
    EXPECT_EQ(messages.shown, Lines{"Rekursive Definitionen nicht erlaubt!"});
    EXPECT_EQ(d.message, "ungültiger Ausdruck");
}

TEST_F(Runner, FormulaEntriesShowValuesWhereTheLeftSideComputes)
{
    runProgram(store, {"x=3", "f(x)=2*x", "g(t)=t+1", "y=6*(3*5-4)"}, "0");
    EXPECT_EQ(formulaEntries(store, "0"), (Lines{"x=3=3", "f(x)=2*x=6", "g(t)=t+1", "y=6*(3*5-4)=66"}));
    store.clear();
    EXPECT_TRUE(formulaEntries(store, "0").empty());
}

} // namespace
