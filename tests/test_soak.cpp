// A short soak under random faults (TOLVO_SOAK_ACTIONS and TOLVO_SOAK_SEED
// change its length and seed; bench/soak runs long ones).
#include "Soak.h"

#include <QtTest>

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void noFaultPutsAWrongValueOnAPageOrADevice()
    {
        SoakOptions options;
        options.actions = qEnvironmentVariableIsSet("TOLVO_SOAK_ACTIONS")
                              ? qEnvironmentVariableIntValue("TOLVO_SOAK_ACTIONS")
                              : 200;
        options.seed = qEnvironmentVariableIsSet("TOLVO_SOAK_SEED")
                           ? quint32(qEnvironmentVariableIntValue("TOLVO_SOAK_SEED"))
                           : 1;
        options.tolvoctl = TOLVOCTL_PATH;
        SoakFigures figures;
        QVERIFY(RunSoak(options, figures));
        qInfo().noquote() << figures.Report();
        QVERIFY2(figures.violations.isEmpty(), qPrintable(figures.violations.join('\n')));
        // The run met every kind of action and most kinds of fault.
        QCOMPARE(figures.actions.size(), std::size_t(4));
        QVERIFY(figures.faultsStruck.size() >= 6);
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
