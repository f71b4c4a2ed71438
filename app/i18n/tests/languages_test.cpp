// The whole program in each shipped language and in the pseudo-translation, on a small and a
// large screen: no caption is cut off by its control, the help pages and the About box speak
// the language, numbers stay as they are, and a language chosen in the menu reaches every
// drill window and survives a restart.
//
// ZORVIX_SCREENSHOT_DIR=<folder> also saves one picture of every window per language and screen.
#include "drive.h"

#include "card/card_window.h"
#include "card/completion_dialog.h"
#include "common/qt/caption_fit.h"
#include "common/qt/svg_picture.h"
#include "common/qt/twips.h"
#include "common/random_source.h"
#include "i18n/pseudo_translator.h"
#include "i18n/translation.h"
#include "layout_link.h"
#include "offscreen_screens.h"
#include "progress/progress_menu.h"
#include "progress/progress_recorder.h"
#include "progress/progress_report.h"
#include "progress/progress_service.h"
#include "progress/progress_window.h"
#include "setup/about_box.h"
#include "setup/help_page.h"
#include "setup/save_worksheets.h"
#include "setup/setup_window.h"
#include "sheets/printed/printed_window.h"
#include "sheets/sheet_window.h"

#include <QAction>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QInputDialog>
#include <QMenu>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include <map>

using namespace zorvix;
using namespace zorvix::drive;

namespace {

constexpr QRect kSmallScreen(0, 0, 800, 600);
constexpr QRect kLargeScreen(800, 0, 1920, 1080);
const QString kPseudo = QStringLiteral("pseudo");

void settle()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(10);
    }
}

bool hasLetter(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

QString currentLanguage = QStringLiteral("en");

// Every caption of the window, hidden ones included (they show later), that its control cuts off.
// The pseudo-translation lengthens every text by its markers, more than a translator would
// leave after choosing a shorter word: there a caption the fitting took to its floor passes.
QStringList clippedCaptions(QWidget* window)
{
    QStringList clipped;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const CaptionRoom caption = captionRoom(w);
        if (!hasLetter(caption.text) || captionFits(w, w->font()))
            continue;
        if (currentLanguage == kPseudo && w->font().pointSizeF() <= captionFloor(w) + 0.25)
            continue;
        const QRect needed = QFontMetrics(w->font()).boundingRect(caption.room, caption.flags, caption.text);
        clipped << QStringLiteral("%1 %2 \"%3\" at %4 pt needs %5x%6 in %7x%8")
                       .arg(window->objectName(), w->objectName(), caption.text)
                       .arg(w->font().pointSizeF())
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(caption.room.width())
                       .arg(caption.room.height());
    }
    return clipped;
}

void screenshot(QWidget* window, const char* screen)
{
    const QString dir = qEnvironmentVariable("ZORVIX_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    window->grab().save(
        QStringLiteral("%1/%2_%3_%4.png").arg(dir, currentLanguage, QString::fromUtf8(screen), window->objectName()));
}

// The window checked where it opened (the small, primary screen), then on the large one, then
// back on the small one: the layout control rescales it each time.
QStringList clippedOnBothScreens(QWidget* window)
{
    settle();
    QStringList clipped = clippedCaptions(window);
    screenshot(window, "small");
    window->move(kLargeScreen.topLeft() + QPoint(40, 40));
    settle();
    clipped << clippedCaptions(window);
    screenshot(window, "large");
    window->move(kSmallScreen.topLeft() + QPoint(10, 10));
    settle();
    clipped << clippedCaptions(window);
    return clipped;
}

// Closes whatever modal window opens next (the printer message where there is no printer).
void closeNextModal()
{
    QTimer::singleShot(200, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
}

// Two multiplication tests of the child practising: 8 of 10 two days ago, 5 of 10 ten days ago,
// so the Progress window has a sentence with a trend, a table and hardest facts to show.
void recordTwoTests(Program& program)
{
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    for (const auto& [daysAgo, right] : {std::pair{2, 8}, std::pair{10, 5}}) {
        progress::TestRecord r;
        r.drill = progress::Drill::Cards;
        r.testType = 3;
        r.endedMs = now - daysAgo * progress::kDayMs;
        r.startedMs = r.endedMs - 60'000;
        r.problemCount = r.tries = 10;
        r.right = right;
        r.missed = 10 - right;
        r.problems = {progress::ProblemRecord{7, 8, "x", "54", false, false, false, 1}};
        program.record(r);
    }
    ASSERT_TRUE(program.progress()->recorder().flush(5000));
}

class Languages : public ::testing::TestWithParam<const char*> {
protected:
    // Preferences of this run only, apart from any other test running beside it.
    static void SetUpTestSuite()
    {
        static QTemporaryDir preferences;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences.path());
    }

    void SetUp() override
    {
        i18n::rememberLanguage(QString());
        use(QString::fromUtf8(GetParam()));
        program = &startProgram();
        program->setProgressLocation(progressDir.filePath(QStringLiteral("progress.sqlite")));
        program->setRandomSource(std::make_unique<ScriptedRandom>(std::vector<double>{0.45, 0.25, 0.85, 0.65, 0.1}));
        ASSERT_TRUE(activate(program->setupWindow()));
    }
    void TearDown() override
    {
        discardProgram();
        use(QStringLiteral("en"));
        i18n::rememberLanguage(QString());
    }

    void use(const QString& code)
    {
        QCoreApplication::removeTranslator(&pseudo);
        currentLanguage = code;
        if (code == kPseudo) {
            i18n::installTranslation(*QCoreApplication::instance(), QLocale(QLocale::English), {});
            QCoreApplication::installTranslator(&pseudo);
        } else {
            const bool installed =
                i18n::installTranslation(*QCoreApplication::instance(), QLocale(code), i18n::translationDirs());
            EXPECT_EQ(installed, code != QLatin1String("en")) << code.toStdString();
        }
    }

    i18n::PseudoTranslator pseudo;
    QTemporaryDir progressDir;
    Program* program = nullptr;
};

using EveryWindow = Languages;

TEST_P(EveryWindow, noCaptionIsCutOffOnASmallOrALargeScreen)
{
    QStringList clipped = clippedOnBothScreens(program->setupWindow());

    program->showDrill(TestMethod::Cards);
    CardWindow* card = program->cardWindow();
    ASSERT_TRUE(activate(card));
    clipped << clippedOnBothScreens(card);
    control<QAbstractButton>(card, QStringLiteral("new_prob"))->click(); // START becomes NEW PROBLEM
    clipped << clippedOnBothScreens(card);

    CompletionDialog* dialog = card->completionDialog();
    const QString count = QStringLiteral("100");
    dialog->setText(i18n::composed(i18n::kCompletion, QT_TRANSLATE_NOOP("Dialog", "Nice Job!!  %1 out of %2!!"), {count, count},
                                   QStringLiteral("Nice Job!!  100 out of 100!!")));
    dialog->show();
    clipped << clippedOnBothScreens(dialog);
    dialog->hide();
    card->hide();

    program->state().settings.problemCount = 30;
    program->showDrill(TestMethod::Page);
    SheetWindow* sheet = program->sheetWindow();
    ASSERT_TRUE(activate(sheet));
    control<QAbstractButton>(sheet, QStringLiteral("nsheet"))->click();
    clipped << clippedOnBothScreens(sheet);
    sheet->hide();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintedSheetWindow printed(*program);
    printed.setMessagePresenter([](const QString&) {});
    printed.setPrinterFactory([&] {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        return printer;
    });
    attachLayoutControl(printed);
    printed.show();
    clipped << clippedOnBothScreens(&printed);
    printed.hide();

    AboutBox* about = new AboutBox(program->setupWindow());
    about->show();
    clipped << clippedOnBothScreens(about);
    about->close();
    for (int page = 1; page <= helpPageCount; ++page) {
        HelpPage* help = new HelpPage(page, program->setupWindow());
        help->show();
        clipped << clippedOnBothScreens(help);
        help->close();
    }

    // The windows of the File and Progress menus.
    recordTwoTests(*program);
    auto* progressWindow = new progress::ProgressWindow(*program->progress(), program->setupWindow());
    progressWindow->setAttribute(Qt::WA_DeleteOnClose);
    progressWindow->show();
    clipped << clippedOnBothScreens(progressWindow);
    progressWindow->close();
    for (const auto kind : {progress::ProfileDialog::New, progress::ProfileDialog::Rename}) {
        const std::unique_ptr<QInputDialog> name(
            progress::profileNameDialog(kind, progress::ProgressService::defaultProfile(), program->setupWindow()));
        name->show();
        clipped << clippedOnBothScreens(name.get());
        name->hide();
    }
    WorksheetBatchDialog worksheets(program->setupWindow());
    worksheets.show();
    clipped << clippedOnBothScreens(&worksheets);
    worksheets.hide();

    clipped.removeDuplicates();
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryWindow, ::testing::Values("en", "de", "fr", "es", "pt_BR", "it", "pseudo"),
                         [](const auto& info) { return std::string(info.param); });

using Translated = Languages;

// The page as the language's own copy has it, read the way the help window reads it.
QString expectedPage(const QString& code, const char* file)
{
    QFile resource(QStringLiteral(":/setup/help/%1/%2").arg(code, QString::fromUtf8(file)));
    if (!resource.open(QIODevice::ReadOnly))
        return QStringLiteral("<no %1 page>").arg(QString::fromUtf8(file));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(resource.readAll()));
    return document.toPlainText();
}

TEST_P(Translated, helpPagesAndTheAboutBoxSpeakTheLanguage)
{
    const QString code = QString::fromUtf8(GetParam());
    const char* const files[] = {"setup_page.html", "flash_cards.html", "flash_page.html", "print_page.html"};
    const char* const englishTitles[] = {"Set Up the FlashCards", "Using the Flash Cards", "Using the Flash Page of Problems",
                                         "Printing a Page of Problems"};
    for (int page = 1; page <= helpPageCount; ++page) {
        HelpPage help(page, program->setupWindow());
        const QString shown = control<QTextBrowser>(&help, QStringLiteral("RichTextBox1"))->toPlainText();
        EXPECT_EQ(shown.toStdString(), expectedPage(code, files[page - 1]).toStdString());
        EXPECT_NE(help.windowTitle().toStdString(), englishTitles[page - 1]);
    }

    // The banner's lettering too.
    auto* banner = control<SvgPicture>(program->setupWindow(), QStringLiteral("Image1"));
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->resource().toStdString(), QStringLiteral(":/setup/%1/banner.svg").arg(code).toStdString());

    AboutBox about(program->setupWindow());
    const QString description = control<QLabel>(&about, QStringLiteral("lblDescription"))->text();
    EXPECT_FALSE(description.isEmpty());
    EXPECT_FALSE(description.startsWith(QLatin1String("An interactive"))) << description.toStdString();
    EXPECT_FALSE(about.windowTitle().startsWith(QLatin1String("About "))) << about.windowTitle().toStdString();
    EXPECT_NE(control<QLabel>(&about, QStringLiteral("lblDisclaimer"))->text().toStdString(),
              "\u00A9 The Zorvix developers. Free for home and classroom use. Provided as is, without warranty of "
              "any kind.");
}

struct NewWindowTexts {
    const char* progressMenu;
    const char* progressTitle;
    const char* noTests;
    const char* close;
    const char* worksheetsTitle;
    const char* afterEach;
    const char* newChild;
    const char* summary;
};

const std::map<std::string, NewWindowTexts> kNewWindowTexts{
    {"de",
     {"&Fortschritt", "Fortschritt", "Keine Übungen in diesem Zeitraum.", "Schließen", "Arbeitsblätter als PDF speichern",
      "Nach jedem Blatt", "Neues Kind", "Malrechnen: 1 Übung, 80 % richtig in den letzten 7 Tagen, besser als vorher (50 %)."}},
    {"fr",
     {"&Progrès", "Progrès", "Aucun exercice pendant cette période.", "Fermer", "Enregistrer les fiches en PDF",
      "Après chaque fiche", "Nouvel enfant",
      "Multiplications : 1 exercice, 80 % de réponses justes ces 7 derniers jours, en progrès (avant : 50 %)."}},
    {"es",
     {"&Progreso", "Progreso", "No hay pruebas en este periodo.", "Cerrar", "Guardar fichas en PDF", "Después de cada ficha",
      "Nuevo niño", "Multiplicaciones: 1 prueba, 80 % de aciertos en los últimos 7 días, mejor que antes (50 %)."}},
    {"pt_BR",
     {"&Progresso", "Progresso", "Nenhum teste neste período.", "Fechar", "Salvar folhas em PDF", "Depois de cada folha",
      "Nova criança", "Multiplicação: 1 teste, 80 % de acertos nos últimos 7 dias, melhor que antes (50 %)."}},
    {"it",
     {"&Progressi", "Progressi", "Nessuna prova in questo periodo.", "Chiudi", "Salva schede in PDF", "Dopo ogni scheda",
      "Nuovo bambino", "Moltiplicazioni: 1 prova, 80 % giuste negli ultimi 7 giorni, meglio di prima (50 %)."}},
};

TEST_P(Translated, theProgressWindowAndTheWorksheetsDialogSpeakTheLanguage)
{
    const NewWindowTexts& expected = kNewWindowTexts.at(GetParam());
    QMenu* menu = program->setupWindow()->findChild<QMenu*>(QStringLiteral("mnuProgress"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title().toStdString(), expected.progressMenu);

    progress::ProgressWindow window(*program->progress());
    EXPECT_EQ(window.windowTitle().toStdString(), expected.progressTitle);
    EXPECT_EQ(window.summaryText().toStdString(), expected.noTests);
    EXPECT_EQ(control<QPushButton>(&window, QStringLiteral("cmdClose"))->text().toStdString(), expected.close);
    recordTwoTests(*program);
    window.reload();
    EXPECT_EQ(window.summaryText().toStdString(), expected.summary);

    const std::unique_ptr<QInputDialog> name(progress::profileNameDialog(progress::ProfileDialog::New, QString(), nullptr));
    EXPECT_EQ(name->windowTitle().toStdString(), expected.newChild);

    WorksheetBatchDialog worksheets;
    EXPECT_EQ(worksheets.windowTitle().toStdString(), expected.worksheetsTitle);
    EXPECT_EQ(control<QAbstractButton>(&worksheets, QStringLiteral("keysAfterEach"))->text().toStdString(), expected.afterEach);
}

// What the card and the sheet show for the same draws: numbers and signs only.
QStringList numbersShown(Program& program)
{
    program.setRandomSource(std::make_unique<ScriptedRandom>(std::vector<double>{0.45, 0.25, 0.85, 0.65, 0.1}));
    program.state().settings.problemCount = 30;
    QStringList shown;
    program.showDrill(TestMethod::Cards);
    CardWindow* card = program.cardWindow();
    control<QAbstractButton>(card, QStringLiteral("new_prob"))->click();
    for (const char* name : {"Digit(0)", "sign", "Digit(1)", "NumRight", "tries", "numskip"})
        shown << control<QLabel>(card, QString::fromUtf8(name))->text();
    card->hide();
    program.showDrill(TestMethod::Page);
    SheetWindow* sheet = program.sheetWindow();
    control<QAbstractButton>(sheet, QStringLiteral("nsheet"))->click();
    for (int k = 0; k < kOnScreenSlots; ++k)
        for (const char* name : {"num1", "sign", "num2"})
            shown << control<QLabel>(sheet, arrayName(QString::fromUtf8(name), k))->text();
    sheet->hide();
    return shown;
}

TEST_P(Translated, numbersOnCardsAndSheetsAreUnchanged)
{
    const QStringList translated = numbersShown(*program);
    discardProgram();
    use(QStringLiteral("en"));
    const QStringList english = numbersShown(startProgram());
    EXPECT_EQ(translated, english);
    EXPECT_TRUE(
        std::any_of(english.begin(), english.end(), [](const QString& t) { return t.contains(u'+') || t.contains(u'x'); }));
}

INSTANTIATE_TEST_SUITE_P(Shipped, Translated, ::testing::Values("de", "fr", "es", "pt_BR", "it"),
                         [](const auto& info) { return std::string(info.param); });

class LanguageMenu : public Languages {};

QAction* menuItem(Program& program, const QString& name) { return program.setupWindow()->findChild<QAction*>(name); }

QString startCaption(Program& program)
{
    return control<QAbstractButton>(program.setupWindow()->clientArea(), QStringLiteral("Start"))->text();
}

// What starting the program anew does: a fresh parser and the remembered choice.
void restart(const QStringList& arguments)
{
    discardProgram();
    i18n::installTranslation(*QCoreApplication::instance(), QLocale(QLocale::English), {});
    QCommandLineParser parser;
    i18n::addLanguageOption(parser);
    (void)parser.parse(QStringList{QStringLiteral("zorvix")} + arguments);
    i18n::installTranslation(*QCoreApplication::instance(), i18n::localeFor(i18n::chosenLanguage(parser)),
                             i18n::translationDirs());
    startProgram();
}

TEST_P(LanguageMenu, offersEachShippedLanguageByItsOwnName)
{
    QMenu* menu = program->setupWindow()->findChild<QMenu*>(QStringLiteral("mnuLanguage"));
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->text();
    EXPECT_EQ(
        items.join(u'|').toStdString(),
        (QStringList{QStringLiteral("System"), QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("Español"),
                     QStringLiteral("Français"), QStringLiteral("Italiano"), QStringLiteral("Português (Brasil)")})
            .join(u'|')
            .toStdString());
    EXPECT_TRUE(menuItem(*program, QStringLiteral("mnuLanguage_system"))->isChecked());
}

TEST_P(LanguageMenu, aChoiceReachesEveryDrillWindowOpenedAfterAndSurvivesARestart)
{
    // The card window is made once in English and hidden, as after a first drill.
    program->showDrill(TestMethod::Cards);
    program->cardWindow()->hide();

    menuItem(*program, QStringLiteral("mnuLanguage_de"))->trigger();
    EXPECT_EQ(i18n::installedLanguage().toStdString(), "de");
    // Qt's own texts follow (named through a variable, so they stay out of our translation template).
    const char* qtContext = "QPlatformTheme";
    EXPECT_EQ(QCoreApplication::translate(qtContext, "Cancel").toStdString(), "Abbrechen");

    program->showDrill(TestMethod::Cards);
    CardWindow* card = program->cardWindow();
    EXPECT_EQ(card->windowTitle().toStdString(), "Rechenkarten");
    EXPECT_EQ(control<QAbstractButton>(card, QStringLiteral("new_prob"))->text().toStdString(), "LOS");
    card->hide();
    program->showDrill(TestMethod::Page);
    EXPECT_EQ(control<QAbstractButton>(program->sheetWindow(), QStringLiteral("nsheet"))->text().toStdString(), "Neue Aufgaben");
    program->sheetWindow()->hide();
    closeNextModal(); // no printer here
    program->showDrill(TestMethod::Printed);
    ASSERT_TRUE(waitFor([&] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(control<QAbstractButton>(program->printedWindow(), QStringLiteral("answers"))->text().toStdString(), "Lösungen");

    restart({});
    EXPECT_EQ(startCaption(*currentProgram()).toStdString(), "LOS!");
    EXPECT_TRUE(menuItem(*currentProgram(), QStringLiteral("mnuLanguage_de"))->isChecked());

    // The command line wins for one run, and is not remembered.
    restart({QStringLiteral("--lang"), QStringLiteral("fr")});
    EXPECT_EQ(startCaption(*currentProgram()).toStdString(), "ON Y VA !");
    EXPECT_EQ(i18n::rememberedLanguage().toStdString(), "de");

    // English chosen in the menu: the next start is English whatever the system says.
    menuItem(*currentProgram(), QStringLiteral("mnuLanguage_en"))->trigger();
    restart({});
    EXPECT_EQ(startCaption(*currentProgram()).toStdString(), "START!");
    EXPECT_EQ(i18n::installedLanguage().toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(FromEnglish, LanguageMenu, ::testing::Values("en"),
                         [](const auto& info) { return std::string(info.param); });

TEST(CommandLine, readsTheLanguageBesideOtherOptions)
{
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("pdf"), QStringLiteral("file"), QStringLiteral("file")));
    i18n::addLanguageOption(parser);
    ASSERT_TRUE(parser.parse({QStringLiteral("zorvix"), QStringLiteral("--pdf"), QStringLiteral("a.pdf"),
                              QStringLiteral("--lang"), QStringLiteral("pt_BR")}));
    EXPECT_EQ(i18n::chosenLanguage(parser).toStdString(), "pt_BR");
    EXPECT_EQ(parser.value(QStringLiteral("pdf")).toStdString(), "a.pdf");
    EXPECT_EQ(i18n::nativeName(QStringLiteral("pt_BR")).toStdString(), "Português (Brasil)");

    // An option the program does not know does not cost the language (the program passes over it).
    QCommandLineParser lenient;
    i18n::addLanguageOption(lenient);
    EXPECT_FALSE(lenient.parse(
        {QStringLiteral("zorvix"), QStringLiteral("--later-option"), QStringLiteral("--lang"), QStringLiteral("it")}));
    EXPECT_EQ(i18n::chosenLanguage(lenient).toStdString(), "it");

    // A language nobody knows leaves the program English rather than half-translated.
    EXPECT_FALSE(
        i18n::installTranslation(*QCoreApplication::instance(), i18n::localeFor(QStringLiteral("xx")), i18n::translationDirs()));
    EXPECT_EQ(i18n::installedLanguage().toStdString(), "");
    EXPECT_EQ(i18n::localeFor(QStringLiteral("pt_BR")).territory(), QLocale::Brazil);
}

} // namespace

int main(int argc, char** argv)
{
    return runTestsOnScreens(argc, argv, R"([
        {"name": "small", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "large", "x": 800, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}])");
}
