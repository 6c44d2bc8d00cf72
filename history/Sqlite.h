#pragma once
// A thin layer over SQLite: a database, a statement prepared once and run
// many times, a transaction that rolls back unless committed. Every SQLite
// error becomes an Exception carrying SQLite's own message.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace lookout {

class Database {
public:
    enum class Access { ReadOnly, ReadWrite };
    // ReadWrite creates the file when it is missing.
    Database(const std::string& path, Access access);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one or more statements that take no parameters and return no rows.
    void Run(std::string_view sql);
    const std::string& Path() const { return path_; }
    std::int64_t LastInsertId() const;
    sqlite3* Handle() const { return db_; }
    // Raises the Exception for an SQLite result code that is an error.
    void Check(int code, std::string_view doing) const;

private:
    std::string path_;
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1; nullopt binds NULL. Texts are bound as bytes.
    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, double value);
    Statement& Bind(int index, std::string_view text);
    Statement& Bind(int index, const std::optional<std::int64_t>& value);
    Statement& Bind(int index, const std::optional<double>& value);
    Statement& Bind(int index, const std::optional<std::string>& text);

    // True while there is a row; after the last one the statement is reset
    // for the next run with new parameters.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();
    void Reset();

    // Columns count from 0.
    bool IsNull(int column) const;
    std::int64_t Int(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;
    std::optional<std::int64_t> OptionalInt(int column) const;
    std::optional<double> OptionalReal(int column) const;
    std::optional<std::string> OptionalText(int column) const;

private:
    Database& db_;
    sqlite3_stmt* statement_ = nullptr;
};

// BEGIN IMMEDIATE: the write lock is taken at once, so two writers meet at
// the start and never half-way through.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Database& db_;
    bool open_ = true;
};

}  // namespace lookout
