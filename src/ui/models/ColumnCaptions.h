#pragma once

#include <QStringList>
#include <QVariant>

namespace velkarn {

// A table's column caption as headerData gives it: the caption of `section` for the horizontal
// header's display role, nothing for any other header, role or section.
inline QVariant columnCaption(const QStringList& captions, int section, Qt::Orientation orientation,
                              int role) {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= captions.size())
        return {};
    return captions.at(section);
}

} // namespace velkarn
