#pragma once

#include <QAbstractListModel>
#include <functional>
#include <string>
#include <vector>

namespace velkarn {

// A list of the core's texts as rows (the catalogue's bot names, the pre-defined setups...),
// read from `source` whenever refresh() is told the list changed. An optional `value` gives each
// row's ValueRole (a setup's file name behind its shown name).
class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int ValueRole = Qt::UserRole + 1;
    using Source = std::function<std::vector<std::string>()>;
    using Text = std::function<std::string(const std::string&)>;

    explicit TextListModel(Source source, Text shown = {}, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Reads the list again.
    void refresh();
    // The row whose value equals `value` exactly, or -1.
    int rowOf(const std::string& value) const;

private:
    Source source_;
    Text shown_;
    std::vector<std::string> values_;
};

} // namespace velkarn
