#pragma once
// A translation that wraps every text in markers ("START!" becomes "[[START!]]"), so a test or
// a curious tester sees at a glance which texts bypass the translation system.
#include <QTranslator>

namespace zorvix::i18n {

class PseudoTranslator final : public QTranslator {
public:
    using QTranslator::QTranslator;

    static QString wrap(const QString& text);
    static bool isWrapped(const QString& text);

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace zorvix::i18n
