#include "core/results/ResultsSql.h"

#include "core/platform/Errors.h"

#include <QDateTime>

namespace velkarn::results {

bool lockedByOther(const QSqlError& error) {
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    // SQLITE_BUSY and SQLITE_LOCKED, with or without their extended codes.
    return number && ((code & 0xff) == 5 || (code & 0xff) == 6);
}

void failWith(const QSqlError& error, const std::string& path, UserMessage otherwise) {
    if (lockedByOther(error))
        throw ResultsFileBusy(path);
    throw otherwise;
}

QVariant bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string text(const QVariant& value) {
    const QByteArray data = value.toByteArray();
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

QVariant optionalNumber(const std::optional<int>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Int));
}

QVariant serverPortOf(int port) {
    return optionalNumber(port > 0 ? std::optional<int>(port) : std::nullopt);
}

std::string localTime(long long secondsSince1970) {
    return QDateTime::fromSecsSinceEpoch(secondsSince1970)
        .toString("yyyy-MM-dd HH:mm:ss")
        .toStdString();
}

Sql::Sql(const QString& connection, const std::string& path)
    : db_(QSqlDatabase::database(connection, false)), path_(path) {
}

QSqlQuery Sql::run(const QString& statement, const QVariantList& values) {
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        fail(query);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(query);
    return query;
}

void Sql::fail(const QSqlQuery& query) const {
    failWith(query.lastError(), path_,
             UserMessage("Cannot use the results file " + path_ + ": " +
                         query.lastError().text().toStdString()));
}

Transaction::Transaction(Sql& sql) : sql_(sql) {
    sql_.run("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            sql_.run("ROLLBACK");
        } catch (const Error&) {
        }
    }
}

void Transaction::commit() {
    sql_.run("COMMIT");
    done_ = true;
}

} // namespace velkarn::results
