// The floor any Qt program stands on, for the Windows figures: a window holding one label,
// built against the same Qt as quillmark.exe, saying on stderr when it has first painted.
// (On Linux the benchmark carries the same window itself, as qm_bench --floor.)

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
