#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/testing/ScriptedServices.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

using namespace lx;

TEST(ServicesTest, PipeFiltersBecomeQtFilters)
{
    struct C { const char* pipe; const char* qt; };
    const C cases[] = {
        {"Database files (*.lxq)|*.lxq", "Database files (*.lxq)"},
        {"Rich Text Format|*.rtf|All files|*.*", "Rich Text Format (*.rtf);;All files (*.*)"},
        {"Excel files (*.xls)|*.xls|Text Files (*.txt)|*.txt", "Excel files (*.xls);;Text Files (*.txt)"},
        {"Pictures|*.gif;*.jpg", "Pictures (*.gif *.jpg)"},
        {"", ""},
    };
    for (const C& c : cases)
        EXPECT_EQ(toQtFilter(QString::fromLatin1(c.pipe)), QString::fromLatin1(c.qt)) << c.pipe;
}

TEST(ServicesTest, ScriptedServicesReplaceAndRestoreTheRealOnes)
{
    MessageService* real = &messages();
    {
        lx::testing::ScriptedServices scripted;
        EXPECT_NE(&messages(), real);
        scripted.messages->msgsAnswers = {2};
        EXPECT_EQ(messages().msgs(2, QStringLiteral("T"), QStringLiteral("M"), {QStringLiteral("A"), QStringLiteral("B")}), 2);
        EXPECT_THROW(messages().msgs(1, QStringLiteral("T"), QStringLiteral("M"), {}), std::logic_error);
        scripted.random->values = {0.25f};
        EXPECT_EQ(lx::random().Rnd(), 0.25f);
        const float a = lx::random().Rnd();
        EXPECT_GE(a, 0.0f);
        EXPECT_LT(a, 1.0f);
    }
    EXPECT_EQ(displayText(QStringLiteral("a\rb\r\nc")), u"a\nb\nc");
}

TEST(ServicesTest, RealRandomSourceStaysInTheUnitInterval)
{
    resetServices();
    lx::random().Randomize(42);
    for (int i = 0; i < 10000; ++i) {
        const float v = lx::random().Rnd();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
}

namespace {
class OnceForm : public QWidget {};
}

TEST(ServicesTest, SingleInstanceIsMadeOnFirstUseAndForgottenWhenUnloaded)
{
    EXPECT_FALSE(SingleInstance<OnceForm>::exists());
    OnceForm& a = SingleInstance<OnceForm>::get();
    EXPECT_EQ(&SingleInstance<OnceForm>::get(), &a);
    SingleInstance<OnceForm>::unload();
    EXPECT_FALSE(SingleInstance<OnceForm>::exists());
    OnceForm* b = &SingleInstance<OnceForm>::get();
    delete b;   // a window that closes itself with WA_DeleteOnClose
    EXPECT_FALSE(SingleInstance<OnceForm>::exists());
}

TEST(ServicesTest, SingleInstanceUnloadsFromItsOwnHandlerAndScopesAModalBox)
{
    // From a handler of its own: gone for the registry at once, deleted afterwards.
    QPointer<OnceForm> a = &SingleInstance<OnceForm>::get();
    SingleInstance<OnceForm>::unloadLater(a);
    EXPECT_FALSE(SingleInstance<OnceForm>::exists());
    EXPECT_TRUE(a);
    OnceForm& fresh = SingleInstance<OnceForm>::get();
    EXPECT_NE(&fresh, a.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(a);
    EXPECT_TRUE(SingleInstance<OnceForm>::exists());
    // Forgetting another form leaves the instance alone.
    OnceForm other;
    SingleInstance<OnceForm>::forget(&other);
    EXPECT_EQ(SingleInstance<OnceForm>::peek(), &fresh);
    SingleInstance<OnceForm>::forget(&fresh);
    EXPECT_FALSE(SingleInstance<OnceForm>::exists());
    delete &fresh;

    // A box shown inside another's wait is the instance for its own scope only.
    OnceForm outer, inner;
    {
        SingleInstance<OnceForm>::Scope first(outer);
        EXPECT_EQ(SingleInstance<OnceForm>::peek(), &outer);
        {
            SingleInstance<OnceForm>::Scope second(inner);
            EXPECT_EQ(SingleInstance<OnceForm>::peek(), &inner);
        }
        EXPECT_EQ(SingleInstance<OnceForm>::peek(), &outer);
    }
    EXPECT_FALSE(SingleInstance<OnceForm>::exists());
}

TEST(ServicesTest, FileDialogsStartInTheFolderLastChosenWhileItExistsElseHome)
{
    const QString home = QDir::homePath();
    EXPECT_EQ(lx::fileDialogFolder(), home);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString week = dir.filePath(QStringLiteral("week 3"));
    lx::rememberFileDialogFolder(week + QStringLiteral("/points.txt"));
    EXPECT_EQ(lx::fileDialogFolder(), home);   // not there (yet)
    ASSERT_TRUE(QDir().mkdir(week));
    EXPECT_EQ(lx::fileDialogFolder(), week);
    lx::rememberFileDialogFolder(QString());   // a cancelled dialog
    EXPECT_EQ(lx::fileDialogFolder(), week);
    // Printing to a file proposes the same folder for a caption that names no file.
    EXPECT_EQ(lx::printFileProposal(QStringLiteral("Document 1")), week + QStringLiteral("/Document 1.pdf"));
    ASSERT_TRUE(QDir(week).removeRecursively());
    EXPECT_EQ(lx::fileDialogFolder(), home);
    EXPECT_EQ(lx::printFileProposal(QStringLiteral("Document 1")), QDir(home).filePath(QStringLiteral("Document 1.pdf")));
}

TEST(ServicesTest, PrintingProposesAWritableFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString home = QDir::homePath();
    const QString readOnly = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(readOnly));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool locked = !QFileInfo(readOnly).isWritable();   // root writes anywhere
    const struct {
        QString docName;
        QString proposal;
    } cases[] = {
        {dir.filePath(QStringLiteral("notes.rtf")), dir.filePath(QStringLiteral("notes.pdf"))},
        {dir.filePath(QStringLiteral("week 3.notes.txt")), dir.filePath(QStringLiteral("week 3.notes.pdf"))},
        {readOnly + QStringLiteral("/notes.rtf"),
         locked ? QDir(home).filePath(QStringLiteral("notes.pdf")) : readOnly + QStringLiteral("/notes.pdf")},
        {QStringLiteral("Document 1"), QDir(home).filePath(QStringLiteral("Document 1.pdf"))},
        {QStringLiteral("Load/Stress"), QDir(home).filePath(QStringLiteral("Load-Stress.pdf"))},
        {QString(), QDir(home).filePath(QStringLiteral("print.pdf"))},
    };
    for (const auto& c : cases) {
        const QString proposal = lx::printFileProposal(c.docName);
        EXPECT_EQ(proposal, c.proposal) << qPrintable(c.docName);
        // Never the home folder glued to an absolute path.
        EXPECT_FALSE(proposal.contains(QStringLiteral("//"))) << qPrintable(proposal);
    }
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
