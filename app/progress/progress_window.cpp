#include "progress_window.h"

#include "common/qt/caption_fit.h"
#include "i18n/translation.h"
#include "progress_models.h"
#include "progress_recorder.h"
#include "progress_report.h"
#include "progress_service.h"
#include "progress_store.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace zorvix::progress {

namespace {

QString trProgress(const char* english) { return i18n::text("Progress", QString::fromUtf8(english)); }

QChartView* makeChartView(const QString& title, QWidget* parent)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setLocale(shownLocale()); // the time axis's month names
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 260);
    view->setAccessibleName(title);
    return view;
}

QTableView* makeTable(QAbstractItemModel* model, const QString& name, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setAccessibleName(name);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false); // Tab leaves the table, arrows move inside it
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    // Column widths from the first rows only: thousands of tests must not be measured one by one.
    view->horizontalHeader()->setResizeContentsPrecision(50);
    return view;
}

void fillChart(QChart* chart, const std::vector<TypeSeries>& all, bool percent)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("d MMM"));
    auto* values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    double top = percent ? 100 : 1;
    qint64 first = std::numeric_limits<qint64>::max(), last = std::numeric_limits<qint64>::min();
    for (const TypeSeries& type : all) {
        auto* series = new QLineSeries;
        series->setName(testTypeCaption(type.testType));
        series->setPointsVisible(true);
        const std::vector<ChartPoint>& points = percent ? type.percentRight : type.perMinute;
        QList<QPointF> list;
        list.reserve(qsizetype(points.size()));
        for (const ChartPoint& p : points) {
            list.append(QPointF(double(p.ms), p.value));
            top = std::max(top, p.value);
            first = std::min<qint64>(first, p.ms);
            last = std::max<qint64>(last, p.ms);
        }
        series->replace(list);
        chart->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(values);
    }
    if (first > last)
        first = last = QDateTime::currentMSecsSinceEpoch();
    // A single day still shows as a span, not as one line.
    time->setRange(QDateTime::fromMSecsSinceEpoch(first - kDayMs / 2), QDateTime::fromMSecsSinceEpoch(last + kDayMs / 2));
    values->setRange(0, percent ? 100 : std::ceil(top));
    if (!percent) {
        // Speeds are small numbers: whole steps of 2.5 or 0.25 would print rounded, two ticks alike.
        values->applyNiceNumbers();
        values->setLabelFormat(QStringLiteral("%g"));
    }
}

} // namespace

ProgressWindow::ProgressWindow(ProgressService& service, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_service(service)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(trProgress(QT_TRANSLATE_NOOP("Progress", "Progress")));
    build();
    reload();
    // Longer translations get a smaller font rather than a cut-off caption.
    keepCaptionsFitted(this);
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::build()
{
    auto* layout = new QVBoxLayout(this);

    auto* choices = new QHBoxLayout;
    if (m_service.atSchool()) {
        // The teacher looks at one pupil, a class or the whole school; a pupil at their own.
        auto* classLabel = new QLabel(trProgress(QT_TRANSLATE_NOOP("Progress", "C&lass:")), this);
        m_class = new QComboBox(this);
        m_class->setObjectName(QStringLiteral("cboClass"));
        m_class->addItem(trProgress(QT_TRANSLATE_NOOP("Progress", "Whole school")));
        QStringList classes = m_service.classes();
        if (!m_service.currentClass().isEmpty() && !classes.contains(m_service.currentClass()))
            classes << m_service.currentClass();
        for (const QString& name : classes)
            m_class->addItem(name, name);
        // The guest belongs to no class.
        if (m_service.currentProfile() != ProgressService::guestPupil())
            m_class->setCurrentIndex(std::max(0, m_class->findData(m_service.currentClass())));
        m_class->setAccessibleName(trProgress(QT_TRANSLATE_NOOP("Progress", "Class")));
        classLabel->setBuddy(m_class);
        choices->addWidget(classLabel);
        choices->addWidget(m_class);
        choices->addSpacing(16);
    }
    auto* childLabel = new QLabel(trProgress(QT_TRANSLATE_NOOP("Progress", "&Child:")), this);
    m_child = new QComboBox(this);
    m_child->setObjectName(QStringLiteral("cboChild"));
    fillChildren();
    m_child->setCurrentIndex(std::max(0, m_child->findData(m_service.currentProfile())));
    if (m_class && !m_service.schoolState().teacher) {
        m_class->setEnabled(false);
        m_child->setEnabled(false);
    }
    childLabel->setBuddy(m_child);
    m_child->setAccessibleName(trProgress(QT_TRANSLATE_NOOP("Progress", "Child")));
    auto* periodLabel = new QLabel(trProgress(QT_TRANSLATE_NOOP("Progress", "P&eriod:")), this);
    m_period = new QComboBox(this);
    m_period->setObjectName(QStringLiteral("cboPeriod"));
    m_period->addItem(trProgress(QT_TRANSLATE_NOOP("Progress", "Last 7 days")), 7);
    m_period->addItem(trProgress(QT_TRANSLATE_NOOP("Progress", "Last 30 days")), 30);
    m_period->addItem(trProgress(QT_TRANSLATE_NOOP("Progress", "All")), 0);
    periodLabel->setBuddy(m_period);
    m_period->setAccessibleName(trProgress(QT_TRANSLATE_NOOP("Progress", "Period")));
    choices->addWidget(childLabel);
    choices->addWidget(m_child);
    choices->addSpacing(16);
    choices->addWidget(periodLabel);
    choices->addWidget(m_period);
    choices->addStretch(1);
    layout->addLayout(choices);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lblProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #a00000"));
    m_problem->setAccessibleName(trProgress(QT_TRANSLATE_NOOP("Progress", "Problem with the progress file")));
    m_problem->hide();
    layout->addWidget(m_problem);

    // The summary takes the keyboard focus, so a screen reader reads it out as the window opens.
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_summary->setFocusPolicy(Qt::StrongFocus); // after the flags, which set a policy of their own
    m_summary->setAccessibleName(trProgress(QT_TRANSLATE_NOOP("Progress", "Summary")));
    layout->addWidget(m_summary);

    auto* charts = new QHBoxLayout;
    m_percentView = makeChartView(trProgress(QT_TRANSLATE_NOOP("Progress", "Percent right per test")), this);
    m_speedView = makeChartView(trProgress(QT_TRANSLATE_NOOP("Progress", "Problems per minute")), this);
    charts->addWidget(m_percentView);
    charts->addWidget(m_speedView);
    layout->addLayout(charts, 3);

    m_tests = new TestsModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_tests);
    m_sorted->setSortRole(Qt::UserRole);
    m_testsView = makeTable(m_sorted, trProgress(QT_TRANSLATE_NOOP("Progress", "Tests")), this);
    m_testsView->setObjectName(QStringLiteral("grdTests"));
    m_testsView->setSortingEnabled(true);
    m_testsView->sortByColumn(TestsModel::Ended, Qt::DescendingOrder);
    m_facts = new FactsModel(this);
    m_factsView = makeTable(m_facts, trProgress(QT_TRANSLATE_NOOP("Progress", "Hardest facts")), this);
    m_factsView->setObjectName(QStringLiteral("grdHardestFacts"));
    auto* testsBox = new QVBoxLayout;
    auto* testsLabel = new QLabel(trProgress(QT_TRANSLATE_NOOP("Progress", "&Tests")), this);
    testsLabel->setBuddy(m_testsView);
    testsBox->addWidget(testsLabel);
    testsBox->addWidget(m_testsView);
    auto* factsBox = new QVBoxLayout;
    auto* factsLabel = new QLabel(trProgress(QT_TRANSLATE_NOOP("Progress", "&Hardest facts")), this);
    factsLabel->setBuddy(m_factsView);
    factsBox->addWidget(factsLabel);
    factsBox->addWidget(m_factsView);
    auto* tables = new QHBoxLayout;
    tables->addLayout(testsBox, 3);
    tables->addLayout(factsBox, 1);
    layout->addLayout(tables, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(trProgress(QT_TRANSLATE_NOOP("Progress", "Close")), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    if (m_class) {
        setTabOrder(m_summary, m_class);
        setTabOrder(m_class, m_child);
    } else {
        setTabOrder(m_summary, m_child);
    }
    setTabOrder(m_child, m_period);
    setTabOrder(m_period, m_testsView);
    setTabOrder(m_testsView, m_factsView);
    setTabOrder(m_factsView, close);
    m_summary->setFocus();

    if (m_class)
        connect(m_class, &QComboBox::currentIndexChanged, this, [this] {
            const QSignalBlocker quiet(m_child);
            fillChildren();
            reload();
        });
    connect(m_child, &QComboBox::currentIndexChanged, this, [this] { reload(); });
    connect(m_period, &QComboBox::currentIndexChanged, this, [this] { reload(); });
    // No larger than the screen it opens on: a small screen must still show the Close button.
    QSize size(1000, 720);
    if (const QScreen* where = screen())
        size = size.boundedTo(where->availableGeometry().size());
    resize(size.expandedTo(minimumSizeHint()));
}

void ProgressWindow::fillChildren()
{
    m_child->clear();
    if (!m_class) {
        m_child->addItem(trProgress(QT_TRANSLATE_NOOP("Progress", "All children")));
        for (const QString& name : m_service.profiles())
            m_child->addItem(name, name);
        return;
    }
    m_child->addItem(trProgress(QT_TRANSLATE_NOOP("Progress", "All pupils")));
    const SchoolState school = m_service.schoolState();
    QStringList pupils;
    if (m_class->currentIndex() == 0) {
        pupils << ProgressService::guestPupil();
    } else {
        const auto found = school.pupils.find(m_class->currentData().toString().toStdString());
        if (found != school.pupils.end())
            for (const std::string& name : found->second)
                pupils << QString::fromStdString(name);
        if (m_class->currentData().toString() == m_service.currentClass() && !pupils.contains(m_service.currentProfile()) &&
            m_service.currentProfile() != ProgressService::guestPupil())
            pupils << m_service.currentProfile();
    }
    for (const QString& name : pupils)
        m_child->addItem(name, name);
}

void ProgressWindow::setSchoolClass(const std::optional<QString>& name)
{
    if (m_class)
        m_class->setCurrentIndex(name ? std::max(0, m_class->findData(*name)) : 0);
}

int ProgressWindow::periodDays() const { return m_period->currentData().toInt(); }

void ProgressWindow::setPeriodDays(int days)
{
    const int at = m_period->findData(days);
    if (at >= 0)
        m_period->setCurrentIndex(at);
}

void ProgressWindow::setChild(const std::optional<QString>& child)
{
    m_child->setCurrentIndex(child ? std::max(0, m_child->findData(*child)) : 0);
}

QChart* ProgressWindow::percentChart() const { return m_percentView->chart(); }
QChart* ProgressWindow::speedChart() const { return m_speedView->chart(); }
QString ProgressWindow::summaryText() const { return m_summary->text(); }
QString ProgressWindow::problemText() const { return m_problem->isHidden() ? QString() : m_problem->text(); }

void ProgressWindow::reload()
{
    QString why;
    const std::unique_ptr<ProgressStore> store = m_service.openStore(&why);
    QStringList problems;
    if (!store)
        problems << why;
    const QString recording = m_service.recorder().problem();
    if (!recording.isEmpty() && recording != why)
        problems << recording;
    const int waiting = m_service.recorder().waiting();
    if (waiting > 0 && !problems.isEmpty())
        problems << trProgress(QT_TRANSLATE_NOOP("Progress", "Records waiting to be written: %1")).arg(waiting);
    if (m_service.atSchool()) {
        const SchoolState school = m_service.schoolState();
        if (!school.reachable) {
            problems.clear();
            problems
                << trProgress(QT_TRANSLATE_NOOP("Progress", "The school's server cannot be reached: %1")).arg(school.problem);
        }
        if (!school.reachable || school.waiting > 0)
            problems << trProgress(QT_TRANSLATE_NOOP("Progress", "Records waiting to be sent: %1")).arg(school.waiting + waiting);
    }
    if (!m_service.recorder().movedAside().isEmpty())
        problems << trProgress(QT_TRANSLATE_NOOP("Progress", "A damaged progress file was kept as %1 and a new one started."))
                        .arg(m_service.recorder().movedAside());
    m_problem->setText(problems.join(QLatin1Char('\n')));
    m_problem->setVisible(!problems.isEmpty());

    RecordFilter period, earlier;
    if (m_child->currentIndex() > 0)
        period.profile = earlier.profile = m_child->currentData().toString().toStdString();
    if (m_class) {
        // The guest belongs to no class: shown under the whole school.
        if (m_class->currentIndex() > 0)
            period.className = earlier.className = m_class->currentData().toString().toStdString();
        else if (period.profile)
            period.className = earlier.className = std::string();
    }
    const int days = periodDays();
    if (days > 0) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        period.sinceMs = now - days * kDayMs;
        earlier.sinceMs = now - 2 * days * kDayMs;
        earlier.beforeMs = period.sinceMs;
    }
    std::vector<TestRecord> inPeriod, before;
    std::vector<FactCount> facts;
    if (store) {
        inPeriod = store->records(period, false);
        if (days > 0)
            before = store->records(earlier, false);
        facts = store->hardestFacts(period, 20);
    }
    fillCharts(inPeriod, before);
    m_facts->setFacts(std::move(facts));
    std::vector<TestRecord> tests;
    tests.reserve(inPeriod.size());
    for (TestRecord& r : inPeriod)
        if (countsAsTest(r))
            tests.push_back(std::move(r));
    m_tests->setRecords(std::move(tests));
    m_testsView->resizeColumnsToContents();
}

void ProgressWindow::fillCharts(const std::vector<TestRecord>& inPeriod, const std::vector<TestRecord>& earlier)
{
    const Report report = makeReport(inPeriod, earlier);
    fillChart(percentChart(), report.series, true);
    fillChart(speedChart(), report.series, false);
    QStringList sentences;
    for (const TypeSummary& s : report.summaries)
        sentences << summaryCaption(s, periodDays()) + QLatin1Char('.');
    if (sentences.isEmpty())
        sentences << trProgress(QT_TRANSLATE_NOOP("Progress", "No tests in this period."));
    m_summary->setText(sentences.join(QLatin1Char('\n')));
    m_summary->setAccessibleDescription(m_summary->text());
}

} // namespace zorvix::progress
