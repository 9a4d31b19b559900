// The teacher's window: the choices on the left, the pages as they will print on the right. Printing,
// saving and the preview all paint through PaintSheets, so what is seen is what comes out.
#include "SheetWindow.h"

#include "SheetDocument.h"
#include "SheetOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QValidator>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Quadrivello – schede da stampare");

// A seed is a whole number from 0 to 4294967295, more than a spin box's int can hold; the field takes
// what --seme takes.
class SeedValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        if (input.isEmpty())
            return Intermediate;
        return SeedFromText(input) ? Acceptable : Invalid;
    }
};

// Paper as the layout wants it: A4, upright, painted from the paper's own corner.
void SetUpPaper(QPrinter& printer)
{
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
}

// Which pages hold what, so that only the pupils' pages go round the class.
QString PagesText(int sheets, bool solutions)
{
    const int pages = PageCount(sheets, solutions);
    if (!solutions)
        return sheets == 1 ? QStringLiteral("1 pagina, con la scheda.")
                           : QStringLiteral("%1 pagine, una scheda per pagina.").arg(pages);
    const QString forPupils =
        sheets == 1 ? QStringLiteral("la scheda a pagina 1") : QStringLiteral("le schede alle pagine 1–%1").arg(sheets);
    const QString forTeacher = pages == sheets + 1
                                   ? QStringLiteral("le soluzioni a pagina %1").arg(pages)
                                   : QStringLiteral("le soluzioni alle pagine %1–%2").arg(sheets + 1).arg(pages);
    const QString handOut = sheets == 1 ? QStringLiteral("Agli alunni va solo la prima pagina.")
                                        : QStringLiteral("Agli alunni vanno solo le prime %1 pagine.").arg(sheets);
    return QStringLiteral("%1 pagine: %2, %3. %4").arg(pages).arg(forPupils, forTeacher, handOut);
}

}  // namespace

SheetWindow::SheetWindow(QWidget* parent)
    : QMainWindow(parent), level_(new QComboBox), class_(new QComboBox), tables_(new QSpinBox),
      noDivision_(new QCheckBox(QStringLiteral("Senza divisioni"))), sheets_(new QSpinBox), solutions_(new QCheckBox),
      seed_(new QLineEdit), pages_(new QLabel), print_(new QPushButton(QStringLiteral("Stampa…"))),
      save_(new QPushButton(QStringLiteral("Salva PDF…")))
{
    setWindowTitle(Title);
    setWindowIcon(QIcon(QStringLiteral(":/icons/quadrivello.png")));

    level_->setObjectName(QStringLiteral("livello"));
    // Named by its label like the other fields (on Linux Qt names a combo box by the item it shows
    // and relates it to its label instead).
    level_->setAccessibleName(QStringLiteral("Livello"));
    level_->addItems({QStringLiteral("1 – risultati di 2 cifre"), QStringLiteral("2 – risultati di 2 o 3 cifre"),
                      QStringLiteral("3 – risultati da 2 a 4 cifre")});
    class_->setObjectName(QStringLiteral("classe"));
    class_->setAccessibleName(QStringLiteral("Classe"));
    // In the order of the school years, the game's own clues chosen.
    class_->addItem(QStringLiteral("seconda"), int(SchoolYear::Second));
    class_->addItem(QStringLiteral("terza"), int(SchoolYear::Third));
    class_->addItem(QStringLiteral("dalla quarta"), int(SchoolYear::FourthOn));
    class_->setCurrentIndex(2);
    tables_->setObjectName(QStringLiteral("tabelline"));
    tables_->setAccessibleName(QStringLiteral("Tabelline fino al"));
    tables_->setRange(2, 10);
    noDivision_->setObjectName(QStringLiteral("divisioni"));
    sheets_->setObjectName(QStringLiteral("schede"));
    sheets_->setRange(1, MaxSheets);
    solutions_->setObjectName(QStringLiteral("soluzioni"));
    solutions_->setText(QStringLiteral("Con le soluzioni"));
    seed_->setObjectName(QStringLiteral("seme"));
    seed_->setValidator(new SeedValidator(seed_));
    seed_->setText(QString::number(QRandomGenerator::system()->bounded(1, 100000)));

    auto* choices = new QFormLayout;
    choices->addRow(QStringLiteral("&Classe:"), class_);
    choices->addRow(QStringLiteral("&Tabelline fino al:"), tables_);
    choices->addRow(QString(), noDivision_);
    choices->addRow(QStringLiteral("&Livello:"), level_);
    choices->addRow(QStringLiteral("&Numero di schede:"), sheets_);
    choices->addRow(QString(), solutions_);
    choices->addRow(QStringLiteral("&Seme:"), seed_);
    auto* seedHint = new QLabel(QStringLiteral("Ogni seme dà schede diverse. Le stesse scelte con lo stesso seme "
                                               "ridanno le stesse schede: il seme e la classe sono scritti in fondo "
                                               "a ogni pagina."));
    seedHint->setWordWrap(true);
    pages_->setWordWrap(true);
    auto* left = new QVBoxLayout;
    left->addLayout(choices);
    left->addWidget(seedHint);
    left->addSpacing(12);
    left->addWidget(pages_);
    left->addStretch();
    left->addWidget(print_);
    left->addWidget(save_);
    auto* leftPanel = new QWidget;
    leftPanel->setLayout(left);
    leftPanel->setFixedWidth(360);

    SetUpPaper(previewPrinter_);
    previewPrinter_.setOutputFormat(QPrinter::PdfFormat);  // no printer is asked anything for a preview
    preview_ = new QPrintPreviewWidget(&previewPrinter_);
    preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    preview_->setAccessibleName(QStringLiteral("Anteprima delle pagine"));
    auto* previewBox = new QGroupBox(QStringLiteral("Anteprima"));
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(preview_);

    // A main window, so that a screen reader presents it as a window with its title.
    auto* content = new QWidget;
    setCentralWidget(content);
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(leftPanel);
    layout->addWidget(previewBox, 1);
    resize(920, 640);  // small enough for a school laptop's 1366 × 768 screen

    SetUpPaper(printer_);
    previewDelay_.setSingleShot(true);
    previewDelay_.setInterval(250);
    connect(&previewDelay_, &QTimer::timeout, this, [this] {
        if (takeChoicesForPreview())
            preview_->updatePreview();
    });
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        if (previewed_.level != nullptr)
            PaintSheets(*printer, previewed_, previewSolutions_);
    });
    connect(level_, &QComboBox::currentIndexChanged, this, &SheetWindow::choicesChanged);
    connect(class_, &QComboBox::currentIndexChanged, this, &SheetWindow::classChanged);
    connect(tables_, &QSpinBox::valueChanged, this, &SheetWindow::choicesChanged);
    connect(noDivision_, &QCheckBox::toggled, this, &SheetWindow::choicesChanged);
    connect(sheets_, &QSpinBox::valueChanged, this, &SheetWindow::choicesChanged);
    connect(solutions_, &QCheckBox::toggled, this, &SheetWindow::choicesChanged);
    connect(seed_, &QLineEdit::textChanged, this, &SheetWindow::choicesChanged);
    connect(print_, &QPushButton::clicked, this, &SheetWindow::askAndPrint);
    connect(save_, &QPushButton::clicked, this, &SheetWindow::askAndSave);

    classChanged();
    // The preview paints these pages when it is first shown.
    previewDelay_.stop();
    takeChoicesForPreview();
}

SheetWindow::~SheetWindow()
{
    // The preview paints on previewPrinter_, which as a member goes before the child widgets do.
    delete preview_;
}

std::optional<SheetWindow::Choice> SheetWindow::choice() const
{
    if (!seed_->hasAcceptableInput())
        return std::nullopt;
    const auto year = static_cast<SchoolYear>(class_->currentData().toInt());
    const ClassRules rules{year, year == SchoolYear::FourthOn ? 10 : tables_->value(),
                           year != SchoolYear::Third || !noDivision_->isChecked()};
    return Choice{level_->currentIndex() + 1, sheets_->value(), solutions_->isChecked(), *SeedFromText(seed_->text()),
                  rules};
}

void SheetWindow::classChanged()
{
    const auto year = static_cast<SchoolYear>(class_->currentData().toInt());
    const QSignalBlocker quiet(tables_);  // one change of choices, one repaint
    tables_->setValue(DefaultRules(year).tables);
    tables_->setEnabled(year != SchoolYear::FourthOn);
    noDivision_->setEnabled(year == SchoolYear::Third);
    if (year != SchoolYear::Third)
        noDivision_->setChecked(false);
    auto* levels = static_cast<QStandardItemModel*>(level_->model());
    for (int level = LevelCount; level >= 1; --level) {
        levels->item(level - 1)->setEnabled(YearFitsLevel(year, level));
        if (!YearFitsLevel(year, level) && level_->currentIndex() == level - 1)
            level_->setCurrentIndex(level - 2);
    }
    choicesChanged();
}

bool SheetWindow::takeChoicesForPreview()
{
    const auto c = choice();
    if (c) {
        previewed_ = GenerateSheets(c->level, c->sheets, c->seed, c->rules);
        previewSolutions_ = c->solutions;
    }
    return c.has_value();
}

void SheetWindow::choicesChanged()
{
    const auto c = choice();
    print_->setEnabled(c.has_value());
    save_->setEnabled(c.has_value());
    pages_->setText(c ? PagesText(c->sheets, c->solutions)
                      : QStringLiteral("Scrivi un seme: un numero da 0 a 4294967295."));
    previewDelay_.start();
}

SaveResult SheetWindow::saveTo(const QString& path) const
{
    const auto c = choice();
    if (!c)
        return {"manca il seme"};
    const SheetSet set = GenerateSheets(c->level, c->sheets, c->seed, c->rules);
    // The file dialog has already asked before replacing a file.
    return SaveBeside(FilePathOf(path), true,
                      [&](QIODevice& device) { return WriteSheets(device, set, c->solutions); });
}

SaveResult SheetWindow::printOn(QPrinter& printer) const
{
    const auto c = choice();
    if (!c)
        return {"manca il seme"};
    const SheetSet set = GenerateSheets(c->level, c->sheets, c->seed, c->rules);
    printer.setDocName(DocumentTitle(set));
    printer.setCreator(QStringLiteral("quadrivello-stampa"));
    // Qt's printer would open the file itself: it would wait for a reader on a pipe, and empty an old
    // file before knowing whether the pages fit.
    if (const QString file = printer.outputFileName(); !file.isEmpty()) {
        return SaveBeside(FilePathOf(file), true, [&](QIODevice& device) {
            QPdfWriter writer(&device);
            writer.setResolution(printer.resolution());
            writer.setPageLayout(printer.pageLayout());
            writer.setPageRanges(printer.pageRanges());
            writer.setTitle(printer.docName());
            writer.setCreator(printer.creator());
            return PaintSheets(writer, set, c->solutions);
        });
    }
    if (PaintSheets(printer, set, c->solutions) && printer.printerState() != QPrinter::Error)
        return {};
    printer.abort();
    return {"la stampante «" + printer.printerName().toUtf8() +
            "» non ha ricevuto le schede: controlla che sia accesa e collegata, poi riprova"};
}

void SheetWindow::askAndSave()
{
    const auto c = choice();
    if (!c)
        return;
    if (saveFolder_.isEmpty())
        saveFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(saveFolder_).isDir())
        saveFolder_ = QDir::homePath();
    const QString year = c->rules.year == SchoolYear::FourthOn
                             ? QString()
                             : QStringLiteral("-classe-%1").arg(static_cast<int>(c->rules.year));
    const QString name = QStringLiteral("schede-livello-%1%2-seme-%3.pdf").arg(c->level).arg(year).arg(c->seed);
    QFileDialog dialog(this, QStringLiteral("Salva le schede in PDF"), QDir(saveFolder_).filePath(name),
                       QStringLiteral("Documenti PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    saveFolder_ = QFileInfo(path).absolutePath();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SaveResult saved = saveTo(path);
    QApplication::restoreOverrideCursor();
    if (!saved.saved())
        showError(QStringLiteral("Le schede non sono state salvate."), saved);
}

void SheetWindow::askAndPrint()
{
    const auto c = choice();
    if (!c)
        return;
    // Printing is for printers; a PDF is what "Salva PDF…" makes. Qt's dialog would offer to print to a
    // file as well, but it opens that file while checking it, which waits for ever on a pipe: so it
    // is not offered, and with no printer at all the teacher is pointed to "Salva PDF…".
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        showError(QStringLiteral("Non c'è nessuna stampante installata.\n\nPer stampare le schede altrove, salvale "
                                 "in un PDF con «Salva\u00a0PDF…»."));
        return;
    }
    // Pages chosen last time belong to another stack.
    printer_.setPrintRange(QPrinter::AllPages);
    printer_.setPageRanges(QPageRanges());
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral("Stampa le schede"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setMinMax(1, PageCount(c->sheets, c->solutions));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SaveResult printed = printOn(printer_);
    QApplication::restoreOverrideCursor();
    if (!printed.saved())
        showError(QStringLiteral("La stampa non è riuscita."), printed);
}

void SheetWindow::showError(const QString& text)
{
    QMessageBox::warning(this, Title, text);
}

void SheetWindow::showError(const QString& what, const SaveResult& result)
{
    QString reason = QString::fromUtf8(result.failure);
    reason[0] = reason[0].toUpper();
    showError(QStringLiteral("%1\n\n%2.").arg(what, reason));
}
