#include "help_page.h"

#include "common/qt/caption_fit.h"
#include "common/qt/twips.h"
#include "i18n/translation.h"
#include "setup/setup_resources.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>

namespace zorvix {

namespace {

struct PageInfo {
    const char* name;
    const char* caption;
    const char* resource;
    const char* family; // the page's font; the text itself names it too
    double points;
};

constexpr PageInfo pages[helpPageCount] = {
    {"Dialog1", QT_TRANSLATE_NOOP("HelpPage", "Set Up the FlashCards"), ":/setup/help/setup_page.html", "Tahoma", 12},
    {"Dialog2", QT_TRANSLATE_NOOP("HelpPage", "Using the Flash Cards"), ":/setup/help/flash_cards.html", "Verdana", 10},
    {"Dialog3", QT_TRANSLATE_NOOP("HelpPage", "Using the Flash Page of Problems"), ":/setup/help/flash_page.html", "Verdana", 10},
    {"Dialog4", QT_TRANSLATE_NOOP("HelpPage", "Printing a Page of Problems"), ":/setup/help/print_page.html", "Verdana", 10},
};

// Window layout of every page, twips.
constexpr double pageWidth = 8400;
constexpr double pageHeight = 8760;
constexpr double margin = 180;
constexpr double buttonWidth = 1215;
constexpr double buttonHeight = 420;

QString readText(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

HelpPage::HelpPage(int page, QWidget* parent)
    : QDialog(parent)
{
    loadSetupResources();
    const PageInfo& info = pages[std::clamp(page, 1, helpPageCount) - 1];
    setObjectName(QString::fromUtf8(info.name));
    setWindowTitle(i18n::text(i18n::kHelp, QString::fromUtf8(info.caption)));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("RichTextBox1"));
    m_text->setAccessibleName(windowTitle());
    m_text->setProperty("kind", QStringLiteral("richtextbox"));
    m_text->setReadOnly(true);
    m_text->setOpenLinks(false);
    // Where Tahoma or Verdana is missing the page still reads in a similar sans-serif face.
    m_text->document()->setDefaultFont(layoutFont(QString::fromUtf8(info.family), info.points));
    // Each translation has its own copy of the page; a language without one reads the English.
    m_text->setHtml(readText(i18n::localizedResource(QString::fromUtf8(info.resource))));
    placeTwips(m_text, margin, margin, pageWidth - 2 * margin, pageHeight - 3 * margin - buttonHeight);

    // A short page gets a shorter window; a long one keeps the full height and scrolls.
    QTextDocument* document = m_text->document();
    document->setTextWidth(m_text->viewport()->width());
    const int wanted = static_cast<int>(document->size().height()) + 2 * m_text->frameWidth() + 8;
    const int textHeight = std::clamp(wanted, m_text->height() / 2, m_text->height());
    m_text->resize(m_text->width(), textHeight);
    const int gap = twipsToPixels(margin);
    const int bottom = m_text->geometry().bottom() + 1 + gap;

    auto* ok = new QPushButton(i18n::text(i18n::kHelp, QStringLiteral(QT_TRANSLATE_NOOP("HelpPage", "OK"))), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setProperty("kind", QStringLiteral("commandbutton"));
    ok->setDefault(true);
    placeTwips(ok, pageWidth - margin - buttonWidth, 0, buttonWidth, buttonHeight);
    ok->move(ok->x(), bottom);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(twipsToPixels(pageWidth), ok->geometry().bottom() + 1 + gap);
    keepCaptionsFitted(this);
    ok->setFocus();
}

void showHelpPage(int page, QWidget* parent)
{
    if (page < 1 || page > helpPageCount)
        return;
    QPointer<HelpPage> dialog = new HelpPage(page, parent);
    dialog->exec();
    // exec() returns after the close; the page is deleted on the next turn of the event loop.
}

} // namespace zorvix
