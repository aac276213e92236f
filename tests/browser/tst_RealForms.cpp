// Fill all on real submission forms of public download scripts: pages/real holds the pages, the product and, per
// page, what a person would write where (oracle.json, whose header tells its notation).
#include "FormFiller.h"
#include "PageScripts.h"
#include "TestMain.h"

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {

// Every field in document order (a check box by its state), and which field each selector names: -1 for none or
// more than one.
const QString kSnapshotJs = QStringLiteral(R"JS(
var all = Array.prototype.slice.call(document.querySelectorAll('input, textarea, select'));
var fields = all.map(function (e) {
    var option = e.tagName === 'SELECT' && e.selectedIndex >= 0 ? e.options[e.selectedIndex] : null;
    var checkable = e.type === 'checkbox' || e.type === 'radio';
    var name = e.getAttribute('name') ? '[name=' + e.getAttribute('name') + ']' : e.id ? '#' + e.id : e.tagName;
    return { name: name, value: checkable ? String(e.checked) : e.value, text: option ? option.text : '',
             max: e.tagName === 'SELECT' ? 0 : Math.max(e.maxLength, 0) };
});
var index = {};
arguments[0].forEach(function (s) {
    var found = document.querySelectorAll(s);
    index[s] = found.length === 1 ? all.indexOf(found[0]) : -1;
});
return JSON.stringify({ fields: fields, index: index });
)JS");

struct Field {
    QString name; // a selector for the report
    QString value;
    QString text; // a select's chosen option
    int max = 0;
};

struct Snapshot {
    QList<Field> fields;
    QHash<QString, int> index;
};

Snapshot SnapshotOf(WebBrowser& browser, const QStringList& selectors) {
    const QJsonObject answer =
        QJsonDocument::fromJson(Evaluate(browser, kSnapshotJs, {selectors}).toString().toUtf8()).object();
    Snapshot snapshot;
    for (const QJsonValue& f : answer.value("fields").toArray()) {
        const QJsonObject o = f.toObject();
        snapshot.fields << Field{o.value("name").toString(), o.value("value").toString(), o.value("text").toString(),
                                 o.value("max").toInt()};
    }
    const QJsonObject index = answer.value("index").toObject();
    for (auto it = index.begin(); it != index.end(); ++it)
        snapshot.index.insert(it.key(), it.value().toInt());
    return snapshot;
}

QJsonValue ReadJson(const QString& name) {
    QFile file(QFINDTESTDATA("pages/real/" + name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

QList<int> NumbersIn(const QString& text) {
    QList<int> numbers;
    for (const auto& match : QRegularExpression(R"(\d+)").globalMatch(text))
        numbers << match.captured().toInt();
    return numbers;
}

bool IsDatePart(const QString& part, const QDate& date, const Field& f) {
    for (const QString& shown : {f.value.trimmed(), f.text.trimmed()}) {
        const QList<int> numbers = NumbersIn(shown);
        const bool oneNumber = numbers.size() == 1 && QString::number(numbers.first()).size() >= shown.size() - 1;
        if (part == "day" && oneNumber && numbers.first() == date.day())
            return true;
        if (part == "year" && oneNumber && (numbers.first() == date.year() || numbers.first() == date.year() % 100))
            return true;
        if (part == "month" && ((oneNumber && numbers.first() == date.month()) ||
                                (shown.size() >= 3 &&
                                 QLocale::c().monthName(date.month()).startsWith(shown.left(3), Qt::CaseInsensitive))))
            return true;
    }
    return false;
}

// Whether what the field holds is what Fill all should write for the column.
bool IsRight(const QString& column, const Field& f, const QJsonObject& product) {
    const QString base = column.section(':', 0, 0);
    const QString wanted = product.value(base).toString();
    if (base == "releaseDate") {
        const QDate date = QDate::fromString(wanted, Qt::ISODate);
        if (column.contains(':'))
            return IsDatePart(column.section(':', 1), date, f);
        QList<int> numbers = NumbersIn(f.value);
        std::sort(numbers.begin(), numbers.end());
        QList<int> inFull{date.day(), date.month(), date.year()}, inShort{date.day(), date.month(), date.year() % 100};
        std::sort(inFull.begin(), inFull.end());
        std::sort(inShort.begin(), inShort.end());
        return numbers == inFull || numbers == inShort;
    }
    if (base == "sizeKB") {
        bool isNumber = false;
        const double shown =
            QString(f.value).remove(QRegularExpression(R"([^\d.,])")).replace(',', '.').toDouble(&isNumber);
        const double kb = wanted.toDouble();
        return isNumber && (qAbs(shown - kb) < 0.5 || qAbs(shown - kb * 1024) < 1 || qAbs(shown - kb / 1024) < 0.01);
    }
    const QString value = f.value.trimmed();
    if (value == wanted || (!f.text.isEmpty() && f.text.trimmed() == wanted))
        return true;
    // Too long for the field: the short description in place of the long one, or the text cut after a word.
    if (f.max > 0 && wanted.size() > f.max) {
        if (base == "longDescription" && value == product.value("shortDescription").toString())
            return true;
        return !value.isEmpty() && value.size() <= f.max && wanted.startsWith(value) &&
               wanted.at(value.size()).isSpace();
    }
    return false;
}

QStringList ColumnsOf(const QJsonValue& v) {
    QStringList columns;
    if (v.isArray()) {
        for (const QJsonValue& c : v.toArray())
            columns << c.toString();
    } else {
        columns << v.toString();
    }
    return columns;
}

struct Tally {
    int expected = 0, right = 0, wrong = 0, missed = 0, untouchedChanged = 0;
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
        product_ = ReadJson("product.json").toObject();
        QVERIFY(!product_.isEmpty());
    }

    void fillsTheFieldsAPersonWould_data() {
        QTest::addColumn<QJsonObject>("page");
        const QJsonArray pages = ReadJson("oracle.json").toObject().value("pages").toArray();
        QVERIFY(!pages.isEmpty());
        for (const QJsonValue& page : pages)
            QTest::newRow(qPrintable(page.toObject().value("page").toString())) << page.toObject();
    }

    void fillsTheFieldsAPersonWould() {
        QFETCH(QJsonObject, page);
        const QJsonObject expected = page.value("expected").toObject(), optional = page.value("optional").toObject();
        const QStringList selectors =
            expected.keys() + optional.keys() + QVariant(page.value("protected")).toStringList();

        WebBrowser browser;
        browser.resize(1024, 2000);
        QVERIFY(NavigateAndWait(browser, QFINDTESTDATA("pages/real/" + page.value("page").toString())));
        const Snapshot before = SnapshotOf(browser, selectors);
        for (const QString& selector : selectors)
            QVERIFY2(before.index.value(selector, -1) >= 0,
                     qPrintable("the oracle names no single field: " + selector));
        const auto report = AnswerOf<FormFiller::FillReport>(
            [&](auto done) { FormFiller::FillAll(browser, product_.toVariantMap(), done); });
        QVERIFY(report && report->reached);
        const Snapshot after = SnapshotOf(browser, selectors);
        QCOMPARE(after.fields.size(), before.fields.size());

        Tally tally;
        QStringList problems;
        QSet<int> listed;
        const auto changed = [&](int i) { return after.fields[i].value != before.fields[i].value; };
        const auto judge = [&](const QString& selector, const QStringList& columns, bool mayStay) {
            const int i = before.index.value(selector);
            listed << i;
            tally.expected += mayStay ? 0 : 1;
            const Field& f = after.fields[i];
            if (!changed(i)) {
                if (!mayStay) {
                    ++tally.missed;
                    problems << "missed " + selector + " (" + columns.join('|') + ")";
                }
            } else if (std::any_of(columns.begin(), columns.end(), [&](auto& c) { return IsRight(c, f, product_); })) {
                tally.right += mayStay ? 0 : 1;
            } else {
                ++tally.wrong;
                problems << "wrong " + selector + " (" + columns.join('|') + "): " + f.value.left(80);
            }
        };
        for (auto it = expected.begin(); it != expected.end(); ++it)
            judge(it.key(), ColumnsOf(it.value()), false);
        for (auto it = optional.begin(); it != optional.end(); ++it)
            judge(it.key(), ColumnsOf(it.value()), true);
        for (int i = 0; i < after.fields.size(); ++i) {
            if (!listed.contains(i) && changed(i)) {
                ++tally.untouchedChanged;
                problems << "untouched-changed " + after.fields[i].name + ": " + after.fields[i].value.left(80);
            }
        }

        total_.expected += tally.expected;
        total_.right += tally.right;
        total_.wrong += tally.wrong;
        total_.missed += tally.missed;
        total_.untouchedChanged += tally.untouchedChanged;
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
