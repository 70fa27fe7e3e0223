// Conversions between the window's plain state and Qt's types.
#pragma once

#include <QColor>
#include <QString>

#include <string>

#include "ui/controls.h"

namespace varnak::gui {

// The window's texts are UTF-8.
inline QString ToQt(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

inline QColor ToQt(ui::Color c) { return QColor(c.R, c.G, c.B); }

}  // namespace varnak::gui
