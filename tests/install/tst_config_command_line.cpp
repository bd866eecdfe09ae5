#include "ConfigOptions.h"

#include <QtTest>

// rezar-config's own options are taken off its command line; the rest is handed to QApplication
// unchanged and in order.
class TestConfigCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<QStringList>("qtArgs");
        QTest::addColumn<QString>("error");
        const int run = ConfigCommandLine::Run, help = ConfigCommandLine::Help,
                  version = ConfigCommandLine::Version, usage = ConfigCommandLine::UsageError;
        QTest::newRow("nothing") << QStringList() << run << "" << "" << QStringList() << "";
        QTest::newRow("port") << QStringList{"--port", "/dev/ttyUSB0"} << run << "/dev/ttyUSB0" << ""
                              << QStringList() << "";
        QTest::newRow("trace") << QStringList{"--trace", "/tmp/t.log"} << run << "" << "/tmp/t.log"
                               << QStringList() << "";
        QTest::newRow("both, either order") << QStringList{"--trace", "t", "--port", "COM2"} << run << "COM2"
                                            << "t" << QStringList() << "";
        QTest::newRow("last port wins") << QStringList{"--port", "COM1", "--port", "COM2"} << run << "COM2"
                                        << "" << QStringList() << "";
        QTest::newRow("value that looks like an option") << QStringList{"--port", "--trace"} << run
                                                         << "--trace" << "" << QStringList() << "";
        QTest::newRow("non-ASCII path") << QStringList{"--trace", "/tmp/tr\u00e4ce.log"} << run << ""
                                        << "/tmp/tr\u00e4ce.log" << QStringList() << "";
        QTest::newRow("Qt's options pass")
            << QStringList{"-platform", "offscreen", "--port", "COM1", "-reverse"} << run << "COM1" << ""
            << QStringList{"-platform", "offscreen", "-reverse"} << "";
        QTest::newRow("help") << QStringList{"--port", "COM1", "--help"} << help << "COM1" << ""
                              << QStringList() << "";
        QTest::newRow("-h") << QStringList{"-h", "--bogus"} << help << "" << "" << QStringList() << "";
        QTest::newRow("version") << QStringList{"--version"} << version << "" << "" << QStringList() << "";
        QTest::newRow("unknown long") << QStringList{"--bogus", "--help"} << usage << "" << ""
                                      << QStringList() << "unknown option --bogus";
        QTest::newRow("double dash alone") << QStringList{"--"} << usage << "" << "" << QStringList()
                                           << "unknown option --";
        QTest::newRow("port without name") << QStringList{"--port"} << usage << "" << "" << QStringList()
                                           << "--port needs a NAME";
        QTest::newRow("trace without file") << QStringList{"--trace"} << usage << "" << "" << QStringList()
                                            << "--trace needs a FILE";
    }

    void parse()
    {
        QFETCH(QStringList, args);
        QFETCH(int, action);
        QFETCH(QString, port);
        QFETCH(QString, trace);
        QFETCH(QStringList, qtArgs);
        QFETCH(QString, error);

        std::vector<QByteArray> bytes{"rezar-config"};
        for (const QString &arg : args)
            bytes.push_back(arg.toLocal8Bit());
        std::vector<char *> argv;
        for (QByteArray &b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);

        const ConfigCommandLine line = ParseConfigCommandLine(int(bytes.size()), argv.data());
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.error, error);
        if (action == ConfigCommandLine::UsageError)
            return;
        QCOMPARE(line.options.port, port);
        QCOMPARE(line.options.trace, trace);
        if (action != ConfigCommandLine::Run)
            return;
        // The program name first, then what was not ours; a null after the last, as argv has.
        QCOMPARE(line.qtArgc, int(qtArgs.size()) + 1);
        QCOMPARE(int(line.qtArgv.size()), line.qtArgc + 1);
        QCOMPARE(line.qtArgv.front(), argv.front());
        QCOMPARE(line.qtArgv.back(), nullptr);
        QStringList passed;
        for (int i = 1; i < line.qtArgc; ++i)
            passed << QString::fromLocal8Bit(line.qtArgv[i]);
        QCOMPARE(passed, qtArgs);
    }

    void leftover_data()
    {
        QTest::addColumn<QStringList>("leftover");
        QTest::addColumn<QString>("error");
        QTest::newRow("none") << QStringList() << "";
        QTest::newRow("option") << QStringList{"-bogus", "x"} << "unknown option -bogus";
        QTest::newRow("argument") << QStringList{"file.txt", "-bogus"} << "unexpected argument file.txt";
    }

    void leftover()
    {
        QFETCH(QStringList, leftover);
        QFETCH(QString, error);
        QCOMPARE(LeftoverArgumentError(leftover), error);
    }
};

QTEST_GUILESS_MAIN(TestConfigCommandLine)
#include "tst_config_command_line.moc"
