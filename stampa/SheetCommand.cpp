// Parse, generate, write: every failure ends in one Italian line on the error stream and no file.
#include "SheetCommand.h"

#include "RandomSource.h"
#include "SafeSave.h"
#include "SheetDocument.h"
#include "SheetOptions.h"
#include "SheetPuzzles.h"

#include <QIODevice>

namespace {

const QByteArray Program = "quadrivello-stampa";

}  // namespace

QByteArray ArgumentErrorLines(const QString& error)
{
    return Program + ": " + error.toUtf8() + '\n' + HelpHint().toUtf8() + '\n';
}

int RunSheetCommand(const QByteArrayList& arguments, QIODevice& out, QIODevice& err)
{
    const ParsedArguments parsed = ParseArguments(arguments);
    switch (parsed.outcome) {
    case ParsedArguments::Outcome::Help: out.write(HelpText().toUtf8()); return ExitWritten;
    case ParsedArguments::Outcome::Error: err.write(ArgumentErrorLines(parsed.error)); return ExitBadArguments;
    case ParsedArguments::Outcome::Run: break;
    }

    if (!HasTextFont()) {
        err.write(Program + ": non c'è nessun tipo di carattere (font) installato con cui scrivere le schede: "
                            "installa per esempio DejaVu Sans\n");
        return ExitFailed;
    }

    const SheetOptions& options = parsed.options;
    const SheetSet set =
        GenerateSheets(options.level, options.sheets, options.seed.value_or(ClockSeed()), options.rules);
    const SaveResult saved = SaveBeside(options.output, options.overwrite,
                                        [&](QIODevice& device) { return WriteSheets(device, set, options.solutions); });
    if (!saved.saved()) {
        // A file is replaced only when asked: the command says how to ask.
        err.write(Program + ": " + saved.failure +
                  (saved.taken ? ": scegli un altro nome o aggiungi --sovrascrivi" : "") + '\n');
        return ExitFailed;
    }

    const int pages = PageCount(options.sheets, options.solutions);
    const QString year = ClassDescription(options.rules);
    const QString details = QStringLiteral(": %1 %2 del livello %3%4, %5 %6, seme %7.\n")
                                .arg(options.sheets)
                                .arg(options.sheets == 1 ? QStringLiteral("scheda") : QStringLiteral("schede"))
                                .arg(year.isEmpty() ? QString::number(options.level)
                                                    : QStringLiteral("%1 (%2)").arg(options.level).arg(year.toLower()))
                                .arg(options.solutions ? QStringLiteral(" con le soluzioni") : QString())
                                .arg(pages)
                                .arg(pages == 1 ? QStringLiteral("pagina") : QStringLiteral("pagine"))
                                .arg(set.seed);
    // The name goes out as its own bytes, which need not be text.
    out.write("Scritto «" + MessageName(options.output) + "»" + details.toUtf8());
    return ExitWritten;
}
