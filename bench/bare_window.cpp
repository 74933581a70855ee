// The start-up benchmark's second yardstick: an empty Qt window with the main
// window's client size, built with the program's flags and nothing else. It
// shows what drawing text adds even to the label window.
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
