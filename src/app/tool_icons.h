#pragma once
// The icons of the main window's tool buttons: a coloured tile with a white sign,
// drawn at start-up, so they look the same on every desktop and need no files.
#include <QIcon>

namespace quillmar::app {

enum class ToolIcon { Insert, Rearrange, DisplayWindow, Properties, Help, Quit, Compute, ValueFromExcel, NumberFormat, Print };

QIcon toolIcon(ToolIcon which);

} // namespace quillmar::app
