// The game's window: the grid, a column of clues on each side of it, the answer box, the three
// buttons and the menus, laid out from the window's design and fitted to the screen.
#pragma once

#include "ClassClues.h"
#include "Play.h"
#include "ScreenFit.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <vector>

class ClueLabel;
class FrameKeeper;
class GridBox;
class QAction;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;

inline constexpr Rgb ChosenClueColour{200, 200, 0};

class GameWindow : public QMainWindow {
    Q_OBJECT
public:
    // The client area the design was drawn for, in twips.
    static constexpr DesignRect DesignClient{0, 0, 11880, 8190};

    GameWindow();

    GridBox* grid() const { return grid_; }
    QLineEdit* answerBox() const { return answerBox_; }
    QPushButton* confirmButton() const { return confirmButton_; }
    QPushButton* newPuzzleButton() const { return newPuzzleButton_; }
    QPushButton* checkButton() const { return checkButton_; }
    QLabel* heading(Direction direction) const { return headings_[Side(direction)]; }
    // A clue row's letter and text; nullptr past the rows of the level shown.
    QLabel* clueLetter(ClueRef clue) const;
    ClueLabel* clueText(ClueRef clue) const;
    QAction* quitAction() const { return quitAction_; }
    QAction* levelAction(int level) const { return levelActions_[static_cast<std::size_t>(level - 1)]; }
    QAction* classAction(SchoolYear year) const { return classActions_[static_cast<std::size_t>(year) - 2]; }
    QAction* helpAction() const { return helpAction_; }
    QAction* infoAction() const { return infoAction_; }
    // The client area below the menu bar, on which every control sits.
    QWidget* client() const { return centralWidget(); }

    // The class checked in the Livelli menu, and only the levels that suit it enabled.
    void showClass(SchoolYear year);
    // The level's colours on the window, the headings and the buttons.
    void showColours(const Level& level);
    // The play's grid from its picture (none: drawn from the level's map), its letters and clues in as
    // many rows as its level has, none chosen; "Conferma" off and the answer box emptied. The window
    // shows the play's cells from then on.
    void showPlay(const Play& play, const QImage& picture);
    // The clue highlighted, the answer box emptied, it and "Conferma" on.
    void showChosen(ClueRef clue, const Entry& entry);
    // What the cells an answer wrote into now show.
    void showCharacters(const std::vector<CellCharacter>& changed);
    // "Conferma" and the answer box off.
    void disarm();

    // Takes its share of the screen, centred, the controls scaled with it; see fitControls().
    void fitToScreen();
    // Every control with its rectangle in the design.
    struct Placed {
        QWidget* widget;
        DesignRect design;
        double points;  // the design's font size
    };
    const std::vector<Placed>& placedControls() const { return placed_; }

signals:
    // What the player asks for.
    void clueChosen(ClueRef clue);    // a click on a clue, or a screen reader's press
    void clueWantedAt(Cell cell);     // Space on a cell: a clue through it
    void answerStartedAt(Cell cell);  // a digit on a cell with no clue open: a clue through it first
    void answerConfirmed(const QString& typed);
    void newPuzzleWanted();
    void levelChosen(int level);
    void classChosen(SchoolYear year);
    void checkWanted();
    void manualWanted();
    void informationWanted();
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Every key and change of focus in the application: Alt pressed and let go alone opens the menus,
    // as F10 does (the ways desktops open them), whichever control has the keyboard, and Alt with
    // another key does not; menus that took the keyboard give it back when they close.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static std::size_t Side(Direction direction) { return direction == Direction::Across ? 0 : 1; }
    template <typename T> T* place(T* widget, const DesignRect& design, const char* font, double points);
    // As many clue rows as the level has entries.
    void setClueRows(const Level& level);
    void addClueRow(Direction direction, int index);
    void createMenus();
    // The answer box takes the keyboard and the answer's start (a digit; nothing for Enter); nothing
    // happens while it is off.
    void startAnswer(const QString& start);
    void setBackColour(QWidget* widget, Rgb colour);
    void switchOff(QWidget* widget);
    void openMenus();
    // Once the menus that took the keyboard are closed and have left it nowhere, it goes back to the
    // control that had it.
    void returnFromMenus();
    void refreshClueNames(ClueRef clue, const std::string& spoken);
    // The controls at their design rectangles scaled to the client area; then the grid shown at its
    // natural size, or, where that would cover another control (a small screen), just small enough
    // not to; a heading or a button whose caption no longer fits grows to the right, into free space.
    void fitControls();
    // A caption too wide or too high for its control is drawn smaller, so that it always shows whole: a clipped
    // clue would show another calculation. One that fits is drawn at the design's size.
    void fitTexts();

    GridBox* grid_;
    std::array<QLabel*, 2> headings_{};
    QPushButton* newPuzzleButton_;
    QLineEdit* answerBox_;
    QPushButton* confirmButton_;
    QPushButton* checkButton_;
    std::array<std::vector<QLabel*>, 2> letters_;
    std::array<std::vector<ClueLabel*>, 2> clues_;
    QAction* quitAction_ = nullptr;
    std::array<QAction*, LevelCount> levelActions_{};
    std::array<QAction*, 3> classActions_{};  // seconda, terza, dalla quarta
    QAction* helpAction_ = nullptr;
    QAction* infoAction_ = nullptr;
    std::vector<Placed> placed_;  // the grid, the headings, the answer box and the buttons, then the clue rows
    std::size_t firstRow_ = 0;    // where the clue rows start in placed_
    FrameKeeper* keeper_ = nullptr;
    bool altAlone_ = false;           // Alt is down and no other key came since
    QPointer<QWidget> keyboardAt_;    // the control that last had the keyboard, other than the menu bar
    bool menusHaveKeyboard_ = false;  // the menu bar took it (F10, Alt) and no control has had it since
};
