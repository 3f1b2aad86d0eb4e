#include "conversion/widgets/record_navigator.h"

#include "conversion/texts.h"
#include "conversion/widgets/table_model.h"
#include "support/widgets/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QStyle>
#include <QTableView>
#include <QToolBar>

namespace quillmar::conversion {

RecordNavigator::RecordNavigator(QToolBar& bar, QTableView& view, TableModel& model, bool withInsert)
    : QObject(&bar), bar_(bar), view_(view), model_(model)
{
    QStyle* style = bar.style();
    const auto add = [&](const char* name, std::string_view hint, QStyle::StandardPixmap icon, void (RecordNavigator::*run)()) {
        QAction* a = bar.addAction(style->standardIcon(icon), toQString(hint));
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(toQString(hint));
        connect(a, &QAction::triggered, this, run);
    };
    add("first", texts::kNavFirst, QStyle::SP_MediaSkipBackward, &RecordNavigator::first);
    add("prior", texts::kNavPrior, QStyle::SP_MediaSeekBackward, &RecordNavigator::prior);
    add("next", texts::kNavNext, QStyle::SP_MediaSeekForward, &RecordNavigator::next);
    add("last", texts::kNavLast, QStyle::SP_MediaSkipForward, &RecordNavigator::last);
    if (withInsert)
        add("insert", texts::kNavInsert, QStyle::SP_FileDialogNewFolder, &RecordNavigator::insert);
    add("delete", texts::kNavDelete, QStyle::SP_TrashIcon, &RecordNavigator::remove);
    add("edit", texts::kNavEdit, QStyle::SP_FileDialogDetailedView, &RecordNavigator::edit);
    add("post", texts::kNavPost, QStyle::SP_DialogApplyButton, &RecordNavigator::post);
    add("cancel", texts::kNavCancel, QStyle::SP_DialogCancelButton, &RecordNavigator::cancel);
    QAction* refresh = bar.addAction(style->standardIcon(QStyle::SP_BrowserReload), toQString(texts::kNavRefresh));
    refresh->setObjectName(QStringLiteral("refresh"));
    connect(refresh, &QAction::triggered, this, &RecordNavigator::refreshRequested);
}

QAction* RecordNavigator::action(const char* name) const
{
    for (QAction* a : bar_.actions())
        if (a->objectName() == QLatin1String(name))
            return a;
    return nullptr;
}

void RecordNavigator::moveTo(int row)
{
    post();
    if (model_.rowCount() == 0)
        return;
    row = std::clamp(row, 0, model_.rowCount() - 1);
    const int column = std::max(0, view_.currentIndex().column());
    view_.setCurrentIndex(model_.index(row, column));
    view_.setFocus();
}

void RecordNavigator::first() { moveTo(0); }
void RecordNavigator::prior() { moveTo(view_.currentIndex().row() - 1); }
void RecordNavigator::next() { moveTo(view_.currentIndex().row() + 1); }
void RecordNavigator::last() { moveTo(model_.rowCount() - 1); }

void RecordNavigator::insert()
{
    post();
    const int row = model_.appendRecord();
    view_.setCurrentIndex(model_.index(row, 0));
    view_.setFocus();
    view_.edit(view_.currentIndex());
}

void RecordNavigator::remove()
{
    const QModelIndex current = view_.currentIndex();
    if (!current.isValid())
        return;
    cancel();
    if (QMessageBox::question(view_.window(), QApplication::applicationDisplayName(), toQString(texts::kAskDelete)) !=
        QMessageBox::Yes)
        return;
    model_.deleteRecord(current.row());
}

void RecordNavigator::edit()
{
    if (view_.currentIndex().isValid()) {
        view_.setFocus();
        view_.edit(view_.currentIndex());
    }
}

void RecordNavigator::keyToEditor(int key)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus == &view_ || !view_.isAncestorOf(focus))
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(focus, &press);
}

void RecordNavigator::post() { keyToEditor(Qt::Key_Return); }
void RecordNavigator::cancel() { keyToEditor(Qt::Key_Escape); }

} // namespace quillmar::conversion
