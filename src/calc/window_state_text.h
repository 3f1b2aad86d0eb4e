#pragma once
// WindowStateText: writes the placement of a window and the state of its input
// controls as text lines, and reads them back.
//
// A text block ends at the first line that reads "DATEN_ENDE". So that a line of
// the text (or an item) that reads exactly so survives, such a line is written with
// one extra leading backslash, and every line made of backslashes followed by
// DATEN_ENDE gets one more; reading takes one away again. Every other line is
// written as it stands.
#include "calc/stored_window.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quillmar::calc {

// A line of the text as it is written inside a block, and back.
std::string escapeBlockLine(const std::string& line);
std::string unescapeBlockLine(const std::string& line);

// Splits a "#"-terminated record: the field before each "#"; once no "#" is left,
// every further field is empty.
class RecordFields {
public:
    explicit RecordFields(std::string record) : rest_(std::move(record)) {}
    std::string next();

private:
    std::string rest_;
};

// A whole number as the files hold it: optional "-" and digits, fitting an int.
// Nothing otherwise.
bool parseStoredInt(const std::string& field, int& value);

class WindowStateText {
public:
    std::vector<std::string> lines;

    // Appends the placement record and one block per control with tag 0.
    void save(StoredWindow& window);

    // Reads the placement record at position and the blocks after it; position
    // ends after the last line used. Gives an empty text on success, otherwise the
    // reading error; what was set before it stays set.
    std::string load(StoredWindow& window, std::size_t& position);

    // The line at position (moving on), or the error for a file that ends too early.
    bool take(std::size_t& position, std::string& line, std::string& error) const;
};

// Reads field as a whole number, or fills error with the reading layer's message.
bool readIntField(const std::string& field, int& value, std::string& error);

} // namespace quillmar::calc
