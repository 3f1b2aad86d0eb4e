#include "formula/ini_document.h"

#include "engine/number_parse.h"
#include "support/text.h"

namespace quillmar::formula {

IniDocument IniDocument::parse(std::string_view text)
{
    IniDocument doc;
    Section* current = nullptr;
    for (const std::string& raw : text::splitLines(text)) {
        const std::string_view line = text::trimBlanks(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos)
                continue;
            current = &doc.sectionFor(text::trimBlanks(line.substr(1, close - 1)));
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos)
            continue;
        const std::string_view key = text::trimBlanks(line.substr(0, eq));
        if (key.empty())
            continue;
        bool known = false;
        for (const Entry& e : current->entries)
            known = known || text::equalsNoCase(e.key, key);
        if (!known)
            current->entries.push_back({std::string(key), std::string(text::trimBlanks(line.substr(eq + 1)))});
    }
    return doc;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const
{
    for (const Section& s : sections_)
        if (text::equalsNoCase(s.name, name))
            return &s;
    return nullptr;
}

IniDocument::Section& IniDocument::sectionFor(std::string_view name)
{
    for (Section& s : sections_)
        if (text::equalsNoCase(s.name, name))
            return s;
    sections_.push_back({std::string(name), {}});
    return sections_.back();
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (text::equalsNoCase(e.key, key))
                return e.value;
    return std::nullopt;
}

std::string IniDocument::text(std::string_view section, std::string_view key, std::string_view fallback) const
{
    if (auto v = value(section, key))
        return std::move(*v);
    return std::string(fallback);
}

int IniDocument::integer(std::string_view section, std::string_view key, int fallback) const
{
    const auto v = value(section, key);
    if (!v)
        return fallback;
    return engine::parseWholeNumber(*v).value_or(fallback);
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    // A value is one line; a line break in it would start a key of its own.
    std::string oneLine(value);
    for (char& c : oneLine)
        if (c == '\r' || c == '\n')
            c = ' ';
    Section& s = sectionFor(section);
    for (Entry& e : s.entries) {
        if (text::equalsNoCase(e.key, key)) {
            e.value = std::move(oneLine);
            return;
        }
    }
    s.entries.push_back({std::string(key), std::move(oneLine)});
}

void IniDocument::set(std::string_view section, std::string_view key, int value)
{
    set(section, key, std::to_string(value));
}

std::vector<std::string> IniDocument::lines() const
{
    std::vector<std::string> out;
    for (const Section& s : sections_) {
        if (!out.empty())
            out.emplace_back();
        out.push_back("[" + s.name + "]");
        for (const Entry& e : s.entries)
            out.push_back(e.key + "=" + e.value);
    }
    return out;
}

} // namespace quillmar::formula
