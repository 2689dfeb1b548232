// The yardstick for kora's start-up: the smallest Qt Widgets main window, started the same way.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdlib>

int main(int argc, char** argv) {
    const long long launch = argc > 1 ? std::atoll(argv[1]) : FirstPaint::nowNs();
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.resize(980, 700);
    FirstPaint probe(launch);
    app.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
