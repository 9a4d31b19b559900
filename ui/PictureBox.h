// The grid box: a framed picture that keeps what is drawn onto it, shown crisp at the screen's resolution.
#pragma once

#include <QDateTime>
#include <QFont>
#include <QFrame>
#include <QImage>

#include <vector>

class PictureBox : public QFrame {
    Q_OBJECT
public:
    static constexpr int BorderWidth = 2;
    static constexpr int GridWidth = 460;
    static constexpr int GridHeight = 262;

    explicit PictureBox(QWidget* parent = nullptr);

    // Replaces the picture and all drawing with the file's image; false (picture unchanged) if unreadable.
    bool loadPicture(const QString& path);
    // Replaces the picture with a blank white grid area.
    void showBlank();
    void setPicture(const QImage& image);
    // Takes the size of the picture (border included), as the box does whenever it gets a picture;
    // where that would not fit in the room it is given, the largest size of the picture's proportions
    // that does.
    void fitToPicture();
    void setRoom(QSize room);  // an empty size: no limit
    // The picture with what was drawn onto it, in its own pixels.
    const QImage& picture() const;
    // The picture as the box shows it: at the screen's resolution and the box's size.
    const QImage& shownPicture() const;
    // The picture the box holds from its creation, decoded only if it is ever needed: the first
    // puzzle loads its own picture, usually before the window is first painted.
    void setInitialPicture(const QString& path);

    // Drawing in pixels of the picture, in the box's own font and text colour.
    void fillRectangle(int x1, int y1, int x2, int y2, const QColor& colour);
    void drawText(int x, int y, const QString& text);

    // The font answers are drawn in, sized in pixels for the picture (the box's point size at 96 dpi).
    QFont drawingFont() const;

signals:
    void mousePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The file last read and its decoded picture: loading the same unchanged file again (the first
    // puzzle, "Genera Definizioni" on one level) reuses the decoding instead of reading it anew.
    struct Decoded {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        QImage image;
    };
    // A fill or a text drawn onto the picture, kept so it can be drawn again at any resolution.
    struct Drawing {
        QRect area;  // a fill's rectangle; a text's top-left corner
        QColor colour;
        QString text;
    };
    void decodeInitialPicture() const;
    void addDrawing(const Drawing& drawing);  // onto the picture now, and kept for other resolutions
    void paintDrawing(QPainter& painter, const Drawing& drawing, double scale) const;
    double shownScale() const;

    Decoded lastFile_;
    mutable QString initialPath_;
    mutable QImage image_;   // the picture as loaded, then drawn on
    mutable QImage loaded_;  // the picture as loaded
    std::vector<Drawing> drawings_;
    QSize room_;
    mutable QImage shown_;  // image_ at shownScale(), made when first painted at that scale
};
