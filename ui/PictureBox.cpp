// Painting and drawing for the grid box, at the picture's own pixels and at the screen's.
#include "PictureBox.h"

#include "GridPicture.h"
#include "Levels.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A level's grid picture as its file holds it, drawn once when first asked for.
const QImage& StandardPicture(int level)
{
    static std::array<QImage, LevelCount> pictures;
    QImage& picture = pictures[static_cast<std::size_t>(level - 1)];
    if (picture.isNull())
        picture = grid_picture::Draw(*FindLevel(level));
    return picture;
}

}  // namespace

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
    loaded_ = image_;
    shown_ = QImage();
}

const QImage& PictureBox::picture() const
{
    decodeInitialPicture();
    return image_;
}

void PictureBox::setPicture(const QImage& image)
{
    initialPath_.clear();
    image_ = loaded_ = image.convertToFormat(QImage::Format_RGB32);
    drawings_.clear();
    shown_ = QImage();
    // A scaled box may be too low for its grid (wide screens make the window low): a new picture
    // shows whole again.
    fitToPicture();
    update();
}

void PictureBox::setRoom(QSize room)
{
    room_ = room;
    fitToPicture();
}

void PictureBox::fitToPicture()
{
    const int frame = 2 * frameWidth();
    double fit = 1.0;
    if (room_.isValid())
        fit = std::min(
            {fit, double(room_.width() - frame) / image_.width(), double(room_.height() - frame) / image_.height()});
    resize(static_cast<int>(std::lround(image_.width() * fit)) + frame,
           static_cast<int>(std::lround(image_.height() * fit)) + frame);
}

double PictureBox::shownScale() const
{
    // The screen's pixels per logical pixel, times the box's own shrinking where the picture would
    // not fit at its natural size.
    return devicePixelRatioF() * std::min(1.0, double(contentsRect().width()) / image_.width());
}

const QImage& PictureBox::shownPicture() const
{
    decodeInitialPicture();
    const double scale = shownScale();
    if (scale == 1.0)
        return image_;
    if (!shown_.isNull() && shown_.width() == std::lround(image_.width() * scale))
        return shown_;
    // A level's own grid is drawn afresh at this resolution; any other picture is scaled as well
    // as Qt can. Then what was drawn onto it is drawn again, at this resolution too.
    int level = LevelCount;
    while (level > 0 && loaded_ != StandardPicture(level))
        --level;
    const QSize size(static_cast<int>(std::lround(image_.width() * scale)),
                     static_cast<int>(std::lround(image_.height() * scale)));
    shown_ = level > 0 ? grid_picture::Draw(*FindLevel(level), scale)
                       : loaded_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&shown_);
    for (const Drawing& drawing : drawings_)
        paintDrawing(painter, drawing, scale);
    shown_.setDevicePixelRatio(devicePixelRatioF());
    return shown_;
}

void PictureBox::fillRectangle(int x1, int y1, int x2, int y2, const QColor& colour)
{
    // Both corners are inside the filled area.
    addDrawing({QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))), colour,
                QString()});
}

void PictureBox::drawText(int x, int y, const QString& text)
{
    if (!text.isEmpty())
        addDrawing({QRect(x, y, 0, 0), palette().color(QPalette::WindowText), text});
}

void PictureBox::addDrawing(const Drawing& drawing)
{
    decodeInitialPicture();
    drawings_.push_back(drawing);
    QPainter painter(&image_);
    paintDrawing(painter, drawing, 1.0);
    shown_ = QImage();
    update();
}

void PictureBox::paintDrawing(QPainter& painter, const Drawing& drawing, double scale) const
{
    // A pixel of the picture covers the screen pixels from floor(x * scale) up to floor((x + 1) * scale).
    const auto at = [scale](int position) { return static_cast<int>(std::floor(position * scale)); };
    const QRect& a = drawing.area;
    if (drawing.text.isEmpty()) {
        painter.fillRect(
            QRect(QPoint(at(a.left()), at(a.top())), QPoint(at(a.right() + 1) - 1, at(a.bottom() + 1) - 1)),
            drawing.colour);
        return;
    }
    QFont font = drawingFont();
    font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
    painter.setFont(font);
    painter.setPen(drawing.colour);
    // Top-left of the text cell at (x, y): the line's top, not its baseline.
    painter.drawText(QRect(at(a.left()), at(a.top()), painter.device()->width(), painter.device()->height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, drawing.text);
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
    painter.drawImage(contentsRect().topLeft(), shownPicture());
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    emit mousePressed();
}
