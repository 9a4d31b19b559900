// What the window's events do: levels, new puzzles, choosing a clue, confirming, the check, the menus.
#pragma once

#include "GameWindow.h"
#include "Play.h"
#include "RandomSource.h"

#include <QObject>
#include <QString>

class QWidget;

// Hands a file to the application the desktop opens its type with. The game does not wait for that
// application; a missing file or a desktop that cannot open it shows nothing.
void OpenWithDesktop(const QString& path);

// The text of the "Info" box: author line, contact line and the two lines of the terms of use.
QString InformationText();

class Game : public QObject {
    Q_OBJECT
public:
    // The application folder holds Dati/ with the grid pictures and the manual.
    explicit Game(const QString& applicationFolder);

    // Seeds the random numbers from the clock, shows the window and makes a puzzle of level 1 in it.
    void start();

    GameWindow& window() { return window_; }
    const Play& play() const { return play_; }
    SeededRandom& random() { return random_; }

    void chooseLevel(int number);
    void newPuzzle();
    void chooseClue(ClueRef clue);
    void confirmAnswer();
    void checkAnswers();
    void openManual();
    void showInformation();

private:
    QString dataFile(const QString& name) const;

    QString applicationFolder_;
    const Level* level_;
    GameWindow window_;
    SeededRandom random_;
    Play play_;
};
