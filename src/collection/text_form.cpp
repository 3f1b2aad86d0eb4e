#include "collection/text_form.h"

#include "collection/texts.h"
#include "support/file_io.h"
#include "support/text.h"

#include <algorithm>

namespace quillmar::collection {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The fields written once as "%vorgabe" for a run of records instead of in each.
bool isPresetField(const FieldDef& f)
{
    return f.type == FieldType::Text && (text::equalsNoCase(f.name, "GEBIET") || text::equalsNoCase(f.name, "THEMA"));
}

// Integer fields that number the records in file order when a record leaves them out.
bool isNumberingField(const FieldDef& f)
{
    return f.type == FieldType::Integer && (text::equalsNoCase(f.name, "myNr") || text::equalsNoCase(f.name, "nr"));
}

bool isBlank(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::vector<std::string_view> words(std::string_view s)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(s.substr(start, i - start));
    }
    return out;
}

bool validFieldName(std::string_view name)
{
    if (name.empty() || name.front() == '#' || name.front() == '%' || name.front() == '+')
        return false;
    return name.find_first_of(": \t\"") == std::string_view::npos;
}

bool validTableName(std::string_view name)
{
    if (name.empty() || name.front() == '.')
        return false;
    return name.find_first_of("/\\:*?\"<>| \t") == std::string_view::npos;
}

// Splits "NAME: VALUE": the value is what follows the colon and one blank.
bool splitFieldLine(std::string_view line, std::string_view& name, std::string_view& value)
{
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return false;
    name = text::trimBlanks(line.substr(0, colon));
    value = line.substr(colon + 1);
    if (!value.empty() && value.front() == ' ')
        value.remove_prefix(1);
    return true;
}

class Parser {
public:
    Parser(std::string fileName) : file_(std::move(fileName)) {}

    TextFormResult run(std::string_view content)
    {
        if (content.substr(0, kBom.size()) == kBom)
            content.remove_prefix(kBom.size());
        const std::vector<std::string> lines = text::splitLines(content);
        for (std::size_t i = 0; i < lines.size() && !result_.error; ++i) {
            line_ = static_cast<int>(i + 1);
            handle(lines[i]);
        }
        if (!result_.error) {
            line_ = static_cast<int>(lines.size());
            endRecord();
        }
        if (!result_.error)
            checkTableHasFields();
        if (result_.error)
            result_.tables.clear();
        return std::move(result_);
    }

private:
    struct Pending {
        std::string text;
        int line = 0;
    };

    void fail(std::string message, int line = -1)
    {
        if (!result_.error)
            result_.error = TextFormError{file_, line < 0 ? line_ : line, std::move(message)};
    }

    Table* table() { return result_.tables.empty() ? nullptr : &result_.tables.back(); }

    // Reads "FELD: WERT" against the fields of table t: the field's position and the
    // value, or nothing after the failure has been recorded.
    std::optional<std::size_t> namedField(const Table& t, std::string_view line, std::string_view& value)
    {
        std::string_view name;
        if (!splitFieldLine(line, name, value)) {
            fail(std::string(texts::kBadLine));
            return std::nullopt;
        }
        const auto f = t.fieldIndex(name);
        if (!f)
            fail(text::fillIn(texts::kUnknownField, {t.name(), name}));
        return f;
    }

    void handle(const std::string& raw)
    {
        const std::string_view line = raw;
        if (isBlank(line)) {
            endRecord();
            return;
        }
        if (line.front() == '#')
            return;
        if (line.front() == '%') {
            endRecord();
            directive(line);
            return;
        }
        if (line.front() == '+' && (line.size() == 1 || line[1] == ' ')) {
            continuation(line.size() > 1 ? line.substr(2) : std::string_view());
            return;
        }
        fieldLine(line);
    }

    void directive(std::string_view line)
    {
        const std::vector<std::string_view> w = words(line);
        const std::string_view word = w.front();
        if (word == "%tabelle") {
            checkTableHasFields();
            if (w.size() != 2 || !validTableName(w[1])) {
                fail(text::fillIn(texts::kBadTableName, {w.size() > 1 ? text::trimBlanks(line.substr(8)) : ""}));
                return;
            }
            result_.tables.emplace_back(std::string(w[1]), std::vector<FieldDef>{});
            tableLine_ = line_;
            hasRecords_ = false;
            presets_.clear();
            return;
        }
        Table* t = table();
        if (!t) {
            fail(std::string(texts::kNoTable));
            return;
        }
        if (word == "%feld") {
            defineField(*t, w);
        } else if (word == "%index") {
            if (hasRecords_) {
                fail(std::string(texts::kFieldAfterRecords));
                return;
            }
            const std::string names(text::trimBlanks(line.substr(word.size())));
            const std::string err = t->setIndexFieldNames(names);
            if (!err.empty())
                fail(text::fillIn(texts::kBadIndex, {names}));
        } else if (word == "%vorgabe") {
            std::string_view value;
            const auto f = namedField(*t, line.substr(word.size()), value);
            if (!f)
                return;
            presets_.resize(t->fieldCount());
            presets_[*f] = Pending{std::string(value), line_};
        } else {
            fail(text::fillIn(texts::kUnknownDirective, {word}));
        }
    }

    void defineField(Table& t, const std::vector<std::string_view>& w)
    {
        if (hasRecords_) {
            fail(std::string(texts::kFieldAfterRecords));
            return;
        }
        if (w.size() < 3 || w.size() > 4 || !validFieldName(w[1])) {
            fail(std::string(texts::kBadFieldLine));
            return;
        }
        FieldDef def;
        def.name = std::string(w[1]);
        if (w[2] == "text")
            def.type = FieldType::Text;
        else if (w[2] == "ganzzahl")
            def.type = FieldType::Integer;
        else if (w[2] == "zahl")
            def.type = FieldType::Float;
        else {
            fail(text::fillIn(texts::kBadFieldType, {w[2]}));
            return;
        }
        if (w.size() == 4) {
            const auto width = parseInteger(w[3]);
            if (!width || *width < 1 || *width > 100000) {
                fail(text::fillIn(texts::kBadWidth, {w[3]}));
                return;
            }
            def.width = static_cast<int>(*width);
        } else if (def.type == FieldType::Text) {
            fail(std::string(texts::kTextNeedsWidth));
            return;
        }
        if (t.fieldIndex(def.name)) {
            fail(text::fillIn(texts::kDuplicateField, {def.name}));
            return;
        }
        std::vector<FieldDef> fields = t.fields();
        fields.push_back(std::move(def));
        const std::string index = t.indexFieldNames();
        Table replaced(t.name(), std::move(fields));
        replaced.setIndexFieldNames(index);
        t = std::move(replaced);
    }

    void fieldLine(std::string_view line)
    {
        Table* t = table();
        if (!t) {
            fail(std::string(texts::kNoTable));
            return;
        }
        std::string_view value;
        const auto f = namedField(*t, line, value);
        if (!f)
            return;
        if (!recordOpen_) {
            recordOpen_ = true;
            named_.assign(t->fieldCount(), std::nullopt);
        }
        if (named_[*f]) {
            fail(text::fillIn(texts::kFieldTwice, {t->fields()[*f].name}));
            return;
        }
        named_[*f] = Pending{std::string(value), line_};
        lastField_ = *f;
    }

    void continuation(std::string_view rest)
    {
        if (!recordOpen_ || !lastField_ || !named_[*lastField_]) {
            fail(std::string(texts::kContinuationWithoutField));
            return;
        }
        std::string& text = named_[*lastField_]->text;
        text += "\r\n";
        text += rest;
    }

    void endRecord()
    {
        if (!recordOpen_)
            return;
        recordOpen_ = false;
        lastField_.reset();
        Table* t = table();
        hasRecords_ = true;
        presets_.resize(t->fieldCount());
        Record r(t->fieldCount());
        for (std::size_t f = 0; f < t->fieldCount() && !result_.error; ++f) {
            const Pending* p = named_[f] ? &*named_[f] : (presets_[f] ? &*presets_[f] : nullptr);
            if (p)
                r[f] = convert(t->fields()[f], *p);
        }
        t->addLoadedRecord(std::move(r));
    }

    Value convert(const FieldDef& def, const Pending& p)
    {
        if (p.text.empty())
            return Value{};
        switch (def.type) {
        case FieldType::Text: {
            const std::size_t n = text::length(p.text);
            if (def.width > 0 && n > static_cast<std::size_t>(def.width))
                fail(text::fillIn(texts::kTooLong, {def.name, std::to_string(n), std::to_string(def.width)}), p.line);
            return Value{Text(p.text)};
        }
        case FieldType::Integer:
            if (const auto i = parseInteger(text::trimBlanks(p.text)))
                return Value{*i};
            fail(text::fillIn(texts::kNotAnInteger, {p.text, def.name}), p.line);
            return Value{};
        case FieldType::Float:
            if (const auto d = parseDecimal(text::trimBlanks(p.text)))
                return Value{*d};
            fail(text::fillIn(texts::kNotANumber, {p.text, def.name}), p.line);
            return Value{};
        }
        return Value{};
    }

    void checkTableHasFields()
    {
        if (table() && table()->fieldCount() == 0)
            fail(text::fillIn(texts::kNoFields, {table()->name()}), tableLine_);
    }

    std::string file_;
    int line_ = 0;
    int tableLine_ = 0;
    TextFormResult result_;
    bool hasRecords_ = false;
    bool recordOpen_ = false;
    std::vector<std::optional<Pending>> named_;
    std::vector<std::optional<Pending>> presets_;
    std::optional<std::size_t> lastField_;
};

bool sameLayout(const Table& a, const Table& b)
{
    if (a.fieldCount() != b.fieldCount() || !text::equalsNoCase(a.indexFieldNames(), b.indexFieldNames()))
        return false;
    for (std::size_t i = 0; i < a.fieldCount(); ++i) {
        const FieldDef& x = a.fields()[i];
        const FieldDef& y = b.fields()[i];
        if (!text::equalsNoCase(x.name, y.name) || x.type != y.type || x.width != y.width)
            return false;
    }
    return true;
}

} // namespace

std::string TextFormError::describe() const
{
    return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

TextFormResult parseTextForm(std::string_view content, const std::string& fileName)
{
    return Parser(fileName).run(content);
}

void finishTables(std::vector<Table>& tables)
{
    for (Table& t : tables) {
        std::vector<std::size_t> numbering;
        for (std::size_t f = 0; f < t.fieldCount(); ++f)
            if (isNumberingField(t.fields()[f]))
                numbering.push_back(f);
        if (!numbering.empty()) {
            std::vector<Record> records = t.records();
            for (std::size_t i = 0; i < records.size(); ++i)
                for (std::size_t f : numbering)
                    if (isEmptyValue(records[i][f]))
                        records[i][f] = Value{static_cast<std::int64_t>(i)};
            const std::string index = t.indexFieldNames();
            Table renumbered(t.name(), t.fields());
            renumbered.setIndexFieldNames(index);
            renumbered.reserve(records.size());
            for (Record& r : records)
                renumbered.addLoadedRecord(std::move(r));
            t = std::move(renumbered);
        }
        t.sortRecords();
    }
}

TextFormResult readTextForm(std::vector<std::filesystem::path> files)
{
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
    TextFormResult all;
    std::vector<std::string> origins; // the file that first defined each table
    for (const auto& path : files) {
        const std::string shown = path.filename().string();
        const auto content = fileio::readAll(path);
        if (!content) {
            all.error = TextFormError{shown, 0, text::fillIn(texts::kCannotReadText, {path.string()})};
            break;
        }
        TextFormResult one = parseTextForm(*content, shown);
        if (one.error) {
            all.error = one.error;
            break;
        }
        for (Table& t : one.tables) {
            const auto same = std::find_if(all.tables.begin(), all.tables.end(),
                                           [&](const Table& x) { return text::equalsNoCase(x.name(), t.name()); });
            if (same == all.tables.end()) {
                all.tables.push_back(std::move(t));
                origins.push_back(shown);
                continue;
            }
            const std::size_t k = static_cast<std::size_t>(same - all.tables.begin());
            if (!sameLayout(*same, t)) {
                all.error = TextFormError{shown, 0, text::fillIn(texts::kJoinMismatch, {t.name(), origins[k]})};
                break;
            }
            for (const Record& r : t.records())
                same->addLoadedRecord(r);
        }
        if (all.error)
            break;
    }
    if (all.error) {
        all.tables.clear();
        return all;
    }
    finishTables(all.tables);
    return all;
}

namespace {

const char* typeWord(FieldType t)
{
    switch (t) {
    case FieldType::Integer:
        return "ganzzahl";
    case FieldType::Float:
        return "zahl";
    case FieldType::Text:
        break;
    }
    return "text";
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// Writes "NAME: VALUE", a value with line breaks as continuation lines "+ ...".
void writeField(std::string& out, const std::string& name, std::string_view value)
{
    out += name;
    out += ':';
    std::size_t start = 0;
    bool firstLine = true;
    while (true) {
        std::size_t end = value.find_first_of("\r\n", start);
        const std::string_view part = value.substr(start, end == std::string_view::npos ? value.npos : end - start);
        if (!firstLine)
            out += '+';
        if (!part.empty()) {
            out += ' ';
            out += part;
        }
        out += '\n';
        if (end == std::string_view::npos)
            break;
        if (value[end] == '\r' && end + 1 < value.size() && value[end + 1] == '\n')
            ++end;
        start = end + 1;
        firstLine = false;
    }
}

void writeTable(std::string& out, const Table& t)
{
    out.append("%tabelle ").append(t.name()).append("\n");
    for (const FieldDef& f : t.fields()) {
        out.append("%feld ").append(f.name).append(" ").append(typeWord(f.type));
        if (f.width > 0)
            out.append(" ").append(std::to_string(f.width));
        out += '\n';
    }
    if (!t.indexFields().empty())
        out.append("%index ").append(t.indexFieldNames()).append("\n");

    std::vector<std::string> active(t.fieldCount());
    for (std::size_t i = 0; i < t.recordCount(); ++i) {
        const Record& r = t.record(i);
        std::string presets;
        for (std::size_t f = 0; f < t.fieldCount(); ++f) {
            if (!isPresetField(t.fields()[f]))
                continue;
            const std::string value = valueText(r[f]);
            const std::string wanted = hasLineBreak(value) ? std::string() : value;
            if (wanted != active[f]) {
                presets.append("%vorgabe ").append(t.fields()[f].name).append(":");
                if (!wanted.empty())
                    presets.append(" ").append(wanted);
                presets.append("\n");
                active[f] = wanted;
            }
        }
        if (!presets.empty())
            out += "\n" + presets;
        out += '\n';
        bool wroteAny = false;
        for (std::size_t f = 0; f < t.fieldCount(); ++f) {
            const FieldDef& def = t.fields()[f];
            const std::string value = valueText(r[f]);
            if (isPresetField(def) && value == active[f])
                continue;
            if (isNumberingField(def) && r[f] == Value{static_cast<std::int64_t>(i)})
                continue;
            if (value.empty())
                continue;
            writeField(out, def.name, value);
            wroteAny = true;
        }
        if (!wroteAny && t.fieldCount() > 0) {
            // A record with nothing to write still needs one line to exist.
            std::size_t f = 0;
            while (f + 1 < t.fieldCount() && isPresetField(t.fields()[f]))
                ++f;
            writeField(out, t.fields()[f].name, valueText(r[f]));
        }
    }
}

} // namespace

std::string writeTextForm(const std::vector<const Table*>& tables)
{
    std::string out;
    for (std::size_t k = 0; k < tables.size(); ++k) {
        if (k > 0)
            out += '\n';
        writeTable(out, *tables[k]);
    }
    return out;
}

} // namespace quillmar::collection
