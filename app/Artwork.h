#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace zornalit {

// The program's own drawings, kept as vector images among the resources and
// rendered at whatever density the screen needs.
namespace artwork {

inline const QString windowIconImage = QStringLiteral(":/resources/icon.svg");
inline const QString arrowImage = QStringLiteral(":/resources/arrow.svg");
inline const QString readmeImage = QStringLiteral(":/resources/readme.svg");
inline const QString aboutButtonImage = QStringLiteral(":/resources/about.svg");
inline const QString linkPointerImage = QStringLiteral(":/resources/link-pointer.svg");

// The pointer's picture and hot spot, in pixels at normal density.
constexpr QSize linkPointerSize{32, 32};
constexpr int linkPointerHotX = 1;
constexpr int linkPointerHotY = 1;

// Renders a drawing at a size in device-independent pixels. An unknown or
// broken resource gives a transparent pixmap of that size.
QPixmap render(const QString& resource, QSize logicalSize, qreal devicePixelRatio);

// An icon of a drawing, rendered sharp at whatever size and density it is
// shown.
QIcon icon(const QString& resource);

// Loads Qt's drawing icon engine, which the first icon made would load
// otherwise; start-up does it before the window is built.
void loadIconEngine();

// The window icon of both windows, at the usual title-bar and task-bar sizes.
QIcon windowIcon();

// The pointer shown over the web links. Each call renders it anew: make one
// and share it.
QCursor linkPointer();

} // namespace artwork
} // namespace zornalit
