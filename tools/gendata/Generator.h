#pragma once
// The database-source generator: each test family registers one generator that writes
// its folder under data/. Output is deterministic: the same program writes the same files.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace gendata {

// Collects one CSV file: a header row, then rows of already formatted fields. Nothing is
// written until save().
class CsvWriter {
public:
    CsvWriter(const QString& path, const QStringList& header);
    void row(const QStringList& fields);
    // Writes the file (see writeText); throws std::runtime_error naming the path if it fails.
    void save() const;
    // Fields: numbers in shortest round-trip decimal text, texts quoted when needed.
    static QString num(double v);
    static QString text(const QString& t);

private:
    QString path;
    QString body;
};

struct Family {
    const char* name;
    std::function<void(const QString& dataDir)> generate;
};

std::vector<Family>& families();

// Registers a family at static initialisation: static gendata::Register r{"triaxial", fn};
struct Register {
    Register(const char* name, std::function<void(const QString&)> fn) { families().push_back({name, std::move(fn)}); }
};

// Writes a text file (schema.sql and the like), creating its folder. The file is replaced
// only once it is completely written; a failure throws std::runtime_error naming the path.
void writeText(const QString& path, const QString& text);

} // namespace gendata
