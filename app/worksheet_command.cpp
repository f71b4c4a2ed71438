#include "worksheet_command.h"

#include "common/random_source.h"
#include "i18n/translation.h"
#include "setup/setup_logic.h"
#include "setup/version.h"
#include "sheets/printed/worksheet_pdf.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <array>
#include <csignal>
#include <limits>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace zorvix {

namespace {
constexpr const char* kContext = "WorksheetCommand";
constexpr int kOperandLimit = 99;

QString trCommand(const char* english) { return i18n::text(kContext, QString::fromUtf8(english)); }

struct Choice {
    const char* name;
    int value;
};

constexpr std::array<Choice, 6> kTypes{{{"add", static_cast<int>(TestType::Add)},
                                        {"subtract", static_cast<int>(TestType::Subtract)},
                                        {"add-subtract", static_cast<int>(TestType::AddSubtract)},
                                        {"multiply", static_cast<int>(TestType::Multiply)},
                                        {"divide", static_cast<int>(TestType::Divide)},
                                        {"multiply-divide", static_cast<int>(TestType::MultiplyDivide)}}};
constexpr std::array<Choice, 2> kKeys{
    {{"after-each", static_cast<int>(KeyPlacement::AfterEachSheet)}, {"at-end", static_cast<int>(KeyPlacement::AtEnd)}}};
constexpr std::array<Choice, 2> kPapers{{{"letter", static_cast<int>(Paper::Letter)}, {"a4", static_cast<int>(Paper::A4)}}};

// The command line's own option names; any one of them turns the command line on.
const QStringList& ownOptionNames()
{
    static const QStringList names{QStringLiteral("worksheets"), QStringLiteral("output"), QStringLiteral("type"),
                                   QStringLiteral("from"),       QStringLiteral("to"),     QStringLiteral("emphasis"),
                                   QStringLiteral("every"),      QStringLiteral("more"),   QStringLiteral("keys"),
                                   QStringLiteral("paper"),      QStringLiteral("seed"),   QStringLiteral("help"),
                                   QStringLiteral("help-all"),   QStringLiteral("h"),      QStringLiteral("?"),
                                   QStringLiteral("version"),    QStringLiteral("v")};
    return names;
}

template <std::size_t N> std::optional<int> choose(const std::array<Choice, N>& choices, const QString& text)
{
    for (const Choice& choice : choices)
        if (text.compare(QLatin1String(choice.name), Qt::CaseInsensitive) == 0)
            return choice.value;
    return std::nullopt;
}

template <std::size_t N> QString choiceList(const std::array<Choice, N>& choices)
{
    QStringList names;
    for (const Choice& choice : choices)
        names << QLatin1String(choice.name);
    return names.join(QStringLiteral(", "));
}

std::optional<int> wholeNumber(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// The settings as the setup screen would hold them after these picks, in the order a user
// makes them: the range, then the type (whose division adjustment sees the range), the printed
// page, then the emphasis.
DrillSettings settingsFromPicks(std::optional<int> from, std::optional<int> to, int type, std::optional<int> emphasis, bool more)
{
    DrillSettings settings;
    SetupScreen screen;
    setupLoad(settings, screen);
    if (from)
        lowEndPicked(settings, screen, std::to_string(*from));
    if (to)
        highEndPicked(settings, screen, std::to_string(*to));
    testTypeChosen(settings, screen, type);
    methodChosen(settings, screen, static_cast<int>(TestMethod::Printed));
    if (emphasis) {
        emphasisPicked(settings, screen, std::to_string(*emphasis));
        if (more)
            emphasisModeChosen(settings, screen, 1);
    }
    return settings;
}

WorksheetCommand badInput(const QString& message)
{
    WorksheetCommand command;
    command.exitCode = kExitBadInput;
    command.err = QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName().toLower(), message) +
        trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "Try '%1 --help' for more."))
            .arg(QCoreApplication::applicationName().toLower()) +
        QLatin1Char('\n');
    return command;
}

volatile std::sig_atomic_t g_interrupted = 0;
extern "C" void onInterrupt(int) { g_interrupted = 1; }

void writeTo(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
} // namespace

bool worksheetCommandRequested(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')))
            continue;
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        name = name.left(name.indexOf(QLatin1Char('=')));
        if (ownOptionNames().contains(name))
            return true;
    }
    return false;
}

WorksheetCommand parseWorksheetCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        trCommand(QT_TRANSLATE_NOOP("WorksheetCommand",
                                    "Writes printed worksheets of 40 problems, each with its answer key, to a PDF file.\n"
                                    "Without any of these options the program opens its windows.")));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Help and version of our own, not Qt's: Qt's texts for them are missing from some of its
    // translations. --help-all is taken as --help; there are no Qt options worth listing here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "Displays help on commandline options.")));
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "Displays version information.")));
    for (const QCommandLineOption& option : {help, helpAll, version})
        parser.addOption(option);
    const QCommandLineOption worksheets(QStringLiteral("worksheets"),
                                        trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "Number of worksheets, 1 to 200.")),
                                        QStringLiteral("N"));
    const QCommandLineOption output(
        QStringLiteral("output"),
        trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "The PDF file to write; replaced only when complete.")),
        QStringLiteral("FILE.pdf"));
    const QCommandLineOption type(
        QStringLiteral("type"),
        trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "Kind of problems: %1 (default add).")).arg(choiceList(kTypes)),
        QStringLiteral("TYPE"));
    const QCommandLineOption from(
        QStringLiteral("from"), trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "Low end of the range, -99 to 99 (default 0).")),
        QStringLiteral("A"));
    const QCommandLineOption to(QStringLiteral("to"),
                                trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "High end of the range, -99 to 99 (default 9).")),
                                QStringLiteral("B"));
    const QCommandLineOption emphasis(QStringLiteral("emphasis"),
                                      trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "A number to drill on, -99 to 99.")),
                                      QStringLiteral("N"));
    const QCommandLineOption every(QStringLiteral("every"),
                                   trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "The number in every problem (default).")));
    const QCommandLineOption more(QStringLiteral("more"),
                                  trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "The number in more problems, not all.")));
    const QCommandLineOption keys(
        QStringLiteral("keys"),
        trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "Answer keys after-each worksheet (default) or all at-end.")),
        QStringLiteral("PLACE"));
    const QCommandLineOption paper(QStringLiteral("paper"),
                                   trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "Paper: letter (default) or a4.")),
                                   QStringLiteral("PAPER"));
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "Seed of the random draws: the same seed gives the same file.")),
        QStringLiteral("S"));
    for (const QCommandLineOption& option : {worksheets, output, type, from, to, emphasis, every, more, keys, paper, seed})
        parser.addOption(option);
    // Read before this parser runs (the texts above are already in that language); taken here so
    // it is no unknown option, and listed in the help.
    i18n::addLanguageOption(parser);

    if (!parser.parse(arguments))
        return badInput(parser.errorText());
    if (parser.isSet(help) || parser.isSet(helpAll)) {
        WorksheetCommand command;
        command.out = parser.helpText();
        return command;
    }
    if (parser.isSet(version)) {
        WorksheetCommand command;
        command.out = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        return command;
    }
    if (!parser.positionalArguments().isEmpty())
        return badInput(trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "unexpected argument '%1'"))
                            .arg(parser.positionalArguments().constFirst()));

    WorksheetJob job;
    if (!parser.isSet(worksheets))
        return badInput(trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--worksheets N is needed")));
    const std::optional<int> count = wholeNumber(parser.value(worksheets), kMinWorksheets, kMaxWorksheets);
    if (!count)
        return badInput(trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--worksheets must be a number from %1 to %2, not '%3'"))
                            .arg(kMinWorksheets)
                            .arg(kMaxWorksheets)
                            .arg(parser.value(worksheets)));
    job.batch.count = *count;

    job.output = parser.value(output);
    if (job.output.isEmpty())
        return badInput(trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--output FILE.pdf is needed")));

    int typeCode = static_cast<int>(TestType::Add);
    if (parser.isSet(type)) {
        const std::optional<int> chosen = choose(kTypes, parser.value(type));
        if (!chosen)
            return badInput(trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--type must be one of %1, not '%2'"))
                                .arg(choiceList(kTypes), parser.value(type)));
        typeCode = *chosen;
    }

    std::optional<int> ends[2];
    const QCommandLineOption* endOptions[2] = {&from, &to};
    for (int i = 0; i < 2; ++i) {
        if (!parser.isSet(*endOptions[i]))
            continue;
        ends[i] = wholeNumber(parser.value(*endOptions[i]), -kOperandLimit, kOperandLimit);
        if (!ends[i])
            return badInput(
                trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--%1 must be a whole number from -99 to 99, not '%2'"))
                    .arg(endOptions[i]->names().constFirst(), parser.value(*endOptions[i])));
    }

    std::optional<int> emphasised;
    if (parser.isSet(emphasis)) {
        emphasised = wholeNumber(parser.value(emphasis), -kOperandLimit, kOperandLimit);
        if (!emphasised)
            return badInput(
                trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--emphasis must be a whole number from -99 to 99, not '%1'"))
                    .arg(parser.value(emphasis)));
    }
    if ((parser.isSet(every) || parser.isSet(more)) && !emphasised)
        return badInput(trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--every and --more go with --emphasis N")));
    if (parser.isSet(every) && parser.isSet(more))
        return badInput(trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--every and --more cannot both be given")));

    if (parser.isSet(keys)) {
        const std::optional<int> chosen = choose(kKeys, parser.value(keys));
        if (!chosen)
            return badInput(trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--keys must be one of %1, not '%2'"))
                                .arg(choiceList(kKeys), parser.value(keys)));
        job.batch.keys = static_cast<KeyPlacement>(*chosen);
    }
    if (parser.isSet(paper)) {
        const std::optional<int> chosen = choose(kPapers, parser.value(paper));
        if (!chosen)
            return badInput(trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--paper must be one of %1, not '%2'"))
                                .arg(choiceList(kPapers), parser.value(paper)));
        job.batch.paper = static_cast<Paper>(*chosen);
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        const QString text = parser.value(seed).trimmed();
        const qulonglong value = text.toULongLong(&ok);
        if (!ok || text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')))
            return badInput(
                trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "--seed must be a whole number from 0 to %1, not '%2'"))
                    .arg(std::numeric_limits<qulonglong>::max())
                    .arg(parser.value(seed)));
        job.seed = value;
    }

    job.settings = settingsFromPicks(ends[0], ends[1], typeCode, emphasised, parser.isSet(more));
    WorksheetCommand command;
    command.job = std::move(job);
    return command;
}

int worksheetCommandMain(int argc, char** argv)
{
    // No window is ever shown: the offscreen platform needs no display yet has the system's
    // fonts, which the PDF's text needs (the minimal platform has none by default).
    static std::vector<char*> args(argv, argv + argc);
    static char platformOption[] = "-platform";
    static char platformName[] = "offscreen";
    args.insert(args.begin() + (args.empty() ? 0 : 1), {platformOption, platformName});
    static int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    QApplication app(count, args.data());
    QCoreApplication::setApplicationName(QString::fromUtf8(programTitle));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(versionString));
    // The language first, so the help and every message are in it: --lang, else the one chosen
    // in the menu, else the system's. Every other option is the command's own parser's business.
    QCommandLineParser language;
    language.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    i18n::addLanguageOption(language);
    (void)language.parse(QCoreApplication::arguments());
    i18n::installTranslation(app, i18n::localeFor(i18n::chosenLanguage(language)), i18n::translationDirs());

    const WorksheetCommand command = parseWorksheetCommand(QCoreApplication::arguments());
    if (!command.out.isEmpty())
        writeTo(stdout, command.out);
    if (!command.err.isEmpty())
        writeTo(stderr, command.err);
    if (!command.job)
        return command.exitCode;
    const WorksheetJob& job = *command.job;

    DrillState state;
    state.settings = job.settings;
    std::unique_ptr<RandomSource> random;
    if (job.seed)
        random = std::make_unique<ReproducibleRandom>(*job.seed);
    else
        random = std::make_unique<ClockRandom>();
    const auto sheets = drawWorksheets(job.batch.count, state, *random);

    // Interrupted, the temporary file goes and nothing is left behind.
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    const bool showProgress = ::isatty(STDERR_FILENO) == 1;
    const QString programName = QCoreApplication::applicationName().toLower();
    const PdfOutcome outcome = writeWorksheetsPdf(job.output, sheets, job.batch.keys, job.batch.paper, [&](int done, int total) {
        if (showProgress)
            writeTo(
                stderr,
                trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "\r%1: page %2 of %3")).arg(programName).arg(done).arg(total));
        return g_interrupted == 0;
    });
    if (showProgress)
        writeTo(stderr, QStringLiteral("\n"));
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);

    switch (outcome.status) {
    case PdfOutcome::Status::Written: return kExitWritten;
    case PdfOutcome::Status::Cancelled:
        writeTo(stderr,
                trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "%1: interrupted; %2 was not written\n"))
                    .arg(programName, QDir::toNativeSeparators(job.output)));
        return kExitInterrupted;
    case PdfOutcome::Status::Failed: break;
    }
    writeTo(stderr,
            trCommand(QT_TRANSLATE_NOOP("WorksheetCommand", "%1: cannot write %2: %3\n"))
                .arg(programName, QDir::toNativeSeparators(job.output), outcome.error));
    return outcome.opened ? kExitFailed : kExitBadInput;
}

} // namespace zorvix
