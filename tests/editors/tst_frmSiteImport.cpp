#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmSiteImport.h"

#include <QButtonGroup>
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
    // The stored sites in key order, "name|submitUrl".
    QString sites() const {
        return m_dir
            ->scalar("SELECT group_concat(site, ' ') FROM "
                     "(SELECT name || '|' || submitUrl AS site FROM tab_sites ORDER BY siteID)")
            .toString();
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

    // Name and address as they stand, whatever the line ends and the encoding; further fields are ignored.
    void listIsImportedLineByLine_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        QTest::newRow("tab, UTF-16 with a byte order mark")
            << 0 << QByteArray(utf16.encode(QStringLiteral("Café €\thttp://x/\r\nO'Brien\twww.o.example/add.php")))
            << "Café €|http://x/ O'Brien|www.o.example/add.php";
        QTest::newRow("semicolon, Windows-1252, a third field")
            << 1 << QByteArray("Caf\xE9 \x80;http://caf\xE9.example/;third\r\n\x93Q\x94;q/\n")
            << "Café €|http://café.example/ “Q”|q/";
        QTest::newRow("comma, old Mac line end, blank kept")
            << 2 << QByteArray("A, http://a.example/\rB,http://b.example/\r\n")
            << "A| http://a.example/ B|http://b.example/";
    }
    void listIsImportedLineByLine() {
        QFETCH(int, option);
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        FixedClock clock(QDateTime(QDate(2013, 4, 5), QTime(6, 7, 8)));
        FileDialogSpy files;
        m_dir->writeFile("sites list.txt", content);
        files.choose(m_dir->filePath("sites list.txt"));
        QTest::mouseClick(m_window->cmdBrowse, Qt::LeftButton);
        QTest::mouseClick(m_window->optFileType->button(option), Qt::LeftButton);
        QTest::mouseClick(m_window->cmdImport, Qt::LeftButton);
        QCOMPARE(sites(), expected);
        QCOMPARE(m_dir->scalar("SELECT count(*) FROM tab_sites WHERE insertDate = '2013-04-05 06:07:08'").toInt(), 2);
        QCOMPARE(m_boxes->texts().last(), QString("Imported 2 PAD sites."));
        QCOMPARE(m_rebuilds, 1);
        QVERIFY(idle());
    }

    void unusableInputImportsNothing_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message"); // how the last text shown starts
        const QByteArray good("Name;http://a.example/\r\n");
        QTest::newRow("semicolons, Tab chosen") << good << 0 << ""
                                                << "Separator character was not found";
        QTest::newRow("missing file") << QByteArray() << 1 << ""
                                      << "Separator character was not found";
        QTest::newRow("No at the line count") << good << 1 << "No"
                                              << "File  to import contains 1 lines";
        QTest::newRow("archive gone before the first line") << good << 1 << "archive gone"
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

    // No at "Stop importing?" skips the line and goes on; a run that imported nothing does not say it imported.
    void badLineIsReportedAndSkippedOnRequest_data() {
        QTest::addColumn<QByteArray>("badLine");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("total");
        QTest::newRow("one field") << QByteArray("Just a name") << "separated by ';'"
                                   << "Imported 2 PAD sites.";
        QTest::newRow("empty line") << QByteArray("") << "separated by ';'"
                                    << "Imported 2 PAD sites.";
        QTest::newRow("refused by the archive") << QByteArray("refused;r/") << "refused by test"
                                                << "Imported 2 PAD sites.";
        QTest::newRow("every line refused") << QByteArray("refused;r/") << "refused by test"
                                            << "No PAD sites were imported.";
    }
    void badLineIsReportedAndSkippedOnRequest() {
        QFETCH(QByteArray, badLine);
        QFETCH(QString, failure);
        QFETCH(QString, total);
        const bool everyLine = total.startsWith("No");
        m_dir->sql(QString("CREATE TRIGGER refuse BEFORE INSERT ON tab_sites WHEN NEW.name = 'refused' OR %1 "
                           "BEGIN SELECT RAISE(ABORT, 'refused by test'); END")
                       .arg(everyLine));
        for (const Msg::Answer answer : {Msg::Answer::Yes, Msg::Answer::Ok, Msg::Answer::No, Msg::Answer::Ok,
                                         Msg::Answer::No, Msg::Answer::Ok, Msg::Answer::No})
            m_boxes->answer(answer);
        import(1, "A;a/\r\n" + badLine + "\r\nC;c/\r\n");
        QCOMPARE(sites(), everyLine ? QString() : QString("A|a/ C|c/"));
        const QStringList lineTwo = m_boxes->texts().filter(QRegularExpression(" Line: 2$"));
        QVERIFY2(lineTwo.size() == 1 && lineTwo[0].contains(failure), qPrintable(m_boxes->texts().join('|')));
        QCOMPARE(m_boxes->texts().last(), total);
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
        QCOMPARE(m_window->lblProgress->text(), progressAtStop);
        QCOMPARE(m_dir->scalar("SELECT count(*) FROM tab_sites").toInt(), done);
        QCOMPARE(m_boxes->shown().size(), 1); // the line count question only
        QCOMPARE(m_rebuilds, 1);
        QVERIFY(idle() && !m_window->isVisible());
    }
};

QUILL_TEST_MAIN(tst_frmSiteImport)
#include "tst_frmSiteImport.moc"
