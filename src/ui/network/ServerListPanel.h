#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QLabel;
class QTableView;

namespace velkarn {

class LiveServersModel;
class ServerDetailsView;
class ServerFilterBar;
class ServerFilterModel;

// A list of live servers as both server windows show one: the filters above the table, the table
// of the servers they show, the count "N shown of M answered" below, and the details of the
// selected servers (laid out by the owner, see details()). Several servers can be selected.
// Keys: Enter or a double-click on a server asks to join it, Ctrl+C copies the selected servers'
// addresses, F5 asks to refresh, F9 asks for the remote console, Delete asks to remove.
class ServerListPanel : public QWidget {
    Q_OBJECT
public:
    // The filters are kept under `filterKey`.
    ServerListPanel(LiveServersModel& servers, const QString& filterKey, const char* tableName,
                    QWidget* parent = nullptr);

    ServerDetailsView* details() const { return details_; }

    // The selected servers as rows of the source model, the current one first.
    std::vector<int> selectedServers() const;
    // Selects the server of a source row when the filters show it.
    void selectServer(int sourceRow);
    void clearSelection();
    void sortBy(int column, Qt::SortOrder order);
    // Text after the count, such as ", searching...".
    void setCountSuffix(const QString& suffix);

signals:
    void selectionChanged();
    // A server's row was clicked, selected already or not.
    void serverClicked();
    void joinRequested();
    void refreshRequested();
    void deleteRequested();
    // The address of the current server, empty without one.
    void remoteConsoleRequested(const QString& address);

private:
    void copySelectedAddresses();
    void showCount();

    const LiveServersModel& servers_;
    ServerFilterBar* filterBar_;
    ServerFilterModel* shown_;
    QTableView* table_;
    QLabel* countLabel_;
    ServerDetailsView* details_;
    QString countSuffix_;
};

} // namespace velkarn
