// The floor any Qt program stands on, for the benchmark's figures on Linux and Windows: a
// window holding one label, built against the same Qt as the program, saying on stderr
// when it has first painted.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                std::fprintf(stderr, "floor: painted\n");
                std::fflush(stderr);
            });
        }
        return false;
    }

private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint watch;
    app.installEventFilter(&watch);
    QLabel label(QStringLiteral("Quillmark"));
    label.show();
    return app.exec();
}
