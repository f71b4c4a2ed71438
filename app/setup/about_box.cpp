#include "about_box.h"

#include "common/qt/caption_fit.h"
#include "common/qt/line_widget.h"
#include "common/qt/svg_picture.h"
#include "common/qt/twips.h"
#include "i18n/translation.h"
#include "setup/setup_resources.h"
#include "setup/version.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace zorvix {

namespace {

constexpr double boxWidth = 6360;
constexpr double boxHeight = 3960;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, double left, double top, double width, double height,
                  const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setProperty("kind", QStringLiteral("label"));
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(label, left, top, width, height);
    return label;
}

LineWidget* makeLine(QWidget* parent, int index, double y)
{
    auto* line = new LineWidget(parent);
    line->setObjectName(arrayName(QStringLiteral("Line1"), index));
    line->setColour(QColor(128, 128, 128));
    line->setEnds(240, y, boxWidth - 240, y);
    return line;
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
{
    loadSetupResources();
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);

    const QString title = QString::fromUtf8(programTitle);
    setWindowTitle(
        i18n::composed(i18n::kAbout, QT_TRANSLATE_NOOP("frmAbout", "About %1"), {title}, QStringLiteral("About ") + title));

    auto* picture = new SvgPicture(QStringLiteral(":/setup/zorvix.svg"), this);
    picture->setObjectName(QStringLiteral("picIcon"));
    placeTwips(picture, 240, 240, 840, 840);

    const QString family = QStringLiteral("Tahoma");
    makeLabel(this, "lblTitle", title, 1320, 240, 4800, 480, layoutFont(family, 15.75, true));
    makeLabel(this, "lblVersion",
              i18n::text(i18n::kAbout, QStringLiteral(QT_TRANSLATE_NOOP("frmAbout", "Version %1.%2.%3")))
                  .arg(versionMajor)
                  .arg(versionMinor)
                  .arg(versionRevision),
              1320, 780, 4800, 300, layoutFont(family, 9.75));
    makeLine(this, 0, 1260);
    makeLabel(this, "lblDescription",
              i18n::text(i18n::kAbout,
                         QStringLiteral(QT_TRANSLATE_NOOP("frmAbout",
                                                          "An interactive mathematics flashcard program "
                                                          "providing four function skills work in either a "
                                                          "single problem or multiple problem mode."))),
              1320, 1380, 4800, 1020, layoutFont(family, 9.75));
    makeLine(this, 1, 2520);
    makeLabel(this, "lblDisclaimer",
              i18n::text(i18n::kAbout,
                         QStringLiteral(QT_TRANSLATE_NOOP("frmAbout",
                                                          "\u00A9 The Zorvix developers. Free for home and "
                                                          "classroom use. Provided as is, without "
                                                          "warranty of any kind."))),
              240, 2700, 4440, 900, layoutFont(family, 8.25));

    auto* ok = new QPushButton(i18n::text(i18n::kAbout, QStringLiteral(QT_TRANSLATE_NOOP("frmAbout", "OK"))), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setProperty("kind", QStringLiteral("commandbutton"));
    ok->setDefault(true);
    placeTwips(ok, 4860, 2760, 1260, 420);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(twipsToPixels(boxWidth), twipsToPixels(boxHeight));
    keepCaptionsFitted(this);
    ok->setFocus();
}

void showAboutBox(QWidget* parent)
{
    QPointer<AboutBox> box = new AboutBox(parent);
    box->exec();
}

} // namespace zorvix
