// Progress in the whole program: the menu stands after Help, nothing opens the store at
// start-up, finished tests reach the store, and the hardest facts run as a card test.
#include "card/card_window.h"
#include "program.h"
#include "progress/progress_recorder.h"
#include "progress/progress_report.h"
#include "progress/progress_service.h"
#include "progress/progress_store.h"
#include "progress/progress_window_loader.h"
#include "setup/setup_window.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace zorvix;

namespace {

class ProgramProgress : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
        program = &startProgram();
        program->setProgressLocation(location());
    }
    void TearDown() override
    {
        discardProgram();
        QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
    }
    QString location() const { return dir.filePath(QStringLiteral("progress.sqlite")); }
    QAction* action(const char* name) const { return program->setupWindow()->findChild<QAction*>(QString::fromUtf8(name)); }
    void missed(std::vector<progress::Fact> facts, int times)
    {
        progress::ProgressStore store(progress::makeSqliteDialect(), location());
        ASSERT_TRUE(store.open());
        progress::TestRecord r;
        r.profile = "Child 1";
        r.endedMs = QDateTime::currentMSecsSinceEpoch() - progress::kDayMs;
        for (int k = 0; k < times; ++k)
            for (const progress::Fact& f : facts)
                r.problems.push_back({f.first, f.second, f.sign, "0", false, false, false, 1});
        ASSERT_TRUE(store.write(r));
    }
    const CardScreen& card() const { return program->cardWindow()->logic().screen(); }
    void answerRight()
    {
        const double a = card().digit0.empty() ? 0 : std::stod(card().digit0);
        const double b = std::stod(card().digit1);
        const std::string& sign = card().sign;
        const double v = sign == "+" ? a + b : sign == "-" ? a - b : sign == "x" ? a * b : a / b;
        auto* answer = program->cardWindow()->findChild<QLineEdit*>(QStringLiteral("Answer"));
        answer->setText(QString::number(v));
        QTest::mouseClick(program->cardWindow()->findChild<QPushButton*>(QStringLiteral("check")), Qt::LeftButton);
    }

    QTemporaryDir dir;
    Program* program = nullptr;
};

TEST_F(ProgramProgress, progressMenuFollowsHelpAndStartUpLeavesTheStoreAlone)
{
    auto* bar = program->setupWindow()->findChild<QMenuBar*>(QStringLiteral("MainMenu"));
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* a : bar->actions())
        titles << a->text();
    ASSERT_GE(titles.size(), 3);
    EXPECT_EQ(titles.indexOf(QStringLiteral("&Progress")), titles.indexOf(QStringLiteral("&Help")) + 1);
    auto* menu = program->setupWindow()->findChild<QMenu*>(QStringLiteral("mnuProgress"));
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            items << a->text();
    EXPECT_EQ(items,
              (QStringList{QStringLiteral("Show &Progress…"), QStringLiteral("&Who Is Practising"),
                           QStringLiteral("Practise &Hardest Facts"), QStringLiteral("&Export CSV…"),
                           QStringLiteral("&Forget All Progress…")}));
    EXPECT_FALSE(program->progressStarted());
    EXPECT_FALSE(QFile::exists(location()));
}

TEST_F(ProgramProgress, aFinishedCardTestReachesTheStore)
{
    program->state().settings.problemCount = 2;
    QTest::mouseClick(program->setupWindow()->findChild<QPushButton*>(QStringLiteral("Start")), Qt::LeftButton);
    ASSERT_NE(program->cardWindow(), nullptr);
    QTest::mouseClick(program->cardWindow()->findChild<QPushButton*>(QStringLiteral("new_prob")), Qt::LeftButton);
    answerRight();
    QTest::qWait(kCardRightDelay + 300);
    answerRight();
    ASSERT_TRUE(program->progressStarted());
    ASSERT_TRUE(program->progress()->recorder().flush(20000)) << qPrintable(program->progress()->recorder().problem());
    progress::ProgressStore store(progress::makeSqliteDialect(), location());
    ASSERT_TRUE(store.open());
    const auto records = store.records({}, true);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].profile, "Child 1");
    EXPECT_EQ(records[0].right, 2);
    EXPECT_EQ(records[0].problems.size(), 2u);
    if (QWidget* dialog = program->cardWindow()->findChild<QWidget*>(QStringLiteral("Dialog")))
        dialog->close();
}

TEST_F(ProgramProgress, hardestFactsRunAsOneCardTestMostMissedFirst)
{
    missed({{7, 8, "x"}}, 3);
    missed({{56, 8, "/"}}, 2);
    missed({{9, 4, "+"}}, 1);
    action("mnuHardestFacts")->trigger();
    ASSERT_NE(program->cardWindow(), nullptr);
    ASSERT_TRUE(program->cardWindow()->isVisible());
    QTest::mouseClick(program->cardWindow()->findChild<QPushButton*>(QStringLiteral("new_prob")), Qt::LeftButton);
    std::vector<std::string> asked;
    for (int k = 0; k < 3; ++k) {
        asked.push_back(card().digit0 + " " + card().sign + " " + card().digit1);
        answerRight();
        if (k < 2)
            QTest::qWait(kCardRightDelay + 300);
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"7 x 8", "56 / 8", "9 + 4"}));
    EXPECT_TRUE(card().dialogVisible);
    EXPECT_EQ(card().dialogText, CardLogic::completionText(3));
    ASSERT_TRUE(program->progress()->recorder().flush(20000));
    progress::ProgressStore store(progress::makeSqliteDialect(), location());
    ASSERT_TRUE(store.open());
    const auto records = store.records({}, false);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_TRUE(records.back().hardestFacts);
    EXPECT_EQ(records.back().right, 3);
}

TEST_F(ProgramProgress, nothingMissedSaysSoAndOpensNothing)
{
    QString said;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    action("mnuHardestFacts")->trigger();
    EXPECT_EQ(said, QStringLiteral("Nothing was missed in the last 30 days."));
    EXPECT_EQ(program->cardWindow(), nullptr);
}

// The window comes from its module, loaded on first use; a second use brings up the same window.
TEST_F(ProgramProgress, showProgressOpensTheWindowFromItsModule)
{
    missed({{7, 8, "x"}}, 1);
    const auto progressWindows = [] {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmProgress") && w->isVisible())
                found << w;
        return found;
    };
    // A module that does not load says so in a message box, which must not hold the test up.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(50);
    action("mnuShowProgress")->trigger();
    ASSERT_EQ(progressWindows().size(), 1) << qPrintable(progress::progressModuleProblem());
    EXPECT_STREQ(progressWindows().front()->metaObject()->className(), "zorvix::progress::ProgressWindow");
    EXPECT_TRUE(progress::progressModuleProblem().isEmpty());
    action("mnuShowProgress")->trigger();
    EXPECT_EQ(progressWindows().size(), 1);
    progressWindows().front()->close();
}

// Without its module the Progress window says so, once on standard error and each time in a
// message; the program runs on and still records.
TEST_F(ProgramProgress, aMissingModuleIsReportedAndTheDrillRunsOn)
{
    progress::setProgressModuleFile(dir.filePath(QStringLiteral("no_such_module.so")));
    QStringList said;
    const auto answerTheMessage = [&] {
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said << box->text();
                box->accept();
            }
        });
    };
    testing::internal::CaptureStderr();
    answerTheMessage();
    action("mnuShowProgress")->trigger();
    answerTheMessage();
    action("mnuShowProgress")->trigger();
    const std::string err = testing::internal::GetCapturedStderr();
    progress::setProgressModuleFile(QString());

    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("The Progress window could not be loaded."))) << qPrintable(said[0]);
    EXPECT_TRUE(said[0].contains(QStringLiteral("no_such_module.so"))) << qPrintable(said[0]);
    const std::string line = "zorvix: the Progress window is not available";
    ASSERT_NE(err.find(line), std::string::npos) << err;
    EXPECT_EQ(err.find(line, err.find(line) + 1), std::string::npos) << err;
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == QLatin1String("frmProgress") && w->isVisible());

    program->state().settings.problemCount = 1;
    QTest::mouseClick(program->setupWindow()->findChild<QPushButton*>(QStringLiteral("Start")), Qt::LeftButton);
    ASSERT_NE(program->cardWindow(), nullptr);
    EXPECT_TRUE(program->cardWindow()->isVisible());
    QTest::mouseClick(program->cardWindow()->findChild<QPushButton*>(QStringLiteral("new_prob")), Qt::LeftButton);
    answerRight();
    ASSERT_TRUE(program->progress()->recorder().flush(20000));
    progress::ProgressStore store(progress::makeSqliteDialect(), location());
    ASSERT_TRUE(store.open());
    EXPECT_EQ(store.records({}, false).size(), 1u);
    if (QWidget* dialog = program->cardWindow()->findChild<QWidget*>(QStringLiteral("Dialog")))
        dialog->close();
}

} // namespace
