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

// The text field as the one stored control of the window.
class CalcWindow::MemoControl final : public calc::StoredControl {
public:
    explicit MemoControl(CalcWindow& window) : window_(window) {}
    int tag() const override { return 0; }
    bool isKind(calc::ControlKind kind) const override { return kind == calc::ControlKind::memo; }
    std::vector<std::string> lines() const override { return window_.textLines(); }
    void setLines(const std::vector<std::string>& lines) override { window_.setTextLines(lines); }

private:
    CalcWindow& window_;
};

std::vector<calc::StoredControl*> CalcWindow::storedControls()
{
    if (!memoControl_)
        memoControl_ = std::make_shared<MemoControl>(*this);
    return {memoControl_.get()};
}

std::string CalcWindow::pattern() const { return toStdString(pattern_); }

void CalcWindow::setPattern(const std::string& pattern) { setNumberPattern(toQString(pattern)); }

calc::FontRecord CalcWindow::font() const
{
    const QFont f = editor->font();
    calc::FontRecord record;
    record.name = toStdString(f.family());
    record.bold = f.bold();
    record.italic = f.italic();
    record.underline = f.underline();
    record.strikeOut = f.strikeOut();
    const QColor c = editor->palette().color(QPalette::Text);
    record.colour = c.red() | (c.green() << 8) | (c.blue() << 16);
    // A size in pixels is written in points at 96 pixels per inch.
    record.size = f.pointSize() > 0 ? f.pointSize() : static_cast<int>(std::lround(f.pixelSize() * 72.0 / 96.0));
    return record;
}

void CalcWindow::setFontName(const std::string& name)
{
    if (name.empty())
        return;
    QFont f = editor->font();
    f.setFamily(toQString(name));
    applyFont(f);
}

void CalcWindow::setFontStyle(bool bold, bool italic, bool underline, bool strikeOut)
{
    QFont f = editor->font();
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikeOut);
    applyFont(f);
}

void CalcWindow::setFontColour(int colour)
{
    QPalette palette = editor->palette();
    // Negative values name colours of the system: the text keeps the usual one.
    const QColor c = colour < 0 ? QApplication::palette().color(QPalette::Text)
                                : QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    palette.setColor(QPalette::Text, c);
    editor->setPalette(palette);
}

void CalcWindow::setFontSize(int size)
{
    QFont f = editor->font();
    f.setPointSize(std::clamp(size, 1, 1000));
    applyFont(f);
}

calc::Placement CalcWindow::placement() const
{
    const QRect g = geometry();
    const int state = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    return {state, g.width(), g.height(), g.y(), g.x()};
}

void CalcWindow::setWindowState(int state)
{
    QMainWindow::setWindowState(state == 2 ? Qt::WindowMaximized : state == 1 ? Qt::WindowMinimized : Qt::WindowNoState);
}

void CalcWindow::setWidth(int width) { resize(std::max(width, 1), height()); }
void CalcWindow::setHeight(int height) { resize(width(), std::max(height, 1)); }
// The bounds are those of the window's inside, as placement() reads them, so a
// window opened from a file stands exactly where the saved one stood.
void CalcWindow::setTop(int top)
{
    QRect g = geometry();
    g.moveTop(top);
    setGeometry(g);
}

void CalcWindow::setLeft(int left)
{
    QRect g = geometry();
    g.moveLeft(left);
    setGeometry(g);
}

void CalcWindow::setFileName(const QString& path)
{
    fileName_ = path;
    setWindowTitle(QFileInfo(path).fileName());
}

bool CalcWindow::openFile(const QString& path)
{
    const std::string error = calc::openCalcWindow(*this, toStdString(path).c_str());
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
    const std::string error = calc::saveCalcWindow(*this, toStdString(path).c_str());
    if (!error.empty()) {
        env_.messages().show(error);
        return false;
    }
    return true;
}

void CalcWindow::oeffnen()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QString::fromUtf8(calc::texts::kOpenFilter));
    dialog.setDefaultSuffix(QString::fromUtf8(calc::texts::kDefaultSuffix));
    if (!fileName_.isEmpty())
        dialog.setDirectory(QFileInfo(fileName_).absolutePath());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openFile(dialog.selectedFiles().constFirst());
}

bool CalcWindow::speichern()
{
    if (fileName_.isEmpty())
        return speichernUnter();
    return saveFile(fileName_);
}

bool CalcWindow::speichernUnter()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8(calc::texts::kSaveFilter));
    dialog.setDefaultSuffix(QString::fromUtf8(calc::texts::kDefaultSuffix));
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

void CalcWindow::drucken()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setFont(QFont(editor->font(), &printer));
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
