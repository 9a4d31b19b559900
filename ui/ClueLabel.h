// A clue's text, which chooses the clue when clicked: a press and a release of the left button on it.
#pragma once

#include <QLabel>

class ClueLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Whether this is the clue chosen; a screen reader is told when it changes.
    bool isChosen() const { return chosen_; }
    void setChosen(bool chosen);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool chosen_ = false;
};
