// The real file dialog and message box, clicked offscreen: the dialog is Qt's own, takes
// the converted filter, and never asks its own overwrite question.
#include "platform/Services.h"

#include <QApplication>
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

class tst_RealDialogs : public QObject {
    Q_OBJECT
private slots:
    void saveDialogReturnsTheTypedPathWithoutAnOverwriteQuestion()
    {
        QTemporaryDir dir;
        const QString existing = dir.filePath(QStringLiteral("points.txt"));
        QFile f(existing);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
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
