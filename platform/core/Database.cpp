#include "platform/core/Database.h"
#include "platform/core/TextCompare.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <sys/stat.h>

namespace platform {

namespace detail {

struct Connection {
    sqlite3* handle = nullptr;
    bool readOnly = true;

    ~Connection()
    {
        if (handle)
            sqlite3_close_v2(handle);
    }
};

} // namespace detail

namespace {

DbError MakeError(int number, std::string description)
{
    return DbError{number, std::move(description)};
}

DbError NotOpenError()
{
    return MakeError(kDbNotOpen, "The database is not open.");
}

std::string QuoteIdentifier(const std::string& name)
{
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// The engine's own error, mapped to the layer's numbers.
DbError EngineError(sqlite3* handle, int code)
{
    const std::string message = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(code);
    switch (code & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return MakeError(kDbNotADatabase, "Not a database file or a damaged one: " + message);
    case SQLITE_READONLY:
        return MakeError(kDbReadOnly, "The database is read-only: " + message);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return MakeError(kDbCannotOpen, "Cannot use the database file: " + message);
    case SQLITE_ERROR:
        return MakeError(kDbSqlError, "SQL error: " + message);
    default:
        return MakeError(kDbEngineError, "Database engine error: " + message);
    }
}

bool ParseWholeNumber(const std::string& text, double& out)
{
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    if (first < last && *first == '+')
        ++first;
    if (first == last)
        return false;
    auto [end, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && end == last;
}

std::string NumberToText(double value)
{
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

// Runs one statement that returns no rows.
int RunStatement(sqlite3* handle, const char* sql)
{
    return sqlite3_exec(handle, sql, nullptr, nullptr, nullptr);
}

// A database file in write-ahead-log mode (header bytes 18 and 19 are 2).
// The engine keeps a log and a shared-memory file beside such a file, even
// for a reader.
bool InWriteAheadLogMode(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    char header[20] = {};
    return in.read(header, sizeof header) && (header[18] == 2 || header[19] == 2);
}

// The file as a read-only, unchanging URI: the engine then creates nothing
// beside it. The characters with a meaning in a URI are escaped.
std::string ImmutableUri(const std::string& path)
{
    std::string uri = path.starts_with('/') ? "file://" : "file:";
    for (const unsigned char c : path) {
        if (c == '%' || c == '?' || c == '#' || c < 0x21 || c > 0x7e) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0x0f];
        } else {
            uri += static_cast<char>(c);
        }
    }
    return uri + "?mode=ro&immutable=1";
}

} // namespace

// ---- Recordset ------------------------------------------------------------

struct Recordset::State {
    std::shared_ptr<detail::Connection> connection;
    std::string table;  // empty for a query
    std::vector<std::string> columns;
    std::vector<std::vector<FieldValue>> rows;
    size_t position = 0;
    bool adding = false;
    std::vector<FieldValue> newRow;
    std::vector<bool> newRowSet;
    DbError error;
};

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

namespace {

const std::vector<std::string> kNoColumns;
const DbError kClosedRecordset{kDbNotOpen, "The recordset is not open."};

} // namespace

bool Recordset::IsOpen() const
{
    return state_ != nullptr;
}

bool Recordset::Eof() const
{
    return !state_ || state_->position >= state_->rows.size();
}

int Recordset::RecordCount() const
{
    return state_ ? static_cast<int>(state_->rows.size()) : 0;
}

const std::vector<std::string>& Recordset::ColumnNames() const
{
    return state_ ? state_->columns : kNoColumns;
}

const DbError& Recordset::Error() const
{
    return state_ ? state_->error : kClosedRecordset;
}

bool Recordset::MoveFirst()
{
    if (!state_)
        return false;
    if (state_->rows.empty()) {
        state_->error = MakeError(kDbNoCurrentRecord, "No current record.");
        return false;
    }
    state_->position = 0;
    return true;
}

bool Recordset::MoveNext()
{
    if (!state_)
        return false;
    if (Eof()) {
        state_->error = MakeError(kDbNoCurrentRecord, "No current record.");
        return false;
    }
    ++state_->position;
    return true;
}

namespace {

// The index of a column, or -1 after setting the error.
int FindColumn(const std::vector<std::string>& columns, const std::string& name, DbError& error)
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (EqualNoCase(columns[i], name))
            return static_cast<int>(i);
    error = MakeError(kDbColumnNotFound, "Column '" + name + "' not found.");
    return -1;
}

DbError NullError(const std::string& column)
{
    return MakeError(kDbInvalidUseOfNull, "Invalid use of Null (column '" + column + "').");
}

DbError MismatchError(const std::string& column)
{
    return MakeError(kDbTypeMismatch, "Type mismatch (column '" + column + "').");
}

DbError NotFiniteError(const std::string& column)
{
    return MakeError(kDbOverflow, "Overflow (column '" + column + "'): not a finite number.");
}

// The numeric value of a non-Null field: integers, reals, and text that is
// a complete number.
bool NumericValue(const FieldValue& value, double& out)
{
    switch (value.kind) {
    case FieldValue::Kind::Integer: out = static_cast<double>(value.integer); return true;
    case FieldValue::Kind::Real: out = value.real; return true;
    case FieldValue::Kind::Text: return ParseWholeNumber(value.text, out);
    case FieldValue::Kind::Null: return false;
    }
    return false;
}

} // namespace

bool Recordset::Value(const std::string& column, FieldValue& out)
{
    if (!state_)
        return false;
    if (Eof()) {
        state_->error = MakeError(kDbNoCurrentRecord, "No current record.");
        return false;
    }
    const int index = FindColumn(state_->columns, column, state_->error);
    if (index < 0)
        return false;
    out = state_->rows[state_->position][index];
    return true;
}

bool Recordset::IsNull(const std::string& column)
{
    FieldValue value;
    return Value(column, value) && value.IsNull();
}

bool Recordset::GetDouble(const std::string& column, double& out)
{
    FieldValue value;
    if (!Value(column, value))
        return false;
    if (value.IsNull()) {
        state_->error = NullError(column);
        return false;
    }
    double number = 0.0;
    if (!NumericValue(value, number)) {
        state_->error = MismatchError(column);
        return false;
    }
    if (!std::isfinite(number)) {
        state_->error = NotFiniteError(column);
        return false;
    }
    out = number;
    return true;
}

namespace {

// An integer of the range [low, high] from a field; reals are rounded to
// the nearest integer, halves to even.
bool IntegerValue(const FieldValue& value, int64_t low, int64_t high, const std::string& column,
                  int64_t& out, DbError& error)
{
    if (value.IsNull()) {
        error = NullError(column);
        return false;
    }
    double number = 0.0;
    if (value.kind == FieldValue::Kind::Integer) {
        out = value.integer;
    } else if (NumericValue(value, number)) {
        number = std::nearbyint(number);
        if (!(number >= static_cast<double>(low) && number <= static_cast<double>(high))) {
            error = MakeError(kDbOverflow, "Overflow (column '" + column + "').");
            return false;
        }
        out = static_cast<int64_t>(number);
    } else {
        error = MismatchError(column);
        return false;
    }
    if (out < low || out > high) {
        error = MakeError(kDbOverflow, "Overflow (column '" + column + "').");
        return false;
    }
    return true;
}

} // namespace

bool Recordset::GetInt16(const std::string& column, int16_t& out)
{
    FieldValue value;
    int64_t number = 0;
    if (!Value(column, value) ||
        !IntegerValue(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(),
                      column, number, state_->error))
        return false;
    out = static_cast<int16_t>(number);
    return true;
}

bool Recordset::GetInt32(const std::string& column, int32_t& out)
{
    FieldValue value;
    int64_t number = 0;
    if (!Value(column, value) ||
        !IntegerValue(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                      column, number, state_->error))
        return false;
    out = static_cast<int32_t>(number);
    return true;
}

bool Recordset::GetText(const std::string& column, std::string& out)
{
    FieldValue value;
    if (!Value(column, value))
        return false;
    switch (value.kind) {
    case FieldValue::Kind::Null: state_->error = NullError(column); return false;
    case FieldValue::Kind::Text: out = value.text; return true;
    case FieldValue::Kind::Integer: out = std::to_string(value.integer); return true;
    case FieldValue::Kind::Real: out = NumberToText(value.real); return true;
    }
    return false;
}

bool Recordset::GetBool(const std::string& column, bool& out)
{
    FieldValue value;
    if (!Value(column, value))
        return false;
    if (value.IsNull()) {
        state_->error = NullError(column);
        return false;
    }
    double number = 0.0;
    if (NumericValue(value, number)) {
        out = number != 0.0;
        return true;
    }
    if (value.kind == FieldValue::Kind::Text &&
        (EqualNoCase(value.text, "True") || EqualNoCase(value.text, "False"))) {
        out = EqualNoCase(value.text, "True");
        return true;
    }
    state_->error = MismatchError(column);
    return false;
}

bool Recordset::AddNew()
{
    if (!state_)
        return false;
    if (state_->table.empty() || !state_->connection || state_->connection->readOnly) {
        state_->error = MakeError(kDbReadOnly, "Cannot update: the database or recordset is read-only.");
        return false;
    }
    state_->adding = true;
    state_->newRow.assign(state_->columns.size(), FieldValue{});
    state_->newRowSet.assign(state_->columns.size(), false);
    return true;
}

namespace {

bool SetField(Recordset::State* state, const std::string& column, FieldValue value);

} // namespace

bool Recordset::SetInt(const std::string& column, int64_t value)
{
    FieldValue field;
    field.kind = FieldValue::Kind::Integer;
    field.integer = value;
    return state_ && SetField(state_.get(), column, std::move(field));
}

bool Recordset::SetDouble(const std::string& column, double value)
{
    // The engine would store NaN as Null: a value that is not a finite
    // number is refused instead.
    if (state_ && !std::isfinite(value)) {
        state_->error = NotFiniteError(column);
        return false;
    }
    FieldValue field;
    field.kind = FieldValue::Kind::Real;
    field.real = value;
    return state_ && SetField(state_.get(), column, std::move(field));
}

bool Recordset::SetText(const std::string& column, const std::string& value)
{
    FieldValue field;
    field.kind = FieldValue::Kind::Text;
    field.text = value;
    return state_ && SetField(state_.get(), column, std::move(field));
}

bool Recordset::SetBool(const std::string& column, bool value)
{
    return SetInt(column, value ? -1 : 0);
}

bool Recordset::SetNull(const std::string& column)
{
    return state_ && SetField(state_.get(), column, FieldValue{});
}

namespace {

bool SetField(Recordset::State* state, const std::string& column, FieldValue value)
{
    if (!state->adding) {
        state->error = MakeError(kDbUpdateWithoutAddNew, "A field was set without AddNew.");
        return false;
    }
    const int index = FindColumn(state->columns, column, state->error);
    if (index < 0)
        return false;
    state->newRow[index] = std::move(value);
    state->newRowSet[index] = true;
    return true;
}

void BindValue(sqlite3_stmt* statement, int position, const FieldValue& value)
{
    switch (value.kind) {
    case FieldValue::Kind::Null: sqlite3_bind_null(statement, position); break;
    case FieldValue::Kind::Integer: sqlite3_bind_int64(statement, position, value.integer); break;
    case FieldValue::Kind::Real: sqlite3_bind_double(statement, position, value.real); break;
    case FieldValue::Kind::Text:
        sqlite3_bind_text(statement, position, value.text.data(), static_cast<int>(value.text.size()),
                          SQLITE_TRANSIENT);
        break;
    }
}

FieldValue ColumnValue(sqlite3_stmt* statement, int column)
{
    FieldValue value;
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        value.kind = FieldValue::Kind::Integer;
        value.integer = sqlite3_column_int64(statement, column);
        break;
    case SQLITE_FLOAT:
        value.kind = FieldValue::Kind::Real;
        value.real = sqlite3_column_double(statement, column);
        break;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        value.kind = FieldValue::Kind::Text;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        value.text.assign(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(statement, column)));
        break;
    }
    default: break;
    }
    return value;
}

} // namespace

bool Recordset::Update()
{
    if (!state_)
        return false;
    if (!state_->adding) {
        state_->error = MakeError(kDbUpdateWithoutAddNew, "Update without AddNew.");
        return false;
    }
    if (!state_->connection->handle) {
        state_->error = NotOpenError();
        return false;
    }
    std::string names, places;
    for (size_t i = 0; i < state_->columns.size(); ++i) {
        if (!state_->newRowSet[i])
            continue;
        if (!names.empty()) {
            names += ", ";
            places += ", ";
        }
        names += QuoteIdentifier(state_->columns[i]);
        places += "?";
    }
    const std::string sql = names.empty()
        ? "INSERT INTO " + QuoteIdentifier(state_->table) + " DEFAULT VALUES"
        : "INSERT INTO " + QuoteIdentifier(state_->table) + " (" + names + ") VALUES (" + places + ")";

    sqlite3* handle = state_->connection->handle;
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr);
    if (code == SQLITE_OK) {
        int position = 1;
        for (size_t i = 0; i < state_->columns.size(); ++i)
            if (state_->newRowSet[i])
                BindValue(statement, position++, state_->newRow[i]);
        code = sqlite3_step(statement);
        if (code == SQLITE_DONE)
            code = SQLITE_OK;
    }
    if (code != SQLITE_OK) {
        state_->error = EngineError(handle, code);
        sqlite3_finalize(statement);
        return false;
    }
    sqlite3_finalize(statement);
    // The snapshot receives the row as stored (defaults and type affinity
    // applied by the engine).
    const std::string readBack = "SELECT * FROM " + QuoteIdentifier(state_->table) + " WHERE rowid = ?";
    std::vector<FieldValue> stored = state_->newRow;
    if (sqlite3_prepare_v2(handle, readBack.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
        sqlite3_bind_int64(statement, 1, sqlite3_last_insert_rowid(handle));
        if (sqlite3_step(statement) == SQLITE_ROW &&
            sqlite3_column_count(statement) == static_cast<int>(state_->columns.size()))
            for (size_t i = 0; i < stored.size(); ++i)
                stored[i] = ColumnValue(statement, static_cast<int>(i));
    }
    sqlite3_finalize(statement);
    // Appending must not move the current row: remember whether it was at EOF.
    const bool wasAtEnd = Eof();
    state_->rows.push_back(std::move(stored));
    if (wasAtEnd)
        state_->position = state_->rows.size();
    state_->adding = false;
    return true;
}

void Recordset::CancelUpdate()
{
    if (state_)
        state_->adding = false;
}

void Recordset::Close()
{
    state_.reset();
}

// ---- Database -------------------------------------------------------------

Database::Database() = default;
Database::~Database()
{
    Close();
}
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        Close();
        connection_ = std::move(other.connection_);
        error_ = std::move(other.error_);
    }
    return *this;
}

const DbError& Database::Error() const
{
    return error_;
}

bool Database::IsOpen() const
{
    return connection_ && connection_->handle;
}

bool Database::IsReadOnly() const
{
    return !IsOpen() || connection_->readOnly;
}

bool Database::Open(const std::string& path, OpenMode mode)
{
    Close();
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
        error_ = MakeError(kDbFileNotFound, "Could not find file '" + path + "'.");
        return false;
    }
    // A pipe, a device or a socket would block the engine or feed it
    // endless data: only a regular file is a database file.
    if (!S_ISREG(info.st_mode)) {
        error_ = MakeError(kDbCannotOpen, "Cannot open the database file '" + path +
                                              "': it is not a regular file.");
        return false;
    }
    auto connection = std::make_shared<detail::Connection>();
    connection->readOnly = mode == OpenMode::ReadOnly;
    int flags = (connection->readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                SQLITE_OPEN_NOMUTEX;
    std::string name = path;
    if (connection->readOnly && InWriteAheadLogMode(path)) {
        name = ImmutableUri(path);
        flags |= SQLITE_OPEN_URI;
    }
    int code = sqlite3_open_v2(name.c_str(), &connection->handle, flags, nullptr);
    if (code != SQLITE_OK) {
        error_ = MakeError(kDbCannotOpen, "Cannot open the database file '" + path + "': " +
                                              (connection->handle ? sqlite3_errmsg(connection->handle)
                                                                  : sqlite3_errstr(code)));
        return false;
    }
    sqlite3_extended_result_codes(connection->handle, 0);
    // The engine reads the file lazily: read its schema now, so that a file
    // that is not a database is reported here.
    code = RunStatement(connection->handle, "SELECT count(*) FROM sqlite_master");
    if (code != SQLITE_OK) {
        const DbError engine = EngineError(connection->handle, code);
        error_ = engine.number == kDbNotADatabase
            ? MakeError(kDbNotADatabase, "Unrecognized database format '" + path + "'.")
            : engine;
        return false;
    }
    connection_ = std::move(connection);
    error_ = DbError{};
    return true;
}

bool Database::CheckIntegrity()
{
    if (!IsOpen()) {
        error_ = NotOpenError();
        return false;
    }
    sqlite3* handle = connection_->handle;
    sqlite3_stmt* statement = nullptr;
    std::string verdict;
    int code = sqlite3_prepare_v2(handle, "PRAGMA integrity_check(1)", -1, &statement, nullptr);
    if (code == SQLITE_OK && (code = sqlite3_step(statement)) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(statement, 0);
        verdict = text ? reinterpret_cast<const char*>(text) : "";
    }
    if (verdict.empty())
        verdict = sqlite3_errstr(code);
    sqlite3_finalize(statement);
    if (verdict != "ok") {
        error_ = MakeError(kDbNotADatabase, "The database file is damaged: " + verdict);
        return false;
    }
    return true;
}

void Database::Close()
{
    if (!connection_)
        return;
    // Recordsets still holding the connection see it closed.
    sqlite3_close_v2(connection_->handle);
    connection_->handle = nullptr;
    connection_.reset();
}

namespace {

// Reads every row of a prepared statement into the recordset's snapshot.
bool ReadRows(sqlite3* handle, sqlite3_stmt* statement, Recordset::State& state, DbError& error)
{
    const int count = sqlite3_column_count(statement);
    for (int i = 0; i < count; ++i)
        state.columns.emplace_back(sqlite3_column_name(statement, i));
    int code;
    while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
        std::vector<FieldValue> row;
        row.reserve(count);
        for (int i = 0; i < count; ++i)
            row.push_back(ColumnValue(statement, i));
        state.rows.push_back(std::move(row));
    }
    if (code != SQLITE_DONE) {
        error = EngineError(handle, code);
        return false;
    }
    return true;
}

// The snapshot of a table (its stored name) or of a query (table ""): every
// row of the prepared statement, which is finalised; nullptr with error set
// when reading fails.
std::unique_ptr<Recordset::State> SnapshotOfStatement(
    const std::shared_ptr<detail::Connection>& connection, sqlite3_stmt* statement,
    const std::string& table, DbError& error)
{
    auto state = std::make_unique<Recordset::State>();
    state->connection = connection;
    state->table = table;
    const bool read = ReadRows(connection->handle, statement, *state, error);
    sqlite3_finalize(statement);
    if (!read)
        return nullptr;
    return state;
}

} // namespace

bool Database::OpenTable(const std::string& table, Recordset& out)
{
    out.Close();
    if (!IsOpen()) {
        error_ = NotOpenError();
        return false;
    }
    sqlite3* handle = connection_->handle;
    // Only real tables: the name is looked up first, so that a missing table
    // gives its own error rather than an SQL error.
    sqlite3_stmt* statement = nullptr;
    std::string storedName;
    if (sqlite3_prepare_v2(handle, "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE",
                           -1, &statement, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(statement, 1, table.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(statement) == SQLITE_ROW)
            storedName = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
    if (storedName.empty()) {
        error_ = MakeError(kDbTableNotFound, "Cannot find the table '" + table + "'.");
        return false;
    }
    const std::string sql = "SELECT * FROM " + QuoteIdentifier(storedName) + " ORDER BY rowid";
    int code = sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr);
    if (code != SQLITE_OK) {
        error_ = EngineError(handle, code);
        sqlite3_finalize(statement);
        return false;
    }
    out.state_ = SnapshotOfStatement(connection_, statement, storedName, error_);
    if (!out.state_)
        return false;
    error_ = DbError{};
    return true;
}

bool Database::OpenQuery(const std::string& sql, Recordset& out)
{
    out.Close();
    if (!IsOpen()) {
        error_ = NotOpenError();
        return false;
    }
    sqlite3* handle = connection_->handle;
    sqlite3_stmt* statement = nullptr;
    const char* rest = nullptr;
    int code = sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, &rest);
    if (code != SQLITE_OK) {
        error_ = EngineError(handle, code);
        sqlite3_finalize(statement);
        return false;
    }
    auto onlyBlanks = [](const char* p) {
        for (; p && *p; ++p)
            if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';')
                return false;
        return true;
    };
    if (!statement || !sqlite3_stmt_readonly(statement) || sqlite3_column_count(statement) == 0 ||
        !onlyBlanks(rest)) {
        error_ = MakeError(kDbSqlError, "Not a single read-only query: " + sql);
        sqlite3_finalize(statement);
        return false;
    }
    out.state_ = SnapshotOfStatement(connection_, statement, "", error_);
    if (!out.state_)
        return false;
    error_ = DbError{};
    return true;
}

namespace {

bool RunWritable(const std::shared_ptr<detail::Connection>& connection, const char* sql, DbError& error)
{
    if (!connection || !connection->handle) {
        error = NotOpenError();
        return false;
    }
    if (connection->readOnly) {
        error = MakeError(kDbReadOnly, "Cannot update: the database is read-only.");
        return false;
    }
    const int code = RunStatement(connection->handle, sql);
    if (code != SQLITE_OK) {
        error = EngineError(connection->handle, code);
        return false;
    }
    error = DbError{};
    return true;
}

} // namespace

bool Database::Execute(const std::string& sql)
{
    return RunWritable(connection_, sql.c_str(), error_);
}

bool Database::BeginTransaction()
{
    return RunWritable(connection_, "BEGIN", error_);
}

bool Database::CommitTransaction()
{
    return RunWritable(connection_, "COMMIT", error_);
}

bool Database::Rollback()
{
    return RunWritable(connection_, "ROLLBACK", error_);
}

} // namespace platform
