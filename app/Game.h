// What the window's events do: levels, new puzzles, choosing a clue, confirming, the check, the menus.
#pragma once

#include "ClassClues.h"
#include "GameWindow.h"
#include "Play.h"
#include "RandomSource.h"

#include <QObject>
#include <QSet>
#include <QString>

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
    const Play& play() const { return play_; }
    SeededRandom& random() { return random_; }

    void chooseLevel(int number);
    // The clues of the new puzzle and of those after it are written for the class; a level whose answers do
    // not suit it gives way to the highest that does.
    void chooseClass(SchoolYear year);
    void newPuzzle();
    void chooseClue(ClueRef clue);
    // A digit or Enter on the grid with the answer box off: a clue through the cursor's cell is chosen first.
    void chooseClueToAnswerAt(Cell cell);
    void confirmAnswer();
    void checkAnswers();
    // Hands the manual to the program the desktop opens PDF files with, without waiting for it; says
    // why when the manual is missing or no program could be started for it, or, where the desktop's
    // opener tells (xdg-open), none opens it.
    void openManual();
    void showInformation();

private:
    QByteArray dataFile(std::string_view name) const;
    void sayNothingOpensManual(const QByteArray& manual);

    QByteArray applicationFolder_;
    const Level* level_;
    GameWindow window_;
    SeededRandom random_;
    ClassRules rules_;
    SeededRandom classRandom_;  // a class's clues, apart so that every class gets the same numbers
    Play play_;
    QSet<QByteArray> unreadPictures_;  // grid pictures already reported as unreadable
};
