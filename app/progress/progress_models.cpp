#include "progress_models.h"

#include "common/number.h"
#include "i18n/translation.h"
#include "progress_report.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

namespace zorvix::progress {

namespace {
QString trProgress(const char* english) { return i18n::text("Progress", QString::fromUtf8(english)); }
QString number(double value) { return QString::fromStdString(writeNumber(value)); }
QString rounded(double value) { return QString::number(std::lround(value)); }
QString oneDecimal(double value) { return QString::number(std::round(value * 10) / 10, 'f', 1); }

// The names the record model gives, for the translators; a name not listed stays as it is.
[[maybe_unused]] const char* const kRecordWords[] = {QT_TRANSLATE_NOOP("Progress", "Addition"),
                                                     QT_TRANSLATE_NOOP("Progress", "Subtraction"),
                                                     QT_TRANSLATE_NOOP("Progress", "Addition and subtraction"),
                                                     QT_TRANSLATE_NOOP("Progress", "Multiplication"),
                                                     QT_TRANSLATE_NOOP("Progress", "Division"),
                                                     QT_TRANSLATE_NOOP("Progress", "Multiplication and division"),
                                                     QT_TRANSLATE_NOOP("Progress", "finished"),
                                                     QT_TRANSLATE_NOOP("Progress", "time up"),
                                                     QT_TRANSLATE_NOOP("Progress", "stopped"),
                                                     QT_TRANSLATE_NOOP("Progress", "graded"),
                                                     QT_TRANSLATE_NOOP("Progress", "printed"),
                                                     QT_TRANSLATE_NOOP("Progress", "key printed"),
                                                     QT_TRANSLATE_NOOP("Progress", "retried"),
                                                     QT_TRANSLATE_NOOP("Progress", "sheet"),
                                                     QT_TRANSLATE_NOOP("Progress", "cards")};

QString recordWord(const std::string& english) { return i18n::text("Progress", QString::fromStdString(english)); }

int percentOf(int right, int asked) { return int(std::lround(100.0 * right / asked)); }
} // namespace

QLocale shownLocale()
{
    const QString language = i18n::installedLanguage();
    return language.isEmpty() ? QLocale() : QLocale(language);
}

QString testTypeCaption(int testType) { return recordWord(testTypeName(testType)); }
QString outcomeCaption(Outcome outcome) { return recordWord(outcomeName(outcome)); }
QString drillCaption(Drill drill) { return recordWord(drillName(drill)); }

QString summaryCaption(const TypeSummary& s, int periodDays)
{
    QString text = s.tests == 1
        ? trProgress(QT_TRANSLATE_NOOP("Progress", "%1: 1 test")).arg(testTypeCaption(s.testType))
        : trProgress(QT_TRANSLATE_NOOP("Progress", "%1: %2 tests")).arg(testTypeCaption(s.testType)).arg(s.tests);
    if (s.asked > 0)
        text += trProgress(QT_TRANSLATE_NOOP("Progress", ", %1 % right")).arg(percentOf(s.right, s.asked));
    if (periodDays == 1)
        text += trProgress(QT_TRANSLATE_NOOP("Progress", " in the last day"));
    else if (periodDays > 1)
        text += trProgress(QT_TRANSLATE_NOOP("Progress", " in the last %1 days")).arg(periodDays);
    if (periodDays > 0 && s.asked > 0 && s.earlierAsked > 0) {
        const int now = percentOf(s.right, s.asked);
        const int before = percentOf(s.earlierRight, s.earlierAsked);
        if (now > before)
            text += trProgress(QT_TRANSLATE_NOOP("Progress", ", up from %1 %")).arg(before);
        else if (now < before)
            text += trProgress(QT_TRANSLATE_NOOP("Progress", ", down from %1 %")).arg(before);
        else
            text += trProgress(QT_TRANSLATE_NOOP("Progress", ", as before"));
    }
    return text;
}

QString factText(const Fact& fact)
{
    return number(fact.first) + QLatin1Char(' ') + QString::fromStdString(fact.sign) + QLatin1Char(' ') + number(fact.second);
}

void TestsModel::setRecords(std::vector<TestRecord> records)
{
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
}

int TestsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_records.size()); }
int TestsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TestsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_records.size()))
        return {};
    const TestRecord& r = m_records[std::size_t(index.row())];
    const bool sorting = role == Qt::UserRole;
    if (role != Qt::DisplayRole && !sorting && role != Qt::TextAlignmentRole)
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= Right ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    switch (index.column()) {
    case Ended:
        if (sorting)
            return qlonglong(r.endedMs);
        return shownLocale().toString(QDateTime::fromMSecsSinceEpoch(r.endedMs), QLocale::ShortFormat);
    case Child: return QString::fromStdString(r.profile);
    case Kind: return drillCaption(r.drill);
    case Result:
        return outcomeCaption(r.outcome) +
            (r.hardestFacts ? trProgress(QT_TRANSLATE_NOOP("Progress", ", hardest facts")) : QString());
    case TestType:
        if (sorting)
            return r.testType;
        return testTypeCaption(r.testType);
    case Range:
        if (sorting)
            return r.minOperand * 1000 + r.maxOperand;
        return trProgress(QT_TRANSLATE_NOOP("Progress", "%1 to %2")).arg(r.minOperand).arg(r.maxOperand);
    case Right: return r.right;
    case Asked: return askedIn(r);
    case Percent:
        if (sorting)
            return percentRight(r);
        return askedIn(r) > 0 ? rounded(percentRight(r)) + QStringLiteral(" %") : QString();
    case PerMinute:
        if (sorting)
            return problemsPerMinute(r);
        return oneDecimal(problemsPerMinute(r));
    default: return {};
    }
}

QVariant TestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const names[] = {QT_TRANSLATE_NOOP("Progress", "Ended"),     QT_TRANSLATE_NOOP("Progress", "Child"),
                                        QT_TRANSLATE_NOOP("Progress", "Drill"),     QT_TRANSLATE_NOOP("Progress", "Result"),
                                        QT_TRANSLATE_NOOP("Progress", "Test type"), QT_TRANSLATE_NOOP("Progress", "Range"),
                                        QT_TRANSLATE_NOOP("Progress", "Right"),     QT_TRANSLATE_NOOP("Progress", "Asked"),
                                        QT_TRANSLATE_NOOP("Progress", "% right"),   QT_TRANSLATE_NOOP("Progress", "Per minute")};
    return section >= 0 && section < ColumnCount ? trProgress(names[section]) : QVariant();
}

void FactsModel::setFacts(std::vector<FactCount> facts)
{
    beginResetModel();
    m_facts = std::move(facts);
    endResetModel();
}

int FactsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_facts.size()); }
int FactsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant FactsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_facts.size()) || (role != Qt::DisplayRole && role != Qt::UserRole))
        return {};
    const FactCount& f = m_facts[std::size_t(index.row())];
    if (index.column() == 0)
        return factText(f.fact);
    return f.missed;
}

QVariant FactsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? trProgress(QT_TRANSLATE_NOOP("Progress", "Problem"))
                        : trProgress(QT_TRANSLATE_NOOP("Progress", "Times missed"));
}

} // namespace zorvix::progress
