#include "platform/db/Connection.h"

#include <sqlite3.h>

#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/db/TableNames.h"
#include "platform/db/TextFunctions.h"

namespace platform::db {
namespace {

QString routineOf(const std::source_location& where) { return QString::fromUtf8(where.function_name()); }

// Resets a statement on every way out, so that no cached statement keeps a read lock or old values.
class ResetOnExit {
  public:
    explicit ResetOnExit(sqlite3_stmt* stmt) : stmt_(stmt) {}
    ~ResetOnExit() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

  private:
    sqlite3_stmt* stmt_;
};

// How long a statement has waited for a lock, SQLite's own way: short sleeps first, then 100 ms steps.
int waitedBefore(int count) {
    static constexpr int delays[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    static constexpr int steps = int(std::size(delays));
    int total = 0;
    for (int i = 0; i < count && i < steps; ++i) total += delays[i];
    if (count > steps) total += (count - steps) * 100;
    return total;
}

int delayAt(int count) {
    static constexpr int delays[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    return count < int(std::size(delays)) ? delays[count] : 100;
}

// Tells the observer that the wait for a lock is over, on every way out of a statement.
class LockWaitEnd {
  public:
    explicit LockWaitEnd(LockWait* wait) : wait_(wait) {}
    ~LockWaitEnd() {
        if (wait_ && wait_->waiting) {
            wait_->waiting = false;
            if (LockWaitObserver observer = lockWaitObserver()) observer(false);
        }
    }
    LockWaitEnd(const LockWaitEnd&) = delete;
    LockWaitEnd& operator=(const LockWaitEnd&) = delete;

  private:
    LockWait* wait_;
};

// yyyy-mm-dd into `out`; 0 for a null date (bound as NULL).
int isoDate(const QDate& date, char* out) {
    if (!date.isValid()) return 0;
    int y = date.year(), m = date.month(), d = date.day();
    if (y < 0 || y > 9999) return 0;
    out[0] = char('0' + y / 1000);
    out[1] = char('0' + y / 100 % 10);
    out[2] = char('0' + y / 10 % 10);
    out[3] = char('0' + y % 10);
    out[4] = '-';
    out[5] = char('0' + m / 10);
    out[6] = char('0' + m % 10);
    out[7] = '-';
    out[8] = char('0' + d / 10);
    out[9] = char('0' + d % 10);
    return 10;
}

// The UTF-8 form of `text` at `out` (at most 3 bytes a UTF-16 unit); returns its end. A lone
// surrogate becomes U+FFFD, as Qt's own conversion does.
char* appendUtf8(char* out, const QString& text) {
    const char16_t* s = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t c = s[i];
        if (c < 0x80) {
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (c >= 0xD800 && c < 0xDC00 && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            const char32_t u = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
            *out++ = char(0xF0 | (u >> 18));
            *out++ = char(0x80 | ((u >> 12) & 0x3F));
            *out++ = char(0x80 | ((u >> 6) & 0x3F));
            *out++ = char(0x80 | (u & 0x3F));
        } else {
            const char32_t u = (c >= 0xD800 && c < 0xE000) ? 0xFFFD : c;
            *out++ = char(0xE0 | (u >> 12));
            *out++ = char(0x80 | ((u >> 6) & 0x3F));
            *out++ = char(0x80 | (u & 0x3F));
        }
    }
    return out;
}

constexpr int CacheLimit = 256;

}  // namespace

int Connection::onBusy(void* arg, int count) {
    auto* wait = static_cast<LockWait*>(arg);
    const int waited = waitedBefore(count);
    const int delay = std::min(delayAt(count), wait->timeoutMs - waited);
    if (delay <= 0) return 0;
    if (!wait->waiting) {
        wait->waiting = true;
        if (LockWaitObserver observer = lockWaitObserver()) observer(true);
    }
    sqlite3_sleep(delay);
    return 1;
}

Connection::~Connection() { Close(); }

Connection::Connection(Connection&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)),
      path_(std::move(other.path_)),
      cache_(std::move(other.cache_)),
      lastSql_(std::move(other.lastSql_)),
      lastStmt_(std::exchange(other.lastStmt_, nullptr)),
      textBuffer_(std::move(other.textBuffer_)),
      textCapacity_(std::exchange(other.textCapacity_, 0)),
      depth_(std::exchange(other.depth_, 0)),
      files_(std::exchange(other.files_, {})),
      lockWait_(std::move(other.lockWait_)) {
    other.cache_.clear();
}

Connection& Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        Close();
        db_ = std::exchange(other.db_, nullptr);
        path_ = std::move(other.path_);
        cache_ = std::move(other.cache_);
        other.cache_.clear();
        lastSql_ = std::move(other.lastSql_);
        lastStmt_ = std::exchange(other.lastStmt_, nullptr);
        textBuffer_ = std::move(other.textBuffer_);
        textCapacity_ = std::exchange(other.textCapacity_, 0);
        depth_ = std::exchange(other.depth_, 0);
        files_ = std::exchange(other.files_, {});
        lockWait_ = std::move(other.lockWait_);
    }
    return *this;
}

QString Connection::dataSourceOf(const QString& connectionString) {
    const auto parts = QStringView(connectionString).split(u';');
    for (QStringView part : parts) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq < 0) continue;
        if (part.left(eq).trimmed().compare(u"Data Source", Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1).trimmed().toString();
    }
    return {};
}

void Connection::Open(const QString& connectionString, OpenMode mode, std::source_location where) {
    const QString path = dataSourceOf(connectionString);
    if (path.isEmpty()) {
        Close();
        throw Error(SQLITE_CANTOPEN,
                    QStringLiteral("A cadeia de conexão não indica o arquivo (Data Source=)."),
                    connectionString, routineOf(where));
    }
    OpenFile(path, mode, where);
}

void Connection::OpenFile(const QString& path, OpenMode mode, std::source_location where) {
    Close();
    // URIs only so that Attach can name a file read only; the program's paths never start "file:".
    // A connection is only ever used by the thread that opened it, so SQLite's own mutex is waste.
    // SQLite's memory statistics take a process-wide lock on every allocation; nothing reads them.
    // They can only be turned off before SQLite starts, so the first connection does it.
    static const bool semEstatisticas = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return true;
    }();
    Q_UNUSED(semEstatisticas);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_EXRESCODE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    if (mode == OpenMode::Create) flags |= SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    const QByteArray name = QFile::encodeName(path);
    int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    auto failOpen = [&](int code, const QString& what) {
        const QString message =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
        const long number = db ? sqlite3_extended_errcode(db) : code;
        sqlite3_close_v2(db);
        throw Error(number, storageDescription(int(number), message, path), what, routineOf(where));
    };
    if (rc != SQLITE_OK) failOpen(rc, path);
    sqlite3_extended_result_codes(db, 1);
    if (!lockWait_) lockWait_ = std::make_unique<LockWait>();
    lockWait_->waiting = false;
    sqlite3_busy_handler(db, &Connection::onBusy, lockWait_.get());
    rc = registerTextFunctions(db);
    if (rc != SQLITE_OK) failOpen(rc, path);
    // Reading the journal mode touches the file: a file that is no database fails here, not later.
    static const char* const setup =
        "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; PRAGMA foreign_keys=OFF;";
    rc = sqlite3_exec(db, setup, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) failOpen(rc, QString::fromLatin1(setup));
    db_ = db;
    path_ = path;
    depth_ = 0;
    if (const auto file = fileIdOf(path)) {
        countOpened(*file);
        files_.emplace_back(QStringLiteral("main"), *file);
    }
}

void Connection::Attach(const QString& path, const QString& schema, bool readOnly,
                        std::source_location where) {
    const QString& nome = columnName(schema);
    // Read only takes the file's URI form; the path is encoded so that no character of it is read as
    // part of the URI.
    const QString fonte = readOnly ? QStringLiteral("file:") +
                                         QString::fromLatin1(QUrl::toPercentEncoding(path, "/")) +
                                         QStringLiteral("?mode=ro")
                                   : path;
    Execute(QStringLiteral("ATTACH DATABASE ? AS ") + nome, {fonte}, where);
    if (const auto file = fileIdOf(path)) {
        countOpened(*file);
        files_.emplace_back(nome, *file);
    }
}

void Connection::Detach(const QString& schema, std::source_location where) {
    const QString& nome = columnName(schema);
    Execute(QStringLiteral("DETACH DATABASE ") + nome, {}, where);
    for (auto it = files_.begin(); it != files_.end(); ++it)
        if (it->first.compare(nome, Qt::CaseInsensitive) == 0) {
            countClosed(it->second);
            files_.erase(it);
            return;
        }
}

void Connection::PrivateTables(const QStringList& tables, std::source_location where) {
    static const QRegularExpression createTable(QStringLiteral("^\\s*CREATE\\s+TABLE\\s+"),
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression createIndex(QStringLiteral("^\\s*CREATE\\s+(UNIQUE\\s+)?INDEX\\s+"),
                                                QRegularExpression::CaseInsensitiveOption);
    bool created = false;
    for (const QString& table : tables) {
        if (!OpenRecordset(QStringLiteral("SELECT 1 FROM temp.sqlite_master WHERE type = 'table' AND "
                                          "name = ? COLLATE NOCASE"),
                           {table}, where)
                 .Eof())
            continue;
        Recordset definitions = OpenRecordset(
            QStringLiteral("SELECT type, sql FROM main.sqlite_master WHERE tbl_name = ? COLLATE NOCASE AND "
                           "type IN ('table', 'index') AND sql IS NOT NULL ORDER BY type = 'index'"),
            {table}, where);
        for (; !definitions.Eof(); definitions.MoveNext()) {
            QString sql = definitions.Fields(1).toString();
            if (definitions.Fields(0).toString() == u"table")
                sql.replace(createTable, QStringLiteral("CREATE TEMP TABLE "));
            else
                sql.replace(createIndex, QStringLiteral("CREATE \\1INDEX temp."));
            Execute(sql, {}, where);
            created = true;
        }
    }
    // Statements prepared before name the file's tables; they are prepared again.
    if (created) finalizeAll();
}

void Connection::finalizeAll() {
    for (sqlite3_stmt* stmt : std::as_const(cache_)) sqlite3_finalize(stmt);
    cache_.clear();
    lastSql_.clear();
    lastStmt_ = nullptr;
}

void Connection::Close() {
    if (!db_) return;
    finalizeAll();
    sqlite3_close_v2(db_);
    db_ = nullptr;
    depth_ = 0;
    for (const auto& [schema, file] : files_) countClosed(file);
    files_.clear();
}

void Connection::setBusyTimeout(int milliseconds) {
    if (!lockWait_) lockWait_ = std::make_unique<LockWait>();
    lockWait_->timeoutMs = milliseconds;
}

void Connection::fail(int code, const QString& sql, const std::source_location& where) const {
    long number = code;
    QString message = QString::fromUtf8(sqlite3_errstr(code));
    if (db_) {
        number = sqlite3_extended_errcode(db_);
        message = storageDescription(int(number), QString::fromUtf8(sqlite3_errmsg(db_)), path_);
    }
    throw Error(number, message, sql, routineOf(where));
}

void Connection::requireOpen(const QString& sql, const std::source_location& where) const {
    if (!db_)
        throw Error(DbErrorNumber::ObjectClosed,
                    QStringLiteral("A operação não é permitida com a conexão fechada."), sql,
                    routineOf(where));
}

sqlite3_stmt* Connection::prepare(const QString& sql, const std::source_location& where) {
    requireOpen(sql, where);
    // The same text object as the last call (a loop, a constant): equal data means equal text.
    if (lastStmt_ && sql.constData() == lastSql_.constData() && sql.size() == lastSql_.size())
        return lastStmt_;
    if (sqlite3_stmt* cached = cache_.value(sql)) {
        lastSql_ = sql;
        lastStmt_ = cached;
        return cached;
    }
    if (cache_.size() >= CacheLimit) finalizeAll();
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v3(db_, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &stmt, &tail);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(rc, sql, where);
    }
    // One statement per call: a second one after a ';' would otherwise be silently ignored.
    const bool trailing = tail && !QByteArray(tail).trimmed().isEmpty();
    if (!stmt || trailing) {
        sqlite3_finalize(stmt);
        throw Error(SQLITE_MISUSE, QStringLiteral("Cada chamada executa exatamente um comando SQL."), sql,
                    routineOf(where));
    }
    cache_.insert(sql, stmt);
    lastSql_ = sql;
    lastStmt_ = stmt;
    return stmt;
}

void Connection::bind(sqlite3_stmt* stmt, const QString& sql, ParamSpan params,
                      const std::source_location& where) {
    if (int(params.size()) != sqlite3_bind_parameter_count(stmt))
        throw Error(SQLITE_RANGE,
                    QStringLiteral("O comando tem %1 parâmetros e recebeu %2.")
                        .arg(sqlite3_bind_parameter_count(stmt))
                        .arg(params.size()),
                    sql, routineOf(where));
    // Texts and dates go into one buffer as UTF-8, sized first so that it does not move while the
    // statement holds pointers into it.
    std::size_t needed = 1;
    for (const Param& param : params) {
        if (const auto* s = std::get_if<QString>(&param.value())) needed += std::size_t(s->size()) * 3;
        if (std::holds_alternative<QDate>(param.value())) needed += 10;
    }
    if (needed > textCapacity_) {
        textCapacity_ = std::max(needed, 2 * textCapacity_);
        textBuffer_ = std::make_unique<char[]>(textCapacity_);
    }
    char* out = textBuffer_.get();
    int index = 0;
    for (const Param& param : params) {
        ++index;
        int rc = SQLITE_OK;
        const Param::Value& v = param.value();
        switch (v.index()) {
            case 0:
                rc = sqlite3_bind_null(stmt, index);
                break;
            case 1:
                rc = sqlite3_bind_int(stmt, index, std::get<bool>(v) ? 1 : 0);
                break;
            case 2:
                rc = sqlite3_bind_int64(stmt, index, std::get<qint64>(v));
                break;
            case 3:
                rc = sqlite3_bind_double(stmt, index, std::get<double>(v));
                break;
            case 4: {
                const QString& s = std::get<QString>(v);
                char* end = appendUtf8(out, s);
                rc = sqlite3_bind_text(stmt, index, out, int(end - out), SQLITE_STATIC);
                out = end;
                break;
            }
            case 5:
                rc = sqlite3_bind_int64(stmt, index, std::get<values::Currency>(v).raw());
                break;
            case 6: {
                const int length = isoDate(std::get<QDate>(v), out);
                rc = length ? sqlite3_bind_text(stmt, index, out, length, SQLITE_STATIC)
                            : sqlite3_bind_null(stmt, index);
                out += length;
                break;
            }
        }
        if (rc != SQLITE_OK) fail(rc, sql, where);
    }
}

long long Connection::Execute(const QString& sql, std::initializer_list<Param> params,
                              std::source_location where) {
    return execute(sql, ParamSpan(params.begin(), params.size()), where);
}

long long Connection::Execute(const QString& sql, const Params& params, std::source_location where) {
    return execute(sql, params, where);
}

qint64 Connection::LastInsertId() const { return db_ ? sqlite3_last_insert_rowid(db_) : 0; }

long long Connection::execute(const QString& sql, ParamSpan params, const std::source_location& where) {
    sqlite3_stmt* stmt = prepare(sql, where);
    ResetOnExit reset(stmt);
    LockWaitEnd waitEnd(lockWait_.get());
    bind(stmt, sql, params, where);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) fail(rc, sql, where);
    return sqlite3_stmt_readonly(stmt) ? 0 : sqlite3_changes64(db_);
}

void Connection::fill(Recordset& rs, const QString& sql, ParamSpan params,
                      const std::source_location& where) {
    sqlite3_stmt* stmt = prepare(sql, where);
    ResetOnExit reset(stmt);
    LockWaitEnd waitEnd(lockWait_.get());
    bind(stmt, sql, params, where);

    Recordset result;
    const int columns = sqlite3_column_count(stmt);
    result.columns_.reserve(columns);
    for (int c = 0; c < columns; ++c) {
        const char* decl = sqlite3_column_decltype(stmt, c);
        Recordset::Column column{QString::fromUtf8(sqlite3_column_name(stmt, c)),
                                 decl ? columnTypeOf(QString::fromUtf8(decl)) : ColumnType::None};
        result.columns_.push_back(std::move(column));
    }
    // Of two columns of one name, the first answers to it.
    for (int c = columns - 1; c >= 0; --c) result.byName_.insert(result.columns_[c].name.toLower(), c);

    int rc;
    long rows = 0;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        ++rows;
        Recordset::RowWriter row(result, std::size_t(columns) * 9);
        for (int c = 0; c < columns; ++c) {
            // One call into the statement a value; the value functions then take no lock. A
            // connection is used by one thread only, which is what makes that safe.
            sqlite3_value* value = sqlite3_column_value(stmt, c);
            switch (sqlite3_value_type(value)) {
                case SQLITE_INTEGER:
                    row.integer(sqlite3_value_int64(value));
                    break;
                case SQLITE_FLOAT:
                    row.real(sqlite3_value_double(value));
                    break;
                case SQLITE_TEXT: {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
                    row.bytes(Recordset::KText, text, std::size_t(sqlite3_value_bytes(value)));
                    break;
                }
                case SQLITE_BLOB: {
                    const auto* blob = static_cast<const char*>(sqlite3_value_blob(value));
                    row.bytes(Recordset::KBlob, blob, std::size_t(sqlite3_value_bytes(value)));
                    break;
                }
                default:
                    row.null();
                    break;
            }
        }
    }
    if (rc != SQLITE_DONE) fail(rc, sql, where);
    result.rows_ = rows;
    result.position_ = 0;
    result.statement_ = sql;
    result.open_ = true;
    rs = std::move(result);
}

Recordset Connection::OpenRecordset(const QString& sql, std::initializer_list<Param> params,
                                    std::source_location where) {
    Recordset rs;
    fill(rs, sql, ParamSpan(params.begin(), params.size()), where);
    return rs;
}

Recordset Connection::OpenRecordset(const QString& sql, const Params& params, std::source_location where) {
    Recordset rs;
    fill(rs, sql, params, where);
    return rs;
}

Recordset Connection::OpenSchema(Schema what, const QString& table, std::source_location where) {
    if (what == Schema::Tables)
        return OpenRecordset(
            QStringLiteral("SELECT name AS TABLE_NAME, CASE WHEN type = 'view' THEN 'VIEW' "
                           "WHEN substr(name, 1, 7) = 'sqlite_' THEN 'SYSTEM TABLE' ELSE 'TABLE' "
                           "END AS TABLE_TYPE FROM sqlite_schema WHERE type IN ('table', 'view') "
                           "ORDER BY name"),
            {}, where);
    return OpenRecordset(
        QStringLiteral(
            "SELECT m.name AS TABLE_NAME, p.name AS COLUMN_NAME, p.cid + 1 AS ORDINAL_POSITION, "
            "p.type AS DATA_TYPE, p.dflt_value AS COLUMN_DEFAULT, p.\"notnull\" = 0 AS IS_NULLABLE "
            "FROM sqlite_schema AS m JOIN pragma_table_info(m.name) AS p "
            "WHERE m.type IN ('table', 'view') AND (? = '' OR m.name = ? COLLATE NOCASE) "
            "ORDER BY m.name, p.cid"),
        {table, table}, where);
}

void Connection::BeginTrans(std::source_location where) {
    Execute(depth_ == 0 ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT rt%1").arg(depth_),
            {}, where);
    ++depth_;
}

void Connection::CommitTrans(std::source_location where) {
    if (depth_ == 0)
        throw Error(SQLITE_MISUSE, QStringLiteral("Não há transação aberta."), QStringLiteral("COMMIT"),
                    routineOf(where));
    Execute(depth_ == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE rt%1").arg(depth_ - 1), {},
            where);
    --depth_;
}

void Connection::RollbackTrans(std::source_location where) {
    if (depth_ == 0)
        throw Error(SQLITE_MISUSE, QStringLiteral("Não há transação aberta."), QStringLiteral("ROLLBACK"),
                    routineOf(where));
    requireOpen(QStringLiteral("ROLLBACK"), where);
    --depth_;
    // Some failures (a full disk, an I/O error) end the transaction by themselves.
    if (sqlite3_get_autocommit(db_)) {
        depth_ = 0;
        return;
    }
    if (depth_ == 0) {
        Execute(QStringLiteral("ROLLBACK"), {}, where);
    } else {
        Execute(QStringLiteral("ROLLBACK TO rt%1").arg(depth_), {}, where);
        Execute(QStringLiteral("RELEASE rt%1").arg(depth_), {}, where);
    }
}

Transaction::Transaction(Connection& connection, std::source_location where) : connection_(connection) {
    connection_.BeginTrans(where);
}

Transaction::~Transaction() {
    if (done_) return;
    try {
        connection_.RollbackTrans();
    } catch (...) {
        // A destructor must not throw; SQLite rolls an unfinished transaction back at close anyway.
    }
}

void Transaction::commit(std::source_location where) {
    connection_.CommitTrans(where);
    done_ = true;
}

void Transaction::rollback(std::source_location where) {
    done_ = true;
    connection_.RollbackTrans(where);
}

}  // namespace platform::db
