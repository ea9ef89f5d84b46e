// A restless pupil on every screen: a short set of seeds, each a few thousand events of
// clicks, drags, keys, waits, menus brought forward and exits, with the checks of what must
// always hold after every event. The long run is tools/robustness.sh.

#include <QtTest>

#include "monkey.h"

using namespace qm::test;

class RobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void restlessPupil_data() {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("events");
        const int events = qEnvironmentVariableIntValue("QM_ROBUSTNESS_EVENTS");
        for (quint64 seed : {1ull, 2ull, 3ull, 4ull, 5ull, 6ull})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << (events > 0 ? events : 2500);
    }
    void restlessPupil() {
        QFETCH(quint64, seed);
        QFETCH(int, events);
        Monkey monkey(seed);
        monkey.run(events);
        const MonkeyFindings& f = monkey.findings();
        QVERIFY2(f.brokenCount == 0, qPrintable(f.broken.join(QLatin1Char('\n'))));
        QCOMPARE(f.events, qint64(events));
        // The walk must have done what it is for: opened exercises, dragged, clicked, waited.
        QVERIFY2(f.screens.size() >= 3, qPrintable(QStringList(f.screens.keys()).join(u' ')));
        QVERIFY(f.kinds.value(QStringLiteral("click")) > events / 5);
        QVERIFY(f.kinds.value(QStringLiteral("drag")) > events / 20);
        QVERIFY(f.kinds.value(QStringLiteral("key")) > events / 10);
        QVERIFY(f.kinds.value(QStringLiteral("time")) > events / 5);
    }

    // The same seed walks the same way.
    void repeatable() {
        Monkey a(42), b(42);
        a.run(600);
        b.run(600);
        QCOMPARE(a.findings().kinds, b.findings().kinds);
        QCOMPARE(a.findings().screens, b.findings().screens);
        QCOMPARE(a.findings().runsEnded, b.findings().runsEnded);
    }
};

QTEST_MAIN(RobustnessTest)
#include "test_robustness.moc"
