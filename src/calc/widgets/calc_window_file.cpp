// The calculation window's files and printing: what the file layer of the core
// reads and writes of the window, and the dialogs around it.
#include "calc/widgets/calc_window.h"

#include "calc/widgets/calc_environment.h"
#include "calc/widgets/ui_texts.h"
#include "support/widgets/qt_text.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>

namespace quillmar::calc {

CalcWindowState CalcWindow::state() const
{
    CalcWindowState state;
    state.pattern = toStdString(pattern_);
    state.programMode = !direct_;
    state.font = textFont();
    state.placement = placement();
    state.textLines = textLines();
    return state;
}

// Only what differs from the window is taken over, so that what a file leaves as
// it was stays untouched: the caret in an unchanged text, a font size in pixels.
void CalcWindow::setState(const CalcWindowState& state)
{
    const CalcWindowState current = this->state();
    if (state.pattern != current.pattern)
        setNumberPattern(toQString(state.pattern));
    if (state.programMode != current.programMode)
        setDirectMode(!state.programMode);
    if (state.font != current.font)
        setTextFont(state.font);
    if (state.placement != current.placement)
        setPlacement(state.placement);
    if (state.textLines != current.textLines)
        setTextLines(state.textLines);
}

TextFont CalcWindow::textFont() const
{
    const QFont f = editor_->font();
    TextFont font;
    font.name = toStdString(f.family());
    font.bold = f.bold();
    font.italic = f.italic();
    font.underline = f.underline();
    font.strikeOut = f.strikeOut();
    const QColor c = editor_->palette().color(QPalette::Text);
    font.colour = c.red() | (c.green() << 8) | (c.blue() << 16);
    // A size in pixels is written in points at 96 pixels per inch.
    font.size = f.pointSize() > 0 ? f.pointSize() : static_cast<int>(std::lround(f.pixelSize() * 72.0 / 96.0));
    return font;
}

void CalcWindow::setTextFont(const TextFont& font)
{
    const TextFont current = textFont();
    QFont f = editor_->font();
    // An empty name keeps the family.
    if (font.name != current.name && !font.name.empty())
        f.setFamily(toQString(font.name));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    if (font.size != current.size)
        f.setPointSize(std::clamp(font.size, 1, 1000));
    applyFont(f);
    if (font.colour != current.colour) {
        QPalette palette = editor_->palette();
        // Negative values name colours of the system: the text keeps the usual one.
        const QColor c = font.colour < 0 ? QApplication::palette().color(QPalette::Text)
                                         : QColor(font.colour & 0xFF, (font.colour >> 8) & 0xFF, (font.colour >> 16) & 0xFF);
        palette.setColor(QPalette::Text, c);
        editor_->setPalette(palette);
    }
}

WindowPlacement CalcWindow::placement() const
{
    const QRect g = geometry();
    const WindowState state = isMaximized()   ? WindowState::Maximized
                              : isMinimized() ? WindowState::Minimized
                                              : WindowState::Normal;
    return {state, g.width(), g.height(), g.y(), g.x()};
}

// The bounds are those of the window's inside, as placement() reads them, so a
// window opened from a file stands exactly where the saved one stood. They are
// those of the normal window, so it leaves another state first.
void CalcWindow::setPlacement(const WindowPlacement& placement)
{
    switch (placement.state) {
    case WindowState::Normal:
        setWindowState(Qt::WindowNoState);
        setGeometry(placement.left, placement.top, std::max(placement.width, 1), std::max(placement.height, 1));
        break;
    case WindowState::Minimized:
        setWindowState(Qt::WindowMinimized);
        break;
    case WindowState::Maximized:
        setWindowState(Qt::WindowMaximized);
        break;
    }
}

void CalcWindow::setFileName(const QString& path)
{
    fileName_ = path;
    setWindowTitle(QFileInfo(path).fileName());
}

bool CalcWindow::openFile(const QString& path)
{
    CalcWindowState opened = state();
    const std::string error = calc::openCalcWindow(opened, toStdString(path).c_str());
    // What was read before a fault is kept, as the file layer leaves it.
    setState(opened);
    if (!error.empty()) {
        env_.messages().show(error);
        return false;
    }
    setFileName(path);
    rebuildFormulaList();
    return true;
}

bool CalcWindow::saveFile(const QString& path)
{
    const std::string error = calc::saveCalcWindow(state(), toStdString(path).c_str());
    if (!error.empty()) {
        env_.messages().show(error);
        return false;
    }
    return true;
}

void CalcWindow::open()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(toQString(calc::texts::kOpenFilter));
    dialog.setDefaultSuffix(toQString(calc::texts::kDefaultSuffix));
    if (!fileName_.isEmpty())
        dialog.setDirectory(QFileInfo(fileName_).absolutePath());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openFile(dialog.selectedFiles().constFirst());
}

bool CalcWindow::save()
{
    if (fileName_.isEmpty())
        return saveAs();
    return saveFile(fileName_);
}

bool CalcWindow::saveAs()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(toQString(calc::texts::kSaveFilter));
    dialog.setDefaultSuffix(toQString(calc::texts::kDefaultSuffix));
    if (!fileName_.isEmpty())
        dialog.selectFile(fileName_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString chosen = dialog.selectedFiles().constFirst();
    // The name is taken only once the file is written, so a failed save leaves the
    // window as it was.
    if (!saveFile(chosen))
        return false;
    setFileName(chosen);
    return true;
}

void CalcWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setFont(QFont(editor_->font(), &printer));
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect page = painter.viewport();
    int y = 0;
    for (const std::string& line : textLines()) {
        if (y + metrics.height() > page.height() && y > 0) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(QRect(0, y, page.width(), metrics.height()), Qt::TextExpandTabs | Qt::TextSingleLine,
                         toQString(line));
        y += metrics.height();
    }
    painter.end();
}

} // namespace quillmar::calc
