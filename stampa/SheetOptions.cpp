// Parsing quadrivello-stampa's options into SheetOptions, with a one-line Italian error for each mistake.
#include "SheetOptions.h"

#include "Levels.h"

#include <QSet>
#include <QStringList>

namespace {

// Only plain decimal digits count as a number: no sign, no blanks, no hexadecimal. However many
// digits it has, leading zeros included, it is its value; one too large for any option is held at
// a value past every limit.
std::optional<unsigned long long> Digits(const QString& text)
{
    constexpr unsigned long long PastEveryLimit = 1ull << 40;
    if (text.isEmpty())
        return std::nullopt;
    unsigned long long value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = qMin(value * 10 + static_cast<unsigned>(c.unicode() - u'0'), PastEveryLimit);
    }
    return value;
}

QString Quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(text);
}

// The levels a class may have, as the error for a level that does not suit it says them.
QString LevelsOf(SchoolYear year)
{
    return year == SchoolYear::Second ? QStringLiteral("solo il livello 1") : QStringLiteral("solo i livelli 1 e 2");
}

ParsedArguments Failure(const QString& message)
{
    ParsedArguments result;
    result.outcome = ParsedArguments::Outcome::Error;
    result.error = message;
    return result;
}

}  // namespace

std::optional<std::uint32_t> SeedFromText(const QString& text)
{
    const auto seed = Digits(text);
    if (!seed || *seed > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<std::uint32_t>(*seed);
}

ParsedArguments ParseArguments(const QByteArrayList& rawArguments)
{
    QStringList arguments;
    for (const QByteArray& argument : rawArguments)
        arguments << QString::fromLocal8Bit(argument);

    // Help wins wherever it stands, so "--help" added to a wrong command still explains it.
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            ParsedArguments help;
            help.outcome = ParsedArguments::Outcome::Help;
            return help;
        }
    }

    ParsedArguments result;
    SheetOptions& options = result.options;
    QSet<QString> seen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString name = argument;
        std::optional<QString> value;
        if (argument.startsWith(QLatin1String("--")) && argument.contains(QLatin1Char('='))) {
            name = argument.section(QLatin1Char('='), 0, 0);
            value = argument.section(QLatin1Char('='), 1);
        }

        const bool isFlag = name == QLatin1String("--soluzioni") || name == QLatin1String("--sovrascrivi") ||
                            name == QLatin1String("--senza-divisioni");
        const bool takesValue = name == QLatin1String("--livello") || name == QLatin1String("--schede") ||
                                name == QLatin1String("--seme") || name == QLatin1String("-o") ||
                                name == QLatin1String("--classe") || name == QLatin1String("--tabelline");
        if (!isFlag && !takesValue) {
            if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
                return Failure(QStringLiteral("opzione sconosciuta: %1").arg(Quoted(name)));
            return Failure(QStringLiteral("argomento inatteso: %1").arg(Quoted(argument)));
        }
        if (seen.contains(name))
            return Failure(QStringLiteral("l'opzione %1 è data più di una volta").arg(name));
        seen.insert(name);

        if (isFlag) {
            if (value)
                return Failure(QStringLiteral("l'opzione %1 non vuole un valore").arg(name));
            if (name == QLatin1String("--senza-divisioni"))
                options.rules.division = false;
            else
                (name == QLatin1String("--soluzioni") ? options.solutions : options.overwrite) = true;
            continue;
        }
        if (!value) {
            if (i + 1 >= arguments.size())
                return Failure(QStringLiteral("manca il valore dell'opzione %1").arg(name));
            value = arguments[++i];
        }

        if (name == QLatin1String("--livello")) {
            const auto level = Digits(*value);
            if (!level || *level < 1 || *level > LevelCount)
                return Failure(QStringLiteral("livello non valido: %1 (deve essere 1, 2 o 3)").arg(Quoted(*value)));
            options.level = static_cast<int>(*level);
        } else if (name == QLatin1String("--schede")) {
            const auto sheets = Digits(*value);
            if (!sheets || *sheets < 1 || *sheets > MaxSheets)
                return Failure(QStringLiteral("numero di schede non valido: %1 (deve essere da 1 a %2)")
                                   .arg(Quoted(*value))
                                   .arg(MaxSheets));
            options.sheets = static_cast<int>(*sheets);
        } else if (name == QLatin1String("--classe")) {
            const auto year = Digits(*value);
            if (!year || *year < 2 || *year > 4)
                return Failure(QStringLiteral("classe non valida: %1 (deve essere 2, 3 o 4)").arg(Quoted(*value)));
            options.rules.year = static_cast<SchoolYear>(*year);
        } else if (name == QLatin1String("--tabelline")) {
            const auto tables = Digits(*value);
            if (!tables || *tables < 2 || *tables > 10)
                return Failure(
                    QStringLiteral("tabelline non valide: %1 (deve essere un numero da 2 a 10)").arg(Quoted(*value)));
            options.rules.tables = static_cast<int>(*tables);
        } else if (name == QLatin1String("--seme")) {
            options.seed = SeedFromText(*value);
            if (!options.seed)
                return Failure(QStringLiteral("seme non valido: %1 (deve essere un numero da 0 a 4294967295)")
                                   .arg(Quoted(*value)));
        } else {
            // "-o --soluzioni" is a forgotten file name, not a file called "--soluzioni"; a name that does
            // begin with '-' is written from its folder, ./-x.pdf, so that no option passes for a file.
            if (value->isEmpty() || value->startsWith(QLatin1String("--")))
                return Failure(QStringLiteral("manca il nome del file dopo -o"));
            if (value->startsWith(QLatin1Char('-')))
                return Failure(QStringLiteral("il nome %1 comincia con «-» come un'opzione: se è il file da scrivere, "
                                              "indicalo come %2")
                                   .arg(Quoted(*value), Quoted(QStringLiteral("./") + *value)));
#ifdef Q_OS_UNIX
            // "-o" takes no "=", so its value is a whole argument: the name is kept as its bytes.
            options.output = rawArguments[i];
#else
            options.output = *value;
#endif
        }
    }
    // The class's options are checked once all are read, whatever their order.
    const SchoolYear year = options.rules.year;
    if (seen.contains(QStringLiteral("--tabelline")) && year == SchoolYear::FourthOn)
        return Failure(QStringLiteral("l'opzione --tabelline vale solo con --classe 2 o 3"));
    if (!options.rules.division && year != SchoolYear::Third)
        return Failure(QStringLiteral("l'opzione --senza-divisioni vale solo con --classe 3"));
    if (!YearFitsLevel(year, options.level))
        return Failure(
            QStringLiteral("il livello %1 non è adatto alla classe %2 (%3)")
                .arg(options.level)
                .arg(QString::fromUtf8(YearName(year).data(), qsizetype(YearName(year).size())), LevelsOf(year)));
    if (!seen.contains(QStringLiteral("--tabelline")))
        options.rules.tables = DefaultRules(year).tables;
    if (options.output.isEmpty())
        return Failure(QStringLiteral("manca il file da scrivere: indicalo con -o FILE.pdf"));
    return result;
}

QString HelpText()
{
    return QStringLiteral("Uso: quadrivello-stampa [opzioni] -o FILE.pdf\n"
                          "Scrive in un PDF schede di Quadrivello da stampare per la classe: formato A4,\n"
                          "una scheda per pagina, con la griglia vuota e le definizioni orizzontali e verticali.\n"
                          "\n"
                          "Opzioni:\n"
                          "  --livello N     livello delle schede: 1, 2 o 3 (predefinito: 1)\n"
                          "  --classe N      la classe per cui sono scritte le definizioni: 2 (seconda: numeri\n"
                          "                  fino a 99, + e −, × delle tabelline; solo livello 1), 3 (terza:\n"
                          "                  numeri fino a 999, × e : per una cifra; livelli 1 e 2) o 4 (dalla\n"
                          "                  quarta: le definizioni di sempre, con * e /). Predefinita: 4.\n"
                          "                  Le soluzioni sono le stesse per ogni classe\n"
                          "  --tabelline N   con --classe 2 o 3: la tabellina più alta nelle moltiplicazioni e\n"
                          "                  nelle divisioni, da 2 a 10 (predefinito: 5 in seconda, 10 in terza)\n"
                          "  --senza-divisioni  con --classe 3: niente divisioni\n"
                          "  --schede N      quante schede scrivere, da 1 a 500 (predefinito: 1)\n"
                          "  --seme S        seme dei numeri casuali, da 0 a 4294967295; lo stesso seme con lo\n"
                          "                  stesso livello e la stessa classe (con le sue opzioni) ridà le\n"
                          "                  stesse schede. Senza, viene preso dall'orologio; in ogni caso è\n"
                          "                  stampato in fondo a ogni pagina\n"
                          "  --soluzioni     aggiunge, dopo le schede, le pagine con le soluzioni\n"
                          "  -o FILE.pdf     il file PDF da scrivere (obbligatorio)\n"
                          "  --sovrascrivi   sostituisce FILE.pdf se esiste già\n"
                          "  -h, --help      mostra questo aiuto\n"
                          "\n"
                          "Esempio:\n"
                          "  quadrivello-stampa --livello 2 --schede 4 --soluzioni -o schede.pdf\n");
}

QString HelpHint()
{
    return QStringLiteral("Per l'aiuto: quadrivello-stampa --help");
}
