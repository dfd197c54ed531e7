#include "database.h"

#include "schema_tables.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <firebird/Interface.h>

namespace kodrix::db {

DbError::DbError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

Row::Row(std::shared_ptr<const QStringList> columns, QVariantList values)
    : columns_(std::move(columns)), values_(std::move(values)) {}

const QStringList& Row::columns() const {
    static const QStringList none;
    return columns_ ? *columns_ : none;
}

int Row::indexOf(const QString& column) const {
    if (!columns_) return -1;
    for (int i = 0; i < columns_->size(); ++i)
        if (columns_->at(i).compare(column, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant Row::value(const QString& column) const {
    const int i = indexOf(column);
    return i < 0 ? QVariant() : values_.at(i);
}

bool ConnectionSpec::isServer() const {
    // "host:path" or "host/port:path". A colon after a slash belongs to a path, not a host.
    const int colon = database.indexOf(QLatin1Char(':'));
    if (colon <= 0) return false;
    const QString host = database.left(colon);
    return !host.startsWith(QLatin1Char('/')) && !host.startsWith(QLatin1Char('.'));
}

namespace {

QString errorText(const QSqlError& e) {
    QString t = e.databaseText().trimmed();
    if (t.isEmpty()) t = e.text().trimmed();
    return t;
}

// Table and column names come from the program, never from a user; still, refuse anything
// that is not a plain identifier before it reaches SQL text.
void requireIdentifier(const QString& name) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*$"));
    if (!plain.match(name).hasMatch())
        throw DbError(QStringLiteral("Érvénytelen azonosító: %1").arg(name));
}

// A text value is bound as text even when it is empty: the driver would write a null QString
// as NULL, and "like '%'" then no longer finds the row. NULL is bound as QVariant().
QVariant bindable(const QVariant& v) {
    if (v.typeId() == QMetaType::QString && v.toString().isNull()) return QString(QLatin1String(""));
    return v;
}

QSqlQuery run(const QSqlDatabase& handle, const QString& sql, const Params& params) {
    QSqlQuery q(handle);
    q.setForwardOnly(true);
    if (params.isEmpty()) {
        if (!q.exec(sql)) throw DbError(errorText(q.lastError()));
        return q;
    }
    if (!q.prepare(sql)) throw DbError(errorText(q.lastError()));
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        q.bindValue(QLatin1Char(':') + it.key(), bindable(it.value()));
    if (!q.exec()) throw DbError(errorText(q.lastError()));
    return q;
}

QVariant decoded(const QVariant& v) {
    // A NULL arrives as a typed null (an int null reads as "0" through toString()): make it
    // plainly missing.
    if (v.isNull()) return QVariant();
    if (v.typeId() == QMetaType::QByteArray) return QString::fromUtf8(v.toByteArray());
    return v;
}

} // namespace

Database::Database(const QString& connectionName) : name_(connectionName) {}

Database::~Database() { close(); }

void Database::open(const ConnectionSpec& connection) {
    close();
    connection_ = connection;
    QSqlDatabase handle = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name_);
    handle.setDatabaseName(connection.database);
    handle.setUserName(connection.user);
    handle.setPassword(connection.password);
    handle.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
    if (!handle.open()) {
        const QString text = errorText(handle.lastError());
        handle = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        throw DbError(text);
    }
}

void Database::close() {
    if (!QSqlDatabase::contains(name_)) return;
    {
        QSqlDatabase handle = QSqlDatabase::database(name_, false);
        if (handle.isOpen()) {
            if (depth_ > 0) handle.rollback();
            handle.close();
        }
    }
    depth_ = 0;
    rollbackOnly_ = false;
    QSqlDatabase::removeDatabase(name_);
}

bool Database::isOpen() const {
    return QSqlDatabase::contains(name_) && QSqlDatabase::database(name_, false).isOpen();
}

QSqlDatabase Database::handle() const {
    if (!QSqlDatabase::contains(name_)) throw DbError(QStringLiteral("Nincs adatbázis-kapcsolat."));
    return QSqlDatabase::database(name_, false);
}

Rows Database::select(const QString& sql, const Params& params) {
    QSqlQuery q = run(handle(), sql, params);
    const QSqlRecord rec = q.record();
    auto columns = std::make_shared<QStringList>();
    for (int i = 0; i < rec.count(); ++i) columns->append(rec.fieldName(i));
    Rows rows;
    while (q.next()) {
        QVariantList values;
        values.reserve(columns->size());
        for (int i = 0; i < columns->size(); ++i) values.append(decoded(q.value(i)));
        rows.emplace_back(columns, std::move(values));
    }
    // Conversion errors surface while fetching, not at exec().
    if (q.lastError().isValid()) throw DbError(errorText(q.lastError()));
    return rows;
}

std::optional<Row> Database::selectFirst(const QString& sql, const Params& params) {
    QSqlQuery q = run(handle(), sql, params);
    if (!q.next()) {
        if (q.lastError().isValid()) throw DbError(errorText(q.lastError()));
        return std::nullopt;
    }
    const QSqlRecord rec = q.record();
    auto columns = std::make_shared<QStringList>();
    QVariantList values;
    for (int i = 0; i < rec.count(); ++i) {
        columns->append(rec.fieldName(i));
        values.append(decoded(q.value(i)));
    }
    return Row(columns, values);
}

QVariant Database::scalar(const QString& sql, const Params& params) {
    const auto row = selectFirst(sql, params);
    return row ? row->value(0) : QVariant();
}

int Database::exec(const QString& sql, const Params& params) {
    QSqlQuery q = run(handle(), sql, params);
    // Only data statements have a row count; the driver warns when asked for one of DDL.
    static const QRegularExpression dml(QStringLiteral("^\\s*(insert|update|delete|merge|update or insert)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    return dml.match(sql).hasMatch() ? q.numRowsAffected() : 0;
}

QString highWaterSequence(const QString& table) {
    return QStringLiteral("KX_HW_") + table.toUpper();
}

qint64 Database::nextId(const QString& table, const QString& column) {
    requireIdentifier(table);
    requireIdentifier(column);
    const TableDef* def = findTable(table);
    const bool tracked = def && column.compare(QLatin1String(def->key), Qt::CaseInsensitive) == 0;
    QString sql = QStringLiteral("select max(%1) from %2").arg(column, table);
    if (tracked)
        sql = QStringLiteral("select max(%1), (select gen_id(%3, 0) from rdb$database) as hw "
                             "from %2")
                  .arg(column, table, highWaterSequence(table));
    const auto row = selectFirst(sql);
    qint64 next = 1;
    if (row) {
        const qint64 top = row->value(0).toLongLong();
        if (top > 0) next = top + 1;
        if (tracked) next = std::max(next, row->value(1).toLongLong() + 1);
    }
    return next;
}

qint64 Database::nextIdWhere(const QString& table, const QString& column, const QString& where,
                             const Params& params) {
    requireIdentifier(table);
    requireIdentifier(column);
    QString sql = QStringLiteral("select max(%1) from %2").arg(column, table);
    if (!where.isEmpty()) sql += QStringLiteral(" where ") + where;
    const qint64 top = scalar(sql, params).toLongLong();
    return top > 0 ? top + 1 : 1;
}

void Database::begin() {
    if (depth_ == 0) {
        if (!handle().transaction()) throw DbError(errorText(handle().lastError()));
        rollbackOnly_ = false;
    }
    ++depth_;
}

void Database::commit() {
    if (depth_ == 0) return;
    if (--depth_ > 0) return;
    if (rollbackOnly_) {
        handle().rollback();
        rollbackOnly_ = false;
        throw DbError(QStringLiteral("A műveletet visszavontuk, mert egy része nem sikerült."));
    }
    QSqlDatabase h = handle();
    if (!h.commit()) {
        const QString text = errorText(h.lastError());
        h.rollback();
        throw DbError(text);
    }
}

void Database::rollback() {
    if (depth_ == 0) return;
    if (--depth_ > 0) {
        rollbackOnly_ = true;
        return;
    }
    rollbackOnly_ = false;
    handle().rollback();
}

struct Statement::Impl {
    QSqlQuery query;
};

Statement::Statement(Database& db, const QString& sql) : impl_(std::make_unique<Impl>(Impl{QSqlQuery(db.handle())})) {
    if (!impl_->query.prepare(sql)) throw DbError(errorText(impl_->query.lastError()));
}

Statement::~Statement() = default;

void Statement::exec(const Params& params) {
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        impl_->query.bindValue(QLatin1Char(':') + it.key(), bindable(it.value()));
    if (!impl_->query.exec()) throw DbError(errorText(impl_->query.lastError()));
}

Transaction::Transaction(Database& db) : db_(db) { db_.begin(); }

Transaction::~Transaction() {
    if (!done_) db_.rollback();
}

void Transaction::commit() {
    done_ = true;
    db_.commit();
}

void Database::createFile(const QString& path, const QString& user) {
    using namespace Firebird;
    IMaster* master = fb_get_master_interface();
    IStatus* rawStatus = master->getStatus();
    ThrowStatusWrapper status(rawStatus);
    IUtil* util = master->getUtilInterface();
    IProvider* provider = master->getDispatcher();
    IXpbBuilder* dpb = nullptr;
    QString failure;
    try {
        dpb = util->getXpbBuilder(&status, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&status, isc_dpb_user_name, user.toUtf8().constData());
        dpb->insertString(&status, isc_dpb_set_db_charset, "UTF8");
        dpb->insertString(&status, isc_dpb_lc_ctype, "UTF8");
        dpb->insertInt(&status, isc_dpb_page_size, 8192);
        dpb->insertInt(&status, isc_dpb_sql_dialect, 3);
        const QByteArray file = path.toUtf8();
        IAttachment* att = provider->createDatabase(&status, file.constData(),
                                                    dpb->getBufferLength(&status),
                                                    dpb->getBuffer(&status));
        att->detach(&status);
    } catch (const FbException& e) {
        char buf[1024];
        util->formatStatus(buf, sizeof buf, e.getStatus());
        failure = QString::fromUtf8(buf);
    }
    if (dpb) dpb->dispose();
    provider->release();
    status.dispose();
    if (!failure.isEmpty()) throw DbError(failure);
}

} // namespace kodrix::db
