// The byte trace around a port: what reaches the trace file for each open, read, write and
// close, how received bytes are grouped into runs, and how bytes are escaped.

#include "TraceSerialPort.h"
#include "support/FakeSerialPort.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using Lines = QStringList;
Q_DECLARE_METATYPE(std::string)

namespace {

const QString kHeader = "# rezar-cli trace: milliseconds since start, '>' sent to the device, '<' received "
                        "from it, bytes with \\r \\n \\\\ and \\xNN escapes";

} // namespace

class TestTracePort : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::shared_ptr<FakeSerialLine> m_line;
    std::shared_ptr<CTraceFile> m_trace;
    std::unique_ptr<ISerialPort> m_port;
    QString m_path;

    // The port's reads until one comes back empty, as the link's poll does.
    std::string ReadAll()
    {
        std::string got;
        char byte = 0;
        while (m_port->Read(&byte, 1) == 1)
            got += byte;
        return got;
    }
    // The trace's lines with their time stamps checked and taken off: the header stays whole.
    Lines Traced()
    {
        m_port.reset();
        m_trace.reset();  // the last holder ends the open run and closes the file
        QFile f(m_path);
        if (!f.open(QIODevice::ReadOnly))
            return {"<no trace file>"};
        const QString text = QString::fromLatin1(f.readAll());
        if (!text.endsWith('\n'))
            return {"<unfinished last line>", text};
        Lines lines = text.chopped(1).split('\n');
        const QRegularExpression stamp("^ *(\\d+) ([#<>] .*)$");
        qint64 last = 0;
        for (int i = 1; i < lines.size(); ++i) {
            const QRegularExpressionMatch m = stamp.match(lines[i]);
            // "%8lld": right-aligned in eight columns.
            if (!m.hasMatch() || m.capturedStart(2) != 9 || m.captured(1).toLongLong() < last)
                return {"<bad time stamp>", lines[i]};
            last = m.captured(1).toLongLong();
            lines[i] = m.captured(2);
        }
        return lines;
    }

private slots:
    void init()
    {
        m_line = std::make_shared<FakeSerialLine>();
        m_trace = std::make_shared<CTraceFile>();
        m_path = m_dir.filePath("port.trace");
        QVERIFY(m_trace->Open(m_path.toStdString(), "rezar-cli"));
        QVERIFY(m_trace->IsOpen());
        m_port = WithTrace(std::make_unique<FakeSerialPort>(m_line), m_trace);
    }

    void conversation()
    {
        QVERIFY(m_port->Open("COM3"));
        QVERIFY(m_port->IsOpen());
        m_line->Script({"Press ESC 3 times to enter\r", "\nOptions", ""});
        QCOMPARE(ReadAll(), std::string("Press ESC 3 times to enter\r"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(m_port->Write("\x1b", 1), 1);
        QCOMPARE(ReadAll(), std::string("\nOptions"));
        QCOMPARE(ReadAll(), std::string());  // a silent poll
        QCOMPARE(m_port->Write("EXPORT\r", 7), 7);
        m_line->Script({"A\\B\x01\xff\n", "tail"});
        QCOMPARE(ReadAll(), std::string("A\\B\x01\xff\n"));
        char byte = 0;
        QCOMPARE(m_port->Read(&byte, 1), 1);  // a run still open when the port closes
        m_port->Close();
        m_port->Close();  // a second close is not traced
        QVERIFY(!m_port->IsOpen());
        QCOMPARE(Traced(), (Lines{kHeader, "# opened COM3", "< Press ESC 3 times to enter\\r", "> \\x1b",
                                  "> \\x1b", "> \\x1b", "< \\n", "< Options", "> EXPORT\\r", "< A\\\\B\\x01\\xff\\n",
                                  "< t", "# closed"}));
    }

    // Received bytes make one line per run: a line feed ends it, as do a silent read, a write
    // and a note; a run's stamp is the time of its first byte.
    void runs_data()
    {
        QTest::addColumn<QStringList>("steps");  // "<bytes" arrives and is read, "." a silent read, ">bytes" a write
        QTest::addColumn<Lines>("traced");
        QTest::newRow("line feed ends a run") << QStringList{"<ab\n", "<cd\n"} << Lines{"< ab\\n", "< cd\\n"};
        QTest::newRow("run across polls") << QStringList{"<ab", "<cd\r\n"} << Lines{"< abcd\\r\\n"};
        QTest::newRow("silent read ends a run") << QStringList{"<ab", ".", "<cd"} << Lines{"< ab", "< cd"};
        QTest::newRow("write ends a run") << QStringList{"<ab", ">x", "<cd"} << Lines{"< ab", "> x", "< cd"};
        QTest::newRow("silent reads alone leave nothing") << QStringList{".", "."} << Lines{};
        QTest::newRow("carriage return does not end a run") << QStringList{"<a\rb\r"} << Lines{"< a\\rb\\r"};
    }
    void runs()
    {
        QFETCH(QStringList, steps);
        QFETCH(Lines, traced);
        QVERIFY(m_port->Open("COM3"));
        for (const QString &step : steps) {
            const std::string bytes = step.mid(1).toStdString();
            if (step.startsWith('<')) {
                // Byte by byte as the link reads, without the silent read that ends a poll.
                m_line->Arrive(bytes);
                char byte = 0;
                for (size_t i = 0; i < bytes.size(); ++i)
                    QCOMPARE(m_port->Read(&byte, 1), 1);
                m_line->incoming.pop_front();
            } else if (step.startsWith('>')) {
                m_port->Write(bytes.data(), int32_t(bytes.size()));
            } else {
                char byte = 0;
                QCOMPARE(m_port->Read(&byte, 1), 0);
            }
        }
        m_port->Close();
        traced.prepend("# opened COM3");
        traced.prepend(kHeader);
        traced.append("# closed");
        QCOMPARE(Traced(), traced);
    }

    // Bytes read many at a time still make one run per line, and a write shows the bytes the
    // port took.
    void chunkedReadsAndPartialWrites()
    {
        QVERIFY(m_port->Open("COM3"));
        m_line->Arrive("ab\ncd\r\nef");
        char buffer[64];
        QCOMPARE(m_port->Read(buffer, int32_t(sizeof buffer)), 9);
        QCOMPARE(m_port->Read(buffer, int32_t(sizeof buffer)), 0);
        m_line->writeLimit = 3;
        QCOMPARE(m_port->Write("EXPORT\r", 7), 3);
        m_line->writeLimit = 0;
        QCOMPARE(m_port->Write("ORT\r", 4), 0);
        m_line->writeLimit = -1;
        QCOMPARE(m_port->Write("ORT\r", 4), 4);
        m_port->Close();
        QCOMPARE(Traced(), (Lines{kHeader, "# opened COM3", "< ab\\n", "< cd\\r\\n", "< ef", "> EXP", "> ORT\\r",
                                  "# closed"}));
    }

    void failures()
    {
        m_line->openFails = true;
        QVERIFY(!m_port->Open("COM9"));
        QCOMPARE(m_port->OpenError().kind, PortErrorKind::NotFound);
        m_port->Close();  // not open: not traced
        m_line->openFails = false;
        QVERIFY(m_port->Open("COM9"));
        m_line->unplugged = true;
        char byte = 0;
        QCOMPARE(m_port->Read(&byte, 1), 0);
        QVERIFY(m_port->Failed());
        QCOMPARE(m_port->Write("s", 1), 0);
        QCOMPARE(Traced(), (Lines{kHeader, "# failed to open COM9", "# opened COM9", "# read failed", "> s",
                                  "# write failed"}));
    }

    // The trace is written as it goes: a line is in the file before the next port call.
    void flushedAsItGoes()
    {
        QVERIFY(m_port->Open("COM3"));
        m_port->Write("b", 1);
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY2(text.endsWith(" > b\n") && text.contains("# opened COM3\n"), text);
    }

    void programNamedInTheHeader()
    {
        const QString path = m_dir.filePath("window.trace");
        {
            CTraceFile trace;
            QVERIFY(trace.Open(path.toStdString(), "rezar-config"));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("# rezar-config trace: milliseconds since start,"));
    }

    void unwritableTraceFile()
    {
        CTraceFile trace;
        QVERIFY(!trace.Open(m_dir.filePath("missing/port.trace").toStdString(), "rezar-cli"));
        QVERIFY(!trace.IsOpen());
        // A port traced into a file that did not open works as the bare port.
        auto port = WithTrace(std::make_unique<FakeSerialPort>(m_line),
                              std::shared_ptr<CTraceFile>(std::shared_ptr<CTraceFile>(), &trace));
        QVERIFY(port->Open("COM3"));
        m_line->Arrive("ok\n");
        char byte = 0;
        QCOMPARE(port->Read(&byte, 1), 1);
        QCOMPARE(port->Write("x", 1), 1);
        port->Close();
        QCOMPARE(m_line->Written(), std::string("x"));
    }

    void escapes_data()
    {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<std::string>("text");
        QTest::newRow("printable") << std::string("MYCALL K1ABC-7 ~!") << std::string("MYCALL K1ABC-7 ~!");
        QTest::newRow("line ends") << std::string("\r\n") << std::string("\\r\\n");
        QTest::newRow("backslash") << std::string("a\\b") << std::string("a\\\\b");
        QTest::newRow("ESC and NUL") << std::string("\x1b\0", 2) << std::string("\\x1b\\x00");
        QTest::newRow("tab and DEL") << std::string("\t\x7f") << std::string("\\x09\\x7f");
        QTest::newRow("high bytes") << std::string("\x80\xff") << std::string("\\x80\\xff");
        QTest::newRow("empty") << std::string() << std::string();
    }
    void escapes()
    {
        QFETCH(std::string, bytes);
        QFETCH(std::string, text);
        QCOMPARE(EscapedBytes(bytes), text);
    }
};

QTEST_GUILESS_MAIN(TestTracePort)
#include "tst_trace_port.moc"
