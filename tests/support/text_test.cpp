#include "support/file_io.h"
#include "support/text.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

using namespace quillmar;

TEST(Text, Cp1252RoundTripAndFallbackToUtf8)
{
    const std::string utf8 = "Größe: 5 € – Maß";
    const auto cp = text::toCp1252(utf8);
    ASSERT_TRUE(cp.has_value());
    EXPECT_EQ(cp->size(), text::length(utf8));
    EXPECT_EQ(text::fromCp1252(*cp), utf8);
    EXPECT_EQ(text::decodeFileText(text::encodeFileText(utf8)), utf8);

    const std::string greek = "Winkel α";
    EXPECT_FALSE(text::toCp1252(greek).has_value());
    const std::string encoded = text::encodeFileText(greek);
    EXPECT_EQ(encoded.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(text::decodeFileText(encoded), greek);
}

TEST(Text, BoundsCountCharactersNotBytes)
{
    EXPECT_EQ(text::length("äöü"), 3u);
    EXPECT_EQ(text::left("äöüß", 2), "äö");
    EXPECT_EQ(text::left("abc", 10), "abc");
}

TEST(Text, SplitLinesAcceptsEveryLineEnd)
{
    EXPECT_EQ(text::splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(text::splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(text::joinCrLf({"a", ""}), "a\r\n\r\n");
}

TEST(Text, FillInReplacesNumberedPlaceholders)
{
    struct Case {
        std::string_view pattern;
        std::initializer_list<std::string_view> args;
        std::string expected;
    };
    const Case cases[] = {
        {"Die Datei \"%1\" fehlt.", {"a.cds"}, "Die Datei \"a.cds\" fehlt."},
        {"%2 vor %1", {"eins", "zwei"}, "zwei vor eins"},
        {"%1%1", {"x"}, "xx"},
        {"%1 und %3", {"a", "b"}, "a und %3"},      // no third argument: the placeholder stays
        {"100 % und %", {"a"}, "100 % und %"},      // a percent sign without a digit stays
        {"%0 %10", {"a"}, "%0 a0"},                 // one digit 1..9 only
        {"%1", {"%2"}, "%2"},                       // an argument is not filled in again
        {"", {"a"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text::fillIn(c.pattern, c.args), c.expected) << c.pattern;
}

TEST(FileIo, AtomicWriteReplacesAndResolvesNamesWithoutCase)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("quillmar_fileio_test_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    EXPECT_EQ(fileio::writeAtomically(dir / "GROESSEN.cds", "eins"), "");
    EXPECT_EQ(fileio::writeAtomically(dir / "GROESSEN.cds", "zwei"), "");
    EXPECT_EQ(*fileio::readAll(dir / "GROESSEN.cds"), "zwei");
    EXPECT_EQ(fileio::resolveNoCase(dir / "groessen.cds"), dir / "GROESSEN.cds");
    EXPECT_EQ(fileio::resolveNoCase(dir / "fehlt.cds"), dir / "fehlt.cds");
    EXPECT_NE(fileio::writeAtomically(dir / "kein_ordner" / "x.txt", "x"), "");
    fs::remove_all(dir);
}
