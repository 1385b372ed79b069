#include "ui/models/DemoListModel.h"

#include "core/demos/DemoLookup.h"
#include "core/network/ServerStatus.h"
#include "core/platform/PrintableText.h"
#include "core/setup/PlayerName.h"
#include "ui/widgets/LocalText.h"

#include <QLocale>

namespace velkarn {

namespace {

// A name from a demo as shown: its color codes and control characters left out.
QString shownName(const std::string& name) {
    return local(printableText(plainName(name)));
}

// What a column shows of a demo, as text.
QString text(const DemoEntry& demo, int column) {
    using enum DemoListModel::Column;
    const DemoFacts& facts = demo.read.facts;
    const bool known = demo.read.status == DemoReadStatus::Ok;
    switch (column) {
    case Date:
        return local(demoDateText(demo));
    case Name:
        return local(printableText(demo.name)); // a file name, whose "^" is no colour code
    case Map:
        return known ? shownName(facts.map) : local(printableText(demo.read.problem));
    case Length:
        return local(demoLengthText(facts.lengthMs));
    case Recorder:
        return shownName(facts.recorder);
    case Others: {
        QStringList others;
        for (const std::string& other : facts.others)
            others << shownName(other);
        return others.join(", ");
    }
    case GameType:
        return known ? local(gameTypeName(std::to_string(facts.gameType))) : QString();
    case Mod:
        return local(demo.mod);
    case Size:
        return QLocale().formattedDataSize(static_cast<qint64>(demo.size));
    default:
        return {};
    }
}

} // namespace

DemoListModel::DemoListModel(QObject* parent)
    : RowTableModel(
          {"Date", "Name", "Map", "Length", "Recorded by", "Players", "Game type", "Mod", "Size"},
          parent) {
}

QVariant DemoListModel::cell(const DemoEntry& demo, int column, int role) const {
    if (role == Qt::EditRole) {
        switch (column) {
        case Date:
            return QVariant::fromValue(demo.modifiedSeconds);
        case Length:
            return QVariant::fromValue(static_cast<qint64>(demo.read.facts.lengthMs));
        case Size:
            return QVariant::fromValue(demo.size);
        default:
            return text(demo, column);
        }
    }
    if (role == Qt::DisplayRole)
        return text(demo, column);
    if (role == Qt::ToolTipRole)
        return local(printableText(demo.where()));
    return {};
}

} // namespace velkarn
