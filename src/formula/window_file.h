#pragma once
// The formula window file (.fff): an INI text with the section "Formel" and one
// section per part of the window whose visibility it records. The names below are
// the file's own and must stay as they are.
#include <optional>
#include <string_view>
#include <vector>

namespace quillmar::formula {

namespace filekeys {
inline constexpr std::string_view kSection = "Formel";
inline constexpr std::string_view kVersion = "Version";
inline constexpr std::string_view kVersionText = "Tarvik70";
inline constexpr std::string_view kMissingVersion = "0";
inline constexpr std::string_view kWidth = "Width";
inline constexpr std::string_view kHeight = "Height";
inline constexpr std::string_view kTop = "Top";
inline constexpr std::string_view kLeft = "Left";
inline constexpr std::string_view kWindowState = "WindowState";
inline constexpr std::string_view kFormat = "Format";
inline constexpr std::string_view kFormatDefault = "0.00E-0";
inline constexpr std::string_view kCount = "Anzahl";
inline constexpr std::string_view kRearrangement = "umformnr";
inline constexpr std::string_view kPage = "Seitea";
inline constexpr std::string_view kContentsPage = "Seiteb";
inline constexpr std::string_view kContentsWidth = "tabbedWidth";
inline constexpr std::string_view kWidthMemory = "merkewidth";
inline constexpr std::string_view kSearch = "Suche";
inline constexpr std::string_view kTopic = "thema";
inline constexpr std::string_view kName = "inhalt";
inline constexpr std::string_view kArea = "gebiet";
// Slot keys: the name followed by the slot number (Wert1, umrechfaktor1, ...).
inline constexpr std::string_view kValue = "Wert";
inline constexpr std::string_view kFactor = "umrechfaktor";
inline constexpr std::string_view kChosenUnit = "umEinheit";
inline constexpr std::string_view kChosenUnitName = "umNameeinheit";
inline constexpr std::string_view kValueDefault = "0";
inline constexpr std::string_view kFactorDefault = "1";
// Visibility sections and their key.
inline constexpr std::string_view kFormulaList = "scrollbox4";
inline constexpr std::string_view kTopicList = "scrollbox5";
inline constexpr std::string_view kAreaList = "scrollbox6";
inline constexpr std::string_view kBand = "panel3";
inline constexpr std::string_view kPages = "pagecontrol1";
inline constexpr std::string_view kVisible = "visible";

inline constexpr int kDefaultSize = 100;
inline constexpr int kDefaultContentsWidth = 400;
} // namespace filekeys

// Size and place of a window: state 0 normal, 1 minimised, 2 maximised; a file
// without Top or Left leaves the window where it is.
struct WindowGeometry {
    int state = 0;
    int width = filekeys::kDefaultSize;
    int height = filekeys::kDefaultSize;
    std::optional<int> top;
    std::optional<int> left;
};

// An available screen area in pixels.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The geometry kept within the screens: no larger than the largest screen, at
// least minimum pixels wide and high, and, when a place is given, with its top
// left corner on the screen it lies on or nearest to, and as much of the window
// as fits on that screen. A file written on a larger screen, or a damaged one,
// thus never makes a window that cannot be reached. Without screens the
// geometry stays as it is.
WindowGeometry keepOnScreens(WindowGeometry geometry, const std::vector<ScreenArea>& screens, int minimum = 100);

} // namespace quillmar::formula
