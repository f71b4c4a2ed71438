// Worksheets from the command line: the real program run with no display, its PDF read back
// with poppler's tools, and every bad input refused with status 2 and no file.
#include "worksheet_command.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace zorvix {
namespace {

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// The program as a user starts it from a shell without any display.
ProgramRun runProgram(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZORVIX_PROGRAM), arguments);
    ProgramRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString tool(const QString& name, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(name);
    EXPECT_FALSE(path.isEmpty()) << name.toStdString() << " (poppler-utils) is needed";
    QProcess process;
    process.start(path, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Problem {
    QString first, sign, second, answer; // sign empty for a division: the ÷ is a picture
    bool operator==(const Problem& o) const { return first == o.first && sign == o.sign && second == o.second; }
};

struct Page {
    std::vector<Problem> problems;
    bool answerKey = false;
};

// Rows of five: the tops, then each problem's sign (when shown as text) and bottom, then on a
// key the answers.
std::optional<Page> readPage(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines << line;
    Page page;
    if (lines.size() != 24 && lines.size() != 16)
        return std::nullopt;
    page.answerKey = lines.size() == 24;
    const int perRow = page.answerKey ? 3 : 2;
    const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (int row = 0; row < 8; ++row) {
        const QStringList tops = lines[row * perRow].split(blanks, Qt::SkipEmptyParts);
        const QStringList middle = lines[row * perRow + 1].split(blanks, Qt::SkipEmptyParts);
        const QStringList answers = page.answerKey ? lines[row * perRow + 2].split(blanks, Qt::SkipEmptyParts) : QStringList();
        if (tops.size() != 5 || (page.answerKey && answers.size() != 5))
            return std::nullopt;
        qsizetype m = 0;
        for (int column = 0; column < 5; ++column) {
            Problem p;
            p.first = tops[column];
            if (m < middle.size() &&
                (middle[m] == QLatin1String("+") || middle[m] == QLatin1String("-") || middle[m] == QLatin1String("x")))
                p.sign = middle[m++];
            if (m >= middle.size())
                return std::nullopt;
            p.second = middle[m++];
            if (page.answerKey)
                p.answer = answers[column];
            page.problems.push_back(p);
        }
        if (m != middle.size())
            return std::nullopt;
    }
    return page;
}

std::vector<Page> readPdf(const QString& file)
{
    std::vector<Page> pages;
    const QStringList texts = tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    for (const QString& text : texts) {
        if (text.trimmed().isEmpty())
            continue;
        const std::optional<Page> page = readPage(text);
        EXPECT_TRUE(page.has_value()) << "unreadable page:\n" << text.toStdString();
        if (page)
            pages.push_back(*page);
    }
    return pages;
}

// Plain arithmetic on the numbers the page shows.
std::optional<long long> expectedAnswer(const Problem& p)
{
    bool okA = false, okB = false;
    const long long a = p.first.toLongLong(&okA);
    const long long b = p.second.toLongLong(&okB);
    if (!okA || !okB)
        return std::nullopt;
    if (p.sign == QLatin1String("+"))
        return a + b;
    if (p.sign == QLatin1String("-"))
        return a - b;
    if (p.sign == QLatin1String("x"))
        return a * b;
    if (b == 0 || a % b != 0)
        return std::nullopt; // a division must come out whole
    return a / b;
}

void expectRightAnswers(const Page& key, int pageNumber)
{
    for (const Problem& p : key.problems) {
        const std::optional<long long> answer = expectedAnswer(p);
        ASSERT_TRUE(answer.has_value()) << "page " << pageNumber << ": " << p.first.toStdString() << " " << p.sign.toStdString()
                                        << " " << p.second.toStdString();
        EXPECT_EQ(p.answer, QString::number(*answer)) << "page " << pageNumber << ": " << p.first.toStdString() << " "
                                                      << p.sign.toStdString() << " " << p.second.toStdString();
    }
}

class WorksheetCommandLine : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

struct OrderCase {
    const char* name;
    const char* keys;
    const char* paper;
    const char* type;
    const char* pageSize;
};

class WorksheetPdf : public WorksheetCommandLine, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(WorksheetPdf, sheetsOf40AndKeysRightForTheirProblemsInTheAskedOrder)
{
    const OrderCase c = GetParam();
    const int n = 3;
    const QString pdf = file("class.pdf");
    const ProgramRun run =
        runProgram({QStringLiteral("--worksheets"), QString::number(n), QStringLiteral("--output"), pdf, QStringLiteral("--type"),
                    QString::fromLatin1(c.type), QStringLiteral("--from"), QStringLiteral("-9"), QStringLiteral("--to"),
                    QStringLiteral("12"), QStringLiteral("--keys"), QString::fromLatin1(c.keys), QStringLiteral("--paper"),
                    QString::fromLatin1(c.paper), QStringLiteral("--seed"), QStringLiteral("2024")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    // Not a terminal: no progress line, and nothing of ours on standard error.
    EXPECT_FALSE(run.err.contains(QStringLiteral("zorvix:"))) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("page "))) << run.err.toStdString();

    const std::vector<Page> pages = readPdf(pdf);
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(2 * n));
    const bool atEnd = QByteArray(c.keys) == "at-end";
    for (int sheet = 0; sheet < n; ++sheet) {
        const int sheetPage = atEnd ? sheet : 2 * sheet;
        const int keyPage = atEnd ? n + sheet : 2 * sheet + 1;
        const Page& problems = pages[static_cast<std::size_t>(sheetPage)];
        const Page& key = pages[static_cast<std::size_t>(keyPage)];
        EXPECT_FALSE(problems.answerKey) << "page " << sheetPage + 1;
        ASSERT_TRUE(key.answerKey) << "page " << keyPage + 1;
        ASSERT_EQ(problems.problems.size(), 40u);
        EXPECT_EQ(problems.problems, key.problems) << "the key of sheet " << sheet + 1 << " is another sheet's";
        expectRightAnswers(key, keyPage + 1);
    }
    // Fresh draws: no two sheets alike.
    EXPECT_FALSE(pages[0].problems == pages[atEnd ? 1 : 2].problems);

    const QString info = tool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+") + QString::fromLatin1(c.pageSize))))
        << info.toStdString();
    // Vectors and text only: the header and its rule, no image rows.
    const QStringList images = tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << images.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Orders, WorksheetPdf,
    ::testing::Values(OrderCase{"keysAfterEachOnLetter", "after-each", "letter", "add-subtract", "612 x 792 pts \\(letter\\)"},
                      OrderCase{"keysAtEndOnA4", "at-end", "a4", "multiply-divide", "595 x 842 pts \\(A4\\)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorksheetCommandLine, sameSeedSameTextOtherSeedOtherProblems)
{
    auto text = [&](const char* name, const char* seed) {
        const QString pdf = file(name);
        const ProgramRun run = runProgram({QStringLiteral("--worksheets"), QStringLiteral("2"), QStringLiteral("--output"), pdf,
                                           QStringLiteral("--type"), QStringLiteral("multiply"), QStringLiteral("--seed"),
                                           QString::fromLatin1(seed)});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    };
    const QString first = text("a.pdf", "5");
    ASSERT_FALSE(first.trimmed().isEmpty());
    EXPECT_EQ(text("b.pdf", "5"), first);
    EXPECT_NE(text("c.pdf", "6"), first);
}

struct BadCase {
    const char* name;
    QStringList arguments; // --output comes from the test
    const char* message;
};

class BadInput : public WorksheetCommandLine, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadInput, messageStatus2AndNoFile)
{
    const BadCase c = GetParam();
    const QString pdf = file("out.pdf");
    QStringList arguments = c.arguments;
    for (QString& a : arguments)
        a.replace(QStringLiteral("@OUT"), pdf).replace(QStringLiteral("@DIR"), dir.path());
    const ProgramRun run = runProgram(arguments);
    EXPECT_EQ(run.status, kExitBadInput) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    // Nothing beside it either: no temporary file left over.
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty())
        << QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
}

QStringList with(std::initializer_list<const char*> extra)
{
    QStringList out{QStringLiteral("--output"), QStringLiteral("@OUT")};
    for (const char* e : extra)
        out << QString::fromUtf8(e);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Refused, BadInput,
    ::testing::Values(
        BadCase{"unknownOption", with({"--worksheets", "2", "--colour", "red"}), "Unknown option 'colour'"},
        BadCase{"countZero", with({"--worksheets", "0"}), "--worksheets must be a number from 1 to 200, not '0'"},
        BadCase{"count201", with({"--worksheets", "201"}), "--worksheets must be a number from 1 to 200, not '201'"},
        BadCase{"countNotANumber", with({"--worksheets", "ten"}), "--worksheets must be a number from 1 to 200"},
        BadCase{"countMissing", with({"--type", "add"}), "--worksheets N is needed"},
        BadCase{"outputMissing", {QStringLiteral("--worksheets"), QStringLiteral("1")}, "--output FILE.pdf is needed"},
        BadCase{"lowEndBelowMinus99", with({"--worksheets", "1", "--from", "-100"}),
                "--from must be a whole number from -99 to 99, not '-100'"},
        BadCase{"highEndAbove99", with({"--worksheets", "1", "--to", "100"}),
                "--to must be a whole number from -99 to 99, not '100'"},
        BadCase{"rangeNotWhole", with({"--worksheets", "1", "--from", "2.5"}), "--from must be a whole number"},
        BadCase{"unknownType", with({"--worksheets", "1", "--type", "power"}), "--type must be one of add, subtract"},
        BadCase{"unknownKeys", with({"--worksheets", "1", "--keys", "never"}), "--keys must be one of after-each, at-end"},
        BadCase{"unknownPaper", with({"--worksheets", "1", "--paper", "legal"}), "--paper must be one of letter, a4"},
        BadCase{"moreWithoutEmphasis", with({"--worksheets", "1", "--more"}), "--every and --more go with --emphasis N"},
        BadCase{"everyAndMore", with({"--worksheets", "1", "--emphasis", "3", "--every", "--more"}), "cannot both be given"},
        BadCase{"negativeSeed", with({"--worksheets", "1", "--seed", "-4"}), "--seed must be a whole number"},
        BadCase{"strayArgument", with({"--worksheets", "1", "extra"}), "unexpected argument 'extra'"},
        BadCase{"folderMissing",
                {QStringLiteral("--worksheets"), QStringLiteral("1"), QStringLiteral("--output"),
                 QStringLiteral("@DIR/no/such/folder/x.pdf")},
                "cannot write"},
        BadCase{"outputIsAFolder",
                {QStringLiteral("--worksheets"), QStringLiteral("1"), QStringLiteral("--output"), QStringLiteral("@DIR")},
                "cannot write"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorksheetCommandLine, anExistingFileIsKeptWhenTheRunFailsAndReplacedWhenItSucceeds)
{
    const QString pdf = file("keep.pdf");
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier file");
    }
    ProgramRun run = runProgram({QStringLiteral("--worksheets"), QStringLiteral("500"), QStringLiteral("--output"), pdf});
    EXPECT_EQ(run.status, kExitBadInput);
    QFile check(pdf);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("earlier file"));
    check.close();

    run = runProgram({QStringLiteral("--worksheets"), QStringLiteral("1"), QStringLiteral("--output"), pdf});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_TRUE(check.readAll().startsWith("%PDF"));
}

TEST_F(WorksheetCommandLine, helpAndVersionPrintAndSucceed)
{
    const ProgramRun help = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--worksheets <N>", "--output <FILE.pdf>", "--type <TYPE>", "--from <A>", "--to <B>", "--emphasis <N>", "--every",
          "--more", "--keys <PLACE>", "--paper <PAPER>", "--seed <S>", "--lang <code>"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(option))) << option;
    const ProgramRun version = runProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("Zorvix 2.5.0"));
}

struct LanguageCase {
    const char* code;
    const char* badCount;  // what --worksheets 500 is told
    const char* countHelp; // the help's line for --worksheets
    const char* langHelp;  // the help's line for --lang
    const char* helpHelp;  // the help's line for --help
};

void PrintTo(const LanguageCase& c, std::ostream* out) { *out << c.code; }

class CommandLanguage : public WorksheetCommandLine, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(CommandLanguage, writesAndSpeaksTheLanguageAskedFor)
{
    const QString code = QString::fromLatin1(GetParam().code);
    const QString pdf = file("lang.pdf");
    const ProgramRun written = runProgram(
        {QStringLiteral("--lang"), code, QStringLiteral("--worksheets"), QStringLiteral("2"), QStringLiteral("--output"), pdf});
    EXPECT_EQ(written.status, 0) << written.err.toStdString();
    QFile check(pdf);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_TRUE(check.readAll().startsWith("%PDF"));

    const ProgramRun bad = runProgram({QStringLiteral("--worksheets"), QStringLiteral("500"), QStringLiteral("--lang"), code,
                                       QStringLiteral("--output"), file("bad.pdf")});
    EXPECT_EQ(bad.status, kExitBadInput);
    EXPECT_TRUE(bad.err.contains(QString::fromUtf8(GetParam().badCount))) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(file("bad.pdf")));

    const ProgramRun help = runProgram({QStringLiteral("--lang=") + code, QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char* line : {GetParam().countHelp, GetParam().langHelp, GetParam().helpHelp})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(line))) << line << "\n" << help.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CommandLanguage,
    ::testing::Values(
        LanguageCase{"en", "--worksheets must be a number from 1 to 200, not '500'", "Number of worksheets, 1 to 200.",
                     "Show the program in this language", "Displays help on commandline options."},
        LanguageCase{"de", "--worksheets muss eine Zahl von 1 bis 200 sein, nicht '500'", "Anzahl der Arbeitsblätter, 1 bis 200.",
                     "Das Programm in dieser Sprache zeigen", "Zeigt Hilfe zu den Kommandozeilenoptionen an."},
        LanguageCase{"fr", "--worksheets doit être un nombre de 1 à 200, pas '500'", "Nombre de fiches, de 1 à 200.",
                     "Afficher le programme dans cette langue", "Affiche l’aide de la ligne de commande."}),
    [](const auto& info) { return std::string(info.param.code); });

// ---- in-process: which arguments start the command line, and what the settings become ----

struct RequestCase {
    const char* name;
    QStringList arguments;
    bool requested;
};

class CommandRequested : public ::testing::TestWithParam<RequestCase> {};

TEST_P(CommandRequested, onlyTheCommandLinesOwnOptionsTurnItOn)
{
    QStringList arguments{QStringLiteral("zorvix")};
    arguments << GetParam().arguments;
    EXPECT_EQ(worksheetCommandRequested(arguments), GetParam().requested);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandRequested,
    ::testing::Values(
        RequestCase{"noArguments", {}, false},
        RequestCase{"qtsOwnOptions", {QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-reverse")}, false},
        RequestCase{"aFileName", {QStringLiteral("worksheets")}, false},
        RequestCase{"worksheets", {QStringLiteral("--worksheets"), QStringLiteral("3")}, true},
        RequestCase{"outputWithEquals", {QStringLiteral("--output=x.pdf")}, true},
        RequestCase{"help", {QStringLiteral("-h")}, true}, RequestCase{"version", {QStringLiteral("--version")}, true},
        RequestCase{"afterDoubleDash", {QStringLiteral("--"), QStringLiteral("--worksheets")}, false},
        RequestCase{"languageAlone", {QStringLiteral("--lang"), QStringLiteral("de")}, false},
        RequestCase{"languageAndWorksheets",
                    {QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--worksheets"), QStringLiteral("2")},
                    true}),
    [](const auto& info) { return std::string(info.param.name); });

struct SettingsCase {
    const char* name;
    QStringList arguments;
    int minOperand, maxOperand, testType;
    std::optional<double> emphasis;
    bool every;
};

class CommandSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(CommandSettings, followTheSetupScreensRules)
{
    const SettingsCase c = GetParam();
    QStringList arguments{QStringLiteral("zorvix"), QStringLiteral("--worksheets"), QStringLiteral("4"),
                          QStringLiteral("--output"), QStringLiteral("x.pdf")};
    arguments << c.arguments;
    const WorksheetCommand command = parseWorksheetCommand(arguments);
    ASSERT_TRUE(command.job.has_value()) << command.err.toStdString();
    const DrillSettings& s = command.job->settings;
    EXPECT_EQ(s.minOperand, c.minOperand);
    EXPECT_EQ(s.maxOperand, c.maxOperand);
    EXPECT_EQ(s.testType, c.testType);
    EXPECT_EQ(s.emphasisNumber, c.emphasis);
    if (c.emphasis) {
        EXPECT_EQ(s.emphasisEveryProblem, c.every);
    }
    EXPECT_EQ(command.job->batch.count, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CommandSettings,
    ::testing::Values(
        SettingsCase{"defaultsAreTheSetupScreens", {}, 0, 9, 0, std::nullopt, false},
        SettingsCase{
            "divisionLiftsALowZeroTo2", {QStringLiteral("--type"), QStringLiteral("divide")}, 2, 9, 4, std::nullopt, false},
        SettingsCase{"divisionTurnsAHighZeroToMinus2",
                     {QStringLiteral("--type"), QStringLiteral("multiply-divide"), QStringLiteral("--from"), QStringLiteral("-9"),
                      QStringLiteral("--to"), QStringLiteral("0")},
                     -9,
                     -2,
                     5,
                     std::nullopt,
                     false},
        SettingsCase{"divisionLeavesARangeAcrossZero",
                     {QStringLiteral("--type"), QStringLiteral("divide"), QStringLiteral("--from"), QStringLiteral("-5"),
                      QStringLiteral("--to"), QStringLiteral("5")},
                     -5,
                     5,
                     4,
                     std::nullopt,
                     false},
        SettingsCase{"lowEndAboveTheDefaultHighDragsItUp",
                     {QStringLiteral("--from"), QStringLiteral("20")},
                     20,
                     20,
                     0,
                     std::nullopt,
                     false},
        SettingsCase{"highEndBelowTheLowDragsItDown",
                     {QStringLiteral("--from"), QStringLiteral("8"), QStringLiteral("--to"), QStringLiteral("5")},
                     5,
                     5,
                     0,
                     std::nullopt,
                     false},
        SettingsCase{"emphasisEveryProblemByDefault", {QStringLiteral("--emphasis"), QStringLiteral("7")}, 0, 9, 0, 7.0, true},
        SettingsCase{
            "emphasisMore", {QStringLiteral("--emphasis"), QStringLiteral("-3"), QStringLiteral("--more")}, 0, 9, 0, -3.0, false},
        SettingsCase{"languageIsNoSetting", {QStringLiteral("--lang"), QStringLiteral("de")}, 0, 9, 0, std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zorvix
