#include "RunningProgram.h"
#include "TestMain.h"
#include "frmOptions.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QToolBar>

#include <set>

namespace {

// What the manual sets in italics, as a reader sees it: the captions it names, one a line.
QString manualCaptions() {
    QFile file(QFINDTESTDATA("../../resources/help/QuillomarPadSubmitter.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression italic(QStringLiteral("<i>(.*?)</i>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    QStringList captions;
    for (const QRegularExpressionMatch& match : italic.globalMatch(html))
        captions << QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified();
    return captions.join(QLatin1Char('\n'));
}

// A caption as prose names it: without its mnemonic, its shortcut, the dots of a command that asks more, a colon.
QString bare(const QString& text) {
    QString caption = text.section(QLatin1Char('\t'), 0, 0);
    caption.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    static const QRegularExpression decoration(QStringLiteral("^\\s*\\.\\.\\.|\\.\\.\\.\\s*$|:\\s*$"));
    return caption.remove(decoration).simplified();
}

void addMenu(const QList<QAction*>& actions, std::set<QString>& captions) {
    for (const QAction* action : actions) {
        if (action->isSeparator())
            continue;
        captions.insert(bare(action->text()));
        if (action->menu())
            addMenu(action->menu()->actions(), captions);
    }
}

// The captions a window shows on its buttons, check boxes, frames and the labels of its inputs.
void addControls(const QWidget* window, std::set<QString>& captions) {
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        captions.insert(bare(button->text().isEmpty() ? button->toolTip() : button->text()));
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>())
        captions.insert(bare(frame->title()));
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy())
            captions.insert(bare(label->text()));
    }
}

} // namespace

// The manual names every command and option the program shows.
class tst_Manual final : public QObject {
    Q_OBJECT

private slots:
    void manualNamesEveryCommandAndOption() {
        const QString manual = manualCaptions();
        QVERIFY2(!manual.isEmpty(), "the manual was not found or sets nothing in italics");
        RunningProgram program;
        QVERIFY(program.started);

        std::set<QString> captions;
        addMenu(gMainWindow->menuBar()->actions(), captions);
        for (const QToolBar* bar : gMainWindow->findChildren<QToolBar*>())
            addMenu(bar->actions(), captions);
        addControls(gMainWindow, captions);
        frmOptions options(gMainWindow);
        addControls(&options, captions);

        QStringList missing;
        for (const QString& caption : captions) {
            const QRegularExpression named(
                QStringLiteral("(?<!\\w)%1(?!\\w)").arg(QRegularExpression::escape(caption)));
            if (!caption.isEmpty() && !manual.contains(named))
                missing << caption;
        }
        QVERIFY2(captions.size() > 60, qPrintable(QString::number(captions.size())));
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("Not in the manual: ") + missing.join(" | ")));
    }
};

QUILL_TEST_MAIN(tst_Manual)
#include "tst_Manual.moc"
