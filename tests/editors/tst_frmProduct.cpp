#include "EditorWidgets.h"
#include "LoopbackHttpServer.h"
#include "ModalDriver.h"
#include "PadFile.h"
#include "PadSamples.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "Typing.h"
#include "cProduct.h"
#include "frmPadSource.h"
#include "frmProduct.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// The window with what the main window would give it; records what it asks of the main window.
struct ProductEditor {
    qint32 mode = 0;
    std::unique_ptr<cProduct> record = std::make_unique<cProduct>();
    int saved = 0;
    std::unique_ptr<frmProduct> window;

    explicit ProductEditor(qint32 editingModeProductID) : mode(editingModeProductID) {
        window = std::make_unique<frmProduct>(ProductEditorLinks{mode, record, [this] { ++saved; }});
        window->show();
    }
    frmProduct* operator->() const { return window.get(); }
};

// The boxes with a record column; those a PAD file fills (the release date aside) name themselves in the fill
// message, in its order.
struct Box {
    const char* name;
    const char* column;
    const char* caption;
};
const Box kBoxes[] = {
    {"txtName", "name", "Name"},
    {"txtVersion", "version", "Version"},
    {"txtPadUrl", "padURL", "PAD location"},
    {"txtAuthor", "author", "Author"},
    {"txtEmailAuthor", "emailAuthor", "Email"},
    {"txtSizeKB", "sizeKB", "Size KB"},
    {"txtProgramURL", "programURL", "Program URL"},
    {"txtScreenshot", "screenShot", "Screenshot"},
    {"txtIcoURL", "icoURL", "Icon file"},
    {"txtExeDownload_1", "exeDownload_1", "Download 1"},
    {"txtExeDownload_2", "exeDownload_2", "Download 2"},
    {"txtBuyURL", "buyURL", "Buy URL"},
    {"txtShortDescription", "shortDescription", "Short description"},
    {"txtLongDescription", "longDescription", "Long description"},
    {"txtKeywords", "keywords", "Keywords"},
    {"txtLimitations", "limitations", "Limitations"},
    {"txtRecentChanges", "recentChanges", "Recent changes"},
    {"txtPaymentRegNow", "paymentRegNow", "RegNow"},
    {"txtPaymentShareIt", "paymentShareIt", "Share-it"},
    {"txtLinkBack", "linkBack", nullptr},
    {"txtFullChangeLog", "fullChangeLog", nullptr},
};

// The text of a single-line or multi-line box.
QByteArray textProperty(const QObject* box) {
    return qobject_cast<const QLineEdit*>(box) ? "text" : "plainText";
}

// A value for each column: apostrophes, characters beyond ASCII, line breaks in the multi-line boxes.
QString valueFor(const char* column, const QString& tag) {
    if (QByteArray(column) == "sizeKB")
        return QStringLiteral("15");
    const bool multiLine = QByteArrayList{"keywords",    "shortDescription", "longDescription",
                                          "limitations", "recentChanges",    "fullChangeLog"}
                               .contains(column);
    return QStringLiteral("%1 %2 it's Ünïcode ✓").arg(tag, QString::fromLatin1(column)) +
           (multiLine ? QStringLiteral("\nsecond 'line'") : QString());
}

QVariant productColumn(const TestProgramDir& dir, const char* column, qint32 productID = 1) {
    return dir.scalar(QStringLiteral("SELECT %1 FROM tab_products WHERE productID = ?").arg(column), {productID});
}

QString boxText(const QWidget* window, const char* name) {
    const QObject* box = window->findChild<QObject*>(name);
    return box ? box->property(textProperty(box)).toString() : QStringLiteral("(no box %1)").arg(name);
}

// Every mapped box as "box=text", so that a comparison names the box that differs.
QStringList padBoxTexts(const frmProduct* window) {
    QStringList result;
    for (const Box& box : kBoxes)
        if (box.caption)
            result << QStringLiteral("%1=%2").arg(box.name, boxText(window, box.name));
    result << "dtpReleaseDate=" + window->dtpReleaseDate->Value().toString(Qt::ISODate);
    return result;
}

// Presses "Import PAD...", types source into the dialog and imports; a web source is waited for.
bool importThroughTheDialog(frmProduct* window, const QString& source) {
    bool accepted = false;
    ModalDriver driver([&](QWidget* modal) {
        auto* dialog = qobject_cast<frmPadSource*>(modal);
        QVERIFY(dialog);
        dialog->txtPadSource->setText(source);
        QTest::mouseClick(dialog->cmdImport, Qt::LeftButton);
        QTRY_VERIFY(!dialog->isVisible());
        accepted = dialog->result() == QDialog::Accepted;
    });
    QTest::mouseClick(window->cmdImportPad, Qt::LeftButton);
    return driver.ran() && accepted;
}

} // namespace

class tst_frmProduct final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The requests go straight to the loopback server, whatever proxy the machine names.
        QNetworkProxyFactory::setUseSystemConfiguration(false);
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }

    void newAndChangedProductsRoundTripEveryField() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_products (name) VALUES ('first')");
        {
            ProductEditor editor(0);
            QCOMPARE(editor->SSTab1->currentIndex(), 0);
            QVERIFY(!editor->dtpReleaseDate->CheckBox()->isChecked());
            const QDate shown = editor->dtpReleaseDate->DateEdit()->date();
            QVERIFY(shown == QDate::currentDate() || shown == QDate::currentDate().addDays(-1)); // around midnight
            TypeText(editor->txtVersion, "Ünïcode 'typed'");
            for (const Box& box : kBoxes) {
                QObject* child = editor->findChild<QObject*>(box.name);
                if (child != editor->txtVersion)
                    child->setProperty(textProperty(child), valueFor(box.column, "new"));
            }
            QTest::mouseClick(editor->dtpReleaseDate->CheckBox(), Qt::LeftButton);
            editor->dtpReleaseDate->DateEdit()->setDate(QDate(2012, 3, 5));
            QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
            QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.texts().join('|')));
            QVERIFY(!editor->isVisible());
            QCOMPARE(editor.mode, 2);
            QCOMPARE(editor.saved, 1);
            editor.window.reset();
            QVERIFY(!editor.record);
        }
        QCOMPARE(productColumn(dir, "version", 2).toString(), QString("Ünïcode 'typed'"));
        QCOMPARE(productColumn(dir, "releaseDate", 2).toString(), QString("2012-03-05"));
        dir.sql("UPDATE tab_products SET version = 'v' WHERE productID = 2");

        ProductEditor editor(2);
        for (const Box& box : kBoxes) {
            const QString stored = productColumn(dir, box.column, 2).toString();
            QCOMPARE(boxText(editor.window.get(), box.name), stored);
            if (QByteArray(box.column) != "version")
                QCOMPARE(stored, valueFor(box.column, "new"));
        }
        QCOMPARE(editor->txtSizeBytes->text(), QString("15360"));
        QCOMPARE(editor->dtpReleaseDate->Value(), QDate(2012, 3, 5));
        editor->txtVersion->setText("2.0");
        editor->dtpReleaseDate->SetValue(QDate(2012, 12, 24));
        QTest::keyClick(editor->txtName, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor.mode, 2);
        QCOMPARE(productColumn(dir, "version || releaseDate", 2).toString(), QString("2.02012-12-24"));
        QCOMPARE(productColumn(dir, "longDescription", 2).toString(), valueFor("longDescription", "new"));
        QCOMPARE(productColumn(dir, "name", 1).toString(), QString("first"));
        QVERIFY(boxes.shown().isEmpty());
    }

    // Only the boxes the file carries change; the message names them; nothing is stored before OK.
    void importFillsTheCarriedBoxesOnlyAndStoresNothingBeforeOK() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_products (name, version, linkBack, fullChangeLog, buyURL, sizeKB, releaseDate) "
                "VALUES ('Old', '1', 'lb', 'fc', 'buy', '7', '2000-01-01')");
        dir.writeFile("pad.xml", PadWithProgramInfo("<Program_Version>2.0 &amp; up</Program_Version>"
                                                    "<Program_Release_Year>2012</Program_Release_Year>"
                                                    "<Program_Release_Month>2</Program_Release_Month>"
                                                    "<Program_Release_Day>29</Program_Release_Day>"
                                                    "<Limitations>  </Limitations>"));
        ProductEditor editor(1);
        QVERIFY(importThroughTheDialog(editor.window.get(), dir.filePath("pad.xml")));
        QCOMPARE(boxes.texts(), QStringList{"Filled from the PAD file: Name, Version, Release date.\n"
                                            "Nothing is stored until you press OK."});
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Information);
        QCOMPARE(editor->txtName->text() + "|" + editor->txtVersion->text(), QString("Kept|2.0 & up"));
        QCOMPARE(editor->dtpReleaseDate->Value(), QDate(2012, 2, 29));
        QCOMPARE(editor->txtBuyURL->text() + editor->txtLinkBack->text() + editor->txtFullChangeLog->toPlainText() +
                     editor->txtSizeKB->text(),
                 QString("buylbfc7"));
        QCOMPARE(productColumn(dir, "name || version || releaseDate").toString(), QString("Old12000-01-01"));

        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        QCOMPARE(productColumn(dir, "name || version || releaseDate || linkBack").toString(),
                 QString("Kept2.0 & up2012-02-29lb"));
    }

    void realWorld40FileFillsEveryMappedBox() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.writeFile("tides.xml", Pad40Sample());
        ProductEditor editor(0);
        QVERIFY(importThroughTheDialog(editor.window.get(), dir.filePath("tides.xml")));
        QCOMPARE(padBoxTexts(editor.window.get()),
                 (QStringList{
                     "txtName=Tide Tables Pro",
                     "txtVersion=4.2.1",
                     "txtPadUrl=https://brightwater.example/tides/pad.xml",
                     "txtAuthor=Brightwater Labs & Sons",
                     "txtEmailAuthor=siobhan@brightwater.example",
                     "txtSizeKB=8192",
                     "txtProgramURL=https://brightwater.example/tides/",
                     "txtScreenshot=https://brightwater.example/tides/shot.png",
                     "txtIcoURL=https://brightwater.example/tides/icon.png",
                     "txtExeDownload_1=https://brightwater.example/tides/setup.exe",
                     "txtExeDownload_2=https://mirror.brightwater.example/setup.exe",
                     "txtBuyURL=https://brightwater.example/tides/buy?src=pad&lang=en",
                     "txtShortDescription=Tide tables for 5,000 harbours, with moon phases & sunrise",
                     "txtLongDescription=Tide Tables Pro predicts high and low water for 5,000 harbours.\nIt prints "
                     "monthly tables, shows moon phases, sunrise and sunset,\nand exports to your calendar. Sailors' "
                     "favourite since 2009.",
                     "txtKeywords=tides, harbour, sailing, fishing, moon",
                     "txtLimitations=Prints a watermark until registered",
                     "txtRecentChanges=New harbours added; the print dialog remembers the page size.",
                     "txtPaymentRegNow=https://regnow.example/order?item=1234-5",
                     "txtPaymentShareIt=https://shareit.example/product.html?productid=300012",
                     "dtpReleaseDate=2021-09-07",
                 }));
        QCOMPARE(editor->txtSizeBytes->text(), QString("8388608"));
        QStringList captions;
        for (const Box& box : kBoxes)
            if (box.caption)
                captions << box.caption;
        captions.insert(2, "Release date");
        QCOMPARE(boxes.texts(), QStringList{"Filled from the PAD file: " + captions.join(", ") +
                                            ".\nNothing is stored until you press OK."});
    }

    void badDateAndSizeLeaveOnlyTheirBoxes() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_products (name, sizeKB, releaseDate) VALUES ('Old', '7', '2000-01-01')");
        ProductEditor editor(1);
        editor->FillFromPad(ParsePad(PadWithProgramInfo(
            "<Program_Release_Year>2011</Program_Release_Year><Program_Release_Month>02</Program_Release_Month>"
            "<Program_Release_Day>31</Program_Release_Day><File_Info><File_Size_K>12 MB</File_Size_K></File_Info>"
            "<Program_Version>" +
            QString(65, 'v') + "</Program_Version>")));
        QCOMPARE(editor->txtName->text(), QString("Kept"));
        QCOMPARE(editor->txtVersion->text(), QString());
        QCOMPARE(editor->dtpReleaseDate->Value(), QDate(2000, 1, 1));
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("7|7168"));
        QCOMPARE(boxes.texts(),
                 QStringList{"Filled from the PAD file: Name.\nNothing is stored until you press OK.\n\nNot filled:\n"
                             "Release date: year \"2011\", month \"02\", day \"31\" is not a date.\n"
                             "Size KB: File_Size_K \"12 MB\" is not a number.\n"
                             "Version: longer than the box's 64 characters."});
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Exclamation);
    }

    void refusedFileChangesNoBox() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_products (name, releaseDate) VALUES ('Old', '2000-01-01')");
        dir.writeFile("broken.xml", PadWithProgramInfo("").replace("</XML_DIZ_INFO>", "</XML_DIZ>"));
        ProductEditor editor(1);
        const QStringList before = padBoxTexts(editor.window.get());
        bool stayedOpen = false;
        ModalDriver driver([&](QWidget* modal) {
            auto* dialog = qobject_cast<frmPadSource*>(modal);
            QVERIFY(dialog);
            dialog->txtPadSource->setText(dir.filePath("broken.xml"));
            QTest::mouseClick(dialog->cmdImport, Qt::LeftButton);
            stayedOpen = dialog->isVisible();
            QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
        });
        QTest::mouseClick(editor->cmdImportPad, Qt::LeftButton);
        QVERIFY(driver.ran());
        QVERIFY(stayedOpen);
        QCOMPARE(boxes.shown().size(), 1); // its text is tst_frmPadSource's
        QCOMPARE(padBoxTexts(editor.window.get()), before);
    }

    // Given bytes only, the kilobytes follow them; without its own PAD location the file gives the address typed.
    void downloadedFileGivesItsAddressAndBytes() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        LoopbackHttpServer server;
        server.redirect("/latest", "/v2/pad.xml");
        server.ok("/v2/pad.xml", PadWithProgramInfo("<File_Info><File_Size_Bytes>1536</File_Size_Bytes></File_Info>"));
        ProductEditor editor(0);
        editor->txtPadUrl->setText(server.url("/latest").toString());
        QVERIFY(importThroughTheDialog(editor.window.get(), editor->txtPadUrl->text()));
        QCOMPARE(editor->txtPadUrl->text(), server.url("/latest").toString());
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("2|1536"));
        QCOMPARE(boxes.texts(), QStringList{"Filled from the PAD file: Name, PAD location, Size KB.\n"
                                            "Nothing is stored until you press OK."});
    }

    void exportThenImportGivesTheSameValues() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        FileDialogSpy files;
        ProductEditor first(0);
        for (const Box& box : kBoxes) {
            QObject* child = first->findChild<QObject*>(box.name);
            child->setProperty(textProperty(child), valueFor(box.column, "O'Brien & Sons <Ünïcode> \"日本\""));
        }
        first->txtSizeKB->setText("15");
        first->txtKeywords->setPlainText("plan, o'brien, ü & more");
        first->txtLongDescription->setPlainText("First line & more\n  second 'line' ]]> – ß\nthird");
        first->dtpReleaseDate->SetValue(QDate(2012, 2, 29));
        first->txtLinkBack->setText("not in PAD files");
        first->txtName->setText("Planner: v2/\"beta\"");
        const QStringList exported = padBoxTexts(first.window.get());

        files.chooseSave(dir.filePath("planner.xml"));
        QTest::mouseClick(first->cmdExportPad, Qt::LeftButton);
        QCOMPARE(files.suggested(), QString("Planner_ v2__beta_.xml"));
        QCOMPARE(boxes.texts(), QStringList{"The PAD file was written to " + dir.filePath("planner.xml") + "."});
        QCOMPARE(padBoxTexts(first.window.get()), exported);

        boxes.clear();
        ProductEditor second(0);
        QVERIFY(importThroughTheDialog(second.window.get(), dir.filePath("planner.xml")));
        QCOMPARE(padBoxTexts(second.window.get()), exported);
        QCOMPARE(second->txtSizeBytes->text(), QString("15360"));
        QCOMPARE(second->txtLinkBack->text(), QString());
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Information);
    }

    void exportCancelledOrUnwritableKeepsEverything() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        FileDialogSpy files;
        ProductEditor editor(0);
        editor->txtName->setText("Kept");
        QTest::mouseClick(editor->cmdExportPad, Qt::LeftButton);
        QCOMPARE(files.saveAsked(), 1);
        QCOMPARE(files.suggested(), QString("Kept.xml"));
        QVERIFY(boxes.shown().isEmpty());

        files.chooseSave(dir.filePath("no such folder/kept.xml"));
        QTest::mouseClick(editor->cmdExportPad, Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY2(boxes.texts()[0].startsWith("The PAD file could not be written to " +
                                             dir.filePath("no such folder/kept.xml") + ":\n"),
                 qPrintable(boxes.texts()[0]));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->txtName->text(), QString("Kept"));
    }

    void validationFailuresKeepTheWindowAndTheInput() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_products (name, version) VALUES ('Undated', '1')");
        ProductEditor editor(1);
        QVERIFY(!editor->dtpReleaseDate->CheckBox()->isChecked());
        editor->txtName->setText("   ");
        TypeText(editor->txtVersion, ".1");
        editor->SSTab1->setCurrentIndex(2);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        editor->txtName->setText("Dated");
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(boxes.texts(),
                 (QStringList{"Please choose a product name!", "Please choose the release date of your product!"}));
        QCOMPARE(boxes.shown()[0].icon, Msg::Icon::Information);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->SSTab1->currentIndex(), 0);
        QCOMPARE(editor->txtVersion->text(), QString("1.1"));
        QVERIFY(editor->cmdOK->isEnabled() && editor->cmdClose->isEnabled());
        QCOMPARE(productColumn(dir, "name || version").toString(), QString("Undated1"));
        QCOMPARE(editor.saved, 0);

        QTest::mouseClick(editor->dtpReleaseDate->CheckBox(), Qt::LeftButton);
        const QString offered = editor->dtpReleaseDate->DateEdit()->date().toString(Qt::ISODate);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        QCOMPARE(productColumn(dir, "name || version || releaseDate").toString(), "Dated1.1" + offered);
    }

    // Each box stays as typed and the other follows it: bytes exactly, kilobytes as a whole number, beyond 16 bits
    // too.
    void sizePairKeepsInStep() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        ProductEditor editor(0);
        TypeText(editor->txtSizeKB, "15");
        QCOMPARE(editor->txtSizeBytes->text(), QString("15360"));
        editor->txtSizeKB->selectAll();
        QTest::keyClick(editor->txtSizeKB, Qt::Key_Delete);
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("|0"));
        TypeText(editor->txtSizeKB, "1.5");
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("1.5|1536"));

        editor->txtSizeBytes->clear();
        TypeText(editor->txtSizeBytes, "40000000");
        QCOMPARE(editor->txtSizeKB->text() + "|" + editor->txtSizeBytes->text(), QString("39062|40000000"));
        editor->txtName->setText("Big");
        editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(productColumn(dir, "sizeKB").toString(), QString("39062"));
    }

    void storedSizeIsShownAndKeptAsStored_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("kb");
        QTest::addColumn<QString>("bytes");
        QTest::newRow("1.5") << "1.5"
                             << "1.5"
                             << "1536";
        QTest::newRow("beyond 16 bits") << "50000"
                                        << "50000"
                                        << "51200000";
    }
    void storedSizeIsShownAndKeptAsStored() {
        QFETCH(QString, stored);
        QFETCH(QString, kb);
        QFETCH(QString, bytes);
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_products (name, sizeKB, releaseDate) VALUES ('Sized', ?, '2012-03-05')", {stored});
        ProductEditor editor(1);
        QCOMPARE(editor->txtSizeKB->text(), kb);
        QCOMPARE(editor->txtSizeBytes->text(), bytes);
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(productColumn(dir, "sizeKB").toString(), kb);
    }

    void countsFollowTheTextsAndKeywordsStopAt255() {
        TestProgramDir dir;
        ProductEditor editor(0);
        QCOMPARE(editor->lblKeywordsCount->text(), QString("0"));
        editor->txtLongDescription->setPlainText(QString(2000, 'x'));
        QCOMPARE(editor->lblLongDescriptionCount->text(), QString("2000"));
        editor->SSTab1->setCurrentIndex(1);
        TypeText(editor->txtShortDescription, "ab");
        QTest::keyClick(editor->txtShortDescription, Qt::Key_Return);
        TypeText(editor->txtShortDescription, "é");
        QCOMPARE(editor->lblShortDescriptionCount->text(), QString("5"));

        TypeText(editor->txtKeywords, QString(254, 'k'));
        QTest::keyClick(editor->txtKeywords, Qt::Key_Return); // a line break counts two: it does not fit
        TypeText(editor->txtKeywords, "lm");
        QCOMPARE(editor->txtKeywords->toPlainText(), QString(254, 'k') + "l");
        QCOMPARE(editor->lblKeywordsCount->text(), QString("255"));

        editor->txtKeywords->selectAll();
        QApplication::clipboard()->setText(QString(300, 'p'));
        QTest::keyClick(editor->txtKeywords, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->txtKeywords->toPlainText(), QString(255, 'p'));
    }

    void copyTakesTheLastFocusedBox() {
        TestProgramDir dir;
        ProductEditor editor(0);
        QVERIFY(QTest::qWaitForWindowActive(editor.window.get()));
        editor->txtBuyURL->setText("https://buy.example/it's");
        editor->txtLongDescription->setPlainText("long\ntext");
        QApplication::clipboard()->setText("before");
        QTest::mouseClick(editor->cmdCopy, Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().isEmpty());

        editor->txtBuyURL->setFocus();
        QTRY_COMPARE(editor->LastFocusedTextBox(), QString("txtBuyURL"));
        QTest::mouseClick(editor->cmdCopy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString("https://buy.example/it's"));
        editor->cmdCopy->setFocus();
        QTest::mouseClick(editor->cmdCopy, Qt::LeftButton);
        QCOMPARE(editor->LastFocusedTextBox(), QString("txtBuyURL"));
        QCOMPARE(QApplication::clipboard()->text(), QString("https://buy.example/it's"));

        editor->SSTab1->setCurrentIndex(1);
        editor->txtLongDescription->setFocus();
        QTRY_COMPARE(editor->LastFocusedTextBox(), QString("txtLongDescription"));
        QTest::mouseClick(editor->cmdCopy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString("long\ntext"));
    }

    void verifyButtonsOpenTheTextAsTyped() {
        TestProgramDir dir;
        ShellSpy shell;
        ProductEditor editor(0);
        QCOMPARE(editor->verifyButtons.size(), 7);
        QTest::mouseClick(editor->verifyButtons[0], Qt::LeftButton);
        QVERIFY(shell.opened().isEmpty());
        const QList<QLineEdit*> boxes{editor->txtPadUrl,     editor->txtScreenshot,    editor->txtIcoURL,
                                      editor->txtProgramURL, editor->txtExeDownload_1, editor->txtExeDownload_2,
                                      editor->txtLinkBack};
        QStringList expected;
        for (int i = 0; i < boxes.size(); ++i) {
            boxes[i]->setText(QStringLiteral("www.example.com/%1").arg(i));
            expected << boxes[i]->text();
            QTest::mouseClick(editor->verifyButtons[i], Qt::LeftButton);
        }
        QCOMPARE(shell.targets(), expected);
        QCOMPARE(shell.opened()[0].first, QString("Open"));
    }

    void escapeDiscardsTheChanges() {
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_products (name, releaseDate) VALUES ('Kept', '2012-03-05')");
        ProductEditor editor(1);
        TypeText(editor->txtName, " changed");
        QTest::keyClick(editor->txtName, Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(editor->result(), int(QDialog::Rejected));
        QCOMPARE(productColumn(dir, "name").toString(), QString("Kept"));
        QCOMPARE(editor.saved, 0);
    }

    // A failed save is not reported as done: the window stays open with the input and its buttons.
    void failedSaveKeepsTheWindowAndTheInput_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("new product, archive gone") << 0 << "Error in Save: ";
        QTest::newRow("product deleted elsewhere meanwhile")
            << 1 << "Error in Update: This product no longer exists in the archive";
    }
    void failedSaveKeepsTheWindowAndTheInput() {
        QFETCH(int, mode);
        QFETCH(QString, message);
        TestProgramDir dir;
        MsgBoxSpy boxes;
        dir.sql("INSERT INTO tab_products (name, releaseDate) VALUES ('Kept', '2012-03-05')");
        ProductEditor editor(mode);
        editor->txtName->clear();
        TypeText(editor->txtName, "Lost?");
        editor->dtpReleaseDate->SetValue(QDate(2012, 3, 5));
        if (mode == 0)
            QVERIFY(QFile::remove(dir.dbPath()));
        else
            dir.sql("DELETE FROM tab_products");
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY2(boxes.texts()[0].startsWith(message), qPrintable(boxes.texts()[0]));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->txtName->text(), QString("Lost?"));
        QVERIFY(editor->cmdOK->isEnabled() && editor->cmdClose->isEnabled());
        QCOMPARE(editor.mode, mode);
        QCOMPARE(editor.saved, 0);
    }
};

QTEST_MAIN(tst_frmProduct)
#include "tst_frmProduct.moc"
