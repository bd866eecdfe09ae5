#pragma once

// rezar-cli run against rezar-sim: what the end-to-end suites share (header-only).

#include "sim/SimHarness.h"

struct CliRun {
    int exitCode = -1;
    QByteArray out, err;
};

// Where the tool keeps its history during the tests: never the user's own folder.
inline QString TestDataHome()
{
    static const QTemporaryDir home;
    return home.path();
}

// Runs rezar-cli to its end (killed after `ms`), with `input` on its stdin.
inline CliRun RunCli(const QStringList &args, int ms = 60000, const QByteArray &input = {})
{
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", TestDataHome());
    cli.setProcessEnvironment(env);
    cli.start(REZAR_BUILD_DIR "/rezar-cli", args);
    cli.write(input);
    cli.closeWriteChannel();
    if (!cli.waitForFinished(ms)) {
        cli.kill();
        cli.waitForFinished(5000);
    }
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, cli.readAllStandardOutput(),
            cli.readAllStandardError()};
}

// Starts a sim (always --fast) whose terminal is linked at `dir`/rezar-port, the name the tool
// is given, as a user following the README would.
inline bool StartSim(CSimProcess &sim, const QTemporaryDir &dir, const QStringList &args, QString &port)
{
    port = dir.filePath("rezar-port");
    return sim.Start(args + QStringList{"--fast", "--link", port});
}
