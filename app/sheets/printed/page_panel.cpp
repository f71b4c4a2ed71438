#include "page_panel.h"

#include "common/qt/line_widget.h"
#include "common/qt/svg_picture.h"
#include "common/qt/twips.h"
#include "i18n/translation.h"

#include <QLabel>
#include <QLineEdit>

// The pictures live in a static library; naming their init function keeps the linker from
// dropping them.
static void initPrintedResources() { Q_INIT_RESOURCE(printed); }

namespace zorvix {

namespace {
constexpr double kSlotFontPoints = 15.75;
constexpr int kRuleWidthPixels = 3;
const QString kDivideResource = QStringLiteral(":/printed/divide.svg");

QFont slotFont() { return layoutFont(QStringLiteral("Tahoma"), kSlotFontPoints, true); }

QLabel* makeSlotLabel(QWidget* panel, const QString& name, int index, Qt::Alignment alignment)
{
    auto* label = new QLabel(panel);
    label->setObjectName(arrayName(name, index));
    label->setFont(slotFont());
    label->setAlignment(alignment | Qt::AlignVCenter);
    setBackground(label, Qt::white);
    setForeground(label, Qt::black);
    label->hide();
    return label;
}

// Page after page a slot keeps its place: moving a control to where it is still costs a
// geometry change of the widget, some hundred of them per page.
void place(QWidget* widget, double left, double top, double width, double height)
{
    const QRect box = twipsRect(left, top, width, height);
    if (widget->geometry() != box)
        widget->setGeometry(box);
}

void showIf(QWidget* widget, bool shown)
{
    if (widget->isVisibleTo(widget->parentWidget()) != shown)
        widget->setVisible(shown);
}
} // namespace

PagePanel::PagePanel(QWidget* parent)
    : QWidget(parent)
{
    initPrintedResources();
    setObjectName(QStringLiteral("Picture1"));
    setProperty("kind", QStringLiteral("picturebox"));
    setFocusPolicy(Qt::StrongFocus);
    setBackground(this, Qt::white);
    placeTwips(this, 0, 0, kPageWidthTwips, kPageHeightTwips);

    for (int k = 0; k < kPrintedSlots; ++k) {
        SlotControls& c = m_slots[static_cast<std::size_t>(k)];
        c.num1 = makeSlotLabel(this, QStringLiteral("num1"), k, Qt::AlignRight);
        c.num2 = makeSlotLabel(this, QStringLiteral("num2"), k, Qt::AlignRight);
        c.sign = makeSlotLabel(this, QStringLiteral("sign"), k, Qt::AlignHCenter);

        c.image1 = new SvgPicture(kDivideResource, this);
        c.image1->setObjectName(arrayName(QStringLiteral("image1"), k));
        c.image1->setAccessibleName(i18n::signName(QStringLiteral("/")));
        setBackground(c.image1, Qt::white);
        c.image1->hide();

        c.line1 = new LineWidget(this);
        c.line1->setObjectName(arrayName(QStringLiteral("Line1"), k));
        c.line1->setBorderWidth(kRuleWidthPixels);
        c.line1->hide();

        c.answer = new QLineEdit(this);
        c.answer->setObjectName(arrayName(QStringLiteral("answer"), k));
        c.answer->setFont(slotFont());
        c.answer->setReadOnly(true);
        c.answer->setFocusPolicy(Qt::NoFocus);
        c.answer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setBackground(c.answer, Qt::white);
        c.answer->hide();
    }
}

void PagePanel::showPage(const PrintedPageView& view)
{
    place(this, 0, 0, kPageWidthTwips, kPageHeightTwips);
    for (std::size_t k = 0; k < m_slots.size() && k < view.problems.size(); ++k) {
        const PrintedSlotView& s = view.problems[k];
        const SlotPlacement& p = s.place;
        const SlotControls& c = m_slots[k];

        // Page after page only the texts change; the rest is set again only when it differs.
        const QString first = QString::fromStdString(s.problem.first);
        const QString second = QString::fromStdString(s.problem.second);
        const QString sign = QString::fromStdString(s.problem.sign);
        if (c.num1->text() != first || c.num2->text() != second || c.sign->text() != sign ||
            c.answer->accessibleName().isEmpty()) {
            c.num1->setText(first);
            c.num2->setText(second);
            c.sign->setText(sign);
            c.sign->setAccessibleName(i18n::signName(sign));
            c.answer->setAccessibleName(
                i18n::text(i18n::kPrinted, QStringLiteral(QT_TRANSLATE_NOOP("Form4", "problem %1: %2 %3 %4")))
                    .arg(int(k) + 1)
                    .arg(first, i18n::signName(sign), second));
        }
        place(c.num1, p.num1Left, p.num1Top, kOperandWidth, kOperandHeight);
        showIf(c.num1, s.operandsShown);
        place(c.num2, p.num2Left, p.num2Top, kOperandWidth, kOperandHeight);
        showIf(c.num2, s.operandsShown);
        place(c.sign, p.signLeft, p.signTop, kOperandWidth, kOperandHeight);
        showIf(c.sign, s.problem.signShown);

        place(c.image1, p.imageLeft, p.imageTop, kDivideWidth, kDivideHeight);
        showIf(c.image1, s.problem.divisionSymbol);

        if (c.line1->x1() != p.lineX1 || c.line1->y1() != p.lineY1 || c.line1->x2() != p.lineX2 || c.line1->y2() != p.lineY2)
            c.line1->setEnds(p.lineX1, p.lineY1, p.lineX2, p.lineY2);
        showIf(c.line1, s.lineShown);

        // Setting a line edit's text lays it out again: a hidden box keeps what it had.
        const QString answer = QString::fromStdString(s.answer);
        if (s.answerShown && c.answer->text() != answer)
            c.answer->setText(answer);
        place(c.answer, p.answerLeft, p.answerTop, kAnswerWidth, kAnswerHeight);
        showIf(c.answer, s.answerShown);
    }
}

} // namespace zorvix
