// The Progress window, its menu's work and the hardest facts over a store of known tests.
#include "progress/progress_menu.h"
#include "progress/progress_models.h"
#include "progress/progress_recorder.h"
#include "progress/progress_report.h"
#include "progress/progress_service.h"
#include "progress/progress_store.h"
#include "progress/progress_window.h"

#include <QChart>
#include <QDateTime>
#include <QFile>
#include <QLineSeries>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QValueAxis>

#include <gtest/gtest.h>

using namespace zorvix::progress;

namespace {

ProblemRecord asked(double a, const char* sign, double b, bool right)
{
    return ProblemRecord{a, b, sign, right ? "1" : "0", right, false, false, 2};
}

class ProgressWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
        service = std::make_unique<ProgressService>(dir.filePath(QStringLiteral("progress.sqlite")));
        service->addProfile(QStringLiteral("Ben"));
        now = QDateTime::currentMSecsSinceEpoch();
        // Child 1: two multiplication tests this week, one the week before; Ben: one addition.
        write(test("Child 1", 3, now - 2 * kDayMs, 8, 10,
                   {asked(7, "x", 8, false), asked(6, "x", 7, false), asked(7, "x", 8, false), asked(2, "x", 2, true)}));
        write(test("Child 1", 3, now - 1 * kDayMs, 9, 10, {asked(7, "x", 8, false), asked(3, "x", 3, true)}));
        write(test("Child 1", 3, now - 10 * kDayMs, 5, 10, {asked(9, "x", 9, false)}));
        write(test("Ben", 0, now - 3 * kDayMs, 4, 5, {asked(4, "+", 5, false)}));
        TestRecord printed = test("Child 1", 3, now - kDayMs, 0, 0, {});
        printed.drill = Drill::Printed;
        printed.outcome = Outcome::Printed;
        write(printed);
    }
    void TearDown() override { QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear(); }

    TestRecord test(const char* child, int type, std::int64_t ended, int right, int tries, std::vector<ProblemRecord> problems)
    {
        TestRecord r;
        r.profile = child;
        r.drill = Drill::Cards;
        r.testType = type;
        r.startedMs = ended - 60'000;
        r.endedMs = ended;
        r.problemCount = tries;
        r.right = right;
        r.tries = tries;
        r.missed = tries - right;
        r.problems = std::move(problems);
        return r;
    }
    void write(const TestRecord& r)
    {
        ProgressStore store(makeSqliteDialect(), service->location());
        ASSERT_TRUE(store.open());
        ASSERT_TRUE(store.write(r));
        written.push_back(r);
    }
    static std::vector<QPointF> points(QChart* chart, const QString& name)
    {
        for (QAbstractSeries* s : chart->series())
            if (s->name() == name) {
                const QList<QPointF> list = static_cast<QLineSeries*>(s)->points();
                return {list.begin(), list.end()};
            }
        return {};
    }

    QTemporaryDir dir;
    std::unique_ptr<ProgressService> service;
    std::vector<TestRecord> written;
    std::int64_t now = 0;
};

TEST_F(ProgressWindowTest, chartsTablesAndSummaryFollowChildAndPeriod)
{
    ProgressWindow window(*service);
    window.setChild(QStringLiteral("Child 1"));
    window.setPeriodDays(7);
    EXPECT_EQ(window.problemText(), QString());

    ASSERT_EQ(window.percentChart()->series().size(), 1);
    const std::vector<QPointF> percent = points(window.percentChart(), QStringLiteral("Multiplication"));
    ASSERT_EQ(percent.size(), 2u);
    EXPECT_EQ(percent[0], QPointF(double(now - 2 * kDayMs), 80.0));
    EXPECT_EQ(percent[1], QPointF(double(now - kDayMs), 90.0));
    const std::vector<QPointF> speed = points(window.speedChart(), QStringLiteral("Multiplication"));
    ASSERT_EQ(speed.size(), 2u);
    EXPECT_DOUBLE_EQ(speed[0].y(), 10.0); // ten problems in one minute

    // Printed pages are not tests.
    EXPECT_EQ(window.testsModel().rowCount(), 2);
    EXPECT_EQ(window.summaryText(), QStringLiteral("Multiplication: 2 tests, 85 % right in the last 7 days, up from 50 %."));

    // 9 x 9 was missed ten days ago: outside the week.
    ASSERT_EQ(window.factsModel().rowCount(), 2);
    EXPECT_EQ(window.factsModel().index(0, 0).data().toString(), QStringLiteral("7 x 8"));
    EXPECT_EQ(window.factsModel().index(0, 1).data().toInt(), 3);
    EXPECT_EQ(window.factsModel().index(1, 0).data().toString(), QStringLiteral("6 x 7"));

    window.setPeriodDays(0);
    EXPECT_EQ(window.testsModel().rowCount(), 3);
    EXPECT_EQ(window.summaryText(), QStringLiteral("Multiplication: 3 tests, 73 % right."));

    window.setChild(std::nullopt);
    EXPECT_EQ(window.testsModel().rowCount(), 4);
    EXPECT_EQ(window.percentChart()->series().size(), 2);
    EXPECT_EQ(points(window.percentChart(), QStringLiteral("Addition")),
              (std::vector<QPointF>{{double(now - 3 * kDayMs), 80.0}}));
}

// Each label of a chart's value axis reads as the value at its tick, so no two read alike.
TEST_F(ProgressWindowTest, valueAxisLabelsReadAsTheirTicks)
{
    service->addProfile(QStringLiteral("Nobody"));
    ProgressWindow window(*service);
    window.setPeriodDays(0);
    // Child 1's speeds reach 10 a minute; nobody's chart is empty.
    for (const QString& child : {QStringLiteral("Child 1"), QStringLiteral("Nobody")}) {
        window.setChild(child);
        for (QChart* chart : {window.percentChart(), window.speedChart()}) {
            const QList<QAbstractAxis*> axes = chart->axes(Qt::Vertical);
            ASSERT_EQ(axes.size(), 1);
            const auto* axis = qobject_cast<QValueAxis*>(axes.front());
            ASSERT_NE(axis, nullptr);
            ASSERT_GE(axis->tickCount(), 2);
            QStringList labels;
            for (int i = 0; i < axis->tickCount(); ++i) {
                const double tick = axis->min() + i * (axis->max() - axis->min()) / (axis->tickCount() - 1);
                const QString label = QString::asprintf(axis->labelFormat().toLatin1().constData(), tick);
                EXPECT_NEAR(label.toDouble(), tick, 1e-9) << child.toStdString() << " " << label.toStdString();
                labels << label;
            }
            EXPECT_EQ(labels.removeDuplicates(), 0) << child.toStdString() << " " << labels.join(u' ').toStdString();
        }
    }
}

TEST_F(ProgressWindowTest, testsTableSortsByNumbersNotText)
{
    ProgressWindow window(*service);
    window.setChild(std::nullopt);
    window.setPeriodDays(0);
    QTableView* view = window.testsView();
    view->sortByColumn(TestsModel::Percent, Qt::AscendingOrder);
    QStringList order;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        order << view->model()->index(row, TestsModel::Percent).data().toString();
    EXPECT_EQ(order,
              (QStringList{QStringLiteral("50 %"), QStringLiteral("80 %"), QStringLiteral("80 %"), QStringLiteral("90 %")}));
    view->sortByColumn(TestsModel::Ended, Qt::DescendingOrder);
    EXPECT_EQ(view->model()->index(0, TestsModel::Child).data().toString(), QStringLiteral("Child 1"));
    EXPECT_EQ(view->model()->index(0, TestsModel::Percent).data().toString(), QStringLiteral("90 %"));
}

TEST_F(ProgressWindowTest, controlsHaveNamesAndTheKeyboardReachesThem)
{
    ProgressWindow window(*service);
    for (const char* name : {"cboChild", "cboPeriod", "grdTests", "grdHardestFacts", "lblSummary"}) {
        auto* w = window.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
        EXPECT_NE(w->focusPolicy() & Qt::TabFocus, 0) << name;
    }
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("lblSummary"))->accessibleDescription(), window.summaryText());
}

TEST_F(ProgressWindowTest, hardestFactsAreTheCurrentChildsMostMissedOfThirtyDays)
{
    service->setCurrentProfile(QStringLiteral("Child 1"));
    QString why;
    EXPECT_EQ(hardestFactsToPractise(*service, &why), (std::vector<Fact>{{7, 8, "x"}, {6, 7, "x"}, {9, 9, "x"}}));
    service->setCurrentProfile(QStringLiteral("Ben"));
    EXPECT_EQ(hardestFactsToPractise(*service, &why), (std::vector<Fact>{{4, 5, "+"}}));
    ASSERT_TRUE(service->addProfile(QStringLiteral("Cleo")));
    service->setCurrentProfile(QStringLiteral("Cleo"));
    EXPECT_TRUE(hardestFactsToPractise(*service, &why).empty());
    EXPECT_EQ(why, QString());
}

TEST_F(ProgressWindowTest, exportWritesEveryRecordAsCsvAndForgetEmptiesTheStore)
{
    const QString file = dir.filePath(QStringLiteral("out.csv"));
    QString why;
    ASSERT_TRUE(exportCsv(*service, file, &why)) << qPrintable(why);
    QFile csv(file);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    std::vector<TestRecord> byEnd = written;
    std::stable_sort(byEnd.begin(), byEnd.end(), [](const TestRecord& a, const TestRecord& b) { return a.endedMs < b.endedMs; });
    const QByteArray text = csv.readAll();
    EXPECT_EQ(text.toStdString(), csvText(byEnd));
    EXPECT_EQ(text.count("\r\n"), 1 + 4 + 2 + 1 + 1 + 1); // header, problems, the printed page

    ASSERT_TRUE(forgetAllProgress(*service, &why)) << qPrintable(why);
    ProgressWindow window(*service);
    window.setChild(std::nullopt);
    window.setPeriodDays(0);
    EXPECT_EQ(window.testsModel().rowCount(), 0);
    EXPECT_EQ(window.summaryText(), QStringLiteral("No tests in this period."));
}

TEST_F(ProgressWindowTest, profilesStartWithChildOneAndRenameCarriesTheRecords)
{
    QSettings(QStringLiteral("Zorvix"), QStringLiteral("Zorvix")).clear();
    EXPECT_EQ(service->profiles(), QStringList{QStringLiteral("Child 1")});
    EXPECT_EQ(service->currentProfile(), QStringLiteral("Child 1"));
    EXPECT_FALSE(service->addProfile(QStringLiteral("  ")));
    EXPECT_FALSE(service->addProfile(QStringLiteral("Child 1")));
    QString why;
    ASSERT_TRUE(service->renameProfile(QStringLiteral("Child 1"), QStringLiteral("Ann"), &why)) << qPrintable(why);
    EXPECT_EQ(service->currentProfile(), QStringLiteral("Ann"));
    ProgressWindow window(*service);
    window.setChild(QStringLiteral("Ann"));
    window.setPeriodDays(0);
    EXPECT_EQ(window.testsModel().rowCount(), 3);
}

TEST(ProgressWindowUnusable, saysWhatIsWrongWhenTheStoreCannotBeUsed)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProgressService service(dir.filePath(QStringLiteral("data/progress.sqlite")));
    ProgressWindow window(service);
    EXPECT_TRUE(window.problemText().contains(QStringLiteral("folder"))) << qPrintable(window.problemText());
    EXPECT_EQ(window.testsModel().rowCount(), 0);
}

} // namespace

namespace {

// Untranslated, the window says exactly what the record model says, in every shape of sentence.
TEST(WindowWords, areTheRecordModelsOwnWithoutATranslation)
{
    for (int type = 0; type <= 6; ++type)
        EXPECT_EQ(testTypeCaption(type).toStdString(), testTypeName(type));
    for (Outcome o : {Outcome::Finished, Outcome::TimeUp, Outcome::Stopped, Outcome::Graded, Outcome::Printed,
                      Outcome::KeyPrinted, Outcome::Retried})
        EXPECT_EQ(outcomeCaption(o).toStdString(), outcomeName(o));
    for (Drill d : {Drill::Page, Drill::Cards, Drill::Printed})
        EXPECT_EQ(drillCaption(d).toStdString(), drillName(d));
    for (int tests : {1, 2})
        for (int asked : {0, 10})
            for (int days : {0, 1, 7})
                for (int earlierRight : {3, 7, 9}) // below, the same as and above 7 of 10
                    for (int earlierAsked : {0, 10}) {
                        const TypeSummary s{3, tests, 7, asked, earlierRight, earlierAsked};
                        EXPECT_EQ(summaryCaption(s, days).toStdString(), summarySentence(s, days));
                    }
}

} // namespace
