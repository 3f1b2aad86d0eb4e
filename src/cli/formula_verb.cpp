#include "cli/formula_verb.h"

#include "cli/texts.h"
#include "collection/collection_tables.h"
#include "collection/table_layouts.h"
#include "collection/texts.h"
#include "conversion/unit_tables.h"
#include "engine/definition_store.h"
#include "formula/contents_tree.h"
#include "formula/formula_context.h"
#include "formula/formula_window_state.h"
#include "formula/plain_markup.h"
#include "formula/texts.h"
#include "settings/texts.h"
#include "support/text.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

namespace quillmar::cli {

namespace {

namespace fs = std::filesystem;
namespace ftexts = formula::texts;
using text::fillIn;

constexpr int kWrongCall = 2;
constexpr int kFailed = 1;
constexpr std::size_t kMostSimilar = 12;

class StreamMessages final : public Messages {
public:
    explicit StreamMessages(std::ostream& stream) : stream_(stream) {}
    void show(const std::string& text) override { stream_ << text << '\n'; }

private:
    std::ostream& stream_;
};

struct Call {
    bool list = false;
    std::string listFilter;
    std::string name;
    std::optional<std::string> area;
    std::optional<std::string> topic;
    std::optional<std::string> rearrangement;
    std::optional<std::string> solvedFor;
    std::optional<std::string> format;
    fs::path prefix;
    bool program = false;
    std::vector<std::string> assignments;
};

struct Assignment {
    std::string variable;
    std::optional<std::string> value;
    std::optional<std::string> unit;
};

fs::path programFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

// Reads the arguments; gives an error text for a wrong call.
std::string parse(const std::vector<std::string>& args, Call& call)
{
    call.prefix = programFolder();
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto valueOf = [&](std::optional<std::string>& target) {
            if (i + 1 >= args.size())
                return fillIn(ftexts::kCliMissingValue, {a});
            target = args[++i];
            return std::string();
        };
        std::string error;
        if (a == texts::kListOption) {
            call.list = true;
        } else if (a == texts::kProgramOption) {
            call.program = true;
        } else if (a == texts::kAreaOption) {
            error = valueOf(call.area);
        } else if (a == texts::kTopicOption) {
            error = valueOf(call.topic);
        } else if (a == texts::kRearrangementOption) {
            error = valueOf(call.rearrangement);
        } else if (a == texts::kSolvedForOption) {
            error = valueOf(call.solvedFor);
        } else if (a == texts::kFormatOption) {
            error = valueOf(call.format);
        } else if (a == settings::texts::kDataOption) {
            std::optional<std::string> folder;
            error = valueOf(folder);
            if (folder)
                call.prefix = *folder;
        } else if (a.rfind("--", 0) == 0) {
            error = fillIn(ftexts::kCliUnknownOption, {a});
        } else {
            positional.push_back(a);
        }
        if (!error.empty())
            return error;
    }
    if (call.rearrangement && call.solvedFor)
        return std::string(ftexts::kCliBothRearrangementOptions);
    if (call.list) {
        if (positional.size() > 1)
            return fillIn(ftexts::kCliUnknownOption, {positional[1]});
        call.listFilter = positional.empty() ? std::string() : positional.front();
        return {};
    }
    if (positional.empty())
        return std::string(ftexts::kCliUsage);
    call.name = positional.front();
    call.assignments.assign(positional.begin() + 1, positional.end());
    return {};
}

std::optional<Assignment> parseAssignment(const std::string& text)
{
    Assignment a;
    const std::size_t at = text.find('@');
    const std::size_t eq = text.find('=');
    if (eq != std::string::npos && (at == std::string::npos || eq < at)) {
        a.variable = text.substr(0, eq);
        a.value = text.substr(eq + 1, at == std::string::npos ? std::string::npos : at - eq - 1);
    } else if (at != std::string::npos) {
        a.variable = text.substr(0, at);
    } else {
        return std::nullopt;
    }
    if (at != std::string::npos)
        a.unit = text.substr(at + 1);
    if (a.variable.empty() || (a.unit && a.unit->empty()))
        return std::nullopt;
    return a;
}

// A unit answers to its symbol (as stored or as plain text) and to its name,
// also to either part of a name such as "Zoll (inch)", capitals of a-z ignored.
bool unitAnswersTo(const conversion::Unit& unit, const std::string& text)
{
    if (unit.symbol == text || formula::plainUnitText(unit.symbol) == text)
        return true;
    const std::string_view name = unit.name;
    if (text::equalsNoCase(name, text))
        return true;
    const auto open = name.find(" (");
    if (open == std::string_view::npos || name.back() != ')')
        return false;
    return text::equalsNoCase(name.substr(0, open), text) ||
           text::equalsNoCase(name.substr(open + 2, name.size() - open - 3), text);
}

std::string formulaLine(const formula::NavigationPosition& p)
{
    return fillIn(ftexts::kCliCandidateFormula, {p.area, p.topic, p.name});
}

// The formulas of the tree, in its order.
std::vector<formula::NavigationPosition> allFormulas(const formula::ContentsTree& tree)
{
    std::vector<formula::NavigationPosition> list;
    for (int i = 0; i < tree.size(); ++i)
        if (tree.node(i).level == 2)
            list.push_back(tree.positionOf(i));
    return list;
}

class FormulaRun {
public:
    FormulaRun(const Call& call, std::ostream& out, std::ostream& err)
        : call_(call), out_(out), err_(err), messages_(err), store_(messages_)
    {
    }

    int open()
    {
        std::error_code ec;
        if (!fs::is_directory(call_.prefix, ec)) {
            err_ << fillIn(collection::texts::kNoDataFolder, {call_.prefix.string()}) << '\n';
            return kWrongCall;
        }
        return tables_.open(call_.prefix, messages_) ? 0 : kFailed;
    }

    int run() { return run(tables_); }

    int run(collection::CollectionTables& tables)
    {
        formula::FormulaWindowState window(formula::makeContext(tables, store_, messages_));
        if (call_.list)
            return list(window.tree());
        prefix_ = tables.prefix();
        const auto position = findFormula(window.tree());
        if (!position)
            return kWrongCall;
        window.setPosition(*position);
        window.selectPositionNode();
        if (const int status = chooseRearrangement(window); status != 0)
            return status;
        if (const int status = applyAssignments(window); status != 0)
            return status;
        if (call_.format)
            window.setNumberFormat(*call_.format);
        const formula::CalculationOutcome outcome =
            call_.program ? window.calculateIntoCalcWindow() : window.calculate();
        if (!outcome.computed)
            return kFailed;
        if (call_.program) {
            for (const std::string& line : outcome.calcWindowLines)
                out_ << line << '\n';
            return 0;
        }
        const formula::QuantitySlot& result = window.slot(1);
        const std::string unit = formula::plainUnitText(result.shownUnit());
        out_ << result.variable << " = " << window.resultText() << (unit.empty() ? "" : " ") << unit << '\n';
        return 0;
    }

private:
    int list(const formula::ContentsTree& tree)
    {
        for (const formula::NavigationPosition& p : allFormulas(tree)) {
            const std::string line = p.area + " / " + p.topic + " / " + p.name;
            if (call_.listFilter.empty() || formula::containsIgnoringCase(line, call_.listFilter))
                out_ << line << '\n';
        }
        return 0;
    }

    std::optional<formula::NavigationPosition> findFormula(const formula::ContentsTree& tree)
    {
        std::vector<formula::NavigationPosition> found;
        const auto all = allFormulas(tree);
        for (const formula::NavigationPosition& p : all) {
            if (!text::equalsNoCase(p.name, call_.name))
                continue;
            if (call_.area && !text::equalsNoCase(p.area, *call_.area))
                continue;
            if (call_.topic && !text::equalsNoCase(p.topic, *call_.topic))
                continue;
            found.push_back(p);
        }
        if (found.size() == 1)
            return found.front();
        if (found.empty()) {
            err_ << fillIn(ftexts::kCliUnknownFormula, {call_.name}) << '\n';
            std::vector<formula::NavigationPosition> similar;
            for (const formula::NavigationPosition& p : all)
                if ((formula::containsIgnoringCase(p.name, call_.name) ||
                     formula::containsIgnoringCase(call_.name, p.name)) &&
                    similar.size() < kMostSimilar)
                    similar.push_back(p);
            if (!similar.empty())
                err_ << ftexts::kCliSimilarFormulas << '\n';
            for (const auto& p : similar)
                err_ << formulaLine(p) << '\n';
        } else {
            err_ << fillIn(ftexts::kCliAmbiguousFormula, {call_.name}) << '\n';
            for (const auto& p : found)
                err_ << formulaLine(p) << '\n';
        }
        return std::nullopt;
    }

    int chooseRearrangement(formula::FormulaWindowState& window)
    {
        if (!call_.rearrangement && !call_.solvedFor)
            return 0;
        const std::vector<formula::RearrangementInfo> forms = window.rearrangements();
        int number = -1;
        if (call_.rearrangement) {
            const std::string& text = *call_.rearrangement;
            if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos && text.size() < 6)
                number = std::stoi(text);
            if (number >= static_cast<int>(forms.size()))
                number = -1;
            if (number < 0)
                err_ << fillIn(ftexts::kCliBadRearrangement, {text}) << '\n';
        } else {
            for (std::size_t k = 0; k < forms.size() && number < 0; ++k)
                if (text::equalsNoCase(forms[k].resultVariable, *call_.solvedFor))
                    number = static_cast<int>(k);
            if (number < 0)
                err_ << fillIn(ftexts::kCliNoRearrangementFor, {*call_.solvedFor}) << '\n';
        }
        if (number < 0) {
            for (std::size_t k = 0; k < forms.size(); ++k)
                err_ << fillIn(ftexts::kCliCandidateRearrangement,
                               {std::to_string(k), formula::plainText(forms[k].leftSide), forms[k].resultVariable})
                     << '\n';
            return kWrongCall;
        }
        window.goToRearrangement(number);
        return 0;
    }

    int applyAssignments(formula::FormulaWindowState& window)
    {
        std::vector<std::pair<int, Assignment>> parsed;
        for (const std::string& text : call_.assignments) {
            const auto a = parseAssignment(text);
            if (!a) {
                err_ << fillIn(ftexts::kCliBadArgument, {text}) << '\n' << ftexts::kCliUsage << '\n';
                return kWrongCall;
            }
            int slot = 0;
            for (int i = 1; i <= window.quantityCount() && slot == 0; ++i)
                if (text::equalsNoCase(window.slot(i).variable, a->variable))
                    slot = i;
            if (slot == 0) {
                err_ << fillIn(ftexts::kCliUnknownVariable, {a->variable}) << '\n';
                listVariables(window);
                return kWrongCall;
            }
            if (slot == 1 && a->value) {
                err_ << fillIn(ftexts::kCliResultNotGiven, {a->variable}) << '\n';
                return kWrongCall;
            }
            parsed.emplace_back(slot, *a);
        }
        // Units first: choosing a unit shows the slot anew.
        for (const auto& [slot, a] : parsed)
            if (a.unit)
                if (const int status = chooseUnit(window, slot, *a.unit); status != 0)
                    return status;
        for (const auto& [slot, a] : parsed)
            if (a.value)
                window.setFieldText(slot, *a.value);
        return 0;
    }

    void listVariables(const formula::FormulaWindowState& window)
    {
        for (int i = 1; i <= window.quantityCount(); ++i) {
            const formula::QuantitySlot& s = window.slot(i);
            err_ << fillIn(ftexts::kCliCandidateVariable, {s.variable, s.name, formula::plainText(s.symbol)}) << '\n';
        }
    }

    int chooseUnit(formula::FormulaWindowState& window, int slot, const std::string& unitText)
    {
        const formula::QuantitySlot& s = window.slot(slot);
        if (s.tableFile.empty()) {
            err_ << fillIn(ftexts::kCliNoUnitTable, {s.name, formula::plainUnitText(s.unit)}) << '\n';
            return kWrongCall;
        }
        std::vector<conversion::Unit> units;
        if (std::string error = conversion::loadUnits(collection::unitTableFile(prefix_, s.tableFile), units);
            !error.empty()) {
            err_ << error << '\n';
            return kFailed;
        }
        for (std::size_t k = 0; k < units.size(); ++k) {
            if (unitAnswersTo(units[k], unitText)) {
                window.chooseUnit(slot, static_cast<int>(k));
                return 0;
            }
        }
        err_ << fillIn(ftexts::kCliUnknownUnit, {s.name, unitText}) << '\n';
        for (const conversion::Unit& u : units)
            err_ << fillIn(ftexts::kCliCandidateUnit, {u.name, formula::plainUnitText(u.symbol)}) << '\n';
        return kWrongCall;
    }

    const Call& call_;
    std::ostream& out_;
    std::ostream& err_;
    StreamMessages messages_;
    engine::DefinitionStore store_;
    collection::CollectionTables tables_;
    fs::path prefix_;
};

} // namespace

int runFormulaVerb(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err)
{
    Call call;
    if (std::string error = parse(args, call); !error.empty()) {
        err << error << '\n';
        if (error != ftexts::kCliUsage)
            err << ftexts::kCliUsage << '\n';
        return kWrongCall;
    }
    FormulaRun run(call, out, err);
    if (const int status = run.open(); status != 0)
        return status;
    return run.run();
}

int runFormulaVerbOnTables(collection::CollectionTables& tables, const std::vector<std::string>& args,
                           std::ostream& out, std::ostream& err)
{
    Call call;
    if (std::string error = parse(args, call); !error.empty()) {
        err << error << '\n';
        if (error != ftexts::kCliUsage)
            err << ftexts::kCliUsage << '\n';
        return kWrongCall;
    }
    FormulaRun run(call, out, err);
    return run.run(tables);
}

} // namespace quillmar::cli
