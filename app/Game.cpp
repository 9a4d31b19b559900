// The game's events, each in a few direct steps from the window to the play and back to the window.
#include "Game.h"

#include "GameMessage.h"
#include "LocalFiles.h"
#include "Version.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

Game::Game(const QString& applicationFolder) : Game(FileNameBytes(applicationFolder)) {}

Game::Game(const QByteArray& applicationFolder) : applicationFolder_(applicationFolder)
{
    connect(&window_, &GameWindow::clueChosen, this, &Game::chooseClue);
    connect(&window_, &GameWindow::clueWantedAt, this, &Game::chooseClueAt);
    connect(&window_, &GameWindow::answerStartedAt, this, &Game::chooseClueToAnswerAt);
    connect(&window_, &GameWindow::answerConfirmed, this, &Game::confirmAnswer);
    connect(&window_, &GameWindow::newPuzzleWanted, this, &Game::newPuzzle);
    connect(&window_, &GameWindow::levelChosen, this, &Game::chooseLevel);
    connect(&window_, &GameWindow::classChosen, this, &Game::chooseClass);
    connect(&window_, &GameWindow::checkWanted, this, &Game::checkAnswers);
    connect(&window_, &GameWindow::manualWanted, this, &Game::openManual);
    connect(&window_, &GameWindow::informationWanted, this, &Game::showInformation);
    // Nothing is saved: closing the window ends the game.
    connect(&window_, &GameWindow::closing, qApp, &QCoreApplication::quit);
}

QByteArray Game::dataFile(std::string_view name) const
{
    return applicationFolder_ + "/Dati/" + QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

void Game::seed(std::uint32_t seed)
{
    random_.seed(seed);
    classRandom_.seed(ClassClueSeed(seed));
}

void Game::start(SchoolYear year)
{
    seed(ClockSeed());
    rules_ = DefaultRules(year);
    window_.showClass(year);
    // Shown first, so that a message about a grid picture comes up over it; it is painted only
    // once the puzzle is in it.
    window_.show();
    chooseLevel(1);
}

void Game::chooseClass(SchoolYear year)
{
    rules_ = DefaultRules(year);
    window_.showClass(year);
    int level = play_ ? play_->level().number() : 1;
    while (!YearFitsLevel(year, level))
        --level;
    chooseLevel(level);
}

void Game::chooseLevel(int number)
{
    window_.showColours(GetLevel(number));
    makePuzzle(GetLevel(number));
}

void Game::newPuzzle()
{
    makePuzzle(play_ ? play_->level() : GetLevel(1));
}

void Game::makePuzzle(const Level& level)
{
    const QByteArray picture = dataFile(level.pictureFile());
    const std::optional<QByteArray> bytes = ReadRegularFile(picture, MaxGridPictureBytes());
    const QImage image = bytes ? pictures_.decode(*bytes) : QImage();
    Puzzle puzzle = GeneratePuzzle(level, random_);
    WriteCluesForClass(puzzle, rules_, classRandom_);
    play_.emplace(std::move(puzzle));
    window_.showPlay(*play_, image);
    // Play goes on with the grid drawn by the game; the player learns once which file is missing
    // or damaged, not at every new puzzle.
    if (image.isNull() && !unreadPictures_.contains(picture)) {
        unreadPictures_.insert(picture);
        ShowGameMessage(&window_, QStringLiteral("Impossibile leggere l'immagine dello schema:\n%1\n\n"
                                                 "La griglia è disegnata dal gioco: si può giocare come sempre.")
                                      .arg(ShownFileName(picture)));
    }
}

void Game::chooseClue(ClueRef clue)
{
    if (play_->choose(clue))
        window_.showChosen(clue, *play_->puzzle().entries(clue.direction)[std::size_t(clue.index)].entry);
}

void Game::chooseClueAt(Cell cell)
{
    if (const auto clue = ClueAt(play_->level(), cell, play_->chosen()))
        chooseClue(*clue);
}

void Game::chooseClueToAnswerAt(Cell cell)
{
    // A digit typed on the grid is never lost, nor are "Tab, Space" that follow it left to press
    // "Genera Definizioni": the clue answered last, where it runs through the cell, so that a mistake
    // is put right; else the one Space chooses first there.
    if (const auto last = play_->chosen()) {
        const std::vector<Cell>& cells = play_->level().entries(last->direction)[std::size_t(last->index)].cells;
        if (std::find(cells.begin(), cells.end(), cell) != cells.end()) {
            chooseClue(*last);
            return;
        }
    }
    if (const auto clue = ClueAt(play_->level(), cell, std::nullopt))
        chooseClue(*clue);
}

void Game::confirmAnswer(const QString& typed)
{
    window_.disarm();
    window_.showCharacters(play_->confirm(typed.toStdString()));
}

void Game::checkAnswers()
{
    ShowGameMessage(&window_, QString::fromStdString(CheckMessage(play_->countCorrect())));
}

void Game::openManual()
{
    const QByteArray manual = dataFile("Quadrivello.pdf");
    if (!IsRegularFile(manual)) {
        ShowGameMessage(&window_, QStringLiteral("Il manuale non c'è: dovrebbe essere il file\n%1\n\n"
                                                 "Reinstalla il gioco o chiedi a chi l'ha installato.")
                                      .arg(ShownFileName(manual)));
        return;
    }
    // A URL, never a command line: whatever the path holds reaches the opener as one file name.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // xdg-open, as Qt itself would start, but waited for without blocking the game: it tells by its
    // status when no program opens PDF files, which Qt's detached start never learns.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        auto* process = new QProcess(this);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        connect(process, &QProcess::finished, this, [this, process, manual](int status, QProcess::ExitStatus exit) {
            process->deleteLater();
            if (exit != QProcess::NormalExit || status != 0)
                sayNothingOpensManual(manual);
        });
        connect(process, &QProcess::errorOccurred, this, [this, process, manual](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            process->deleteLater();
            sayNothingOpensManual(manual);
        });
        process->start(opener, {QString::fromLatin1(FileUrl(manual).toEncoded())});
        return;
    }
#endif
    // The opener is started detached; only whether it could be started is known.
    if (!QDesktopServices::openUrl(FileUrl(manual)))
        sayNothingOpensManual(manual);
}

void Game::sayNothingOpensManual(const QByteArray& manual)
{
    ShowGameMessage(&window_, QStringLiteral("Nessun programma di questo computer sa aprire il manuale\n%1\n\n"
                                             "Installa un lettore di PDF (per esempio Evince) o chiedi a chi "
                                             "ha installato il gioco.")
                                  .arg(ShownFileName(manual)));
}

void Game::showInformation()
{
    ShowGameMessage(&window_, InformationText());
}

QString InformationText()
{
    // Line feed before carriage return, as the box has always had them; it shows each pair as one break.
    const QString paragraph = QStringLiteral("\n\r\n\r");
    const QString line = QStringLiteral("\n\r");
    // The player is "tu", as in the manual.
    return QStringLiteral("Quadrivello versione %1, realizzato dai suoi sviluppatori.")
               .arg(QStringLiteral(QUADRIVELLO_VERSION)) +
           paragraph +
           QStringLiteral("Per domande e segnalazioni rivolgiti agli sviluppatori attraverso il progetto da cui "
                          "hai ricevuto il gioco.") +
           paragraph +
           QStringLiteral("\u00a9 2026 gli sviluppatori \u2013 licenza MIT: il testo \u00e8 nel file LICENSE.") + line +
           QStringLiteral("\u00c8 software libero, fornito \u00abcos\u00ec com'\u00e8\u00bb, senza alcuna garanzia.");
}
