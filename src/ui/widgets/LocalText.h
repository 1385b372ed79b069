#pragma once

#include <QString>
#include <string>

// The one place where the windows convert between the core's 8-bit text and Qt's.
namespace velkarn {

inline QString local(const std::string& text) {
    return QString::fromLocal8Bit(text);
}

inline std::string bytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

} // namespace velkarn
