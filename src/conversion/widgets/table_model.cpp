#include "conversion/widgets/table_model.h"

#include "support/widgets/qt_text.h"

namespace quillmar::conversion {

TableModel::TableModel(collection::Table& table, Messages& messages, QObject* parent)
    : QAbstractTableModel(parent), table_(table), messages_(messages)
{
}

void TableModel::reload()
{
    beginResetModel();
    modified_ = false;
    endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.recordCount());
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.fieldCount());
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return toQString(collection::valueText(table_.record(index.row())[index.column()]));
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return false;
    const std::string text = toStdString(value.toString());
    if (text == collection::valueText(table_.record(index.row())[index.column()]))
        return true;
    table_.setRecNo(static_cast<std::size_t>(index.row()) + 1);
    if (const std::string error = table_.setText(static_cast<std::size_t>(index.column()), text); !error.empty()) {
        table_.cancel();
        messages_.show(error);
        return false;
    }
    table_.post();
    modified_ = true;
    emit dataChanged(index, index);
    emit changed();
    return true;
}

int TableModel::appendRecord()
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    table_.append();
    table_.post();
    endInsertRows();
    modified_ = true;
    emit changed();
    return row;
}

void TableModel::deleteRecord(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    table_.setRecNo(static_cast<std::size_t>(row) + 1);
    table_.deleteRecord();
    endRemoveRows();
    modified_ = true;
    emit changed();
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return {};
    return toQString(table_.fields()[static_cast<std::size_t>(section)].name);
}

} // namespace quillmar::conversion
