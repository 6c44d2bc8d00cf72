#include "history/Sqlite.h"

#include <sqlite3.h>

#include "platform/Exception.h"

namespace lookout {

namespace {

// A second watcher's write, or a report reading during one, waits this long
// for the other's short transaction instead of failing.
constexpr int kBusyMs = 2000;

}  // namespace

Database::Database(const std::string& path, Access access) : path_(path) {
    const int flags = access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        db_ = nullptr;
        throw Exception("cannot open " + path + ": " + message);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyMs);
}

Database::~Database() { sqlite3_close(db_); }

std::int64_t Database::LastInsertId() const { return sqlite3_last_insert_rowid(db_); }

void Database::Check(int code, std::string_view doing) const {
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return;
    throw Exception(path_ + ": " + std::string(doing) + ": " + sqlite3_errmsg(db_));
}

void Database::Run(std::string_view sql) {
    char* message = nullptr;
    const int code = sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errstr(code);
        sqlite3_free(message);
        throw Exception(path_ + ": " + text);
    }
}

Statement::Statement(Database& db, std::string_view sql) : db_(db) {
    db.Check(sqlite3_prepare_v3(db.Handle(), sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                &statement_, nullptr),
             "cannot prepare a statement");
}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::Bind(int index, std::int64_t value) {
    db_.Check(sqlite3_bind_int64(statement_, index, value), "cannot bind");
    return *this;
}

Statement& Statement::Bind(int index, double value) {
    db_.Check(sqlite3_bind_double(statement_, index, value), "cannot bind");
    return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
    db_.Check(sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT),
              "cannot bind");
    return *this;
}

Statement& Statement::Bind(int index, const std::optional<std::int64_t>& value) {
    if (value) return Bind(index, *value);
    db_.Check(sqlite3_bind_null(statement_, index), "cannot bind");
    return *this;
}

Statement& Statement::Bind(int index, const std::optional<double>& value) {
    if (value) return Bind(index, *value);
    db_.Check(sqlite3_bind_null(statement_, index), "cannot bind");
    return *this;
}

Statement& Statement::Bind(int index, const std::optional<std::string>& text) {
    if (text) return Bind(index, std::string_view(*text));
    db_.Check(sqlite3_bind_null(statement_, index), "cannot bind");
    return *this;
}

bool Statement::Step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    Reset();
    db_.Check(code, "cannot run a statement");
    return false;
}

void Statement::Run() {
    while (Step()) {
    }
}

void Statement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

bool Statement::IsNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }

std::int64_t Statement::Int(int column) const { return sqlite3_column_int64(statement_, column); }

double Statement::Real(int column) const { return sqlite3_column_double(statement_, column); }

std::string Statement::Text(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    return bytes ? std::string(bytes, sqlite3_column_bytes(statement_, column)) : std::string();
}

std::optional<std::int64_t> Statement::OptionalInt(int column) const {
    if (IsNull(column)) return std::nullopt;
    return Int(column);
}

std::optional<double> Statement::OptionalReal(int column) const {
    if (IsNull(column)) return std::nullopt;
    return Real(column);
}

std::optional<std::string> Statement::OptionalText(int column) const {
    if (IsNull(column)) return std::nullopt;
    return Text(column);
}

Transaction::Transaction(Database& db) : db_(db) { db.Run("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (open_) sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit() {
    db_.Run("COMMIT");
    open_ = false;
}

}  // namespace lookout
