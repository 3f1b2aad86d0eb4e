#include "app/quillmar_application.h"

#include "support/messages.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <exception>

namespace quillmar::app {

QuillmarApplication::QuillmarApplication(int& argc, char** argv, Messages& messages)
    : QApplication(argc, argv)
    , messages_(messages)
{
}

bool QuillmarApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        messages_.show(e.what());
    }
    return false;
}

void installGermanTranslation(QCoreApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace quillmar::app
