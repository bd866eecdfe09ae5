#include <QtTest>

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// Where the desktop files go under the prefix: all named by the application id.
const QString kDesktopEntry = QStringLiteral("share/applications/" REZAR_APP_ID ".desktop");
const QString kIcon = QStringLiteral("share/icons/hicolor/scalable/apps/" REZAR_APP_ID ".svg");
const QString kMetainfo = QStringLiteral("share/metainfo/" REZAR_APP_ID ".metainfo.xml");

struct Run {
    int exitCode = -1;
    QString out, err;
};

// Runs PROGRAM as on a machine with no display: no DISPLAY, no Wayland, no platform chosen.
Run RunWithoutDisplay(const QString &program, const QStringList &args, const QString &workDir = {},
                      int timeoutMs = 30000)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        env.remove(name);
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString ReadText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The text between a heading line (of --help or of a manual) and the next heading.
QString Section(const QString &text, const QRegularExpression &heading, const QRegularExpression &next)
{
    const QRegularExpressionMatch start = heading.match(text);
    if (!start.hasMatch())
        return {};
    const QRegularExpressionMatch end = next.match(text, start.capturedEnd());
    return text.mid(start.capturedEnd(), end.hasMatch() ? end.capturedStart() - start.capturedEnd() : -1);
}

QRegularExpression Lines(const QString &pattern)
{
    return QRegularExpression(pattern, QRegularExpression::MultilineOption);
}

// The part of a --help text under a heading such as "Commands:", up to the next heading.
QString HelpSection(const QString &help, const QString &heading)
{
    return Section(help, Lines("^" + heading + "$"), Lines("^\\S"));
}

// The part of a manual page under a .SH heading, up to the next one.
QString ManualSection(const QString &roff, const QString &heading)
{
    return Section(roff, Lines("^\\.SH " + heading + "\\s*$"), Lines("^\\.SH "));
}

// The commands rezar-cli's --help lists, in order of name: the words indented by two spaces.
QStringList HelpCommands(const QString &help)
{
    static const QRegularExpression command = Lines("^  ([a-z]+)");
    QStringList commands;
    for (const QRegularExpressionMatch &m : command.globalMatch(HelpSection(help, "Commands:")))
        commands << m.captured(1);
    commands.sort();
    return commands;
}

// Every option of the form --name in TEXT, and of the form -x as well with withShort.
QSet<QString> Options(const QString &text, bool withShort = false)
{
    static const QRegularExpression longOnly(R"((?<![\w-])--[a-z][a-z0-9-]*)");
    static const QRegularExpression any(R"((?<![\w-])--?[a-z][a-z0-9-]*)");
    QSet<QString> found;
    for (const QRegularExpressionMatch &m : (withShort ? any : longOnly).globalMatch(text))
        found.insert(m.captured());
    return found;
}

// A manual's text with the roff escapes of hyphens and fonts taken off.
QString Plain(QString roff)
{
    roff.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    roff.remove(QRegularExpression(R"(\\f[BIRP])"));
    return roff;
}

// Differences of two sets, for a failure message.
QString Missing(const QSet<QString> &from, const QSet<QString> &in)
{
    QStringList names = (from - in).values();
    names.sort();
    return names.join(' ');
}

// Key=value lines of a desktop entry's main group.
QMap<QString, QString> DesktopKeys(const QString &text)
{
    QMap<QString, QString> keys;
    for (const QString &line : text.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0 && !line.startsWith('#'))
            keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return keys;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    QString m_prefix;  // the installed /usr inside the temporary DESTDIR

    QString Installed(const QString &relative) const { return m_prefix + '/' + relative; }
    QString Program(const QString &name) const { return Installed("bin/" + name); }

    // What bash completes for WORDS (the last is the word being completed), in a folder that
    // holds two files, with a stand-in rezar-cli that lists two ports.
    QStringList Complete(const QStringList &words)
    {
        const QString script = QStringLiteral(
            "source \"$1\"; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); "
            "_rezar_cli \"$1\" \"${COMP_WORDS[COMP_CWORD]}\" \"${COMP_WORDS[COMP_CWORD-1]}\"; "
            "printf '%s\\n' \"${COMPREPLY[@]}\"");
        QStringList args{"-c", script, "complete",
                         Installed("share/bash-completion/completions/rezar-cli")};
        args << m_root.filePath("work/fake-cli") << words.mid(1);
        const Run r = RunWithoutDisplay("bash", args, m_root.filePath("work"));
        QStringList replies = r.out.split('\n', Qt::SkipEmptyParts);
        replies.sort();
        replies.removeDuplicates();
        return replies;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_prefix = m_root.filePath("usr");
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", m_root.path());
        install.setProcessEnvironment(env);
        install.start(REZAR_CMAKE, {"--install", REZAR_BUILD_DIR, "--prefix", "/usr"});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());

        // A folder for the completion: two files, and a rezar-cli that lists two ports and three
        // keys as the real one does (tab-separated, the first column completed).
        QVERIFY(QDir(m_root.path()).mkpath("work"));
        for (const char *name : {"mine.txt", "fw.qwn"}) {
            QFile f(m_root.filePath(QStringLiteral("work/") + name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QFile fake(m_root.filePath("work/fake-cli"));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write("#!/bin/sh\n[ \"$1\" = keys ] && printf 'mtxd\\tinteger\\nmycall\\tstring\\ntxd\\tinteger\\n' && exit\n"
                   "[ \"$1\" = ports ] || exit 2\n"
                   "printf 'COM1\\t/dev/ttyUSB0\\tFT232R USB UART\\n'\n"
                   "printf 'COM2\\t/dev/ttyS0\\n'\n");
        fake.close();
        fake.setPermissions(fake.permissions() | QFile::ExeOwner);
    }

    void installedFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("executable");
        QTest::newRow("window") << "bin/rezar-config" << true;
        QTest::newRow("cli") << "bin/rezar-cli" << true;
        QTest::newRow("sim") << "bin/rezar-sim" << true;
        QTest::newRow("desktop entry") << kDesktopEntry << false;
        QTest::newRow("icon") << kIcon << false;
        QTest::newRow("metainfo") << kMetainfo << false;
        QTest::newRow("manual window") << "share/man/man1/rezar-config.1" << false;
        QTest::newRow("manual cli") << "share/man/man1/rezar-cli.1" << false;
        QTest::newRow("manual sim") << "share/man/man1/rezar-sim.1" << false;
        QTest::newRow("completion") << "share/bash-completion/completions/rezar-cli" << false;
    }

    void installedFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo info(Installed(path));
        QVERIFY2(info.isFile(), qPrintable(path + " is not installed"));
        QVERIFY(info.size() > 0);
        QCOMPARE(info.isExecutable(), executable);
    }

    void iconIsTheProgramsIcon()
    {
        QFile source(REZAR_SOURCE_DIR "/res/rezar.svg");
        QFile installed(Installed(kIcon));
        QVERIFY(source.open(QIODevice::ReadOnly) && installed.open(QIODevice::ReadOnly));
        QCOMPARE(installed.readAll(), source.readAll());
    }

    // The desktop shows the entry in its menu with the installed icon and starts the program
    // from the installed folder.
    void desktopEntryPointsAtInstalledFiles()
    {
        const QMap<QString, QString> keys = DesktopKeys(ReadText(Installed(kDesktopEntry)));
        QCOMPARE(keys.value("Type"), QStringLiteral("Application"));
        QCOMPARE(keys.value("Icon"), QStringLiteral(REZAR_APP_ID));
        QCOMPARE(keys.value("Terminal"), QStringLiteral("false"));
        const QString exec = keys.value("Exec").section(' ', 0, 0);
        QVERIFY2(QFileInfo(Program(exec)).isExecutable(), qPrintable("Exec=" + exec));
        QVERIFY(keys.value("Categories").split(';').contains("HamRadio"));
        QVERIFY(!keys.value("Name").isEmpty() && !keys.value("Comment").isEmpty());
    }

    void metainfoMatchesTheInstall()
    {
        QXmlStreamReader xml(ReadText(Installed(kMetainfo)));
        QString id, launchable;
        QStringList binaries, releases;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"id")
                id = xml.readElementText();
            else if (xml.name() == u"launchable")
                launchable = xml.readElementText();
            else if (xml.name() == u"binary")
                binaries << xml.readElementText();
            else if (xml.name() == u"release")
                releases << xml.attributes().value("version").toString();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(id, QStringLiteral(REZAR_APP_ID));
        QCOMPARE(launchable, id + ".desktop");
        QVERIFY(QFileInfo::exists(Installed("share/applications/" + launchable)));
        QCOMPARE(binaries, QStringList({"rezar-config", "rezar-cli", "rezar-sim"}));
        for (const QString &binary : binaries)
            QVERIFY2(QFileInfo(Program(binary)).isExecutable(), qPrintable(binary));
        QCOMPARE(releases.value(0), QStringLiteral(REZAR_VERSION));
    }

    void validators_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");
        QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList() << kDesktopEntry;
        QTest::newRow("metainfo") << "appstreamcli" << QStringList{"validate", "--no-net"} << kMetainfo;
    }

    void validators()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        const QString path = QStandardPaths::findExecutable(tool);
        if (path.isEmpty())
            QSKIP(qPrintable(tool + " is not installed (tools/setup.sh installs it)"));
        const Run r = RunWithoutDisplay(path, args << Installed(file));
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        // desktop-file-validate passes with hints; a hint is a fault here too.
        QVERIFY2(!r.out.contains("hint:") && !r.out.contains("warning:"), qPrintable(r.out));
    }

    // The Debian package as cpack makes it: lintian finds no error and no warning in it (the
    // informational tags may stay). Its copyright file, changelog and compressed manual pages
    // are what lintian asks for.
    void debianPackagePassesLintian()
    {
        const QString lintian = QStandardPaths::findExecutable("lintian");
        if (lintian.isEmpty() || QStandardPaths::findExecutable("dpkg-shlibdeps").isEmpty())
            QSKIP("lintian or dpkg-shlibdeps is not installed (tools/setup.sh installs them)");
        const QString out = m_root.filePath("package");
        constexpr int kPackagingMs = 240000;
        const Run pack = RunWithoutDisplay(REZAR_CPACK, {"-G", "DEB", "--config", REZAR_BUILD_DIR "/CPackConfig.cmake",
                                                         "-B", out}, {}, kPackagingMs);
        QVERIFY2(pack.exitCode == 0, qPrintable(pack.out + pack.err));
        const QStringList debs = QDir(out).entryList({"*.deb"});
        QCOMPARE(debs.size(), 1);
        const Run lint = RunWithoutDisplay(lintian, {"--fail-on", "error,warning", QDir(out).filePath(debs[0])},
                                           {}, kPackagingMs);
        QVERIFY2(lint.exitCode == 0, qPrintable(lint.out + lint.err));
    }

    void manualListsTheProgramsOptions_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("hasVersion");
        QTest::newRow("window") << "rezar-config" << true;
        QTest::newRow("cli") << "rezar-cli" << true;
        QTest::newRow("sim") << "rezar-sim" << false;
    }

    // The OPTIONS section of each manual names the same long options as the program's --help,
    // and its title carries the version.
    void manualListsTheProgramsOptions()
    {
        QFETCH(QString, program);
        QFETCH(bool, hasVersion);
        const Run help = RunWithoutDisplay(Program(program), {"--help"});
        QCOMPARE(help.exitCode, 0);
        const QSet<QString> accepted = Options(help.out);
        QVERIFY(accepted.contains("--help"));

        const QString manual = Plain(ReadText(Installed("share/man/man1/" + program + ".1")));
        const QSet<QString> listed = Options(ManualSection(manual, "OPTIONS"));
        QVERIFY2(listed == accepted, qPrintable("not in the manual: " + Missing(accepted, listed) +
                                                "; not in --help: " + Missing(listed, accepted)));
        const QString title = "^\\.TH \\S+ 1 \"[^\"]*\" \"" + program + ' ' + REZAR_VERSION + '"';
        QVERIFY2(manual.contains(Lines(title)), qPrintable(manual.left(80)));
        if (hasVersion) {
            const Run version = RunWithoutDisplay(Program(program), {"--version"});
            QCOMPARE(version.exitCode, 0);
            QCOMPARE(version.out, program + " " + REZAR_VERSION + "\n");
        }
    }

    // rezar-cli's manual describes every command --help names, and no other.
    void cliManualListsTheCommands()
    {
        const QStringList accepted = HelpCommands(RunWithoutDisplay(Program("rezar-cli"), {"--help"}).out);
        QCOMPARE(accepted.size(), 11);

        static const QRegularExpression item = Lines("^\\.TP\\n\\.BI? ([a-z]+)");
        const QString manual = ReadText(Installed("share/man/man1/rezar-cli.1"));
        QStringList listed;
        for (const QRegularExpressionMatch &m : item.globalMatch(ManualSection(manual, "COMMANDS")))
            listed << m.captured(1);
        listed.sort();
        QCOMPARE(listed, accepted);
    }

    // rezar-cli's manual describes the settings as the help table does today: its SETTINGS
    // section is what the generator makes of the table (run rezar_manual_settings after a change).
    void cliManualHoldsTheSettings()
    {
        QProcess generator;
        generator.start(REZAR_MANUAL_SETTINGS, QStringList());
        QVERIFY(generator.waitForFinished(30000));
        QCOMPARE(generator.exitCode(), 0);
        const QString section = QString::fromUtf8(generator.readAllStandardOutput());
        QCOMPARE(section.count(Lines("^\\.TP\\n\\.B [A-Z0-9]+\\n")), 99);
        const QString manual = ReadText(Installed("share/man/man1/rezar-cli.1"));
        QVERIFY2(manual.contains("\n" + section + ".SH "), "dist/man/rezar-cli.1.in: its SETTINGS section is not "
                                                           "the table's (cmake --build ... --target rezar_manual_settings)");
    }

    void completion_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("expected");
        const QStringList ports{"/dev/ttyS0", "/dev/ttyUSB0", "COM1", "COM2"};
        const QStringList files{"fake-cli", "fw.qwn", "mine.txt"};
        const QStringList none;
        const QString cli = "rezar-cli";
        QTest::newRow("command") << QStringList{cli, "re"} << QStringList{"read"};
        QTest::newRow("long option") << QStringList{cli, "--t"} << QStringList{"--timeout", "--trace"};
        QTest::newRow("read's port") << QStringList{cli, "read", ""} << ports;
        QTest::newRow("port by name") << QStringList{cli, "write", "CO"} << QStringList{"COM1", "COM2"};
        QTest::newRow("port by path") << QStringList{cli, "flash", "/dev/ttyU"} << QStringList{ports[1]};
        QTest::newRow("port after options") << QStringList{cli, "--timeout", "5", "-v", "read", ""} << ports;
        QTest::newRow("a path as port") << QStringList{cli, "read", "./m"} << QStringList{"./mine.txt"};
        QTest::newRow("read takes one") << QStringList{cli, "read", "COM1", ""} << none;
        QTest::newRow("write's file") << QStringList{cli, "write", "COM1", ""} << files;
        QTest::newRow("firmware") << QStringList{cli, "flash", "COM1", "f"} << files.mid(0, 2);
        QTest::newRow("flash takes two") << QStringList{cli, "flash", "COM1", "fw.qwn", ""} << none;
        QTest::newRow("load's files") << QStringList{cli, "load", "mine.txt", "m"} << QStringList{"mine.txt"};
        QTest::newRow("diff's first") << QStringList{cli, "diff", ""} << files;
        QTest::newRow("diff's second") << QStringList{cli, "diff", "a", "m"} << QStringList{"mine.txt"};
        QTest::newRow("diff takes two") << QStringList{cli, "diff", "a", "b", ""} << none;
        QTest::newRow("changed's file") << QStringList{cli, "changed", "m"} << QStringList{"mine.txt"};
        QTest::newRow("changed takes one") << QStringList{cli, "changed", "a", ""} << none;
        QTest::newRow("help's key") << QStringList{cli, "help", "m"} << QStringList{"mtxd", "mycall"};
        QTest::newRow("keys' text") << QStringList{cli, "keys", ""} << none;
        QTest::newRow("diff's device") << QStringList{cli, "diff", "--device", "CO"} << QStringList{"COM1", "COM2"};
        QTest::newRow("diff --device takes one") << QStringList{cli, "diff", "--device", "COM1", "a", ""} << none;
        QTest::newRow("ports takes none") << QStringList{cli, "ports", ""} << none;
        QTest::newRow("-o file") << QStringList{cli, "read", "COM1", "-o", "mi"} << QStringList{"mine.txt"};
        QTest::newRow("trace file") << QStringList{cli, "--trace", ""} << files;
        QTest::newRow("timeout seconds") << QStringList{cli, "--timeout", ""} << none;
        QTest::newRow("after a trace file")
            << QStringList{cli, "--trace", "t.log", "fl"} << QStringList{"flash"};
    }

    void completion()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, expected);
        if (QStandardPaths::findExecutable("bash").isEmpty())
            QSKIP("no bash");
        QCOMPARE(Complete(words), expected);
    }

    // The completion offers exactly the commands and options rezar-cli's --help names.
    void completionOffersWhatHelpNames()
    {
        if (QStandardPaths::findExecutable("bash").isEmpty())
            QSKIP("no bash");
        const Run help = RunWithoutDisplay(Program("rezar-cli"), {"--help"});
        QCOMPARE(Complete({"rezar-cli", ""}), HelpCommands(help.out));
        QStringList options = Options(HelpSection(help.out, "Options:"), true).values();
        options.sort();
        QCOMPARE(options.size(), 10);
        QCOMPARE(Complete({"rezar-cli", "-"}), options);
    }

    // Help, version and usage errors need no display; without one the window ends with status 1.
    // (Which arguments are options is tst_config_command_line's; this is what the user sees.)
    void windowCommandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<bool>("qtRan");  // the QApplication was made, and may have warned first
        const QString usage = "Usage: rezar-config [options]\n";
        auto refused = [](const QString &what) {
            return "rezar-config: " + what + " (see rezar-config --help)\n";
        };
        QTest::newRow("help") << QStringList{"--help"} << 0 << usage << "" << false;
        QTest::newRow("version")
            << QStringList{"--version"} << 0 << "rezar-config " REZAR_VERSION "\n" << "" << false;
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << 2 << "" << refused("unknown option --bogus") << false;
        QTest::newRow("port without name")
            << QStringList{"--port"} << 2 << "" << refused("--port needs a NAME") << false;
        // --lang chooses the language before the locale does, for help and errors too.
        QTest::newRow("German help")
            << QStringList{"--help", "--lang", "de"} << 0 << "Aufruf: rezar-config [Optionen]\n" << "" << false;
        QTest::newRow("lang without language")
            << QStringList{"--lang"} << 2 << "" << refused("--lang needs a LANGUAGE") << false;
        // Qt's own options reach QApplication; what it leaves over is refused before any window.
        QTest::newRow("stray argument") << QStringList{"-platform", "offscreen", "stray"} << 2 << ""
                                        << refused("unexpected argument stray") << true;
        QTest::newRow("unknown short option")
            << QStringList{"-platform", "offscreen", "-x"} << 2 << "" << refused("unknown option -x") << true;
        QTest::newRow("no display")
            << QStringList{"--port", "COM1"} << 1 << "" << "rezar-config: the window cannot start\n" << true;
    }

    void windowCommandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(bool, qtRan);
        const Run r = RunWithoutDisplay(Program("rezar-config"), args, m_root.filePath("work"));
        QVERIFY2(r.exitCode == exitCode, qPrintable(QString("exit %1: %2").arg(r.exitCode).arg(r.err)));
        if (out.isEmpty())
            QCOMPARE(r.out, QString());
        else
            QVERIFY2(r.out.startsWith(out), qPrintable(r.out));
        if (qtRan)
            QVERIFY2(r.err.endsWith(err), qPrintable(r.err));
        else
            QCOMPARE(r.err, err);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
