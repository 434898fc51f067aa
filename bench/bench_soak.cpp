// A long soak under random faults; prints its figures.
//   bench_soak [--actions N] [--seed S] [--timeout MS]
#include "Soak.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"actions", "Actions to run (default 5000).", "N", "5000"},
                       {"seed", "The faults' seed (default 1).", "S", "1"},
                       {"timeout", "The client's bound on each wait (default 400).", "MS", "400"}});
    parser.process(app);
    SoakOptions options;
    options.actions = parser.value("actions").toInt();
    options.seed = parser.value("seed").toUInt();
    options.timeoutMs = parser.value("timeout").toInt();
    options.tolvoctl = TOLVOCTL_PATH;
    SoakFigures figures;
    if (!RunSoak(options, figures)) {
        std::fprintf(stderr, "bench_soak: the simulator did not start\n");
        return 2;
    }
    std::printf("%s", qPrintable(figures.Report()));
    for (const QString& evidence : figures.evidence)
        std::printf("%s", qPrintable(evidence));
    return figures.violations.isEmpty() ? 0 : 1;
}
