#include "Database.h"

#include "Numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <map>
#include <mutex>

#include <openssl/evp.h>
#include <sqlcipher/sqlite3.h>

namespace lx {

namespace {

QString lastError(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }
int lastCode(sqlite3* db) { return sqlite3_extended_errcode(db); }

// A query that names a table or a column the file lacks: what is missing, in the words of
// the file, not the query (which tells the student nothing). Empty for any other failure.
QString missingPart(sqlite3* db)
{
    const QString why = lastError(db);
    for (const auto& [prefix, part] : {std::pair{QStringLiteral("no such table: "), QStringLiteral("table")},
                                       std::pair{QStringLiteral("no such column: "), QStringLiteral("column")}}) {
        if (why.startsWith(prefix)) {
            const char* file = sqlite3_db_filename(db, "main");
            return QStringLiteral("The database file '%1' has no %2 %3.")
                .arg(QDir::toNativeSeparators(QString::fromUtf8(file ? file : "")), part, why.mid(prefix.size()));
        }
    }
    return {};
}

class Statement {
public:
    Statement(sqlite3* db, const QString& sql) : db(db)
    {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK) {
            if (const QString missing = missingPart(db); !missing.isEmpty())
                throw DatabaseError(missing, lastCode(db));
            throw DatabaseError(lastError(db) + QStringLiteral(" in: ") + sql, lastCode(db));
        }
    }
    ~Statement() { sqlite3_finalize(stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(const QVariantList& parameters)
    {
        for (int i = 0; i < parameters.size(); ++i)
            bindOne(i + 1, parameters[i]);
    }

    void bindOne(int index, const QVariant& v)
    {
        int rc;
        if (v.isNull() || !v.isValid()) {
            rc = sqlite3_bind_null(stmt, index);
        } else {
            switch (v.typeId()) {
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::Short:
                rc = sqlite3_bind_int64(stmt, index, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(stmt, index, v.toDouble());
                break;
            default: {
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            }
            }
        }
        if (rc != SQLITE_OK)
            throw DatabaseError(lastError(db), lastCode(db));
    }

    // True while a row is ready.
    bool step()
    {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw DatabaseError(lastError(db), lastCode(db));
    }

    int columns() const { return sqlite3_column_count(stmt); }
    QString name(int i) const { return QString::fromUtf8(sqlite3_column_name(stmt, i)); }
    QVariant value(int i) const
    {
        switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(stmt, i)));
        case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt, i));
        case SQLITE_NULL: return QVariant();
        default:
            return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                              sqlite3_column_bytes(stmt, i)));
        }
    }

private:
    sqlite3* db;
    sqlite3_stmt* stmt = nullptr;
};

QString quoteIdentifier(const QString& name)
{
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace

ConnectionString ConnectionString::parse(const QString& text)
{
    ConnectionString cs;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype eq = text.indexOf(u'=', i);
        const qsizetype semicolon = text.indexOf(u';', i);
        if (eq < 0 || (semicolon >= 0 && semicolon < eq)) {
            // A part without a value: skipped.
            if (semicolon < 0)
                break;
            i = semicolon + 1;
            continue;
        }
        const QString key = text.mid(i, eq - i).trimmed();
        i = eq + 1;
        while (i < n && text[i].isSpace())
            ++i;
        QString value;
        if (i < n && text[i] == u'{') {
            // A braced value runs to its closing brace, ';' and all; "}}" stands for '}'.
            for (++i; i < n; ++i) {
                if (text[i] == u'}') {
                    if (i + 1 < n && text[i + 1] == u'}') {
                        value += u'}';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i];
            }
            const qsizetype end = text.indexOf(u';', i);
            i = end < 0 ? n : end + 1;
        } else {
            const qsizetype end = text.indexOf(u';', i);
            value = text.mid(i, (end < 0 ? n : end) - i).trimmed();
            i = end < 0 ? n : end + 1;
        }
        if (key.compare(u"DBQ", Qt::CaseInsensitive) == 0)
            cs.path = value;
        else if (key.compare(u"Driver", Qt::CaseInsensitive) == 0)
            cs.driver = value;
        else if (key.compare(u"Pwd", Qt::CaseInsensitive) == 0 || key.compare(u"Password", Qt::CaseInsensitive) == 0)
            cs.password = value;
        else if (key.compare(u"READONLY", Qt::CaseInsensitive) == 0)
            cs.readOnly = value.compare(u"True", Qt::CaseInsensitive) == 0 || value == u"1";
    }
    return cs;
}

QString ConnectionString::braced(const QString& value)
{
    QString escaped = value;
    escaped.replace(u'}', QStringLiteral("}}"));
    return u'{' + escaped + u'}';
}

bool DatabaseError::damaged() const
{
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || primary == SQLITE_EMPTY;
}

bool DatabaseError::moved() const { return code == SQLITE_READONLY_DBMOVED; }

QString ConnectionString::format(const QString& path, const QString& password, bool readOnly)
{
    return QStringLiteral("DBQ=") + braced(path) + QStringLiteral(";Driver={Microsoft Access Driver (*.mdb)};Pwd=") + password
           + u';' + (readOnly ? QStringLiteral("READONLY=True") : QString());
}

Connection::~Connection() { Close(); }

void Connection::Open() { Open(ConnectionString); }

namespace {

// SQLCipher derives a file's key from its password and the 16-byte salt at the head of the
// file (PBKDF2-HMAC-SHA1, 64000 rounds, 32 bytes: its defaults for files of this version),
// about 30 ms a connection. The key is derived here once per file, password and salt, and
// later connections hand SQLCipher the raw key with the salt, which it uses as it stands.
// The files are unchanged: the sqlcipher tool opens them with the password as before.
constexpr int saltBytes = 16;
constexpr int keyBytes = 32;
constexpr int kdfRounds = 64000;

struct DerivedKey {
    QString password;
    QByteArray salt;
    QByteArray keySpec;   // "x'<key><salt>'" in hex
};

std::mutex& keysMutex()
{
    static std::mutex m;
    return m;
}

std::map<QString, DerivedKey>& derivedKeys()
{
    static std::map<QString, DerivedKey> keys;
    return keys;
}

QByteArray saltOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray salt = file.read(saltBytes);
    return salt.size() == saltBytes ? salt : QByteArray();
}

QByteArray deriveKeySpec(const QByteArray& password, const QByteArray& salt)
{
    unsigned char key[keyBytes];
    if (PKCS5_PBKDF2_HMAC_SHA1(password.constData(), int(password.size()), reinterpret_cast<const unsigned char*>(salt.constData()),
                               int(salt.size()), kdfRounds, keyBytes, key) != 1)
        return {};
    return "x'" + QByteArray(reinterpret_cast<const char*>(key), keyBytes).toHex() + salt.toHex() + '\'';
}

struct Attempt {
    sqlite3* handle = nullptr;
    int code = SQLITE_OK;
    QString why;
};

// Opens the file with the key and reads the schema at once, so that a wrong key or a file
// that is not a database fails here, not at the first query. The busy timeout comes first:
// a file another connection holds locked is waited for, then reported as in use.
Attempt openChecked(const QByteArray& path, int flags, const QByteArray& key)
{
    Attempt a;
    if (sqlite3_open_v2(path.constData(), &a.handle, flags, nullptr) != SQLITE_OK) {
        a.code = a.handle ? sqlite3_errcode(a.handle) : SQLITE_NOMEM;
        a.why = a.handle ? lastError(a.handle) : QStringLiteral("out of memory");
        sqlite3_close(a.handle);
        a.handle = nullptr;
        return a;
    }
    sqlite3_busy_timeout(a.handle, 2000);
    if (!key.isEmpty())
        sqlite3_key(a.handle, key.constData(), int(key.size()));
    sqlite3_stmt* stmt = nullptr;
    a.code = sqlite3_prepare_v2(a.handle, "SELECT count(*) FROM sqlite_master WHERE type = 'table';", -1, &stmt, nullptr);
    if (a.code == SQLITE_OK) {
        a.code = sqlite3_step(stmt);
        if (a.code == SQLITE_ROW)
            a.code = sqlite3_column_int(stmt, 0) > 0 ? SQLITE_OK : SQLITE_EMPTY;
    }
    if (a.code != SQLITE_OK)
        a.why = a.code == SQLITE_EMPTY ? QStringLiteral("it holds no tables") : lastError(a.handle);
    sqlite3_finalize(stmt);
    if (a.code != SQLITE_OK) {
        sqlite3_close(a.handle);
        a.handle = nullptr;
    }
    return a;
}

} // namespace

void Connection::forgetDerivedKeys()
{
    const std::lock_guard lock(keysMutex());
    derivedKeys().clear();
}

void Connection::Open(const QString& connectionString)
{
    Close();
    ConnectionString = connectionString;
    const lx::ConnectionString cs = lx::ConnectionString::parse(connectionString);
    if (cs.path.isEmpty())
        throw DatabaseError(QStringLiteral("The connection string names no database file."));
    // Opening never creates a file: a missing database is an error, as of old.
    const QFileInfo info(cs.path);
    if (!info.isFile())
        throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(cs.path));
    const int flags = cs.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const QByteArray path = cs.path.toUtf8();
    const QByteArray password = cs.password.toUtf8();

    // The raw key when one is known or can be derived for this file's salt.
    const QString file = info.absoluteFilePath();
    const QByteArray salt = password.isEmpty() ? QByteArray() : saltOf(cs.path);
    QByteArray keySpec;
    bool derivedNow = false;
    if (!salt.isEmpty()) {
        {
            const std::lock_guard lock(keysMutex());
            const auto known = derivedKeys().find(file);
            if (known != derivedKeys().end() && known->second.password == cs.password && known->second.salt == salt)
                keySpec = known->second.keySpec;
        }
        if (keySpec.isEmpty()) {
            keySpec = deriveKeySpec(password, salt);
            derivedNow = !keySpec.isEmpty();
        }
    }

    Attempt a = openChecked(path, flags, keySpec.isEmpty() ? password : keySpec);
    // A raw key that does not fit (a file made with other key settings, or a wrong
    // password) gets one more try with the password itself, as SQLCipher derives it.
    const bool busy = a.code == SQLITE_BUSY || a.code == SQLITE_LOCKED;
    if (!a.handle && !keySpec.isEmpty() && !busy) {
        keySpec.clear();
        a = openChecked(path, flags, password);
    }
    if (!a.handle) {
        if (a.code == SQLITE_BUSY || a.code == SQLITE_LOCKED)
            throw DatabaseError(QStringLiteral("'%1' is in use by another program and cannot be opened now (%2).").arg(cs.path, a.why), a.code & 0xFF);
        if (a.code == SQLITE_CANTOPEN || a.code == SQLITE_PERM || a.code == SQLITE_NOMEM)
            throw DatabaseError(QStringLiteral("Could not open '%1': %2").arg(cs.path, a.why), a.code & 0xFF);
        throw DatabaseError(QStringLiteral("'%1' is not a database or its password is wrong (%2).").arg(cs.path, a.why), a.code & 0xFF);
    }
    if (derivedNow && !keySpec.isEmpty()) {
        const std::lock_guard lock(keysMutex());
        derivedKeys()[file] = DerivedKey{cs.password, salt, keySpec};
    }
    db = a.handle;
    readOnly = cs.readOnly;
}

void Connection::Close()
{
    if (db) {
        sqlite3_close_v2(db);
        db = nullptr;
    }
}

std::unique_ptr<Recordset> Connection::Execute(const QString& sql, const QVariantList& parameters)
{
    auto rs = std::make_unique<Recordset>();
    rs->Open(sql, *this, adOpenForwardOnly, adLockReadOnly, parameters);
    return rs;
}

int Connection::ExecuteNonQuery(const QString& sql, const QVariantList& parameters)
{
    if (!db)
        throw DatabaseError(QStringLiteral("The connection is closed."));
    Statement st(db, sql);
    st.bind(parameters);
    while (st.step()) {
    }
    return sqlite3_changes(db);
}

bool Field::isMissing() const
{
    return Value.isNull() || (Value.typeId() == QMetaType::QString && Value.toString() == u"Null");
}

double Field::toDouble() const
{
    if (isMissing())
        return 0.0;
    if (Value.typeId() == QMetaType::QString)
        return Val(Value.toString());
    return Value.toDouble();
}

QString Field::toText() const
{
    if (Value.isNull())
        return {};
    if (Value.typeId() == QMetaType::Double)
        return DoubleText(Value.toDouble());
    return Value.toString();
}

void Recordset::Open(const QString& sql, Connection& conn, int, int lockType, const QVariantList& parameters)
{
    Close();
    if (!conn.db)
        throw DatabaseError(QStringLiteral("The connection is closed."));
    connection = &conn;
    QString text = sql;
    // An updatable recordset over one table keeps each row's rowid to write it back.
    if (lockType == adLockOptimistic || lockType == adLockPessimistic || lockType == adLockBatchOptimistic) {
        static const QRegularExpression simple(QStringLiteral("^\\s*SELECT\\s+\\*\\s+FROM\\s+(\\[[^\\]]+\\]|\\w+)(.*)$"),
                                               QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
        if (const auto m = simple.match(sql); m.hasMatch()) {
            table = m.captured(1);
            if (table.startsWith(u'['))
                table = table.mid(1, table.size() - 2);
            text = QStringLiteral("SELECT rowid AS \"__rowid\", * FROM ") + m.captured(1) + m.captured(2);
        }
    }
    Statement st(conn.db, text);
    st.bind(parameters);
    const int first = table.isEmpty() ? 0 : 1;
    bool namesRead = false;
    while (st.step()) {
        if (!namesRead) {
            for (int i = first; i < st.columns(); ++i)
                names << st.name(i);
            namesRead = true;
        }
        Row r;
        if (first)
            r.rowid = st.value(0).toLongLong();
        for (int i = first; i < st.columns(); ++i) {
            r.fields.push_back(Field{names[i - first], st.value(i)});
            r.original.push_back(r.fields.back().Value);
        }
        rows.push_back(std::move(r));
    }
    if (!namesRead)
        for (int i = first; i < st.columns(); ++i)
            names << st.name(i);
    current = 0;
    open = true;
}

void Recordset::Close()
{
    rows.clear();
    names.clear();
    table.clear();
    current = 0;
    open = false;
    connection = nullptr;
}

void Recordset::MoveNext()
{
    if (eof())
        throw DatabaseError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    ++current;
}

Recordset::Row& Recordset::row()
{
    if (!open || eof())
        throw DatabaseError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    return rows[current];
}

Field& Recordset::Fields(int position)
{
    Row& r = row();
    if (position < 0 || size_t(position) >= r.fields.size())
        throw DatabaseError(QStringLiteral("Item cannot be found in the collection (position %1).").arg(position));
    return r.fields[size_t(position)];
}

Field& Recordset::Fields(const QString& name)
{
    Row& r = row();
    for (Field& f : r.fields)
        if (f.Name.compare(name, Qt::CaseInsensitive) == 0)
            return f;
    throw DatabaseError(QStringLiteral("Item cannot be found in the collection (%1).").arg(name));
}

void Recordset::Update()
{
    Row& r = row();
    if (table.isEmpty())
        throw DatabaseError(QStringLiteral("The recordset cannot be updated."));
    if (connection->readOnly)
        throw DatabaseError(QStringLiteral("The database is open read-only."));
    QStringList sets;
    QVariantList values;
    for (size_t i = 0; i < r.fields.size(); ++i) {
        if (r.fields[i].Value != r.original[i] || r.fields[i].Value.typeId() != r.original[i].typeId()) {
            sets << quoteIdentifier(r.fields[i].Name) + QStringLiteral(" = ?");
            values << r.fields[i].Value;
        }
    }
    if (sets.isEmpty())
        return;
    values << r.rowid;
    connection->ExecuteNonQuery(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoteIdentifier(table), sets.join(u", ")), values);
    for (size_t i = 0; i < r.fields.size(); ++i)
        r.original[i] = r.fields[i].Value;
}

} // namespace lx
