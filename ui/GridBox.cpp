// Painting and writing for the grid box, at the picture's own pixels and at the screen's.
#include "GridBox.h"

#include "GridGeometry.h"
#include "GridPicture.h"
#include "LocalFiles.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QtEndian>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// A BMP whose header promises more pixels than the file holds was cut short: Qt would show what is
// missing as black.
bool CutShort(const QByteArray& bytes)
{
    if (!bytes.startsWith("BM") || bytes.size() < 34)
        return false;
    const auto at = [&bytes](int offset) { return bytes.constData() + offset; };
    if (qFromLittleEndian<quint32>(at(30)) != 0)  // compressed: its length is not known from the header
        return false;
    const qint64 width = qFromLittleEndian<qint32>(at(18)), height = qFromLittleEndian<qint32>(at(22));
    const qint64 stride = (width * qFromLittleEndian<quint16>(at(28)) + 31) / 32 * 4;
    return qFromLittleEndian<quint32>(at(10)) + stride * std::abs(height) > bytes.size();
}

// The most a grid picture's file can hold: its pixels at up to 32 bits, with room for the headers
// and a palette. Anything longer is no grid picture, and is not read on.
constexpr qint64 MaxPictureBytes = qint64(grid_geometry::Width) * grid_geometry::Height * 4 + 2048;

// The grid picture in the file's bytes, or none when they were cut short or hold another size.
QImage GridPictureIn(const QByteArray& bytes)
{
    QImage image;
    if (CutShort(bytes) || !image.loadFromData(bytes) ||
        image.size() != QSize(grid_geometry::Width, grid_geometry::Height))
        return {};
    return image;
}

}  // namespace

GridBox::GridBox(const Level& level, QWidget* parent) : QFrame(parent), level_(&level), cursor_(whiteCells().front())
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    fitToPicture();
}

bool GridBox::showLevel(const Level& level, const QByteArray& pictureFile)
{
    const std::optional<QByteArray> bytes = ReadRegularFile(pictureFile, MaxPictureBytes);
    if (bytes && !lastFile_.image.isNull() && *bytes == lastFile_.bytes) {
        setPicture(lastFile_.image, level);
        return true;
    }
    const QImage read = bytes ? GridPictureIn(*bytes) : QImage();
    setPicture(read, level);
    if (read.isNull())
        return false;
    lastFile_ = Decoded{*bytes, image_};
    return true;
}

void GridBox::setPicture(const QImage& image, const Level& level)
{
    level_ = &level;
    image_ = image.convertToFormat(QImage::Format_RGB32);  // none: drawn from the level's map when needed
    written_.clear();
    chosenCells_.clear();
    if (!level.isWhite(cursor_))
        cursor_ = whiteCells().front();
    shown_ = QImage();
    // A scaled box may be too low for its grid (wide screens make the window low): a new picture
    // shows whole again.
    fitToPicture();
    update();
    QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
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
    const QSize size(grid_geometry::Width, grid_geometry::Height);
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
    return devicePixelRatioF() * std::min(1.0, double(contentsRect().width()) / grid_geometry::Width);
}

const QImage& GridBox::shownPicture() const
{
    const double scale = shownScale();
    if (scale == 1.0)
        return picture();
    if (!shown_.isNull() && shown_.width() == std::lround(grid_geometry::Width * scale))
        return shown_;
    // The level's grid is drawn afresh at this resolution, then what was written into it is
    // written again, at this resolution too.
    shown_ = grid_picture::Draw(*level_, scale);
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
    tellCellChanged(cell, QAccessible::NameChanged);
}

QString GridBox::shownIn(Cell cell) const
{
    const auto last =
        std::find_if(written_.rbegin(), written_.rend(), [cell](const Written& w) { return w.cell == cell; });
    return last == written_.rend() ? QString() : last->character;
}

void GridBox::setChosen(const Entry* entry, const QString& description)
{
    chosenCells_ = entry != nullptr ? entry->cells : std::vector<Cell>();
    chosenDescription_ = description;
    // A screen reader says nothing of a changed description (Qt and Orca disagree on it) and nothing
    // of the same cell focused again: the focus goes by the table back to the cell, which is read
    // anew, the chosen clue with it. A moment apart, or the reader would take the two as one.
    if (hasFocus() && !descriptionOf(cursor_).isEmpty()) {
        QAccessibleEvent table(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&table);
        QTimer::singleShot(200, this, [this] {
            if (hasFocus())
                tellCellChanged(cursor_, QAccessible::Focus);
        });
    }
}

QString GridBox::descriptionOf(Cell cell) const
{
    const bool chosen = std::find(chosenCells_.begin(), chosenCells_.end(), cell) != chosenCells_.end();
    return chosen ? chosenDescription_ : QString();
}

void GridBox::setCursor(Cell cell)
{
    if (!level_->isWhite(cell) || cell == cursor_)
        return;
    cursor_ = cell;
    update();
    if (hasFocus())
        tellCellChanged(cell, QAccessible::Focus);
}

void GridBox::tellCellChanged(Cell cell, int event) const
{
    QAccessibleEvent changed(const_cast<GridBox*>(this), static_cast<QAccessible::Event>(event));
    changed.setChild(cell.row * GridColumns + cell.column);
    QAccessible::updateAccessibility(&changed);
}

Cell GridBox::cellTowards(int key) const
{
    const int dr = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    const int dc = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    for (Cell cell{cursor_.row + dr, cursor_.column + dc};
         cell.row >= 0 && cell.row < GridRows && cell.column >= 0 && cell.column < GridColumns;
         cell = {cell.row + dr, cell.column + dc}) {
        if (level_->isWhite(cell))
            return cell;
    }
    return cursor_;
}

std::vector<Cell> GridBox::whiteCells() const
{
    std::vector<Cell> white;
    for (int row = 0; row < GridRows; ++row)
        for (int column = 0; column < GridColumns; ++column)
            if (level_->isWhite({row, column}))
                white.push_back({row, column});
    return white;
}

void GridBox::keyPressEvent(QKeyEvent* event)
{
    const std::vector<Cell> white = whiteCells();
    const QString text = event->text();
    const int key = event->key();
    // With Alt or Ctrl held a key is a command for the window, not play: Alt+L is no letter L.
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) {
        QFrame::keyPressEvent(event);
    } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        setCursor(cellTowards(key));
    } else if (key == Qt::Key_Home || key == Qt::Key_End) {
        setCursor(key == Qt::Key_Home ? white.front() : white.back());
    } else if (key == Qt::Key_Space) {
        emit chooseClueAt(cursor_);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit answerStarted(QString());
    } else if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'9') {
        emit answerStarted(text);
    } else if (text.size() == 1 && text[0].toUpper() >= u'A' && text[0].toUpper() <= u'Z') {
        const char letter = static_cast<char>(text[0].toUpper().unicode());
        const auto at = std::find_if(white.begin(), white.end(), [&](Cell c) { return level_->letterIn(c) == letter; });
        if (at != white.end())
            setCursor(*at);
    } else {
        QFrame::keyPressEvent(event);
    }
}

void GridBox::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update();
    focusCursorCellLater();
}

void GridBox::focusCursorCellLater()
{
    // After the box's own focus event, which Qt sends once this returns: a screen reader then
    // reads the cell the cursor is on, not only the table.
    QMetaObject::invokeMethod(
        this, [this] { tellCellChanged(cursor_, QAccessible::Focus); }, Qt::QueuedConnection);
}

void GridBox::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
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
    if (!hasFocus())
        return;
    // The keyboard cursor: a thick blue frame just inside the cell's lines, clear on white and on
    // the black cells' colour alike.
    const double k = double(contentsRect().width()) / grid_geometry::Width;
    const auto x = [&](int column) { return contentsRect().left() + grid_geometry::ColumnLines[column] * k; };
    const auto y = [&](int row) { return contentsRect().top() + grid_geometry::RowLines[row] * k; };
    constexpr double Width = 3;
    painter.setPen(QPen(QColor(0, 90, 220), Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(
        QRectF(QPointF(x(cursor_.column), y(cursor_.row)), QPointF(x(cursor_.column + 1), y(cursor_.row + 1)))
            .adjusted(1 + Width / 2, 1 + Width / 2, -Width / 2, -Width / 2));
}
