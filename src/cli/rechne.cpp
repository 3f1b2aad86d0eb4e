#include "cli/rechne.h"

#include "engine/fktliste.h"
#include "engine/number_format.h"
#include "engine/texts.h"
#include "engine/zeileauswerten.h"

#include <istream>
#include <ostream>

namespace quillmar::cli {

namespace {

constexpr const char* kDefaultPattern = "0.000";
constexpr const char* kUsage = "Aufruf: quillmar rechne [--format MUSTER]";
constexpr const char* kFormatWithoutPattern = "Nach --format fehlt das Zahlenformat.";
constexpr const char* kUnknownArgument = "Unbekannte Angabe: ";

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

} // namespace

int runRechne(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    std::string pattern = kDefaultPattern;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format") {
            if (i + 1 == args.size()) {
                err << kFormatWithoutPattern << '\n' << kUsage << '\n';
                return 2;
            }
            pattern = args[++i];
        } else {
            err << kUnknownArgument << args[i] << '\n' << kUsage << '\n';
            return 2;
        }
    }

    StreamMessages messages(err);
    fktliste store(messages);
    std::string raw;
    while (std::getline(in, raw)) {
        std::string line = withoutBlanks(raw);
        if (line.empty() || line.front() == ';') {
            out << '\n';
            continue;
        }
        Real value = 0;
        if (!zeileauswerten(store, line, value))
            out << texts::kUngueltigerAusdruck << '\n';
        else if (line.empty())
            out << '\n';
        else
            out << formatNumber(pattern, value) << '\n';
        // Each answer is visible at once, so the tool can be driven line by line.
        out.flush();
    }
    return 0;
}

} // namespace quillmar::cli
