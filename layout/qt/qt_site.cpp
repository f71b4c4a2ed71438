#include "qt_site.h"

#include "qt_control.h"
#include "qt_values.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QLabel>
#include <QWidget>

#include <cmath>

namespace kelvane::qt {

namespace {
constexpr std::size_t kMaxChangedKept = 64; // a designer only needs the recent ones
constexpr double kMaxFacePixels = 1 << 14;

int pixels(double twips, double tpp)
{
    if (!std::isfinite(twips) || twips < 0)
        return 0;
    return static_cast<int>(std::lround(std::min(twips / tpp, kMaxFacePixels)));
}
} // namespace

QtSite::QtSite(QWidget* control, QWidget* window, bool designMode)
    : m_control(control)
    , m_window(window)
    , m_designMode(designMode)
{
    m_face = new QLabel(control);
    m_face->setObjectName(QStringLiteral("qt_lblKelvaneRes"));
    m_face->setFont(QFont(QStringLiteral("Arial")));
    m_face->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_face->setAttribute(Qt::WA_TransparentForMouseEvents); // a click reaches the control
    m_face->setVisible(designMode);
}

Ref QtSite::parent() { return wrap(m_window.data()); }

void QtSite::setVisible(bool visible)
{
    if (m_control)
        m_control->setVisible(visible);
}

std::string QtSite::name() const
{
    const QString n = m_control ? m_control->objectName() : QString();
    return n.isEmpty() ? std::string("KelvaneUC1") : n.toStdString();
}

Ref QtSite::self() { return wrap(m_control.data()); }

void QtSite::propertyChanged(std::string_view property)
{
    if (m_changed.size() >= kMaxChangedKept)
        m_changed.erase(m_changed.begin());
    m_changed.emplace_back(property);
    // A form editor around the widget saves what is marked here.
    if (auto* widget = qobject_cast<KelvaneUCWidget*>(m_control.data()))
        Q_EMIT widget->propertyChanged(QString::fromUtf8(property.data(), static_cast<qsizetype>(property.size())));
}

double QtSite::width() const { return m_control ? m_control->width() * twipsPerPixel(m_control, false) : 0; }
double QtSite::height() const { return m_control ? m_control->height() * twipsPerPixel(m_control, true) : 0; }

void QtSite::setWidth(double twips)
{
    if (m_control)
        m_control->resize(pixels(twips, twipsPerPixel(m_control, false)), m_control->height());
}

void QtSite::setHeight(double twips)
{
    if (m_control)
        m_control->resize(m_control->width(), pixels(twips, twipsPerPixel(m_control, true)));
}

void QtSite::showFace(const std::string& caption, double width, double height)
{
    if (!m_control)
        return;
    m_face->setText(QString::fromStdString(caption));
    m_face->setGeometry(0, 0, pixels(width, twipsPerPixel(m_control, false)), pixels(height, twipsPerPixel(m_control, true)));
    m_face->setVisible(m_designMode);
}

} // namespace kelvane::qt
