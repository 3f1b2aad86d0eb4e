#include "support/text.h"

#include <array>
#include <cstdint>

namespace quillmar::text {
namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252 (0 where the byte is unused).
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Decodes one code point at i and advances i; an invalid byte is taken as
// Windows-1252 so that no input is ever dropped.
char32_t nextCodePoint(std::string_view s, std::size_t& i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto cont = [&](std::size_t k) {
        return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
    };
    auto byte = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(s[i + k]) & 0x3F); };
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0 && b0 >= 0xC2 && cont(1)) {
        char32_t cp = (static_cast<char32_t>(b0 & 0x1F) << 6) | byte(1);
        i += 2;
        return cp;
    }
    if ((b0 & 0xF0) == 0xE0 && cont(1) && cont(2)) {
        char32_t cp = (static_cast<char32_t>(b0 & 0x0F) << 12) | (byte(1) << 6) | byte(2);
        i += 3;
        return cp;
    }
    if ((b0 & 0xF8) == 0xF0 && cont(1) && cont(2) && cont(3)) {
        char32_t cp = (static_cast<char32_t>(b0 & 0x07) << 18) | (byte(1) << 12) | (byte(2) << 6) | byte(3);
        i += 4;
        return cp;
    }
    ++i;
    if (b0 >= 0x80 && b0 < 0xA0 && kHigh[b0 - 0x80] != 0)
        return kHigh[b0 - 0x80];
    return b0;
}

bool isUtf8Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

} // namespace

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < values.size()) {
                out += values[k];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t length(std::string_view utf8)
{
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if (!isUtf8Continuation(c))
            ++n;
    return n;
}

std::string left(std::string_view utf8, std::size_t maxChars)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!isUtf8Continuation(static_cast<unsigned char>(utf8[i]))) {
            if (chars == maxChars)
                return std::string(utf8.substr(0, i));
            ++chars;
        }
    }
    return std::string(utf8);
}

std::string upperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

std::string fromCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes) {
        if (b < 0x80)
            out += static_cast<char>(b);
        else if (b < 0xA0)
            appendUtf8(out, kHigh[b - 0x80] != 0 ? kHigh[b - 0x80] : b);
        else
            appendUtf8(out, b);
    }
    return out;
}

std::optional<std::string> toCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, i);
        if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) {
            out += static_cast<char>(cp);
            continue;
        }
        bool found = false;
        for (std::size_t k = 0; k < kHigh.size(); ++k) {
            if (kHigh[k] == cp && cp != 0) {
                out += static_cast<char>(0x80 + k);
                found = true;
                break;
            }
        }
        if (!found)
            return std::nullopt;
    }
    return out;
}

std::string decodeFileText(std::string_view bytes)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, 3) == bom)
        return std::string(bytes.substr(3));
    return fromCp1252(bytes);
}

std::string encodeFileText(std::string_view utf8)
{
    if (auto cp = toCp1252(utf8))
        return *cp;
    return "\xEF\xBB\xBF" + std::string(utf8);
}

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending)
        lines.push_back(current);
    return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace quillmar::text
