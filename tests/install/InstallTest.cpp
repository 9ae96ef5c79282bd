// The installed program: cmake --install lays out what a desktop finds, and the program runs
// from a tree its user cannot write, started from any folder, and writes nothing into it.
#include "platform/testing/Unprivileged.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>

namespace {

const QString appId = QStringLiteral(LOAMIX_APP_ID);
constexpr uid_t nobody = 65534;
const bool asRoot = ::geteuid() == 0;

// A fresh folder every user can reach: the installed tree is read by "nobody" when the tests
// run as root. It holds the prefix and the folders of the user who runs the program.
class Installed : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                          | QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup
                                                          | QFileDevice::ExeGroup));
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(CMAKE_COMMAND), {QStringLiteral("--install"), QStringLiteral(LOAMIX_BINARY_DIR),
                                                QStringLiteral("--prefix"), prefix()});
        ASSERT_TRUE(p.waitForFinished(600000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
    }
    void TearDown() override
    {
        // A tree made read-only for the run is made writable again, so that it can be removed.
        if (!asRoot)
            QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), dir.path()});
    }
    QString prefix() const { return dir.filePath(QStringLiteral("prefix with blank")); }
    QString program() const { return prefix() + QStringLiteral("/lib/loamix"); }

    QTemporaryDir dir;
};

QString readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The files of the build's program folder that the program reads: every folder of data, the
// program, its libraries and the two databases beside it.
QStringList programFiles(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = QDir(root).relativeFilePath(it.next());
        if (rel.contains(u'/') || rel == u"Loamix" || rel.endsWith(u".so") || rel == u"QuizTemplate.lxq" || rel == u"Users.lxu")
            files << rel;
    }
    files.sort();
    return files;
}

TEST_F(Installed, LaysOutTheProgramFolderLauncherDesktopEntryIconsAndMetainfo)
{
    // The program folder holds what the build's does, file for file; nothing of the tests.
    const QStringList built = programFiles(QStringLiteral(LOAMIX_INSTALL_DIR));
    for (const char* needed : {"Loamix", "liblxplatform.so", "DLL/libsoilnet.so", "Database/LXSandCIDC.lxr",
                               "Resources/QuizResource.lxr", "Resources/Quiz100.rtf", "Resources/TTT/Note0.rtf",
                               "pictures/icons/Loamix.ico", "QuizTemplate.lxq"})
        EXPECT_TRUE(built.contains(QString::fromLatin1(needed))) << needed;
    EXPECT_TRUE(std::any_of(built.begin(), built.end(), [](const QString& f) { return f.startsWith(u"Help/html/"); }));
    EXPECT_EQ(programFiles(program()), built);
    for (const QString& f : built)
        EXPECT_EQ(QFileInfo(program() + u'/' + f).size(), QFileInfo(QStringLiteral(LOAMIX_INSTALL_DIR "/") + f).size()) << qPrintable(f);
    EXPECT_FALSE(QFileInfo::exists(program() + QStringLiteral("/tests")));
    EXPECT_TRUE(QFileInfo(program() + QStringLiteral("/Loamix")).isExecutable());

    // The launcher reaches the program, so that it finds its folder beside itself.
    const QFileInfo launcher(prefix() + QStringLiteral("/bin/loamix"));
    EXPECT_TRUE(launcher.isExecutable());
    EXPECT_EQ(launcher.canonicalFilePath(), QFileInfo(program() + QStringLiteral("/Loamix")).canonicalFilePath());

    // The desktop entry starts the launcher by its full path, quoted for the blank.
    const QString entry = readText(prefix() + QStringLiteral("/share/applications/") + appId + QStringLiteral(".desktop"));
    QMap<QString, QString> keys;
    for (const QString& line : entry.split(u'\n'))
        if (const qsizetype eq = line.indexOf(u'='); eq > 0)
            keys[line.left(eq)] = line.mid(eq + 1);
    EXPECT_EQ(keys.value(QStringLiteral("Type")), u"Application");
    EXPECT_EQ(keys.value(QStringLiteral("Name")), u"Loamix");
    EXPECT_EQ(keys.value(QStringLiteral("GenericName")), u"Virtual geotechnical laboratory");
    EXPECT_FALSE(keys.value(QStringLiteral("Comment")).isEmpty());
    EXPECT_EQ(keys.value(QStringLiteral("Categories")), u"Education;Engineering;");
    EXPECT_EQ(keys.value(QStringLiteral("Exec")), u'"' + launcher.absoluteFilePath() + u'"');
    EXPECT_EQ(keys.value(QStringLiteral("Icon")), appId);

    // The icon at every size, each a picture of its size.
    for (const QString& size : QStringLiteral(LOAMIX_ICON_SIZES).split(u',')) {
        const QString icon = QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png").arg(prefix(), size, appId);
        QImageReader reader(icon);
        EXPECT_EQ(reader.format(), "png") << qPrintable(icon);
        EXPECT_EQ(reader.size(), QSize(size.toInt(), size.toInt())) << qPrintable(icon);
    }
    const QString metainfo = readText(prefix() + QStringLiteral("/share/metainfo/") + appId + QStringLiteral(".metainfo.xml"));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<id>") + appId + QStringLiteral("</id>")));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">") + appId + QStringLiteral(".desktop</launchable>")));
}

TEST_F(Installed, DesktopEntryAndMetainfoPassTheStandardValidators)
{
    // desktop-file-validate says nothing of a clean entry: a hint (two main categories, a
    // deprecated key) passes its exit code, so its output must be empty too.
    const struct {
        const char* tool;
        QStringList arguments;
        bool silentWhenClean;
    } validators[] = {
        {"desktop-file-validate", {prefix() + QStringLiteral("/share/applications/") + appId + QStringLiteral(".desktop")}, true},
        {"appstreamcli",
         {QStringLiteral("validate"), QStringLiteral("--no-net"),
          prefix() + QStringLiteral("/share/metainfo/") + appId + QStringLiteral(".metainfo.xml")},
         false},
    };
    int ran = 0;
    for (const auto& v : validators) {
        const QString tool = QStandardPaths::findExecutable(QString::fromLatin1(v.tool));
        if (tool.isEmpty()) {
            std::printf("%s is not installed (scripts/install-deps.sh test installs it)\n", v.tool);
            continue;
        }
        ++ran;
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(tool, v.arguments);
        ASSERT_TRUE(p.waitForFinished(60000)) << v.tool;
        const QByteArray said = p.readAll();
        EXPECT_EQ(p.exitCode(), 0) << v.tool << ": " << said.toStdString();
        if (v.silentWhenClean)
            EXPECT_EQ(said.trimmed(), QByteArray()) << v.tool;
    }
    if (ran == 0)
        GTEST_SKIP() << "neither validator is installed";
}

// Every entry below root with its type, rights, size and time of change: a write, a new or a
// removed file changes it.
QMap<QString, QString> snapshot(const QString& root)
{
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext())
        paths << it.next();
    for (const QString& path : paths) {
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        entries[QDir(root).relativeFilePath(path)] = QStringLiteral("%1 %2 %3.%4")
                                                         .arg(st.st_mode, 0, 8)
                                                         .arg(qint64(st.st_size))
                                                         .arg(qint64(st.st_mtim.tv_sec))
                                                         .arg(qint64(st.st_mtim.tv_nsec));
    }
    return entries;
}

// Makes the tree as a lab administrator leaves it: root's and 0755 (its files 0644) where the
// tests run as root, who then runs the program as "nobody"; else closed to writes by anyone.
void closeTree(const QString& root)
{
    const QStringList mode = asRoot ? QStringList{QStringLiteral("u=rwX,go=rX")} : QStringList{QStringLiteral("a-w")};
    ASSERT_EQ(QProcess::execute(QStringLiteral("chmod"), QStringList{QStringLiteral("-R")} + mode + QStringList{root}), 0);
}

// A folder of the user who runs the program.
QString userFolder(const QString& path)
{
    QDir().mkpath(path);
    if (asRoot)
        (void)!::chown(QFile::encodeName(path).constData(), nobody, nobody);
    return path;
}

double seconds()
{
    timespec t {};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct ProgramRun {
    QByteArray err;      // what the program wrote on the standard error
    bool reached = false;
    int status = -1;     // its exit status; -1 when it had to be killed, 1000 + the signal that ended it
};

// Starts the launcher from "/" with env, waits until its standard error holds `until`, ends it
// with SIGTERM as a logout does and waits for it to end. Runs in the child of asOrdinaryUser.
ProgramRun runUntil(const QString& launcher, const std::vector<std::string>& env, const QByteArray& until)
{
    ProgramRun run;
    int err[2];
    if (::pipe2(err, O_CLOEXEC) != 0)
        return run;
    const std::string path = QFile::encodeName(launcher).toStdString();
    std::vector<char*> argv{const_cast<char*>(path.c_str()), nullptr};
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(err[1], 2);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(null, 1);
        if (::chdir("/") != 0)
            ::_exit(126);
        ::execve(path.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(err[1]);
    // Reads what comes until the deadline or the end of the pipe.
    auto readUntil = [&](double deadline, const std::function<bool()>& done) {
        char buffer[4096];
        while (!done()) {
            const double left = deadline - seconds();
            if (left <= 0)
                return;
            pollfd p{err[0], POLLIN, 0};
            if (::poll(&p, 1, int(left * 1000) + 1) <= 0)
                continue;
            const ssize_t n = ::read(err[0], buffer, sizeof buffer);
            if (n <= 0)
                return;
            run.err.append(buffer, n);
        }
    };
    // Generous: the sanitizer build on a loaded machine starts slowly.
    readUntil(seconds() + 180, [&] { return run.err.contains(until); });
    run.reached = run.err.contains(until);
    ::kill(pid, SIGTERM);
    readUntil(seconds() + 60, [] { return false; });
    ::close(err[0]);
    int status = 0;
    const double deadline = seconds() + 30;
    pid_t ended = 0;
    while ((ended = ::waitpid(pid, &status, WNOHANG)) == 0 && seconds() < deadline)
        ::usleep(20000);
    if (ended == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return run;
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
    return run;
}

class InstalledRun : public Installed {
protected:
    // Runs the installed program as an ordinary user until its standard error holds `until`.
    ProgramRun runAsUser(const QByteArray& until)
    {
        // The window watch stands outside the tree, readable by the user.
        const QString plugins = dir.filePath(QStringLiteral("plugins/generic"));
        EXPECT_TRUE(QDir().mkpath(plugins));
        EXPECT_TRUE(QFile::copy(QStringLiteral(WINDOW_WATCH), plugins + u'/' + QFileInfo(QStringLiteral(WINDOW_WATCH)).fileName()));
        home = userFolder(dir.filePath(QStringLiteral("home")));
        temp = userFolder(dir.filePath(QStringLiteral("temp")));
        std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen", "QT_QPA_GENERIC_PLUGINS=lxwindowwatch", "LC_ALL=C.UTF-8",
                                     "QT_PLUGIN_PATH=" + QFile::encodeName(dir.filePath(QStringLiteral("plugins"))).toStdString(),
                                     "HOME=" + QFile::encodeName(home).toStdString(), "TMPDIR=" + QFile::encodeName(temp).toStdString()};
        runtime = userFolder(dir.filePath(QStringLiteral("runtime")));
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env.push_back("XDG_RUNTIME_DIR=" + QFile::encodeName(runtime).toStdString());
        for (const char* name : {"PATH", "ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
            if (const char* value = std::getenv(name))
                env.push_back(std::string(name) + '=' + readableOptions(value));

        closeTree(prefix());
        const QMap<QString, QString> before = snapshot(prefix());
        ProgramRun run;
        const QByteArray line = lx::testing::asOrdinaryUser([&] {
            const ProgramRun r = runUntil(prefix() + QStringLiteral("/bin/loamix"), env, until);
            return QByteArray::number(r.status) + ' ' + (r.reached ? "1 " : "0 ") + r.err.toBase64();
        });
        EXPECT_FALSE(line.startsWith('!')) << line.toStdString();
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 3) {
            run.status = parts[0].toInt();
            run.reached = parts[1] == "1";
            run.err = QByteArray::fromBase64(parts[2]);
        }
        // Nothing written into the tree: no file changed, made or removed.
        const QMap<QString, QString> after = snapshot(prefix());
        for (auto it = after.begin(); it != after.end(); ++it)
            EXPECT_EQ(before.value(it.key()), it.value()) << "changed or made: " << qPrintable(it.key());
        for (auto it = before.begin(); it != before.end(); ++it)
            EXPECT_TRUE(after.contains(it.key())) << "removed: " << qPrintable(it.key());
        return run;
    }
    QString home, temp, runtime;

private:
    // A sanitizer's options with its suppressions file copied where the user can read it:
    // the sources may lie in a folder closed to "nobody", and a sanitizer that cannot read
    // its suppressions ends the program.
    std::string readableOptions(const char* options)
    {
        QStringList parts = QString::fromLocal8Bit(options).split(u':');
        for (QString& part : parts)
            if (part.startsWith(u"suppressions=")) {
                const QString copy = dir.filePath(QStringLiteral("suppressions-%1").arg(++copies));
                QFile::copy(part.mid(13), copy);
                part = QStringLiteral("suppressions=") + copy;
            }
        return parts.join(u':').toLocal8Bit().toStdString();
    }
    int copies = 0;
};

TEST_F(InstalledRun, StartsAsAnOrdinaryUserFromAReadOnlyTreeUpToItsMainWindowAndWritesNothingIntoIt)
{
    const ProgramRun run = runAsUser("shown main frmMDI");
    EXPECT_TRUE(run.reached) << run.err.toStdString();
    // A termination request ends it as closing its window does: its working copies go too.
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    for (const QString& folder : {runtime, temp})
        EXPECT_TRUE(QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) << qPrintable(folder);
}

TEST_F(InstalledRun, SaysWhichFileOfItsTreeIsMissing)
{
    const QString missing = program() + QStringLiteral("/Database/LXSandCIDC.lxr");
    ASSERT_TRUE(QFile::remove(missing));
    const ProgramRun run = runAsUser("cannot start");
    EXPECT_TRUE(run.reached) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QFile::encodeName(missing) + " is missing.")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("shown main")) << run.err.toStdString();
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
}

} // namespace
