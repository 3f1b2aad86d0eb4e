#include "spreadsheet/widgets/builtin_spreadsheet.h"

#include "spreadsheet/widgets/sheet_window.h"
#include "spreadsheet/widgets/spreadsheet_settings.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

namespace quillmar::spreadsheet {

namespace {
// Long enough that a whole insertion (commands sent back to back) ends first.
constexpr int kSaveDelayMs = 600;
} // namespace

QtSaveScheduler::QtSaveScheduler()
{
    timer_.setSingleShot(true);
    timer_.setInterval(kSaveDelayMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { flush(); });
}

void QtSaveScheduler::schedule(std::function<void()> task)
{
    task_ = std::move(task);
    timer_.start();
}

void QtSaveScheduler::flush()
{
    timer_.stop();
    auto task = std::move(task_);
    task_ = nullptr;
    if (task)
        task();
}

std::optional<server::ClipboardImage> QtClipboardPicture::picture()
{
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull())
        return std::nullopt;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return std::nullopt;
    return server::ClipboardImage{png.toStdString(), image.width(), image.height()};
}

BuiltinSpreadsheet::BuiltinSpreadsheet(Messages& messages, QObject* parent)
    : QObject(parent), messages_(messages), saver_(server_, scheduler_, messages)
{
    saver_.setFolder(workbookFolder().toStdString());
    server_.setClipboard(&clipboard_);
    window_ = std::make_unique<SheetWindow>(server_, saver_, messages_);
    // Also when the event loop ends without this object being destroyed first.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &BuiltinSpreadsheet::saveAll);
}

BuiltinSpreadsheet::~BuiltinSpreadsheet()
{
    saveAll();
    window_.reset();
}

std::unique_ptr<Transport> BuiltinSpreadsheet::makeTransport()
{
    return std::make_unique<server::ServerTransport>(server_);
}

void BuiltinSpreadsheet::saveAll()
{
    scheduler_.flush();
    saver_.saveChanged();
}

} // namespace quillmar::spreadsheet
