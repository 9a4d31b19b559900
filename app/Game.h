// What the window's events do: levels, new puzzles, choosing a clue, confirming, the check, the menus.
#pragma once

#include "ClassClues.h"
#include "GameWindow.h"
#include "GridPictureFile.h"
#include "Play.h"
#include "RandomSource.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <optional>
#include <string_view>

// The text of the "Info" box: author line, contact line and the two lines of the terms of use.
QString InformationText();

class Game : public QObject {
    Q_OBJECT
public:
    // The application folder holds Dati/ with the grid pictures and the manual; it is named by the
    // file system's bytes, which need not be UTF-8.
    explicit Game(const QByteArray& applicationFolder);
    explicit Game(const QString& applicationFolder);

    // Seeds the random numbers from the clock, shows the window and makes a puzzle of level 1 in it, its
    // clues written for the class.
    void start(SchoolYear year = SchoolYear::FourthOn);

    GameWindow& window() { return window_; }
    // The puzzle being played; there is one from start() on.
    const Play& play() const { return *play_; }
    // The numbers of the puzzles from now on, and their clues for a class, as start() seeds them from
    // the clock: the same seed, the same puzzles.
    void seed(std::uint32_t seed);

    void chooseLevel(int number);
    void newPuzzle();
    // The clues of the new puzzle and of those after it are written for the class; a level whose answers do
    // not suit it gives way to the highest that does.
    void chooseClass(SchoolYear year);
    void chooseClue(ClueRef clue);
    // Space on a cell: the across clue through it, then the down one, and again.
    void chooseClueAt(Cell cell);
    // A digit or Enter on the grid with the answer box off: a clue through the cursor's cell is chosen first.
    void chooseClueToAnswerAt(Cell cell);
    // The typed text becomes the chosen clue's answer, its characters drawn into the grid.
    void confirmAnswer(const QString& typed);
    void checkAnswers();
    // Hands the manual to the program the desktop opens PDF files with, without waiting for it; says
    // why when the manual is missing or no program could be started for it, or, where the desktop's
    // opener tells (xdg-open), none opens it.
    void openManual();
    void showInformation();

private:
    QByteArray dataFile(std::string_view name) const;
    void makePuzzle(const Level& level);
    void sayNothingOpensManual(const QByteArray& manual);

    QByteArray applicationFolder_;
    GameWindow window_;
    SeededRandom random_;
    ClassRules rules_;
    SeededRandom classRandom_;  // a class's clues, apart so that every class gets the same numbers
    std::optional<Play> play_;
    GridPictureDecoder pictures_;
    QSet<QByteArray> unreadPictures_;  // grid pictures already reported as unreadable
};
