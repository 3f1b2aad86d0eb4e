#include "formula/example_line.h"

namespace quillmar::formula {

namespace {

// Letters of names: a-z, A-Z and every byte of a non-ASCII UTF-8 character.
bool isNameLetter(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
}

// The length of the "\c(...)" group at the start of text, up to the parenthesis
// that closes it (the whole text when none does).
std::size_t greekGroupLength(std::string_view text)
{
    int depth = 0;
    for (std::size_t i = 2; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i + 1;
    }
    return text.size();
}

} // namespace

std::string buildExampleLine(std::string_view formel, const std::vector<ExampleGiven>& givens,
                             std::string_view resultText, std::string_view resultUnit)
{
    std::string out;
    std::string_view input = formel;
    if (const std::size_t eq = formel.find('='); eq != std::string_view::npos) {
        out.assign(formel.substr(0, eq + 1));
        input = formel.substr(eq + 1);
    }
    bool afterLetter = false; // the last character taken over belongs to a name
    while (!input.empty()) {
        bool replaced = false;
        for (const ExampleGiven& given : givens) {
            const std::string_view symbol = given.symbol;
            if (symbol.empty() || input.substr(0, symbol.size()) != symbol)
                continue;
            if (afterLetter && isNameLetter(symbol.front()))
                continue;
            if (input.size() > symbol.size() && isNameLetter(symbol.back()) && isNameLetter(input[symbol.size()]))
                continue;
            input.remove_prefix(symbol.size());
            if (input.substr(0, 3) == "\\u(")
                out.append("(").append(given.replacement).append(")");
            else
                out.append(given.replacement);
            replaced = true;
            break;
        }
        if (replaced) {
            afterLetter = false;
            continue;
        }
        if (input.front() == '\\' && input.size() >= 2) {
            const std::size_t n = input.substr(0, 3) == "\\c(" ? greekGroupLength(input) : 2;
            out.append(input.substr(0, n));
            input.remove_prefix(n);
            afterLetter = false;
            continue;
        }
        afterLetter = isNameLetter(input.front());
        out.push_back(input.front());
        input.remove_prefix(1);
    }
    out.append(" = ").append(resultText).append(" ").append(resultUnit);
    return out;
}

} // namespace quillmar::formula
