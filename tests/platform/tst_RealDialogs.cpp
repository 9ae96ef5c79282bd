// The real file dialog and message box, clicked offscreen: the dialog is Qt's own, takes
// the converted filter, and never asks its own overwrite question.
#include "platform/Services.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
// An empty file for a dialog to choose.
bool makeEmptyFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}
} // namespace

class tst_RealDialogs : public QObject {
    Q_OBJECT
private slots:
    void saveDialogReturnsTheTypedPathWithoutAnOverwriteQuestion()
    {
        QTemporaryDir dir;
        const QString existing = dir.filePath(QStringLiteral("points.txt"));
        QVERIFY(makeEmptyFile(existing));
        QStringList filtersSeen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
            filtersSeen = dialog->nameFilters();
            dialog->selectFile(existing);
            static_cast<QDialog*>(dialog)->accept();
        });
        lx::FileDialogRequest r;
        r.title = QStringLiteral("Save Data As");
        r.filter = QStringLiteral("Excel files (*.xls)|*.xls|Text Files (*.txt)|*.txt");
        r.filterIndex = 2;
        const QString chosen = lx::fileDialogs().saveFile(r);
        QCOMPARE(chosen, existing);
        QCOMPARE(filtersSeen, (QStringList{QStringLiteral("Excel files (*.xls)"), QStringLiteral("Text Files (*.txt)")}));
    }

    void dialogsStartInTheFolderLastChosenElseHomeKeepingTheProposedName()
    {
        QCOMPARE(lx::fileDialogFolder(), QDir::homePath());
        QTemporaryDir dir;
        const QString opened = dir.filePath(QStringLiteral("notes.rtf"));
        QVERIFY(makeEmptyFile(opened));
        QStringList started;
        QString nameShown;
        auto answer = [&](const QString& file) {
            QTimer::singleShot(0, [&, file] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                started << dialog->directory().absolutePath();
                if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    nameShown = name->text();
                if (file.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->selectFile(file);
                static_cast<QDialog*>(dialog)->accept();
            });
        };
        answer(opened);
        QCOMPARE(lx::fileDialogs().openFile({QStringLiteral("Open"), QStringLiteral("All Files (*.*)|*.*"), {}, 1}), opened);
        // A cancelled dialog leaves the folder as it was.
        answer(QString());
        QVERIFY(lx::fileDialogs().saveFile({QStringLiteral("Save"), QStringLiteral("All Files (*.lxq)|*.lxq"), QStringLiteral("Smith_Ann.lxq"), 1})
                    .isEmpty());
        QCOMPARE(nameShown, QStringLiteral("Smith_Ann.lxq"));
        answer(dir.filePath(QStringLiteral("Smith_Ann.lxq")));
        QCOMPARE(lx::fileDialogs().saveFile({QStringLiteral("Save"), QStringLiteral("All Files (*.lxq)|*.lxq"), QStringLiteral("Smith_Ann.lxq"), 1}),
                 dir.filePath(QStringLiteral("Smith_Ann.lxq")));
        QCOMPARE(started, (QStringList{QDir::homePath(), dir.path(), dir.path()}));
    }

    void cancellingGivesAnEmptyPath()
    {
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        QVERIFY(lx::fileDialogs().openFile({QStringLiteral("Open Quiz"), QStringLiteral("Database files (*.lxq)|*.lxq"), {}, 1}).isEmpty());
    }

    void messageBoxAnswersYesNo()
    {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->text(), QStringLiteral("line one\nline two"));
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(lx::messages().msgBox(QStringLiteral("line one\rline two"), lx::vbYesNo | lx::vbQuestion, QStringLiteral("Loa-mix")),
                 int(lx::vbNo));
    }

    void printDialogShowsTheProposedFileAndRange()
    {
        QTemporaryDir dir;
        const QString proposal = dir.filePath(QStringLiteral("notes.pdf"));
        QString fileShown;
        bool rangeChosen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
                fileShown = file->text();
            if (auto* range = dialog->findChild<QRadioButton*>(QStringLiteral("printRange")))
                rangeChosen = range->isChecked();
            dialog->reject();
        });
        QPrinter printer;
        printer.setDocName(dir.filePath(QStringLiteral("notes.rtf")));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(1, 3);
        lx::PrintDialogRequest request;
        request.title = QStringLiteral("Print Document");
        request.outputFile = proposal;
        QVERIFY(!lx::printers().choosePrinter(printer, request));
        QCOMPARE(fileShown, proposal);
        QVERIFY(rangeChosen);
    }
};

QTEST_MAIN(tst_RealDialogs)
#include "tst_RealDialogs.moc"
