#include "calc/widgets/calc_environment.h"

#include "calc/widgets/calc_window.h"
#include "calc/widgets/html_export_dialog.h"
#include "calc/widgets/project_formula_dialog.h"
#include "calc/widgets/ui_texts.h"
#include "support/text.h"
#include "support/widgets/qt_text.h"
#include "engine/widgets/number_format_dialog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace quillmar::calc {

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
    for (const QPointer<CalcWindow>& window : windows_) {
        if (window && !window->parent())
            delete window.data();
    }
    delete html_;
    delete project_;
    delete ownNumberFormat_;
}

CalcWindow* CalcEnvironment::createWindow(QWidget* owner)
{
    auto* window = new CalcWindow(*this, owner);
    std::erase_if(windows_, [](const QPointer<CalcWindow>& w) { return w.isNull(); });
    windows_.emplace_back(window);
    return window;
}

std::vector<CalcWindow*> CalcEnvironment::windows() const
{
    std::vector<CalcWindow*> open;
    for (const QPointer<CalcWindow>& window : windows_) {
        if (window)
            open.push_back(window.data());
    }
    return open;
}

HtmlExportDialog& CalcEnvironment::htmlDialog()
{
    if (!html_)
        html_ = new HtmlExportDialog(messages_);
    return *html_;
}

ProjectFormulaDialog& CalcEnvironment::projectDialog()
{
    if (!project_)
        project_ = new ProjectFormulaDialog(*this);
    return *project_;
}

void CalcEnvironment::openHelp()
{
    const QString path = toQString((dataPrefix_ / calc::texts::kHelpPage).string());
    if (!QFileInfo::exists(path)) {
        messages_.show(text::fillIn(calc::texts::kHelpMissing, {toStdString(path)}));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CalcEnvironment::refreshFormulaLists()
{
    for (CalcWindow* window : windows())
        window->rebuildFormulaList();
}

} // namespace quillmar::calc
