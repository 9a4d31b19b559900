// The grid box: a level's grid picture with what the player wrote into its cells, shown crisp at the
// screen's resolution.
#pragma once

#include "Levels.h"

#include <QDateTime>
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

    // Shows the level's grid from its picture file, wiping whatever was written; false if the
    // file cannot be read, and then the box is blank.
    bool showLevel(const Level& level, const QString& pictureFile);
    // Writes a character into a cell over a white box that blanks the cell's digit area.
    void write(Cell cell, const QString& character);

    // The picture with what was written, in its own pixels.
    const QImage& picture() const;
    // The picture as the box shows it: at the screen's resolution and the box's size.
    const QImage& shownPicture() const;
    // Takes the size of the picture (border included), or, where that would not fit in the room it
    // is given, the largest size of the picture's proportions that does. An empty size: no limit.
    void setRoom(QSize room);
    // The font answers are written in, sized in pixels for the picture (the box's point size at 96 dpi).
    QFont writingFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The file last read and its decoded picture: showing the same unchanged file again ("Genera
    // Definizioni" on one level) reuses the decoding instead of reading it anew.
    struct Decoded {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        QImage image;
    };
    struct Written {
        Cell cell;
        QString character;
    };
    void setPicture(const QImage& image, const Level* level);
    void fitToPicture();
    void paintWritten(QPainter& painter, const Written& written, double scale) const;
    double shownScale() const;

    const Level* level_;  // the level whose grid the picture is; none for a blank box
    Decoded lastFile_;
    mutable QImage image_;  // the picture with what was written; drawn from the level when first needed
    QImage loaded_;         // the picture as shown before anything was written
    std::vector<Written> written_;
    QSize room_;
    mutable QImage shown_;  // image_ at shownScale(), made when first painted at that scale
};
