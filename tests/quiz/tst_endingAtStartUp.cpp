// A termination request while the start-up quiz question shows: the program ends from the
// box's loop, opens no window or dialog after it and removes its folder of working copies.
// A program of its own: the request is for the whole process and cannot be taken back.
#include "FrameFixture.h"
#include "app/basGlobal.h"
#include "app/dlgMesseges.h"
#include "app/frmMDI.h"
#include "platform/TerminationSignals.h"
#include "platform/testing/ScriptedServices.h"

#include <QApplication>
#include <QTest>

#include <csignal>

namespace {

// Sends SIGTERM when the quiz question shows, and names every window shown after it.
class Terminator : public QObject {
public:
    int questions = 0;
    QString folder;   // the folder of working copies while the question showed
    QStringList shownAfter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* w = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && w && w->isWindow()) {
            auto* box = qobject_cast<dlgMesseges*>(w);
            if (questions == 0 && box && box->lblTitle->text() == QStringLiteral("Quiz Option")) {
                ++questions;
                folder = basGlobal::TempPath;
                ::raise(SIGTERM);
            } else if (questions > 0) {
                shownAfter << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->windowTitle();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class tst_endingAtStartUp : public QObject {
    Q_OBJECT

private slots:
    void sigtermDuringTheQuizQuestionEndsTheProgram()
    {
        fixture::InstallTree tree;
        lx::testing::ScriptedServices scripted;
        basGlobal::ResetFrameState();
        basGlobal::InstallQuizHooks();
        lx::quitOnTerminationSignals();
        Terminator terminator;
        qApp->installEventFilter(&terminator);

        QCOMPARE(basGlobal::Run(), 0);
        qApp->removeEventFilter(&terminator);

        QCOMPARE(terminator.questions, 1);
        QVERIFY(lx::terminationRequested());
        QVERIFY2(terminator.shownAfter.isEmpty(), qPrintable(terminator.shownAfter.join(u'\n')));
        // Not read as "Open": no file dialog, no further question, no quiz, no guidance.
        QVERIFY(scripted.files->openCalls.empty());
        QVERIFY(scripted.files->saveCalls.empty());
        QVERIFY(scripted.messages->msgBoxCalls.empty());
        QVERIFY(!basGlobal::MainForm);
        QVERIFY(basGlobal::QuizFileConnection.isEmpty());
        QVERIFY(terminator.folder.startsWith(tree.tmp.path()));
        QVERIFY(!QFileInfo::exists(terminator.folder));
        QVERIFY(QDir(tree.tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_MAIN(tst_endingAtStartUp)
#include "tst_endingAtStartUp.moc"
