#include "Clipboard.h"
#include "Failure.h"
#include "IniFile.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QClipboard>
#include <QDir>
#include <QInputDialog>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

class tst_Platform final : public QObject {
    Q_OBJECT

private slots:
    // Each row writes a key that is there or not, a key new to its section and a new section. A file that is not text
    // or cannot be read, or a value its encoding cannot keep, is refused: the file stays byte for byte as it was.
    void iniWriteKeepsEverythingElse_data() {
        QTest::addColumn<QByteArray>("before"); // null: no file; empty: a folder in place of the file
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after"); // null: refused
        QTest::newRow("no file") << QByteArray() << "0"
                                 << QByteArray("[Preferences]\nsitesorder=0\nPopUpBlock=1\n[window]\ntop=5\n");
        QTest::newRow("LF") << QByteArray("; mine\n[preferences]\nSitesOrder=7\nother=x\n\n[window]\nleft=3\n") << "0"
                            << QByteArray("; mine\n[preferences]\nsitesorder=0\nother=x\nPopUpBlock=1\n\n"
                                          "[window]\nleft=3\ntop=5\n");
        QTest::newRow("CRLF, last line open")
            << QByteArray("[preferences]\r\nSitesOrder=7\r\n[window]\r\nleft=3") << "0"
            << QByteArray("[preferences]\r\nsitesorder=0\r\nPopUpBlock=1\r\n[window]\r\nleft=3\r\ntop=5\r\n");
        QTest::newRow("Windows-1252") << QByteArray("; caf\xE9 \x80\n[preferences]\nSitesOrder=7\n") << "0"
                                      << QByteArray("; caf\xE9 \x80\n[preferences]\nsitesorder=0\nPopUpBlock=1\n"
                                                    "[window]\ntop=5\n");
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF[preferences]\nSitesOrder=7\n; caf\xC3\xA9\n") << "0"
                                    << QByteArray("\xEF\xBB\xBF[preferences]\nsitesorder=0\n; caf\xC3\xA9\n"
                                                  "PopUpBlock=1\n[window]\ntop=5\n");
        QTest::newRow("zeros after a crash") << QByteArray(64, '\0') << "0" << QByteArray();
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE[\0p\0]\0\n\0", 10) << "0" << QByteArray();
        QTest::newRow("folder") << QByteArray("") << "0" << QByteArray();
        QTest::newRow("value not Latin-1") << QByteArray("; caf\xE9\n") << "\u03A9" << QByteArray();
        // Replacing the one line that is not UTF-8 would leave Latin-1 bytes that read as UTF-8 "é".
        QTest::newRow("value read back as other characters")
            << QByteArray("[preferences]\nSitesOrder=caf\xE9\n") << "\u00C3\u00A9" << QByteArray();
    }
    void iniWriteKeepsEverythingElse() {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QTemporaryDir dir;
        const QString path = dir.filePath("kwz.ini");
        if (!before.isNull())
            before.isEmpty() ? void(QDir().mkdir(path)) : WriteFile(path, before);
        try {
            IniWrite(path, "Preferences", "sitesorder", value);
            IniWrite(path, "preferences", "PopUpBlock", "1");
            IniWrite(path, "window", "top", "5");
            QVERIFY(!after.isNull());
        } catch (const Failure& e) {
            QVERIFY2(after.isNull() && e.description().contains(path + ": "), qPrintable(e.description()));
        }
        QCOMPARE(ReadFile(path), after.isNull() ? before : after);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"kwz.ini"});
    }

    // A password is marked secret and taken off again, unless the user copied something else meanwhile.
    void secretLeavesTheClipboard() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        for (const QString& copied : {QString(), QString("mine")}) {
            PutSecretOnClipboard("s3cret", std::chrono::milliseconds(0));
            QCOMPARE(clipboard->mimeData()->data("x-kde-passwordManagerHint"), QByteArray("secret"));
            if (!copied.isEmpty())
                PutOnClipboard(copied);
            QCoreApplication::processEvents();
            QCOMPARE(clipboard->text(), copied);
        }
    }

    // The real boxes: Enter takes the default button, Escape cancels; an empty input is told apart from a cancel.
    void boxesGiveTheUsersAnswer() {
        const auto press = [](Qt::Key key, Msg::Buttons buttons, Msg::Answer defaultButton) {
            ModalDriver driver([key](QWidget* box) { QTest::keyClick(box, key); });
            return MsgBox("Sure?", buttons, Msg::Icon::Question, defaultButton);
        };
        QCOMPARE(press(Qt::Key_Return, Msg::Buttons::YesNo, Msg::Answer::No), Msg::Answer::No);
        QCOMPARE(press(Qt::Key_Return, Msg::Buttons::YesNo, Msg::Answer::Yes), Msg::Answer::Yes);
        QCOMPARE(press(Qt::Key_Escape, Msg::Buttons::YesNoCancel, Msg::Answer::Yes), Msg::Answer::Cancel);
        QCOMPARE(press(Qt::Key_Return, Msg::Buttons::Ok, Msg::Answer::None), Msg::Answer::Ok);
        const auto input = [](bool accept) {
            ModalDriver driver([accept](QWidget* modal) {
                auto* dialog = qobject_cast<QInputDialog*>(modal);
                QCOMPARE(dialog->textValue(), QString("Ann"));
                dialog->setTextValue(QString());
                accept ? dialog->accept() : dialog->reject();
            });
            return InputBox("Your name?", "Ann");
        };
        QCOMPARE(input(true), std::optional<QString>(""));
        QCOMPARE(input(false), std::nullopt);
    }
};

QUILL_TEST_MAIN(tst_Platform)
#include "tst_Platform.moc"
