#include "Conversions.h"
#include "Settings.h"

#include <QtTest>

#include <set>

class TestSettingTable : public QObject {
    Q_OBJECT

private slots:
    void countsByType()
    {
        int counts[4] = {};
        std::set<std::string> keys;
        for (const Setting &s : g_settingTable) {
            ++counts[int(s.type)];
            keys.insert(s.key);
            for (const char *p = s.key; *p; ++p)
                QVERIFY2((*p >= 'a' && *p <= 'z') || (*p >= '0' && *p <= '9'), s.key);
        }
        QCOMPARE(g_settingTable.size(), size_t(99));
        QCOMPARE(keys.size(), size_t(99));
        QCOMPARE(counts[int(SettingType::String)], 17);
        QCOMPARE(counts[int(SettingType::Integer)], 38);
        QCOMPARE(counts[int(SettingType::Boolean)], 42);
        QCOMPARE(counts[int(SettingType::Character)], 2);
    }

    void orderAndDefaults_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("first") << 0 << "amode" << 0 << QByteArray("GPS");
        QTest::newRow("abaud") << 1 << "abaud" << 1 << QByteArray("4800");
        QTest::newRow("pkticom") << 4 << "pkticom" << 2 << QByteArray("TRUE");
        QTest::newRow("tprotocol") << 9 << "tprotocol" << 0 << QByteArray("MIC-E");
        QTest::newRow("tsymcode") << 13 << "tsymcode" << 3 << QByteArray(">");
        QTest::newRow("tsymtable") << 14 << "tsymtable" << 3 << QByteArray("/");
        QTest::newRow("location") << 21 << "location" << 0 << QByteArray("1234.5678N 12345.6789W");
        QTest::newRow("tstat") << 23 << "tstat" << 0 << QByteArray("/Quillwren Rezar");
        QTest::newRow("sbsperiod") << 31 << "sbsperiod" << 1 << QByteArray("1800");
        QTest::newRow("gwaymode") << 37 << "gwaymode" << 0 << QByteArray("NMEA");
        QTest::newRow("btext") << 50 << "btext" << 0 << QByteArray(">/Quillwren Rezar");
        QTest::newRow("alias2") << 52 << "alias2" << 0 << QByteArray("%");
        QTest::newRow("alias3") << 53 << "alias3" << 0 << QByteArray("%");
        QTest::newRow("tvolttwk") << 62 << "tvolttwk" << 1 << QByteArray("128");
        QTest::newRow("mycall") << 69 << "mycall" << 0 << QByteArray("NOCALL");
        QTest::newRow("path3") << 72 << "path3" << 0 << QByteArray("%");
        QTest::newRow("filtercall") << 76 << "filtercall" << 0 << QByteArray("%");
        QTest::newRow("cdmode") << 78 << "cdmode" << 0 << QByteArray("LEVEL");
        QTest::newRow("p300") << 82 << "p300" << 2 << QByteArray("FALSE");
        QTest::newRow("mtxd") << 89 << "mtxd" << 1 << QByteArray("10");
        QTest::newRow("last") << 98 << "leds" << 2 << QByteArray("TRUE");
    }

    void orderAndDefaults()
    {
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(int, type);
        QFETCH(QByteArray, text);
        const Setting &s = g_settingTable[size_t(index)];
        const CSettings settings;
        QCOMPARE(QString(s.key), key);
        QCOMPARE(int(s.type), type);
        QCOMPARE(QByteArray::fromStdString(settings.ValueText(s, 0)), text);
        QCOMPARE(QByteArray::fromStdString(settings.ValueText(s, 1)), text);
    }

    // Every entry selects a field of its own: CBank declares its fields in table order, so the
    // offsets rise entry by entry (no entry crossed with another, none left out).
    void entriesSelectTheirOwnField()
    {
        CBank bank;
        const auto *base = reinterpret_cast<const char *>(&bank);
        ptrdiff_t previous = -1;
        for (const Setting &s : g_settingTable) {
            const void *field = s.type == SettingType::String      ? static_cast<void *>(&s.String(bank))
                                : s.type == SettingType::Character ? static_cast<void *>(&s.Character(bank))
                                                                   : static_cast<void *>(&s.Integer(bank));
            const ptrdiff_t offset = static_cast<const char *>(field) - base;
            QVERIFY2(offset > previous && offset < ptrdiff_t(sizeof(CBank)), s.key);
            previous = offset;
        }
        QCOMPARE(&g_settingTable[0].String(bank), &bank.amode);
        QCOMPARE(&g_settingTable[13].Character(bank), &bank.tsymcode);
        QCOMPARE(&g_settingTable[14].Character(bank), &bank.tsymtable);
        QCOMPARE(&g_settingTable[69].String(bank), &bank.mycall);
        QCOMPARE(&g_settingTable[98].Integer(bank), &bank.leds);
    }

    // The table serves every model: an entry reaches into whichever bank it is given.
    void entriesServeAnyBank()
    {
        CSettings one, two;
        const Setting &mycall = g_settingTable[69];
        mycall.String(two.Bank(1)) = "K1ABC";
        QCOMPARE(two.m_bank1.mycall, std::string("K1ABC"));
        QCOMPARE(two.m_bank0.mycall, std::string("NOCALL"));
        QCOMPARE(one.m_bank1.mycall, std::string("NOCALL"));
        QCOMPARE(two.ValueText(mycall, 1), std::string("K1ABC"));
        QCOMPARE(one.ValueText(mycall, 1), std::string("NOCALL"));
    }

    void bankSelectionAndCopy()
    {
        CSettings settings;
        QCOMPARE(settings.GetBank(), 0);
        QCOMPARE(&settings.CurrentValues(), &settings.m_bank0);
        settings.SetBank(2);  // any bank but 0 is bank 1
        QCOMPARE(&settings.CurrentValues(), &settings.m_bank1);
        QCOMPARE(&settings.Bank(2), &settings.m_bank1);
        settings.SetBank(1);
        settings.m_bank1.mycall = "N0CALL-9";
        settings.m_bank1.tsymcode = '\0';
        settings.m_bank1.abaud = -7;
        settings.ResetWriter();
        for (int i = 0; i < 6; ++i)  // "BANK 0" and five settings
            settings.NextLine();
        settings.BeginParse();
        settings.ParseLine("junk");
        settings.CopyBank();
        QCOMPARE(settings.m_bank0.mycall, std::string("N0CALL-9"));
        QCOMPARE(settings.m_bank0.tsymcode, '\0');
        QCOMPARE(settings.m_bank0.abaud, -7);
        QCOMPARE(settings.GetBank(), 1);
        // The device exchange goes on where it was.
        QCOMPARE(settings.DeviceWrite().bank, 0);
        QCOMPARE(settings.DeviceWrite().index, 5);
        QCOMPARE(settings.DeviceParse().ignored, 1);
        settings.SetBank(0);
        settings.m_bank0.mycall = "X";
        settings.CopyBank();
        QCOMPARE(settings.m_bank1.mycall, std::string("X"));
    }

    void findSetting_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("index");
        QTest::newRow("lower") << QByteArray("mycall") << 69;
        QTest::newRow("upper") << QByteArray("MYCALL") << 69;
        QTest::newRow("mixed") << QByteArray("MyCaLl") << 69;
        QTest::newRow("digits") << QByteArray("DEC96") << 84;
        QTest::newRow("shortened") << QByteArray("mycal") << -1;
        QTest::newRow("trailing blank") << QByteArray("mycall ") << -1;
        QTest::newRow("empty") << QByteArray("") << -1;
        // Only ASCII letters fold: a byte with the high bit must not match anything.
        QTest::newRow("latin1") << QByteArray("myc\xc1ll") << -1;
    }

    void findSetting()
    {
        QFETCH(QByteArray, key);
        QFETCH(int, index);
        const Setting *found = CSettings::FindSetting(key.toStdString());
        QCOMPARE(found ? int(found - g_settingTable.data()) : -1, index);
    }

    void toInt32_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << QByteArray("4800") << 4800;
        QTest::newRow("letters after") << QByteArray("12AB") << 12;
        QTest::newRow("leading blanks") << QByteArray("   7") << 7;
        QTest::newRow("tab newline") << QByteArray("\t\n 9") << 9;
        QTest::newRow("minus") << QByteArray("-3") << -3;
        QTest::newRow("plus") << QByteArray("+15") << 15;
        QTest::newRow("no digits") << QByteArray("abc") << 0;
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("sign only") << QByteArray("-") << 0;
        QTest::newRow("blank between sign") << QByteArray("- 5") << 0;
        QTest::newRow("max") << QByteArray("2147483647") << INT32_MAX;
        QTest::newRow("max+1") << QByteArray("2147483648") << INT32_MAX;
        QTest::newRow("eleven nines") << QByteArray("99999999999") << INT32_MAX;
        QTest::newRow("min") << QByteArray("-2147483648") << INT32_MIN;
        QTest::newRow("below min") << QByteArray("-2147483649") << INT32_MIN;
        QTest::newRow("very long") << QByteArray(400, '9') << INT32_MAX;
        QTest::newRow("leading zeros") << QByteArray("0000000000000000000042") << 42;
    }

    void toInt32()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        QCOMPARE(ToInt32(std::string_view(text.constData(), size_t(text.size()))), value);
    }
};

QTEST_GUILESS_MAIN(TestSettingTable)
#include "tst_settingtable.moc"
