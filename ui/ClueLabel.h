// A clue's text, which chooses the clue when clicked: a press and a release of the left button on it.
#pragma once

#include <QLabel>

class ClueLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
