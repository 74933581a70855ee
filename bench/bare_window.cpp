// The yardstick for the start-up benchmark: an empty Qt window with the main
// window's client size, built with the program's flags and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(524, 456);
    window.show();
    return QApplication::exec();
}
