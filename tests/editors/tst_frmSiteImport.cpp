#include "Seed.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmSiteImport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

class tst_frmSiteImport final : public QObject {
    Q_OBJECT

    // Each test on a fresh archive, its message boxes answered and logged, with the window as the main window opens
    // it, counting the list rebuilds it asks for.
    std::optional<TestProgramDir> m_dir;
    std::optional<MsgBoxSpy> m_boxes;
    int m_rebuilds = 0;
    std::optional<frmSiteImport> m_window;

    // Writes list.txt (none for a null content), chooses the separator option (0 tab, 1 semicolon, 2 comma) and
    // presses Import, as a user would.
    void import(int option, const QByteArray& content) {
        if (!content.isNull())
            m_dir->writeFile("list.txt", content);
        m_window->txtFileName->setText(m_dir->filePath("list.txt"));
        QTest::mouseClick(m_window->optFileType->button(option), Qt::LeftButton);
        QTest::mouseClick(m_window->cmdImport, Qt::LeftButton);
    }
    bool idle() const {
        return m_window->cmdImport->isEnabled() && m_window->cmdClose->isEnabled() && !m_window->Importing();
    }

private slots:
    void init() {
        m_dir.emplace();
        m_boxes.emplace();
        m_rebuilds = 0;
        m_window.emplace([this] { ++m_rebuilds; });
        m_window->show();
    }
    void cleanup() {
        m_window.reset();
        m_boxes.reset();
        m_dir.reset();
    }

    // Name and address as they stand, whatever the line ends and the encoding; further fields are ignored. A line
    // that cannot be stored is reported by its number and, at No to "Stop importing?", skipped.
    void listIsImportedLineByLine_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("result"); // "name|address" in key order, then "#" and the lines reported
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        const QByteArray unicode = utf16.encode(QStringLiteral("Café €\thttp://x/\r\nO'Brien\to/"));
        QTest::newRow("tab, UTF-16 with a byte order mark") << 0 << unicode << "Café €|http://x/ O'Brien|o/ #";
        QTest::newRow("semicolon, Windows-1252, a third field")
            << 1 << QByteArray("Caf\xE9 \x80;http://caf\xE9/;3rd\r\n\x93Q\x94;q/\n") << "Café €|http://café/ “Q”|q/ #";
        QTest::newRow("comma, UTF-8 mark, old Mac line end, blank kept")
            << 2 << QByteArray("\xEF\xBB\xBFN, a/\rB,b/\r\n") << "N| a/ B|b/ #";
        QTest::newRow("one field") << 1 << QByteArray("A;a/\r\nJust a name\r\nC;c/") << "A|a/ C|c/ #2";
        QTest::newRow("empty line") << 1 << QByteArray("A;a/\r\n\r\nC;c/") << "A|a/ C|c/ #2";
        QTest::newRow("refused by the archive") << 1 << QByteArray("A;a/\nrefused;r/\nC;c/") << "A|a/ C|c/ #2";
        QTest::newRow("every line refused") << 1 << QByteArray("refused;r/\nrefused;s/") << " #1 2";
    }
    void listIsImportedLineByLine() {
        QFETCH(int, option);
        QFETCH(QByteArray, content);
        QFETCH(QString, result);
        FixedClock clock(QDateTime(QDate(2013, 4, 5), QTime(6, 7, 8)));
        m_dir->sql("CREATE TRIGGER refuse BEFORE INSERT ON tab_sites WHEN NEW.name = 'refused' "
                   "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        for (const Msg::Answer answer :
             {Msg::Answer::Yes, Msg::Answer::Ok, Msg::Answer::No, Msg::Answer::Ok, Msg::Answer::No})
            m_boxes->answer(answer);
        import(option, content);
        QStringList reported;
        for (const QString& text : m_boxes->texts().filter(QRegularExpression("^Error in ParseAndInsert: ")))
            reported << text.section(" Line: ", -1);
        const QString sites =
            m_dir
                ->scalar("SELECT group_concat(site, ' ') FROM (SELECT name || '|' || submitUrl AS "
                         "site FROM tab_sites WHERE insertDate = '2013-04-05 06:07:08' ORDER BY siteID)")
                .toString();
        QCOMPARE(sites + " #" + reported.join(' '), result);
        // A run whose every line failed does not read like an import.
        QCOMPARE(m_boxes->texts().last(), sites.isEmpty() ? "No PAD sites were imported." : "Imported 2 PAD sites.");
        QCOMPARE(m_rebuilds, 1);
        QVERIFY(idle());
    }

    void unusableInputImportsNothing_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message"); // how the last text shown starts
        const QByteArray good("Name;http://a.example/\r\n");
        QTest::newRow("semicolons, Tab chosen") << good << 0 << QString() << "Separator character was not found";
        QTest::newRow("nothing before the separator")
            << QByteArray(";http://a.example/\r\n") << 1 << QString() << "Separator character was not found";
        QTest::newRow("missing file") << QByteArray() << 1 << QString() << "Separator character was not found";
        QTest::newRow("No at the line count") << good << 1 << "No"
                                              << "File  to import contains 1 lines";
        QTest::newRow("archive gone") << good << 1 << "archive gone"
                                      << "Error in cmdImport_Click: ";
    }
    void unusableInputImportsNothing() {
        QFETCH(QByteArray, content);
        QFETCH(int, option);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        if (fault == "No")
            m_boxes->answer(Msg::Answer::No);
        if (fault == "archive gone")
            QVERIFY(QFile::remove(m_dir->dbPath()));
        import(option, content);
        QVERIFY2(m_boxes->texts().last().startsWith(message), qPrintable(m_boxes->texts().join('|')));
        QCOMPARE(m_rebuilds, 0);
        QVERIFY(idle());
    }

    // With the box on, a line whose address is a site's, or an earlier line's, is counted and skipped.
    void duplicateLinesAreSkippedWhenAsked() {
        SeedSite("http://a.example/");
        m_window->chkSkipDuplicates->setChecked(true);
        m_boxes->answer(Msg::Answer::Yes);
        import(1, "A;https://www.A.example\r\nB;b.example/x/\r\nB2;http://b.example/x\r\nC;c.example\r\n");
        QCOMPARE(m_dir->scalar("SELECT group_concat(ifnull(name, '')) FROM tab_sites").toString(), QString(",B,C"));
        QCOMPARE(m_boxes->texts().last(), QString("Imported 2 PAD sites. Skipped 2 lines that duplicate a site."));
    }

    // Esc stops after the line in hand, while Import and Close are disabled; the rows inserted stay and show.
    void escapeStopsAfterTheCurrentLine() {
        QByteArray content;
        for (int i = 1; i <= 1000; ++i)
            content += QStringLiteral("Site %1;http://site%1.example/\r\n").arg(i).toUtf8();
        QString progressAtStop;
        QTimer stopper;
        connect(&stopper, &QTimer::timeout, [&] {
            if (!m_window->lblProgress->text().startsWith("Importing: "))
                return;
            stopper.stop();
            if (!m_window->cmdImport->isEnabled() && !m_window->cmdClose->isEnabled())
                progressAtStop = m_window->lblProgress->text();
            QTest::keyClick(&*m_window, Qt::Key_Escape);
        });
        stopper.start(0);
        import(1, content);
        const int done = progressAtStop.mid(QString("Importing: ").size()).toInt();
        QVERIFY2(done >= 1 && done < 1000, qPrintable(progressAtStop));
        QCOMPARE(m_dir->scalar("SELECT count(*) FROM tab_sites").toInt(), done);
        QCOMPARE(m_boxes->shown().size(), 1); // the line count question only
        QCOMPARE(m_rebuilds, 1);
        QVERIFY(idle() && !m_window->isVisible());
    }
};

QUILL_TEST_MAIN(tst_frmSiteImport)
#include "tst_frmSiteImport.moc"
