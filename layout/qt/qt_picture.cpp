// Pictures: a QLabel showing a picture is a picture box whose picture follows its size. A pass
// draws the picture anew at the label's new size: an image file (an SVG drawn from its
// shapes, so it stays sharp at any size), or a pixmap scaled once from the one the program
// gave the label, never from an earlier scaled copy.
#include "qt_control.h"
#include "qt_exact.h"
#include "qt_members.h"
#include "qt_values.h"

#include <QImageReader>
#include <QLabel>
#include <QPixmap>

#include <cmath>

namespace kelvane::qt {

namespace {

// The pixmap the program gave the label, and the key of the copy drawn from it last.
constexpr const char* kOriginal = "kelvane_pictureOriginal";
constexpr const char* kDrawn = "kelvane_pictureDrawn";

QString pictureFile(const QObject* o)
{
    const QVariant file = o->property("Picture");
    return file.typeId() == QMetaType::QString ? file.toString() : QString();
}

// The label's own pixmap as the program set it; a pixmap set after the last drawing is new.
QPixmap originalOf(QLabel* label)
{
    const QPixmap now = label->pixmap();
    const QVariant drawn = label->property(kDrawn);
    if (drawn.isValid() && drawn.toLongLong() == now.cacheKey()) {
        const QPixmap kept = label->property(kOriginal).value<QPixmap>();
        if (!kept.isNull())
            return kept;
    }
    label->setProperty(kOriginal, QVariant::fromValue(now));
    return now;
}

QImage drawn(const QString& file, QLabel* source, QSize device)
{
    if (!file.isEmpty()) {
        QImageReader reader(file);
        reader.setScaledSize(device);
        QImage image = reader.read();
        if (image.isNull())
            throw Failure(kInvalidPropertyValue, reader.errorString().toStdString());
        return image;
    }
    const QPixmap original = source ? originalOf(source) : QPixmap();
    if (original.isNull())
        throw Failure(kInvalidPropertyValue, "Invalid picture");
    if (original.size() == device)
        return original.toImage();
    return original.toImage().scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// PaintPicture(picture, x, y, width, height): the picture drawn into the label at that size,
// in the units of the label's container. The label shows nothing else, so x and y place nothing.
void paintPicture(QLabel* label, Array& args)
{
    if (args.size() < 5)
        throw Failure(err::InvalidCall);
    QString file;
    QLabel* source = nullptr;
    if (args[0].isString())
        file = QString::fromStdString(args[0].toString());
    else if (QObject* o = unwrap(args[0].toObject()))
        source = qobject_cast<QLabel*>(o);
    if (file.isEmpty() && !source)
        throw Failure(err::TypeMismatch);
    if (source && source != label)
        file = pictureFile(source);
    const QSizeF exact = pixelsOf(label, finite(args[3]), finite(args[4]));
    if (!(exact.width() >= 0 && exact.height() >= 0))
        invalidValue();
    // The size the label will have: its edges are rounded, not its size.
    const QRectF at = exactGeometry(label);
    const QSize size = roundEdges(QRectF(at.topLeft(), exact)).size();
    if (size.isEmpty())
        return;
    const qreal dpr = label->devicePixelRatioF();
    const QSize device(static_cast<int>(std::lround(size.width() * dpr)), static_cast<int>(std::lround(size.height() * dpr)));
    if (file.isEmpty() && source == label)
        file = pictureFile(label);
    QPixmap pixmap = QPixmap::fromImage(drawn(file, file.isEmpty() ? source : nullptr, device));
    pixmap.setDevicePixelRatio(dpr);
    label->setPixmap(pixmap);
    label->setProperty(kDrawn, pixmap.cacheKey());
}

} // namespace

bool showsPicture(const QObject* o)
{
    const auto* label = qobject_cast<const QLabel*>(o);
    return label && (!label->pixmap().isNull() || !pictureFile(label).isEmpty());
}

std::optional<Value> getPicture(QObject* o, Kind k, M m)
{
    switch (m) {
    case M::Stretch:
        if (k != Kind::Image)
            missing();
        return Value(as<QLabel>(o)->hasScaledContents());
    case M::AutoSize:
        if (k != Kind::PictureBox)
            missing();
        return Value(showsPicture(o)); // a picture label's picture follows its size
    case M::AutoRedraw:
        if (k != Kind::PictureBox)
            missing();
        return Value(false);
    case M::Picture:
        // The label stands for its own picture; a "Picture" file property is read before this.
        if (k != Kind::PictureBox || !showsPicture(o))
            missing();
        return Value(wrap(o));
    default: return std::nullopt;
    }
}

bool setPicture(QObject* o, Kind k, M m, const Value& value)
{
    switch (m) {
    case M::Stretch:
        if (k != Kind::Image)
            missing();
        as<QLabel>(o)->setScaledContents(value.toBool());
        return true;
    case M::AutoSize:
    case M::AutoRedraw:
        if (k != Kind::PictureBox)
            missing();
        o->setProperty(m == M::AutoSize ? "AutoSize" : "AutoRedraw", value.toBool());
        return true;
    default: return false;
    }
}

std::optional<Value> callPicture(QObject* o, Kind k, M m, Array& args)
{
    if (m != M::PaintPicture)
        return std::nullopt;
    if (k != Kind::PictureBox || !showsPicture(o))
        missing();
    paintPicture(as<QLabel>(o), args);
    return Value();
}

} // namespace kelvane::qt
