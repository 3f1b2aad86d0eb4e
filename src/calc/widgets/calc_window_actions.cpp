// The calculation window's menus and tool bar, and the commands behind them that
// are not about files.
#include "calc/widgets/calc_window.h"

#include "calc/html_fragment.h"
#include "calc/widgets/calc_environment.h"
#include "calc/widgets/html_export_dialog.h"
#include "calc/widgets/project_formula_dialog.h"
#include "calc/widgets/ui_texts.h"
#include "support/widgets/qt_text.h"
#include "engine/widgets/number_format_dialog.h"

#include <QAction>
#include <QApplication>
#include <QFontDialog>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace quillmar::calc {

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace

QAction* CalcWindow::action(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

QAction* CalcWindow::makeAction(const char* name, const char* text, const QKeySequence& key, std::function<void()> run)
{
    auto* a = new QAction(q(text), this);
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return a;
}

void CalcWindow::createActions()
{
    QStyle* s = style();
    const auto withHint = [](QAction* a, const char* caption, const char* hint) {
        if (caption)
            a->setIconText(q(caption));
        a->setToolTip(q(hint));
        a->setStatusTip(q(hint));
        return a;
    };

    // "&Datei"
    makeAction("neu", calc::texts::kNeu, QKeySequence(Qt::CTRL | Qt::Key_N), [this] { neu(); })
        ->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    withHint(makeAction("oeffnen", calc::texts::kOeffnen, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { oeffnen(); }),
             nullptr, calc::texts::kHintOeffnen)
        ->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    withHint(makeAction("speichern", calc::texts::kSpeichern, {}, [this] { speichern(); }), nullptr, calc::texts::kHintSpeichern)
        ->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    makeAction("speichernUnter", calc::texts::kSpeichernUnter, {}, [this] { speichernUnter(); })
        ->setIcon(s->standardIcon(QStyle::SP_DriveFDIcon));
    makeAction("drucken", calc::texts::kDrucken, {}, [this] { drucken(); });
    withHint(makeAction("beenden", calc::texts::kBeenden, {}, [this] { close(); }), nullptr, calc::texts::kHintBeenden)
        ->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));

    // "&Bearbeiten": the text field's own clipboard operations
    withHint(makeAction("ausschneiden", calc::texts::kAusschneiden, QKeySequence(Qt::CTRL | Qt::Key_X), [this] { editor->cut(); }),
             nullptr, calc::texts::kHintAusschneiden);
    withHint(makeAction("kopieren", calc::texts::kKopieren, QKeySequence(Qt::CTRL | Qt::Key_C), [this] { editor->copy(); }),
             nullptr, calc::texts::kHintKopieren);
    withHint(makeAction("einfuegen", calc::texts::kEinfuegen, QKeySequence(Qt::CTRL | Qt::Key_V), [this] { editor->paste(); }),
             nullptr, calc::texts::kHintEinfuegen);
    makeAction("loeschen", calc::texts::kLoeschen, QKeySequence(Qt::CTRL | Qt::Key_Delete),
               [this] { editor->textCursor().removeSelectedText(); });
    makeAction("allesAuswaehlen", calc::texts::kAllesAuswaehlen, QKeySequence(Qt::CTRL | Qt::Key_A), [this] { editor->selectAll(); });

    // "&Rechnen"
    withHint(makeAction("programmStarten", calc::texts::kProgrammStarten, QKeySequence(Qt::CTRL | Qt::Key_S),
                        [this] { programmStarten(); }),
             calc::texts::kToolRechne, calc::texts::kHintRechne);
    makeAction("direktModus", calc::texts::kDirektModus, QKeySequence(Qt::CTRL | Qt::Key_D), [this] { setDirectMode(true); })
        ->setCheckable(true);
    makeAction("programmModus", calc::texts::kProgrammModus, QKeySequence(Qt::CTRL | Qt::Key_P), [this] { setDirectMode(false); })
        ->setCheckable(true);
    withHint(makeAction("modusWechseln", calc::texts::kToolModus, {},
                        [this] { setDirectMode(action("programmStarten")->isEnabled()); }),
             calc::texts::kToolModus, calc::texts::kHintModus);
    withHint(makeAction("formelnAusgeben", calc::texts::kFormelnAusgeben, {}, [this] { formelnAusgeben(); }), nullptr,
             calc::texts::kHintFormelnAusgeben);
    withHint(makeAction("schriftWaehlen", calc::texts::kSchriftWaehlen, {}, [this] { schriftWaehlen(); }), nullptr,
             calc::texts::kHintSchrift);

    // "&Eigenschaften"
    withHint(makeAction("zahlenformat", calc::texts::kZahlenformat, {}, [this] { zahlenformat(); }), nullptr,
             calc::texts::kHintZahlenformat);
    withHint(makeAction("projektformelnBearbeiten", calc::texts::kProjektformelnBearbeiten, {},
                        [this] { projektformelnBearbeiten(); }),
             nullptr, calc::texts::kHintBearbeiten);
    QAction* show = withHint(makeAction("projektformelnAnzeigen", calc::texts::kProjektformelnAnzeigen, {}, [] {}), nullptr,
                             calc::texts::kHintAnzeigen);
    show->setCheckable(true);
    connect(show, &QAction::triggered, this, [this](bool checked) { projektformelnAnzeigen(checked); });

    // "Ausgabe", "&Hilfe", and the tool button that leads to the main window
    withHint(makeAction("html", calc::texts::kHtml, {}, [this] { htmlAusgabe(); }), calc::texts::kToolHtml, calc::texts::kToolHtml);
    withHint(makeAction("hilfe", calc::texts::kInhalt, QKeySequence(Qt::Key_F1), [this] { env_.openHelp(); }), nullptr,
             calc::texts::kHintHilfe)
        ->setIcon(s->standardIcon(QStyle::SP_DialogHelpButton));
    withHint(makeAction("hauptmenue", calc::texts::kHintHauptmenue, {}, [this] { hauptmenue(); }), nullptr,
             calc::texts::kHintHauptmenue)
        ->setIcon(s->standardIcon(QStyle::SP_ComputerIcon));
}

void CalcWindow::createMenus()
{
    const auto fill = [this](const char* title, std::initializer_list<const char*> names) {
        QMenu* menu = menuBar()->addMenu(q(title));
        for (const char* name : names) {
            if (name)
                menu->addAction(action(name));
            else
                menu->addSeparator();
        }
    };
    fill(calc::texts::kMenuDatei, {"neu", "oeffnen", "speichern", "speichernUnter", nullptr, "drucken", nullptr, "beenden"});
    fill(calc::texts::kMenuBearbeiten, {"ausschneiden", "kopieren", "einfuegen", "loeschen", nullptr, "allesAuswaehlen"});
    fill(calc::texts::kMenuRechnen, {"programmStarten", "direktModus", "programmModus", nullptr, "formelnAusgeben", nullptr,
                                "schriftWaehlen"});
    fill(calc::texts::kMenuEigenschaften, {"zahlenformat", "projektformelnBearbeiten", "projektformelnAnzeigen"});
    fill(calc::texts::kMenuAusgabe, {"html"});
    fill(calc::texts::kMenuHilfe, {"hilfe"});
}

void CalcWindow::createToolBar()
{
    toolBar_ = addToolBar(q(calc::texts::kCaption));
    toolBar_->setMovable(false);
    toolBar_->setFixedHeight(32);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char* name : {"programmStarten", "modusWechseln", "hauptmenue", "oeffnen", "speichern", "speichernUnter",
                             "beenden", "hilfe", "zahlenformat", "projektformelnAnzeigen", "projektformelnBearbeiten",
                             "formelnAusgeben", "schriftWaehlen", "ausschneiden", "kopieren", "einfuegen", "html"}) {
        QAction* a = action(name);
        toolBar_->addAction(a);
        if (QWidget* button = toolBar_->widgetForAction(a); button && !a->icon().isNull())
            static_cast<QToolButton*>(button)->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    // The save-as button is the one without a hint.
    if (QWidget* saveAs = toolBar_->widgetForAction(action("speichernUnter")))
        saveAs->setToolTip(QString());
    if (QWidget* rechne = toolBar_->widgetForAction(action("programmStarten")))
        rechne->setStyleSheet(QStringLiteral("QToolButton { color: red; font-weight: bold; }"
                                             "QToolButton:disabled { color: gray; }"));
}

CalcWindow* CalcWindow::neu()
{
    CalcWindow* window = env_.createWindow(this);
    window->setNumberPattern(env_.numberFormat().pattern());
    window->show();
    return window;
}

void CalcWindow::schriftWaehlen()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, editor->font(), this);
    applyFont(ok ? chosen : editor->font());
}

void CalcWindow::zahlenformat()
{
    engine::NumberFormatDialog& dialog = env_.numberFormat();
    dialog.setPattern(pattern_);
    if (dialog.exec() == QDialog::Accepted)
        setNumberPattern(dialog.pattern());
}

void CalcWindow::projektformelnBearbeiten()
{
    env_.projectDialog().exec();
    env_.refreshFormulaLists();
}

void CalcWindow::writeHtmlFragment()
{
    HtmlExportDialog& dialog = env_.htmlDialog();
    calc::writeCalcWindowFragment(dialog.dataText(), toStdString(fileName_), formulaEntries_, textLines());
    dialog.showData();
}

void CalcWindow::htmlAusgabe()
{
    writeHtmlFragment();
    env_.htmlDialog().exec();
}

void CalcWindow::hauptmenue()
{
    if (QWidget* main = env_.mainWindow()) {
        main->showNormal();
        main->raise();
        main->activateWindow();
    }
}

} // namespace quillmar::calc
