// The grid box: a play's grid picture with the character each cell shows, crisp at the screen's
// resolution, and a keyboard cursor on one of its white cells whose keys it hands on.
#pragma once

#include "Play.h"

#include <QFont>
#include <QFrame>
#include <QImage>

#include <vector>

class GridBox : public QFrame {
    Q_OBJECT
public:
    static constexpr int BorderWidth = 2;

    // Shows level 1's grid, drawn from its map, until a play is shown.
    explicit GridBox(QWidget* parent = nullptr);

    // Shows the play: its level's grid picture (none: drawn from the level's map) and what its cells
    // show, now and as they change. The play must outlive the box's showing it.
    void showPlay(const Play& play, const QImage& picture);
    // The cells an answer has just written into.
    void showCharacters(const std::vector<CellCharacter>& changed);

    const Level& level() const;
    const Play* play() const { return play_; }
    // The cells of the clue chosen and what a screen reader says of it; told when the cursor is on
    // one of them, so that choosing by keyboard is heard.
    void setChosen(const std::vector<Cell>& cells, const QString& description);
    QString descriptionOf(Cell cell) const;
    // The white cell the keyboard is on, framed while the box has the focus.
    Cell cursor() const { return cursor_; }
    void setCursor(Cell cell);

    // The picture with the characters the cells show, in its own pixels.
    const QImage& picture() const;
    // The picture as the box paints it: at the screen's resolution and the box's size.
    const QImage& paintedPicture() const;
    // Takes the size of the picture (border included), or, where that would not fit in the room it
    // is given, the largest size of the picture's proportions that does. An empty size: no limit.
    void setRoom(QSize room);
    // The font answers are written in, sized in pixels for the picture (the box's point size at 96 dpi).
    QFont writingFont() const;

signals:
    // Space on a cell: the player wants a clue through it.
    void chooseClueAt(Cell cell);
    // A digit or Enter: the player starts an answer (`start` is the digit, or empty).
    void answerStarted(const QString& start);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The picture at a scale with every character a cell shows written into it.
    QImage withCharacters(double scale) const;
    void paintCharacter(QPainter& painter, Cell cell, const QString& character, double scale) const;
    void fitToPicture();
    double paintedScale() const;
    void tellCellChanged(Cell cell, int event) const;
    void focusCursorCellLater();

    const Play* play_ = nullptr;
    QImage blank_;            // the level's grid picture, none where it is drawn from the map
    mutable QImage picture_;  // with the characters, at the picture's own pixels, made when first needed
    mutable QImage painted_;  // with the characters, at paintedScale(), made when first painted
    QSize room_;
    Cell cursor_;
    std::vector<Cell> chosenCells_;
    QString chosenDescription_;
};
