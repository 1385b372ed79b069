#include "core/platform/Trash.h"

#include <QFile>

namespace velkarn {

bool moveToTrash(const std::string& path) {
    return QFile::moveToTrash(QString::fromLocal8Bit(path.c_str()));
}

} // namespace velkarn
