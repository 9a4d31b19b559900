// Parse, generate, write: every failure ends in one Italian line on the error stream and no file.
#include "StampaCommand.h"

#include "SafeSave.h"
#include "SheetDocument.h"
#include "SheetOptions.h"
#include "SheetPuzzles.h"

#include <QDir>
#include <QIODevice>
#include <QTextStream>

#include <chrono>

namespace {

const QString Program = QStringLiteral("quadrivello-stampa");

// Like the game at its first activation: the seed comes from the clock.
std::uint32_t ClockSeed()
{
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

int RunStampa(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const ParsedArguments parsed = ParseArguments(arguments);
    switch (parsed.outcome) {
    case ParsedArguments::Outcome::Help:
        out << HelpText();
        out.flush();
        return ExitWritten;
    case ParsedArguments::Outcome::Error:
        err << Program << ": " << parsed.error << '\n' << HelpHint() << '\n';
        err.flush();
        return ExitBadArguments;
    case ParsedArguments::Outcome::Run: break;
    }

    const SheetOptions& options = parsed.options;
    const SheetSet set = GenerateSheets(options.level, options.sheets, options.seed.value_or(ClockSeed()));
    const SaveResult saved = SaveBeside(options.output, options.overwrite,
                                        [&](QIODevice& device) { return WriteSheets(device, set, options.solutions); });
    if (saved.outcome != SaveResult::Outcome::Saved) {
        err << Program << ": " << saved.message << '\n';
        err.flush();
        return ExitFailed;
    }

    const int pages = PageCount(options.sheets, options.solutions);
    out << QStringLiteral("Scritto «%1»: %2 %3 del livello %4%5, %6 %7, seme %8.\n")
               .arg(QDir::toNativeSeparators(options.output))
               .arg(options.sheets)
               .arg(options.sheets == 1 ? QStringLiteral("scheda") : QStringLiteral("schede"))
               .arg(options.level)
               .arg(options.solutions ? QStringLiteral(" con le soluzioni") : QString())
               .arg(pages)
               .arg(pages == 1 ? QStringLiteral("pagina") : QStringLiteral("pagine"))
               .arg(set.seed);
    out.flush();
    return ExitWritten;
}
