#pragma once
// The files of a calculation window: the calculation window file (.ref) with
// mode, number pattern, font, placement and text, and plain text (any other
// name) with the lines of the text only.
#include "calc/stored_window.h"
#include "support/messages.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillmar::calc {

// The font of the text; colour is a colour value of the file format (red in the
// low byte, blue in the third; negative for system colours), size in points.
struct FontRecord {
    std::string name = "Arial";
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int colour = 0;
    int size = 10;
};

// What the files read and write of a calculation window.
class CalcWindowFile : public StoredWindow {
public:
    virtual std::string pattern() const = 0;
    virtual void setPattern(const std::string& pattern) = 0;
    virtual bool programMode() const = 0;
    virtual void setProgramMode(bool programMode) = 0;
    virtual FontRecord font() const = 0;
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontStyle(bool bold, bool italic, bool underline, bool strikeOut) = 0;
    virtual void setFontColour(int colour) = 0;
    virtual void setFontSize(int size) = 0;
    // The text, replaced as a whole by plain files.
    virtual std::vector<std::string> textLines() const = 0;
    virtual void setTextLines(const std::vector<std::string>& lines) = 0;
};

// True when the extension reads ".REF" in capitals.
bool isCalcWindowFileName(const std::filesystem::path& path);

// The lines of a calculation window file for window.
std::vector<std::string> calcWindowFileLines(CalcWindowFile& window);

// Reads the lines of a calculation window file into window, in the order of the
// file. Gives an empty text on success, otherwise the message to show; on a wrong
// first line nothing is changed, on a later error what was read before stays set.
std::string applyCalcWindowFileLines(CalcWindowFile& window, const std::vector<std::string>& lines);

// Saves window to path in the form its name selects; atomically. Empty text on
// success, otherwise the message to show (the file is then untouched).
std::string saveCalcWindow(CalcWindowFile& window, const std::filesystem::path& path);

// Opens path into window in the form its name selects. Empty text on success,
// otherwise the message to show.
std::string openCalcWindow(CalcWindowFile& window, const std::filesystem::path& path);

// A plain record of a calculation window: for the command line and tests.
class CalcWindowRecord : public CalcWindowFile, private StoredControl {
public:
    std::string patternText = "0.000";
    bool program = false;
    FontRecord fontRecord;
    Placement place;
    bool storedPosition = false;
    std::vector<std::string> text;

    std::string pattern() const override { return patternText; }
    void setPattern(const std::string& p) override { patternText = p; }
    bool programMode() const override { return program; }
    void setProgramMode(bool p) override { program = p; }
    FontRecord font() const override { return fontRecord; }
    void setFontName(const std::string& name) override { fontRecord.name = name; }
    void setFontStyle(bool b, bool i, bool u, bool s) override
    {
        fontRecord.bold = b;
        fontRecord.italic = i;
        fontRecord.underline = u;
        fontRecord.strikeOut = s;
    }
    void setFontColour(int c) override { fontRecord.colour = c; }
    void setFontSize(int s) override { fontRecord.size = s; }
    std::vector<std::string> textLines() const override { return text; }
    void setTextLines(const std::vector<std::string>& lines) override { text = lines; }

    Placement placement() const override { return place; }
    void useStoredPosition() override { storedPosition = true; }
    void setWindowState(int s) override { place.state = s; }
    void setWidth(int v) override { place.width = v; }
    void setHeight(int v) override { place.height = v; }
    void setTop(int v) override { place.top = v; }
    void setLeft(int v) override { place.left = v; }
    std::vector<StoredControl*> storedControls() override { return {static_cast<StoredControl*>(this)}; }

private:
    int tag() const override { return 0; }
    bool isKind(ControlKind kind) const override { return kind == ControlKind::memo; }
    std::vector<std::string> lines() const override { return text; }
    void setLines(const std::vector<std::string>& l) override { text = l; }
};

} // namespace quillmar::calc
