#pragma once
// Table models of the Progress window: the tests of the period and the hardest facts.
#include "progress_record.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <vector>

namespace zorvix::progress {

// The record's words as the window shows them: in the installed language, and exactly as the
// record model writes them (testTypeName, outcomeName, drillName, summarySentence) in English.
// The CSV export keeps the English ones.
QString testTypeCaption(int testType);
QString outcomeCaption(Outcome outcome);
QString drillCaption(Drill drill);
QString summaryCaption(const TypeSummary& summary, int periodDays);
// Dates and month names in the language the window speaks; the system's while it is English.
QLocale shownLocale();

// Sorts by Qt::UserRole: numbers and times as numbers, not as their text.
class TestsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Ended, Child, Kind, Result, TestType, Range, Right, Asked, Percent, PerMinute, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;
    void setRecords(std::vector<TestRecord> records);
    const std::vector<TestRecord>& records() const { return m_records; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TestRecord> m_records;
};

class FactsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setFacts(std::vector<FactCount> facts);
    const std::vector<FactCount>& facts() const { return m_facts; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<FactCount> m_facts;
};

// "7 x 8", as the fact stands on a card.
QString factText(const Fact& fact);

} // namespace zorvix::progress
