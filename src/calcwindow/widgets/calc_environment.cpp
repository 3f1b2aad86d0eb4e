#include "calcwindow/widgets/calc_environment.h"

#include "calcwindow/widgets/teditform.h"
#include "calcwindow/widgets/thtmldlg.h"
#include "calcwindow/widgets/tprojektformeldlg.h"
#include "calcwindow/widgets/ui_texts.h"
#include "support/widgets/qt_text.h"
#include "engine/widgets/number_format_dialog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace quillmar {

CalcEnvironment::CalcEnvironment(engine::DefinitionStore& store, Messages& messages, std::filesystem::path dataPrefix)
    : store_(store), messages_(messages), dataPrefix_(std::move(dataPrefix))
{
}

engine::NumberFormatDialog& CalcEnvironment::numberFormat()
{
    if (!numberFormat_) {
        if (!ownNumberFormat_)
            ownNumberFormat_ = new engine::NumberFormatDialog;
        return *ownNumberFormat_;
    }
    return *numberFormat_;
}

CalcEnvironment::~CalcEnvironment()
{
    // Windows owned by the application; owned windows go with their owners.
    for (const QPointer<TEditForm>& window : windows_) {
        if (window && !window->parent())
            delete window.data();
    }
    delete html_;
    delete project_;
    delete ownNumberFormat_;
}

TEditForm* CalcEnvironment::createWindow(QWidget* owner)
{
    auto* window = new TEditForm(*this, owner);
    std::erase_if(windows_, [](const QPointer<TEditForm>& w) { return w.isNull(); });
    windows_.emplace_back(window);
    return window;
}

std::vector<TEditForm*> CalcEnvironment::windows() const
{
    std::vector<TEditForm*> open;
    for (const QPointer<TEditForm>& window : windows_) {
        if (window)
            open.push_back(window.data());
    }
    return open;
}

Thtmldlg& CalcEnvironment::htmlDialog()
{
    if (!html_)
        html_ = new Thtmldlg(messages_);
    return *html_;
}

TProjektformeldlg& CalcEnvironment::projectDialog()
{
    if (!project_)
        project_ = new TProjektformeldlg(*this);
    return *project_;
}

void CalcEnvironment::openHelp()
{
    const QString path = toQString((dataPrefix_ / calcui::kHelpPage).string());
    if (!QFileInfo::exists(path)) {
        messages_.show(QString::fromUtf8(calcui::kHelpMissing).arg(path).toStdString());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CalcEnvironment::refreshFormulaLists()
{
    for (TEditForm* window : windows())
        window->rebuildFormulaList();
}

} // namespace quillmar
