#include "pseudo_translator.h"

namespace zorvix::i18n {

namespace {
const QString kOpen = QStringLiteral("[[");
const QString kClose = QStringLiteral("]]");
} // namespace

QString PseudoTranslator::wrap(const QString& text) { return kOpen + text + kClose; }

bool PseudoTranslator::isWrapped(const QString& text)
{
    // Access-key ampersands and placeholders may stand inside; the markers frame the whole.
    return text.startsWith(kOpen) && text.endsWith(kClose) && text.size() >= kOpen.size() + kClose.size();
}

QString PseudoTranslator::translate(const char* context, const char* sourceText, const char*, int) const
{
    // Qt's own texts (its dialogs, shortcuts, context menus) stay as they are: only ours are marked.
    if (!sourceText || !*sourceText || !context || qstrncmp(context, "Q", 1) == 0)
        return QString();
    return wrap(QString::fromUtf8(sourceText));
}

} // namespace zorvix::i18n
