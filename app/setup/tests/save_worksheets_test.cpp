// "Save Worksheets as PDF…" from the setup screen's File menu, with its questions answered by
// the test: the file appears only when every question was answered and every page written.
#include "fake_shell.h"

#include "setup/save_worksheets.h"
#include "setup/setup_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QProgressDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace zorvix;
using zorvix::test::FakeShell;

namespace {

// What the questions answer, and what they were asked.
struct Script {
    std::optional<WorksheetBatch> batch;
    QString file;
    int cancelAfterPage = -1; // Cancel in the progress dialog after this page; -1 never
    int fileAsked = 0;
    std::vector<std::pair<int, int>> progress;
    int progressEnded = 0;
    QStringList errors;
};

class ScriptedDialogs final : public WorksheetDialogs {
public:
    explicit ScriptedDialogs(Script& script)
        : m_script(script)
    {
    }
    std::optional<WorksheetBatch> askBatch(QWidget*) override { return m_script.batch; }
    QString askFile(QWidget*, const QString& suggestion) override
    {
        ++m_script.fileAsked;
        EXPECT_TRUE(suggestion.endsWith(QStringLiteral(".pdf"))) << suggestion.toStdString();
        return m_script.file;
    }
    bool showProgress(QWidget*, int done, int total) override
    {
        m_script.progress.emplace_back(done, total);
        return done != m_script.cancelAfterPage;
    }
    void endProgress() override { ++m_script.progressEnded; }
    void showError(QWidget*, const QString& message) override { m_script.errors << message; }

private:
    Script& m_script;
};

QString pdfinfo(const QString& file)
{
    const QString path = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    EXPECT_FALSE(path.isEmpty()) << "pdfinfo (poppler-utils) is needed";
    QProcess process;
    process.start(path, {file});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class SaveWorksheets : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<SetupWindow>(shell);
        form->setWorksheetDialogs(std::make_unique<ScriptedDialogs>(script));
        script.file = dir.filePath(QStringLiteral("class.pdf"));
    }

    void trigger()
    {
        QAction* action = form->findChild<QAction*>(QStringLiteral("mnuSaveWorksheets"));
        ASSERT_NE(action, nullptr);
        action->trigger();
    }

    QStringList filesLeft() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    FakeShell shell;
    Script script;
    std::unique_ptr<SetupWindow> form;
};

TEST_F(SaveWorksheets, sitsInTheFileMenuRightBeforeClose)
{
    auto* file = form->findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    const QList<QAction*> items = file->actions();
    qsizetype close = -1;
    for (qsizetype i = 0; i < items.size(); ++i)
        if (items[i]->objectName() == QStringLiteral("mnuClose"))
            close = i;
    ASSERT_GT(close, 0);
    EXPECT_EQ(items[close - 1]->objectName(), QStringLiteral("mnuSaveWorksheets"));
    EXPECT_EQ(items[close - 1]->text(), QStringLiteral("Save Worksheets as &PDF…"));
}

TEST_F(SaveWorksheets, writesEverySheetAndKeyOnTheAskedPaperWithTheScreensSettings)
{
    shell.state().settings.testType = static_cast<int16_t>(TestType::Divide);
    shell.state().settings.problemCount = 5;
    script.batch = WorksheetBatch{3, KeyPlacement::AtEnd, Paper::A4};
    trigger();

    ASSERT_TRUE(QFile::exists(script.file));
    EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join('\n').toStdString();
    ASSERT_EQ(script.progress.size(), 6u);
    EXPECT_EQ(script.progress.back(), std::make_pair(6, 6));
    EXPECT_EQ(script.progressEnded, 1);
    const QString info = pdfinfo(script.file);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+6\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    // Saving prints nothing from the screen: its count stays as the user left it.
    EXPECT_EQ(shell.state().settings.problemCount, 5);
    EXPECT_EQ(filesLeft(), QStringList{QStringLiteral("class.pdf")});
}

struct CancelCase {
    const char* name;
    bool batchAnswered;
    bool fileAnswered;
    int cancelAfterPage;
    int fileAsked;
};

class CancelSaving : public SaveWorksheets, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelSaving, writesNothingAndKeepsAnEarlierFile)
{
    const CancelCase c = GetParam();
    const QString earlier = dir.filePath(QStringLiteral("earlier.pdf"));
    {
        QFile old(earlier);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier file");
    }
    if (c.batchAnswered)
        script.batch = WorksheetBatch{4, KeyPlacement::AfterEachSheet, Paper::Letter};
    script.file = c.fileAnswered ? earlier : QString();
    script.cancelAfterPage = c.cancelAfterPage;
    trigger();

    EXPECT_EQ(script.fileAsked, c.fileAsked);
    EXPECT_TRUE(script.errors.isEmpty());
    EXPECT_EQ(filesLeft(), QStringList{QStringLiteral("earlier.pdf")});
    QFile check(earlier);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("earlier file"));
    if (c.cancelAfterPage > 0) {
        EXPECT_EQ(script.progress.size(), static_cast<std::size_t>(c.cancelAfterPage));
    }
}

INSTANTIATE_TEST_SUITE_P(Cancels, CancelSaving,
                         ::testing::Values(CancelCase{"atTheBatchDialog", false, true, -1, 0},
                                           CancelCase{"atTheFileDialog", true, false, -1, 1},
                                           CancelCase{"inTheProgressDialog", true, true, 3, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveWorksheets, unwritablePathGivesOneMessageAndNoFile)
{
    script.batch = WorksheetBatch{};
    script.file = dir.filePath(QStringLiteral("no/such/folder/class.pdf"));
    trigger();
    ASSERT_EQ(script.errors.size(), 1);
    EXPECT_TRUE(script.errors[0].startsWith(QStringLiteral("The worksheets could not be saved as ")))
        << script.errors[0].toStdString();
    EXPECT_TRUE(script.errors[0].contains(QStringLiteral("class.pdf")));
    EXPECT_TRUE(filesLeft().isEmpty());
}

TEST(StandardWorksheetDialogs, cancelInTheProgressDialogStopsTheRun)
{
    QWidget parent;
    const std::unique_ptr<WorksheetDialogs> dialogs = standardWorksheetDialogs();
    EXPECT_TRUE(dialogs->showProgress(&parent, 1, 10));
    auto* progress = parent.findChild<QProgressDialog*>();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->maximum(), 10);
    EXPECT_EQ(progress->value(), 1);
    progress->cancel();
    EXPECT_FALSE(dialogs->showProgress(&parent, 2, 10));
    dialogs->endProgress();
    EXPECT_EQ(parent.findChild<QProgressDialog*>(), nullptr);
}

TEST(WorksheetBatchDialog, oneSheetKeysAfterEachOnLetterUnlessChanged)
{
    WorksheetBatchDialog dialog;
    auto* count = dialog.findChild<QSpinBox*>(QStringLiteral("worksheetCount"));
    auto* paper = dialog.findChild<QComboBox*>(QStringLiteral("paper"));
    auto* atEnd = dialog.findChild<QRadioButton*>(QStringLiteral("keysAtEnd"));
    ASSERT_TRUE(count && paper && atEnd);
    EXPECT_EQ(count->minimum(), 1);
    EXPECT_EQ(count->maximum(), 200);
    WorksheetBatch batch = dialog.batch();
    EXPECT_EQ(batch.count, 1);
    EXPECT_EQ(batch.keys, KeyPlacement::AfterEachSheet);
    EXPECT_EQ(batch.paper, Paper::Letter);

    count->setValue(500); // clamped by the box
    paper->setCurrentIndex(1);
    atEnd->setChecked(true);
    batch = dialog.batch();
    EXPECT_EQ(batch.count, 200);
    EXPECT_EQ(batch.keys, KeyPlacement::AtEnd);
    EXPECT_EQ(batch.paper, Paper::A4);
}

} // namespace
