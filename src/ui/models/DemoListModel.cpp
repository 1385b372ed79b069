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

} // namespace

DemoListModel::DemoListModel(QObject* parent) : QAbstractTableModel(parent) {
}

void DemoListModel::setDemos(std::vector<DemoEntry> demos) {
    beginResetModel();
    demos_ = std::move(demos);
    endResetModel();
}

int DemoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(demos_.size());
}

int DemoListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString DemoListModel::text(const DemoEntry& demo, int column) const {
    const DemoFacts& facts = demo.read.facts;
    const bool known = demo.read.status == DemoReadStatus::Ok;
    switch (column) {
    case Date:
        return local(demoDateText(demo));
    case Name:
        return shownName(demo.name);
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

QVariant DemoListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const DemoEntry& demo = demos_[static_cast<std::size_t>(index.row())];
    if (role == Qt::EditRole) {
        switch (index.column()) {
        case Date:
            return QVariant::fromValue(demo.modifiedSeconds);
        case Length:
            return QVariant::fromValue(static_cast<qint64>(demo.read.facts.lengthMs));
        case Size:
            return QVariant::fromValue(demo.size);
        default:
            return text(demo, index.column());
        }
    }
    if (role == Qt::DisplayRole)
        return text(demo, index.column());
    if (role == Qt::ToolTipRole)
        return local(printableText(demo.where()));
    return {};
}

QVariant DemoListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList captions{"Date",    "Name",      "Map", "Length", "Recorded by",
                                      "Players", "Game type", "Mod", "Size"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= captions.size())
        return {};
    return captions[section];
}

} // namespace velkarn
