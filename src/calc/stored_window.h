#pragma once
// What the component saver sees of a window: its placement and its input
// controls, each of one or more kinds. The widgets implement these for Qt;
// tests and the command line use plain records.
#include <string>
#include <vector>

namespace quillmar::calc {

// The kinds of control, in the order in which a control is tested against them.
enum class ControlKind {
    extendEdit,  // numeric edit field (also an edit field)
    spinEdit,    // whole-number field
    edit,        // one-line edit field
    checkBox,
    radioButton,
    radioGroup,
    memo,        // multi-line text field
    comboBox,
    listBox,
};

inline constexpr ControlKind kKindOrder[] = {
    ControlKind::extendEdit, ControlKind::spinEdit,    ControlKind::edit,
    ControlKind::checkBox,   ControlKind::radioButton, ControlKind::radioGroup,
    ControlKind::memo,       ControlKind::comboBox,    ControlKind::listBox,
};

class StoredControl {
public:
    virtual ~StoredControl() = default;
    // Only controls with tag 0 are saved.
    virtual int tag() const = 0;
    virtual bool isKind(ControlKind kind) const = 0;

    // Edit-like kinds and the text of a combo box.
    virtual std::string text() const { return {}; }
    virtual void setText(const std::string&) {}
    // Check box, radio button.
    virtual bool checked() const { return false; }
    virtual void setChecked(bool) {}
    // Radio group; -1 for none.
    virtual int itemIndex() const { return -1; }
    virtual void setItemIndex(int) {}
    // Text field: its lines (an empty text has none); the caret goes to the start.
    virtual std::vector<std::string> lines() const { return {}; }
    virtual void setLines(const std::vector<std::string>&) {}
    // Combo box and list box.
    virtual std::vector<std::string> items() const { return {}; }
    virtual void setItems(const std::vector<std::string>&) {}
};

// Window state: 0 normal, 1 minimised, 2 maximised.
struct Placement {
    int state = 0;
    int width = 0;
    int height = 0;
    int top = 0;
    int left = 0;
};

class StoredWindow {
public:
    virtual ~StoredWindow() = default;
    virtual Placement placement() const = 0;
    // The stored bounds are applied as they are read, not chosen by the system.
    virtual void useStoredPosition() = 0;
    virtual void setWindowState(int state) = 0;
    virtual void setWidth(int width) = 0;
    virtual void setHeight(int height) = 0;
    virtual void setTop(int top) = 0;
    virtual void setLeft(int left) = 0;
    // The input controls in control order.
    virtual std::vector<StoredControl*> storedControls() = 0;
};

} // namespace quillmar::calc
