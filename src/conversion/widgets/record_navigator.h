#pragma once
// The record navigator of a grid: buttons to move to the first, previous, next and
// last record, and to insert, delete, edit, post, cancel and refresh. It adds its
// buttons to a tool bar and works on the grid's current row.
#include <QObject>

class QAction;
class QTableView;
class QToolBar;

namespace quillmar::conversion {

class TableModel;

class RecordNavigator : public QObject {
    Q_OBJECT
public:
    // withInsert: the full navigator (the unit table's); the list's has no insert.
    RecordNavigator(QToolBar& bar, QTableView& view, TableModel& model, bool withInsert);

    void first();
    void prior();
    void next();
    void last();
    void insert();
    void remove();
    void edit();
    void post();
    void cancel();

    QAction* action(const char* name) const;

signals:
    // The navigator's refresh button; the window reloads the table.
    void refreshRequested();

private:
    void moveTo(int row);
    // Sends a key to the open cell editor, if any (Enter posts, Escape cancels).
    void keyToEditor(int key);

    QToolBar& bar_;
    QTableView& view_;
    TableModel& model_;
};

} // namespace quillmar::conversion
