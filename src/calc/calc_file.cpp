#include "calc/calc_file.h"

#include "calc/texts.h"
#include "calc/window_state_text.h"
#include "support/file_io.h"
#include "support/text.h"

namespace quillmar::calc {

namespace {

std::string flag(bool on) { return on ? "1#" : "0#"; }

std::string cannotOpen(const std::filesystem::path& path)
{
    std::string out = calc::texts::kNichtOeffnen;
    out.replace(out.find("%1"), 2, path.string());
    out.replace(out.find("%2"), 2, calc::texts::kNichtLesbar);
    return out;
}

} // namespace

bool isCalcWindowFileName(const std::filesystem::path& path)
{
    return text::upperAscii(path.extension().string()) == ".REF";
}

std::vector<std::string> calcWindowFileLines(CalcWindowFile& window)
{
    const FontRecord f = window.font();
    WindowStateText list;
    list.lines.push_back(calc::texts::kFileHeader);
    list.lines.push_back(window.pattern());
    list.lines.push_back(flag(window.programMode()) + f.name + "#" + flag(f.bold) + flag(f.italic) + flag(f.underline)
                         + flag(f.strikeOut) + std::to_string(f.colour) + "#" + std::to_string(f.size) + "#");
    list.save(window);
    return list.lines;
}

std::string applyCalcWindowFileLines(CalcWindowFile& window, const std::vector<std::string>& lines)
{
    if (lines.empty() || lines.front() != calc::texts::kFileHeader)
        return calc::texts::kNichtLadbar;
    WindowStateText list;
    list.lines = lines;
    std::size_t position = 1;
    std::string error;
    std::string line;
    if (!list.take(position, line, error))
        return error;
    window.setPattern(line);
    if (!list.take(position, line, error))
        return error;

    RecordFields fields(line);
    window.setProgramMode(fields.next() != "0");
    window.setFontName(fields.next());
    const auto isOne = [](const std::string& field) {
        int value = 0;
        return parseStoredInt(field, value) && value == 1;
    };
    const bool bold = isOne(fields.next());
    const bool italic = isOne(fields.next());
    const bool underline = isOne(fields.next());
    const bool strikeOut = isOne(fields.next());
    window.setFontStyle(bold, italic, underline, strikeOut);
    int value = 0;
    if (!readIntField(fields.next(), value, error))
        return error;
    window.setFontColour(value);
    if (!readIntField(fields.next(), value, error))
        return error;
    window.setFontSize(value);

    return list.load(window, position);
}

std::string saveCalcWindow(CalcWindowFile& window, const std::filesystem::path& path)
{
    const std::vector<std::string> lines = isCalcWindowFileName(path) ? calcWindowFileLines(window) : window.textLines();
    return fileio::writeAtomically(path, text::encodeFileText(text::joinCrLf(lines)));
}

std::string openCalcWindow(CalcWindowFile& window, const std::filesystem::path& path)
{
    const auto bytes = fileio::readAll(path);
    if (!bytes)
        return cannotOpen(path);
    const std::vector<std::string> lines = text::splitLines(text::decodeFileText(*bytes));
    if (!isCalcWindowFileName(path)) {
        window.setTextLines(lines);
        return {};
    }
    return applyCalcWindowFileLines(window, lines);
}

} // namespace quillmar::calc
