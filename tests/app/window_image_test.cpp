// Printing the image of the main window, and the display window it remembers.
#include "app_fixture.h"

#include "support/file_io.h"

#include <QPrinter>

using namespace quillmar;
using namespace quillmar::app;
using namespace quillmar::app::testing;
using MainWindowTest = AppFixture;

TEST_F(MainWindowTest, PrintsTheWindowImageOntoOnePage)
{
    MainWindow& f = makeWindow();
    f.show();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto pdf = folder / "hauptfenster.pdf";
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    f.printImageTo(printer);
    const auto bytes = fileio::readAll(pdf);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->rfind("%PDF", 0), 0u);
    EXPECT_NE(bytes->find("/Image"), std::string::npos); // the window went in as a picture
}

TEST_F(MainWindowTest, ForgetsTheDisplayWindowWhenItCloses)
{
    MainWindow& f = makeWindow();
    auto* display = new QWidget;
    display->setAttribute(Qt::WA_DeleteOnClose);
    f.setDisplayWindow(display);
    EXPECT_EQ(f.displayWindow(), display);
    display->show();
    display->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.displayWindow(), nullptr);
}
