#pragma once
// Helpers every test program shares: files written and read back, connection strings, the
// deferred deletes of closed windows, the format of a character, texts that must fit their
// widgets, and pictures of windows saved for a look.
#include "platform/Database.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QWidget>
#include <QtTest/qtestcase.h>

#include <sys/stat.h>

namespace lx::testing {

// Writes bytes to path, making its folder first; false when the file cannot be written whole.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The bytes of a file; "<missing>" when it cannot be read, so that a file never written
// does not pass for an empty one.
inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The type and permission bits of a path itself (a link is not followed); 0 when it is missing.
inline mode_t modeOf(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

// The connection string the program opens a database file with (password "mobkel" is the
// reference databases', "tarvinduso" the quiz files').
inline QString connectionTo(const QString& path, const QString& password = QStringLiteral("mobkel"), bool readOnly = false)
{
    return lx::ConnectionString::format(path, password, readOnly);
}
#ifdef LOAMIX_INSTALL_DIR
// An installed reference database ("LXSandCIDC.lxr", say).
inline QString installedConnection(const QString& file, bool readOnly = false)
{
    return connectionTo(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/") + file, QStringLiteral("mobkel"), readOnly);
}
#endif

// Deletes the windows that closed (deleteLater) without running the event loop.
inline void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// What an event loop would run next (a button's queued click, the keyboard's focus moves),
// what that sets going in turn, and the windows that closed gone.
inline void drain()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents();
        settle();
    }
}

// The format of the character at pos (the block's own format at its end).
inline QTextCharFormat formatAt(const QTextDocument& doc, int pos)
{
    const QTextBlock block = doc.findBlock(pos);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (pos >= f.position() && pos < f.position() + f.length())
            return f.charFormat();
    }
    return block.charFormat();
}

// What a window's visible labels and buttons do not show whole, one line each (empty when
// everything fits): a label's text must fit its box, wrapped where the label wraps; a button's
// caption must fit inside its frame (4 pixels each side).
inline QStringList clippedTexts(const QWidget* window)
{
    QStringList clipped;
    for (const QLabel* l : window->findChildren<QLabel*>()) {
        if (l->text().isEmpty() || !l->isVisibleTo(window) || l->textFormat() == Qt::RichText
            || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text())))
            continue;   // rich text lays itself out
        const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
        const QRect need = l->fontMetrics().boundingRect(QRect(0, 0, l->width(), 100000), flags, l->text());
        // Whole lines: the box measures fractional line heights rounded up.
        const int lines = qMax(1, qRound(need.height() / QFontMetricsF(l->font()).lineSpacing()));
        const int needHeight = (lines - 1) * l->fontMetrics().lineSpacing() + l->fontMetrics().height();
        if (need.width() > l->width() || needHeight > l->height())
            clipped << QStringLiteral("label %1 \"%2\": %3x%4 in %5x%6")
                           .arg(l->objectName(), l->text())
                           .arg(need.width())
                           .arg(needHeight)
                           .arg(l->width())
                           .arg(l->height());
    }
    for (const QPushButton* b : window->findChildren<QPushButton*>()) {
        if (b->text().isEmpty() || !b->isVisibleTo(window))
            continue;
        const int need = b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&'));
        if (need >= b->width() - 8)
            clipped << QStringLiteral("button %1 \"%2\": %3 in %4").arg(b->objectName(), b->text()).arg(need).arg(b->width());
    }
    return clipped;
}

// Every visible label and button of a window shows its text whole; in a Qt Test the failure
// names what is clipped (clippedTexts), and the test goes on.
inline bool checkLabelsFit(const QWidget* window)
{
    const QStringList clipped = clippedTexts(window);
    return QTest::qVerify(clipped.isEmpty(), "checkLabelsFit", qPrintable(clipped.join(u'\n')), __FILE__, __LINE__);
}

// Where pictures of windows go: $LOAMIX_SHOTS when it is set, else beside the test program.
inline QString shotFolder()
{
    const QString dir = qEnvironmentVariable("LOAMIX_SHOTS");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

// Saves a picture as name.png in the shot folder.
inline void saveShot(const QImage& picture, const QString& name)
{
    picture.save(QDir(shotFolder()).filePath(name + QStringLiteral(".png")));
}
// Saves what a window shows now.
inline void saveShot(QWidget* window, const QString& name) { saveShot(window->grab().toImage(), name); }

// The forms of one type among an area's child windows, in the area's order (oldest first).
template <typename Form>
QList<Form*> childForms(const QMdiArea* area)
{
    QList<Form*> found;
    for (QMdiSubWindow* sub : area->subWindowList())
        if (auto* f = qobject_cast<Form*>(sub->widget()))
            found << f;
    return found;
}

// Chooses a list entry as a student does: the entry is selected and the list's activated
// signal sent (the handler a window connects to it runs). False, after a warning naming the
// text, when the list holds no such entry: nothing is chosen. Callers check the result.
[[nodiscard]] inline bool choose(QComboBox* list, const QString& text)
{
    const int i = list->findText(text);
    if (i < 0) {
        qWarning("The list %s holds no entry \"%s\".", qPrintable(list->objectName()), qPrintable(text));
        return false;
    }
    list->setCurrentIndex(i);
    emit list->activated(i);
    return true;
}

} // namespace lx::testing
