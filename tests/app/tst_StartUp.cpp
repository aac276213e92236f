#include "AppInfo.h"
#include "RunningProgram.h"
#include "Shell.h"

class tst_StartUp final : public QObject {
    Q_OBJECT

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void startsWithCaptionAndOpensTheMakersSiteBeforeFillingTheList() {
        TestProgramDir dir;
        dir.writeFile("kwz.ini", "[preferences]\nSitesOrder=0\nPopUpBlock=1\n");
        SeedSite("http://a.example/");
        MsgBoxSpy boxes;
        QStringList opened;
        int rowsWhenOpened = -1;
        SetShellInterceptor([&](const QString&, const QString& target) {
            opened << target;
            rowsWhenOpened = gMainWindow->lvwSites->topLevelItemCount();
        });
        const bool started = Main(dir.path());
        SetShellInterceptor({});
        const std::unique_ptr<frmMain> window(gMainWindow);
        gMainWindow = nullptr;
        QVERIFY(started);
        QCOMPARE(window->windowTitle(), QString(" Quillomar Pad Submitter 5.2"));
        QCOMPARE(opened, QStringList{AppInfo::MakerWebSite});
        QCOMPARE(rowsWhenOpened, 0);
        QCOMPARE(window->lvwSites->topLevelItemCount(), 1);
        QVERIFY(window->webSite->Silent());
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
    }

    void missingFilesWarnButStartUpGoesOn() {
        RunningProgram p({}, QByteArray(), false);
        QVERIFY(p.started);
        const QStringList texts = p.startUpTexts;
        QVERIFY2(texts.size() >= 5, qPrintable(texts.join('|')));
        QCOMPARE(texts.mid(0, 2),
                 (QStringList{"Specified archive file does not exist. Check menu tools->options",
                              "I cannot read ini file.\r\nCheck presence of file .ini in program directory!"}));
        QVERIFY(texts[2].startsWith("Error in LoadStaticHtml: "));
        QVERIFY(texts[3].startsWith("Error in LoadComboProductsErr: "));
        QVERIFY(texts.last().startsWith("Error in MakeLvwSitesContents: "));
    }

    void badSettingEndsWithoutMainWindow_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a number") << QByteArray("[preferences]\nSitesOrder=abc\n")
                                      << "Error in Main: Type mismatch";
        QTest::newRow("beyond 16 bits") << QByteArray("[preferences]\nPopUpBlock=99999\n") << "Error in Main: Overflow";
    }
    void badSettingEndsWithoutMainWindow() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, message);
        RunningProgram p({}, ini);
        QVERIFY(!p.started);
        QVERIFY(!gMainWindow);
        QCOMPARE(p.startUpTexts, QStringList{message});
    }
};

QTEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
