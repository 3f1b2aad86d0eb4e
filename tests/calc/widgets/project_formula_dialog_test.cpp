// The project formula dialog's actions against the shared store.
#include "calc_fixture.h"

#include "calc/widgets/project_formula_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <fstream>

namespace {

using quillmar::calc::ProjectFormulaDialog;
using Lines = std::vector<std::string>;

class ProjectFormulas : public quillmar::calc::testing::CalcFixture {
protected:
    ProjectFormulaDialog& dialog() { return env->projectDialog(); }
    static QStringList items(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
};

TEST_F(ProjectFormulas, EveryExampleDefinesInAnEmptyStore)
{
    ProjectFormulaDialog& d = dialog();
    EXPECT_EQ(d.eingabe->text(), "f(x)=x");
    ASSERT_EQ(d.beispiele->count(), 15);
    EXPECT_EQ(d.beispiele->item(14)->text(), "");
    for (int i = 0; i + 1 < d.beispiele->count(); ++i) {
        store.clear();
        emit d.beispiele->itemClicked(d.beispiele->item(i));
        EXPECT_EQ(d.eingabe->text(), d.beispiele->item(i)->text());
        EXPECT_TRUE(d.definieren()) << d.eingabe->text().toStdString();
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFormulas, TypingDefiningAndDeleting)
{
    ProjectFormulaDialog& d = dialog();
    d.eingabe->clear();
    for (const char* key : {"(", "2", "+", "3", ")", "*", "2", "="}) {
        for (QPushButton* button : d.findChildren<QPushButton*>()) {
            if (button->text() == QString::fromLatin1(key))
                button->click();
        }
    }
    EXPECT_EQ(d.eingabe->text(), "(2+3)*2=");
    emit d.eingabe->returnPressed();
    EXPECT_EQ(d.ergebnis->text(), "(2+3)*2=10,000");

    d.eingabe->setText("g(t)=");
    emit d.funktionen->itemClicked(d.funktionen->item(0));
    EXPECT_EQ(d.eingabe->text(), "g(t)=SIN(");
    d.eingabe->insert("t)");
    ASSERT_TRUE(d.definieren());
    d.eingabe->setText("a = 5");
    ASSERT_TRUE(d.definieren());
    EXPECT_EQ(items(d.definierte), (QStringList{"g(t)=SIN(t)", "a=5"}));

    d.eingabe->setText("3+4=5");
    EXPECT_FALSE(d.definieren());
    EXPECT_EQ(messages.shown, Lines{"\"3+4=5\" ist keine gültige engine::Definition."});

    d.definierte->setCurrentRow(0);
    d.loeschen();
    EXPECT_EQ(store.list(), Lines{"a=5"});
    EXPECT_EQ(items(d.definierte), QStringList{"a=5"});
    d.definierte->setCurrentRow(-1);
    d.loeschen();
    EXPECT_EQ(messages.shown.back(), "Bitte wählen Sie zuerst eine Formel in der Liste aus.");
    EXPECT_EQ(store.size(), 1u);

    // Every window's formula list is empty at its next rebuild.
    quillmar::calc::CalcWindow& w = window();
    w.projektformelnAnzeigen(true);
    EXPECT_EQ(w.zeigeformel->count(), 1);
    d.loeschenAlle();
    EXPECT_EQ(store.size(), 0u);
    EXPECT_EQ(d.definierte->count(), 0);
    EXPECT_EQ(w.zeigeformel->count(), 0);
}

TEST_F(ProjectFormulas, ImportSaveAndCompute)
{
    ProjectFormulaDialog& d = dialog();
    const auto file = folder / "formeln.FOR";
    std::ofstream(file, std::ios::binary) << "; Sammlung\r\nk=2\r\n\r\nh(x)=k*x\r\n1+=\r\n";
    ASSERT_TRUE(d.formeldateiLaden(QString::fromStdString(file.string())));
    EXPECT_EQ(items(d.importListe), (QStringList{"; Sammlung", "k=2", "h(x)=k*x", "1+="}));

    d.importListe->item(1)->setSelected(true);
    d.auswahlUebernehmen();
    EXPECT_EQ(store.list(), Lines{"k=2"});
    d.alleUebernehmen();
    EXPECT_EQ(store.list(), (Lines{"k=2", "h(x)=k*x"}));
    EXPECT_EQ(messages.shown.back(), "Nicht übernommene Zeilen:\n1+=");

    const auto saved = folder / "neu.for";
    ASSERT_TRUE(d.formelnSpeichern(QString::fromStdString(saved.string())));
    std::ifstream in(saved, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "k=2\r\nh(x)=k*x\r\n");

    d.setNumberPattern("0.0");
    d.ausdruck->setText("h(3) + 1");
    d.berechnen();
    d.ausdruck->setText("h(");
    d.berechnen();
    EXPECT_EQ(messages.shown.back(), "ungültiger Ausdruck");
    EXPECT_EQ(items(d.ausdruecke), QStringList{"h(3)+1=7,0"});

    EXPECT_FALSE(d.formeldateiLaden(QString::fromStdString((folder / "fehlt.for").string())));
}

} // namespace
