#include "collection/table_file.h"

#include "collection/texts.h"
#include "support/file_io.h"
#include "support/text.h"

#include <sqlite3.h>

#include <algorithm>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace quillmar::collection {

namespace fs = std::filesystem;

namespace {

struct Db {
    sqlite3* db = nullptr;
    ~Db() { sqlite3_close(db); }
};

struct Stmt {
    sqlite3_stmt* st = nullptr;
    ~Stmt() { sqlite3_finalize(st); }
};

// SQLite takes file names in UTF-8 on every system.
std::string sqlitePath(const fs::path& p)
{
    const std::u8string u8 = p.u8string();
    return std::string(u8.begin(), u8.end());
}

std::string quoteName(std::string_view name)
{
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

const char* typeName(FieldType t)
{
    switch (t) {
    case FieldType::Integer:
        return "integer";
    case FieldType::Float:
        return "float";
    case FieldType::Text:
        break;
    }
    return "text";
}

std::optional<FieldType> typeFromName(std::string_view s)
{
    if (s == "text")
        return FieldType::Text;
    if (s == "integer")
        return FieldType::Integer;
    if (s == "float")
        return FieldType::Float;
    return std::nullopt;
}

const char* sqlType(FieldType t)
{
    switch (t) {
    case FieldType::Integer:
        return "INTEGER";
    case FieldType::Float:
        return "REAL";
    case FieldType::Text:
        break;
    }
    return "TEXT";
}

std::string columnText(sqlite3_stmt* st, int col)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(st, col))) : std::string();
}

enum class Failure { None, NotOurs, Damaged };

// Reads the structure; gives NotOurs for a database without our marker.
Failure readStructure(sqlite3* db, std::string& name, std::vector<FieldDef>& fields, std::string& index,
                      std::string& count)
{
    Stmt meta;
    int rc = sqlite3_prepare_v2(db, "SELECT key, value FROM meta", -1, &meta.st, nullptr);
    if (rc != SQLITE_OK)
        return sqlite3_errcode(db) == SQLITE_NOTADB || sqlite3_errcode(db) == SQLITE_ERROR ? Failure::NotOurs
                                                                                             : Failure::Damaged;
    bool marked = false;
    std::string version;
    while ((rc = sqlite3_step(meta.st)) == SQLITE_ROW) {
        const std::string key = columnText(meta.st, 0);
        const std::string value = columnText(meta.st, 1);
        if (key == "format")
            marked = value == kTableFormat;
        else if (key == "version")
            version = value;
        else if (key == "name")
            name = value;
        else if (key == "index")
            index = value;
        else if (key == "records")
            count = value;
    }
    if (rc != SQLITE_DONE)
        return Failure::Damaged;
    if (!marked || version != std::to_string(kTableFormatVersion))
        return Failure::NotOurs;

    Stmt defs;
    if (sqlite3_prepare_v2(db, "SELECT name, type, width FROM fields ORDER BY position", -1, &defs.st, nullptr)
        != SQLITE_OK)
        return Failure::NotOurs;
    while ((rc = sqlite3_step(defs.st)) == SQLITE_ROW) {
        FieldDef def;
        def.name = columnText(defs.st, 0);
        const auto type = typeFromName(columnText(defs.st, 1));
        if (!type || def.name.empty())
            return Failure::NotOurs;
        def.type = *type;
        def.width = sqlite3_column_int(defs.st, 2);
        fields.push_back(std::move(def));
    }
    if (rc != SQLITE_DONE)
        return Failure::Damaged;
    return fields.empty() ? Failure::NotOurs : Failure::None;
}

Value readCell(sqlite3_stmt* st, int col, const FieldDef& def, TextPool& pool)
{
    const int type = sqlite3_column_type(st, col);
    if (type == SQLITE_NULL)
        return Value{};
    switch (def.type) {
    case FieldType::Integer:
        if (type == SQLITE_INTEGER)
            return Value{static_cast<std::int64_t>(sqlite3_column_int64(st, col))};
        if (const auto i = parseInteger(columnText(st, col)))
            return Value{*i};
        return Value{};
    case FieldType::Float:
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
            return Value{sqlite3_column_double(st, col)};
        if (const auto d = parseDecimal(columnText(st, col)))
            return Value{*d};
        return Value{};
    case FieldType::Text:
        break;
    }
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    const auto bytes = static_cast<std::size_t>(sqlite3_column_bytes(st, col));
    if (!p || bytes == 0)
        return Value{};
    // Bytes never undercount characters, so only a long text needs counting.
    if (def.width > 0 && bytes > static_cast<std::size_t>(def.width))
        return Value{pool.add(text::left(std::string_view(p, bytes), static_cast<std::size_t>(def.width)))};
    return Value{pool.add(std::string_view(p, bytes))};
}

} // namespace

std::string loadTable(const fs::path& requested, Table& table)
{
    const fs::path file = fileio::resolveNoCase(requested);
    const std::string shown = requested.string();
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return text::fillIn(texts::kFileNotFound, {shown});

    Db db;
    if (sqlite3_open_v2(sqlitePath(file).c_str(), &db.db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
        return text::fillIn(texts::kDamaged, {shown});

    std::string name;
    std::string index;
    std::string count;
    std::vector<FieldDef> fields;
    switch (readStructure(db.db, name, fields, index, count)) {
    case Failure::NotOurs:
        return text::fillIn(texts::kNotATable, {shown});
    case Failure::Damaged:
        return text::fillIn(texts::kDamaged, {shown});
    case Failure::None:
        break;
    }

    Stmt rows;
    if (sqlite3_prepare_v2(db.db, "SELECT * FROM records ORDER BY rowid", -1, &rows.st, nullptr) != SQLITE_OK
        || sqlite3_column_count(rows.st) != static_cast<int>(fields.size()))
        return text::fillIn(texts::kNotATable, {shown});

    Table loaded(name.empty() ? file.stem().string() : name, fields);
    // The number of records written with the table spares growing the list; a
    // wrong number costs only time.
    // Every row takes a few bytes of the file, which bounds what a damaged count asks for.
    const auto fileSize = static_cast<std::int64_t>(fs::file_size(file, ec));
    if (const auto n = parseInteger(count); n && *n > 0 && !ec)
        loaded.reserve(static_cast<std::size_t>(std::min<std::int64_t>(*n, fileSize / 2)));
    if (!index.empty() && !loaded.setIndexFieldNames(index).empty())
        return text::fillIn(texts::kNotATable, {shown});
    const int columns = static_cast<int>(fields.size());
    int rc;
    TextPool pool;
    while ((rc = sqlite3_step(rows.st)) == SQLITE_ROW) {
        Record r;
        r.reserve(fields.size());
        for (int c = 0; c < columns; ++c)
            r.push_back(readCell(rows.st, c, fields[static_cast<std::size_t>(c)], pool));
        loaded.addLoadedRecord(std::move(r));
    }
    if (rc != SQLITE_DONE)
        return text::fillIn(texts::kDamaged, {shown});
    loaded.sortRecords();
    table = std::move(loaded);
    table.first(); // reports the new content to whoever follows the table
    return {};
}

namespace {

bool exec(sqlite3* db, const std::string& sql)
{
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool bindValue(sqlite3_stmt* st, int col, const Value& v)
{
    if (const auto* s = std::get_if<Text>(&v)) {
        if (s->empty())
            return sqlite3_bind_null(st, col) == SQLITE_OK;
        return sqlite3_bind_text(st, col, s->view().data(), static_cast<int>(s->size()), SQLITE_STATIC) == SQLITE_OK;
    }
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return sqlite3_bind_int64(st, col, *i) == SQLITE_OK;
    if (const auto* d = std::get_if<double>(&v))
        return sqlite3_bind_double(st, col, *d) == SQLITE_OK;
    return sqlite3_bind_null(st, col) == SQLITE_OK;
}

bool writeDatabase(const fs::path& temp, const Table& table)
{
    Db db;
    if (sqlite3_open_v2(sqlitePath(temp).c_str(), &db.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr)
        != SQLITE_OK)
        return false;
    // The file is new and private until it is renamed, so no journal is needed;
    // the commit still syncs it to disk.
    if (!exec(db.db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=FULL; BEGIN;"))
        return false;
    if (!exec(db.db, "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT);"
                     "CREATE TABLE fields(position INTEGER PRIMARY KEY, name TEXT NOT NULL, type TEXT NOT NULL,"
                     " width INTEGER NOT NULL);"))
        return false;
    {
        Stmt st;
        if (sqlite3_prepare_v2(db.db, "INSERT INTO meta VALUES(?, ?)", -1, &st.st, nullptr) != SQLITE_OK)
            return false;
        const std::pair<std::string, std::string> meta[] = {
            {"format", kTableFormat},
            {"version", std::to_string(kTableFormatVersion)},
            {"name", table.name()},
            {"index", table.indexFieldNames()},
            {"records", std::to_string(table.recordCount())}};
        for (const auto& [k, v] : meta) {
            sqlite3_reset(st.st);
            sqlite3_bind_text(st.st, 1, k.data(), static_cast<int>(k.size()), SQLITE_STATIC);
            sqlite3_bind_text(st.st, 2, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
            if (sqlite3_step(st.st) != SQLITE_DONE)
                return false;
        }
    }
    std::string create = "CREATE TABLE records(";
    std::string insert = "INSERT INTO records VALUES(";
    {
        Stmt st;
        if (sqlite3_prepare_v2(db.db, "INSERT INTO fields VALUES(?, ?, ?, ?)", -1, &st.st, nullptr) != SQLITE_OK)
            return false;
        for (std::size_t i = 0; i < table.fieldCount(); ++i) {
            const FieldDef& f = table.fields()[i];
            sqlite3_reset(st.st);
            sqlite3_bind_int64(st.st, 1, static_cast<sqlite3_int64>(i + 1));
            sqlite3_bind_text(st.st, 2, f.name.data(), static_cast<int>(f.name.size()), SQLITE_STATIC);
            sqlite3_bind_text(st.st, 3, typeName(f.type), -1, SQLITE_STATIC);
            sqlite3_bind_int(st.st, 4, f.width);
            if (sqlite3_step(st.st) != SQLITE_DONE)
                return false;
            create += (i ? ", " : "") + quoteName(f.name) + " " + sqlType(f.type);
            insert += i ? ", ?" : "?";
        }
    }
    if (!exec(db.db, create + ");"))
        return false;
    Stmt st;
    if (sqlite3_prepare_v2(db.db, (insert + ")").c_str(), -1, &st.st, nullptr) != SQLITE_OK)
        return false;
    for (const Record& r : table.records()) {
        sqlite3_reset(st.st);
        for (std::size_t c = 0; c < table.fieldCount(); ++c) {
            // Bound without copying: the record outlives the step.
            const bool bound = c < r.size() ? bindValue(st.st, static_cast<int>(c + 1), r[c])
                                            : sqlite3_bind_null(st.st, static_cast<int>(c + 1)) == SQLITE_OK;
            if (!bound)
                return false;
        }
        if (sqlite3_step(st.st) != SQLITE_DONE)
            return false;
    }
    sqlite3_finalize(st.st);
    st.st = nullptr;
    if (!exec(db.db, "COMMIT;"))
        return false;
    return sqlite3_close(db.db) == SQLITE_OK ? (db.db = nullptr, true) : false;
}

} // namespace

std::string saveTable(const fs::path& requested, Table& table)
{
    table.post();
    const fs::path file = fileio::resolveNoCase(requested);
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::random_device rd;
    const fs::path temp = folder / std::string(".").append(file.filename().string()).append(".tmp").append(std::to_string(rd() % 1000000));
    std::error_code ec;
    const bool replacing = fs::exists(file, ec);
    const std::string failure =
        text::fillIn(replacing ? texts::kSaveFailed : texts::kSaveFailedNew, {requested.string()});

    if (!writeDatabase(temp, table)) {
        fs::remove(temp, ec);
        return failure;
    }
    fs::rename(temp, file, ec);
    if (ec) {
        fs::remove(temp, ec);
        return failure;
    }
    return {};
}

} // namespace quillmar::collection
