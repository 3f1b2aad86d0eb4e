#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quillmar::settings;
using quillmar::WindowPlacement;
using quillmar::WindowState;

namespace {

std::string file(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

const std::vector<std::string> kGood = {"quillmar30", "0#599#399#103#334#", "0.00", "1", "2", "3", "1", "0"};

} // namespace

TEST(SettingsFile, WritesEightCrLfLinesThatReadBackIdentically)
{
    const WindowPlacement window{WindowState::Normal, 599, 399, 103, 334};
    Options options;
    options.factorPattern = "0.00";
    options.formulaTarget = 1;
    options.formulaContent = 2;
    options.conversionTarget = 3;
    options.conversionContent = 1;
    options.excelXP = false;

    const std::string bytes = writeSettings(window, options);
    EXPECT_EQ(bytes, file(kGood));

    const ReadResult r = readSettings(bytes);
    ASSERT_EQ(r.outcome, ReadOutcome::complete);
    EXPECT_EQ(r.state, WindowState::Normal);
    EXPECT_EQ(r.width, 599);
    EXPECT_EQ(r.height, 399);
    EXPECT_EQ(r.top, 103);
    EXPECT_EQ(r.left, 334);
    Options read;
    applyOptions(r, read);
    EXPECT_EQ(read.factorPattern, "0.00");
    EXPECT_EQ(read.formulaTarget, 1);
    EXPECT_EQ(read.formulaContent, 2);
    EXPECT_EQ(read.conversionTarget, 3);
    EXPECT_EQ(read.conversionContent, 1);
    EXPECT_FALSE(read.excelXP);
    EXPECT_EQ(writeSettings(window, read), bytes);
}

TEST(SettingsFile, InitialValuesAndMaximizedRecord)
{
    const Options initial;
    EXPECT_EQ(initial.factorPattern, "0.000");
    EXPECT_EQ(initial.formulaTarget + initial.formulaContent + initial.conversionTarget + initial.conversionContent, 0);
    EXPECT_TRUE(initial.excelXP);

    auto lines = kGood;
    lines[1] = "2#800#600#10#10#";
    const ReadResult r = readSettings(file(lines));
    EXPECT_EQ(r.outcome, ReadOutcome::complete);
    EXPECT_EQ(r.state, WindowState::Maximized);
}

TEST(SettingsFile, LineEightIsExcelXpUnlessItIsZero)
{
    const std::pair<std::string, bool> cases[] = {{"0", false}, {"1", true}, {"2", true}, {"", true}, {"00", true},
                                                  {" 0", true}};
    for (const auto& [line, xp] : cases) {
        auto lines = kGood;
        lines[7] = line;
        const ReadResult r = readSettings(file(lines));
        EXPECT_EQ(r.outcome, ReadOutcome::complete) << '"' << line << '"';
        EXPECT_EQ(r.excelXP, xp) << '"' << line << '"';
    }
}

TEST(SettingsFile, ReadingStopsAtTheFirstFaultKeepingWhatCameBefore)
{
    struct Case {
        const char* name;
        int line;            // 0-based line to replace, -1 to cut the file after `keep` lines
        const char* text;
        std::size_t keep;
        bool leftRead;
        bool factorRead;
        int lastOptionRead;  // how many of the four options were read
        bool xpRead;
    };
    const Case cases[] = {
        {"record without closing #", 1, "0#599#399#103#334", 8, false, false, 0, false},
        {"state not a number", 1, "x#599#399#103#334#", 8, false, false, 0, false},
        {"state out of range", 1, "3#599#399#103#334#", 8, false, false, 0, false},
        {"only two lines", -1, "", 2, true, false, 0, false},
        {"only five lines", -1, "", 5, true, true, 2, false},
        {"only seven lines", -1, "", 7, true, true, 4, false},
        {"option not a number", 5, "zwei", 8, true, true, 2, false},
        {"option out of range", 3, "3", 8, true, true, 0, false},
        {"option negative", 6, "-1", 8, true, true, 3, false},
    };
    for (const Case& c : cases) {
        auto lines = kGood;
        if (c.line >= 0)
            lines[static_cast<std::size_t>(c.line)] = c.text;
        lines.resize(c.keep);
        const ReadResult r = readSettings(file(lines));
        EXPECT_EQ(r.outcome, ReadOutcome::faulty) << c.name;
        EXPECT_EQ(r.left.has_value(), c.leftRead) << c.name;
        EXPECT_EQ(r.factorPattern.has_value(), c.factorRead) << c.name;
        const int optionsRead = r.formulaTarget.has_value() + r.formulaContent.has_value() +
                                r.conversionTarget.has_value() + r.conversionContent.has_value();
        EXPECT_EQ(optionsRead, c.lastOptionRead) << c.name;
        EXPECT_EQ(r.excelXP.has_value(), c.xpRead) << c.name;
    }

    // The record without its closing "#" has state, width, height and top.
    auto lines = kGood;
    lines[1] = "0#599#399#103#334";
    const ReadResult r = readSettings(file(lines));
    EXPECT_EQ(r.state, WindowState::Normal);
    EXPECT_EQ(r.width, 599);
    EXPECT_EQ(r.height, 399);
    EXPECT_EQ(r.top, 103);
}

TEST(SettingsFile, MissingEmptyOrForeignFiles)
{
    EXPECT_EQ(readSettings(std::nullopt).outcome, ReadOutcome::faulty);
    EXPECT_EQ(readSettings(std::string()).outcome, ReadOutcome::faulty);

    for (const char* first : {"quillmar20", "Quillmar30", "quillmar30 ", "[Formel]"}) {
        auto lines = kGood;
        lines[0] = first;
        const ReadResult r = readSettings(file(lines));
        EXPECT_EQ(r.outcome, ReadOutcome::wrongIdentification) << first;
        EXPECT_FALSE(r.state.has_value()) << first;
        EXPECT_FALSE(r.factorPattern.has_value()) << first;
    }
}

TEST(SettingsFile, LineEndingsAndEncodings)
{
    // Plain LF files (edited on another system) read the same.
    std::string lf;
    for (const auto& l : kGood)
        lf += l + "\n";
    EXPECT_EQ(readSettings(lf).outcome, ReadOutcome::complete);

    Options options;
    options.factorPattern = "0,00 €";
    const std::string cp1252 = writeSettings({}, options);
    EXPECT_NE(cp1252.find("0,00 \x80\r\n"), std::string::npos);
    Options back;
    applyOptions(readSettings(cp1252), back);
    EXPECT_EQ(back.factorPattern, "0,00 €");

    options.factorPattern = "0.0 Ω";
    const std::string utf8 = writeSettings({}, options);
    EXPECT_EQ(utf8.substr(0, 3), "\xEF\xBB\xBF");
    const ReadResult r = readSettings(utf8);
    EXPECT_EQ(r.outcome, ReadOutcome::complete);
    applyOptions(r, back);
    EXPECT_EQ(back.factorPattern, "0.0 Ω");
}
