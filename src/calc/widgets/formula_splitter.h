#pragma once
// The narrow panel between the formula list and the text of a calculation window:
// dragging it with the left button sets the list's width; its button "X" hides
// the list.
#include <QWidget>

class QPushButton;

namespace quillmar::calc {

class FormulaSplitter : public QWidget {
    Q_OBJECT
public:
    explicit FormulaSplitter(QWidget* parent = nullptr);
    QPushButton* closeButton() const { return close_; }

signals:
    // The mouse's horizontal position in the parent while dragging.
    void dragged(int x);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPushButton* close_ = nullptr;
    bool dragging_ = false;
};

} // namespace quillmar::calc
