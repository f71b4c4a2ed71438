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

QString menuText(QString name) { return name.replace(QLatin1Char('&'), QStringLiteral("&&")); }

void fillClasses(QMenu* menu, ProgressService& service)
{
    menu->clear();
    auto* group = new QActionGroup(menu);
    const QString current = service.currentClass();
    QStringList names = service.classes();
    // Until the server has answered, the class chosen before still shows as chosen.
    if (!current.isEmpty() && !names.contains(current))
        names.prepend(current);
    for (const QString& name : names) {
        QAction* action = menu->addAction(menuText(name));
        action->setCheckable(true);
        action->setChecked(name == current);
        action->setActionGroup(group);
        QObject::connect(action, &QAction::triggered, menu, [&service, name] { service.setCurrentClass(name); });
    }
    if (names.isEmpty())
        menu->addAction(trProgress(QT_TRANSLATE_NOOP("Progress", "(none)")))->setEnabled(false);
}

void fillProfiles(QMenu* menu, ProgressService& service, QWidget* window)
{
    menu->clear();
    auto* group = new QActionGroup(menu);
    const QString current = service.currentProfile();
    QStringList names = service.profiles();
    if (!names.contains(current))
        names << current;
    for (const QString& name : names) {
        QAction* action = menu->addAction(menuText(name));
        action->setCheckable(true);
        action->setChecked(name == current);
        action->setActionGroup(group);
        QObject::connect(action, &QAction::triggered, menu, [&service, name] { service.setCurrentProfile(name); });
    }
    // A school's pupils come from the teacher's class lists, not from this menu.
    if (service.atSchool())
        return;
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

namespace {

// Lets what was recorded reach the store before it is read: at school through the outbox, but
// never waiting on a server already known to be away.
void settle(ProgressService& service)
{
    service.recorder().flush(kFlushMs);
    OutboxSender* sender = service.sender();
    if (sender && sender->state().reachable)
        sender->waitUntilSent(kFlushMs);
}

RecordFilter ownRecords(ProgressService& service)
{
    RecordFilter filter;
    filter.profile = service.currentProfile().toStdString();
    // At school a name is a pupil's only within the class; the guest has none.
    if (service.atSchool())
        filter.className =
            service.currentProfile() == ProgressService::guestPupil() ? std::string() : service.currentClass().toStdString();
    return filter;
}

} // namespace

std::vector<Fact> hardestFactsToPractise(ProgressService& service, QString* why)
{
    settle(service);
    const std::unique_ptr<ProgressStore> store = service.openStore(why);
    if (!store)
        return {};
    RecordFilter filter = ownRecords(service);
    filter.sinceMs = QDateTime::currentMSecsSinceEpoch() - kHardestFactsDays * kDayMs;
    std::vector<Fact> facts;
    for (const FactCount& f : store->hardestFacts(filter, kHardestFactsCount))
        facts.push_back(f.fact);
    return facts;
}

bool exportCsv(ProgressService& service, const QString& file, QString* why)
{
    settle(service);
    const std::unique_ptr<ProgressStore> store = service.openStore(why);
    if (!store)
        return false;
    // A pupil takes only their own records home; the teacher the whole school's.
    const bool everything = !service.atSchool() || service.schoolState().teacher;
    const std::string text = csvText(store->records(everything ? RecordFilter{} : ownRecords(service), true));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), qint64(text.size())) != qint64(text.size()) || !out.commit()) {
        *why = out.errorString();
        return false;
    }
    return true;
}

bool forgetAllProgress(ProgressService& service, QString* why)
{
    settle(service);
    const std::unique_ptr<ProgressStore> store = service.openStore(why);
    if (!store)
        return false;
    // At school the server lets only a teacher forget, and one pupil at a time.
    const bool ok = service.atSchool() ? store->forget(ownRecords(service).profile, ownRecords(service).className)
                                       : store->forget(std::nullopt);
    if (!ok) {
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
    QObject::connect(menu, &QMenu::aboutToShow, window, [&shell, menu, who, window] {
        ProgressService* service = shell.progress();
        if (!service)
            return;
        if (service->atSchool()) {
            // Only a school has classes; at home the menu stays as it always was.
            auto* classes = menu->findChild<QMenu*>(QStringLiteral("mnuClass"));
            if (!classes) {
                classes = new QMenu(trProgress(QT_TRANSLATE_NOOP("Progress", "&Class")), menu);
                classes->setObjectName(QStringLiteral("mnuClass"));
                menu->insertMenu(who->menuAction(), classes);
            }
            fillClasses(classes, *service);
            // The lists come from the server off this thread; the next opening shows them.
            service->sender()->refreshSchool();
        }
        fillProfiles(who, *service, window);
        // At school forgetting is the teacher's alone.
        if (auto* forget = menu->findChild<QAction*>(QStringLiteral("mnuForgetProgress")))
            forget->setEnabled(!service->atSchool() || service->schoolState().teacher);
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
    QAction* forget = item(menu, "mnuForgetProgress", QT_TRANSLATE_NOOP("Progress", "&Forget All Progress…"));
    QObject::connect(forget, &QAction::triggered, window, [&shell, window, progressWindow] {
        ProgressService* service = shell.progress();
        if (!service)
            return;
        const QString question = service->atSchool()
            ? trProgress(QT_TRANSLATE_NOOP("Progress", "Forget every recorded test of %1? This cannot be undone."))
                  .arg(service->currentProfile())
            : trProgress(QT_TRANSLATE_NOOP("Progress", "Forget every recorded test of every child? This cannot be undone."));
        const auto answer = QMessageBox::question(window, trProgress(QT_TRANSLATE_NOOP("Progress", "Forget All Progress")),
                                                  question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
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
