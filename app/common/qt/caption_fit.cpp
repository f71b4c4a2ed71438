#include "caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include <algorithm>

namespace zorvix {

namespace {

// The caption's size before any shrinking, at the window's present scale and as first built;
// and the size the shrinking left. A size other than the one left means the layout control
// has scaled the font since, by the ratio of the two.
constexpr char kNaturalPoints[] = "zorvixCaptionNaturalPoints";
constexpr char kDesignPoints[] = "zorvixCaptionDesignPoints";
constexpr char kFittedPoints[] = "zorvixCaptionFittedPoints";

// Room the frame's own line keeps on either side of its caption.
constexpr int kFrameCaptionInset = 8;

bool hasLetter(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

QRect buttonContents(const QAbstractButton* button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    return button->style()->subElementRect(element, &option, button);
}

class Refitter final : public QObject {
public:
    explicit Refitter(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            // No pass follows: fit at the size as built, before the first paint.
            if (!m_window->property(kScaledWhenShown).toBool())
                fitCaptions(m_window);
        }
        if (watched == m_window && (event->type() == QEvent::Resize || event->type() == QEvent::Show) && !m_pending) {
            m_pending = true;
            QTimer::singleShot(0, this, [this] { refit(kPatience); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr int kPatience = 50;

    // After the layout control's pass, which runs on this same event. A pass lets pending events
    // run while it holds the new sizes back, with the window's painting paused: fitting then
    // would measure new fonts in old boxes, so wait for the pass to end.
    void refit(int patience)
    {
        if (!m_window) {
            m_pending = false;
            return;
        }
        if (!m_window->updatesEnabled() && patience > 0) {
            QTimer::singleShot(20, this, [this, patience] { refit(patience - 1); });
            return;
        }
        m_pending = false;
        fitCaptions(m_window);
    }

    QPointer<QWidget> m_window;
    bool m_pending = false;
    bool m_shown = false;
};

// What fitCaption keeps about a control's size, taken as it stands: the window as designed.
// Fitting itself waits for the window to show; measuring captions here would load a font at
// every design size only for the layout control to scale it away.
void rememberDesignSize(QWidget* control)
{
    const double points = control->font().pointSizeF();
    if (points <= 0 || control->property(kFittedPoints).isValid() || !hasLetter(captionRoom(control).text))
        return;
    control->setProperty(kDesignPoints, points);
    control->setProperty(kNaturalPoints, points);
    control->setProperty(kFittedPoints, points);
}

} // namespace

CaptionRoom captionRoom(const QWidget* control)
{
    CaptionRoom caption;
    if (control->property(kWrapsCaption).toBool()) {
        caption.text = static_cast<const QAbstractButton*>(control)->text();
        caption.room = control->rect().adjusted(3, 3, -3, -3);
        caption.flags = Qt::AlignCenter | Qt::TextWordWrap;
    } else if (auto* radio = qobject_cast<const QRadioButton*>(control)) {
        caption.text = radio->text();
        caption.room = buttonContents(radio, QStyle::SE_RadioButtonContents);
        caption.flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    } else if (auto* check = qobject_cast<const QCheckBox*>(control)) {
        caption.text = check->text();
        caption.room = buttonContents(check, QStyle::SE_CheckBoxContents);
        caption.flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    } else if (auto* button = qobject_cast<const QPushButton*>(control)) {
        caption.text = button->text();
        caption.room = buttonContents(button, QStyle::SE_PushButtonContents);
        caption.flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    } else if (auto* frame = qobject_cast<const QGroupBox*>(control)) {
        caption.text = frame->title();
        caption.room = QRect(kFrameCaptionInset, 0, frame->width() - 2 * kFrameCaptionInset, frame->height());
        caption.flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
    } else if (auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
            return caption;
        caption.text = label->text();
        caption.room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        caption.flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        // With a buddy the label draws its "&" as an underline, taking no room.
        if (label->buddy())
            caption.flags |= Qt::TextShowMnemonic;
    }
    return caption;
}

bool captionFits(const QWidget* control, const QFont& font)
{
    const CaptionRoom caption = captionRoom(control);
    if (caption.text.isEmpty())
        return true;
    const QRect needed = QFontMetrics(font).boundingRect(caption.room, caption.flags, caption.text);
    return needed.width() <= caption.room.width() && needed.height() <= caption.room.height();
}

void fitCaption(QWidget* control)
{
    if (!hasLetter(captionRoom(control).text))
        return;
    QFont font = control->font();
    const double current = font.pointSizeF();
    if (current <= 0)
        return;
    double natural = current;
    double design = current;
    const QVariant fitted = control->property(kFittedPoints);
    if (fitted.isValid() && fitted.toDouble() > 0) {
        design = control->property(kDesignPoints).toDouble();
        natural = control->property(kNaturalPoints).toDouble() * current / fitted.toDouble();
    }
    // The floor holds for the window as designed; on a smaller screen the layout control scales
    // every caption down, and the floor with them.
    control->setProperty(kDesignPoints, design);
    control->setProperty(kNaturalPoints, natural);
    const double floor = captionFloor(control);
    const double step = 0.25 * natural / design;
    font.setPointSizeF(natural);
    while (font.pointSizeF() - step >= floor - 1e-9 && !captionFits(control, font))
        font.setPointSizeF(font.pointSizeF() - step);
    control->setProperty(kFittedPoints, font.pointSizeF());
    if (!qFuzzyCompare(font.pointSizeF(), current))
        control->setFont(font);
}

double captionFloor(const QWidget* control)
{
    const double design = control->property(kDesignPoints).toDouble();
    const double natural = control->property(kNaturalPoints).toDouble();
    return design > 0 ? std::min(natural, kCaptionFloorPoints * natural / design) : 0;
}

void fitCaptions(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>())
        fitCaption(control);
}

void keepCaptionsFitted(QWidget* window)
{
    // A window a Qt layout arranges, not yet shown, still has its controls at their first sizes:
    // measured there, every caption would look too long, shrink, and the layout would then size
    // the controls to the shrunk captions. Let the layout place them first.
    if (QLayout* layout = window->layout())
        layout->activate();
    for (QWidget* control : window->findChildren<QWidget*>())
        rememberDesignSize(control);
    window->installEventFilter(new Refitter(window));
}

} // namespace zorvix
