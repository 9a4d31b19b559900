// Painting and drawing for the grid box.
#include "PictureBox.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    showBlank();
}

bool PictureBox::loadPicture(const QString& path)
{
    // A file counts as unchanged while its size and modification time are; a file that has gone
    // is read again and so fails as it should.
    const QFileInfo file(path);
    if (file.exists() && path == lastFile_.path && file.size() == lastFile_.size &&
        file.lastModified() == lastFile_.modified) {
        setPicture(lastFile_.image);
        return true;
    }
    QImage loaded;
    if (!loaded.load(path))
        return false;
    setPicture(loaded);
    lastFile_ = Decoded{path, file.size(), file.lastModified(), image_};
    return true;
}

void PictureBox::showBlank()
{
    QImage blank(GridWidth, GridHeight, QImage::Format_RGB32);
    blank.fill(Qt::white);
    setPicture(blank);
}

void PictureBox::setInitialPicture(const QString& path)
{
    initialPath_ = path;
    update();
}

void PictureBox::decodeInitialPicture() const
{
    if (initialPath_.isEmpty())
        return;
    QImage initial;
    if (initial.load(initialPath_) && initial.size() == image_.size())
        image_ = initial.convertToFormat(QImage::Format_RGB32);
    initialPath_.clear();
}

const QImage& PictureBox::picture() const
{
    decodeInitialPicture();
    return image_;
}

void PictureBox::setPicture(const QImage& image)
{
    initialPath_.clear();
    image_ = image.convertToFormat(QImage::Format_RGB32);
    // A scaled box may be too low for its grid (wide screens make the window low): a new picture
    // shows whole again.
    fitToPicture();
    update();
}

void PictureBox::fitToPicture()
{
    resize(image_.width() + 2 * frameWidth(), image_.height() + 2 * frameWidth());
}

void PictureBox::fillRectangle(int x1, int y1, int x2, int y2, const QColor& colour)
{
    // Both corners are inside the filled area.
    const QRect area(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
    decodeInitialPicture();
    QPainter painter(&image_);
    painter.fillRect(area, colour);
    update();
}

void PictureBox::drawText(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    decodeInitialPicture();
    QPainter painter(&image_);
    painter.setFont(drawingFont());
    painter.setPen(palette().color(QPalette::WindowText));
    // Top-left of the text cell at (x, y): the line's top, not its baseline.
    painter.drawText(QRect(x, y, image_.width(), image_.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     text);
    update();
}

QFont PictureBox::drawingFont() const
{
    QFont pixelFont = font();
    pixelFont.setPixelSize(static_cast<int>(std::lround(font().pointSizeF() * 96.0 / 72.0)));
    return pixelFont;
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawImage(contentsRect().topLeft(), picture());
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    emit mousePressed();
}
