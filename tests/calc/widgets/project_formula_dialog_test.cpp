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
    const ProjectFormulaDialog::Controls c = d.controls();
    EXPECT_EQ(c.formulaEdit->text(), "f(x)=x");
    ASSERT_EQ(c.examples->count(), 15);
    EXPECT_EQ(c.examples->item(14)->text(), "");
    for (int i = 0; i + 1 < c.examples->count(); ++i) {
        store.clear();
        emit c.examples->itemClicked(c.examples->item(i));
        EXPECT_EQ(c.formulaEdit->text(), c.examples->item(i)->text());
        EXPECT_TRUE(d.define()) << c.formulaEdit->text().toStdString();
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFormulas, TypingDefiningAndDeleting)
{
    ProjectFormulaDialog& d = dialog();
    const ProjectFormulaDialog::Controls c = d.controls();
    c.formulaEdit->clear();
    for (const char* key : {"(", "2", "+", "3", ")", "*", "2", "="}) {
        for (QPushButton* button : d.findChildren<QPushButton*>()) {
            if (button->text() == QString::fromLatin1(key))
                button->click();
        }
    }
    EXPECT_EQ(c.formulaEdit->text(), "(2+3)*2=");
    emit c.formulaEdit->returnPressed();
    EXPECT_EQ(c.result->text(), "(2+3)*2=10,000");

    c.formulaEdit->setText("g(t)=");
    emit c.functions->itemClicked(c.functions->item(0));
    EXPECT_EQ(c.formulaEdit->text(), "g(t)=SIN(");
    c.formulaEdit->insert("t)");
    ASSERT_TRUE(d.define());
    c.formulaEdit->setText("a = 5");
    ASSERT_TRUE(d.define());
    EXPECT_EQ(items(c.defined), (QStringList{"g(t)=SIN(t)", "a=5"}));

    c.formulaEdit->setText("3+4=5");
    EXPECT_FALSE(d.define());
    EXPECT_EQ(messages.shown, Lines{"\"3+4=5\" ist keine gültige Definition."});

    c.defined->setCurrentRow(0);
    d.deleteSelected();
    EXPECT_EQ(store.list(), Lines{"a=5"});
    EXPECT_EQ(items(c.defined), QStringList{"a=5"});
    c.defined->setCurrentRow(-1);
    d.deleteSelected();
    EXPECT_EQ(messages.shown.back(), "Bitte wählen Sie zuerst eine Formel in der Liste aus.");
    EXPECT_EQ(store.size(), 1u);

    // Every window's formula list is empty at its next rebuild.
    quillmar::calc::CalcWindow& w = window();
    w.showProjectFormulas(true);
    EXPECT_EQ(w.formulaList()->count(), 1);
    d.deleteAll();
    EXPECT_EQ(store.size(), 0u);
    EXPECT_EQ(c.defined->count(), 0);
    EXPECT_EQ(w.formulaList()->count(), 0);
}

TEST_F(ProjectFormulas, ImportSaveAndCompute)
{
    ProjectFormulaDialog& d = dialog();
    const ProjectFormulaDialog::Controls c = d.controls();
    const auto file = folder / "formeln.FOR";
    std::ofstream(file, std::ios::binary) << "; Sammlung\r\nk=2\r\n\r\nh(x)=k*x\r\n1+=\r\n";
    ASSERT_TRUE(d.loadFormulaFile(QString::fromStdString(file.string())));
    EXPECT_EQ(items(c.importList), (QStringList{"; Sammlung", "k=2", "h(x)=k*x", "1+="}));

    c.importList->item(1)->setSelected(true);
    d.takeSelected();
    EXPECT_EQ(store.list(), Lines{"k=2"});
    d.takeAll();
    EXPECT_EQ(store.list(), (Lines{"k=2", "h(x)=k*x"}));
    EXPECT_EQ(messages.shown.back(), "Nicht übernommene Zeilen:\n1+=");

    const auto saved = folder / "neu.for";
    ASSERT_TRUE(d.saveFormulas(QString::fromStdString(saved.string())));
    std::ifstream in(saved, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "k=2\r\nh(x)=k*x\r\n");

    d.setNumberPattern("0.0");
    c.expressionEdit->setText("h(3) + 1");
    d.compute();
    c.expressionEdit->setText("h(");
    d.compute();
    EXPECT_EQ(messages.shown.back(), "ungültiger Ausdruck");
    EXPECT_EQ(items(c.computed), QStringList{"h(3)+1=7,0"});

    EXPECT_FALSE(d.loadFormulaFile(QString::fromStdString((folder / "fehlt.for").string())));
}

} // namespace
