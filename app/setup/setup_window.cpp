#include "setup_window.h"

#include "common/qt/caption_fit.h"
#include "common/qt/svg_picture.h"
#include "common/qt/twips.h"
#include "i18n/translation.h"
#include "progress/progress_menu.h"
#include "settings/shell.h"
#include "setup/about_box.h"
#include "setup/help_page.h"
#include "setup/save_worksheets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zorvix {

namespace {

// Stored layout, twips (1440 to the inch).
constexpr double clientWidth = 14565;
constexpr double storedClientHeight = 8550;
// Label2 sits below the stored client area; the window grows to show it with this margin.
constexpr double bottomMargin = 240;

const QColor background(255, 255, 0);
const QColor captionColour(0, 0, 192);
const QColor startColour(0, 192, 0);
const QColor endColour(192, 0, 0);

struct Place {
    double left, top, width, height;
};

QString trSetup(const char* english) { return i18n::text(i18n::kSetup, QString::fromUtf8(english)); }

QFont frameFont() { return layoutFont(QStringLiteral("Tahoma"), 11.25, true); }
QFont optionFont() { return layoutFont(QStringLiteral("Tahoma"), 9.75, true); }
QFont boxFont() { return layoutFont(QStringLiteral("Tahoma"), 9.75); }
QFont buttonFont() { return layoutFont(QStringLiteral("Verdana"), 14.25, true); }

// A frame whose caption sits on its top line, as the stored layout expects: its controls start
// right below the caption, not below a caption band. Drawn here rather than by a style sheet,
// which would send every control inside through the much slower style-sheet style.
class CaptionFrame final : public QGroupBox {
public:
    CaptionFrame(const QString& caption, QWidget* parent)
        : QGroupBox(caption, parent)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        constexpr int captionLeft = 8, captionPadding = 3;
        const QFontMetrics metrics(font());
        const int lineY = std::min(metrics.height() / 2, height() - 1);
        const QRect caption(captionLeft, 0, metrics.horizontalAdvance(title()) + 2 * captionPadding, metrics.height());
        QPainter painter(this);
        painter.setClipRegion(QRegion(rect()) - caption);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRoundedRect(QRectF(0.5, lineY + 0.5, width() - 1.0, height() - lineY - 1.0), 2, 2);
        painter.setClipping(false);
        painter.setPen(captionColour);
        painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
    }
};

QGroupBox* makeFrame(QWidget* parent, const char* name, const char* caption, Place p)
{
    auto* frame = new CaptionFrame(trSetup(caption), parent);
    frame->setObjectName(QString::fromUtf8(name));
    frame->setProperty("kind", QStringLiteral("frame"));
    frame->setFont(frameFont());
    setBackground(frame, background);
    // Option buttons fill their round indicator with the base colour: white, not the frame's
    // yellow, keeps an unchosen one visible. Boxes inside set their own.
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Base, Qt::white);
    frame->setPalette(palette);
    placeTwips(frame, p.left, p.top, p.width, p.height);
    return frame;
}

QButtonGroup* makeOptions(QWidget* frame, const char* name, std::initializer_list<const char*> captions,
                          std::initializer_list<Place> places)
{
    auto* group = new QButtonGroup(frame);
    group->setObjectName(QString::fromUtf8(name));
    auto place = places.begin();
    int index = 0;
    for (const char* caption : captions) {
        auto* option = new QRadioButton(trSetup(caption), frame);
        option->setObjectName(arrayName(QString::fromUtf8(name), index));
        option->setProperty("kind", QStringLiteral("optionbutton"));
        option->setFont(optionFont());
        setForeground(option, captionColour);
        placeTwips(option, place->left, place->top, place->width, place->height);
        group->addButton(option, index);
        ++place;
        ++index;
    }
    return group;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, Place p,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(trSetup(caption), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setProperty("kind", QStringLiteral("label"));
    label->setFont(optionFont());
    label->setAlignment(align);
    placeTwips(label, p.left, p.top, p.width, p.height);
    return label;
}

QComboBox* makeCombo(QWidget* parent, const char* name, const QStringList& entries, Place p)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromUtf8(name));
    combo->setProperty("kind", QStringLiteral("combobox"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would put text the user never typed into the box.
    combo->setCompleter(nullptr);
    combo->setFont(boxFont());
    combo->addItems(entries);
    // The list's current entry is the one the box shows, whoever wrote the text: arrow keys and
    // the opened list start from there. It also keeps a typed entry from counting as a pick:
    // QComboBox activates the entry matching its text when editing ends, but only when that
    // entry is not already the current one.
    QObject::connect(combo->lineEdit(), &QLineEdit::textChanged, combo, [combo](const QString& text) {
        const int entry = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (entry >= 0 && entry != combo->currentIndex())
            combo->setCurrentIndex(entry);
    });
    combo->setMaxVisibleItems(14);
    setBackground(combo, Qt::white);
    placeTwips(combo, p.left, p.top, p.width, p.height);
    // The list is wider than the narrow box so every entry reads in full.
    combo->view()->setMinimumWidth(twipsToPixels(1200));
    return combo;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const QColor& colour, Place p)
{
    auto* button = new QPushButton(trSetup(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setProperty("kind", QStringLiteral("commandbutton"));
    button->setFont(buttonFont());
    setBackground(button, colour);
    placeTwips(button, p.left, p.top, p.width, p.height);
    return button;
}

QStringList numberList(std::initializer_list<int> before, int from, int to, std::initializer_list<int> after)
{
    QStringList list;
    for (int v : before)
        list << QString::number(v);
    for (int v = from; v <= to; ++v)
        list << QString::number(v);
    for (int v : after)
        list << QString::number(v);
    return list;
}

std::string toStd(const QString& text) { return text.toStdString(); }
QString toQt(const std::string& text) { return QString::fromStdString(text); }

void showText(QComboBox* combo, const std::string& text)
{
    const QString wanted = toQt(text);
    if (combo->currentText() != wanted)
        combo->setEditText(wanted);
}

void showOption(QButtonGroup* group, int index)
{
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    // No selection: an exclusive group only lets go of its checked button this way.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace

SetupWindow::SetupWindow(Shell& shell, QWidget* parent)
    : QWidget(parent)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(trSetup(QT_TRANSLATE_NOOP("Form1", "ZORVIX V2.5")));
    setBackground(this, background);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setBackground(m_client, background);
    // Menus first: they measure no text, so they are built while the fonts are still being read.
    buildMenus();
    buildControls();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client, 1);

    // The stored client area ends above Label2, so size the client by what it holds.
    int bottom = twipsToPixels(storedClientHeight);
    for (const QWidget* child : m_client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    m_client->setMinimumSize(twipsToPixels(clientWidth), bottom + twipsToPixels(bottomMargin));
    resize(sizeHint());
    // Only the opening size: a minimum would keep the layout control from fitting a small screen.
    m_client->setMinimumSize(0, 0);

    connectEvents();
    setupLoad(settings(), m_screen);
    render();
    keepCaptionsFitted(this);
}

SetupWindow::~SetupWindow() = default;

void SetupWindow::setWorksheetDialogs(std::unique_ptr<WorksheetDialogs> dialogs) { m_worksheetDialogs = std::move(dialogs); }

DrillSettings& SetupWindow::settings() { return m_shell.state().settings; }

void SetupWindow::buildControls()
{
    // The controls measure their texts from here on. Were the font list still unread, this thread
    // would read it again beside the one already reading it.
    waitForFontsRead();
    QWidget* c = m_client;

    QGroupBox* frame1 = makeFrame(c, "Frame1", QT_TRANSLATE_NOOP("Form1", "TYPE OF TEST"), {2400, 2760, 3825, 2295});
    m_testType = makeOptions(frame1, "TEST_TYPE",
                             {QT_TRANSLATE_NOOP("Form1", "ADD"), QT_TRANSLATE_NOOP("Form1", "SUBTRACT"),
                              QT_TRANSLATE_NOOP("Form1", "BOTH"), QT_TRANSLATE_NOOP("Form1", "MULTIPLY"),
                              QT_TRANSLATE_NOOP("Form1", "DIVIDE"), QT_TRANSLATE_NOOP("Form1", "BOTH")},
                             {{1680, 360, 1305, 255},
                              {1680, 720, 1575, 255},
                              {480, 600, 1005, 255},
                              {1680, 1440, 1515, 255},
                              {1680, 1800, 1455, 255},
                              {480, 1560, 1065, 255}});

    makeButton(c, "Start", QT_TRANSLATE_NOOP("Form1", "START!"), startColour, {6720, 3600, 2175, 975});

    QGroupBox* frame3 = makeFrame(c, "Frame3", QT_TRANSLATE_NOOP("Form1", "TEST RANGE"), {9480, 2760, 3735, 2295});
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    QLabel* practiceFrom = makeLabel(frame3, "Label3", QT_TRANSLATE_NOOP("Form1", "PRACTICE FROM"), {195, 480, 2295, 255}, right);
    m_minNum = makeCombo(frame3, "MIN_NUM",
                         numberList({-99, -75, -50, -40, -30, -25, -20, -10, -5}, 0, 10, {15, 20, 25, 30, 40, 50, 60, 75}),
                         {2580, 360, 795, 360});
    QLabel* to = makeLabel(frame3, "Label4", QT_TRANSLATE_NOOP("Form1", "TO"), {2130, 1035, 375, 270}, right);
    m_maxNum = makeCombo(frame3, "MAX_NUM",
                         numberList({-75, -60, -50, -40, -30, -25, -20, -15, -10}, -9, 10, {15, 20, 25, 30, 40, 50, 60, 75, 99}),
                         {2565, 975, 810, 360});
    QLabel* quantity =
        makeLabel(frame3, "PROBLEM_QUANTITY", QT_TRANSLATE_NOOP("Form1", "NUMBER OF PROBLEMS"), {405, 1515, 1920, 495}, right);
    quantity->setWordWrap(true);
    m_count = makeCombo(frame3, "Combo1", numberList({5, 10, 20, 25, 30, 40, 50, 60, 70, 75, 80, 90, 100}, 1, 0, {}),
                        {2520, 1575, 855, 360});

    QGroupBox* frame5 = makeFrame(c, "Frame5", QT_TRANSLATE_NOOP("Form1", "TIME LIMIT"), {2280, 5760, 2655, 1935});
    m_timed = makeOptions(frame5, "TIMED_TEST", {QT_TRANSLATE_NOOP("Form1", "NO"), QT_TRANSLATE_NOOP("Form1", "YES")},
                          {{240, 600, 840, 255}, {240, 1320, 1140, 255}});
    m_label1 = makeLabel(frame5, "Label1", QT_TRANSLATE_NOOP("Form1", "TIME(MIN)"), {1200, 720, 1215, 255});
    m_text1 = new QLineEdit(QStringLiteral("10"), frame5);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setProperty("kind", QStringLiteral("textbox"));
    m_text1->setFont(boxFont());
    setBackground(m_text1, Qt::white);
    placeTwips(m_text1, 1440, 1200, 615, 375);

    QGroupBox* frame7 = makeFrame(c, "Frame7", QT_TRANSLATE_NOOP("Form1", "METHOD"), {5280, 5760, 3960, 1815});
    m_method = makeOptions(frame7, "Printed",
                           {QT_TRANSLATE_NOOP("Form1", "PAGE OF  PROBLEMS"), QT_TRANSLATE_NOOP("Form1", "INDIVIDUAL PROBLEMS"),
                            QT_TRANSLATE_NOOP("Form1", "PRINTED PAGE")},
                           {{240, 360, 3300, 300}, {240, 840, 3615, 300}, {240, 1320, 3360, 300}});

    QGroupBox* frame2 = makeFrame(c, "Frame2", QT_TRANSLATE_NOOP("Form1", "EMPHASIS"), {9720, 5760, 3615, 2055});
    QLabel* drillOn = makeLabel(frame2, "Label5", QT_TRANSLATE_NOOP("Form1", "DRILL ON"), {240, 555, 1335, 255});
    QStringList drillEntries{QString()};
    drillEntries << numberList({}, -15, 10, {15});
    m_drill = makeCombo(frame2, "DRILL", drillEntries, {1800, 480, 735, 360});
    m_drill->setEditText(QString());
    m_drillType = makeOptions(frame2, "Drill_Type",
                              {QT_TRANSLATE_NOOP("Form1", "EVERY PROBLEM"), QT_TRANSLATE_NOOP("Form1", "MORE (NOT ALL)")},
                              {{480, 1080, 2775, 255}, {480, 1560, 2895, 255}});

    makeButton(c, "Command1", QT_TRANSLATE_NOOP("Form1", "END"), endColour, {6720, 7920, 2175, 975});

    QLabel* web =
        makeLabel(c, "Label2", QT_TRANSLATE_NOOP("Form1", "www.zorvix.example"), {6360, 9600, 2895, 255}, Qt::AlignCenter);
    web->setFont(layoutFont(QStringLiteral("Verdana"), 12));
    setForeground(web, captionColour);
    // A 12-point line is taller than the stored 255 twips; grow downwards only, where nothing lies.
    // Sans faces space their lines at most 1.25 em apart, so that much room needs no measuring
    // (measuring would load a font at a size the layout control then scales away).
    constexpr double webLineTwips = 12 * 20 * 1.25;
    web->resize(web->width(), std::max(web->height(), twipsToPixels(webLineTwips)));

    // The banner's subtitle is lettering too: each translation has its own banner. Made last, it
    // is painted last, which gives its worker thread the rest of the window's paint to draw in.
    auto* image = new SvgPicture(i18n::localizedResource(QStringLiteral(":/setup/banner.svg")), c);
    image->setObjectName(QStringLiteral("Image1"));
    image->setDrawnAhead(true);
    placeTwips(image, 3240, 1200, 8820, 1275);

    // The boxes carry no caption of their own; a screen reader names them by the caption beside
    // them (the label relation on Linux, the name elsewhere).
    practiceFrom->setBuddy(m_minNum);
    to->setBuddy(m_maxNum);
    quantity->setBuddy(m_count);
    m_label1->setBuddy(m_text1);
    drillOn->setBuddy(m_drill);
    m_minNum->setAccessibleName(trSetup(QT_TRANSLATE_NOOP("Form1", "PRACTICE FROM")));
    m_maxNum->setAccessibleName(trSetup(QT_TRANSLATE_NOOP("Form1", "TO")));
    m_count->setAccessibleName(trSetup(QT_TRANSLATE_NOOP("Form1", "NUMBER OF PROBLEMS")));
    m_text1->setAccessibleName(trSetup(QT_TRANSLATE_NOOP("Form1", "TIME(MIN)")));
    m_drill->setAccessibleName(trSetup(QT_TRANSLATE_NOOP("Form1", "DRILL ON")));
    // Two options read "BOTH"; what each one mixes is only clear from where it stands.
    m_testType->button(2)->setAccessibleDescription(trSetup(QT_TRANSLATE_NOOP("Form1", "addition and subtraction")));
    m_testType->button(5)->setAccessibleDescription(trSetup(QT_TRANSLATE_NOOP("Form1", "multiplication and division")));
}

void SetupWindow::buildMenus()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("MainMenu"));
    m_menuBar->setNativeMenuBar(false);

    QMenu* file = m_menuBar->addMenu(trSetup(QT_TRANSLATE_NOOP("Form1", "&File")));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto item = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(trSetup(caption));
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };
    connect(item(file, "mnuMaximize", QT_TRANSLATE_NOOP("Form1", "Ma&ximize")), &QAction::triggered, this,
            [this] { showMaximized(); });
    connect(item(file, "mnuMinimize", QT_TRANSLATE_NOOP("Form1", "&Minimize")), &QAction::triggered, this,
            [this] { showMinimized(); });
    connect(item(file, "mnuNormal", QT_TRANSLATE_NOOP("Form1", "&NormalWindow")), &QAction::triggered, this,
            [this] { showNormal(); });
    connect(item(file, "mnuSaveWorksheets", QT_TRANSLATE_NOOP("Form1", "Save Worksheets as &PDF…")), &QAction::triggered, this,
            [this] {
                if (!m_worksheetDialogs)
                    m_worksheetDialogs = standardWorksheetDialogs();
                saveWorksheetsAsPdf(this, m_shell, *m_worksheetDialogs);
            });
    connect(item(file, "mnuClose", QT_TRANSLATE_NOOP("Form1", "&Close")), &QAction::triggered, this,
            [this] { m_shell.endProgram(); });

    QMenu* help = m_menuBar->addMenu(trSetup(QT_TRANSLATE_NOOP("Form1", "&Help")));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QMenu* contents = help->addMenu(trSetup(QT_TRANSLATE_NOOP("Form1", "Contents")));
    contents->setObjectName(QStringLiteral("mnuContents"));
    const char* const pages[] = {QT_TRANSLATE_NOOP("Form1", "Setup Page"), QT_TRANSLATE_NOOP("Form1", "FlashCards"),
                                 QT_TRANSLATE_NOOP("Form1", "FlashPage"), QT_TRANSLATE_NOOP("Form1", "PrintPage")};
    for (int page = 1; page <= helpPageCount; ++page) {
        QAction* action = item(contents, QStringLiteral("mnuHelpPage%1").arg(page).toUtf8().constData(), pages[page - 1]);
        connect(action, &QAction::triggered, this, [this, page] { showHelpPage(page, this); });
    }
    connect(item(help, "mnuAbout", QT_TRANSLATE_NOOP("Form1", "About Zorvix")), &QAction::triggered, this,
            [this] { showAboutBox(this); });
    buildLanguageMenu(help);

    progress::addProgressMenu(m_menuBar, m_shell, this);
}

void SetupWindow::buildLanguageMenu(QMenu* help)
{
    QMenu* menu = help->addMenu(trSetup(QT_TRANSLATE_NOOP("Form1", "&Language")));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    const QString chosen = i18n::rememberedLanguage();
    auto choice = [&](const QString& code, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("mnuLanguage_") + (code.isEmpty() ? QStringLiteral("system") : code));
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] {
            i18n::rememberLanguage(code);
            i18n::installTranslation(*QCoreApplication::instance(), i18n::localeFor(code), i18n::translationDirs());
            m_shell.languageChanged();
        });
    };
    choice(QString(), trSetup(QT_TRANSLATE_NOOP("Form1", "System")));
    // Each language by its own name, so a child finds it without reading the current one.
    choice(QStringLiteral("en"), QStringLiteral("English"));
    for (const QString& code : i18n::shippedLanguages(i18n::translationDirs()))
        choice(code, i18n::nativeName(code));
}

void SetupWindow::connectEvents()
{
    connect(m_testType, &QButtonGroup::idClicked, this, [this](int i) {
        testTypeChosen(settings(), m_screen, i);
        render();
    });
    connect(m_timed, &QButtonGroup::idClicked, this, [this](int i) {
        timedChosen(settings(), m_screen, i);
        render();
    });
    connect(m_method, &QButtonGroup::idClicked, this, [this](int i) {
        methodChosen(settings(), m_screen, i);
        render();
    });
    connect(m_drillType, &QButtonGroup::idClicked, this, [this](int i) {
        emphasisModeChosen(settings(), m_screen, i);
        render();
    });

    // Editable boxes: "activated" is an entry picked from the list (popup, wheel, arrow keys),
    // textEdited is typing.
    connect(m_minNum, &QComboBox::activated, this, [this](int i) {
        lowEndPicked(settings(), m_screen, toStd(m_minNum->itemText(i)));
        render();
    });
    connect(m_minNum->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { lowEndTyped(m_screen, toStd(text)); });
    connect(m_maxNum, &QComboBox::activated, this, [this](int i) {
        highEndPicked(settings(), m_screen, toStd(m_maxNum->itemText(i)));
        render();
    });
    connect(m_maxNum->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { highEndTyped(m_screen, toStd(text)); });
    // A picked count is taken at once rather than waiting for the box to lose the focus.
    connect(m_count, &QComboBox::activated, this, [this](int i) {
        countEdited(settings(), m_screen, toStd(m_count->itemText(i)));
        render();
    });
    connect(m_count->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { countEdited(settings(), m_screen, toStd(text)); });
    m_count->installEventFilter(this);
    connect(m_drill, &QComboBox::activated, this, [this](int i) {
        emphasisPicked(settings(), m_screen, toStd(m_drill->itemText(i)));
        render();
    });
    connect(m_drill->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { emphasisTyped(m_screen, toStd(text)); });
    connect(m_text1, &QLineEdit::textEdited, this,
            [this](const QString& text) { minutesEdited(settings(), m_screen, toStd(text)); });

    auto* start = m_client->findChild<QPushButton*>(QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { carryOut(startChosen(settings())); });
    auto* end = m_client->findChild<QPushButton*>(QStringLiteral("Command1"));
    // END closes the screen; the closing ends the program.
    connect(end, &QPushButton::clicked, this, [this] {
        if (endChosen().request == SetupRequest::EndProgram)
            close();
    });
}

bool SetupWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_count && event->type() == QEvent::FocusOut) {
        // Opening the box's own list is not leaving the box.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            countLeft(settings(), m_screen);
            render();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SetupWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    carryOut(setupClosing());
}

void SetupWindow::carryOut(const SetupOutcome& outcome)
{
    switch (outcome.request) {
    case SetupRequest::ShowDrill: m_shell.showDrill(outcome.method); break;
    case SetupRequest::EndProgram: m_shell.endProgram(); break;
    case SetupRequest::None: break;
    }
}

void SetupWindow::render()
{
    showText(m_minNum, m_screen.minText);
    showText(m_maxNum, m_screen.maxText);
    showText(m_count, m_screen.countText);
    showText(m_drill, m_screen.drillText);
    if (m_text1->text() != toQt(m_screen.minutesText))
        m_text1->setText(toQt(m_screen.minutesText));
    showOption(m_testType, m_screen.testType);
    showOption(m_timed, m_screen.timedOption);
    showOption(m_method, m_screen.methodOption);
    showOption(m_drillType, m_screen.drillType);
    m_label1->setVisible(m_screen.minutesShown);
    m_text1->setVisible(m_screen.minutesShown);
}

} // namespace zorvix
