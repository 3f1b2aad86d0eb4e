#pragma once
// The main window "Quillmar Formelsammlung für Excel": three pages into which the
// formula window, the conversion window and the collection editor dock themselves.
#include <QMainWindow>

class QTabWidget;

class Tmainform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmainform(QWidget* parent = nullptr);

    QTabWidget* pages() const { return PageControl1; }

private:
    QTabWidget* PageControl1 = nullptr;
};
