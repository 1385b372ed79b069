#pragma once

#include "core/results/ResultsFileBusy.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>
#include <string>

// The results file's SQL plumbing: statements run on the store's connection, transactions, and
// how values are kept in it.
namespace velkarn::results {

// The error says the file is locked by another connection.
bool lockedByOther(const QSqlError& error);
// Throws ResultsFileBusy when `error` says the file is locked, otherwise `otherwise`.
[[noreturn]] void failWith(const QSqlError& error, const std::string& path, UserMessage otherwise);

// Text is kept as the bytes it came as (names from the log need not be valid UTF-8).
QVariant bytes(const std::string& text);
std::string text(const QVariant& value);
QVariant optionalNumber(const std::optional<int>& value);
// A desktop game has no server port.
QVariant serverPortOf(int port);
// "yyyy-MM-dd HH:mm:ss" in local time, as the results file keeps times.
std::string localTime(long long secondsSince1970);

// Runs statements on the store's connection; a failure throws, naming the file.
class Sql {
public:
    Sql(const QString& connection, const std::string& path);

    QSqlQuery run(const QString& statement, const QVariantList& values = {});
    [[noreturn]] void fail(const QSqlQuery& query) const;

private:
    QSqlDatabase db_;
    const std::string& path_;
};

// BEGIN IMMEDIATE takes the write lock at once, so that two Velkarn processes reading the same
// log one after the other each see the position the other left.
class Transaction {
public:
    explicit Transaction(Sql& sql);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Sql& sql_;
    bool done_ = false;
};

} // namespace velkarn::results
