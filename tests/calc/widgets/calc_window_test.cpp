// The calculation window driven as a user would: Enter in both modes, program
// runs, "Neu", saving and opening, the formula list and the HTML fragment.
#include "calc_fixture.h"

#include "calc/widgets/html_export_dialog.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>

#include <fstream>

namespace {

using Window = quillmar::calc::CalcWindow;
using Lines = std::vector<std::string>;

class CalcWindowTest : public quillmar::calc::testing::CalcFixture {};

TEST_F(CalcWindowTest, EnterInDirectModeWorksTheLineAndBreaksIt)
{
    Window& w = window();
    typeLine(w, "x = 6 * (3*5-4)");
    EXPECT_EQ(text(w), "x = 6 * (3*5-4)\n");
    typeLine(w, "x*2=");
    EXPECT_EQ(text(w), "x = 6 * (3*5-4)\nx*2=\n132,000\n");
    EXPECT_EQ(caretLine(w), 3);

    // A wrong line: the message, and only the line break.
    typeLine(w, "3+4=5");
    EXPECT_EQ(messages.shown, Lines{"ungültiger Ausdruck"});
    EXPECT_EQ(text(w), "x = 6 * (3*5-4)\nx*2=\n132,000\n3+4=5\n");

    // Enter on a line in the middle puts the value directly below it.
    w.editor()->clear();
    typeLine(w, "1+2=");
    typeLine(w, "2*3=");
    QTextCursor caret(w.editor()->document()->findBlockByNumber(0));
    caret.movePosition(QTextCursor::EndOfBlock);
    w.editor()->setTextCursor(caret);
    pressEnter(w);
    EXPECT_EQ(text(w), "1+2=\n3,000\n\n3,000\n2*3=\n6,000\n");
}

TEST_F(CalcWindowTest, DirectCommands)
{
    Window& w = window();
    typeLine(w, "a=2");
    typeLine(w, "Zeige_Fkt");
    EXPECT_EQ(text(w), "a=2\nZeige_Fkt\na=2\n");
    typeLine(w, "CLS");
    EXPECT_EQ(text(w), "\n");
    typeLine(w, "lösche_alle");
    typeLine(w, "lösche_alle");
    EXPECT_EQ(messages.shown, (Lines{"Alle Formeln gelöscht!", "Alle Formeln gelöscht!"}));
    EXPECT_EQ(store.size(), 0u);
}

TEST_F(CalcWindowTest, EnterInProgramModeNeverEvaluates)
{
    Window& w = window();
    w.action("programMode")->trigger();
    EXPECT_FALSE(w.directMode());
    EXPECT_TRUE(w.action("runProgram")->isEnabled());
    typeLine(w, "y=1");
    typeLine(w, "3+4=5");
    EXPECT_EQ(text(w), "y=1\n3+4=5\n");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(store.size(), 0u);

    // "D<->P" goes back to direct mode.
    w.action("switchMode")->trigger();
    EXPECT_TRUE(w.directMode());
    EXPECT_FALSE(w.action("runProgram")->isEnabled());
    EXPECT_TRUE(w.action("directMode")->isChecked());
}

TEST_F(CalcWindowTest, EachRunWithOutputOpensItsOwnWindow)
{
    Window& w = window();
    w.setNumberPattern("0.00");
    w.setDirectMode(false);
    w.editor()->setPlainText("; Kreisfläche\nr=2\nA=3,14159*r^2\nAusgabe(A)\nAusgabe(A*2)\nA*2=");
    w.action("runProgram")->trigger();
    w.action("runProgram")->trigger();
    const auto windows = env->windows();
    ASSERT_EQ(windows.size(), 3u);
    for (Window* out : {windows[1], windows[2]}) {
        EXPECT_EQ(text(*out), ";A=12,57\n;A*2=25,13\nFehler:A*2=");
        EXPECT_TRUE(out->directMode());
        EXPECT_EQ(out->numberPattern(), "0.00");
        EXPECT_TRUE(out->isVisible());
        EXPECT_EQ(out->parent(), nullptr);
    }

    // Only definitions and comments: no window.
    w.editor()->setPlainText(";x\nb=1");
    w.action("runProgram")->trigger();
    EXPECT_EQ(env->windows().size(), 3u);
    EXPECT_NE(store.find("B"), nullptr);
}

TEST_F(CalcWindowTest, NewWindowsCloseWithTheirOwner)
{
    numberFormat.setPattern("0.0");
    auto* owner = &window();
    Window* child = owner->newWindow();
    EXPECT_EQ(child->parent(), owner);
    EXPECT_EQ(child->numberPattern(), "0.0");
    EXPECT_TRUE(child->directMode());
    EXPECT_TRUE(child->isVisible());
    ASSERT_EQ(env->windows().size(), 2u);
    delete owner;
    EXPECT_TRUE(env->windows().empty());
}

TEST_F(CalcWindowTest, SavedWindowOpensAsItWasInAnotherWindow)
{
    Window& w = window();
    w.setDirectMode(false);
    w.setNumberPattern("0.00");
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(14);
    f.setBold(true);
    f.setItalic(true);
    w.editor()->setFont(f);
    w.editor()->setPlainText("r=2\nDATEN_ENDE\n\tAusgabe(r)\n");
    w.resize(500, 300);
    w.move(40, 50);
    const QString path = QString::fromStdString((folder / "kreis.REF").string());
    ASSERT_TRUE(w.saveFile(path));

    Window& other = window();
    ASSERT_TRUE(other.openFile(path));
    EXPECT_FALSE(other.directMode());
    EXPECT_EQ(other.numberPattern(), "0.00");
    EXPECT_EQ(text(other), text(w));
    EXPECT_TRUE(other.editor()->font().bold());
    EXPECT_TRUE(other.editor()->font().italic());
    EXPECT_EQ(other.editor()->font().pointSize(), 14);
    EXPECT_EQ(other.editor()->font().family(), "DejaVu Sans");
    EXPECT_EQ(other.size(), w.size());
    EXPECT_EQ(other.geometry().topLeft(), w.geometry().topLeft());
    EXPECT_EQ(other.fileName(), path);
    EXPECT_EQ(other.windowTitle(), "kreis.REF");
    EXPECT_EQ(other.editor()->textCursor().position(), 0);

    // Plain text keeps mode, pattern, font and place.
    const QString plain = QString::fromStdString((folder / "k.for").string());
    ASSERT_TRUE(w.saveFile(plain));
    Window& third = window();
    const QFont font = third.editor()->font();
    const QRect place = third.geometry();
    ASSERT_TRUE(third.openFile(plain));
    EXPECT_TRUE(third.directMode());
    EXPECT_EQ(third.numberPattern(), "0.000");
    EXPECT_EQ(text(third), text(w));
    EXPECT_EQ(third.editor()->font(), font);
    EXPECT_EQ(third.geometry(), place);

    // A broken file shows its message.
    std::ofstream(folder / "falsch.ref") << "rechnenfenster\r\n";
    EXPECT_FALSE(third.openFile(QString::fromStdString((folder / "falsch.ref").string())));
    EXPECT_EQ(messages.shown.back(), "Datei kann nicht geladen werden.");
    EXPECT_EQ(third.fileName(), plain);
}

TEST_F(CalcWindowTest, BrokenFileKeepsWhatWasReadBeforeTheFault)
{
    Window& w = window();
    w.editor()->setPlainText("r=2");
    const QFont font = w.editor()->font();
    std::ofstream(folder / "halb.ref", std::ios::binary) << "Rechnenfenster\r\n0.0\r\n1#Courier New#1#0#0#0#rot#10#\r\n";
    EXPECT_FALSE(w.openFile(QString::fromStdString((folder / "halb.ref").string())));
    EXPECT_EQ(messages.shown, Lines{"'rot' ist kein gültiger Integerwert"});
    EXPECT_EQ(w.numberPattern(), "0.0");
    EXPECT_FALSE(w.directMode());
    EXPECT_EQ(w.editor()->font().family(), "Courier New");
    EXPECT_TRUE(w.editor()->font().bold());
    // The size was not reached: it stays as it was given, in pixels.
    EXPECT_EQ(w.editor()->font().pixelSize(), font.pixelSize());
    EXPECT_EQ(text(w), "r=2");
    EXPECT_EQ(w.fileName(), "");
}

TEST_F(CalcWindowTest, FormulaListAndHtmlFragment)
{
    Window& w = window();
    w.setNumberPattern("0");
    typeLine(w, "x=3");
    typeLine(w, "f(x)=2*x");

    // Never shown: no formula lines in the fragment.
    w.writeHtmlFragment();
    EXPECT_EQ(env->htmlDialog().dataText().lines(), (Lines{"<BR>", "Rechnenfenster<BR>", "x=3<BR>", "f(x)=2*x<BR>", "<BR>"}));

    w.action("showProjectFormulas")->trigger();
    ASSERT_EQ(w.formulaList()->count(), 2);
    EXPECT_EQ(w.formulaList()->item(0)->text(), "x=3=3");
    EXPECT_EQ(w.formulaList()->item(1)->text(), "f(x)=2*x=6");
    w.setNumberPattern("0.0");
    EXPECT_EQ(w.formulaList()->item(0)->text(), "x=3=3,0");

    // A click appends the entry as the last line.
    emit w.formulaList()->itemClicked(w.formulaList()->item(1));
    EXPECT_TRUE(text(w).endsWith("\nf(x)=2*x=6,0"));

    w.writeHtmlFragment();
    EXPECT_EQ(env->htmlDialog().dataText().lines()[2], "x=3=3,0<BR>");

    store.clear();
    env->refreshFormulaLists();
    EXPECT_EQ(w.formulaList()->count(), 0);
    w.action("showProjectFormulas")->trigger();
    EXPECT_TRUE(w.formulaList()->isHidden());
    EXPECT_FALSE(w.action("showProjectFormulas")->isChecked());
}

} // namespace
