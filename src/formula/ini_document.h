#pragma once
// A text in INI form: sections in square brackets, lines "key=value". Section and
// key names match without regard to the case of a-z; values are kept as written,
// without the blanks around them. Setting a key that exists changes its value in
// its place; a new key goes to the end of its section, a new section to the end.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::formula {

class IniDocument {
public:
    // Reads the lines of a text (any line ending). Lines before the first section,
    // comments (";") and lines without "=" are ignored; of two equal keys in one
    // section the first counts.
    static IniDocument parse(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string text(std::string_view section, std::string_view key, std::string_view fallback) const;
    // The value as a whole number; the fallback when it is missing or not one.
    int integer(std::string_view section, std::string_view key, int fallback) const;

    void set(std::string_view section, std::string_view key, std::string_view value);
    void set(std::string_view section, std::string_view key, int value);

    // The lines of the document, a blank line between sections.
    std::vector<std::string> lines() const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* findSection(std::string_view name) const;
    Section& sectionFor(std::string_view name);

    std::vector<Section> sections_;
};

} // namespace quillmar::formula
