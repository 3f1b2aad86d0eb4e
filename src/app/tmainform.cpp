#include "app/tmainform.h"

#include <QTabWidget>
#include <QWidget>

Tmainform::Tmainform(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quillmar Formelsammlung für Excel"));
    PageControl1 = new QTabWidget(this);
    PageControl1->addTab(new QWidget, QStringLiteral("Formelsammlung"));
    PageControl1->addTab(new QWidget, QStringLiteral("Umrechnungen"));
    PageControl1->addTab(new QWidget, QStringLiteral("Formelsammlung bearbeiten"));
    setCentralWidget(PageControl1);
    resize(800, 600);
}
