// The Designer plugin as Designer meets it: loaded with QPluginLoader and given a Designer core,
// it makes controls in design mode: they measure the screen, show their face and mark every
// stored property for saving. (Without a core, see designer_form_test.cpp.)
#include <kelvaneuc/kelvaneucwidget.h>

#include <QDesignerFormEditorInterface>
#include <QDesignerPropertySheetExtension>
#include <QExtensionFactory>
#include <QExtensionManager>
#include <QHash>
#include <QMetaProperty>
#include <QLabel>
#include <QPluginLoader>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr const char* kStoredKeys[] = {"DesignWidth",
                                       "DesignHeight",
                                       "DesignBorderWidth",
                                       "DesignCaptionHeight",
                                       "DesignMenuHeight",
                                       "DesignScrollWidth",
                                       "AccountForAlignedControls",
                                       "KeepAspectRatio",
                                       "ResizeOnChange",
                                       "ResizeAtStartUp",
                                       "ResizeForFixedTaskBar",
                                       "ResizeForOverhead",
                                       "ResizeContainedByToolbar"};

// Designer's property sheet as far as saving goes: which properties are marked changed (and so
// written into the .ui file).
class PropertySheet : public QObject, public QDesignerPropertySheetExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)
public:
    PropertySheet(QObject* widget, QObject* parent)
        : QObject(parent)
        , m_widget(widget)
    {
        const QMetaObject* mo = widget->metaObject();
        for (int i = 0; i < mo->propertyCount(); ++i)
            m_names << QString::fromLatin1(mo->property(i).name());
    }
    int count() const override { return static_cast<int>(m_names.size()); }
    int indexOf(const QString& name) const override { return static_cast<int>(m_names.indexOf(name)); }
    QString propertyName(int index) const override { return m_names.value(index); }
    QString propertyGroup(int) const override { return {}; }
    void setPropertyGroup(int, const QString&) override {}
    bool hasReset(int) const override { return false; }
    bool reset(int) override { return false; }
    bool isVisible(int) const override { return true; }
    void setVisible(int, bool) override {}
    bool isAttribute(int) const override { return false; }
    void setAttribute(int, bool) override {}
    QVariant property(int index) const override { return m_widget->property(m_names.value(index).toLatin1()); }
    void setProperty(int index, const QVariant& value) override { m_widget->setProperty(m_names.value(index).toLatin1(), value); }
    bool isChanged(int index) const override { return m_changed.value(m_names.value(index)); }
    void setChanged(int index, bool changed) override { m_changed[m_names.value(index)] = changed; }
    bool isEnabled(int) const override { return true; }
    bool isChanged(const char* name) const { return m_changed.value(QString::fromLatin1(name)); }

private:
    QObject* m_widget;
    QStringList m_names;
    QHash<QString, bool> m_changed;
};

class SheetFactory final : public QExtensionFactory {
public:
    using QExtensionFactory::QExtensionFactory;

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override
    {
        if (iid != Q_TYPEID(QDesignerPropertySheetExtension) || !qobject_cast<kelvane::KelvaneUCWidget*>(object))
            return nullptr;
        return new PropertySheet(object, parent);
    }
};

class DesignerCore final : public QDesignerFormEditorInterface {
public:
    DesignerCore()
    {
        auto* manager = new QExtensionManager(this);
        manager->registerExtensions(new SheetFactory(manager), Q_TYPEID(QDesignerPropertySheetExtension));
        setExtensionManager(manager);
    }
};

class DesignerPluginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
        plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
        ASSERT_NE(plugin, nullptr);
    }

    // Designer's core lives as long as Designer; the plugin keeps the first one it is given.
    static DesignerCore& core()
    {
        static DesignerCore editor;
        return editor;
    }

    static PropertySheet* sheetOf(QWidget* widget)
    {
        return static_cast<PropertySheet*>(qt_extension<QDesignerPropertySheetExtension*>(core().extensionManager(), widget));
    }

    QPluginLoader loader{QStringLiteral(KELVANE_DESIGNER_PLUGIN_FILE)};
    QDesignerCustomWidgetInterface* plugin = nullptr;
};

TEST_F(DesignerPluginTest, describesTheWidgetForUicAndDesigner)
{
    EXPECT_EQ(plugin->name(), "kelvane::KelvaneUCWidget");
    EXPECT_EQ(plugin->includeFile(), "<kelvaneuc/kelvaneucwidget.h>");
    EXPECT_FALSE(plugin->isContainer());
    const QString xml = plugin->domXml();
    EXPECT_TRUE(xml.contains(R"(<widget class="kelvane::KelvaneUCWidget" name="KelvaneUC1"/>)")) << xml.toStdString();
    EXPECT_TRUE(xml.contains("<header location=\"global\">kelvaneuc/kelvaneucwidget.h</header>"));
}

TEST_F(DesignerPluginTest, inDesignerTheControlMeasuresTheScreenAndShowsItsFace)
{
    plugin->initialize(&core());
    ASSERT_TRUE(plugin->isInitialized());

    QWidget form;
    form.resize(600, 400);
    std::unique_ptr<QWidget> created(plugin->createWidget(&form));
    auto* control = qobject_cast<kelvane::KelvaneUCWidget*>(created.get());
    ASSERT_NE(control, nullptr);
    QSignalSpy marked(control, &kelvane::KelvaneUCWidget::propertyChanged);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // The design metrics are the screen's own, whatever is set (the offscreen screen: 800 x 600).
    const QSize screen = form.screen()->size();
    EXPECT_EQ(control->property("DesignWidth").toDouble(), screen.width());
    EXPECT_EQ(control->property("DesignHeight").toDouble(), screen.height());
    EXPECT_TRUE(control->setProperty("DesignWidth", 1234.0));
    EXPECT_EQ(control->designWidth(), screen.width());

    // Visible with its face, never smaller than 2600 x 1300 twips.
    EXPECT_TRUE(control->isVisible());
    auto* face = control->findChild<QLabel*>();
    ASSERT_NE(face, nullptr);
    EXPECT_TRUE(face->isVisible());
    EXPECT_TRUE(face->text().startsWith(QString("Res=%1 x %2").arg(screen.width()).arg(screen.height())))
        << face->text().toStdString();
    const double twips = 1440.0 / control->logicalDpiX();
    EXPECT_GE(control->width() * twips, 2600 - twips);
    EXPECT_GE(control->height() * twips, 1300 - twips);

    // Showing marks the metrics for saving; a setting changed in the property editor is kept
    // and marked too.
    std::set<QString> names;
    for (const auto& args : marked)
        names.insert(args.at(0).toString());
    EXPECT_TRUE(names.count("DesignWidth") && names.count("DesignScrollWidth"));
    EXPECT_TRUE(control->property("KeepAspectRatio").toBool());
    EXPECT_TRUE(control->setProperty("KeepAspectRatio", false));
    EXPECT_FALSE(control->property("KeepAspectRatio").toBool());
    EXPECT_EQ(marked.last().at(0).toString(), "KeepAspectRatio");
}

// The number after "key=" on the face.
double faceNumber(const QString& face, const QString& key)
{
    for (const QString& line : face.split("\r\n"))
        if (line.startsWith(key + "="))
            return line.mid(key.size() + 1).trimmed().toDouble();
    return -1;
}

TEST_F(DesignerPluginTest, theFaceShowsWhatASaveStoresInTheControlsFont)
{
    plugin->initialize(&core());
    QWidget form;
    form.resize(600, 400);
    std::unique_ptr<QWidget> created(plugin->createWidget(&form)); // placed before the form is shown
    auto* control = qobject_cast<kelvane::KelvaneUCWidget*>(created.get());
    ASSERT_NE(control, nullptr);
    QFont font("DejaVu Sans");
    font.setPointSizeF(20);
    control->setFont(font);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(20);

    auto* face = control->findChild<QLabel*>();
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->font().family(), "DejaVu Sans") << "the label keeps a font of its own";
    EXPECT_DOUBLE_EQ(face->font().pointSizeF(), 20);

    kelvane::MemoryPropertyBag saved;
    ASSERT_TRUE(control->save(saved));
    const auto stored = [&](const char* key, double fallback) {
        const auto v = saved.find(key);
        return v ? v->toDouble() : fallback; // a default is not stored
    };
    const QString text = face->text();
    EXPECT_EQ(faceNumber(text, "Caption"), stored("DesignCaptionHeight", 18)) << text.toStdString();
    EXPECT_EQ(faceNumber(text, "Menu"), stored("DesignMenuHeight", 18)) << text.toStdString();
    EXPECT_EQ(faceNumber(text, "Scroll"), stored("DesignScrollWidth", 16)) << text.toStdString();
}

TEST_F(DesignerPluginTest, onlyValuesThatDifferFromTheirDefaultsAreMarkedForTheFile)
{
    plugin->initialize(&core());
    QWidget form;
    std::unique_ptr<QWidget> created(plugin->createWidget(&form));
    auto* control = qobject_cast<kelvane::KelvaneUCWidget*>(created.get());
    ASSERT_NE(control, nullptr);
    QTest::qWait(20); // the sheet is asked once the event loop runs
    PropertySheet* sheet = sheetOf(control);
    ASSERT_NE(sheet, nullptr);
    // The offscreen screen measures 800 x 800: its width is the default, its height is not.
    ASSERT_EQ(control->designWidth(), 800);
    ASSERT_NE(control->designHeight(), 600);
    EXPECT_FALSE(sheet->isChanged("DesignWidth"));
    EXPECT_TRUE(sheet->isChanged("DesignHeight"));
    for (const char* key : {"KeepAspectRatio", "ResizeOnChange", "ResizeContainedByToolbar"})
        EXPECT_FALSE(sheet->isChanged(key)) << key;

    EXPECT_TRUE(control->setProperty("KeepAspectRatio", false));
    QTest::qWait(20);
    EXPECT_TRUE(sheet->isChanged("KeepAspectRatio"));
    EXPECT_TRUE(control->setProperty("KeepAspectRatio", true)); // back to its default
    QTest::qWait(20);
    EXPECT_FALSE(sheet->isChanged("KeepAspectRatio"));
}

TEST_F(DesignerPluginTest, aFreshPlacementTakesTheDefaultsAndAsksToSaveEveryKey)
{
    plugin->initialize(&core());
    QWidget form;
    std::unique_ptr<QWidget> created(plugin->createWidget(&form));
    auto* control = qobject_cast<kelvane::KelvaneUCWidget*>(created.get());
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(control->property("ResizeContainedByToolbar").toBool());
    for (const char* key : {"AccountForAlignedControls", "KeepAspectRatio", "ResizeOnChange", "ResizeAtStartUp",
                            "ResizeForFixedTaskBar", "ResizeForOverhead"})
        EXPECT_TRUE(control->property(key).toBool()) << key;

    // What the plugin does on placement, watched from the start: every stored key is marked.
    kelvane::KelvaneUCWidget placed(&form, /*designMode*/ true);
    QSignalSpy marked(&placed, &kelvane::KelvaneUCWidget::propertyChanged);
    placed.initialize();
    std::set<QString> names;
    for (const auto& args : marked)
        names.insert(args.at(0).toString());
    for (const char* key : kStoredKeys)
        EXPECT_TRUE(names.count(key)) << key;
}

} // namespace

#include "designer_plugin_test.moc"
