// The yardstick for the start-up benchmark: the least a Qt program that shows
// any text pays. A window with the main window's client size holding one
// label with a line of text, built with the program's flags, nothing else.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("label window"));
    window.setFixedSize(524, 456);
    const QLabel label(QStringLiteral("Take the test now and understand your romance better!"),
                       &window);
    window.show();
    return QApplication::exec();
}
