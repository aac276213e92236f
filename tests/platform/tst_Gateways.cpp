#include "BusyGuard.h"
#include "Clipboard.h"
#include "Failure.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "TestMain.h"

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
        PutSecretOnClipboard("s3cret", std::chrono::milliseconds(0));
        QCOMPARE(clipboard->mimeData()->data("x-kde-passwordManagerHint"), QByteArray("secret"));
        QCOMPARE(clipboard->text(), QString("s3cret"));
        QCoreApplication::processEvents();
        QCOMPARE(clipboard->text(), QString());
        PutSecretOnClipboard("s3cret", std::chrono::milliseconds(0));
        PutOnClipboard("mine");
        QCoreApplication::processEvents();
        QCOMPARE(clipboard->text(), QString("mine"));
        QVERIFY(!clipboard->mimeData()->hasFormat("x-kde-passwordManagerHint"));
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
};

QUILL_TEST_MAIN(tst_Gateways)
#include "tst_Gateways.moc"
