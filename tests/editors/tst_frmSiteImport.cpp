#include "DbConnection.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmSiteImport.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

namespace {

const QString kSeparatorMissing =
    QStringLiteral("Separator character was not found in the first row of your input file. Please check your input "
                   "file and choose the right separator.");

// The window as the main window opens it; counts the list rebuilds it asks for.
struct ImportWindow {
    int rebuilds = 0;
    frmSiteImport window{[this] { ++rebuilds; }};

    ImportWindow() { window.show(); }
    frmSiteImport* operator->() { return &window; }

    // Chooses the separator option (0 tab, 1 semicolon, 2 comma) and presses Import, as a user would.
    void import(int option) {
        QTest::mouseClick(window.optFileType->button(option), Qt::LeftButton);
        QTest::mouseClick(window.cmdImport, Qt::LeftButton);
    }
    void import(const QString& path, int option) {
        window.txtFileName->setText(path);
        import(option);
    }
    bool idle() const { return window.cmdImport->isEnabled() && window.cmdClose->isEnabled() && !window.Importing(); }
};

// The stored sites in key order, "name|submitUrl".
QStringList sites() {
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT name, submitUrl FROM tab_sites ORDER BY siteID"));
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString();
    return rows;
}

QString proceedQuestion(int lines) {
    return QStringLiteral("File  to import contains %1 lines (sites). Do you want to proceed?").arg(lines);
}

} // namespace

class tst_frmSiteImport final : public QObject {
    Q_OBJECT

    // Each test on a fresh archive, its message boxes answered and logged.
    std::optional<TestProgramDir> m_dir;
    std::optional<MsgBoxSpy> m_boxes;

private slots:
    void init() {
        m_dir.emplace();
        m_boxes.emplace();
    }
    void cleanup() {
        m_boxes.reset();
        m_dir.reset();
    }

    // A list browsed for and imported twice adds every site twice, each field as it stands.
    void listIsImportedLineByLine_data() {
        QTest::addColumn<int>("option"); // 0 tab, 1 semicolon, 2 comma
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        const QStringList both{"A|http://a.example/", "B|http://b.example/"};
        QTest::newRow("tab") << 0 << QByteArray("A\thttp://a.example/\r\nB\thttp://b.example/\r\n") << both;
        QTest::newRow("apostrophes, no scheme, a third field")
            << 1 << QByteArray("O'Brien's Tools;www.obrien.example/add.php\nB;http://b.example/;third field\n")
            << QStringList{"O'Brien's Tools|www.obrien.example/add.php", "B|http://b.example/"};
        // "NAME, URL" gives an address that starts with a blank.
        QTest::newRow("comma, mixed line ends") << 2 << QByteArray("A, http://a.example/\rB,http://b.example/\r\n")
                                                << QStringList{"A| http://a.example/", "B|http://b.example/"};
        QTest::newRow("Windows-1252") << 1 << QByteArray("Caf\xE9 \x80;http://caf\xE9.example/\r\n\x93Q\x94;q/\r\n")
                                      << QStringList{"Café €|http://café.example/", "“Q”|q/"};
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        QTest::newRow("UTF-16 with a byte order mark")
            << 0 << QByteArray(utf16.encode(QStringLiteral("Café €\thttp://x/\r\nB\thttp://b.example/")))
            << QStringList{"Café €|http://x/", "B|http://b.example/"};
    }

    void listIsImportedLineByLine() {
        QFETCH(int, option);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        FileDialogSpy files;
        FixedClock clock(QDateTime(QDate(2013, 4, 5), QTime(6, 7, 8)));
        m_dir->writeFile("sites list.txt", content);
        ImportWindow w;
        files.choose(m_dir->filePath("sites list.txt"));
        QTest::mouseClick(w->cmdBrowse, Qt::LeftButton);
        QTest::mouseClick(w->cmdBrowse, Qt::LeftButton); // cancelled: the box keeps its path
        w.import(option);
        w.import(option);
        QCOMPARE(sites(), expected + expected);
        QCOMPARE(m_dir->scalar("SELECT count(*) FROM tab_sites WHERE insertDate = '2013-04-05 06:07:08'").toInt(), 4);
        QCOMPARE(m_boxes->texts(), (QStringList{proceedQuestion(2), "Imported 2 PAD sites.", proceedQuestion(2),
                                                "Imported 2 PAD sites."}));
        QCOMPARE(w.rebuilds, 2);
        QVERIFY(w.idle());
    }

    void unusableInputImportsNothing_data() {
        QTest::addColumn<QString>("path"); // relative to the program directory; the list file is "list.txt"
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("declined");
        QTest::addColumn<QStringList>("messages"); // each shown text starts with its entry
        const QByteArray good("Name;http://a.example/\r\n");
        QTest::newRow("no path") << "   " << good << 1 << false << QStringList{"Please, choose a file to import from!"};
        QTest::newRow("semicolons, Tab chosen") << "list.txt" << good << 0 << false << QStringList{kSeparatorMissing};
        QTest::newRow("first row starts with the separator")
            << "list.txt" << QByteArray(";http://a.example/\r\nName;http://b.example/\r\n") << 1 << false
            << QStringList{kSeparatorMissing};
        QTest::newRow("missing file") << "missing.txt" << good << 1 << false
                                      << QStringList{"Error in CheckFirstRow: Cannot read ", kSeparatorMissing};
        QTest::newRow("empty file") << "list.txt" << QByteArray() << 1 << false
                                    << QStringList{"Error in CheckFirstRow: ", kSeparatorMissing};
        QTest::newRow("No at the line count") << "list.txt" << good << 1 << true << QStringList{proceedQuestion(1)};
    }

    void unusableInputImportsNothing() {
        QFETCH(QString, path);
        QFETCH(QByteArray, content);
        QFETCH(int, option);
        QFETCH(bool, declined);
        QFETCH(QStringList, messages);
        if (declined)
            m_boxes->answer(Msg::Answer::No);
        m_dir->writeFile("list.txt", content);
        ImportWindow w;
        w.import(path.trimmed().isEmpty() ? path : m_dir->filePath(path), option);

        QCOMPARE(m_boxes->shown().size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(m_boxes->texts()[i].startsWith(messages[i]), qPrintable(m_boxes->texts()[i]));
        QVERIFY(sites().isEmpty());
        QCOMPARE(w.rebuilds, 0);
        QVERIFY(w.idle());
    }

    void badLineIsReportedAndSkippedOnRequest_data() {
        QTest::addColumn<QByteArray>("badLine");
        QTest::addColumn<QString>("failure");
        QTest::newRow("no separator") << QByteArray("Just a name") << "separated by ';'";
        QTest::newRow("empty line") << QByteArray() << "separated by ';'";
        QTest::newRow("refused by the database") << QByteArray("refused;http://r.example/") << "refused by test";
    }

    void badLineIsReportedAndSkippedOnRequest() {
        QFETCH(QByteArray, badLine);
        QFETCH(QString, failure);
        m_dir->sql("CREATE TRIGGER refuse BEFORE INSERT ON tab_sites WHEN NEW.name = 'refused' "
                   "BEGIN SELECT RAISE(ABORT, 'refused by test'); END");
        m_dir->writeFile("list.txt", "A;http://a/\r\nB;http://b/\r\n" + badLine + "\r\nC;http://c/\r\n");
        ImportWindow w;
        w->txtFileName->setText(m_dir->filePath("list.txt"));

        // No (go on): the line is skipped and the rest imported.
        m_boxes->answer(Msg::Answer::Yes);
        m_boxes->answer(Msg::Answer::Ok);
        m_boxes->answer(Msg::Answer::No);
        w.import(1);
        QCOMPARE(sites(), (QStringList{"A|http://a/", "B|http://b/", "C|http://c/"}));
        const QStringList texts = m_boxes->texts();
        QCOMPARE(texts.size(), 4);
        QVERIFY2(texts[1].contains(failure) && texts[1].endsWith(" Line: 3"), qPrintable(texts[1]));
        QCOMPARE(texts[3], QString("Imported 3 PAD sites."));
        // Yes (stop) is tst_EditorCommands'.
    }

    void everyLineRefusedIsNotAnnouncedAsAnImport() {
        m_dir->sql("CREATE TRIGGER refuse BEFORE INSERT ON tab_sites BEGIN SELECT RAISE(ABORT, 'read-only'); END");
        m_dir->writeFile("list.txt", "A;http://a/\r\nB;http://b/\r\n");
        for (const Msg::Answer answer :
             {Msg::Answer::Yes, Msg::Answer::Ok, Msg::Answer::No, Msg::Answer::Ok, Msg::Answer::No})
            m_boxes->answer(answer);
        ImportWindow w;
        w.import(m_dir->filePath("list.txt"), 1);
        QVERIFY(sites().isEmpty());
        QCOMPARE(m_boxes->texts().last(), QString("No PAD sites were imported."));
    }

    void stopFromTheWindowEndsAfterTheCurrentLine_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("window closed") << false;
    }

    void stopFromTheWindowEndsAfterTheCurrentLine() {
        QFETCH(bool, escape);
        QByteArray content;
        for (int i = 1; i <= 1000; ++i)
            content += QStringLiteral("Site %1;http://site%1.example/\r\n").arg(i).toUtf8();
        m_dir->writeFile("list.txt", content);
        ImportWindow w;

        // Once the window shows progress, the user stops; the state at that moment is kept for the checks.
        QString progressAtStop;
        bool busyAtStop = false;
        QTimer stopper;
        stopper.setInterval(0);
        connect(&stopper, &QTimer::timeout, [&] {
            if (!w->lblProgress->text().startsWith("Importing: "))
                return;
            stopper.stop();
            progressAtStop = w->lblProgress->text();
            busyAtStop = w->Importing() && !w->cmdImport->isEnabled() && !w->cmdClose->isEnabled();
            if (escape)
                QTest::keyClick(&w.window, Qt::Key_Escape);
            else
                w->close();
        });
        stopper.start();
        w.import(m_dir->filePath("list.txt"), 1);

        QVERIFY(!progressAtStop.isEmpty());
        QVERIFY(busyAtStop);
        const int done = progressAtStop.mid(QString("Importing: ").size()).toInt();
        QVERIFY(done >= 1 && done < 1000);
        // The line in hand was finished, no further line was started; the rows inserted stay.
        QCOMPARE(w->lblProgress->text(), progressAtStop);
        QCOMPARE(m_dir->scalar("SELECT count(*) FROM tab_sites").toInt(), done);
        QCOMPARE(m_boxes->texts(), QStringList{proceedQuestion(1000)});
        QCOMPARE(w.rebuilds, 1);
        QVERIFY(w.idle());
        QVERIFY(!w->isVisible());
    }

    void failureBeforeTheFirstLineLeavesTheWindowUsable() {
        m_dir->writeFile("list.txt", "A;http://a/\r\n");
        QVERIFY(QFile::remove(m_dir->dbPath()));
        ImportWindow w;
        w.import(m_dir->filePath("list.txt"), 1);
        QCOMPARE(m_boxes->shown().size(), 2);
        QVERIFY2(m_boxes->texts()[1].startsWith("Error in cmdImport_Click: "), qPrintable(m_boxes->texts()[1]));
        QVERIFY(w.idle());
        QCOMPARE(w.rebuilds, 0);
    }
};

QUILL_TEST_MAIN(tst_frmSiteImport)
#include "tst_frmSiteImport.moc"
