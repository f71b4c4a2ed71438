#include "progress_menu.h"

#include "common/qt/caption_fit.h"
#include "i18n/translation.h"
#include "progress_recorder.h"
#include "progress_report.h"
#include "progress_service.h"
#include "progress_store.h"
#include "progress_window_loader.h"
#include "settings/shell.h"

#include <QAction>
#include <QActionGroup>
#include <QDateTime>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSaveFile>

namespace zorvix::progress {

namespace {

constexpr int kFlushMs = 5000;

QString trProgress(const char* english) { return i18n::text("Progress", QString::fromUtf8(english)); }

QAction* item(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(trProgress(caption));
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

void fillProfiles(QMenu* menu, ProgressService& service, QWidget* window)
{
    menu->clear();
    auto* group = new QActionGroup(menu);
    const QString current = service.currentProfile();
    for (const QString& name : service.profiles()) {
        QAction* action = menu->addAction(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setCheckable(true);
        action->setChecked(name == current);
        action->setActionGroup(group);
        QObject::connect(action, &QAction::triggered, menu, [&service, name] { service.setCurrentProfile(name); });
    }
    menu->addSeparator();
    QObject::connect(
        item(menu, "mnuNewProfile", QT_TRANSLATE_NOOP("Progress", "&New…")), &QAction::triggered, window, [&service, window] {
            const std::unique_ptr<QInputDialog> dialog(profileNameDialog(ProfileDialog::New, QString(), window));
            if (dialog->exec() != QDialog::Accepted)
                return;
            const QString name = dialog->textValue();
            if (service.addProfile(name))
                service.setCurrentProfile(name.simplified());
            else
                QMessageBox::information(window, trProgress(QT_TRANSLATE_NOOP("Progress", "New Child")),
                                         trProgress(QT_TRANSLATE_NOOP("Progress", "That name is empty or already taken.")));
        });
    QObject::connect(item(menu, "mnuRenameProfile", QT_TRANSLATE_NOOP("Progress", "&Rename…")), &QAction::triggered, window,
                     [&service, window] {
                         const QString from = service.currentProfile();
                         const std::unique_ptr<QInputDialog> dialog(profileNameDialog(ProfileDialog::Rename, from, window));
                         const bool ok = dialog->exec() == QDialog::Accepted;
                         const QString to = dialog->textValue();
                         QString why;
                         if (ok && !service.renameProfile(from, to, &why))
                             QMessageBox::information(window, trProgress(QT_TRANSLATE_NOOP("Progress", "Rename Child")), why);
                     });
}

} // namespace

QInputDialog* profileNameDialog(ProfileDialog kind, const QString& name, QWidget* parent)
{
    auto* dialog = new QInputDialog(parent);
    dialog->setObjectName(kind == ProfileDialog::New ? QStringLiteral("dlgNewChild") : QStringLiteral("dlgRenameChild"));
    dialog->setWindowTitle(kind == ProfileDialog::New ? trProgress(QT_TRANSLATE_NOOP("Progress", "New Child"))
                                                      : trProgress(QT_TRANSLATE_NOOP("Progress", "Rename Child")));
    dialog->setLabelText(trProgress(QT_TRANSLATE_NOOP("Progress", "Name:")));
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setTextValue(name);
    keepCaptionsFitted(dialog);
    return dialog;
}

std::vector<Fact> hardestFactsToPractise(ProgressService& service, QString* why)
{
    service.recorder().flush(kFlushMs);
    const std::unique_ptr<ProgressStore> store = service.openStore(why);
    if (!store)
        return {};
    RecordFilter filter;
    filter.profile = service.currentProfile().toStdString();
    filter.sinceMs = QDateTime::currentMSecsSinceEpoch() - kHardestFactsDays * kDayMs;
    std::vector<Fact> facts;
    for (const FactCount& f : store->hardestFacts(filter, kHardestFactsCount))
        facts.push_back(f.fact);
    return facts;
}

bool exportCsv(ProgressService& service, const QString& file, QString* why)
{
    service.recorder().flush(kFlushMs);
    const std::unique_ptr<ProgressStore> store = service.openStore(why);
    if (!store)
        return false;
    const std::string text = csvText(store->records({}, true));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), qint64(text.size())) != qint64(text.size()) || !out.commit()) {
        *why = out.errorString();
        return false;
    }
    return true;
}

bool forgetAllProgress(ProgressService& service, QString* why)
{
    service.recorder().flush(kFlushMs);
    const std::unique_ptr<ProgressStore> store = service.openStore(why);
    if (!store)
        return false;
    if (!store->forget(std::nullopt)) {
        *why = store->error();
        return false;
    }
    return true;
}

QMenu* addProgressMenu(QMenuBar* bar, Shell& shell, QWidget* window)
{
    QMenu* menu = bar->addMenu(trProgress(QT_TRANSLATE_NOOP("Progress", "&Progress")));
    menu->setObjectName(QStringLiteral("mnuProgress"));
    auto* progressWindow = new QPointer<QWidget>;
    QObject::connect(menu, &QObject::destroyed, [progressWindow] { delete progressWindow; });

    QObject::connect(item(menu, "mnuShowProgress", QT_TRANSLATE_NOOP("Progress", "Show &Progress…")), &QAction::triggered, window,
                     [&shell, window, progressWindow] {
                         ProgressService* service = shell.progress();
                         if (!service)
                             return;
                         if (!*progressWindow) {
                             *progressWindow = createProgressWindow(*service, window);
                             if (!*progressWindow)
                                 return;
                             (*progressWindow)->setAttribute(Qt::WA_DeleteOnClose);
                         } else {
                             reloadProgressWindow(*progressWindow);
                         }
                         (*progressWindow)->show();
                         (*progressWindow)->raise();
                         (*progressWindow)->activateWindow();
                     });

    QMenu* who = menu->addMenu(trProgress(QT_TRANSLATE_NOOP("Progress", "&Who Is Practising")));
    who->setObjectName(QStringLiteral("mnuWhoIsPractising"));
    // Filled as the Progress menu opens: reading the names must not cost the start-up anything.
    QObject::connect(menu, &QMenu::aboutToShow, window, [&shell, who, window] {
        if (ProgressService* service = shell.progress())
            fillProfiles(who, *service, window);
    });

    QObject::connect(
        item(menu, "mnuHardestFacts", QT_TRANSLATE_NOOP("Progress", "Practise &Hardest Facts")), &QAction::triggered, window,
        [&shell, window] {
            ProgressService* service = shell.progress();
            if (!service)
                return;
            QString why;
            const std::vector<Fact> facts = hardestFactsToPractise(*service, &why);
            if (facts.empty()) {
                QMessageBox::information(
                    window, trProgress(QT_TRANSLATE_NOOP("Progress", "Practise Hardest Facts")),
                    why.isEmpty() ? trProgress(QT_TRANSLATE_NOOP("Progress", "Nothing was missed in the last 30 days.")) : why);
                return;
            }
            shell.practise(facts);
        });
    menu->addSeparator();
    QObject::connect(
        item(menu, "mnuExportCsv", QT_TRANSLATE_NOOP("Progress", "&Export CSV…")), &QAction::triggered, window, [&shell, window] {
            ProgressService* service = shell.progress();
            if (!service)
                return;
            const QString file = QFileDialog::getSaveFileName(window, trProgress(QT_TRANSLATE_NOOP("Progress", "Export CSV")),
                                                              QStringLiteral("zorvix-progress.csv"),
                                                              trProgress(QT_TRANSLATE_NOOP("Progress", "CSV files (*.csv)")));
            QString why;
            if (!file.isEmpty() && !exportCsv(*service, file, &why))
                QMessageBox::warning(window, trProgress(QT_TRANSLATE_NOOP("Progress", "Export CSV")), why);
        });
    QObject::connect(
        item(menu, "mnuForgetProgress", QT_TRANSLATE_NOOP("Progress", "&Forget All Progress…")), &QAction::triggered, window,
        [&shell, window, progressWindow] {
            ProgressService* service = shell.progress();
            if (!service)
                return;
            const auto answer = QMessageBox::question(
                window, trProgress(QT_TRANSLATE_NOOP("Progress", "Forget All Progress")),
                trProgress(QT_TRANSLATE_NOOP("Progress", "Forget every recorded test of every child? This cannot be undone.")),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (answer != QMessageBox::Yes)
                return;
            QString why;
            if (!forgetAllProgress(*service, &why))
                QMessageBox::warning(window, trProgress(QT_TRANSLATE_NOOP("Progress", "Forget All Progress")), why);
            reloadProgressWindow(*progressWindow);
        });
    return menu;
}

} // namespace zorvix::progress
