// Form1's handlers; the work of each level is done by the routines its level data names.
#include "Form1.h"

#include "AnswerCheck.h"
#include "ClickableLabel.h"
#include "clsResize.h"
#include "ClueSelection.h"
#include "Levels.h"
#include "PictureBox.h"
#include "QtScalableWindow.h"
#include "Version.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPushButton>
#include <QUrl>

#include <chrono>

Form1::Form1(const QString& applicationFolder) : applicationFolder_(applicationFolder)
{
    ConnectEvents();
}

void Form1::ConnectEvents()
{
    connect(&window_, &Form1Window::activated, this, &Form1::Form_Activate);
    connect(&window_, &Form1Window::closing, this, &Form1::Form_Unload);
    connect(window_.controlAs<QPushButton>("Command1"), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(window_.controlAs<QPushButton>("Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(window_.controlAs<QPushButton>("Command3"), &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(window_.picture(), &PictureBox::mousePressed, this, &Form1::Picture1_MouseDown);
    for (int i = 0; i < 9; ++i) {
        connect(window_.controlAs<ClickableLabel>("Label4", i), &ClickableLabel::clicked, this,
                [this, i] { Label4_Click(i); });
    }
    for (int i = 0; i < 8; ++i) {
        connect(window_.controlAs<ClickableLabel>("Label8", i), &ClickableLabel::clicked, this,
                [this, i] { Label8_Click(i); });
    }
    connect(window_.menuAction("mnuEsci"), &QAction::triggered, this, &Form1::mnuEsci_Click);
    connect(window_.menuAction("mnuLiv1"), &QAction::triggered, this, &Form1::mnuLiv1_Click);
    connect(window_.menuAction("mnuLiv2"), &QAction::triggered, this, &Form1::mnuLiv2_Click);
    connect(window_.menuAction("mnuLiv3"), &QAction::triggered, this, &Form1::mnuLiv3_Click);
    connect(window_.menuAction("mnuHelp"), &QAction::triggered, this, &Form1::mnuHelp_Click);
    connect(window_.menuAction("mnuInfo1"), &QAction::triggered, this, &Form1::mnuInfo1_Click);
}

std::string Form1::ApplicationPath(std::string_view name) const
{
    return applicationFolder_.toStdString() + std::string(name);
}

void Form1::ApplyPalette(const LevelPalette& palette)
{
    view_.SetBackColor(Control::Form1, palette.panel);
    view_.SetBackColor(Control::Label3, palette.panel);
    view_.SetBackColor(Control::Label6, palette.panel);
    view_.SetBackColor(Control::Label9, palette.panel);
    view_.SetBackColor(Control::Command1, palette.button);
    view_.SetBackColor(Control::Command2, palette.button);
    view_.SetBackColor(Control::Command3, palette.button);
}

void Form1::Form_Load()
{
    state_.Resizer = std::make_shared<clsResize>();
    auto* scalable = new QtScalableWindow(window_);  // owned by the window, which outlives the scaler
    state_.Resizer->SourceForm(*scalable);
    const std::uint8_t Percent = PercentForScreenWidth(scalable->ScreenWidth());
    state_.Resizer->SizeFormToScreen(Percent);
    if (const auto wide = WideScreenBounds(Percent, scalable->ScreenWidth(), scalable->ScreenHeight())) {
        scalable->SetOuterBounds(*wide);
        state_.Resizer->ResizeControls();
    }
    window_.fitScaledLayout();
    // Under a window manager the frame arrives only after the window is shown; the window then
    // keeps its outer size with a smaller client area, and the controls follow once more. The grid
    // box keeps the size of the picture it shows where it can.
    connect(scalable, &QtScalableWindow::clientAreaChanged, this, [this] {
        if (state_.Resizer)
            state_.Resizer->ResizeControls();
        window_.fitScaledLayout();
    });
}

void Form1::Form_Activate()
{
    // A Qt window is activated again whenever a message box closes: only the first time counts.
    if (activated_)
        return;
    activated_ = true;
    const LevelData& first = *FindLevel(1);
    state_.PicturePath = ApplicationPath(first.pictureName);
    view_.LoadPicture(state_.PicturePath);
    random_.Seed(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    ApplyPalette(first.palette);
    state_.CurrentLevel = 1;
    Command2_Click();
}

void Form1::SelectLevel(int number)
{
    const LevelData& level = *FindLevel(number);
    state_.PicturePath = ApplicationPath(level.pictureName);
    ApplyPalette(level.palette);
    state_.CurrentLevel = level.number;
    level.generate(state_, view_, random_);
}

void Form1::mnuLiv1_Click()
{
    SelectLevel(1);
}
void Form1::mnuLiv2_Click()
{
    SelectLevel(2);
}
void Form1::mnuLiv3_Click()
{
    SelectLevel(3);
}

void Form1::Command1_Click()
{
    view_.SetEnabled(Control::Command1, false);
    view_.SetEnabled(Control::Text3, false);
    if (const LevelData* level = FindLevel(state_.CurrentLevel))
        level->confirm(state_, view_);
}

void Form1::Command2_Click()
{
    if (const LevelData* level = FindLevel(state_.CurrentLevel))
        level->generate(state_, view_, random_);
}

void Form1::Command3_Click()
{
    CheckAnswers(state_, view_);
}

void Form1::Label4_Click(int index)
{
    SelectAcrossClue(state_, view_, index);
}

void Form1::Label8_Click(int index)
{
    SelectDownClue(state_, view_, index);
}

void Form1::Picture1_MouseDown()
{
    // A press on the grid changes nothing.
}

void Form1::mnuEsci_Click()
{
    window_.close();
}

void Form1::Form_Unload()
{
    // Nothing is saved: the scaler goes, then the program ends.
    state_.Resizer.reset();
    QCoreApplication::quit();
}

void Form1::mnuHelp_Click()
{
    OpenWithShell(window_, QString::fromStdString(ApplicationPath("/Dati/Quadrivello.pdf")));
}

void Form1::mnuInfo1_Click()
{
    ShowGameMessage(&window_, InformationText());
}

void OpenWithShell(QWidget& window, QString path)
{
    // The desktop's opener takes no owner window: the file simply opens in a window of its own.
    Q_UNUSED(window);
    // A file that is not there is not handed on, so no viewer comes up to complain about it.
    if (!QFileInfo(path).isFile())
        return;
    // A URL, never a command line: whatever the path holds reaches the opener as one file name.
    // The opener is started detached and its result is not looked at.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
