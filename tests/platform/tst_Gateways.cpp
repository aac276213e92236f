#include "BusyGuard.h"
#include "Clipboard.h"
#include "Failure.h"
#include "FileDialog.h"
#include "ModalDriver.h"
#include "Spies.h"
#include "TestMain.h"
#include "Trap.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMimeData>
#include <QTest>

class tst_Gateways final : public QObject {
    Q_OBJECT

private slots:
    // A password is marked secret and taken off again, unless the user copied something else meanwhile.
    void secretLeavesTheClipboard() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        PutSecretOnClipboard("s3cret", std::chrono::milliseconds(50));
        QCOMPARE(clipboard->mimeData()->data("x-kde-passwordManagerHint"), QByteArray("secret"));
        QCOMPARE(clipboard->text(), QString("s3cret"));
        QTRY_COMPARE(clipboard->text(), QString());
        PutSecretOnClipboard("s3cret", std::chrono::milliseconds(50));
        PutOnClipboard("mine");
        QTest::qWait(100);
        QCOMPARE(clipboard->text(), QString("mine"));
        QVERIFY(!clipboard->mimeData()->hasFormat("x-kde-passwordManagerHint"));
    }

    void boxWithoutTitleCarriesApplicationTitle() {
        MsgBoxSpy boxes;
        boxes.answer(Msg::Answer::No);
        QCOMPARE(MsgBox("Sure?", Msg::Buttons::YesNo, Msg::Icon::Question, Msg::Answer::No, "Deleting"),
                 Msg::Answer::No);
        QCOMPARE(MsgBox("Done", Msg::Buttons::Ok, Msg::Icon::Information), Msg::Answer::Ok);
        QCOMPARE(boxes.shown().size(), 2);
        QCOMPARE(boxes.shown()[0].title, QString("Deleting"));
        QCOMPARE(boxes.shown()[1].title, QString("QuillomarPADsubmitter"));
    }

    // The real box: titled and prefilled, and an empty answer is told apart from a cancel.
    void inputBoxGivesTypedTextOrNothing() {
        for (const bool accept : {true, false}) {
            ModalDriver driver([accept](QWidget* modal) {
                auto* dialog = qobject_cast<QInputDialog*>(modal);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle() + " | " + dialog->labelText() + " | " + dialog->textValue(),
                         QString("QuillomarPADsubmitter | Your name? | Ann"));
                dialog->setTextValue(QString());
                accept ? dialog->accept() : dialog->reject();
            });
            QCOMPARE(InputBox("Your name?", "Ann").value_or("cancelled"), QString(accept ? "" : "cancelled"));
            QVERIFY(driver.ran());
        }
    }

    void trapShowsPrefixAndDescriptionOnce() {
        MsgBoxSpy boxes;
        QVERIFY(!Trap("Error in Demo: ", [] { throw Failure("it's broken – ü"); }));
        QCOMPARE(boxes.texts(), QStringList{"Error in Demo: it's broken – ü"});
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Critical);
        QVERIFY(Trap("Error in Demo: ", [] {}));
        QCOMPARE(boxes.shown().size(), 1);
    }

    void busyGuardUndoesOnEveryPath() {
        QWidget list;
        try {
            BusyGuard busy(&list);
            QVERIFY(!list.updatesEnabled());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            throw Failure("midway");
        } catch (const Failure&) {
        }
        QVERIFY(list.updatesEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    // Open and save answers are queued apart, so a test scripting one never feeds the other.
    void fileDialogSpyAnswersOpenAndSaveApart() {
        FileDialogSpy files;
        files.chooseSave("/tmp/out.xml");
        QCOMPARE(GetOpenFileName(nullptr, "Open", {}, "*.xml"), QString());
        files.choose("/tmp/in.xml");
        QCOMPARE(GetSaveFileName(nullptr, "Save", "/home/it's/Ü.xml", "*.xml"), QString("/tmp/out.xml"));
        QCOMPARE(GetOpenFileName(nullptr, "Open", {}, "*.xml"), QString("/tmp/in.xml"));
        QCOMPARE(GetSaveFileName(nullptr, "Save", "again.xml", "*.xml"), QString());
        QCOMPARE(files.asked(), 2);
        QCOMPARE(files.saveAsked(), 2);
        QCOMPARE(files.suggested(), QString("again.xml"));
    }
};

QUILL_TEST_MAIN(tst_Gateways)
#include "tst_Gateways.moc"
