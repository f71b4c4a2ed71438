#include "qt_values.h"

#include "qt_control.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <limits>

namespace kelvane::qt {

Value toValue(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool: return Value(v.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: return Value(static_cast<int32_t>(v.toInt()));
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const double d = v.toDouble();
        if (d >= std::numeric_limits<int32_t>::min() && d <= std::numeric_limits<int32_t>::max())
            return Value(static_cast<int32_t>(d));
        return Value(d);
    }
    case QMetaType::Double:
    case QMetaType::Float: return Value(v.toDouble());
    case QMetaType::QString: return Value(v.toString().toStdString());
    case QMetaType::QByteArray: return Value(v.toByteArray().toStdString());
    case QMetaType::QColor: return Value(toPlatformColor(v.value<QColor>()));
    default: break;
    }
    if (!v.isValid())
        return Value();
    if (v.metaType().flags().testFlag(QMetaType::PointerToQObject))
        return Value(wrap(v.value<QObject*>()));
    if (v.canConvert<double>()) {
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (ok)
            return Value(d);
    }
    if (v.canConvert<QString>())
        return Value(v.toString().toStdString());
    throw Failure(err::TypeMismatch);
}

QVariant toVariant(const Value& v)
{
    if (v.isBool())
        return QVariant(std::get<bool>(v.data));
    if (v.isInt())
        return QVariant(static_cast<int>(std::get<int32_t>(v.data)));
    if (v.isDouble())
        return QVariant(std::get<double>(v.data));
    if (v.isString())
        return QVariant(QString::fromStdString(std::get<std::string>(v.data)));
    if (v.isObject()) {
        QObject* o = unwrap(v.toObject());
        return QVariant::fromValue(o);
    }
    if (v.isEmpty())
        return QVariant();
    throw Failure(err::TypeMismatch);
}

QVariant toVariant(const Value& v, QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Bool: return QVariant(v.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: return QVariant(static_cast<int>(v.toInt32()));
    case QMetaType::UInt: return QVariant(static_cast<uint>(std::max<int32_t>(0, v.toInt32())));
    case QMetaType::Double: return QVariant(finite(v));
    case QMetaType::Float: return QVariant(static_cast<float>(finite(v)));
    case QMetaType::QString: return QVariant(QString::fromStdString(v.toString()));
    case QMetaType::QColor: return QVariant(fromPlatformColor(v.toInt32()));
    default: break;
    }
    QVariant natural = toVariant(v);
    if (!natural.convert(type))
        throw Failure(err::TypeMismatch);
    return natural;
}

int32_t toPlatformColor(const QColor& c)
{
    return static_cast<int32_t>(static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
                                static_cast<uint32_t>(c.blue()) << 16);
}

QColor fromPlatformColor(int32_t c)
{
    const auto u = static_cast<uint32_t>(c);
    return QColor(static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF), static_cast<int>((u >> 16) & 0xFF));
}

double twipsPerPixel(const QWidget* widget, bool vertical)
{
    const QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? (vertical ? screen->logicalDotsPerInchY() : screen->logicalDotsPerInchX()) : 96.0;
    return dpi > 0 && std::isfinite(dpi) ? 1440.0 / dpi : 15.0;
}

double unitsPerPixel(int32_t mode, double tpp, bool vertical)
{
    switch (mode) {
    case 2: return tpp / 20.0;
    case 3: return 1.0;
    case 4: return tpp / (vertical ? 240.0 : 120.0);
    case 5: return tpp / 1440.0;
    case 6: return tpp / 56.7;
    case 7: return tpp / 567.0;
    default: return tpp; // twips, and user scales, which this host does not offer
    }
}

double finite(const Value& v)
{
    const double d = v.toDouble();
    if (!std::isfinite(d))
        throw Failure(kInvalidPropertyValue, "Invalid property value");
    return d;
}

} // namespace kelvane::qt
