// The HTML output dialog: a new page, insertion at the marker, the picture.
#include "calc_fixture.h"

#include "calc/widgets/html_export_dialog.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>

#include <fstream>
#include <sstream>

namespace {

using quillmar::calc::HtmlExportDialog;

class HtmlOutput : public quillmar::calc::testing::CalcFixture {
protected:
    std::string fileText(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
};

TEST_F(HtmlOutput, NewPageTakesTwoInsertionsAtTheMarker)
{
    HtmlExportDialog& d = env->htmlDialog();
    const QString dir = QString::fromStdString(folder.string());
    ASSERT_TRUE(d.createHtmlFile(dir, "ausgabe", "Kreis", "Fläche\nr & A", false));
    const auto page = folder / "ausgabe.htm";
    EXPECT_EQ(d.currentFile().toStdString(), page.string());

    quillmar::calc::CalcWindow& w = window();
    w.editor()->setPlainText("r=2");
    w.writeHtmlFragment();
    EXPECT_EQ(d.controls().pages->count(), 2); // no picture page
    ASSERT_TRUE(d.insertData());
    w.editor()->setPlainText("Ausgabe(r)");
    w.writeHtmlFragment();
    ASSERT_TRUE(d.insertData());
    const std::string html = fileText(page);
    EXPECT_NE(html.find("<H1>Kreis</H1>"), std::string::npos);
    EXPECT_NE(html.find("Fläche<BR>\r\nr &amp; A<BR>\r\n"), std::string::npos);
    EXPECT_NE(html.find("<BR>\r\nRechnenfenster<BR>\r\nr=2<BR>\r\n<BR>\r\nRechnenfenster<BR>\r\nAusgabe(r)<BR>\r\n<!##>"),
              std::string::npos);

    // An existing page is not replaced unasked; a page without marker is refused.
    EXPECT_FALSE(d.createHtmlFile(dir, "ausgabe.htm", "", "", false));
    EXPECT_EQ(fileText(page), html);
    d.controls().htmlText->setPlainText("<HTML></HTML>");
    EXPECT_FALSE(d.insertData());
    EXPECT_EQ(messages.shown.back(), "Die HTML-Datei enthält keine Stelle <!##>, an der die Daten eingefügt werden können.");
    EXPECT_EQ(fileText(page), html);
    EXPECT_FALSE(d.createHtmlFile(dir + "/fehlt", "a", "", "", false));
    EXPECT_EQ(messages.shown.back(), "Das Ausgabeverzeichnis \"" + (folder / "fehlt").string() + "\" ist nicht vorhanden.");
}

TEST_F(HtmlOutput, PictureIsWrittenBesideThePageInTheChosenSize)
{
    HtmlExportDialog& d = env->htmlDialog();
    ASSERT_TRUE(d.createHtmlFile(QString::fromStdString(folder.string()), "bild", "", "", false));
    QImage source(40, 20, QImage::Format_RGB32);
    source.fill(Qt::blue);
    d.dataText().begin();
    d.dataText().addPicture("123456.jpg");
    d.setPicture(source);
    d.showData();
    EXPECT_EQ(d.controls().pages->count(), 3);
    d.controls().pictureWidth->setValue(120);
    d.controls().pictureHeight->setValue(90);
    ASSERT_TRUE(d.insertData());
    QImage written(QString::fromStdString((folder / "123456.jpg").string()));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), QSize(120, 90));
    EXPECT_NE(fileText(folder / "bild.htm").find("<P><IMG SRC=123456.jpg><P>\r\n<!##>"), std::string::npos);

    // The next user without a picture hides the page again.
    d.dataText().begin();
    d.showData();
    EXPECT_EQ(d.controls().pages->count(), 2);
}

} // namespace
