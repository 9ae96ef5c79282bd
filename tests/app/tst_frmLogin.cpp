// The login window against a user list packed into a temporary working-copy folder.
#include "frmLogin.h"

#include "basGlobal.h"

#include "DataPacker.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using lx::testing::saveShot;
using lx::testing::checkLabelsFit;
using lx::testing::writeFile;

namespace {

// Packs a user list with the given table into folder/Users.lxu.
void packUsers(const QString& folder, const QByteArray& schema, const QByteArray& csvName, const QByteArray& csv,
               const QString& password = QStringLiteral("mobkel"))
{
    QTemporaryDir source;
    QVERIFY(writeFile(source.filePath(QStringLiteral("schema.sql")), schema));
    QVERIFY(writeFile(source.filePath(QString::fromLatin1(csvName)), csv));
    lx::pack::packDatabase(source.path(), password, QDir(folder).filePath(QStringLiteral("Users.lxu")));
}

const QByteArray MemberSchema = "CREATE TABLE MemberInfo (UserName TEXT COLLATE NOCASE, Password TEXT);\n";
const QByteArray Members = "UserName,Password\n"
                           "student,soil123\n"
                           "O'Brien,it's\n"
                           "guest,\"\"\n";

} // namespace

class tst_frmLogin : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    std::unique_ptr<lx::testing::ScriptedServices> scripted;

    // Types into both boxes and presses OK with the mouse.
    static void logIn(frmLogin& w, const QString& user, const QString& password)
    {
        w.txtUserName->clear();
        w.txtPassword->clear();
        QTest::keyClicks(w.txtUserName, user);
        QTest::keyClicks(w.txtPassword, password);
        QTest::mouseClick(w.cmdOK, Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        QVERIFY(temp.isValid());
        packUsers(temp.path(), MemberSchema, "MemberInfo.csv", Members);
    }

    void init()
    {
        scripted = std::make_unique<lx::testing::ScriptedServices>();
        basGlobal::ResetFrameState();
        basGlobal::TempPath = temp.path() + u'/';
    }
    void cleanup()
    {
        basGlobal::ResetFrameState();
        scripted.reset();
    }

    void connectionStringAndLayout()
    {
        QCOMPARE(frmLogin::connectionString(),
                 QStringLiteral("DBQ={") + temp.path()
                     + QStringLiteral("/Users.lxu};Driver={Microsoft Access Driver (*.mdb)};Pwd=mobkel;READONLY=True"));
        frmLogin w;
        QVERIFY(w.isLoaded());
        QVERIFY(scripted->messages->msgBoxCalls.empty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Login"));
        QCOMPARE(w.size(), QSize(lx::tw(4455), lx::tw(1605)));
        QCOMPARE(w.txtPassword->echoMode(), QLineEdit::Password);
        struct Expect { QWidget* w; QString text; QRect rect; QString tip; };
        const Expect expected[] = {
            {w.lblLabels[0], "&User Name:", lx::twRect(345, 150, 1080, 255), "User: Put Your NetID"},
            {w.txtUserName, "", lx::twRect(1545, 135, 2325, 285), "User: Enter Loa-mix user ID"},
            {w.lblLabels[1], "&Password:", lx::twRect(345, 540, 1080, 255), "Password: Leave Empty"},
            {w.txtPassword, "", lx::twRect(1545, 525, 2325, 285), "Enter Loa-mix Password"},
            {w.cmdOK, "OK", lx::twRect(240, 1080, 1215, 375), "Validate and Login"},
            {w.cmdCancel, "Cancel", lx::twRect(1680, 1080, 1215, 375), "Exit, Press F1 for Help"},
            {w.cmdHelp, "Help", lx::twRect(3120, 1080, 1095, 375), ""},
        };
        for (const Expect& e : expected) {
            QCOMPARE(e.w->geometry(), e.rect);
            QCOMPARE(e.w->toolTip(), e.tip);
            if (auto* l = qobject_cast<QLabel*>(e.w)) {
                QCOMPARE(l->text(), e.text);
            } else if (auto* b = qobject_cast<QPushButton*>(e.w)) {
                QCOMPARE(b->text(), e.text);
            }
        }
        checkLabelsFit(&w);
        w.show();
        QApplication::setActiveWindow(&w);
        w.txtUserName->setFocus();
        for (QWidget* next : std::initializer_list<QWidget*>{w.txtPassword, w.cmdOK, w.cmdCancel, w.cmdHelp, w.txtUserName}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClicks(w.txtUserName, QStringLiteral("student"));
        QTest::keyClicks(w.txtPassword, QStringLiteral("soil123"));
        // The password box shows one "*" per character.
        QCOMPARE(w.txtPassword->displayText(), QStringLiteral("*******"));
        saveShot(&w, QStringLiteral("frmLogin"));
    }

    void checksTheTypedTextsLiterally_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("a member") << "student" << "soil123" << true;
        QTest::newRow("wrong password") << "student" << "soil12" << false;
        QTest::newRow("password of another") << "guest" << "soil123" << false;
        QTest::newRow("quotes matched as written") << "O'Brien" << "it's" << true;
        QTest::newRow("quote alone") << "O'Brien" << "'" << false;
        QTest::newRow("injection in the password") << "student" << "' OR '1'='1" << false;
        QTest::newRow("injection in the name") << "' OR 1=1 --" << "" << false;
        QTest::newRow("trailing blank not trimmed") << "student " << "soil123" << false;
        QTest::newRow("empty password of a member") << "guest" << "" << true;
        QTest::newRow("both empty without such a row") << "" << "" << false;
    }

    void checksTheTypedTextsLiterally()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        frmLogin w;
        w.show();
        logIn(w, user, password);
        QCOMPARE(w.OK, accepted);
        QCOMPARE(w.isVisible(), !accepted);
        if (accepted) {
            QVERIFY(scripted->messages->msgBoxCalls.empty());
            QCOMPARE(basGlobal::CurrentUserName, user);
            QCOMPARE(w.result(), int(QDialog::Accepted));
            QVERIFY2(!w.isLoaded(), "the connection closes with the window");
        } else {
            QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(1));
            QCOMPARE(scripted->messages->msgBoxCalls[0].text, QStringLiteral("Invalid user name/password."));
            QCOMPARE(scripted->messages->msgBoxCalls[0].style, int(lx::vbOKOnly));
            QCOMPARE(scripted->messages->msgBoxCalls[0].title, QStringLiteral("Loa-mix"));
            QVERIFY(basGlobal::CurrentUserName.isEmpty());
            // Both boxes keep what was typed.
            QCOMPARE(w.txtUserName->text(), user);
            QCOMPARE(w.txtPassword->text(), password);
        }
    }

    void enterChecksOnceAndEscapeCancels()
    {
        frmLogin w;
        w.show();
        QTest::keyClicks(w.txtUserName, QStringLiteral("student"));
        QTest::keyClick(w.txtUserName, Qt::Key_Return);
        QTest::keyClick(w.txtPassword, Qt::Key_Enter);
        QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(2));
        QVERIFY(w.isVisible());

        QTest::keyClick(w.txtPassword, Qt::Key_Escape);
        QVERIFY(!w.OK);
        QVERIFY(!w.isVisible());
        QVERIFY2(w.isLoaded(), "Cancel hides the window and keeps it loaded");

        // Two failures, then the right password.
        w.show();
        logIn(w, QStringLiteral("student"), QStringLiteral("x"));
        logIn(w, QStringLiteral("Student"), QStringLiteral("y"));
        w.txtPassword->setText(QStringLiteral("soil123"));
        QTest::keyClick(w.txtPassword, Qt::Key_Return);
        QVERIFY(w.OK);
        QCOMPARE(basGlobal::CurrentUserName, QStringLiteral("Student"));
        QCOMPARE(scripted->messages->msgBoxCalls.size(), size_t(4));
    }

    void helpShowsTheLoginTopicWithoutTheWaitBox()
    {
        frmLogin w;
        QTest::mouseClick(w.cmdHelp, Qt::LeftButton);
        QCOMPARE(scripted->help->shown.size(), size_t(1));
        QCOMPARE(scripted->help->shown[0].topic, QStringLiteral("/html/Login.htm"));
        QCOMPARE(QDir(scripted->help->shown[0].folder).dirName(), QStringLiteral("Help"));
    }

    void anUnreadableUserListIsReportedAndNeverLogsIn_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("missing") << "missing";
        QTest::newRow("not a database") << "junk";
        QTest::newRow("another password") << "password";
        QTest::newRow("no MemberInfo table") << "table";
    }

    void anUnreadableUserListIsReportedAndNeverLogsIn()
    {
        QFETCH(QString, what);
        QTemporaryDir folder;
        basGlobal::TempPath = folder.path() + u'/';
        if (what == u"junk")
            QVERIFY(writeFile(folder.filePath(QStringLiteral("Users.lxu")), QByteArray(4096, 'x')));
        else if (what == u"password")
            packUsers(folder.path(), MemberSchema, "MemberInfo.csv", Members, QStringLiteral("other1"));
        else if (what == u"table")
            packUsers(folder.path(), "CREATE TABLE Members (UserName TEXT, Password TEXT);\n", "Members.csv",
                      "UserName,Password\nstudent,soil123\n");

        frmLogin w;
        auto& calls = scripted->messages->msgBoxCalls;
        if (what == u"table") {
            // The file opens; the check itself fails, and says so.
            QVERIFY(w.isLoaded());
            w.show();
            logIn(w, QStringLiteral("student"), QStringLiteral("soil123"));
            QVERIFY(w.isVisible());
        } else {
            QVERIFY(!w.isLoaded());
            QCOMPARE(calls.size(), size_t(1));
            QVERIFY2(calls[0].text.contains(u"Users.lxu"), qPrintable(calls[0].text));
            // The window never comes up, and a modal show returns at once.
            QCOMPARE(w.exec(), int(QDialog::Rejected));
            w.show();
            QVERIFY(!w.isVisible());
            w.cmdOK_Click();
        }
        QVERIFY(!w.OK);
        QVERIFY(basGlobal::CurrentUserName.isEmpty());
        QVERIFY(!calls.empty());
        QCOMPARE(calls.back().style, int(lx::vbCritical));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Users.lxu"))) == (what == u"missing"));
    }
};

QTEST_MAIN(tst_frmLogin)
#include "tst_frmLogin.moc"
