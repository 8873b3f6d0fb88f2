#pragma once
// The program's database layer: SQLite files opened by path, tables read row
// by row in stored order, SQL queries read the same way, rows appended, and
// transactions. Nothing here throws: every operation returns true or false
// and leaves the reason in Error() as a number and a description that the
// caller can show in its message.
//
// Usage:
//
//   platform::Database db;
//   if (!db.Open(path, platform::OpenMode::ReadOnly))
//       return Fail(db.Error());              // db.Error().number, .description
//   platform::Recordset rs;
//   if (!db.OpenTable("UnitList", rs))        // rows in stored order
//       return Fail(db.Error());
//   for (; !rs.Eof(); rs.MoveNext()) {
//       int16_t id; bool active;
//       if (!rs.GetBool("Active", active) || !rs.GetInt16("ID", id))
//           return Fail(rs.Error());          // Null, missing column, ...
//       if (rs.IsNull("Text")) ...            // Null is a state of its own
//   }
//
//   // Writing (the database opened with OpenMode::ReadWrite):
//   db.BeginTransaction();
//   db.OpenTable("AxisData", rs);
//   rs.AddNew();
//   rs.SetInt("Number", 1); rs.SetText("Description", "X"); rs.SetBool("MotorDefined", true);
//   if (!rs.Update()) { db.Rollback(); return Fail(rs.Error()); }
//   db.CommitTransaction();
//
// A recordset holds a snapshot of its rows taken when it was opened (rows it
// appends itself are added to it), so RecordCount() is the true count at
// once. Column names are compared without regard to case; every identifier
// is quoted in the SQL this layer builds, so columns named "Index",
// "Default", "From" or "To" need no care. Yes/No columns hold -1 (True) or 0;
// any non-zero value reads as true.
//
// Opening never creates a file: a missing file is an error. A zero-length
// file is an empty database (tests create fixtures that way, then Execute
// their CREATE TABLE text).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Error numbers reported by the database layer.
enum DbErrorNumber : int {
    kDbNoError = 0,
    kDbOverflow = 6,             // a value outside the range of the type asked for
    kDbTypeMismatch = 13,        // a value that is not of the type asked for
    kDbInvalidUseOfNull = 94,    // a Null where a value is needed
    kDbUpdateWithoutAddNew = 3020,
    kDbNoCurrentRecord = 3021,   // at EOF, or an empty recordset
    kDbFileNotFound = 3024,
    kDbReadOnly = 3027,          // writing to a read-only database or query
    kDbCannotOpen = 3051,        // the file exists but cannot be opened (locked, no access)
    kDbTableNotFound = 3078,
    kDbSqlError = 3131,          // an SQL text the engine refuses
    kDbColumnNotFound = 3265,
    kDbNotADatabase = 3343,      // not a database file, or a damaged one
    kDbNotOpen = 3420,           // the database is closed or was never opened
    kDbEngineError = 3999        // any other failure of the engine
};

struct DbError {
    int number = kDbNoError;
    std::string description;
};

enum class OpenMode { ReadOnly, ReadWrite };

// One field value as stored.
struct FieldValue {
    enum class Kind { Null, Integer, Real, Text };
    Kind kind = Kind::Null;
    int64_t integer = 0;
    double real = 0.0;
    std::string text;

    bool IsNull() const { return kind == Kind::Null; }
};

namespace detail {
struct Connection;
}

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool IsOpen() const;
    // True when there is no current row (past the last row, or no rows).
    bool Eof() const;
    // The number of rows in the recordset.
    int RecordCount() const;
    // Fail with kDbNoCurrentRecord on an empty recordset (MoveFirst) or at
    // EOF (MoveNext); the position then stays where it was.
    bool MoveFirst();
    bool MoveNext();

    // The column names in the order the recordset delivers them.
    const std::vector<std::string>& ColumnNames() const;

    // Reading a column of the current row. Each fails with
    // kDbNoCurrentRecord at EOF, kDbColumnNotFound for an unknown column,
    // kDbInvalidUseOfNull for a Null (except Value and IsNull),
    // kDbTypeMismatch or kDbOverflow for a value that does not fit.
    bool Value(const std::string& column, FieldValue& out);
    // True when the column of the current row is Null; false also when it
    // cannot be read (see Error()).
    bool IsNull(const std::string& column);
    // A value that is not a finite number (NaN, infinity) is kDbOverflow,
    // when read as when set.
    bool GetDouble(const std::string& column, double& out);
    bool GetInt16(const std::string& column, int16_t& out);
    bool GetInt32(const std::string& column, int32_t& out);
    bool GetText(const std::string& column, std::string& out);
    bool GetBool(const std::string& column, bool& out);  // any non-zero is true

    // Appending a row (table recordsets of a read-write database only):
    // AddNew starts an empty row, the setters fill columns, Update inserts it
    // and adds it to the end of the recordset; columns not set stay Null.
    // CancelUpdate drops the row being built.
    bool AddNew();
    bool SetInt(const std::string& column, int64_t value);
    bool SetDouble(const std::string& column, double value);
    bool SetText(const std::string& column, const std::string& value);
    bool SetBool(const std::string& column, bool value);  // stored as -1 / 0
    bool SetNull(const std::string& column);
    bool Update();
    void CancelUpdate();

    void Close();
    const DbError& Error() const;

    struct State;  // the layer's own, opaque to callers

private:
    friend class Database;
    std::unique_ptr<State> state_;
};

class Database {
public:
    Database();
    ~Database();  // closes the database; an open transaction is rolled back
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file (never creates one). Fails with
    // kDbFileNotFound, kDbCannotOpen (also for anything that is not a
    // regular file: a pipe, a device, a socket) or kDbNotADatabase. Opening
    // read-only leaves nothing beside the file.
    bool Open(const std::string& path, OpenMode mode);
    // Checks every page of the open database; false with kDbNotADatabase
    // when the file is damaged inside.
    bool CheckIntegrity();
    bool IsOpen() const;
    bool IsReadOnly() const;
    // Closing a closed database does nothing.
    void Close();

    // A table's rows in stored order (kDbTableNotFound when absent).
    bool OpenTable(const std::string& table, Recordset& out);
    // The rows of a read-only SQL query (kDbSqlError when the text is
    // refused or would change the database).
    bool OpenQuery(const std::string& sql, Recordset& out);
    // Runs SQL text that may change the database (read-write only); several
    // statements separated by ";" are allowed.
    bool Execute(const std::string& sql);

    bool BeginTransaction();
    bool CommitTransaction();
    bool Rollback();

    const DbError& Error() const;

private:
    std::shared_ptr<detail::Connection> connection_;
    DbError error_;
};

} // namespace platform
