// The data text handed to the HTML output dialog and the page operations behind it.
#include "calc/html_fragment.h"
#include "calc/html_page.h"
#include "support/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace {

using namespace quillmar::calc;
using Lines = std::vector<std::string>;

TEST(HtmlFragment, CalcWindowFragment)
{
    HtmlDataText data;
    writeCalcWindowFragment(data, "C:\\r\\kreis.ref", {"r=2=2"}, {"r=2", "Ausgabe(3,14159*r^2)"});
    EXPECT_EQ(data.lines(), (Lines{"<BR>", "RechnenfensterC:\\r\\kreis.ref<BR>", "r=2=2<BR>", "r=2<BR>",
                                   "Ausgabe(3,14159*r^2)<BR>"}));

    // A second use leaves only its own fragment; an unsaved empty window has two lines;
    // text is not escaped.
    writeCalcWindowFragment(data, "", {}, {});
    EXPECT_EQ(data.lines(), (Lines{"<BR>", "Rechnenfenster<BR>"}));
    writeCalcWindowFragment(data, "", {}, {"a<b & c"});
    EXPECT_EQ(data.lines().back(), "a<b & c<BR>");
}

TEST(HtmlFragment, PictureLineAndPage)
{
    HtmlDataText data;
    data.showPicture(true);
    data.begin();
    EXPECT_FALSE(data.pictureShown());
    data.addPicture("123456.jpg");
    EXPECT_EQ(data.lines(), (Lines{"<BR>", "<P><IMG SRC=123456.jpg><P>"}));
    EXPECT_EQ(data.pictureFileName(), "123456.jpg");
}

TEST(HtmlPage, InsertingKeepsTheMarkerForTheNextInsertion)
{
    const std::string page = newHtmlPage("Kreis & Co", {"Zeile <1>", "Zeile 2"});
    EXPECT_NE(page.find("<H1>Kreis &amp; Co</H1>"), std::string::npos);
    EXPECT_NE(page.find("Zeile &lt;1&gt;<BR>\r\nZeile 2<BR>\r\n<!##>"), std::string::npos);

    const auto once = insertAtMarker(page, {"<BR>", "a<BR>"});
    ASSERT_TRUE(once);
    const auto twice = insertAtMarker(*once, {"b<BR>"});
    ASSERT_TRUE(twice);
    EXPECT_NE(twice->find("<BR>\r\na<BR>\r\nb<BR>\r\n<!##>\r\n</BODY>"), std::string::npos);
    EXPECT_FALSE(insertAtMarker("<HTML></HTML>", {"x"}));
}

TEST(HtmlPage, FileNamesAndEncodingRoundTrip)
{
    namespace fs = std::filesystem;
    EXPECT_EQ(htmlFileName("/d", "ausgabe"), fs::path("/d/ausgabe.htm"));
    EXPECT_EQ(htmlFileName("/d", "a.HTML"), fs::path("/d/a.HTML"));

    const fs::path folder = fs::temp_directory_path() / ("quillmar_calc_html_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    struct Case {
        std::string bytes;
        bool utf8;
        std::string text;
    };
    const Case cases[] = {{"<P>Fl\xC3\xA4" "che</P>", true, "<P>Fläche</P>"},
                          {"<P>Fl\xE4" "che</P>", false, "<P>Fläche</P>"},
                          {"<P>\xE4\xBC</P>", false, "<P>ä¼</P>"}};
    for (const Case& c : cases) {
        ASSERT_EQ(quillmar::fileio::writeAtomically(folder / "p.htm", c.bytes), "");
        const auto doc = readHtmlFile(folder / "p.htm");
        ASSERT_TRUE(doc);
        EXPECT_EQ(doc->utf8, c.utf8);
        EXPECT_EQ(doc->text, c.text);
        ASSERT_EQ(writeHtmlFile(folder / "q.htm", *doc), "");
        EXPECT_EQ(quillmar::fileio::readAll(folder / "q.htm"), c.bytes);
    }
    EXPECT_FALSE(readHtmlFile(folder / "fehlt.htm"));
    fs::remove_all(folder);
}

} // namespace
