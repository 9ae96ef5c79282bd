// genquiz: writes the question files Resources/QuizNNN.rtf from their sources in data/quiz,
// after checking every rule the quiz window's parser relies on, that every topic is a help
// page, and that the answer keys and QuizInfo (written from the same sources by gendata)
// agree with the banks. Any problem stops the build with its place in the source.
//
//   genquiz --sources DIR --help DIR --keys AnswerKey.csv --info QuizInfo.csv --out DIR
#include "QuizBank.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QSaveFile>

#include <cstdio>
#include <map>

namespace {

// The rows of a CSV of numbers and simple texts (no comma inside a field).
std::vector<QStringList> csvRows(const QString& path, QStringList* errors)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *errors << QStringLiteral("%1: %2").arg(path, f.errorString());
        return {};
    }
    std::vector<QStringList> rows;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 1; i < lines.size(); ++i)
        rows.push_back(lines[i].trimmed().split(QLatin1Char(',')));
    return rows;
}

// The keys and QuizInfo columns must be those gendata writes from the banks.
void checkTables(const std::map<int, quizbank::Bank>& banks, const QString& keysPath, const QString& infoPath,
                 QStringList* errors)
{
    QHash<int, QList<int>> keys;
    for (const QStringList& r : csvRows(keysPath, errors)) {
        if (r.size() < 3)
            continue;
        QList<int>& k = keys[r[0].toInt()];
        if (r[1].toInt() != k.size() + 1)
            *errors << QStringLiteral("%1: quiz %2 question numbers out of order").arg(keysPath, r[0]);
        k << r[2].toInt();
    }
    QHash<int, QStringList> info;
    for (const QStringList& r : csvRows(infoPath, errors))
        if (r.size() >= 10)
            info.insert(r[0].toInt(), r);
    for (const auto& [id, bank] : banks) {
        QList<int> expected;
        for (const quizbank::Question& q : bank.questions)
            expected << q.key;
        if (keys.value(id) != expected)
            *errors << QStringLiteral("%1: the keys of quiz %2 differ from its bank").arg(keysPath).arg(id);
        const QStringList row = info.value(id);
        if (row.isEmpty() || row[3].toInt() != bank.attempts || row[4].toInt() != int(bank.questions.size())
            || row[5].toInt() != bank.asked || row[9].toInt() != bank.marks)
            *errors << QStringLiteral("%1: the row of quiz %2 differs from its bank").arg(infoPath).arg(id);
    }
    if (!errors->isEmpty())
        *errors << QStringLiteral("(run: gendata <source>/data quiz)");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser cli;
    const QCommandLineOption sources(QStringLiteral("sources"), QStringLiteral("Folder of QuizNNN.txt."), QStringLiteral("dir"));
    const QCommandLineOption help(QStringLiteral("help-pages"), QStringLiteral("Folder of the help pages."), QStringLiteral("dir"));
    const QCommandLineOption keys(QStringLiteral("keys"), QStringLiteral("AnswerKey.csv."), QStringLiteral("file"));
    const QCommandLineOption info(QStringLiteral("info"), QStringLiteral("QuizInfo.csv."), QStringLiteral("file"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder of the question files."), QStringLiteral("dir"));
    cli.addOptions({sources, help, keys, info, out});
    cli.process(app);
    for (const auto& o : {sources, help, keys, info, out})
        if (!cli.isSet(o)) {
            std::fprintf(stderr, "genquiz: --%s is needed\n", qPrintable(o.names().first()));
            return 2;
        }

    QStringList errors;
    std::map<int, quizbank::Bank> banks;
    std::map<int, QByteArray> files;
    const QDir helpDir(cli.value(help));
    for (const int id : quizbank::QuizNumbers) {
        const QString path = QDir(cli.value(sources)).filePath(QStringLiteral("Quiz%1.txt").arg(id));
        QStringList problems;
        quizbank::Bank bank = quizbank::readSourceFile(path, &problems);
        problems << quizbank::checkBank(bank, path);
        for (const quizbank::Question& q : bank.questions) {
            QString topic = q.topic;
            topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
            if (!q.topic.isEmpty() && !QFile::exists(helpDir.filePath(topic)))
                problems << QStringLiteral("%1:%2: no help page %3").arg(path).arg(q.line).arg(q.topic);
        }
        if (problems.isEmpty()) {
            files[id] = quizbank::bankRtf(bank);
            problems << quizbank::checkRtf(bank, files[id], path);
        }
        errors << problems;
        banks[id] = std::move(bank);
    }
    if (errors.isEmpty())
        checkTables(banks, cli.value(keys), cli.value(info), &errors);
    if (!errors.isEmpty()) {
        for (const QString& e : errors)
            std::fprintf(stderr, "%s\n", qPrintable(e));
        return 1;
    }
    QDir().mkpath(cli.value(out));
    for (const auto& [id, rtf] : files) {
        QSaveFile f(QDir(cli.value(out)).filePath(QStringLiteral("Quiz%1.rtf").arg(id)));
        if (!f.open(QIODevice::WriteOnly) || f.write(rtf) != rtf.size() || !f.commit()) {
            std::fprintf(stderr, "genquiz: %s: %s\n", qPrintable(f.fileName()), qPrintable(f.errorString()));
            return 1;
        }
    }
    return 0;
}
