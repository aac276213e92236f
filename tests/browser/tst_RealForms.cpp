// Fill all on real submission forms of public download scripts: pages/real holds the pages, the product and, per
// page, what a person would write where (oracle.json, whose header tells its notation).
#include "FormFiller.h"
#include "PageWaits.h"
#include "TestMain.h"

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {

// Every field in document order (a check box by its state, a select also by its chosen option's text), and which
// field each selector names: -1 for none or more than one.
const QString kSnapshotJs = QStringLiteral(R"JS(
var all = Array.prototype.slice.call(document.querySelectorAll('input, textarea, select'));
var index = {};
arguments[0].forEach(function (s) {
    var found = document.querySelectorAll(s);
    index[s] = found.length === 1 ? all.indexOf(found[0]) : -1;
});
return JSON.stringify({ index: index, fields: all.map(function (e) {
    var option = e.tagName === 'SELECT' && e.selectedIndex >= 0 ? e.options[e.selectedIndex] : null;
    return { name: e.getAttribute('name') ? '[name=' + e.getAttribute('name') + ']' : e.id ? '#' + e.id : e.tagName,
             value: e.type === 'checkbox' || e.type === 'radio' ? String(e.checked) : e.value,
             text: option ? option.text.trim() : '', max: e.tagName === 'SELECT' ? 0 : Math.max(e.maxLength, 0) };
}) });
)JS");

QJsonObject SnapshotOf(WebBrowser& browser, const QStringList& selectors) {
    return QJsonDocument::fromJson(Evaluate(browser, kSnapshotJs, {selectors}).toString().toUtf8()).object();
}

QJsonObject ReadJson(const QString& name) {
    QFile file(QFINDTESTDATA("pages/real/" + name));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

QList<int> NumbersIn(const QString& text) {
    QList<int> numbers;
    for (const auto& match : QRegularExpression(R"(\d+)").globalMatch(text))
        numbers << match.captured().toInt();
    return numbers;
}

// A split date's part: a lone number (a two-digit year too), or for the month a name.
bool IsDatePart(const QString& part, const QDate& date, const QString& shown) {
    const QList<int> numbers = NumbersIn(shown);
    if (numbers.size() == 1 && !shown.contains(QRegularExpression("[^\\d\\s]")))
        return numbers.first() == (part == "day"     ? date.day()
                                   : part == "month" ? date.month()
                                                     : date.year()) ||
               (part == "year" && numbers.first() == date.year() % 100);
    return part == "month" && shown.size() >= 3 &&
           QLocale::c().monthName(date.month()).startsWith(shown.left(3), Qt::CaseInsensitive);
}

// Whether what the field holds is what Fill all should write for the column.
bool IsRight(const QString& column, const QJsonObject& field, const QJsonObject& product) {
    const QString base = column.section(':', 0, 0), part = column.section(':', 1);
    const QString wanted = product.value(base).toString(), value = field.value("value").toString().trimmed();
    if (base == "releaseDate") {
        const QDate date = QDate::fromString(wanted, Qt::ISODate);
        if (!part.isEmpty())
            return IsDatePart(part, date, value) || IsDatePart(part, date, field.value("text").toString());
        QList<int> numbers = NumbersIn(value), full{date.day(), date.month(), date.year()};
        QList<int> twoDigitYear{date.day(), date.month(), date.year() % 100};
        for (QList<int>* list : {&numbers, &full, &twoDigitYear})
            std::sort(list->begin(), list->end());
        return numbers == full || numbers == twoDigitYear;
    }
    if (base == "sizeKB") {
        bool isNumber = false;
        const double shown =
            QString(value).remove(QRegularExpression("[^\\d.,]")).replace(',', '.').toDouble(&isNumber);
        const double kb = wanted.toDouble();
        const bool bytes = qAbs(shown - kb * 1024) < 1, kilobytes = qAbs(shown - kb) < 0.5,
                   megabytes = qAbs(shown - kb / 1024) < 0.01;
        return isNumber && (part == "B"    ? bytes
                            : part == "KB" ? kilobytes
                            : part == "MB" ? megabytes
                                           : bytes || kilobytes || megabytes);
    }
    if (value == wanted || field.value("text").toString() == wanted)
        return true;
    // Too long for the field: the short description in place of the long one, or the text cut after a word.
    const int max = field.value("max").toInt();
    if (max > 0 && wanted.size() > max && base == "longDescription" &&
        value == product.value("shortDescription").toString())
        return true;
    return max > 0 && wanted.size() > max && !value.isEmpty() && value.size() <= max && wanted.startsWith(value) &&
           wanted.at(value.size()).isSpace();
}

struct Tally {
    int expected = 0, right = 0, wrong = 0, missed = 0, untouchedChanged = 0;
    void add(const Tally& other) {
        expected += other.expected, right += other.right, wrong += other.wrong, missed += other.missed;
        untouchedChanged += other.untouchedChanged;
    }
    QString line() const {
        return QString("right %1 / wrong %2 / missed %3 / untouched-changed %4")
            .arg(right)
            .arg(wrong)
            .arg(missed)
            .arg(untouchedChanged);
    }
};

} // namespace

class tst_RealForms final : public QObject {
    Q_OBJECT

    QJsonObject product_;
    Tally total_;

private slots:
    void initTestCase() {
        product_ = ReadJson("product.json");
        QVERIFY(!product_.isEmpty());
    }

    void fillsTheFieldsAPersonWould_data() {
        QTest::addColumn<QJsonObject>("page");
        const QJsonArray pages = ReadJson("oracle.json").value("pages").toArray();
        QVERIFY(!pages.isEmpty());
        for (const QJsonValue& page : pages)
            QTest::newRow(qPrintable(page.toObject().value("page").toString())) << page.toObject();
    }

    void fillsTheFieldsAPersonWould() {
        QFETCH(QJsonObject, page);
        const QJsonObject expected = page.value("expected").toObject(), optional = page.value("optional").toObject();
        const QStringList selectors =
            expected.keys() + optional.keys() + page.value("protected").toVariant().toStringList();

        WebBrowser browser;
        browser.resize(1024, 2000);
        QVERIFY(NavigateAndWait(browser, QFINDTESTDATA("pages/real/" + page.value("page").toString())));
        const QJsonObject before = SnapshotOf(browser, selectors);
        const QJsonObject index = before.value("index").toObject();
        for (const QString& selector : selectors)
            QVERIFY2(index.value(selector).toInt(-1) >= 0, qPrintable("the oracle names no single field: " + selector));
        const auto report = AnswerOf<FormFiller::FillReport>(
            [&](auto done) { FormFiller::FillAll(browser, product_.toVariantMap(), done); });
        QVERIFY(report && report->reached);
        const QJsonArray was = before.value("fields").toArray(), is = SnapshotOf(browser, {}).value("fields").toArray();
        QCOMPARE(is.size(), was.size());

        Tally tally;
        QStringList problems;
        QSet<int> listed;
        const auto changed = [&](int i) { return is[i].toObject().value("value") != was[i].toObject().value("value"); };
        const auto judge = [&](const QString& selector, const QJsonValue& columnsValue, bool mayStay) {
            const int i = index.value(selector).toInt();
            const QStringList columns = columnsValue.toVariant().toStringList();
            const QJsonObject field = is[i].toObject();
            listed << i;
            tally.expected += mayStay ? 0 : 1;
            if (!changed(i)) {
                tally.missed += mayStay ? 0 : 1;
                if (!mayStay)
                    problems << "missed " + selector + " (" + columns.join('|') + ")";
            } else if (std::any_of(columns.begin(), columns.end(),
                                   [&](auto& c) { return IsRight(c, field, product_); })) {
                tally.right += mayStay ? 0 : 1;
            } else {
                ++tally.wrong;
                problems << "wrong " + selector + " (" + columns.join('|') +
                                "): " + field.value("value").toString().left(80);
            }
        };
        for (auto it = expected.begin(); it != expected.end(); ++it)
            judge(it.key(), it.value(), false);
        for (auto it = optional.begin(); it != optional.end(); ++it)
            judge(it.key(), it.value(), true);
        for (int i = 0; i < is.size(); ++i) {
            if (!listed.contains(i) && changed(i)) {
                ++tally.untouchedChanged;
                const QJsonObject field = is[i].toObject();
                problems << "untouched-changed " + field.value("name").toString() + ": " +
                                field.value("value").toString().left(80);
            }
        }

        total_.add(tally);
        qInfo().noquote() << page.value("page").toString() + ": " + tally.line();
        for (const QString& problem : problems)
            qInfo().noquote() << "    " + problem;
        QVERIFY2(tally.wrong == 0 && tally.untouchedChanged == 0, qPrintable(problems.join("; ")));
    }

    // Runs after every page: the share of expected fields that are right, over the whole corpus.
    void rightOnNearlyEveryField() {
        qInfo().noquote() << QString("all pages: %1 expected fields, ").arg(total_.expected) + total_.line();
        QVERIFY(total_.expected > 0);
        QVERIFY2(total_.right * 100 >= total_.expected * 95,
                 qPrintable(QString("%1 of %2 expected fields right").arg(total_.right).arg(total_.expected)));
    }
};

QUILL_TEST_MAIN(tst_RealForms)
#include "tst_RealForms.moc"
