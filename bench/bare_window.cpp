// The yardstick of the start-up benchmark: the least a Qt 6 program with a main window and a
// menu bar does before its window shows.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.menuBar()->addMenu(QStringLiteral("&Help"));
    window.setCentralWidget(new QLabel(QStringLiteral("Bare window")));
    window.resize(800, 200);
    window.show();
    return app.exec();
}
