// The program's entry: hands over to the frame's start-up.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Loamix"));
    window.setCentralWidget(new QMdiArea(&window));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
