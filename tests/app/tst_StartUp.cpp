#include "HelpManual.h"
#include "IniFile.h"
#include "InstalledCopy.h"
#include "ModalDriver.h"
#include "RunningProgram.h"
#include "SubmitStatus.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "frmOptions.h"
#include "frmProductHistory.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QRadioButton>

// Where the program keeps its files, the seeding of an installed copy, what start-up does with files that are
// missing or damaged, the Options window that writes the settings, and the language the program starts in.
class tst_StartUp final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { EndProgram(); }

    // A file the user has is never replaced; a portable copy seeds nothing. Owner-only copies and an untouched prefix
    // are checked by scripts/check-install.sh.
    void seedingCopiesOnlyWhatIsMissing() {
        InstalledCopy copy;
        const ProgramLayout layout = DecideLayout(copy.binDir(), copy.dataDir());
        QVERIFY(layout.installed && layout.programDirectory == copy.dataDir());
        QVERIFY(QDir().mkpath(copy.dataDir()));
        WriteFile(copy.dataFile("kwz.db"), "the user's sites");
        QCOMPARE(SeedUserData(layout), QString());
        QCOMPARE(ReadFile(copy.dataFile("kwz.db")), QByteArray("the user's sites"));
        QCOMPARE(ReadFile(copy.dataFile("kwz.ini")), ReadFile(copy.sharedFile("kwz.ini")));
        QTemporaryDir portable; // any other place
        const ProgramLayout here = DecideLayout(portable.path(), portable.filePath("data"));
        QVERIFY(!here.installed && here.programDirectory == portable.path());
        QCOMPARE(SeedUserData(here), QString());
        QVERIFY(QDir(portable.path()).isEmpty());
    }

    // Each problem is told; the files stay as they were, and a missing archive is never made anew.
    void missingOrDamagedFilesAreToldAndKept_data() {
        QTest::addColumn<QByteArray>("database"); // null: none
        QTest::addColumn<QByteArray>("ini");      // null: none
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("messages"); // how each message begins
        QTest::newRow("both missing") << QByteArray() << QByteArray() << true
                                      << QStringList{"Specified archive file does not exist", "I cannot read ini file.",
                                                     "Error in LoadStaticHtml: ", "Error in LoadComboProductsErr: ",
                                                     "Error in MakeLvwSitesContents: "};
        QTest::newRow("damaged database")
            << QByteArray(4096, 'x') << QByteArray(RunningProgram::kIni) << true
            << QStringList{"The archive could not be backed up: file is not a database",
                           "Error in HomePageHtml: file is not a database",
                           "Error in LoadComboProductsErr: ", "Error in MakeLvwSitesContents: "};
        QTest::newRow("setting no 16-bit number")
            << QByteArray("fresh") << QByteArray("[preferences]\nPopUpBlock=99999\n") << false
            << QStringList{"Error in Main: Overflow"};
    }
    void missingOrDamagedFilesAreToldAndKept() {
        QFETCH(QByteArray, database);
        QFETCH(QByteArray, ini);
        QFETCH(bool, started);
        QFETCH(QStringList, messages);
        RunningProgram p(
            [&](const TestProgramDir& dir) {
                if (!database.isNull() && database != "fresh")
                    dir.writeFile("kwz.db", database);
            },
            ini, !database.isNull());
        QCOMPARE(p.started, started);
        QCOMPARE(p.startUpTexts.size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(p.startUpTexts[i].startsWith(messages[i]), qPrintable(p.startUpTexts[i]));
        if (database != "fresh")
            QCOMPARE(ReadFile(p.dir.dbPath()), database);
        QCOMPARE(ReadFile(p.dir.filePath("kwz.ini")), ini);
    }

    // An installed copy runs on its data directory with the manual under the prefix.
    void installedCopyStartsFromItsDataDirectory() {
        InstalledCopy copy;
        MsgBoxSpy boxes;
        ShellSpy shell;
        QVERIFY(StartProgram(DecideLayout(copy.binDir(), copy.dataDir())));
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
        QCOMPARE(QFileInfo(ManualPath()).path() + gArchiveFile, copy.sharedFile("help") + copy.dataFile("kwz.db"));
    }

    // OK stores and applies the choice, Close neither; a file that cannot be written is told, and the choice still
    // applies.
    void optionsApplyOnlyOnOk_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("applied"); // gPopUpBlock
        QTest::addColumn<QString>("stored");
        QTest::newRow("OK") << "cmdOK" << true << 1 << "1";
        QTest::newRow("Close") << "cmdClose" << true << 0 << "0";
        QTest::newRow("OK, not writable") << "cmdOK" << false << 1 << "";
    }
    void optionsApplyOnlyOnOk() {
        QFETCH(QString, button);
        QFETCH(bool, writable);
        QFETCH(int, applied);
        QFETCH(QString, stored);
        TestProgramDir dir;
        dir.writeFile("kwz.ini", RunningProgram::kIni);
        gIniFile = dir.filePath(writable ? "kwz.ini" : "no-such-folder/kwz.ini");
        gPopUpBlock = 0;
        gNextRemainingSite = gNextOldVersionSite = false;
        MsgBoxSpy boxes;
        frmOptions options;
        options.optPopUp[1]->setChecked(true);
        options.chkNextRemainingSite->setChecked(true);
        options.chkNextOldVersionSite->setChecked(true); // the second choice replaces the first
        QTest::mouseClick(options.findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(gPopUpBlock, applied);
        QCOMPARE(IniRead(gIniFile, "preferences", "PopUpBlock"), stored);
        QCOMPARE(gNextOldVersionSite && !gNextRemainingSite, applied == 1);
        QCOMPARE(IniRead(gIniFile, "preferences", "NextOldVersionSite") +
                     IniRead(gIniFile, "preferences", "NextRemainingSite"),
                 QString(stored == "1" ? "10" : ""));
        QCOMPARE(boxes.texts().size(), writable ? 0 : 1);
    }

    // Language=de: the program's words and Qt's own buttons are German, Options shows and changes the choice, and the
    // next start in the C locale is English again.
    void startsInTheChosenLanguage() {
        {
            RunningProgram program({}, QByteArray(RunningProgram::kIni) + "Language=de\n");
            QVERIFY(program.started);
            QCOMPARE(gMainWindow->lvwSites->headerItem()->text(1), QString("Einreichungs-URL"));
            QVERIFY(gMainWindow->cboFilterStatus->findText("Ver\u00f6ffentlicht") >= 0);
            QCOMPARE(gMainWindow->StatusBar1Panel1->text(), QString("Quillomar PAD Submitter - Eintr\u00e4ge: 0"));
            QCOMPARE(frmProductHistory().windowTitle(), QString("Verlaufsprotokoll des Produkts"));

            SetMsgBoxInterceptor({});
            QStringList buttons;
            ModalDriver driver([&buttons](QWidget* box) {
                for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
                    buttons << button->text();
                QTest::keyClick(box, Qt::Key_Escape);
            });
            MsgBox("?", Msg::Buttons::YesNo, Msg::Icon::Question);
            buttons.sort();
            QCOMPARE(buttons, QStringList({"&Ja", "&Nein"}));

            frmOptions options;
            auto* language = options.findChild<QComboBox*>("cboLanguage");
            QCOMPARE(language->currentText(), QString("Deutsch"));
            language->setCurrentIndex(language->findText("Fran\u00e7ais"));
            QTest::mouseClick(options.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            QCOMPARE(IniRead(gIniFile, "preferences", "Language"), QString("fr"));
        }
        QCOMPARE(WordsFor(SubmitStatus::Published).filter, QString("Published"));
    }
};

QUILL_TEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
