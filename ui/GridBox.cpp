// Painting the play into the grid box, at the picture's own pixels and at the screen's, and its keys.
#include "GridBox.h"

#include "Cursor.h"
#include "GridGeometry.h"
#include "GridPicture.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

GridBox::GridBox(QWidget* parent) : QFrame(parent), cursor_(FirstWhiteCell(level()))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    fitToPicture();
}

const Level& GridBox::level() const
{
    return play_ != nullptr ? play_->level() : GetLevel(1);
}

void GridBox::showPlay(const Play& play, const QImage& picture)
{
    play_ = &play;
    blank_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    picture_ = QImage();
    painted_ = QImage();
    chosenCells_.clear();
    if (!level().isWhite(cursor_))
        cursor_ = FirstWhiteCell(level());
    // A scaled box may be too low for its grid (wide screens make the window low): a new picture
    // shows whole again.
    fitToPicture();
    update();
    QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
}

void GridBox::showCharacters(const std::vector<CellCharacter>& changed)
{
    picture_ = QImage();
    painted_ = QImage();
    update();
    for (const CellCharacter& c : changed)
        tellCellChanged(c.cell, QAccessible::NameChanged);
}

const QImage& GridBox::picture() const
{
    if (picture_.isNull())
        picture_ = withCharacters(1.0);
    return picture_;
}

QImage GridBox::withCharacters(double scale) const
{
    // At the picture's own size the picture file is shown; at any other the level's grid is drawn
    // afresh at that resolution, and the characters are written at that resolution too.
    QImage image = scale == 1.0 && !blank_.isNull() ? blank_.copy() : grid_picture::Draw(level(), scale);
    if (play_ == nullptr)
        return image;
    QPainter painter(&image);
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            if (const auto& character = play_->characterIn({row, column}))
                paintCharacter(painter, {row, column}, QString::fromStdString(*character), scale);
        }
    }
    return image;
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

double GridBox::paintedScale() const
{
    // The screen's pixels per logical pixel, times the box's own shrinking where the picture would
    // not fit at its natural size.
    return devicePixelRatioF() * std::min(1.0, double(contentsRect().width()) / grid_geometry::Width);
}

const QImage& GridBox::paintedPicture() const
{
    const double scale = paintedScale();
    if (scale == 1.0)
        return picture();
    if (painted_.isNull() || painted_.width() != std::lround(grid_geometry::Width * scale)) {
        painted_ = withCharacters(scale);
        painted_.setDevicePixelRatio(devicePixelRatioF());
    }
    return painted_;
}

void GridBox::setChosen(const std::vector<Cell>& cells, const QString& description)
{
    chosenCells_ = cells;
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
    if (!level().isWhite(cell) || cell == cursor_)
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

void GridBox::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const int key = event->key();
    // With Alt or Ctrl held a key is a command for the window, not play: Alt+L is no letter L.
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) {
        QFrame::keyPressEvent(event);
    } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        const Step step = key == Qt::Key_Left    ? Step::Left
                          : key == Qt::Key_Right ? Step::Right
                          : key == Qt::Key_Up    ? Step::Up
                                                 : Step::Down;
        setCursor(CellTowards(level(), cursor_, step));
    } else if (key == Qt::Key_Home || key == Qt::Key_End) {
        setCursor(key == Qt::Key_Home ? FirstWhiteCell(level()) : LastWhiteCell(level()));
    } else if (key == Qt::Key_Space) {
        emit chooseClueAt(cursor_);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit answerStarted(QString());
    } else if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'9') {
        emit answerStarted(text);
    } else if (text.size() == 1 && text[0].toUpper() >= u'A' && text[0].toUpper() <= u'Z') {
        if (const auto cell = CellOfLetter(level(), static_cast<char>(text[0].unicode())))
            setCursor(*cell);
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

void GridBox::paintCharacter(QPainter& painter, Cell cell, const QString& character, double scale) const
{
    // A pixel of the picture covers the screen pixels from floor(x * scale) up to floor((x + 1) * scale).
    const auto at = [scale](int position) { return static_cast<int>(std::floor(position * scale)); };
    const grid_geometry::DigitSpot spot = grid_geometry::DigitSpotOf(cell);
    painter.fillRect(QRect(QPoint(at(spot.x), at(spot.y)), QPoint(at(spot.x + grid_geometry::DigitBoxWidth + 1) - 1,
                                                                  at(spot.y + grid_geometry::DigitBoxHeight + 1) - 1)),
                     Qt::white);
    if (character.isEmpty())
        return;
    QFont font = writingFont();
    font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    // Top-left of the text cell at the spot: the line's top, not its baseline.
    painter.drawText(QRect(at(spot.x), at(spot.y), painter.device()->width(), painter.device()->height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, character);
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
    painter.drawImage(contentsRect().topLeft(), paintedPicture());
    if (!hasFocus())
        return;
    // The keyboard cursor: a thick blue frame just inside the cell's lines, clear on white and on
    // the black cells' colour alike.
    const double k = double(contentsRect().width()) / grid_geometry::Width;
    constexpr double Width = 3;
    painter.setPen(QPen(QColor(0, 90, 220), Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(grid_geometry::CellRect(cursor_, k, k, contentsRect().topLeft())
                         .adjusted(1 + Width / 2, 1 + Width / 2, -Width / 2, -Width / 2));
}
