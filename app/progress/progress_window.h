#pragma once
// The Progress window: how a child (or every child) did over a period, as charts, a sortable
// table of tests, the facts missed most often, and a summary a screen reader can read out.
#include "progress_record.h"

#include <QWidget>
#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;

namespace zorvix::progress {

class ProgressService;
class TestsModel;
class FactsModel;

class ProgressWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(ProgressService& service, QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // Reads the store again for the chosen child and period.
    void reload();
    // 7, 30, or 0 for all time.
    void setPeriodDays(int days);
    int periodDays() const;
    // A child's name, or nothing for every child (at school: of the class shown).
    void setChild(const std::optional<QString>& child);
    // At school: a class, or nothing for the whole school.
    void setSchoolClass(const std::optional<QString>& name);

    QChart* percentChart() const;
    QChart* speedChart() const;
    const TestsModel& testsModel() const { return *m_tests; }
    const FactsModel& factsModel() const { return *m_facts; }
    QTableView* testsView() const { return m_testsView; }
    QString summaryText() const;
    // What is wrong with the store, or empty.
    QString problemText() const;

private:
    void build();
    void fillChildren();
    void fillCharts(const std::vector<TestRecord>& inPeriod, const std::vector<TestRecord>& earlier);

    ProgressService& m_service;
    QComboBox* m_class = nullptr; // at school only
    QComboBox* m_child = nullptr;
    QComboBox* m_period = nullptr;
    QLabel* m_problem = nullptr;
    QLabel* m_summary = nullptr;
    QChartView* m_percentView = nullptr;
    QChartView* m_speedView = nullptr;
    TestsModel* m_tests = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QTableView* m_testsView = nullptr;
    FactsModel* m_facts = nullptr;
    QTableView* m_factsView = nullptr;
};

} // namespace zorvix::progress
