// The shipped translations against the sources as they stand: every text has a finished
// translation, keeps its placeholders and shortcut marks, and leaves no English word behind;
// every help page has a translated copy. A text added without a translation fails here with
// the list of what is missing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QString kSourceDir = QStringLiteral(ZORVIX_APP_SOURCE_DIR);
const QString kTsDir = kSourceDir + QStringLiteral("/i18n/translations");
const QString kHelpDir = kSourceDir + QStringLiteral("/resources/setup/help");

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
    QString where() const { return context + QStringLiteral(": \"") + source + u'"'; }
};

QList<Message> readTs(const QString& path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            current = Message{context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            current.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << current;
        }
    }
    return messages;
}

// Runs a Qt tool; its whole output, or a note why it did not run.
QString run(const QString& tool, const QStringList& args, int* exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, args);
    if (!process.waitForFinished(120000)) {
        *exitCode = -1;
        return tool + QStringLiteral(" did not finish");
    }
    *exitCode = process.exitCode();
    return QString::fromLocal8Bit(process.readAll());
}

// The language's file brought up to date with the sources, in a scratch folder: texts added to
// the program since it was translated come in unfinished.
QList<Message> refreshed(const QString& language, const QTemporaryDir& scratch, QString* lupdateOutput)
{
    const QString copy = scratch.filePath(QStringLiteral("zorvix_%1.ts").arg(language));
    QFile::copy(QStringLiteral("%1/zorvix_%2.ts").arg(kTsDir, language), copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    int exitCode = 0;
    *lupdateOutput = run(QStringLiteral(ZORVIX_LUPDATE),
                         {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                          QStringLiteral("-extensions"), QStringLiteral("cpp,h"), kSourceDir, QStringLiteral("-ts"), copy},
                         &exitCode);
    if (exitCode != 0)
        return {};
    return readTs(copy);
}

std::string lines(const QStringList& list) { return list.join(u'\n').toStdString() + '\n'; }

QString plainText(const QString& html)
{
    QString text = html;
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return text;
}

QStringList words(const QString& text)
{
    QStringList found;
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured().toLower();
        // Two letters say too little: "de", "it" and "no" are words of several languages.
        if (w.size() >= 3)
            found << w;
    }
    return found;
}

QStringList helpPages() { return QDir(kHelpDir).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name); }

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every English word the program shows: its texts and its help pages.
QSet<QString> englishWords()
{
    QSet<QString> english;
    for (const Message& m : readTs(kTsDir + QStringLiteral("/zorvix_de.ts")))
        for (const QString& w : words(m.source))
            english.insert(w);
    for (const QString& page : helpPages())
        for (const QString& w : words(plainText(readFile(kHelpDir + u'/' + page))))
            english.insert(w);
    return english;
}

// Texts that are the same in every language: the program's name, its web address.
bool staysAsItIs(const Message& m)
{
    static const QStringList names{QStringLiteral("ZORVIX V2.5"), QStringLiteral("www.zorvix.example")};
    return names.contains(m.source);
}

struct Language {
    const char* code;
    // Words the language shares with English, each a word of its own that a teacher uses.
    QStringList loanWords;
};

// Shared by all: the program's name, key caps and units as keyboards and clocks print them, and
// the names of file formats.
const QStringList kEverywhere{QStringLiteral("zorvix"), QStringLiteral("tab"), QStringLiteral("num"),       QStringLiteral("min"),
                              QStringLiteral("csv"),    QStringLiteral("pdf"), QStringLiteral("postgresql")};

// The command line's own words stay as they are typed in every language: its options, their
// values and the value names its help shows.
QString withoutCommandWords(const Message& m)
{
    if (m.context != QLatin1String("WorksheetCommand"))
        return m.translation;
    static const QRegularExpression typed(
        QStringLiteral("--[\\w%-]+|\\b\\p{L}+(?:-\\p{L}+)+\\b|FILE\\.pdf|\\b(?:add|letter|a4)\\b"));
    return QString(m.translation).remove(typed);
}

void PrintTo(const Language& language, std::ostream* out) { *out << language.code; }

class Translation : public ::testing::TestWithParam<Language> {
protected:
    QString code() const { return QString::fromUtf8(GetParam().code); }
    QStringList loanWords() const { return kEverywhere + GetParam().loanWords; }
};

TEST_P(Translation, everyTextOfTheProgramHasAFinishedTranslation)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QString lupdate;
    const QList<Message> messages = refreshed(code(), scratch, &lupdate);
    ASSERT_FALSE(messages.isEmpty()) << lupdate.toStdString();

    QStringList missing;
    for (const Message& m : messages)
        if (m.type == QLatin1String("unfinished") || m.translation.isEmpty())
            missing << m.where();
    EXPECT_TRUE(missing.isEmpty()) << lines(missing) << missing.size() << " texts lack a " << GetParam().code
                                   << " translation; fill them in translations/zorvix_" << GetParam().code
                                   << ".ts (the zorvix_ts_update target brings them in)";

    // lrelease, which builds the shipped file, agrees.
    int exitCode = 0;
    const QString report = run(QStringLiteral(ZORVIX_LRELEASE),
                               {scratch.filePath(QStringLiteral("zorvix_%1.ts").arg(code())), QStringLiteral("-qm"),
                                scratch.filePath(QStringLiteral("check.qm"))},
                               &exitCode);
    ASSERT_EQ(exitCode, 0) << report.toStdString();
    EXPECT_TRUE(report.contains(QLatin1String(" 0 unfinished"))) << report.toStdString();
}

TEST_P(Translation, keepsEveryPlaceholderAndShortcutMark)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList wrong;
    for (const Message& m : readTs(QStringLiteral("%1/zorvix_%2.ts").arg(kTsDir, code()))) {
        QStringList source, translated;
        for (auto it = placeholder.globalMatch(m.source); it.hasNext();)
            source << it.next().captured();
        for (auto it = placeholder.globalMatch(m.translation); it.hasNext();)
            translated << it.next().captured();
        source.sort();
        translated.sort();
        if (source != translated)
            wrong << m.where() + QStringLiteral(" placeholders ") + translated.join(u' ');
        if (m.source.count(u'&') != m.translation.count(u'&'))
            wrong << m.where() + QStringLiteral(" shortcut mark in \"") + m.translation + u'"';
    }
    EXPECT_TRUE(wrong.isEmpty()) << lines(wrong);
}

TEST_P(Translation, leavesNoEnglishWordBehind)
{
    const QSet<QString> english = englishWords();
    QStringList left;
    for (const Message& m : readTs(QStringLiteral("%1/zorvix_%2.ts").arg(kTsDir, code()))) {
        if (staysAsItIs(m))
            continue;
        for (const QString& w : words(withoutCommandWords(m)))
            if (english.contains(w) && !loanWords().contains(w))
                left << QStringLiteral("%1 -> \"%2\" keeps \"%3\"").arg(m.where(), m.translation, w);
    }
    EXPECT_TRUE(left.isEmpty()) << lines(left);
}

TEST_P(Translation, everyHelpPageHasATranslatedCopy)
{
    const QSet<QString> english = englishWords();
    static const QRegularExpression item(QStringLiteral("<li[ >]"));
    for (const QString& page : helpPages()) {
        const QString source = readFile(kHelpDir + u'/' + page);
        const QString translated = readFile(QStringLiteral("%1/%2/%3").arg(kHelpDir, code(), page));
        ASSERT_FALSE(translated.isEmpty()) << GetParam().code << '/' << page.toStdString() << " is missing";
        // Step by step as the English page: one list item for each.
        EXPECT_EQ(translated.count(item), source.count(item)) << page.toStdString();
        QStringList left;
        for (const QString& w : words(plainText(translated)))
            if (english.contains(w) && !loanWords().contains(w))
                left << w;
        EXPECT_TRUE(left.isEmpty()) << GetParam().code << '/' << page.toStdString() << " keeps " << lines(left);
    }
}

// Lettering in pictures: the setup screen's banner has its subtitle in each language.
TEST_P(Translation, theBannerHasItsOwnLettering)
{
    const QString banner = QStringLiteral("%1/resources/setup/banner.svg").arg(kSourceDir);
    const QString translated = readFile(QStringLiteral("%1/resources/setup/%2/banner.svg").arg(kSourceDir, code()));
    ASSERT_FALSE(translated.isEmpty()) << "no banner for " << GetParam().code;
    EXPECT_NE(translated, readFile(banner));
    const QString qrc = readFile(kSourceDir + QStringLiteral("/resources/setup.qrc"));
    EXPECT_TRUE(qrc.contains(QStringLiteral("setup/%1/banner.svg").arg(code())));
    for (const QString& page : helpPages())
        EXPECT_TRUE(qrc.contains(QStringLiteral("setup/help/%1/%2").arg(code(), page))) << page.toStdString();
}

std::string languageName(const ::testing::TestParamInfo<Language>& info) { return info.param.code; }

INSTANTIATE_TEST_SUITE_P(
    Shipped, Translation,
    ::testing::Values(
        // "plus" and "minus" are how German children say the operations; "Version", "Minute",
        // "Server" and "Kind" (a child) are German too.
        Language{"de",
                 {QStringLiteral("plus"), QStringLiteral("minus"), QStringLiteral("version"), QStringLiteral("system"),
                  QStringLiteral("minute"), QStringLiteral("kind"), QStringLiteral("server")}},
        // French words spelt as English ones: "place", "message", "tu passes", "minutes".
        Language{"fr",
                 {QStringLiteral("plus"), QStringLiteral("version"), QStringLiteral("page"), QStringLiteral("place"),
                  QStringLiteral("message"), QStringLiteral("passes"), QStringLiteral("minutes"), QStringLiteral("minute")}},
        Language{"es", {}},
        // Brazilian keyboards print "Enter" and "Num Lock" on their keys.
        Language{"pt_BR", {QStringLiteral("enter"), QStringLiteral("lock")}},
        // Italian says "file" for a file and "server" for a server; "come" is its "how",
        // "per" its "for" and "times".
        Language{"it", {QStringLiteral("file"), QStringLiteral("come"), QStringLiteral("per"), QStringLiteral("server")}}),
    languageName);

// Every translation in the tree is one of those checked above.
TEST(Translations, everyShippedLanguageIsChecked)
{
    const QStringList files = QDir(kTsDir).entryList({QStringLiteral("zorvix_*.ts")}, QDir::Files, QDir::Name);
    EXPECT_EQ(files,
              (QStringList{QStringLiteral("zorvix_de.ts"), QStringLiteral("zorvix_es.ts"), QStringLiteral("zorvix_fr.ts"),
                           QStringLiteral("zorvix_it.ts"), QStringLiteral("zorvix_pt_BR.ts")}));
}

} // namespace
