#include "calc/calc_file.h"

#include "calc/stored_window.h"
#include "calc/texts.h"
#include "calc/window_state_text.h"
#include "support/file_io.h"
#include "support/text.h"

namespace quillmar::calc {

namespace {

std::string flag(bool on) { return on ? "1#" : "0#"; }

// The state as the window-state text sees a window: the placement, and the text
// field as its one stored control.
class StateAsWindow final : public StoredWindow, private StoredControl {
public:
    explicit StateAsWindow(CalcWindowState& state) : state_(state) {}

    WindowPlacement placement() const override { return state_.placement; }
    void useStoredPosition() override {}
    void setPlacement(const WindowPlacement& placement) override { state_.placement = placement; }
    std::vector<StoredControl*> storedControls() override { return {static_cast<StoredControl*>(this)}; }

private:
    int tag() const override { return 0; }
    bool isKind(ControlKind kind) const override { return kind == ControlKind::textField; }
    std::vector<std::string> lines() const override { return state_.textLines; }
    void setLines(const std::vector<std::string>& lines) override { state_.textLines = lines; }

    CalcWindowState& state_;
};

} // namespace

bool isCalcWindowFileName(const std::filesystem::path& path)
{
    return text::upperAscii(path.extension().string()) == ".REF";
}

std::vector<std::string> calcWindowFileLines(const CalcWindowState& state)
{
    const TextFont& f = state.font;
    WindowStateText list;
    list.lines.emplace_back(calc::texts::kFileHeader);
    list.lines.push_back(state.pattern);
    list.lines.push_back(flag(state.programMode) + f.name + "#" + flag(f.bold) + flag(f.italic) + flag(f.underline)
                         + flag(f.strikeOut) + std::to_string(f.colour) + "#" + std::to_string(f.size) + "#");
    CalcWindowState copy = state;
    StateAsWindow window(copy);
    list.save(window);
    return list.lines;
}

std::string readCalcWindowFileLines(const std::vector<std::string>& lines, CalcWindowState& state)
{
    if (lines.empty() || lines.front() != calc::texts::kFileHeader)
        return std::string(calc::texts::kCannotLoad);
    WindowStateText list;
    list.lines = lines;
    std::size_t position = 1;
    std::string error;
    std::string line;
    if (!list.take(position, line, error))
        return error;
    state.pattern = line;
    if (!list.take(position, line, error))
        return error;

    RecordFields fields(line);
    state.programMode = fields.next() != "0";
    state.font.name = fields.next();
    const auto isOne = [](const std::string& field) {
        int value = 0;
        return parseStoredInt(field, value) && value == 1;
    };
    state.font.bold = isOne(fields.next());
    state.font.italic = isOne(fields.next());
    state.font.underline = isOne(fields.next());
    state.font.strikeOut = isOne(fields.next());
    if (!readIntField(fields.next(), state.font.colour, error))
        return error;
    if (!readIntField(fields.next(), state.font.size, error))
        return error;

    StateAsWindow window(state);
    return list.load(window, position);
}

std::string saveCalcWindow(const CalcWindowState& state, const std::filesystem::path& path)
{
    const std::vector<std::string> lines = isCalcWindowFileName(path) ? calcWindowFileLines(state) : state.textLines;
    return fileio::writeAtomically(path, text::encodeFileText(text::joinCrLf(lines)));
}

std::string openCalcWindow(CalcWindowState& state, const std::filesystem::path& path)
{
    const auto bytes = fileio::readAll(path);
    if (!bytes)
        return text::fillIn(calc::texts::kCannotOpen, {path.string(), calc::texts::kMissingOrUnreadable});
    std::vector<std::string> lines = text::splitLines(text::decodeFileText(*bytes));
    if (!isCalcWindowFileName(path)) {
        state.textLines = std::move(lines);
        return {};
    }
    return readCalcWindowFileLines(lines, state);
}

} // namespace quillmar::calc
