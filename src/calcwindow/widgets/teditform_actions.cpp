// The calculation window's menus and tool bar, and the commands behind them that
// are not about files.
#include "calcwindow/widgets/teditform.h"

#include "calcwindow/html_fragment.h"
#include "calcwindow/widgets/calc_environment.h"
#include "calcwindow/widgets/thtmldlg.h"
#include "calcwindow/widgets/tprojektformeldlg.h"
#include "calcwindow/widgets/ui_texts.h"
#include "support/widgets/qt_text.h"
#include "engine/widgets/number_format_dialog.h"

#include <QAction>
#include <QApplication>
#include <QFontDialog>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace quillmar {

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace

QAction* TEditForm::action(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

QAction* TEditForm::makeAction(const char* name, const char* text, const QKeySequence& key, std::function<void()> run)
{
    auto* a = new QAction(q(text), this);
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return a;
}

void TEditForm::createActions()
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
    makeAction("neu", calcui::kNeu, QKeySequence(Qt::CTRL | Qt::Key_N), [this] { neu(); })
        ->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    withHint(makeAction("oeffnen", calcui::kOeffnen, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { oeffnen(); }),
             nullptr, calcui::kHintOeffnen)
        ->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    withHint(makeAction("speichern", calcui::kSpeichern, {}, [this] { speichern(); }), nullptr, calcui::kHintSpeichern)
        ->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    makeAction("speichernUnter", calcui::kSpeichernUnter, {}, [this] { speichernUnter(); })
        ->setIcon(s->standardIcon(QStyle::SP_DriveFDIcon));
    makeAction("drucken", calcui::kDrucken, {}, [this] { drucken(); });
    withHint(makeAction("beenden", calcui::kBeenden, {}, [this] { close(); }), nullptr, calcui::kHintBeenden)
        ->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));

    // "&Bearbeiten": the text field's own clipboard operations
    withHint(makeAction("ausschneiden", calcui::kAusschneiden, QKeySequence(Qt::CTRL | Qt::Key_X), [this] { Memo1->cut(); }),
             nullptr, calcui::kHintAusschneiden);
    withHint(makeAction("kopieren", calcui::kKopieren, QKeySequence(Qt::CTRL | Qt::Key_C), [this] { Memo1->copy(); }),
             nullptr, calcui::kHintKopieren);
    withHint(makeAction("einfuegen", calcui::kEinfuegen, QKeySequence(Qt::CTRL | Qt::Key_V), [this] { Memo1->paste(); }),
             nullptr, calcui::kHintEinfuegen);
    makeAction("loeschen", calcui::kLoeschen, QKeySequence(Qt::CTRL | Qt::Key_Delete),
               [this] { Memo1->textCursor().removeSelectedText(); });
    makeAction("allesAuswaehlen", calcui::kAllesAuswaehlen, QKeySequence(Qt::CTRL | Qt::Key_A), [this] { Memo1->selectAll(); });

    // "&Rechnen"
    withHint(makeAction("programmStarten", calcui::kProgrammStarten, QKeySequence(Qt::CTRL | Qt::Key_S),
                        [this] { programmStarten(); }),
             calcui::kToolRechne, calcui::kHintRechne);
    makeAction("direktModus", calcui::kDirektModus, QKeySequence(Qt::CTRL | Qt::Key_D), [this] { setDirectMode(true); })
        ->setCheckable(true);
    makeAction("programmModus", calcui::kProgrammModus, QKeySequence(Qt::CTRL | Qt::Key_P), [this] { setDirectMode(false); })
        ->setCheckable(true);
    withHint(makeAction("modusWechseln", calcui::kToolModus, {},
                        [this] { setDirectMode(action("programmStarten")->isEnabled()); }),
             calcui::kToolModus, calcui::kHintModus);
    withHint(makeAction("formelnAusgeben", calcui::kFormelnAusgeben, {}, [this] { formelnAusgeben(); }), nullptr,
             calcui::kHintFormelnAusgeben);
    withHint(makeAction("schriftWaehlen", calcui::kSchriftWaehlen, {}, [this] { schriftWaehlen(); }), nullptr,
             calcui::kHintSchrift);

    // "&Eigenschaften"
    withHint(makeAction("zahlenformat", calcui::kZahlenformat, {}, [this] { zahlenformat(); }), nullptr,
             calcui::kHintZahlenformat);
    withHint(makeAction("projektformelnBearbeiten", calcui::kProjektformelnBearbeiten, {},
                        [this] { projektformelnBearbeiten(); }),
             nullptr, calcui::kHintBearbeiten);
    QAction* show = withHint(makeAction("projektformelnAnzeigen", calcui::kProjektformelnAnzeigen, {}, [] {}), nullptr,
                             calcui::kHintAnzeigen);
    show->setCheckable(true);
    connect(show, &QAction::triggered, this, [this](bool checked) { projektformelnAnzeigen(checked); });

    // "Ausgabe", "&Hilfe", and the tool button that leads to the main window
    withHint(makeAction("html", calcui::kHtml, {}, [this] { htmlAusgabe(); }), calcui::kToolHtml, calcui::kToolHtml);
    withHint(makeAction("hilfe", calcui::kInhalt, QKeySequence(Qt::Key_F1), [this] { env_.openHelp(); }), nullptr,
             calcui::kHintHilfe)
        ->setIcon(s->standardIcon(QStyle::SP_DialogHelpButton));
    withHint(makeAction("hauptmenue", calcui::kHintHauptmenue, {}, [this] { hauptmenue(); }), nullptr,
             calcui::kHintHauptmenue)
        ->setIcon(s->standardIcon(QStyle::SP_ComputerIcon));
}

void TEditForm::createMenus()
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
    fill(calcui::kMenuDatei, {"neu", "oeffnen", "speichern", "speichernUnter", nullptr, "drucken", nullptr, "beenden"});
    fill(calcui::kMenuBearbeiten, {"ausschneiden", "kopieren", "einfuegen", "loeschen", nullptr, "allesAuswaehlen"});
    fill(calcui::kMenuRechnen, {"programmStarten", "direktModus", "programmModus", nullptr, "formelnAusgeben", nullptr,
                                "schriftWaehlen"});
    fill(calcui::kMenuEigenschaften, {"zahlenformat", "projektformelnBearbeiten", "projektformelnAnzeigen"});
    fill(calcui::kMenuAusgabe, {"html"});
    fill(calcui::kMenuHilfe, {"hilfe"});
}

void TEditForm::createToolBar()
{
    toolBar_ = addToolBar(q(calcui::kCaption));
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

TEditForm* TEditForm::neu()
{
    TEditForm* window = env_.createWindow(this);
    window->setNumberPattern(env_.numberFormat().pattern());
    window->show();
    return window;
}

void TEditForm::schriftWaehlen()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, Memo1->font(), this);
    applyFont(ok ? chosen : Memo1->font());
}

void TEditForm::zahlenformat()
{
    engine::NumberFormatDialog& dialog = env_.numberFormat();
    dialog.setPattern(pattern_);
    if (dialog.exec() == QDialog::Accepted)
        setNumberPattern(dialog.pattern());
}

void TEditForm::projektformelnBearbeiten()
{
    env_.projectDialog().exec();
    env_.refreshFormulaLists();
}

void TEditForm::writeHtmlFragment()
{
    Thtmldlg& dialog = env_.htmlDialog();
    calc::writeCalcWindowFragment(dialog.dataText(), toStdString(fileName_), formulaEntries_, textLines());
    dialog.showData();
}

void TEditForm::htmlAusgabe()
{
    writeHtmlFragment();
    env_.htmlDialog().exec();
}

void TEditForm::hauptmenue()
{
    if (QWidget* main = env_.mainWindow()) {
        main->showNormal();
        main->raise();
        main->activateWindow();
    }
}

} // namespace quillmar
