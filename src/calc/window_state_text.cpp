#include "calc/window_state_text.h"

#include "calc/texts.h"
#include "support/text.h"

#include <charconv>

namespace quillmar::calc {

namespace {

// The files write the state as a number; one other than minimised or maximised is
// taken as normal, as a window takes it.
WindowState stateOfNumber(int number)
{
    switch (number) {
    case static_cast<int>(WindowState::Minimized): return WindowState::Minimized;
    case static_cast<int>(WindowState::Maximized): return WindowState::Maximized;
    default: return WindowState::Normal;
    }
}

// Lines made of backslashes (none or more) and then DATEN_ENDE.
bool isEscapable(const std::string& line)
{
    const std::string_view end = calc::texts::kBlockEnd;
    if (line.size() < end.size() || line.compare(line.size() - end.size(), end.size(), end) != 0)
        return false;
    return line.find_first_not_of('\\') == line.size() - end.size();
}

void writeBlockLines(std::vector<std::string>& out, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        out.push_back(escapeBlockLine(line));
}

// The entries of a window's file, in file order: every control with tag 0, once for
// each kind it belongs to, in the kind order. Saving writes them and loading reads
// them in this same order.
std::vector<std::pair<StoredControl*, ControlKind>> storedEntries(StoredWindow& window)
{
    std::vector<std::pair<StoredControl*, ControlKind>> entries;
    for (StoredControl* control : window.storedControls()) {
        if (control->tag() != 0)
            continue;
        for (ControlKind kind : kKindOrder)
            if (control->isKind(kind))
                entries.emplace_back(control, kind);
    }
    return entries;
}

} // namespace

std::string escapeBlockLine(const std::string& line) { return isEscapable(line) ? "\\" + line : line; }

std::string unescapeBlockLine(const std::string& line)
{
    return (isEscapable(line) && line.front() == '\\') ? line.substr(1) : line;
}

std::string RecordFields::next()
{
    const auto hash = rest_.find('#');
    if (hash == std::string::npos) {
        rest_.clear();
        return {};
    }
    std::string field = rest_.substr(0, hash);
    rest_.erase(0, hash + 1);
    return field;
}

bool parseStoredInt(const std::string& field, int& value)
{
    const char* first = field.data();
    const char* last = first + field.size();
    if (first == last || (*first == '-' && first + 1 == last))
        return false;
    int parsed = 0;
    const auto [end, ec] = std::from_chars(first, last, parsed);
    if (ec != std::errc() || end != last)
        return false;
    value = parsed;
    return true;
}

bool readIntField(const std::string& field, int& value, std::string& error)
{
    if (parseStoredInt(field, value))
        return true;
    error = text::fillIn(calc::texts::kNotAnInteger, {field});
    return false;
}

bool WindowStateText::take(std::size_t& position, std::string& line, std::string& error) const
{
    if (position >= lines.size()) {
        error = text::fillIn(calc::texts::kListIndexBeyondEnd, {std::to_string(position)});
        return false;
    }
    line = lines[position++];
    return true;
}

void WindowStateText::save(StoredWindow& window)
{
    const WindowPlacement p = window.placement();
    lines.push_back(std::to_string(static_cast<int>(p.state)) + "#" + std::to_string(p.width) + "#" + std::to_string(p.height) + "#"
                    + std::to_string(p.top) + "#" + std::to_string(p.left) + "#");
    for (const auto& [control, kind] : storedEntries(window)) {
        switch (kind) {
        case ControlKind::numberEdit:
        case ControlKind::integerSpinEdit:
        case ControlKind::lineEdit:
            lines.push_back(control->text());
            break;
        case ControlKind::checkBox:
        case ControlKind::radioButton:
            lines.push_back(control->checked() ? "1" : "0");
            break;
        case ControlKind::radioGroup:
            lines.push_back(std::to_string(control->itemIndex()));
            break;
        case ControlKind::textField:
            lines.emplace_back(calc::texts::kBlockBegin);
            writeBlockLines(lines, control->lines());
            lines.emplace_back(calc::texts::kBlockEnd);
            break;
        case ControlKind::comboBox:
            lines.emplace_back(calc::texts::kBlockBegin);
            lines.push_back(escapeBlockLine(control->text()));
            writeBlockLines(lines, control->items());
            lines.emplace_back(calc::texts::kBlockEnd);
            break;
        case ControlKind::listBox:
            lines.emplace_back(calc::texts::kBlockBegin);
            writeBlockLines(lines, control->items());
            lines.emplace_back(calc::texts::kBlockEnd);
            break;
        }
    }
}

namespace {

// Lines up to the first "DATEN_ENDE", unescaped; false when the file ends first.
bool readBlock(const WindowStateText& list, std::size_t& position, std::vector<std::string>& out, std::string& error)
{
    std::string line;
    while (list.take(position, line, error)) {
        if (line == calc::texts::kBlockEnd)
            return true;
        out.push_back(unescapeBlockLine(line));
    }
    return false;
}

} // namespace

std::string WindowStateText::load(StoredWindow& window, std::size_t& position)
{
    std::string error;
    window.useStoredPosition();
    std::string line;
    if (!take(position, line, error))
        return error;
    RecordFields fields(line);
    int state = 0;
    if (!readIntField(fields.next(), state, error))
        return error;
    WindowPlacement placement = window.placement();
    placement.state = stateOfNumber(state);
    // Size and place follow the normal state only; a fault among them keeps what
    // was read before it.
    if (state == 0) {
        for (int WindowPlacement::*field :
             {&WindowPlacement::width, &WindowPlacement::height, &WindowPlacement::top, &WindowPlacement::left}) {
            if (!readIntField(fields.next(), placement.*field, error)) {
                window.setPlacement(placement);
                return error;
            }
        }
    }
    window.setPlacement(placement);

    for (const auto& [control, kind] : storedEntries(window)) {
        switch (kind) {
        case ControlKind::numberEdit:
        case ControlKind::integerSpinEdit:
        case ControlKind::lineEdit:
            if (!take(position, line, error))
                return error;
            control->setText(line);
            break;
        case ControlKind::checkBox:
        case ControlKind::radioButton:
        case ControlKind::radioGroup: {
            int value = 0;
            if (!take(position, line, error) || !readIntField(line, value, error))
                return error;
            if (kind == ControlKind::radioGroup)
                control->setItemIndex(value);
            else
                control->setChecked(value != 0);
            break;
        }
        case ControlKind::textField:
        case ControlKind::comboBox:
        case ControlKind::listBox: {
            // A block is read only where one begins; otherwise the line is left
            // for the next control.
            if (position >= lines.size() || lines[position] != calc::texts::kBlockBegin)
                break;
            ++position;
            std::string boxText;
            if (kind == ControlKind::comboBox) {
                if (!take(position, line, error))
                    return error;
                boxText = unescapeBlockLine(line);
            }
            std::vector<std::string> block;
            const bool complete = readBlock(*this, position, block, error);
            if (kind == ControlKind::textField) {
                control->setLines(block);
            } else {
                control->setItems(block);
                if (kind == ControlKind::comboBox)
                    control->setText(boxText);
            }
            if (!complete)
                return error;
            break;
        }
        }
    }
    return {};
}

} // namespace quillmar::calc
