#include "DbConnection.h"
#include "Spies.h"
#include "TestMain.h"
#include "TestProgramDir.h"
#include "frmSiteImport.h"

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

    // Each test on a fresh archive, its message boxes answered and logged, with the window as the main window opens
    // it; it counts the list rebuilds the window asks for.
    std::optional<TestProgramDir> m_dir;
    std::optional<MsgBoxSpy> m_boxes;
    int m_rebuilds = 0;
    std::optional<frmSiteImport> m_window;

    // Writes list.txt when given its content, types the path, chooses the separator option (0 tab, 1 semicolon,
    // 2 comma) and presses Import, as a user would.
    void import(int option, const QByteArray& content = {}, const QString& path = "list.txt") {
        if (!content.isNull())
            m_dir->writeFile("list.txt", content);
        m_window->txtFileName->setText(path.trimmed().isEmpty() ? path : m_dir->filePath(path));
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

    // Each field as it stands, whatever the line ends and the text's encoding.
    void listIsImportedLineByLine_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("tab") << 0 << QByteArray("A\thttp://a.example/\r\nB\thttp://b.example/\r\n")
                             << QStringList{"A|http://a.example/", "B|http://b.example/"};
        QTest::newRow("apostrophes, no scheme, a third field")
            << 1 << QByteArray("O'Brien's Tools;www.obrien.example/add.php\nB;http://b.example/;third field\n")
            << QStringList{"O'Brien's Tools|www.obrien.example/add.php", "B|http://b.example/"};
        QTest::newRow("comma, mixed line ends, blank kept")
            << 2 << QByteArray("A, http://a.example/\rB,http://b.example/\r\n")
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
        FixedClock clock(QDateTime(QDate(2013, 4, 5), QTime(6, 7, 8)));
        FileDialogSpy files;
        m_dir->writeFile("sites list.txt", content);
        files.choose(m_dir->filePath("sites list.txt"));
        QTest::mouseClick(m_window->cmdBrowse, Qt::LeftButton);
        QTest::mouseClick(m_window->cmdBrowse, Qt::LeftButton); // cancelled: the box keeps its path
        QTest::mouseClick(m_window->optFileType->button(option), Qt::LeftButton);
        QTest::mouseClick(m_window->cmdImport, Qt::LeftButton);
        QCOMPARE(sites(), expected);
        QCOMPARE(m_dir->scalar("SELECT count(*) FROM tab_sites WHERE insertDate = '2013-04-05 06:07:08'").toInt(), 2);
        QCOMPARE(m_boxes->texts(), (QStringList{proceedQuestion(2), "Imported 2 PAD sites."}));
        QCOMPARE(m_rebuilds, 1);
        QVERIFY(idle());
    }

    void unusableInputImportsNothing_data() {
        QTest::addColumn<QString>("path"); // in the program directory
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("messages"); // each shown text starts with its entry
        const QByteArray good("Name;http://a.example/\r\n");
        const QString noSeparator = "Separator character was not found in the first row of your input file.";
        QTest::newRow("no path") << "   " << good << 1 << "" << QStringList{"Please, choose a file to import from!"};
        QTest::newRow("semicolons, Tab chosen") << "list.txt" << good << 0 << "" << QStringList{noSeparator};
        QTest::newRow("missing file") << "missing.txt" << good << 1 << ""
                                      << QStringList{"Error in CheckFirstRow: Cannot read ", noSeparator};
        QTest::newRow("empty file") << "list.txt" << QByteArray("") << 1 << ""
                                    << QStringList{"Error in CheckFirstRow: ", noSeparator};
        QTest::newRow("No at the line count") << "list.txt" << good << 1 << "No" << QStringList{proceedQuestion(1)};
        QTest::newRow("archive gone before the first line")
            << "list.txt" << good << 1 << "archive gone"
            << QStringList{proceedQuestion(1), "Error in cmdImport_Click: "};
    }
    void unusableInputImportsNothing() {
        QFETCH(QString, path);
        QFETCH(QByteArray, content);
        QFETCH(int, option);
        QFETCH(QString, fault);
        QFETCH(QStringList, messages);
        if (fault == "No")
            m_boxes->answer(Msg::Answer::No);
        if (fault == "archive gone")
            QVERIFY(QFile::remove(m_dir->dbPath()));
        import(option, content, path);
        QCOMPARE(m_boxes->shown().size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(m_boxes->texts()[i].startsWith(messages[i]), qPrintable(m_boxes->texts()[i]));
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
        QTest::newRow("refused by the archive") << QByteArray("refused;http://r.example/") << "refused by test"
                                                << "Imported 2 PAD sites.";
        QTest::newRow("every line refused") << QByteArray("refused;http://r.example/") << "refused by test"
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
        import(1, "A;http://a/\r\n" + badLine + "\r\nC;http://c/\r\n");
        QCOMPARE(sites(), everyLine ? QStringList() : (QStringList{"A|http://a/", "C|http://c/"}));
        const QStringList lineTwo = m_boxes->texts().filter(QRegularExpression(" Line: 2$"));
        QVERIFY2(lineTwo.size() == 1 && lineTwo[0].contains(failure), qPrintable(m_boxes->texts().join('|')));
        QCOMPARE(m_boxes->texts().last(), total);
    }

    // Esc or closing the window stops after the line in hand; the rows inserted stay and the list shows them.
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
        QString progressAtStop;
        bool busyAtStop = false;
        QTimer stopper;
        connect(&stopper, &QTimer::timeout, [&] {
            if (!m_window->lblProgress->text().startsWith("Importing: "))
                return;
            stopper.stop();
            progressAtStop = m_window->lblProgress->text();
            busyAtStop = !m_window->cmdImport->isEnabled() && !m_window->cmdClose->isEnabled();
            if (escape)
                QTest::keyClick(&*m_window, Qt::Key_Escape);
            else
                m_window->close();
        });
        stopper.start(0);
        import(1, content);
        const int done = progressAtStop.mid(QString("Importing: ").size()).toInt();
        QVERIFY2(busyAtStop && done >= 1 && done < 1000, qPrintable(progressAtStop));
        QCOMPARE(m_window->lblProgress->text(), progressAtStop);
        QCOMPARE(m_dir->scalar("SELECT count(*) FROM tab_sites").toInt(), done);
        QCOMPARE(m_boxes->texts(), QStringList{proceedQuestion(1000)});
        QCOMPARE(m_rebuilds, 1);
        QVERIFY(idle() && !m_window->isVisible());
    }
};

QUILL_TEST_MAIN(tst_frmSiteImport)
#include "tst_frmSiteImport.moc"
