#pragma once
// A grid's view of a table of the collection store: one row per record, one column
// per field, every cell editable. An edit goes through the table's cursor and is
// posted at once, so the table never stays half edited. A value the field refuses
// is reported and the cell keeps its old value.
#include "collection/table.h"
#include "support/messages.h"

#include <QAbstractTableModel>

namespace quillmar::conversion {

class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // table may change its content (a file loaded into it); call reload() then.
    TableModel(collection::Table& table, Messages& messages, QObject* parent = nullptr);

    collection::Table& table() { return table_; }
    // After the table was loaded or changed from outside the grid.
    void reload();

    // Appends an empty record and gives its row.
    int appendRecord();
    void deleteRecord(int row);

    // Whether the grid changed the table since the last reload() or markSaved().
    bool modified() const { return modified_; }
    void markSaved() { modified_ = false; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void changed();

private:
    collection::Table& table_;
    Messages& messages_;
    bool modified_ = false;
};

} // namespace quillmar::conversion
