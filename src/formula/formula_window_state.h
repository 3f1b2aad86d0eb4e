#pragma once
// The formula window without its controls. It holds what the window knows (the
// navigation position, the loaded formula record, its quantity slots, the
// re-arrangement shown, the number format, the file name, the contents panel) and
// a description of what every control shows, whether it is visible and whether
// it is enabled. The widgets forward each user action to one operation here and
// then apply pages(), contents() and commands(); they compute nothing themselves.
//
// Slot numbers are 1 to 9 as the window shows them: slot 1 is the result, slots
// 2 to 9 the given quantities.
#include "formula/contents_tree.h"
#include "formula/formula_context.h"
#include "formula/quantity_slot.h"
#include "formula/window_file.h"
#include "support/real.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quillmar::formula {

// The three pages of the window, numbered as the window file stores them.
enum class Page { description = 0, calculation = 1, example = 2 };

inline constexpr int kRearrangementButtons = 8;
inline constexpr int kInitialContentsWidth = 300;
inline constexpr int kRestoredContentsWidth = 160; // when a hidden panel had no width to return to

// Enabled states of the commands that change while the window is used; each
// covers the tool button and the menu item of that command.
struct CommandStates {
    bool rearrange = false;       // "Umformen"
    bool calculate = false;       // "Rechne" (the menu item also needs the page "Rechnung")
    bool calcWindow = false;      // "Rechnenfesnter" / "Re&chnenfenster" (likewise)
    bool descriptionPage = false; // "Formel" / "Seite:&Beschreibung"
    bool calculationPage = false; // "Rechnung" / "Seite:R&echnung"
    bool examplePage = false;     // "Beispiel" / "Seite:&Beispiel"
    bool html = false;            // "HTML Ausgabe" / "&HTML"
    bool spreadsheet = false;     // "&Tabellenkalkulation"
};

// The controls of one quantity slot on the three pages.
struct SlotDisplay {
    std::string description; // line on "Beschreibung": SYMBOL GROESSE EINHEIT[=ABLEITUNG], markup
    bool descriptionVisible = false;
    std::string symbolLabel;              // SYMBOL followed by "=", markup
    std::string valueText;                // the value field; for slot 1 the result field
    std::string unitLabel;                // the unit shown, markup
    bool calculationVisible = false;      // symbol label, value field and unit label
    std::string unitChooserText;          // the unit name shown in the chooser
    std::vector<std::string> unitChoices; // the unit names of the conversion table
    int unitChoiceIndex = -1;             // the entry of unitChooserText, -1 when none
    bool unitChooserVisible = false;
    std::string exampleListLine; // line under "Gesucht:" (slot 1) or "Gegeben:", markup
    bool exampleListLineVisible = false;
};

struct PictureDisplay {
    bool visible = false;
    std::filesystem::path file;
    int left = -1; // -1: right of the description lines (automaticPictureLeft)
    int top = 0;
};

// The formula band and the three pages.
struct PagesDisplay {
    std::string nameMarkup;                         // the name shape (INHALT)
    std::string formulaMarkup;                      // the large formula shape (FORMEL)
    std::vector<std::string> rearrangementCaptions; // the visible buttons, at most eight, markup
    int highlightedRearrangement = -1;              // the red button, -1 for none
    std::string messageLabel;
    bool calculationTabVisible = false;
    bool exampleTabVisible = false;
    bool resultFieldVisible = true;
    std::array<SlotDisplay, kSlotCount> slotControls;
    // The controls of slot number (1 to 9).
    const SlotDisplay& slotControl(int number) const { return slotControls[static_cast<std::size_t>(number - 1)]; }
    std::string exampleMarkup;
    PictureDisplay picture;
    bool insertEnabled = false; // the docked window: the main window's "Einfügen"
};

struct FormulaListEntry {
    std::string name;          // INHALT, the clickable label
    std::string formulaMarkup; // FORMEL, typeset beside it
};

// The contents panel and the lists on the right.
struct ContentsDisplay {
    std::string heading;
    bool areaListVisible = false;
    bool topicListVisible = false;
    bool formulaListVisible = false;
    bool bandVisible = false;  // the formula band
    bool pagesVisible = false; // the three pages
    std::vector<std::string> areas;
    std::vector<std::string> topics;
    std::vector<FormulaListEntry> formulas;
    int selectedNode = -1;                   // in the tree's flat order
    int width = kInitialContentsWidth;       // the panel's width; 0 while hidden
    int widthMemory = kInitialContentsWidth; // the width to restore
    bool shown = true;                       // "&Inhaltsverzeichnis" checked
    int page = 0;                            // the contents panel's active page
    std::string searchText;
};

// What a calculation did.
struct CalculationOutcome {
    bool computed = false; // the result field holds a new result
    std::string message;   // the message shown, empty when none
    // Only for "Rechnenfenster": a new calculation window is to be opened in
    // direct mode with the window's number format and given these lines, also
    // when the calculation stopped on the way.
    bool calcWindowRequested = false;
    std::vector<std::string> calcWindowLines;
};

// One re-arrangement of the shown formula: the quantity it solves for.
struct RearrangementInfo {
    std::string leftSide;       // the part of FORMEL before "=", markup
    std::string resultVariable; // RECHENVARI of its M1
    std::string resultName;     // GROESSE of its M1
};

// What opening a window file did.
struct WindowFileOutcome {
    bool ok = false;                        // false: the message was shown, nothing else changed
    std::optional<WindowGeometry> geometry; // the geometry to apply
};

// What "&Speichern" does for the window's file name.
enum class SaveAction {
    write,   // the name ends in .fff (any case): write it
    askName, // no name yet: "Speichern unter" first
    nothing, // another extension: nothing is written
};

class FormulaWindowState {
public:
    // A window as created: contents panel 300 wide, the tree filled, the area list
    // shown, the formula band and the pages hidden, the formula commands disabled,
    // the number format "0.000". The docked window shows its formula for the
    // spreadsheet insertion (see refreshPages).
    explicit FormulaWindowState(FormulaContext context, bool docked = false);

    FormulaWindowState(const FormulaWindowState&) = delete;
    FormulaWindowState& operator=(const FormulaWindowState&) = delete;

    // --- loading and the pages ---
    // Loads the record under the formula table's cursor and its quantities, then
    // refreshPages.
    void loadRecord();
    // Fills the pages and the enabled states from the state, then buildExample.
    void refreshPages();
    // Shows the formula of the navigation position: counts its re-arrangements,
    // sets up their buttons and the message and loads its main form. False, with
    // nothing changed, when the collection has no such formula.
    bool showFormula();
    // Fills the page "Beispiel".
    void buildExample();
    // Copies the texts of the value fields 2 to the quantity count into the slots.
    void takeValues();
    // Puts the formula table's cursor on the first record of the formula of the
    // navigation position and counts its re-arrangements; false when there is none
    // (cursor and count then stay as they were).
    bool locateFormula();

    // The widget reports every change of a value field (slot 1: the result field).
    void setFieldText(int slot, std::string text);

    // --- calculation and re-arrangement ---
    CalculationOutcome calculate();
    CalculationOutcome calculateIntoCalcWindow();
    // The next re-arrangement, after the last the first.
    void nextRearrangement();
    // The re-arrangement of a button (0 to 7).
    void chooseRearrangement(int button);
    // Any re-arrangement (0 is the main form); ignored when the formula has none
    // of that number.
    void goToRearrangement(int number);
    // The re-arrangements of the formula of the navigation position, in order.
    std::vector<RearrangementInfo> rearrangements();
    // Loads the record under the cursor keeping values and units by symbol.
    void loadRearrangement();
    // Applies the unit at listIndex of the slot's unit chooser: the value text is
    // from now on read in that unit.
    void chooseUnit(int slot, int listIndex);

    // --- contents and navigation ---
    void fillContents();
    const ContentsTree& tree() const { return tree_; }
    // The reaction to a selection in the tree (or the selection the window makes).
    void onContentsSelection(int node);
    // Selects the tree node of the navigation position, when there is one.
    void selectPositionNode();
    void showAreas();
    void showTopics();
    void showFormulas();
    // Clicks on an entry of the area, topic or formula list.
    void clickArea(int index);
    void clickTopic(int index);
    void clickFormula(int index);
    // "zurück": one level up.
    void goBack();
    void nextEntry();
    void previousEntry();
    void setSearchText(std::string text);
    // "&Suchen" (from the top) and "&Weiter".
    void search();
    void searchNext();
    // "&Inhaltsverzeichnis": hides or shows the contents panel.
    void toggleContents();
    // Dragging the splitter: the panel takes the width.
    void setContentsWidth(int width);
    void setContentsPage(int page);

    // --- pages ---
    void setActivePage(Page page);
    Page activePage() const { return activePage_; }
    void setNumberFormat(std::string pattern) { numberFormat_ = std::move(pattern); }
    const std::string& numberFormat() const { return numberFormat_; }

    // --- the window file ---
    const std::string& fileName() const { return fileName_; }
    // "Speichern unter": the window's file name becomes path, its caption the
    // name without folder.
    void setFileName(const std::filesystem::path& path);
    SaveAction saveAction() const;
    // Writes the window to path (the whole file or nothing); false after showing
    // the reason.
    bool saveWindowFile(const std::filesystem::path& path, const WindowGeometry& geometry);
    // Reads a window file and shows what it recorded.
    WindowFileOutcome loadWindowFile(const std::filesystem::path& path);

    // --- outputs ---
    // Makes this new window a copy of source: same formula, re-arrangement,
    // values, units, number format, page and contents; independent afterwards.
    void duplicateFrom(FormulaWindowState& source);

    // --- the docked window ---
    bool docked() const { return docked_; }
    // Dragging the docked window out makes it a free window, dragging it back
    // docks it again.
    void setDocked(bool docked);

    // --- what the window shows ---
    const PagesDisplay& pages() const { return pages_; }
    const ContentsDisplay& contents() const { return contents_; }
    const CommandStates& commands() const { return commands_; }
    // The menu items "&Rechne" and "Re&chnenfenster" need the page "Rechnung" too.
    bool calculateMenuEnabled() const;
    bool calcWindowMenuEnabled() const;
    const std::string& caption() const { return caption_; }

    // --- what other parts read (the spreadsheet insertion, the command line) ---
    const NavigationPosition& position() const { return position_; }
    void setPosition(NavigationPosition position) { position_ = std::move(position); }
    int quantityCount() const { return count_; }
    QuantitySlot& slot(int number) { return slots_[static_cast<std::size_t>(number - 1)]; }
    const QuantitySlot& slot(int number) const { return slots_[static_cast<std::size_t>(number - 1)]; }
    const std::string& loadedFormula() const { return formel_; }
    const std::string& loadedArea() const { return area_; }
    const std::string& loadedTopic() const { return topic_; }
    const std::string& loadedName() const { return name_; }
    const std::string& loadedCalculation() const { return rechnung_; }
    const std::string& loadedPicture() const { return grafik_; }
    int rearrangementCount() const { return rearrangementCount_; }
    int rearrangementNumber() const { return rearrangementNumber_; }
    const std::string& message() const { return message_; }
    // Whether the loaded record can be computed: it has a calculation text and
    // every quantity it names exists.
    bool computable() const;
    const std::string& resultText() const { return pages_.slotControls[0].valueText; }

private:
    bool recordComputable();
    void loadUnitChoices(int slot);
    void applyDockedRules();
    void enableFormulaCommands();
    void disableFormulaCommands();
    void keepActivePageVisible();
    void selectNode(int node);
    void highlightRearrangement(int number);
    bool evaluate(std::string line, Real& value, bool& computed, CalculationOutcome& outcome);
    CalculationOutcome runCalculation(bool intoCalcWindow);
    void showFormulaGone();

    FormulaContext ctx_;
    bool docked_ = false;

    NavigationPosition position_;
    std::string area_, topic_, name_, formel_, rechnung_, grafik_;
    int pictureLeft_ = -1;
    int pictureTop_ = -1;
    int count_ = 0;
    std::array<QuantitySlot, kSlotCount> slots_;
    std::array<SavedSlot, kSlotCount> saved_;
    int savedCount_ = 0;
    int rearrangementCount_ = 0;
    int rearrangementNumber_ = 0;
    std::string message_;
    std::string numberFormat_;
    std::string fileName_;
    std::string caption_;
    Page activePage_ = Page::description;
    int searchPosition_ = 0;

    ContentsTree tree_;
    PagesDisplay pages_;
    ContentsDisplay contents_;
    CommandStates commands_;
};

// The left edge of a picture placed automatically: starting from 0, every
// description line wider than the running value moves it to that width plus 65.
int automaticPictureLeft(const std::vector<int>& descriptionWidths);

// The page of the help, below the data folder prefix.
std::filesystem::path helpPage(const std::filesystem::path& prefix);

} // namespace quillmar::formula
