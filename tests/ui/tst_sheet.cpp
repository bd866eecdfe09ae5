// The main sheet and the page protocol, through a shown sheet and real clicks: which page
// loads and stores when, into which bank, and the sheet's start state.

#include "SettingHelp.h"
#include "Settings.h"
#include "BasicPage.h"
#include "CommsPage.h"
#include "PropertyPage.h"
#include "PropertySheet.h"
#include "Sheet.h"
#include "PageHelpers.h"
#include "TelemetryPage.h"
#include "support/SheetFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

// A page bound as a real page is: "mycall" (text), "sben" (check) and "pperiod" (number),
// the number box enabled only while the check box is ticked. An unbound one binds nothing,
// a place to stand while the test changes the bank behind the others.
class ProbePage : public CPropertyPage {
public:
    ProbePage(CSettings &settings, const QString &name, bool bound)
        : m_settings(settings), m_name(name.toStdString()), m_bBound(bound)
    {
        setWindowTitle(name);
        auto *layout = new QVBoxLayout(this);
        m_call = new QLineEdit(this);
        m_period = new QLineEdit(this);
        m_enable = new QCheckBox("Use period", this);
        layout->addWidget(m_call);
        layout->addWidget(m_enable);
        layout->addWidget(m_period);
        connect(m_enable, &QCheckBox::toggled, this, [this] { UpdateEnables(); });
    }

    void AttachControls() override
    {
        CPropertyPage::AttachControls();
        g_log.push_back(m_name + ":attach");
    }
    // The base's activation protocol runs this: load on showing, store on leaving.
    void DoDataExchange(bool store) override
    {
        g_log.push_back(m_name + (store ? ":store" : ":load"));
        if (!m_bBound)
            return;
        CBank &bank = m_settings.CurrentValues();
        DDX_Text(store, m_call, bank.mycall);
        DDX_Check(store, m_enable, bank.sben);
        DDX_Number(store, m_period, bank.pperiod);
    }
    bool OnSetActive() override
    {
        const bool active = CPropertyPage::OnSetActive();
        UpdateEnables();
        return active;
    }
    void UpdateEnables() { m_period->setEnabled(m_enable->isChecked()); }

    CSettings &m_settings;
    std::string m_name;
    bool m_bBound;
    QLineEdit *m_call;
    QLineEdit *m_period;
    QCheckBox *m_enable;
};

using Log = std::vector<std::string>;

} // namespace

class TestSheet : public QObject {
    Q_OBJECT

    CSettings m_model;  // fresh for each test
    std::unique_ptr<CPropertySheet> m_sheet;
    std::vector<std::unique_ptr<ProbePage>> m_pages;

    ProbePage *Page(int i) { return m_pages[size_t(i)].get(); }

    void ClickTab(int index)
    {
        QTabBar *bar = m_sheet->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(m_sheet->GetActiveIndex(), index);
    }

private slots:
    void init()
    {
        m_model = CSettings();
        g_log.clear();
        m_sheet = std::make_unique<CPropertySheet>("Probe");
        for (const char *name : {"A", "B", "C"}) {
            m_pages.push_back(std::make_unique<ProbePage>(m_model, name, *name != 'C'));
            m_sheet->AddPage(m_pages.back().get());
        }
    }
    void cleanup()
    {
        if (m_sheet->isVisible())
            m_sheet->accept();
        // The pages first, as with the main sheet's member pages: the tab widget would
        // otherwise delete them as its children.
        m_pages.clear();
        m_sheet.reset();
    }

    void pagesAttachOnceAndLoadOnEveryShowing()
    {
        QVERIFY(g_log.empty());  // nothing happens before the sheet is shown
        m_sheet->show();
        QCOMPARE(g_log, (Log{"A:attach", "A:load"}));
        ClickTab(1);
        ClickTab(0);
        ClickTab(1);
        QCOMPARE(g_log, (Log{"A:attach", "A:load", "A:store", "B:attach", "B:load", "B:store",
                             "A:load", "A:store", "B:load"}));
        QCOMPARE(m_sheet->GetActivePage(), Page(1));
    }

    void leavingStoresAndShowingLoads()
    {
        m_sheet->show();
        SheetFixture::Type(Page(0)->m_call, "N0CALL-7");
        QCOMPARE(m_model.m_bank0.mycall, std::string("NOCALL"));  // not before leaving
        ClickTab(1);
        QCOMPARE(m_model.m_bank0.mycall, std::string("N0CALL-7"));
        QCOMPARE(Page(1)->m_call->text(), QString("N0CALL-7"));

        // A change made while the page is hidden (a file load, a device read) shows next time.
        ClickTab(2);
        m_model.m_bank0.mycall = "W1AW";
        ClickTab(0);
        QCOMPARE(Page(0)->m_call->text(), QString("W1AW"));
    }

    // A page left untouched still writes back what it shows.
    void leavingUntouchedStillStores()
    {
        m_sheet->show();
        m_model.m_bank0.mycall = "CHANGED-BEHIND";
        ClickTab(1);
        QCOMPARE(m_model.m_bank0.mycall, std::string("NOCALL"));
    }

    void storesIntoTheBankCurrentWhenLeaving()
    {
        m_model.m_bank1.mycall = "BANK1";
        m_sheet->show();
        SheetFixture::Type(Page(0)->m_call, "FIRST");
        ClickTab(2);
        QCOMPARE(m_model.m_bank0.mycall, std::string("FIRST"));

        // The bank changes while page A is hidden: A shows bank 1 next time.
        m_model.SetBank(1);
        ClickTab(0);
        QCOMPARE(Page(0)->m_call->text(), QString("BANK1"));
        SheetFixture::Type(Page(0)->m_call, "SECOND");

        // ...and while it is shown: leaving stores into the bank current at that moment.
        m_model.SetBank(0);
        ClickTab(2);
        QCOMPARE(m_model.m_bank0.mycall, std::string("SECOND"));
        QCOMPARE(m_model.m_bank1.mycall, std::string("BANK1"));
    }

    void disabledControlIsStored()
    {
        m_sheet->show();
        ProbePage *page = Page(0);
        SheetFixture::Click(page->m_enable);
        QVERIFY(page->m_period->isEnabled());
        SheetFixture::Type(page->m_period, "600");
        SheetFixture::Click(page->m_enable);
        QVERIFY(!page->m_period->isEnabled());
        ClickTab(1);
        QCOMPARE(m_model.m_bank0.sben, 0);
        QCOMPARE(m_model.m_bank0.pperiod, 600);
    }

    void closingStoresTheShownPage_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("accept") << false;
        QTest::newRow("Esc") << true;
    }
    void closingStoresTheShownPage()
    {
        QFETCH(bool, byEscape);
        m_sheet->show();
        ClickTab(1);
        SheetFixture::Type(Page(1)->m_call, "AT-CLOSE");
        if (byEscape)
            QTest::keyClick(Page(1)->m_call, Qt::Key_Escape);
        else
            m_sheet->accept();
        QVERIFY(!m_sheet->isVisible());
        QCOMPARE(m_model.m_bank0.mycall, std::string("AT-CLOSE"));
        QCOMPARE(g_log.back(), std::string("B:store"));
        // Never shown, never attached, never stored.
        for (const std::string &entry : g_log)
            QVERIFY(entry.rfind("C:", 0) != 0);
    }

    // The main sheet as the program opens it.
    void mainSheetStartState()
    {
        SheetFixture f;
        QCOMPARE(f.sheet->windowTitle(), QString("Quillwren Rezar Configuration"));
        QVERIFY(f.sheet->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!f.sheet->windowIcon().isNull());
        QVERIFY(!f.sheet->windowIcon().pixmap(32, 32).isNull());

        const QStringList captions{"Basic", "Ports", "Position", "Position Timing", "GPS",
                                   "Beacon / Digipeater", "Bank / Telem / WX", "Packet",
                                   "Display", "Comms"};
        QStringList shown;
        for (int i = 0; i < f.Tabs()->count(); ++i)
            shown << f.Tabs()->tabText(i);
        QCOMPARE(shown, captions);
        QCOMPARE(f.Tabs()->currentIndex(), 0);
        QCOMPARE(f.sheet->GetActivePage(), static_cast<CPropertyPage *>(f.Page<CBasicPage>()));

        auto *label = f.Find<QLabel>("bankLabel");
        QVERIFY(label);
        QCOMPARE(label->text(), QString("BANK:0"));

        // The only button outside the pages is "&Close".
        QStringList buttons;
        for (QPushButton *b : f.sheet->findChildren<QPushButton *>())
            if (b->isVisibleTo(f.sheet.get()) && !f.Tabs()->isAncestorOf(b))
                buttons << b->objectName() + "=" + b->text();
        QCOMPARE(buttons, QStringList{"closeButton=&Close"});

        // The bank label stands at the left of the same row as "&Close".
        auto *close = f.Find<QPushButton>("closeButton");
        const QRect l = label->geometry(), c = close->geometry();
        QVERIFY(l.right() < c.left());
        QVERIFY(l.top() < c.bottom() && c.top() < l.bottom());
        QVERIFY(l.left() < f.sheet->width() / 4);
        QVERIFY(c.top() > f.Tabs()->geometry().bottom());
    }

    // Every setting has one control on the page its help names, and showing it changes
    // nothing but the page and the focus.
    void everySettingShownOnItsPage()
    {
        SheetFixture f;
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        QStringList misplaced;
        for (const SettingHelp &help : g_settingHelp) {
            int index = -1;
            if (!f.sheet->SettingControl(help.key, &index) || f.Tabs()->tabText(index) != help.page)
                misplaced << help.key;
        }
        QCOMPARE(misplaced.join(" "), QString());
        QVERIFY(f.sheet->ShowSetting("tdao"));
        QWidget *tdao = f.sheet->SettingControl("tdao");
        QCOMPARE(f.Tabs()->currentWidget(), f.sheet->PageScrollArea(f.Tabs()->currentIndex()));
        QVERIFY(f.Tabs()->currentWidget()->isAncestorOf(tdao));
        QVERIFY(tdao->hasFocus());
        QVERIFY(f.Find<QWidget>("foundMarker"));
        QVERIFY(!f.sheet->ShowSetting("nosuchkey"));
        // GALT is disabled while only valid GPS positions are sent (the default).
        QVERIFY(f.sheet->ShowSetting("galt"));
        QVERIFY(!f.sheet->SettingControl("galt")->isEnabled());
        QVERIFY(f.Tabs()->tabBar()->hasFocus());
        QVERIFY(!f.sheet->HasUnsavedChanges());
        QCOMPARE(f.settings.GetBank(), 0);
    }

    // The label shows the bank the bank page last reported, whichever tab is shown, and no
    // other page touches it.
    void bankLabelFollowsTheBankPage()
    {
        SheetFixture f;
        auto *label = f.Find<QLabel>("bankLabel");
        CTelemetryPage *bankPage = f.Page<CTelemetryPage>();
        QVERIFY(bankPage);
        QVERIFY(f.GoTo("Comms"));
        emit bankPage->bankChanged(1);
        QCOMPARE(label->text(), QString("BANK:1"));
        QVERIFY(f.GoTo("Basic"));
        QCOMPARE(label->text(), QString("BANK:1"));
        emit bankPage->bankChanged(0);
        QCOMPARE(label->text(), QString("BANK:0"));
    }

    // Outside any sheet the bank page loads as well, and reports every bank it loads.
    void bankPageReportsEachLoad()
    {
        CSettings settings;
        CTelemetryPage page(settings);
        QSignalSpy reported(&page, &CTelemetryPage::bankChanged);
        page.EnsureAttached();
        page.OnSetActive();
        page.OnKillActive();
        settings.SetBank(1);
        page.OnSetActive();
        QCOMPARE(reported.count(), 2);
        QCOMPARE(reported.at(0).at(0).toInt(), 0);
        QCOMPARE(reported.at(1).at(0).toInt(), 1);
    }

    void closeButtonEndsTheModalRun()
    {
        SheetFixture f;
        QVERIFY(f.GoTo("Comms"));
        int result = -1;
        QTimer::singleShot(0, f.sheet.get(), [&] {
            SheetFixture::Click(f.Find<QPushButton>("closeButton"));
        });
        result = f.sheet->DoModal();
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(!f.sheet->isVisible());
        QVERIFY(!f.Page<CCommsPage>()->IsPolling());
    }

    // A sheet whose pages are members, as the main sheet's are, destroyed while shown: the
    // pages go first, and removing their tabs must not load or store any of them.
    void destroyingAShownSheetRunsNoPage()
    {
        class MemberSheet : public CPropertySheet {
        public:
            MemberSheet() : CPropertySheet("Members")
            {
                AddPage(&m_a);
                AddPage(&m_b);
                AddPage(&m_c);
            }
            ~MemberSheet() override { StopPages(); }
            CSettings m_model;
            ProbePage m_a{m_model, "A", true}, m_b{m_model, "B", true}, m_c{m_model, "C", true};
        };
        auto sheet = std::make_unique<MemberSheet>();
        sheet->show();
        sheet->SetActivePage(2);
        g_log.clear();
        sheet.reset();
        QCOMPARE(g_log, Log{});
    }
};

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
