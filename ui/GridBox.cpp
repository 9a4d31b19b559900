// Painting and writing for the grid box, at the picture's own pixels and at the screen's.
#include "GridBox.h"

#include "GridGeometry.h"
#include "GridPicture.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>

GridBox::GridBox(const Level& level, QWidget* parent) : QFrame(parent), level_(&level)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    fitToPicture();
}

bool GridBox::showLevel(const Level& level, const QString& pictureFile)
{
    // A file counts as unchanged while its size and modification time are; a file that has gone
    // is read again and so fails as it should.
    const QFileInfo file(pictureFile);
    if (file.exists() && pictureFile == lastFile_.path && file.size() == lastFile_.size &&
        file.lastModified() == lastFile_.modified) {
        setPicture(lastFile_.image, &level);
        return true;
    }
    QImage read;
    if (!read.load(pictureFile)) {
        QImage blank(grid_geometry::Width, grid_geometry::Height, QImage::Format_RGB32);
        blank.fill(Qt::white);
        setPicture(blank, nullptr);
        return false;
    }
    setPicture(read, &level);
    lastFile_ = Decoded{pictureFile, file.size(), file.lastModified(), image_};
    return true;
}

void GridBox::setPicture(const QImage& image, const Level* level)
{
    level_ = level;
    image_ = loaded_ = image.convertToFormat(QImage::Format_RGB32);
    written_.clear();
    shown_ = QImage();
    // A scaled box may be too low for its grid (wide screens make the window low): a new picture
    // shows whole again.
    fitToPicture();
    update();
}

const QImage& GridBox::picture() const
{
    if (image_.isNull())
        image_ = grid_picture::Draw(*level_);
    return image_;
}

void GridBox::setRoom(QSize room)
{
    room_ = room;
    fitToPicture();
}

void GridBox::fitToPicture()
{
    const QSize size = image_.isNull() ? QSize(grid_geometry::Width, grid_geometry::Height) : image_.size();
    const int frame = 2 * frameWidth();
    double fit = 1.0;
    if (room_.isValid())
        fit = std::min(
            {fit, double(room_.width() - frame) / size.width(), double(room_.height() - frame) / size.height()});
    resize(static_cast<int>(std::lround(size.width() * fit)) + frame,
           static_cast<int>(std::lround(size.height() * fit)) + frame);
}

double GridBox::shownScale() const
{
    // The screen's pixels per logical pixel, times the box's own shrinking where the picture would
    // not fit at its natural size.
    return devicePixelRatioF() * std::min(1.0, double(contentsRect().width()) / picture().width());
}

const QImage& GridBox::shownPicture() const
{
    const double scale = shownScale();
    if (scale == 1.0)
        return picture();
    if (!shown_.isNull() && shown_.width() == std::lround(image_.width() * scale))
        return shown_;
    // The level's grid is drawn afresh at this resolution (a blank box is scaled), then what was
    // written into it is written again, at this resolution too.
    const QSize size(static_cast<int>(std::lround(image_.width() * scale)),
                     static_cast<int>(std::lround(image_.height() * scale)));
    shown_ = level_ != nullptr ? grid_picture::Draw(*level_, scale)
                               : loaded_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                     .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&shown_);
    for (const Written& written : written_)
        paintWritten(painter, written, scale);
    shown_.setDevicePixelRatio(devicePixelRatioF());
    return shown_;
}

void GridBox::write(Cell cell, const QString& character)
{
    picture();
    written_.push_back({cell, character});
    QPainter painter(&image_);
    paintWritten(painter, written_.back(), 1.0);
    shown_ = QImage();
    update();
}

void GridBox::paintWritten(QPainter& painter, const Written& written, double scale) const
{
    // A pixel of the picture covers the screen pixels from floor(x * scale) up to floor((x + 1) * scale).
    const auto at = [scale](int position) { return static_cast<int>(std::floor(position * scale)); };
    const grid_geometry::DigitSpot spot = grid_geometry::DigitSpotOf(written.cell);
    painter.fillRect(QRect(QPoint(at(spot.x), at(spot.y)), QPoint(at(spot.x + grid_geometry::DigitBoxWidth + 1) - 1,
                                                                  at(spot.y + grid_geometry::DigitBoxHeight + 1) - 1)),
                     Qt::white);
    if (written.character.isEmpty())
        return;
    QFont font = writingFont();
    font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    // Top-left of the text cell at the spot: the line's top, not its baseline.
    painter.drawText(QRect(at(spot.x), at(spot.y), painter.device()->width(), painter.device()->height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, written.character);
}

QFont GridBox::writingFont() const
{
    QFont pixelFont = font();
    pixelFont.setPixelSize(static_cast<int>(std::lround(font().pointSizeF() * 96.0 / 72.0)));
    return pixelFont;
}

void GridBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawImage(contentsRect().topLeft(), shownPicture());
}
