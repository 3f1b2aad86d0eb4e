#include "spreadsheet/widgets/sheet_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>

#include <algorithm>

namespace quillmar::spreadsheet {

namespace {
// The grid always shows some room beyond the last used cell.
constexpr int kSpareRows = 30;
constexpr int kSpareColumns = 8;
} // namespace

SheetModel::SheetModel(server::SpreadsheetServer& server, QObject* parent) : QAbstractTableModel(parent), server_(server)
{
}

const server::Sheet* SheetModel::sheet() const
{
    if (!book_ || sheetIndex_ < 0 || sheetIndex_ >= static_cast<int>(book_->sheets.size()))
        return nullptr;
    return book_->sheets[static_cast<std::size_t>(sheetIndex_)].get();
}

void SheetModel::showSheet(server::Workbook* book, int sheetIndex)
{
    book_ = book;
    sheetIndex_ = sheetIndex;
    refresh();
}

void SheetModel::refresh()
{
    beginResetModel();
    const server::Sheet* s = sheet();
    const server::CellAddress extent = s ? s->extent() : server::CellAddress{0, 0};
    const server::CellAddress active = s ? s->selection().last : server::CellAddress{0, 0};
    rowCount_ = std::min(std::max(extent.row, active.row) + kSpareRows, server::kMaxRow);
    columnCount_ = std::min(std::max(extent.column, active.column) + kSpareColumns, server::kMaxColumn);
    endResetModel();
}

int SheetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rowCount_;
}

int SheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnCount_;
}

QVariant SheetModel::data(const QModelIndex& index, int role) const
{
    const server::Sheet* s = sheet();
    if (!s || !index.isValid())
        return {};
    const server::CellAddress at{index.row() + 1, index.column() + 1};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(server::displayText(s->value(at)));
    case Qt::EditRole:
        return QString::fromStdString(s->input(at));
    case Qt::TextAlignmentRole: {
        const auto kind = s->value(at).kind;
        const bool right = kind == server::CellValue::Kind::number || kind == server::CellValue::Kind::error;
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::FontRole:
        if (s->style(at).bold) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        if (s->style(at).input)
            return QBrush(QColor(0xFF, 0xF2, 0xCC));
        return {};
    case Qt::DecorationRole:
        for (const auto& picture : s->pictures()) {
            if (picture.anchor == at) {
                QImage image;
                image.loadFromData(reinterpret_cast<const uchar*>(picture.png.data()),
                                   static_cast<int>(picture.png.size()), "PNG");
                return image.isNull() ? QVariant() : QVariant(image.scaledToHeight(48, Qt::SmoothTransformation));
            }
        }
        return {};
    default:
        return {};
    }
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!book_ || !index.isValid() || role != Qt::EditRole)
        return false;
    const std::string refused = server_.editByUser(*book_, sheetIndex_, {index.row() + 1, index.column() + 1},
                                                   value.toString().toStdString());
    if (!refused.empty()) {
        if (onRefused_)
            onRefused_(refused);
        return false;
    }
    return true;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const server::Sheet* s = sheet();
    if (s && !s->formula({index.row() + 1, index.column() + 1}))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant SheetModel::headerData(int section, Qt::Orientation, int role) const
{
    // Rows and columns are numbered, as the Z1S1 references count them.
    if (role == Qt::DisplayRole)
        return section + 1;
    return {};
}

} // namespace quillmar::spreadsheet
