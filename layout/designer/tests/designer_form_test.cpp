// A form made in Designer, with a KelvaneUC whose stored properties are in the .ui file, read
// back at run time two ways: compiled by uic, and loaded by QUiLoader through the plugin. The
// form was designed on a 1024 x 768 screen without KeepAspectRatio; here it runs on the
// offscreen 800 x 600 screen, so the form narrows, and each axis follows its own ratio. Nothing in this
// process gives the plugin a Designer core, so what it makes are run-time controls.
#include "ui_scaled_form.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QFile>
#include <QPluginLoader>
#include <QPushButton>
#include <QTest>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

void expectStoredPropertiesApplied(QWidget& form)
{
    auto* control = form.findChild<kelvane::KelvaneUCWidget*>("KelvaneUC1");
    ASSERT_NE(control, nullptr);
    auto* start = form.findChild<QPushButton*>("Start");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(control->designWidth(), 1024); // before showing: what the file said
    EXPECT_FALSE(control->keepAspectRatio());

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_FALSE(control->isVisible());
    EXPECT_EQ(control->designWidth(), 1024);
    EXPECT_EQ(control->designHeight(), 768);
    EXPECT_EQ(control->designCaptionHeight(), 25);
    EXPECT_EQ(control->designMenuHeight(), 19);
    EXPECT_EQ(control->designScrollWidth(), 17);
    EXPECT_EQ(control->designBorderWidth(), 1); // absent from the file: its default
    EXPECT_FALSE(control->keepAspectRatio());
    EXPECT_TRUE(control->resizeOnChange());

    const double w = control->control().WidthRatio();
    const double h = control->control().HeightRatio();
    EXPECT_LT(w, 1);
    EXPECT_NE(w, h) << "KeepAspectRatio false was not read back";
    EXPECT_NEAR(start->x(), 600 * w, 1);
    EXPECT_NEAR(start->y(), 480 * h, 1);
}

TEST(DesignerForm, uicCodeReadsTheStoredPropertiesBack)
{
    QWidget form;
    Ui::ScaledForm ui;
    ui.setupUi(&form);
    expectStoredPropertiesApplied(form);
}

TEST(DesignerForm, uiLoaderMakesTheControlThroughThePluginAndReadsThePropertiesBack)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(KELVANE_DESIGNER_PLUGIN_DIR));
    ASSERT_TRUE(loader.availableWidgets().contains("kelvane::KelvaneUCWidget"));
    QFile file(QStringLiteral(KELVANE_SCALED_FORM_UI));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    expectStoredPropertiesApplied(*form);
}

TEST(DesignerForm, withoutDesignerThePluginMakesARunTimeControl)
{
    QPluginLoader loader(QStringLiteral(KELVANE_DESIGNER_PLUGIN_FILE));
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
    // A form loader at run time never initialises the plugin.
    QWidget form;
    form.resize(400, 300);
    std::unique_ptr<QWidget> created(plugin->createWidget(&form));
    auto* control = qobject_cast<kelvane::KelvaneUCWidget*>(created.get());
    ASSERT_NE(control, nullptr);
    // Properties set before the first showing are read back, then become the property bag.
    control->setProperty("DesignWidth", 1024.0);
    control->setProperty("DesignHeight", 768.0);
    control->setProperty("ResizeOnChange", false);
    control->setProperty("DesignScrollWidth", std::numeric_limits<double>::quiet_NaN()); // ignored
    EXPECT_EQ(control->property("DesignWidth").toDouble(), 1024);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_FALSE(control->isVisible());
    EXPECT_EQ(control->designWidth(), 1024);
    EXPECT_EQ(control->designHeight(), 768);
    EXPECT_EQ(control->designCaptionHeight(), 18); // not set: its default
    EXPECT_EQ(control->designScrollWidth(), 16);
    EXPECT_FALSE(control->resizeOnChange());
    EXPECT_TRUE(control->keepAspectRatio());
    EXPECT_NE(control->control().GetErrors().find("Resize***"), std::string::npos) << "no pass ran";
}

} // namespace
