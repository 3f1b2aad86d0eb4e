#include "cli/convert_verb.h"

#include "cli/texts.h"
#include "collection/table_layouts.h"
#include "conversion/conversion_state.h"
#include "conversion/texts.h"
#include "settings/texts.h"
#include "support/text.h"

#include <filesystem>
#include <ostream>
#include <set>
#include <system_error>

namespace quillmar::cli {

namespace {

namespace fs = std::filesystem;
namespace ctexts = conversion::texts;
using text::fillIn;

constexpr const char* kDefaultPattern = "0.000";

struct UnitMatch {
    int quantity;
    int unit;
};

// A name such as "Zoll (inch)" also answers to each of its two parts, "Zoll" and
// "inch", as a user would write them.
bool namesPart(std::string_view name, std::string_view text)
{
    if (text::equalsNoCase(name, text))
        return true;
    const auto open = name.find(" (");
    if (open == std::string_view::npos || name.back() != ')')
        return false;
    return text::equalsNoCase(name.substr(0, open), text) ||
           text::equalsNoCase(name.substr(open + 2, name.size() - open - 3), text);
}

bool names(const conversion::Unit& unit, const std::string& text)
{
    return unit.symbol == text || namesPart(unit.name, text);
}

std::vector<UnitMatch> matches(const std::vector<std::vector<conversion::Unit>>& tables, const std::string& text)
{
    std::vector<UnitMatch> found;
    for (std::size_t q = 0; q < tables.size(); ++q)
        for (std::size_t u = 0; u < tables[q].size(); ++u)
            if (names(tables[q][u], text))
                found.push_back({static_cast<int>(q), static_cast<int>(u)});
    return found;
}

fs::path programFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

class Converter {
public:
    Converter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    int run(const std::string& value, const std::string& from, const std::string& to, const std::string& pattern,
            const fs::path& prefix)
    {
        if (std::string error = state_.loadQuantityList(prefix); !error.empty()) {
            err_ << error << '\n';
            return 1;
        }
        for (std::size_t q = 0; q < state_.quantities().size(); ++q) {
            std::vector<conversion::Unit> units;
            // A table that cannot be read simply offers no units.
            conversion::loadUnits(collection::unitTableFile(prefix, state_.quantities()[q].datei), units);
            tables_.push_back(std::move(units));
        }
        const auto fromMatches = matches(tables_, from);
        const auto toMatches = matches(tables_, to);
        bool known = true;
        for (const auto& [text, found] : {std::pair{from, fromMatches}, std::pair{to, toMatches}}) {
            if (found.empty()) {
                reportUnknown(text);
                known = false;
            }
        }
        if (!known)
            return 1;

        std::set<int> common;
        for (const UnitMatch& f : fromMatches)
            for (const UnitMatch& t : toMatches)
                if (f.quantity == t.quantity)
                    common.insert(f.quantity);
        if (common.empty()) {
            err_ << fillIn(ctexts::kCliNoCommonQuantity, {from, to}) << '\n';
            listCandidates(fromMatches);
            listCandidates(toMatches);
            return 1;
        }
        const auto inCommon = [&](const std::vector<UnitMatch>& found) {
            std::vector<UnitMatch> kept;
            for (const UnitMatch& m : found)
                if (common.count(m.quantity))
                    kept.push_back(m);
            return kept;
        };
        const auto fromKept = inCommon(fromMatches);
        const auto toKept = inCommon(toMatches);
        bool ambiguous = false;
        for (const auto& [text, found] : {std::pair{from, fromKept}, std::pair{to, toKept}}) {
            if (found.size() > 1) {
                err_ << fillIn(ctexts::kCliAmbiguousUnit, {text}) << '\n';
                listCandidates(found);
                ambiguous = true;
            }
        }
        if (ambiguous)
            return 1;

        if (std::string error = state_.chooseQuantity(fromKept[0].quantity); !error.empty()) {
            err_ << error << '\n';
            return 1;
        }
        state_.setFromUnit(fromKept[0].unit);
        state_.setToUnit(toKept[0].unit);
        const conversion::Conversion result = state_.convert(value, pattern);
        if (!result.ok()) {
            err_ << result.error << '\n';
            return 1;
        }
        out_ << value << ' ' << from << " = " << result.resultText << ' ' << to << '\n';
        return 0;
    }

private:
    void listCandidates(const std::vector<UnitMatch>& found)
    {
        for (const UnitMatch& m : found) {
            const conversion::Unit& u = tables_[m.quantity][m.unit];
            err_ << fillIn(ctexts::kCliCandidate, {u.name, u.symbol, state_.quantities()[m.quantity].name}) << '\n';
        }
    }

    // An unknown unit: offers the units whose name or symbol contains the text.
    void reportUnknown(const std::string& text)
    {
        err_ << fillIn(ctexts::kCliUnknownUnit, {text}) << '\n';
        const std::string needle = text::lowerAscii(text);
        std::vector<UnitMatch> similar;
        for (std::size_t q = 0; q < tables_.size(); ++q)
            for (std::size_t u = 0; u < tables_[q].size(); ++u)
                if (!needle.empty() && (text::lowerAscii(tables_[q][u].name).find(needle) != std::string::npos ||
                                        text::lowerAscii(tables_[q][u].symbol).find(needle) != std::string::npos))
                    similar.push_back({static_cast<int>(q), static_cast<int>(u)});
        if (similar.empty())
            return;
        if (similar.size() > 12)
            similar.resize(12);
        err_ << ctexts::kCliSimilarUnits << '\n';
        listCandidates(similar);
    }

    std::ostream& out_;
    std::ostream& err_;
    conversion::ConversionState state_;
    std::vector<std::vector<conversion::Unit>> tables_;
};

} // namespace

int runConvertVerb(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err)
{
    std::string pattern = kDefaultPattern;
    fs::path prefix = programFolder();
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == texts::kFormatOption) {
            if (i + 1 == args.size()) {
                err << ctexts::kCliFormatWithoutPattern << '\n' << ctexts::kCliUsage << '\n';
                return 2;
            }
            pattern = args[++i];
        } else if (args[i] == settings::texts::kDataOption) {
            if (i + 1 == args.size()) {
                err << ctexts::kCliDataWithoutFolder << '\n' << ctexts::kCliUsage << '\n';
                return 2;
            }
            prefix = args[++i];
        } else if (args[i].rfind("--", 0) == 0) {
            err << fillIn(ctexts::kCliUnknownOption, {args[i]}) << '\n' << ctexts::kCliUsage << '\n';
            return 2;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 3) {
        err << ctexts::kCliUsage << '\n';
        return 2;
    }
    Converter converter(out, err);
    return converter.run(positional[0], positional[1], positional[2], pattern, prefix);
}

} // namespace quillmar::cli
