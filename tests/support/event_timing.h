#pragma once
// An application that times each event it hands out (the outermost delivery only, so a
// click that sends further events inside its handler counts once, whole). The long runs
// and the benchmark use it to find the slowest single thing the program does.

#include <QApplication>
#include <QString>

namespace qm::test {

class TimedApplication final : public QApplication {
public:
    TimedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;

    // The slowest delivery since the last reset, and what it was.
    double slowestMs() const { return slowestMs_; }
    const QString& slowest() const { return slowest_; }
    void resetSlowest() {
        slowestMs_ = 0;
        slowest_.clear();
    }
    static TimedApplication* instance() { return dynamic_cast<TimedApplication*>(QCoreApplication::instance()); }

private:
    int depth_ = 0;
    double slowestMs_ = 0;
    QString slowest_;
};

}  // namespace qm::test
