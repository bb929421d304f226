// The smallest Qt window of the game's size: the yardstick for the game's start-up time and memory.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare 759x569"));
    window.setFixedSize(759, 569);
    window.show();
    return QApplication::exec();
}
