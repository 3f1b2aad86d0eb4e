#pragma once
// What the window-state text sees of a window: its placement and its input
// controls, each of one or more kinds. A window implements these for its own
// controls; the calculation window file adapts its plain state to them.
#include "support/window_placement.h"

#include <string>
#include <vector>

namespace quillmar::calc {

// The kinds of control, in the order in which a control is tested against them.
enum class ControlKind {
    numberEdit,      // numeric edit field (also a line edit)
    integerSpinEdit, // whole-number field
    lineEdit,        // one-line edit field
    checkBox,
    radioButton,
    radioGroup,
    textField,       // multi-line text field
    comboBox,
    listBox,
};

inline constexpr ControlKind kKindOrder[] = {
    ControlKind::numberEdit, ControlKind::integerSpinEdit, ControlKind::lineEdit,
    ControlKind::checkBox,   ControlKind::radioButton,     ControlKind::radioGroup,
    ControlKind::textField,  ControlKind::comboBox,        ControlKind::listBox,
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

class StoredWindow {
public:
    virtual ~StoredWindow() = default;
    virtual WindowPlacement placement() const = 0;
    // The stored bounds are applied as they are read, not chosen by the system.
    virtual void useStoredPosition() = 0;
    // Takes the state, and for the normal state the size and place as well.
    virtual void setPlacement(const WindowPlacement& placement) = 0;
    // The input controls in control order.
    virtual std::vector<StoredControl*> storedControls() = 0;
};

} // namespace quillmar::calc
