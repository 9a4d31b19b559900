// Building the game's window from its design: controls, fonts, colours, menus and tab order.
#include "GameWindow.h"

#include "ClueLabel.h"
#include "ColouredButton.h"
#include "GameAccessibility.h"
#include "GridBox.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace {

// The design's colours before the first level's are applied.
constexpr Rgb DesignBackground{192, 255, 255};
constexpr Rgb White{255, 255, 255};

// The clue rows: a letter box, then the clue's text, one row of 480 twips per clue.
DesignRect LetterRect(Direction direction, int i)
{
    return direction == Direction::Across ? DesignRect{120, 720 + 480 * i, 375, 375}
                                          : DesignRect{9720, 840 + 480 * i, 375, 375};
}

DesignRect ClueRect(Direction direction, int i)
{
    return direction == Direction::Across ? DesignRect{480, 720 + 480 * i, 1695, 375}
                                          : DesignRect{10080, 840 + 480 * i, 1575, 375};
}

// The client area at the design's size, in pixels.
QSize DesignClientSize()
{
    return QSize(GameWindow::DesignClient.width, GameWindow::DesignClient.height) / TwipsPerPixel;
}

}  // namespace

GameWindow::GameWindow()
{
    InstallGameAccessibility();
    setWindowTitle(QStringLiteral("Quadrivello"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quadrivello.png")));
    auto* area = new QWidget(this);
    area->setAutoFillBackground(true);
    setCentralWidget(area);
    setBackColour(area, DesignBackground);
    createMenus();

    grid_ = place(new GridBox(area), {2520, 480, 6960, 3990}, "Verdana", 14.25);
    grid_->setFocusPolicy(Qt::TabFocus);
    grid_->setAccessibleName(QStringLiteral("Schema"));
    headings_[0] = place(new QLabel(QStringLiteral("Orizzontali"), area), {600, 360, 1095, 255}, "Verdana", 9.75);
    headings_[1] = place(new QLabel(QStringLiteral("Verticali"), area), {10200, 360, 975, 255}, "Verdana", 9.75);
    newPuzzleButton_ =
        place(new ColouredButton(QStringLiteral("Genera Definizioni"), area), {120, 6480, 1935, 495}, "Arial", 9.75);
    answerBox_ = place(new QLineEdit(area), {5400, 6720, 735, 375}, "Arial", 9.75);
    answerBox_->setAccessibleName(QStringLiteral("Risposta"));
    answerBox_->setEnabled(false);
    confirmButton_ =
        place(new ColouredButton(QStringLiteral("Conferma"), area), {6240, 6600, 1215, 495}, "Arial", 9.75);
    checkButton_ =
        place(new ColouredButton(QStringLiteral("Controllo"), area), {10440, 6600, 1215, 495}, "Arial", 9.75);
    for (QLabel* heading : headings_) {
        heading->setTextFormat(Qt::PlainText);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    firstRow_ = placed_.size();
    setClueRows(GetLevel(1));
    // Tab goes from the grid to the answer box and on through the buttons.
    setTabOrder(grid_, answerBox_);
    setTabOrder(answerBox_, confirmButton_);
    setTabOrder(confirmButton_, newPuzzleButton_);
    setTabOrder(newPuzzleButton_, checkButton_);
    connect(new QShortcut(Qt::Key_Escape, answerBox_, nullptr, nullptr, Qt::WidgetShortcut), &QShortcut::activated,
            grid_, [this] { grid_->setFocus(Qt::OtherFocusReason); });
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this, &GameWindow::openMenus);
    // What the player asks for goes out as the window's signals; the game tells the window what to show.
    connect(grid_, &GridBox::chooseClueAt, this, &GameWindow::clueWantedAt);
    connect(grid_, &GridBox::answerStarted, this, [this](const QString& start) {
        if (!answerBox_->isEnabled())
            emit answerStartedAt(grid_->cursor());
        startAnswer(start);
    });
    connect(confirmButton_, &QPushButton::clicked, this, [this] { emit answerConfirmed(answerBox_->text()); });
    connect(newPuzzleButton_, &QPushButton::clicked, this, &GameWindow::newPuzzleWanted);
    connect(checkButton_, &QPushButton::clicked, this, &GameWindow::checkWanted);
    qApp->installEventFilter(this);

    resize(DesignClientSize().width(), DesignClientSize().height() + menuBar()->sizeHint().height());
}

template <typename T> T* GameWindow::place(T* widget, const DesignRect& design, const char* font, double points)
{
    placed_.push_back({widget, design, points});
    widget->setGeometry(ScaledRect(design, DesignClient, DesignClientSize()));
    QFont f(QString::fromLatin1(font));
    f.setPointSizeF(points);
    widget->setFont(f);
    return widget;
}

void GameWindow::setClueRows(const Level& level)
{
    const auto& entries = [&level](Direction direction) { return level.entries(direction); };
    if (letters_[0].size() == entries(Direction::Across).size() &&
        letters_[1].size() == entries(Direction::Down).size())
        return;
    // Rows a level does not have are not built, so that a screen reader finds only the clues a
    // player sees; all rows are built again, so that they keep the reading order.
    for (std::size_t side = 0; side < 2; ++side) {
        for (QLabel* row : letters_[side])
            delete row;
        for (QLabel* row : clues_[side])
            delete row;
        letters_[side].clear();
        clues_[side].clear();
    }
    placed_.resize(firstRow_);
    for (const Direction direction : {Direction::Across, Direction::Down})
        for (int i = 0; i < static_cast<int>(entries(direction).size()); ++i)
            addClueRow(direction, i);
    if (keeper_ != nullptr)
        fitControls();
}

void GameWindow::addClueRow(Direction direction, int index)
{
    const std::size_t side = Side(direction);
    QLabel* letter = place(new QLabel(client()), LetterRect(direction, index), "Arial", 9.75);
    ClueLabel* clue = place(new ClueLabel(client()), ClueRect(direction, index), "Arial", 9.75);
    letters_[side].push_back(letter);
    clues_[side].push_back(clue);
    for (QLabel* label : {letter, static_cast<QLabel*>(clue)}) {
        label->show();
        label->setTextFormat(Qt::PlainText);
        // A thin black line drawn in the label's text colour, the text one pixel inside it.
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setIndent(1);
        setBackColour(label, White);
    }
    letter->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    clue->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(clue, &ClueLabel::clicked, this, [this, direction, index] { emit clueChosen({direction, index}); });
}

void GameWindow::createMenus()
{
    QMenuBar* bar = menuBar();
    quitAction_ = bar->addAction(QStringLiteral("Esci"));
    QMenu* levels = bar->addMenu(QStringLiteral("Livelli"));
    // A new puzzle has other clues: the keyboard goes on from the grid, once the menu has closed.
    connect(
        levels, &QMenu::triggered, this, [this] { grid_->setFocus(Qt::MenuBarFocusReason); }, Qt::QueuedConnection);
    for (int level = 1; level <= LevelCount; ++level) {
        levelActions_[static_cast<std::size_t>(level - 1)] = levels->addAction(QStringLiteral("Livello %1").arg(level));
        connect(levelAction(level), &QAction::triggered, this, [this, level] { emit levelChosen(level); });
    }
    // The class the clues are written for: one of three, below the levels.
    levels->addSeparator();
    auto* classes = new QActionGroup(this);
    const QString classNames[] = {QStringLiteral("Classe seconda"), QStringLiteral("Classe terza"),
                                  QStringLiteral("Dalla classe quarta")};
    for (std::size_t i = 0; i < classActions_.size(); ++i) {
        classActions_[i] = classes->addAction(classNames[i]);
        classActions_[i]->setCheckable(true);
        levels->addAction(classActions_[i]);
        const auto year = static_cast<SchoolYear>(i + 2);
        connect(classActions_[i], &QAction::triggered, this, [this, year] { emit classChosen(year); });
    }
    classAction(SchoolYear::FourthOn)->setChecked(true);
    helpAction_ = bar->addAction(QStringLiteral("Help"));
    infoAction_ = bar->addMenu(QStringLiteral("Info"))->addAction(QStringLiteral("Info"));
    // Nothing is saved: closing the window ends the game.
    connect(quitAction_, &QAction::triggered, this, &QWidget::close);
    connect(helpAction_, &QAction::triggered, this, &GameWindow::manualWanted);
    connect(infoAction_, &QAction::triggered, this, &GameWindow::informationWanted);
}

QLabel* GameWindow::clueLetter(ClueRef clue) const
{
    const auto& row = letters_[Side(clue.direction)];
    return clue.index >= 0 && clue.index < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(clue.index)]
                                                                        : nullptr;
}

ClueLabel* GameWindow::clueText(ClueRef clue) const
{
    const auto& row = clues_[Side(clue.direction)];
    return clue.index >= 0 && clue.index < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(clue.index)]
                                                                        : nullptr;
}

void GameWindow::setBackColour(QWidget* widget, Rgb colour)
{
    if (auto* button = qobject_cast<ColouredButton*>(widget)) {
        button->setColour(colour);
        return;
    }
    // Labels and the client area fill their background from the palette: far cheaper than a
    // style sheet for each of the window's labels.
    const QColor fill(colour.r, colour.g, colour.b);
    if (widget->autoFillBackground() && widget->palette().color(QPalette::Window) == fill)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, fill);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void GameWindow::showClass(SchoolYear year)
{
    classAction(year)->setChecked(true);
    for (int level = 1; level <= LevelCount; ++level)
        levelAction(level)->setEnabled(YearFitsLevel(year, level));
}

void GameWindow::showColours(const Level& level)
{
    for (QWidget* panel : std::initializer_list<QWidget*>{client(), headings_[0], headings_[1]})
        setBackColour(panel, level.panelColour());
    for (QPushButton* button : {confirmButton_, newPuzzleButton_, checkButton_})
        setBackColour(button, level.buttonColour());
}

void GameWindow::showPlay(const Play& play, const QImage& picture)
{
    const Puzzle& puzzle = play.puzzle();
    grid_->showPlay(play, picture);
    switchOff(confirmButton_);
    answerBox_->clear();
    answerBox_->setAccessibleName(QStringLiteral("Risposta"));
    setClueRows(*puzzle.level);
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        for (const PuzzleEntry& entry : puzzle.entries(direction)) {
            const ClueRef ref{direction, entry.entry->index};
            setBackColour(clueLetter(ref), White);
            setBackColour(clueText(ref), White);
            clueText(ref)->setChosen(false);
            clueLetter(ref)->setText(QString(QChar::fromLatin1(entry.entry->letter)));
            clueText(ref)->setText(QString::fromStdString(entry.clue));
            refreshClueNames(ref, entry.spoken.empty() ? entry.clue : entry.spoken);
        }
    }
    fitTexts();
}

void GameWindow::showChosen(ClueRef chosen, const Entry& entry)
{
    confirmButton_->setEnabled(true);
    answerBox_->setEnabled(true);
    // Every row turns plain, so at most one clue is ever highlighted.
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        for (int i = 0; i < static_cast<int>(letters_[Side(direction)].size()); ++i) {
            const Rgb colour = ClueRef{direction, i} == chosen ? ChosenClueColour : White;
            setBackColour(clueText({direction, i}), colour);
            setBackColour(clueLetter({direction, i}), colour);
            clueText({direction, i})->setChosen(ClueRef{direction, i} == chosen);
        }
    }
    answerBox_->clear();
    answerBox_->setAccessibleName(QStringLiteral("Risposta per ") + clueText(chosen)->accessibleName());
    grid_->setChosen(entry.cells, QStringLiteral("scelta: ") + clueText(chosen)->accessibleName());
}

void GameWindow::showCharacters(const std::vector<CellCharacter>& changed)
{
    grid_->showCharacters(changed);
}

void GameWindow::disarm()
{
    switchOff(confirmButton_);
    switchOff(answerBox_);
}

void GameWindow::startAnswer(const QString& start)
{
    if (!answerBox_->isEnabled())
        return;
    answerBox_->setFocus(Qt::OtherFocusReason);
    answerBox_->insert(start);
}

void GameWindow::switchOff(QWidget* widget)
{
    // A control that turns itself off while it has the keyboard focus ("Conferma" pressed with
    // Space) hands the focus to the grid box, which ignores keys: Qt would pass it on to "Genera
    // Definizioni", and a second Space would replace the puzzle unasked.
    if (widget->hasFocus())
        grid_->setFocus(Qt::OtherFocusReason);
    widget->setEnabled(false);
}

void GameWindow::refreshClueNames(ClueRef clue, const std::string& spoken)
{
    const bool across = clue.direction == Direction::Across;
    const QString letter = clueLetter(clue)->text();
    clueText(clue)->setAccessibleName(
        (across ? QStringLiteral("Orizzontale %1: %2") : QStringLiteral("Verticale %1: %2"))
            .arg(letter, QString::fromStdString(spoken).trimmed()));
    clueLetter(clue)->setAccessibleName(
        (across ? QStringLiteral("Lettera orizzontale %1") : QStringLiteral("Lettera verticale %1")).arg(letter));
}

void GameWindow::fitToScreen()
{
    if (keeper_ == nullptr) {
        keeper_ = new FrameKeeper(*this);
        connect(keeper_, &FrameKeeper::clientAreaChanged, this, &GameWindow::fitControls);
    }
    keeper_->place(WindowBounds(screen()->geometry()));
    fitControls();
}

void GameWindow::fitControls()
{
    // A hidden window lays out its menu bar and client area only when shown: do it now.
    layout()->invalidate();
    layout()->activate();
    const QSize size = client()->size();
    setUpdatesEnabled(false);
    for (const Placed& p : placed_)
        p.widget->setGeometry(ScaledRect(p.design, DesignClient, size));
    setUpdatesEnabled(true);

    grid_->setRoom(QSize());
    const QRect natural = grid_->geometry();
    // Clear of a control that sits right of its top-left corner, or below it: whichever lets it be larger.
    double fit = 1.0;
    for (const Placed& p : placed_) {
        const QRect other = p.widget->geometry();
        if (p.widget != grid_ && other.intersects(natural))
            fit = std::min(fit, std::max(double(other.left() - natural.left()) / natural.width(),
                                         double(other.top() - natural.top()) / natural.height()));
    }
    if (fit < 1.0)
        grid_->setRoom(QSize(int(natural.width() * fit), int(natural.height() * fit)));

    // Fonts keep their size when the controls shrink, as long as their captions fit.
    for (QWidget* widget :
         std::initializer_list<QWidget*>{headings_[0], headings_[1], newPuzzleButton_, confirmButton_, checkButton_}) {
        const auto* button = qobject_cast<QPushButton*>(widget);
        const QString caption = button != nullptr ? button->text() : static_cast<QLabel*>(widget)->text();
        QRect wanted = widget->geometry();
        wanted.setWidth(
            std::max(wanted.width(), widget->fontMetrics().horizontalAdvance(caption) + (button != nullptr ? 12 : 2)));
        wanted.setRight(std::min(wanted.right(), client()->width() - 1));
        for (const Placed& p : placed_) {
            if (p.widget != widget && p.widget->geometry().intersects(wanted))
                wanted.setRight(std::min(wanted.right(), p.widget->x() - 1));
        }
        widget->resize(std::max(wanted.width(), widget->width()), wanted.height());
    }
    fitTexts();
}

void GameWindow::fitTexts()
{
    for (const Placed& p : placed_) {
        const auto* button = qobject_cast<QPushButton*>(p.widget);
        const auto* label = qobject_cast<QLabel*>(p.widget);
        if (button == nullptr && label == nullptr)
            continue;
        const QString text = button != nullptr ? button->text() : label->text();
        const int room = p.widget->contentsRect().width() - (button != nullptr ? 6 : 0);
        QFont font = p.widget->font();
        font.setPointSizeF(p.points);
        // A heading has no frame: its line may be a little higher than the heading and still show whole.
        const bool framed = button != nullptr || label->frameWidth() > 0;
        const auto fits = [&] {
            const QFontMetrics metrics(font, p.widget);
            return metrics.horizontalAdvance(text) < room && (!framed || metrics.height() <= p.widget->height());
        };
        while (font.pointSizeF() > 4 && !fits())
            font.setPointSizeF(font.pointSizeF() - 0.25);
        if (font != p.widget->font())
            p.widget->setFont(font);
    }
}

void GameWindow::openMenus()
{
    menuBar()->setFocus(Qt::MenuBarFocusReason);
    menuBar()->setActiveAction(menuBar()->actions().constFirst());
}

void GameWindow::returnFromMenus()
{
    // Still open, or the window in the background (a message box, the manual): later, then.
    if (!menusHaveKeyboard_ || !isActiveWindow() || QApplication::activePopupWidget() != nullptr ||
        menuBar()->activeAction() != nullptr)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus == menuBar())
        (keyboardAt_ != nullptr && keyboardAt_->isEnabled() ? keyboardAt_.data() : grid_)
            ->setFocus(Qt::MenuBarFocusReason);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the application comes here: only keys and focus, and only a control's, are looked at.
    const auto type = event->type();
    const bool isKey = type == QEvent::KeyPress || type == QEvent::ShortcutOverride || type == QEvent::KeyRelease;
    auto* widget = isKey || type == QEvent::FocusIn ? qobject_cast<QWidget*>(watched) : nullptr;
    if (widget == nullptr)
        return QMainWindow::eventFilter(watched, event);
    // The menu bar takes the keyboard from a control (F10, Alt), which gets it back once the menus
    // close; a control that takes it otherwise (Qt gives it back itself, a click) ends that.
    if (type == QEvent::FocusIn && widget->window() == this) {
        menusHaveKeyboard_ = widget == menuBar();
        if (!menusHaveKeyboard_)
            keyboardAt_ = widget;
    }
    if (isKey) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyRelease) {
            // A key event goes up from the control to the window and is seen here at each step: the
            // first opens the menus.
            if (keyEvent->key() == Qt::Key_Alt && altAlone_ && widget->window() == this)
                openMenus();
            altAlone_ = false;
        } else if (keyEvent->key() != Qt::Key_Alt) {
            altAlone_ = false;
        } else if (type == QEvent::KeyPress && !keyEvent->isAutoRepeat()) {
            altAlone_ = !menuBar()->hasFocus();  // with the menus open it opens nothing (Qt's own may close them)
        }
        // The menus may have closed on this key: seen once it has done its work.
        if (type == QEvent::KeyPress && menusHaveKeyboard_)
            QMetaObject::invokeMethod(this, &GameWindow::returnFromMenus, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void GameWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && menusHaveKeyboard_)
        QMetaObject::invokeMethod(this, &GameWindow::returnFromMenus, Qt::QueuedConnection);
    QMainWindow::changeEvent(event);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    event->accept();
}
