#pragma once
// One sheet of the built-in spreadsheet as a Qt table model: the values the
// server computed, the text as typed for editing, bold titles and marked input
// cells. Edits go to the server, which takes constants and labels only.
#include "spreadsheet/server/spreadsheet_server.h"

#include <QAbstractTableModel>

#include <functional>

namespace quillmar::spreadsheet {

class SheetModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(server::SpreadsheetServer& server, QObject* parent = nullptr);

    // The sheet shown; none shows an empty grid.
    void showSheet(server::Workbook* book, int sheetIndex);
    server::Workbook* book() const { return book_; }
    int sheetIndex() const { return sheetIndex_; }
    const server::Sheet* sheet() const;

    // The server changed something: show it again.
    void refresh();

    // Told the German reason when an edit is refused.
    void setOnRefused(std::function<void(const std::string&)> handler) { onRefused_ = std::move(handler); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    server::SpreadsheetServer& server_;
    server::Workbook* book_ = nullptr;
    int sheetIndex_ = 0;
    int rowCount_ = 0;
    int columnCount_ = 0;
    std::function<void(const std::string&)> onRefused_;
};

} // namespace quillmar::spreadsheet
