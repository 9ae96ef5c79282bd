// genpictures --manifest FILE --install DIR --forms DIR [--contact-sheets DIR]   (or --list)
// genpictures --desktop-icons DIR --icon-name NAME --icon-sizes 16,32,...
// Draws every picture the program installs (under DIR/pictures) and the pictures its
// windows keep as resources (under the forms folder). The manifest lists the files
// the build expects; a drawing missing from it, or a listed file nobody draws, is an
// error, so the two can never drift apart.
#include "Registry.h"

#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QString manifest, install, forms, sheets, desktopIcons, iconName, iconSizes;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--manifest") manifest = args[i + 1];
        else if (args[i] == u"--install") install = args[i + 1];
        else if (args[i] == u"--forms") forms = args[i + 1];
        else if (args[i] == u"--contact-sheets") sheets = args[i + 1];
        else if (args[i] == u"--desktop-icons") desktopIcons = args[i + 1];
        else if (args[i] == u"--icon-name") iconName = args[i + 1];
        else if (args[i] == u"--icon-sizes") iconSizes = args[i + 1];
    }
    const genpictures::Pictures all = genpictures::allPictures();
    if (!desktopIcons.isEmpty()) {
        QList<int> sizes;
        for (const QString& s : iconSizes.split(u',', Qt::SkipEmptyParts)) {
            bool ok = false;
            const int n = s.toInt(&ok);
            if (!ok || n < 16 || n > 512) {
                std::fprintf(stderr, "genpictures: not an icon size: %s\n", qPrintable(s));
                return 2;
            }
            sizes.append(n);
        }
        if (iconName.isEmpty() || sizes.isEmpty()) {
            std::fprintf(stderr, "usage: genpictures --desktop-icons DIR --icon-name NAME --icon-sizes 16,32,...\n");
            return 2;
        }
        const QString error = genpictures::writeDesktopIcons(all, desktopIcons, iconName, sizes);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "genpictures: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    if (args.contains(QStringLiteral("--list"))) {
        // path, size, format, window: the table of the README.
        const char* formats[] = {"GIF", "JPEG", "ICO", "PNG"};
        for (const auto& p : all)
            std::printf("| `%s` | %d x %d | %s | %s |\n", qPrintable(p.path), p.size.width(), p.size.height(),
                        formats[int(p.format)], qPrintable(p.usedBy));
        return 0;
    }
    if (install.isEmpty() || forms.isEmpty()) {
        std::fprintf(stderr, "usage: genpictures --manifest FILE --install DIR --forms DIR [--contact-sheets DIR] | --list\n");
        return 2;
    }

    if (!manifest.isEmpty()) {
        QFile f(manifest);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "genpictures: cannot read %s\n", qPrintable(manifest));
            return 1;
        }
        QSet<QString> listed, drawn;
        QTextStream in(&f);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (!line.isEmpty() && !line.startsWith(u'#')) listed.insert(line);
        }
        for (const auto& p : all) {
            if (drawn.contains(p.path)) {
                std::fprintf(stderr, "genpictures: %s is drawn twice\n", qPrintable(p.path));
                return 1;
            }
            drawn.insert(p.path);
        }
        bool same = true;
        for (const QString& s : listed - drawn) {
            std::fprintf(stderr, "genpictures: listed but not drawn: %s\n", qPrintable(s));
            same = false;
        }
        for (const QString& s : drawn - listed) {
            std::fprintf(stderr, "genpictures: drawn but not listed: %s\n", qPrintable(s));
            same = false;
        }
        if (!same) return 1;
    }
    {
        for (const auto& p : all) {
            const QString error = genpictures::writePicture(p, install, forms);
            if (!error.isEmpty()) {
                std::fprintf(stderr, "genpictures: %s\n", qPrintable(error));
                return 1;
            }
        }
    }
    if (!sheets.isEmpty()) {
        const QString error = genpictures::writeContactSheets(all, install, forms, sheets);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "genpictures: %s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
