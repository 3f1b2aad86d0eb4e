#include "cli/calculate_verb.h"

#include "calc/calc_file.h"
#include "calc/runner.h"
#include "calc/texts.h"
#include "engine/definition_store.h"
#include "engine/number_format.h"
#include "engine/number_texts.h"
#include "engine/texts.h"
#include "engine/evaluate_line.h"

#include <istream>
#include <ostream>

namespace quillmar::cli {

namespace {

// The evaluator's messages go to the error stream, one per line.
class StreamMessages final : public Messages {
public:
    explicit StreamMessages(std::ostream& stream) : stream_(stream) {}
    void show(const std::string& text) override { stream_ << text << '\n'; }

private:
    std::ostream& stream_;
};

std::string withoutBlanks(const std::string& raw)
{
    std::string line;
    line.reserve(raw.size());
    for (char c : raw) {
        if (c != ' ' && c != '\t' && c != '\r')
            line.push_back(c);
    }
    return line;
}

// Runs a .ref, .for or .txt file in program mode and prints what its output
// window would hold. The pattern is the file's own (.ref) unless one is given.
int runProgramFile(const std::string& file, const std::string* pattern, std::ostream& out, std::ostream& err)
{
    calc::CalcWindowState window;
    if (const std::string error = calc::openCalcWindow(window, file); !error.empty()) {
        err << error << '\n';
        return 2;
    }
    StreamMessages messages(err);
    engine::DefinitionStore store(messages);
    const calc::ProgramOutput output = calc::runProgram(store, window.textLines, pattern ? *pattern : window.pattern);
    for (const std::string& line : output.lines)
        out << line << '\n';
    return output.hasErrors ? 1 : 0;
}

} // namespace

int runCalculateVerb(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    std::string pattern(engine::texts::defaultPattern);
    bool patternGiven = false;
    std::string programFile;
    bool programGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == calc::texts::kProgramOption) {
            if (i + 1 == args.size()) {
                err << calc::texts::kProgramWithoutFile << '\n' << calc::texts::kUsage << '\n';
                return 2;
            }
            programFile = args[++i];
            programGiven = true;
        } else if (args[i] == calc::texts::kFormatOption) {
            if (i + 1 == args.size()) {
                err << calc::texts::kFormatWithoutPattern << '\n' << calc::texts::kUsage << '\n';
                return 2;
            }
            pattern = args[++i];
            patternGiven = true;
        } else {
            err << calc::texts::kUnknownArgument << args[i] << '\n' << calc::texts::kUsage << '\n';
            return 2;
        }
    }

    if (programGiven)
        return runProgramFile(programFile, patternGiven ? &pattern : nullptr, out, err);

    StreamMessages messages(err);
    engine::DefinitionStore store(messages);
    std::string raw;
    while (std::getline(in, raw)) {
        std::string line = withoutBlanks(raw);
        if (line.empty() || line.front() == ';') {
            out << '\n';
            continue;
        }
        Real value = 0;
        if (!engine::evaluateLine(store, line, value))
            out << engine::texts::kInvalidExpression << '\n';
        else if (line.empty())
            out << '\n';
        else
            out << engine::formatNumber(pattern, value) << '\n';
        // Each answer is visible at once, so the tool can be driven line by line.
        out.flush();
    }
    return 0;
}

} // namespace quillmar::cli
