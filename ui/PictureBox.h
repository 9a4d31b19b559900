// The grid box: a framed picture shown at its natural size that keeps what is drawn onto it.
#pragma once

#include <QDateTime>
#include <QFont>
#include <QFrame>
#include <QImage>

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
    // Takes the size of the picture (border included), as the box does whenever it gets a picture.
    void fitToPicture();
    const QImage& picture() const;
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
    void decodeInitialPicture() const;

    Decoded lastFile_;
    mutable QString initialPath_;
    mutable QImage image_;
};
