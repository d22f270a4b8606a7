// A bare Qt Widgets window for comparing idle memory with the client's main
// window: two text boxes, a list and a menu, nothing of the program's own.
// bench/e2e/idle_memory.sh starts it the way it starts the client.
#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* client = new QWidget(&window);
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(new QPlainTextEdit(client));
    auto* list = new QComboBox(client);
    list->addItems({QStringLiteral("English to Spanish"), QStringLiteral("Spanish to English")});
    layout->addWidget(list);
    layout->addWidget(new QPlainTextEdit(client));
    window.setCentralWidget(client);
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("&Exit")), &QAction::triggered, &app,
                     &QApplication::quit);
    window.resize(400, 300);
    window.show();
    return app.exec();
}
