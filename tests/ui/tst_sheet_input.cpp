// What a user pastes and what a device or a file sent, through the shown window: a single-line
// box keeps one line of a paste, a value of any length survives a visit, and text that looks
// like markup is shown as the characters it is.

#include "support/PageTest.h"

#include <QFontMetrics>

class TestSheetInput : public QObject {
    Q_OBJECT

private slots:
    // A paste keeps the text up to its first CR or LF; the rest of the box stays. Leaving the
    // tab stores one line, so no line break can reach a settings file or the device.
    void pasteKeepsItsFirstLine_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("before");  // in the box; pasted after it when not empty
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("stored");
        QTest::newRow("LF, over the whole box") << "Position" << "tstat" << ""
                                                << "AB\nCD\nBANK 1" << "AB";
        QTest::newRow("CR LF") << "Packet" << "altnet" << "" << "WIDE\r\nBANK 1" << "WIDE";
        QTest::newRow("CR alone") << "Position" << "tstat" << "" << "HI\rTHERE" << "HI";
        QTest::newRow("upper-case box") << "Basic" << "mycall" << "" << "k1abc\nBANK 1" << "K1ABC";
        QTest::newRow("digits box") << "Position Timing" << "mpperiod" << "" << "60\n600" << "60";
        QTest::newRow("the old text's end") << "Packet" << "path2" << "" << "WIDE2-2\nWIDE2-2"
                                            << "WIDE2-2";
        QTest::newRow("a break first") << "Packet" << "path1" << "" << "\nWIDE1-1" << "";
        QTest::newRow("after what was there") << "Position" << "tstat" << "HELLO "
                                              << "WORLD\r\nBANK 1\r\n" << "HELLO WORLD";
        QTest::newRow("no break") << "Position" << "tstat" << "" << "ONE LINE"
                                  << "ONE LINE";
    }
    void pasteKeepsItsFirstLine()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, stored);
        SheetFixture f;
        QVERIFY(f.GoTo(caption));
        auto *edit = Control<QLineEdit>(f, key);
        QVERIFY(edit);
        if (before.isEmpty()) {
            SheetFixture::Paste(edit, pasted);
        } else {
            SheetFixture::Type(edit, before);
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(edit->text(), stored);
        QCOMPARE(edit->cursorPosition(), int(stored.size()));
        QVERIFY(f.GoTo(ParkingFor(caption)));
        QCOMPARE(ValueOf(f, key, 0), stored.toLatin1());
    }

    // Typing a line break's key into a box never puts one there either.
    void enterTypesNoLineBreak()
    {
        SheetFixture f;
        QVERIFY(f.GoTo("Position"));
        auto *edit = Control<QLineEdit>(f, "tstat");
        SheetFixture::Type(edit, "AB");
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, "CD");
        QCOMPARE(edit->text(), QString("ABCD"));
    }

    // What the program put there (a loaded value) keeps every byte, even a line break a file
    // of another program might hold: only the user's edits are cut.
    void loadedValueKeepsItsBytes()
    {
        SheetFixture f;
        OpenWith(f, "Beacon / Digipeater", "btext", "A\rB\nC");
        QCOMPARE(Control<QLineEdit>(f, "btext")->text(), QString("A\rB\nC"));
        QVERIFY(f.GoTo(ParkingFor("Beacon / Digipeater")));
        QCOMPARE(ValueOf(f, "btext", 0), QByteArray("A\rB\nC"));
    }

    // A value longer than a box's usual limit (32,767) comes back whole from a visit, and the
    // user can still add to it.
    void longValueSurvivesAVisit_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("editable");  // enabled as a fresh bank opens it
        QTest::newRow("BTEXT") << "Beacon / Digipeater" << "btext" << false;
        QTest::newRow("LOCATION") << "Position" << "location" << false;
        QTest::newRow("TSTATUS") << "Position" << "tstat" << true;
        QTest::newRow("MYCALL, upper case") << "Basic" << "mycall" << true;
        QTest::newRow("PATH") << "Packet" << "path1" << true;
    }
    void longValueSurvivesAVisit()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QFETCH(bool, editable);
        QString value;
        for (int i = 0; i < 40000; ++i)
            value += QChar(u'A' + i % 26);
        value += "END";
        SheetFixture f;
        OpenWith(f, caption, key, value);
        auto *edit = Control<QLineEdit>(f, key);
        QCOMPARE(edit->text().size(), value.size());
        QVERIFY(f.GoTo(ParkingFor(caption)));
        QCOMPARE(ValueOf(f, key, 0), value.toLatin1());
        if (!editable)
            return;

        QVERIFY(f.GoTo(caption));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, "Z");
        QVERIFY(f.GoTo(ParkingFor(caption)));
        QCOMPARE(ValueOf(f, key, 0), (value + "Z").toLatin1());
    }

    // Markup in a value is shown as its characters: the Basic page's port summary shows what
    // the device or a file put into AMODE and BMODE, tags and all.
    void markupShownLiterally_data()
    {
        QTest::addColumn<QString>("amode");
        QTest::newRow("image") << "<img src=\"/nonexistent/picture.png\">";
        QTest::newRow("bold") << "<b>GPS</b>";
        QTest::newRow("entity") << "&lt;&amp;";
        QTest::newRow("link") << "<a href=\"file:///etc\">TEXT</a>";
    }
    void markupShownLiterally()
    {
        QFETCH(QString, amode);
        SheetFixture f;
        QVERIFY(f.GoTo("Display"));
        f.settings.m_bank0.amode = amode.toStdString();
        f.settings.m_bank0.bmode = "<i>X</i>";
        QVERIFY(f.GoTo("Basic"));
        auto *summary = Control<QLabel>(f, "portSummary");
        QVERIFY(summary);
        const QString expected = "AMODE " + amode + " 4800  BMODE <i>X</i> 4800";
        QCOMPARE(summary->text(), expected);
        QCOMPARE(summary->textFormat(), Qt::PlainText);
        // Laid out as those characters: as wide as the literal text, not as a picture or a
        // shorter rendering.
        QVERIFY(summary->sizeHint().width()
                >= QFontMetrics(summary->font()).horizontalAdvance(expected));
        QVERIFY(f.Shot("markup-" + QString(QTest::currentDataTag())));
    }

    void bankLabelIsPlainText()
    {
        SheetFixture f;
        QCOMPARE(Control<QLabel>(f, "bankLabel")->textFormat(), Qt::PlainText);
    }
};

QTEST_MAIN(TestSheetInput)
#include "tst_sheet_input.moc"
