// The grid box: a level's grid picture with what the player wrote into its cells, shown crisp at the
// screen's resolution, and a keyboard cursor on one of its white cells.
#pragma once

#include "Levels.h"

#include <QFont>
#include <QFrame>
#include <QImage>

#include <vector>

class GridBox : public QFrame {
    Q_OBJECT
public:
    static constexpr int BorderWidth = 2;

    // Shows the level's grid, drawn from its map, until a picture file is shown.
    explicit GridBox(const Level& level, QWidget* parent = nullptr);

    // Shows the level's grid from its picture file (named by its bytes), wiping whatever was written.
    // A file that cannot be read, is no regular file, was cut short or is not of the grid's size
    // gives false, and the grid is then drawn from the level's map instead.
    bool showLevel(const Level& level, const QByteArray& pictureFile);
    // Writes a character into a cell over a white box that blanks the cell's digit area.
    void write(Cell cell, const QString& character);

    const Level& level() const { return *level_; }
    // The character last written into a cell; empty when none was, or an empty one was.
    QString shownIn(Cell cell) const;
    // The cells of the clue chosen and what a screen reader says of it; told when the cursor is on
    // one of them, so that choosing by keyboard is heard.
    void setChosen(const Entry* entry, const QString& description);
    QString descriptionOf(Cell cell) const;
    // The white cell the keyboard is on, framed while the box has the focus.
    Cell cursor() const { return cursor_; }
    void setCursor(Cell cell);

    // The picture with what was written, in its own pixels.
    const QImage& picture() const;
    // The picture as the box shows it: at the screen's resolution and the box's size.
    const QImage& shownPicture() const;
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
    // The bytes last decoded and their picture: showing the same bytes again ("Genera Definizioni"
    // on one level) reuses the decoding; a file changed in any way is decoded anew.
    struct Decoded {
        QByteArray bytes;
        QImage image;
    };
    struct Written {
        Cell cell;
        QString character;
    };
    void setPicture(const QImage& image, const Level& level);
    void fitToPicture();
    void paintWritten(QPainter& painter, const Written& written, double scale) const;
    double shownScale() const;
    std::vector<Cell> whiteCells() const;  // in reading order
    // The white cell the arrow key leads to from the cursor, or the cursor itself at the grid's edge.
    Cell cellTowards(int key) const;
    void tellCellChanged(Cell cell, int event) const;
    void focusCursorCellLater();

    const Level* level_;
    Decoded lastFile_;
    mutable QImage image_;  // the picture with what was written; drawn from the level when first needed
    std::vector<Written> written_;
    QSize room_;
    mutable QImage shown_;  // image_ at shownScale(), made when first painted at that scale
    Cell cursor_;           // declared after level_, which it is found in
    std::vector<Cell> chosenCells_;
    QString chosenDescription_;
};
