// The yardsticks for bench_app: a minimal Qt Widgets program showing one empty window,
// or, with "--text", one window with a single line of text (which has to set up fonts).
#include "FirstPaintReporter.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FirstPaintReporter reporter;
    QLabel window;
    if (QApplication::arguments().contains("--text"))
        window.setText("Morvi");
    window.installEventFilter(&reporter);
    window.show();
    return application.exec();
}
