// gennotes: writes the rich-text notes of a slide show from their readable sources. A source
// NoteK.txt holds the note's heading on its first line and its body after it; the note
// NoteK.rtf gets the heading bold and underlined in dark red Arial 10 pt and the body in navy
// in the notes' script face, one paragraph each. A source without a heading or a body stops
// the build with its name.
//
//   gennotes --out DIR SOURCE...
#include "platform/rtf/Rtf.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

// The face the notes' bodies name; the program maps it to an installed script face.
const char* const BodyFace = "Lucida Handwriting";

QByteArray noteRtf(const QString& heading, const QString& body)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat head;
    head.setFontFamilies({QStringLiteral("Arial")});
    head.setFontPointSize(10);
    head.setFontWeight(QFont::Bold);
    head.setFontUnderline(true);
    head.setForeground(QColor(128, 0, 0));
    c.insertText(heading, head);
    QTextCharFormat text;
    text.setFontFamilies({QString::fromLatin1(BodyFace)});
    text.setFontPointSize(10);
    text.setForeground(QColor(0, 0, 128));
    c.insertBlock(QTextBlockFormat(), text);
    c.insertText(body, text);
    return lx::writeRtf(doc);
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application; the build has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("out"), QStringLiteral("Folder of the notes."), QStringLiteral("dir")});
    parser.addPositionalArgument(QStringLiteral("sources"), QStringLiteral("NoteK.txt files."));
    parser.process(app);
    const QString out = parser.value(QStringLiteral("out"));
    int failures = 0;
    for (const QString& source : parser.positionalArguments()) {
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(source), qPrintable(in.errorString()));
            ++failures;
            continue;
        }
        const QString text = QString::fromUtf8(in.readAll()).trimmed();
        const qsizetype eol = text.indexOf(u'\n');
        const QString heading = text.left(eol).trimmed();
        const QString body = eol < 0 ? QString() : text.mid(eol + 1).simplified();
        if (heading.isEmpty() || body.isEmpty()) {
            std::fprintf(stderr, "%s: a note needs a heading line and a body\n", qPrintable(source));
            ++failures;
            continue;
        }
        QSaveFile file(out + u'/' + QFileInfo(source).completeBaseName() + QStringLiteral(".rtf"));
        if (!file.open(QIODevice::WriteOnly) || file.write(noteRtf(heading, body)) < 0 || !file.commit()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
