#include "wrap_button.h"

#include "common/qt/caption_fit.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace zorvix {

WrapButton::WrapButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setProperty(kWrapsCaption, true);
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = rect().adjusted(3, 3, -3, -3);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
}

} // namespace zorvix
