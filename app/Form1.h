// The main window's event handlers: start-up, levels, the three buttons, clue clicks and the menus.
#pragma once

#include "Form1Window.h"
#include "PuzzleState.h"
#include "QtGridView.h"
#include "RandomSource.h"

#include <QObject>
#include <QString>

#include <string_view>

struct LevelPalette;

class QWidget;

// Hands a file to the application the desktop opens its type with, on behalf of a window. The game
// does not wait for that application; a missing file or a desktop that cannot open it shows nothing.
void OpenWithShell(QWidget& window, QString path);

// The text of the "Info" box: author line, contact line and the two lines of the terms of use.
QString InformationText();

class Form1 : public QObject {
    Q_OBJECT
public:
    // The application folder holds Dati/ with the grid pictures and the manual.
    explicit Form1(const QString& applicationFolder);

    Form1Window& window() { return window_; }
    PuzzleState& state() { return state_; }
    GridView& view() { return view_; }
    SeededRandom& random() { return random_; }
    bool activatedOnce() const { return activated_; }

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void mnuLiv1_Click();
    void mnuLiv2_Click();
    void mnuLiv3_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Label4_Click(int index);
    void Label8_Click(int index);
    void Picture1_MouseDown();
    void mnuEsci_Click();
    void mnuHelp_Click();
    void mnuInfo1_Click();

private:
    void ConnectEvents();
    void SelectLevel(int number);
    void ApplyPalette(const LevelPalette& palette);
    std::string ApplicationPath(std::string_view name) const;

    QString applicationFolder_;
    Form1Window window_;
    QtGridView view_{window_};
    PuzzleState state_;
    SeededRandom random_;
    bool activated_ = false;
};
