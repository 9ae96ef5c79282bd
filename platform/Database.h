#pragma once
// Data access: connections opened from a connection string and recordsets over them,
// on SQLCipher. Every open either succeeds or throws DatabaseError: the key and the file
// are checked at once, not at the first query.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;

namespace lx {

class DatabaseError : public std::runtime_error {
public:
    // code: the SQLite (extended) result code of the failure (0 when none applies).
    explicit DatabaseError(const QString& message, int code = 0) : std::runtime_error(message.toStdString()), code(code) {}
    QString message() const { return QString::fromStdString(what()); }
    // True when the file is damaged, is no database, has no tables or has another password
    // (SQLite cannot tell a wrong key from a damaged file): for a file whose password the
    // program itself supplies, the file is damaged or of another kind.
    bool damaged() const;
    // True when the file was moved or deleted (or its folder was) while it was open: SQLite
    // then refuses to write to it.
    bool moved() const;

private:
    int code;
};

// "DBQ=path;Driver={...};Pwd=secret;" with an optional "READONLY=True". Keys are matched
// without regard to case; a value may be wrapped in braces, and then holds ';' and
// spaces as they are ("}}" for a '}').
struct ConnectionString {
    QString path;
    QString driver;
    QString password;
    bool readOnly = false;

    static ConnectionString parse(const QString& text);
    // A value wrapped in braces, as the program writes every path into a connection string
    // ("DBQ=" + braced(path) + ";..."), so that a path with ';' in it is read whole.
    static QString braced(const QString& value);
    // The connection string the program opens its files with:
    // "DBQ={path};Driver={Microsoft Access Driver (*.mdb)};Pwd=password;" and, read-only,
    // "READONLY=True" after it.
    static QString format(const QString& path, const QString& password, bool readOnly = false);
};

enum ConnectionState : int { adStateClosed = 0, adStateOpen = 1 };
enum CursorType : int { adOpenUnspecified = -1, adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockType : int { adLockUnspecified = -1, adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3, adLockBatchOptimistic = 4 };

class Recordset;

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString ConnectionString;

    // Opens ConnectionString (or the one given); throws DatabaseError on a missing file,
    // a wrong password, a file that is not a database (one without tables, an empty file
    // among them) or one another connection holds locked past the busy timeout (2 s).
    // A file's key is derived once per process; later connections to it reuse it.
    void Open();
    void Open(const QString& connectionString);
    // Forgets the keys derived so far: the next open of each file derives its key again.
    static void forgetDerivedKeys();
    void Close();
    int State() const { return db ? adStateOpen : adStateClosed; }

    // Runs a statement that returns rows; parameters bind to '?' in order.
    std::unique_ptr<Recordset> Execute(const QString& sql, const QVariantList& parameters = {});
    // Runs a statement without rows (tools and tests); returns the rows changed.
    int ExecuteNonQuery(const QString& sql, const QVariantList& parameters = {});

    sqlite3* handle() const { return db; }

private:
    sqlite3* db = nullptr;
    bool readOnly = false;
    friend class Recordset;
};

// One value of a row. Null, integer, real or text, as stored.
class Field {
public:
    QString Name;
    QVariant Value;

    // Null or the text "Null" both mean a missing value.
    bool isMissing() const;
    double toDouble() const;            // Val of a text, 0 when missing
    QString toText() const;             // the text, numbers in shortest form
};

class Recordset {
public:
    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Fetches every row of the statement. Parameters bind to '?' in order.
    // With an optimistic lock type a "SELECT * FROM table ..." recordset can be updated.
    void Open(const QString& sql, Connection& connection, int cursorType = adOpenDynamic,
              int lockType = adLockUnspecified, const QVariantList& parameters = {});
    void Close();
    bool isOpen() const { return open; }

    // The end-of-file test (EOF is taken by the C library).
    bool eof() const { return current >= rows.size(); }
    bool BOF() const { return rows.empty(); }
    void MoveFirst() { current = 0; }
    void MoveNext();
    long RecordCount() const { return long(rows.size()); }
    int fieldCount() const { return int(names.size()); }
    QStringList fieldNames() const { return names; }

    // Fields of the current row by 0-based position or by name (without regard to case).
    Field& Fields(int position);
    Field& Fields(const QString& name);
    Field& operator[](int position) { return Fields(position); }

    // Writes the current row's changed fields back to its table.
    void Update();

private:
    struct Row {
        std::vector<Field> fields;
        std::vector<QVariant> original;
        qint64 rowid = 0;
    };
    Connection* connection = nullptr;
    QStringList names;
    std::vector<Row> rows;
    size_t current = 0;
    bool open = false;
    QString table;          // set when updatable
    Row& row();
};


} // namespace lx
