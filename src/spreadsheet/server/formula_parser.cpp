#include "spreadsheet/server/formula.h"

#include "spreadsheet/server/functions.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace quillmar::spreadsheet::server {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool isNameChar(char c) { return isNameStart(c) || isDigit(c) || c == '.'; }

// Length of a number literal at the front of s ("12", "0,5", "1.5E-3"), 0 when none.
std::size_t numberLength(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    std::size_t intDigits = i;
    std::size_t fracDigits = 0;
    if (i < s.size() && (s[i] == ',' || s[i] == '.')) {
        std::size_t j = i + 1;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        fracDigits = j - i - 1;
        if (intDigits + fracDigits > 0)
            i = j;
    }
    if (intDigits + fracDigits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t expStart = j;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j > expStart)
            i = j;
    }
    return i;
}

std::optional<double> toDouble(std::string_view literal)
{
    std::string s(literal);
    for (char& c : s)
        if (c == ',')
            c = '.';
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    FormulaTree parse()
    {
        auto tree = additive();
        skipBlanks();
        if (!tree || pos_ != s_.size())
            return nullptr;
        return tree;
    }

private:
    void skipBlanks()
    {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'))
            ++pos_;
    }

    bool take(char c)
    {
        skipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    static FormulaTree node(FormulaNode::Kind kind)
    {
        auto n = std::make_unique<FormulaNode>();
        n->kind = kind;
        return n;
    }

    static FormulaTree binary(char op, FormulaTree left, FormulaTree right)
    {
        auto n = node(FormulaNode::Kind::binary);
        n->op = op;
        n->children.push_back(std::move(left));
        n->children.push_back(std::move(right));
        return n;
    }

    FormulaTree additive()
    {
        auto left = multiplicative();
        while (left) {
            skipBlanks();
            if (pos_ >= s_.size() || (s_[pos_] != '+' && s_[pos_] != '-'))
                break;
            const char op = s_[pos_++];
            auto right = multiplicative();
            if (!right)
                return nullptr;
            left = binary(op, std::move(left), std::move(right));
        }
        return left;
    }

    FormulaTree multiplicative()
    {
        auto left = power();
        while (left) {
            skipBlanks();
            if (pos_ >= s_.size() || (s_[pos_] != '*' && s_[pos_] != '/'))
                break;
            const char op = s_[pos_++];
            auto right = power();
            if (!right)
                return nullptr;
            left = binary(op, std::move(left), std::move(right));
        }
        return left;
    }

    // "^" binds more weakly than a sign and is taken from left to right: -2^2 is 4, 2^3^2 is 64.
    FormulaTree power()
    {
        auto left = signedTerm();
        while (left && take('^')) {
            auto right = signedTerm();
            if (!right)
                return nullptr;
            left = binary('^', std::move(left), std::move(right));
        }
        return left;
    }

    FormulaTree signedTerm()
    {
        skipBlanks();
        if (pos_ < s_.size() && (s_[pos_] == '-' || s_[pos_] == '+')) {
            const char sign = s_[pos_++];
            auto operand = signedTerm();
            if (!operand)
                return nullptr;
            auto n = node(sign == '-' ? FormulaNode::Kind::negate : FormulaNode::Kind::plus);
            n->children.push_back(std::move(operand));
            return n;
        }
        auto term = primary();
        while (term && take('%')) {
            auto n = node(FormulaNode::Kind::percent);
            n->children.push_back(std::move(term));
            term = std::move(n);
        }
        return term;
    }

    FormulaTree primary()
    {
        skipBlanks();
        if (pos_ >= s_.size())
            return nullptr;
        const std::string_view rest = s_.substr(pos_);
        const char c = rest[0];
        if (c == '(') {
            ++pos_;
            auto inner = additive();
            if (!inner || !take(')'))
                return nullptr;
            auto n = node(FormulaNode::Kind::group);
            n->children.push_back(std::move(inner));
            return n;
        }
        if (c == '"')
            return textLiteral();
        if (isDigit(c) || ((c == ',' || c == '.') && rest.size() > 1 && isDigit(rest[1]))) {
            const std::size_t len = numberLength(rest);
            const auto value = toDouble(rest.substr(0, len));
            if (!value)
                return nullptr;
            pos_ += len;
            auto n = node(FormulaNode::Kind::number);
            n->number = *value;
            return n;
        }
        if (const auto ref = readReference(rest)) {
            pos_ += ref->length;
            auto n = node(FormulaNode::Kind::reference);
            n->ref = ref->ref;
            return n;
        }
        if (isNameStart(c))
            return call();
        return nullptr;
    }

    FormulaTree textLiteral()
    {
        ++pos_;
        std::string value;
        while (pos_ < s_.size()) {
            if (s_[pos_] == '"') {
                if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '"') {
                    value += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                auto n = node(FormulaNode::Kind::text);
                n->text = std::move(value);
                return n;
            }
            value += s_[pos_++];
        }
        return nullptr;
    }

    FormulaTree call()
    {
        const std::size_t start = pos_;
        while (pos_ < s_.size() && isNameChar(s_[pos_]))
            ++pos_;
        auto n = node(FormulaNode::Kind::call);
        n->text = std::string(s_.substr(start, pos_ - start));
        if (!take('(')) {
            n->kind = FormulaNode::Kind::name;
            return n;
        }
        if (!take(')')) {
            do {
                auto argument = additive();
                if (!argument)
                    return nullptr;
                n->children.push_back(std::move(argument));
            } while (take(';'));
            if (!take(')'))
                return nullptr;
        }
        n->function = findFunction(n->text);
        if (n->function && static_cast<int>(n->children.size()) != n->function->arity)
            return nullptr;
        return n;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

} // namespace

FormulaTree parseFormula(std::string_view text)
{
    return Parser(text).parse();
}

std::optional<double> parseNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    const std::size_t len = numberLength(text);
    if (len == 0 || len != text.size())
        return std::nullopt;
    const auto value = toDouble(text);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

} // namespace quillmar::spreadsheet::server
