// The command-line tool `quillmar rechne`, called directly and through the program.
#include "cli/calculate_verb.h"
#include "engine/number_format.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun rechne(const std::string& input, std::vector<std::string> args = {})
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = quillmar::cli::runCalculateVerb(args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(Rechne, AnswersEveryLineWithOneLine)
{
    const ToolRun run = rechne("x = 6*(3*5-4)\n"
                           "x=\n"
                           "; Kommentar\n"
                           "\n"
                           "f(u)=2*u^2\r\n"
                           "f(2) + x =\n"
                           "1/0=\n"
                           "\tx*1,5=\n"
                           "x=x+1\n"
                           "ohne Gleichheitszeichen");
    EXPECT_EQ(run.status, 0);
    const auto value = [](quillmar::Real v) { return quillmar::engine::formatNumber("0.000", v) + "\n"; };
    EXPECT_EQ(run.out, "\n" + value(66) + "\n\n\n" + value(74) + "ungültiger Ausdruck\n" + value(99)
                           + "ungültiger Ausdruck\nungültiger Ausdruck\n");
    EXPECT_EQ(run.err, "Rekursive Definitionen nicht erlaubt!\n");
}

TEST(Rechne, CommandsOfTheWindowTextAreRefusedLines)
{
    // The stream has no text to clear or list into, and the store stays as it is.
    const ToolRun run = rechne("a=2\nlösche_alle\nZeige_Fkt\nC L S\nAusgabe(a)\na=\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "\nungültiger Ausdruck\nungültiger Ausdruck\nungültiger Ausdruck\nungültiger Ausdruck\n"
                           + quillmar::engine::formatNumber("0.000", 2) + "\n");
    EXPECT_EQ(run.err, "");
}

TEST(Rechne, FormatsWithTheGivenPattern)
{
    const ToolRun run = rechne("2/3=\n", {"--format", "0.00"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, quillmar::engine::formatNumber("0.00", 2.0L / 3) + "\n");
}

TEST(Rechne, RefusesUnknownArguments)
{
    for (const auto& args : {std::vector<std::string>{"--format"}, std::vector<std::string>{"--hilfe"}}) {
        const ToolRun run = rechne("1=\n", args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Aufruf: quillmar rechne"), std::string::npos);
    }
}

TEST(Rechne, RunsThroughTheProgram)
{
    const std::filesystem::path program = quillmar::testing::dataDir() / "quillmar";
    ASSERT_TRUE(std::filesystem::exists(program)) << program;

    // A name of its own, so that test runs side by side do not share the file.
    const std::filesystem::path input =
        std::filesystem::temp_directory_path() / ("quillmar_rechne_test_" + std::to_string(getpid()) + ".txt");
    std::ofstream(input, std::ios::binary) << "a=2\nA^10=\nb=\n";
    const std::string command = "'" + program.string() + "' rechne < '" + input.string() + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    std::array<char, 256> buffer{};
    while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int status = pclose(pipe);
    std::filesystem::remove(input);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(output, "\n" + quillmar::engine::formatNumber("0.000", 1024) + "\nungültiger Ausdruck\n");
}

TEST(Rechne, RunsProgramFilesOfEveryForm)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("quillmar_rechne_programm_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string program = "; Kreisfl\xE4" "che\r\nr=2\r\nA=3,14159*r^2\r\nAusgabe(A)\r\nAusgabe(A*2)\r\nA*2=\r\n";
    std::ofstream(folder / "k.for", std::ios::binary) << program;
    std::ofstream(folder / "k.REF", std::ios::binary)
        << "Rechnenfenster\r\n0.0\r\n1#Arial#0#0#0#0#0#10#\r\n0#1#2#3#4#\r\nDATEN_ANFANG\r\n" << program << "DATEN_ENDE\r\n";
    std::ofstream(folder / "ok.txt", std::ios::binary) << "x=2\r\nAusgabe(x)\r\n";

    ToolRun run = rechne("", {"--programm", (folder / "k.for").string(), "--format", "0.00"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, ";A=12,57\n;A*2=25,13\nFehler:A*2=\n");

    run = rechne("", {"--programm", (folder / "k.REF").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, ";A=12,6\n;A*2=25,1\nFehler:A*2=\n");

    run = rechne("", {"--programm", (folder / "ok.txt").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, ";x=2,000\n");

    run = rechne("", {"--programm", (folder / "fehlt.ref").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("kann nicht geöffnet werden"), std::string::npos);
    EXPECT_EQ(rechne("", {"--programm"}).status, 2);
    fs::remove_all(folder);
}
