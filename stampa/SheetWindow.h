// The window of quadrivello-stampa for teachers who start it from the menu: level, number of sheets,
// solutions and seed, a preview of the pages, and printing them or saving them as a PDF.
#pragma once

#include "SafeSave.h"
#include "SheetPuzzles.h"

#include <QMainWindow>
#include <QPrinter>
#include <QTimer>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPushButton;
class QSpinBox;

class SheetWindow : public QMainWindow {
    Q_OBJECT
public:
    // The seed field starts with a number drawn at random.
    explicit SheetWindow(QWidget* parent = nullptr);
    ~SheetWindow() override;

    // What "Salva PDF…" and "Stampa…" do once their dialog has answered: the pages of the current
    // choices to a PDF file, replaced whole or left as it was, or to a printer set up by the dialog.
    // A printer set to write a file writes it as saveTo does, with the pages it was asked for.
    SaveResult saveTo(const QString& path) const;
    SaveResult printOn(QPrinter& printer) const;

private:
    struct Choice {
        int level = 1;
        int sheets = 1;
        bool solutions = false;
        std::uint32_t seed = 0;
        ClassRules rules;
    };
    std::optional<Choice> choice() const;  // none while the seed field is empty
    bool takeChoicesForPreview();          // the stack the preview paints; false while there is no choice
    void choicesChanged();
    // The class's options greyed where they do not apply, the levels that do not suit it not offered.
    void classChanged();
    void askAndSave();
    void askAndPrint();
    void showError(const QString& text);
    void showError(const QString& what, const SaveResult& result);  // what failed, then why

    QComboBox* level_;
    QComboBox* class_;
    QSpinBox* tables_;
    QCheckBox* noDivision_;
    QSpinBox* sheets_;
    QCheckBox* solutions_;
    QLineEdit* seed_;
    QLabel* pages_;
    QPushButton* print_;
    QPushButton* save_;
    QPrinter previewPrinter_{QPrinter::HighResolution};
    QPrintPreviewWidget* preview_;
    QTimer previewDelay_;                         // typing a seed repaints the preview once, when the typing stops
    QPrinter printer_{QPrinter::HighResolution};  // kept, so the dialog offers the printer chosen last
    QString saveFolder_;                          // where the last PDF went
    bool previewSolutions_ = false;
    SheetSet previewed_;  // the stack the preview shows
};
