#pragma once

#include "core/network/ServerStatus.h"

#include <QTableWidget>
#include <QTableWidgetItem>
#include <string>

// Table cells for live server data, shared by the saved servers, the server details and the
// server search.
namespace velkarn {

// A cell showing a coded name in its colors (drawn by ColoredTextDelegate); it reads and
// sorts as the name without codes.
QTableWidgetItem* coloredNameItem(const std::string& codedName);
// A cell that sorts by `sortKey` rather than by its text.
QTableWidgetItem* sortedItem(const QString& text, int sortKey);

// Sets columns first.. first+4 of `row`: host name, map, game type, players/max, ping.
void showStatusCells(QTableWidget& table, int row, int first, const ServerStatus& status);
// The same five columns for a server that did not answer: "no answer" in the ping column.
void showSilentCells(QTableWidget& table, int row, int first);

// A read-only, row-selecting table with the given column captions and a colored-name
// delegate.
QTableWidget* serverTable(const QStringList& captions, const char* name, QWidget* parent);

} // namespace velkarn
