#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace kodrix::db {

// A failure of the database or of the driver; text() is the driver's own message.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& text);
    QString text() const { return text_; }

private:
    QString text_;
};

// Named statement parameters, without the leading colon: {{"id", 5}, {"old_id", 4}}.
using Params = QVariantMap;

// One row of a result, read by column name (case-insensitive). BLOB text arrives decoded.
class Row {
public:
    Row() = default;
    Row(std::shared_ptr<const QStringList> columns, QVariantList values);

    bool has(const QString& column) const { return indexOf(column) >= 0; }
    QVariant value(const QString& column) const;
    QVariant value(int index) const { return values_.value(index); }
    QString text(const QString& column) const { return value(column).toString(); }
    int toInt(const QString& column) const { return value(column).toInt(); }
    qint64 toLongLong(const QString& column) const { return value(column).toLongLong(); }
    double toDouble(const QString& column) const { return value(column).toDouble(); }
    bool toBool(const QString& column) const { return value(column).toBool(); }
    QDate date(const QString& column) const { return value(column).toDate(); }
    bool isNull(const QString& column) const { return value(column).isNull(); }
    int count() const { return int(values_.size()); }
    const QStringList& columns() const;
    const QVariantList& values() const { return values_; }

private:
    int indexOf(const QString& column) const;
    std::shared_ptr<const QStringList> columns_;
    QVariantList values_;
};

using Rows = std::vector<Row>;

// Where the main database is and how to log in to it. A database written as host[/port]:path
// lives on a Firebird server; anything else is a file opened by the embedded engine.
struct ConnectionSpec {
    QString database;
    QString user = QStringLiteral("SYSDBA");
    QString password = QStringLiteral("plumtreex");

    bool isServer() const;
};

// The one connection to the main database. Every statement takes its values as bound
// parameters; nothing typed by a user is ever pasted into SQL text. Outside a transaction
// each statement commits at once.
class Database {
public:
    explicit Database(const QString& connectionName = QStringLiteral("kodrix"));
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void open(const ConnectionSpec& connection);
    void close();
    bool isOpen() const;
    const ConnectionSpec& connectionSpec() const { return connection_; }

    Rows select(const QString& sql, const Params& params = {});
    std::optional<Row> selectFirst(const QString& sql, const Params& params = {});
    QVariant scalar(const QString& sql, const Params& params = {});
    // Runs a statement that returns no rows; gives the number of rows it touched.
    int exec(const QString& sql, const Params& params = {});

    // The next key of a table: one more than the largest key, or 1 for an empty table, and
    // never a key the table has issued before (a deleted top row's key is not reused).
    qint64 nextId(const QString& table, const QString& column = QStringLiteral("id"));
    // The next number within a scope (inventory numbers of one document type, items of one
    // list...): the largest value among the rows matching `where` plus 1, or 1.
    qint64 nextIdWhere(const QString& table, const QString& column, const QString& where,
                       const Params& params = {});

    // Transactions nest: only the outermost commit or rollback reaches the database.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return depth_ > 0; }

    QSqlDatabase handle() const;

    // Creates an empty database file through the Firebird API (the Qt driver cannot).
    static void createFile(const QString& path, const QString& user = QStringLiteral("SYSDBA"));

private:
    QString name_;
    ConnectionSpec connection_;
    int depth_ = 0;
    bool rollbackOnly_ = false;
};

// A statement prepared once and run many times with different values (bulk loading).
class Statement {
public:
    Statement(Database& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    void exec(const Params& params);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// One command, one transaction: what the command writes is committed together when it
// calls commit(), and rolled back when it leaves early by an exception.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool done_ = false;
};

// Name of the sequence that remembers the highest key a table has issued.
QString highWaterSequence(const QString& table);

} // namespace kodrix::db
