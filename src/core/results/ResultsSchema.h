#pragma once

#include <QString>
#include <string>

// The tables of results.sqlite and the steps that take an older file to them.
namespace velkarn::results {

constexpr int SchemaVersion = 3;

// Opens the database of `connection` (its file `path`), making the tables in a new file and
// taking a file of an older schema to this one. A file that is no database of ours, is damaged
// or unreadable, or has a newer schema is left exactly as it is: throws UserMessage naming it.
void openResultsFile(const QString& connection, const std::string& path);

} // namespace velkarn::results
