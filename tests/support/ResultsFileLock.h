#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <string>

namespace velkarn::test {

// Another program holding the results file, as an sqlite3 shell does after BEGIN EXCLUSIVE:
// a connection of its own, the lock held until release() or the end of its life.
class ResultsFileLock {
public:
    explicit ResultsFileLock(const std::string& path) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", Name);
            db.setDatabaseName(QString::fromStdString(path));
            locked_ = db.open() && QSqlQuery(db).exec("BEGIN EXCLUSIVE");
        }
    }
    ~ResultsFileLock() { release(); }
    ResultsFileLock(const ResultsFileLock&) = delete;
    ResultsFileLock& operator=(const ResultsFileLock&) = delete;

    bool locked() const { return locked_; }
    void release() {
        if (!QSqlDatabase::contains(Name))
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(Name, false);
            QSqlQuery(db).exec("ROLLBACK");
            db.close();
        }
        QSqlDatabase::removeDatabase(Name);
        locked_ = false;
    }

private:
    static constexpr const char* Name = "another-program";
    bool locked_ = false;
};

} // namespace velkarn::test
