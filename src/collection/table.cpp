#include "collection/table.h"

#include "collection/texts.h"
#include "support/text.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quillmar::collection {

namespace {

const Value kEmpty{};

std::string trimmed(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return std::string(s);
}

} // namespace

Table::Table(std::string name, std::vector<FieldDef> fields, std::vector<std::string> indexFields)
    : name_(std::move(name)), fields_(std::move(fields))
{
    for (const std::string& f : indexFields) {
        if (const auto i = fieldIndex(f))
            index_.push_back(*i);
    }
}

std::optional<std::size_t> Table::fieldIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (text::equalsNoCase(fields_[i].name, name))
            return i;
    }
    return std::nullopt;
}

std::string Table::indexFieldNames() const
{
    std::string out;
    for (std::size_t i : index_) {
        if (!out.empty())
            out += ';';
        out += fields_[i].name;
    }
    return out;
}

std::string Table::setIndexFieldNames(std::string_view names)
{
    std::vector<std::size_t> index;
    std::size_t start = 0;
    while (start <= names.size()) {
        const std::size_t end = std::min(names.find(';', start), names.size());
        const std::string name = trimmed(names.substr(start, end - start));
        if (!name.empty()) {
            const auto i = fieldIndex(name);
            if (!i)
                return text::fillIn(texts::kFieldNotFound, {name});
            index.push_back(*i);
        }
        start = end + 1;
    }
    post();
    index_ = std::move(index);
    const auto less = [this](const Record& a, const Record& b) { return lessThan(a, b); };
    if (index_.empty() || std::is_sorted(records_.begin(), records_.end(), less)) {
        notify();
        return {};
    }
    // Re-sort and keep the cursor on the record it stood on.
    std::vector<std::size_t> order(records_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return lessThan(records_[a], records_[b]); });
    std::vector<Record> sorted;
    sorted.reserve(records_.size());
    std::size_t newPos = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (order[k] == pos_)
            newPos = k;
        sorted.push_back(std::move(records_[order[k]]));
    }
    records_ = std::move(sorted);
    pos_ = newPos;
    notify();
    return {};
}

void Table::addLoadedRecord(Record record)
{
    record.resize(fields_.size());
    records_.push_back(std::move(record));
    bof_ = true;
    eof_ = false;
    pos_ = 0;
}

void Table::sortRecords()
{
    if (!index_.empty()) {
        const auto less = [this](const Record& a, const Record& b) { return lessThan(a, b); };
        if (!std::is_sorted(records_.begin(), records_.end(), less))
            std::stable_sort(records_.begin(), records_.end(), less);
    }
    pos_ = 0;
    bof_ = true;
    eof_ = records_.empty();
    notify();
}

void Table::clearRecords()
{
    records_.clear();
    state_ = State::Browse;
    buffer_.clear();
    pos_ = 0;
    bof_ = eof_ = true;
    notify();
}

bool Table::lessThan(const Record& a, const Record& b) const
{
    for (std::size_t f : index_) {
        const int c = compareValues(a[f], b[f]);
        if (c != 0)
            return c < 0;
    }
    return false;
}

bool Table::inOrder(const Record& a, const Record& b) const { return !lessThan(b, a); }

std::size_t Table::recNo() const
{
    if (state_ == State::Insert)
        return 0;
    return records_.empty() ? 0 : pos_ + 1;
}

const Record* Table::current() const
{
    if (state_ != State::Browse)
        return &buffer_;
    if (records_.empty())
        return nullptr;
    return &records_[pos_];
}

void Table::first()
{
    post();
    pos_ = 0;
    bof_ = true;
    eof_ = records_.empty();
    notify();
}

void Table::last()
{
    post();
    pos_ = records_.empty() ? 0 : records_.size() - 1;
    eof_ = true;
    bof_ = records_.empty();
    notify();
}

void Table::next()
{
    post();
    if (pos_ + 1 < records_.size()) {
        ++pos_;
        bof_ = eof_ = false;
    } else {
        eof_ = true;
        bof_ = records_.empty();
    }
    notify();
}

void Table::prior()
{
    post();
    if (pos_ > 0 && !records_.empty()) {
        --pos_;
        bof_ = eof_ = false;
    } else {
        bof_ = true;
        eof_ = records_.empty();
    }
    notify();
}

long Table::moveBy(long n)
{
    post();
    if (records_.empty() || n == 0) {
        if (records_.empty())
            bof_ = eof_ = true;
        return 0;
    }
    const long here = static_cast<long>(pos_);
    const long lastIndex = static_cast<long>(records_.size()) - 1;
    // Compared without forming here + n, which could overflow for extreme n.
    const bool beforeFirst = n < 0 && n < -here;
    const bool afterLast = n > 0 && n > lastIndex - here;
    const long target = beforeFirst ? 0 : (afterLast ? lastIndex : here + n);
    bof_ = beforeFirst;
    eof_ = afterLast;
    pos_ = static_cast<std::size_t>(target);
    notify();
    return target - here;
}

void Table::setRecNo(std::size_t recNo)
{
    post();
    if (records_.empty())
        return;
    pos_ = std::clamp<std::size_t>(recNo, 1, records_.size()) - 1;
    bof_ = eof_ = false;
    notify();
}

bool Table::matches(const Record& r, const std::vector<std::pair<std::size_t, std::string>>& criteria) const
{
    for (const auto& [f, wanted] : criteria) {
        const Value& v = r[f];
        if (wanted.empty()) {
            if (!isEmptyValue(v))
                return false;
            continue;
        }
        if (fields_[f].type == FieldType::Text) {
            const auto* s = std::get_if<Text>(&v);
            if (!s || s->view() != wanted)
                return false;
        } else {
            const auto number = parseDecimal(wanted);
            if (!number || isEmptyValue(v))
                return false;
            const double have = std::holds_alternative<std::int64_t>(v)
                                    ? static_cast<double>(std::get<std::int64_t>(v))
                                    : std::get<double>(v);
            if (have != *number)
                return false;
        }
    }
    return true;
}

bool Table::locate(const std::vector<std::pair<std::string, std::string>>& criteria)
{
    post();
    std::vector<std::pair<std::size_t, std::string>> resolved;
    for (const auto& [name, value] : criteria) {
        const auto f = fieldIndex(name);
        if (!f)
            return false;
        resolved.emplace_back(*f, value);
    }
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (matches(records_[i], resolved)) {
            pos_ = i;
            bof_ = eof_ = false;
            notify();
            return true;
        }
    }
    return false;
}

bool Table::locate(std::string_view field, std::string_view value)
{
    return locate({{std::string(field), std::string(value)}});
}

void Table::edit()
{
    if (state_ != State::Browse || records_.empty())
        return;
    buffer_ = records_[pos_];
    state_ = State::Edit;
}

void Table::insert()
{
    post();
    buffer_ = emptyRecord();
    if (pos_ > records_.size())
        pos_ = records_.size();
    state_ = State::Insert;
    bof_ = eof_ = false;
    notify();
}

void Table::append()
{
    post();
    buffer_ = emptyRecord();
    pos_ = records_.size();
    state_ = State::Insert;
    bof_ = eof_ = false;
    notify();
}

void Table::post()
{
    if (state_ == State::Browse)
        return;
    std::size_t i = pos_;
    if (state_ == State::Insert) {
        i = std::min(pos_, records_.size());
        records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(i), std::move(buffer_));
    } else {
        records_[i] = std::move(buffer_);
    }
    buffer_.clear();
    state_ = State::Browse;
    bof_ = eof_ = false;
    // Keep the order of the index fields: a record that no longer fits between its
    // neighbours moves behind the last record with a key not greater than its own.
    const bool fits = (i == 0 || inOrder(records_[i - 1], records_[i]))
                      && (i + 1 == records_.size() || inOrder(records_[i], records_[i + 1]));
    if (!fits) {
        Record r = std::move(records_[i]);
        records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
        const auto at = std::upper_bound(records_.begin(), records_.end(), r,
                                         [this](const Record& a, const Record& b) { return lessThan(a, b); });
        i = static_cast<std::size_t>(records_.insert(at, std::move(r)) - records_.begin());
    }
    pos_ = i;
    notify();
}

void Table::cancel()
{
    if (state_ == State::Browse)
        return;
    state_ = State::Browse;
    buffer_.clear();
    if (pos_ >= records_.size())
        pos_ = records_.empty() ? 0 : records_.size() - 1;
    bof_ = eof_ = records_.empty();
    notify();
}

void Table::deleteRecord()
{
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    state_ = State::Browse;
    buffer_.clear();
    if (records_.empty())
        return;
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(pos_));
    if (pos_ >= records_.size())
        pos_ = records_.empty() ? 0 : records_.size() - 1;
    bof_ = eof_ = records_.empty();
    notify();
}

const Value& Table::value(std::size_t field) const
{
    const Record* r = current();
    if (!r || field >= r->size())
        return kEmpty;
    return (*r)[field];
}

std::string Table::asText(std::size_t field) const { return valueText(value(field)); }

std::string Table::asText(std::string_view name) const
{
    const auto f = fieldIndex(name);
    return f ? asText(*f) : std::string();
}

std::optional<std::int64_t> Table::asInteger(std::size_t field) const
{
    const Value& v = value(field);
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return *i;
    if (const auto* d = std::get_if<double>(&v)) {
        if (!std::isfinite(*d) || std::fabs(*d) > 9.0e18)
            return std::nullopt;
        return static_cast<std::int64_t>(std::llround(*d));
    }
    if (const auto* s = std::get_if<Text>(&v))
        return parseInteger(trimmed(s->view()));
    return std::nullopt;
}

std::optional<std::int64_t> Table::asInteger(std::string_view name) const
{
    const auto f = fieldIndex(name);
    return f ? asInteger(*f) : std::nullopt;
}

std::optional<double> Table::asFloat(std::size_t field) const
{
    const Value& v = value(field);
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    if (const auto* s = std::get_if<Text>(&v))
        return parseDecimal(trimmed(s->view()));
    return std::nullopt;
}

std::optional<double> Table::asFloat(std::string_view name) const
{
    const auto f = fieldIndex(name);
    return f ? asFloat(*f) : std::nullopt;
}

bool Table::isEmpty(std::size_t field) const { return isEmptyValue(value(field)); }

bool Table::isEmpty(std::string_view name) const
{
    const auto f = fieldIndex(name);
    return !f || isEmpty(*f);
}

Record* Table::editable()
{
    if (state_ == State::Browse) {
        if (records_.empty())
            return nullptr;
        edit();
    }
    return &buffer_;
}

std::string Table::setValue(std::size_t field, Value v)
{
    if (field >= fields_.size())
        return text::fillIn(texts::kFieldNotFound, {std::to_string(field + 1)});
    Record* r = editable();
    if (!r)
        return std::string(texts::kNoCurrentRecord);
    (*r)[field] = std::move(v);
    notify();
    return {};
}

std::string Table::setText(std::size_t field, std::string_view text)
{
    if (field >= fields_.size())
        return text::fillIn(texts::kFieldNotFound, {std::to_string(field + 1)});
    const FieldDef& def = fields_[field];
    if (text.empty())
        return setValue(field, Value{});
    switch (def.type) {
    case FieldType::Text: {
        std::string s = def.width > 0 ? text::left(text, static_cast<std::size_t>(def.width)) : std::string(text);
        return setValue(field, Value{Text(s)});
    }
    case FieldType::Integer: {
        const auto i = parseInteger(trimmed(text));
        if (!i)
            return text::fillIn(texts::kNotAnInteger, {text, def.name});
        return setValue(field, Value{*i});
    }
    case FieldType::Float: {
        const auto d = parseDecimal(trimmed(text));
        if (!d)
            return text::fillIn(texts::kNotANumber, {text, def.name});
        return setValue(field, Value{*d});
    }
    }
    return {};
}

std::string Table::setText(std::string_view name, std::string_view text)
{
    const auto f = fieldIndex(name);
    if (!f)
        return text::fillIn(texts::kFieldNotFound, {name});
    return setText(*f, text);
}

std::string Table::setInteger(std::size_t field, std::int64_t v)
{
    if (field >= fields_.size())
        return text::fillIn(texts::kFieldNotFound, {std::to_string(field + 1)});
    switch (fields_[field].type) {
    case FieldType::Text:
        return setText(field, std::to_string(v));
    case FieldType::Integer:
        return setValue(field, Value{v});
    case FieldType::Float:
        return setValue(field, Value{static_cast<double>(v)});
    }
    return {};
}

std::string Table::setInteger(std::string_view name, std::int64_t v)
{
    const auto f = fieldIndex(name);
    if (!f)
        return text::fillIn(texts::kFieldNotFound, {name});
    return setInteger(*f, v);
}

std::string Table::setFloat(std::size_t field, double v)
{
    if (field >= fields_.size())
        return text::fillIn(texts::kFieldNotFound, {std::to_string(field + 1)});
    const FieldDef& def = fields_[field];
    switch (def.type) {
    case FieldType::Text:
        return setText(field, valueText(Value{v}));
    case FieldType::Integer:
        if (!std::isfinite(v) || v != std::trunc(v) || std::fabs(v) > 9.0e18)
            return text::fillIn(texts::kNotAnInteger, {valueText(Value{v}), def.name});
        return setValue(field, Value{static_cast<std::int64_t>(v)});
    case FieldType::Float:
        if (!std::isfinite(v))
            return text::fillIn(texts::kNotANumber, {valueText(Value{v}), def.name});
        return setValue(field, Value{v});
    }
    return {};
}

std::string Table::setFloat(std::string_view name, double v)
{
    const auto f = fieldIndex(name);
    if (!f)
        return text::fillIn(texts::kFieldNotFound, {name});
    return setFloat(*f, v);
}

std::string Table::setEmpty(std::size_t field) { return setValue(field, Value{}); }

int Table::subscribe(Listener listener)
{
    const int id = followers_.next++;
    followers_.listeners.emplace_back(id, std::move(listener));
    return id;
}

void Table::unsubscribe(int id)
{
    std::erase_if(followers_.listeners, [id](const auto& l) { return l.first == id; });
}

void Table::disableControls() { ++followers_.disabled; }

void Table::enableControls()
{
    if (followers_.disabled > 0 && --followers_.disabled == 0 && followers_.changedWhileDisabled) {
        followers_.changedWhileDisabled = false;
        notify();
    }
}

void Table::notify()
{
    if (followers_.disabled > 0) {
        followers_.changedWhileDisabled = true;
        return;
    }
    if (followers_.listeners.empty())
        return;
    const auto copy = followers_.listeners;
    for (const auto& [id, listener] : copy)
        listener();
}

} // namespace quillmar::collection
