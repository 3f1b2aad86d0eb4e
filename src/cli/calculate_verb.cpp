#include "cli/calculate_verb.h"

#include "calc/calc_file.h"
#include "calc/runner.h"
#include "calc/statement.h"
#include "calc/texts.h"
#include "engine/definition_store.h"
#include "engine/number_texts.h"
#include "engine/texts.h"

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

// The commands of a window's text (clear it, list the definitions into it, clear
// the store) have no text to act on here: the stream takes them as lines like any
// other, which the evaluator refuses.
bool isTextCommand(const std::string& line)
{
    switch (calc::classify(calc::normalise(line), false)) {
    case calc::StatementKind::clearText:
    case calc::StatementKind::listDefinitions:
    case calc::StatementKind::clearStore:
        return true;
    default:
        return false;
    }
}

// The one answer line to a line of the stream, worked as in direct mode: the value
// of a computation, the message of a refused line, or nothing.
std::string answer(engine::DefinitionStore& store, const std::string& line, const std::string& pattern)
{
    if (isTextCommand(line))
        return engine::texts::kInvalidExpression;
    const calc::DirectOutcome outcome = calc::workDirectLine(store, line, pattern);
    switch (outcome.action) {
    case calc::DirectOutcome::Action::insertBelow:
        return outcome.lines.front();
    case calc::DirectOutcome::Action::message:
        return outcome.message;
    default:
        return {};
    }
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
    std::string line;
    while (std::getline(in, line)) {
        // Line ends of any kind: a carriage return is dropped like a blank.
        std::erase(line, '\r');
        out << answer(store, line, pattern) << '\n';
        // Each answer is visible at once, so the tool can be driven line by line.
        out.flush();
    }
    return 0;
}

} // namespace quillmar::cli
