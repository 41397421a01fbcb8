#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Velnor");
    QApplication::setApplicationName("Morvi");
    QLabel window("Morvi");
    window.setWindowTitle("Morvi");
    window.setMinimumSize(600, 700);
    window.show();
    return app.exec();
}
