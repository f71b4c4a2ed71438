#include "completion_dialog.h"

#include "common/qt/caption_fit.h"
#include "common/qt/svg_picture.h"
#include "common/qt/twips.h"
#include "i18n/translation.h"

#include <QLabel>
#include <QPushButton>

namespace zorvix {

CompletionDialog::CompletionDialog(QWidget* parent)
    : QDialog(parent)
    , m_label(new QLabel(this))
    , m_ok(new QPushButton(i18n::text(i18n::kCompletion, QStringLiteral(QT_TRANSLATE_NOOP("Dialog", "OK"))), this))
{
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(i18n::text(i18n::kCompletion, QStringLiteral(QT_TRANSLATE_NOOP("Dialog", "You Got Them All!!!"))));
    setModal(true);
    setBackground(this, QColor(255, 255, 192));

    auto* picture = new SvgPicture(QStringLiteral(":/card/trophy.svg"), this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setAccessibleName(i18n::text(i18n::kCompletion, QStringLiteral(QT_TRANSLATE_NOOP("Dialog", "trophy"))));
    placeTwips(picture, 240, 240, 1680, 1680);

    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setFont(layoutFont(QStringLiteral("Arial"), 15, true));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    setForeground(m_label, QColor(0, 0, 160));
    placeTwips(m_label, 2040, 240, 4200, 1680);

    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setFont(layoutFont(QStringLiteral("Arial"), 12, true));
    m_ok->setDefault(true);
    placeTwips(m_ok, 4920, 2160, 1320, 495);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(twipsRect(0, 0, 6480, 2895).size());
    setFocusProxy(m_ok);
    keepCaptionsFitted(this);
}

void CompletionDialog::setText(const QString& text)
{
    m_label->setText(text);
    fitCaption(m_label);
    // The praise is what the dialog is for: a screen reader hears it as the dialog opens.
    setAccessibleDescription(text);
}

QString CompletionDialog::text() const { return m_label->text(); }

} // namespace zorvix
