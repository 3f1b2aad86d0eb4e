#include "settings/settings_file.h"

#include "settings/texts.h"
#include "support/text.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace quillmar::settings {

namespace {

// A decimal integer, optionally signed, and nothing else.
std::optional<int> toInt(std::string_view s)
{
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<int> toIntBelow(std::string_view s, int count)
{
    const auto value = toInt(s);
    if (!value || *value < 0 || *value >= count)
        return std::nullopt;
    return value;
}

// Takes the next "#"-terminated field off the record. A field without its "#" fails,
// so a record missing its closing "#" fails at its last value.
std::optional<int> nextField(std::string_view& record)
{
    const auto hash = record.find('#');
    if (hash == std::string_view::npos)
        return std::nullopt;
    const auto value = toInt(record.substr(0, hash));
    record.remove_prefix(hash + 1);
    return value;
}

// Reads until the first failure; returns false there.
bool readInto(const std::vector<std::string>& lines, ReadResult& r)
{
    if (lines.size() < 2)
        return false;
    std::string_view record = lines[1];
    const auto state = nextField(record);
    if (!state || *state < 0 || *state > 2)
        return false;
    r.state = static_cast<WindowState>(*state);
    if (!(r.width = nextField(record)))
        return false;
    if (!(r.height = nextField(record)))
        return false;
    if (!(r.top = nextField(record)))
        return false;
    if (!(r.left = nextField(record)))
        return false;

    if (lines.size() < 3)
        return false;
    r.factorPattern = lines[2];
    const int counts[] = {kFormulaTargetCount, kFormulaContentCount, kConversionTargetCount, kConversionContentCount};
    std::optional<int>* fields[] = {&r.formulaTarget, &r.formulaContent, &r.conversionTarget, &r.conversionContent};
    for (std::size_t i = 0; i < 4; ++i) {
        if (lines.size() < 4 + i)
            return false;
        if (!(*fields[i] = toIntBelow(lines[3 + i], counts[i])))
            return false;
    }
    if (lines.size() < 8)
        return false;
    r.excelXP = lines[7] != "0";
    return true;
}

} // namespace

ReadResult readSettings(const std::optional<std::string>& fileBytes)
{
    ReadResult r;
    if (!fileBytes)
        return r;
    const auto lines = text::splitLines(text::decodeFileText(*fileBytes));
    if (lines.empty())
        return r;
    if (lines[0] != texts::kIdentification) {
        r.outcome = ReadOutcome::wrongIdentification;
        return r;
    }
    r.outcome = readInto(lines, r) ? ReadOutcome::complete : ReadOutcome::faulty;
    return r;
}

void applyOptions(const ReadResult& result, Options& options)
{
    if (result.factorPattern)
        options.factorPattern = *result.factorPattern;
    if (result.formulaTarget)
        options.formulaTarget = *result.formulaTarget;
    if (result.formulaContent)
        options.formulaContent = *result.formulaContent;
    if (result.conversionTarget)
        options.conversionTarget = *result.conversionTarget;
    if (result.conversionContent)
        options.conversionContent = *result.conversionContent;
    if (result.excelXP)
        options.excelXP = *result.excelXP;
}

std::string writeSettings(const WindowPlacement& window, const Options& options)
{
    const auto n = [](int v) { return std::to_string(v); };
    const std::string record = n(static_cast<int>(window.state)) + "#" + n(window.width) + "#" + n(window.height) + "#" +
                               n(window.top) + "#" + n(window.left) + "#";
    const std::vector<std::string> lines = {
        std::string(texts::kIdentification),
        record,
        options.factorPattern,
        n(options.formulaTarget),
        n(options.formulaContent),
        n(options.conversionTarget),
        n(options.conversionContent),
        options.excelXP ? "1" : "0",
    };
    return text::encodeFileText(text::joinCrLf(lines));
}

} // namespace quillmar::settings
