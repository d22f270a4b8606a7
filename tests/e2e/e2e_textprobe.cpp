// Draws a text the way the main window's status line draws it, so that the
// whole-program tests can look for that text in a screenshot: Qt shows the
// status line to the user only as pixels.
#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: e2e_textprobe TEXT OUT.png\n");
        return 2;
    }
    QStatusBar bar;
    auto* label = new QLabel(QString::fromUtf8(argv[1]), &bar);
    bar.addWidget(label, 1);
    bar.setSizeGripEnabled(false);
    bar.resize(label->sizeHint().width() + 40, bar.sizeHint().height());
    return bar.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
