#pragma once
// A collection table in memory: field definitions, records and one cursor.
//
// Every window of the program shares the one cursor of a table, so every reader
// positions it (locate, first, moveBy, ...) before reading. Records are kept in
// the order of the index fields; without index fields they stay in the order in
// which they were added. Edits go to a buffer that post() writes back; moving the
// cursor posts a pending edit first.
#include "collection/field.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmar::collection {

class Table {
public:
    enum class State { Browse, Edit, Insert };

    Table() = default;
    Table(std::string name, std::vector<FieldDef> fields, std::vector<std::string> indexFields = {});

    // --- structure ---
    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    const std::vector<FieldDef>& fields() const { return fields_; }
    std::size_t fieldCount() const { return fields_.size(); }
    // The position of a field, its name matched without regard to case.
    std::optional<std::size_t> fieldIndex(std::string_view name) const;

    // The fields that decide the order, as given ("myNr", or "GEBIET;THEMA").
    std::string indexFieldNames() const;
    const std::vector<std::size_t>& indexFields() const { return index_; }
    // Sets the order and re-sorts the records (records with equal keys keep their
    // order). Gives a German message, and changes nothing, for an unknown field.
    std::string setIndexFieldNames(std::string_view names);

    // --- bulk access (storage, text form, grids) ---
    std::size_t recordCount() const { return records_.size(); }
    const Record& record(std::size_t i) const { return records_[i]; }
    const std::vector<Record>& records() const { return records_; }
    // Adds a complete record at the end without sorting; call sortRecords() after
    // the last one. The record must have one value per field of the right type.
    void addLoadedRecord(Record record);
    void reserve(std::size_t n) { records_.reserve(n); }
    void sortRecords();
    // Removes every record and puts the cursor on the empty table.
    void clearRecords();
    // A record with every field empty.
    Record emptyRecord() const { return Record(fields_.size()); }

    // --- cursor ---
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    bool isEmpty() const { return records_.empty() && state_ != State::Insert; }
    // The 1-based number of the current record; 0 when there is none.
    std::size_t recNo() const;
    State state() const { return state_; }

    void first();
    void last();
    void next();
    void prior();
    // Moves by n records (negative: backwards), stopping at either end; gives the
    // number of records actually moved.
    long moveBy(long n);
    // Moves to the 1-based record number (clamped).
    void setRecNo(std::size_t recNo);

    // Finds the first record, in table order, whose fields equal the values
    // (numeric fields compare as numbers). Moves there and gives true; otherwise
    // the cursor stays where it was.
    bool locate(const std::vector<std::pair<std::string, std::string>>& criteria);
    bool locate(std::string_view field, std::string_view value);

    void edit();
    // A new empty record before the current one (insert) or at the end (append).
    void insert();
    void append();
    void post();
    void cancel();
    void deleteRecord();

    // --- fields of the current record (the edit buffer while editing) ---
    std::string asText(std::size_t field) const;
    std::string asText(std::string_view name) const;
    // Integers as stored; floating-point numbers rounded; texts when they read as
    // an integer. Nothing for an empty field, an unknown field or another text.
    std::optional<std::int64_t> asInteger(std::size_t field) const;
    std::optional<std::int64_t> asInteger(std::string_view name) const;
    std::optional<double> asFloat(std::size_t field) const;
    std::optional<double> asFloat(std::string_view name) const;
    bool isEmpty(std::size_t field) const;
    bool isEmpty(std::string_view name) const;
    const Value& value(std::size_t field) const;

    // Setting a field puts the current record into edit state when it is not.
    // Texts are cut to the field's width; a numeric field takes a number written
    // with a decimal comma (or point), an empty text empties it. Gives a German
    // message, and changes nothing, when the text does not fit the field.
    std::string setText(std::size_t field, std::string_view text);
    std::string setText(std::string_view name, std::string_view text);
    std::string setInteger(std::size_t field, std::int64_t v);
    std::string setInteger(std::string_view name, std::int64_t v);
    std::string setFloat(std::size_t field, double v);
    std::string setFloat(std::string_view name, double v);
    std::string setEmpty(std::size_t field);

    // --- following the table (grids, editor pages) ---
    using Listener = std::function<void()>;
    int subscribe(Listener listener);
    void unsubscribe(int id);
    // While disabled (counted), changes are not reported; enabling reports once.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return followers_.disabled > 0; }

private:
    bool inOrder(const Record& a, const Record& b) const; // a may stand before b
    bool lessThan(const Record& a, const Record& b) const;
    bool matches(const Record& r, const std::vector<std::pair<std::size_t, std::string>>& criteria) const;
    const Record* current() const;
    Record* editable();
    std::string setValue(std::size_t field, Value v);
    void notify();

    std::string name_;
    std::vector<FieldDef> fields_;
    std::vector<std::size_t> index_;
    std::vector<Record> records_;

    std::size_t pos_ = 0; // index of the current record (insert position while inserting)
    bool bof_ = true;
    bool eof_ = true;
    State state_ = State::Browse;
    Record buffer_;

    // Who follows this table object. Copying or assigning a table (for instance
    // loading a file into it) changes its content, not who follows it.
    struct Followers {
        std::vector<std::pair<int, Listener>> listeners;
        int next = 1;
        int disabled = 0;
        bool changedWhileDisabled = false;

        Followers() = default;
        Followers(const Followers&) {}
        Followers& operator=(const Followers&) { return *this; }
    };
    Followers followers_;
};

} // namespace quillmar::collection
