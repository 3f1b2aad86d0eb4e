#pragma once
// The icons of the main window's tool buttons: a coloured tile with a white sign,
// drawn at start-up, so they look the same on every desktop and need no files.
#include <QIcon>

namespace quillmar::app {

enum class ToolIcon { insert, rearrange, displayWindow, properties, help, quit, compute, valueFromExcel, numberFormat, print };

QIcon toolIcon(ToolIcon which);

} // namespace quillmar::app
