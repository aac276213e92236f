#include "SubmissionReport.h"

#include "DbConnection.h"
#include "SubmitStatus.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>

namespace {

// Translated when a report is made, in the language the program runs in.
QStringList header() {
    return {QCoreApplication::translate("SubmissionReport", "Site"),
            QCoreApplication::translate("SubmissionReport", "Submit address"),
            QCoreApplication::translate("SubmissionReport", "Status"),
            QCoreApplication::translate("SubmissionReport", "Old version"),
            QCoreApplication::translate("SubmissionReport", "Last change"),
            QCoreApplication::translate("SubmissionReport", "Notes")};
}

QStringList cellsOf(const SubmissionReportRow& row) {
    return {row.siteName, row.submitUrl, row.status, row.oldVersion, row.lastChange, row.notes};
}

} // namespace

QList<SubmissionReportRow> ReadSubmissionReport(qint32 productID, const QList<qint64>& listOrder) {
    DbConnection db;
    QSqlQuery q = db.query(QStringLiteral("SELECT s.siteID, s.name, s.submitUrl, p.submitStatus, p.oldVersion, "
                                          "p.updateDate, p.notes FROM tab_sites s LEFT JOIN tab_productStatus p "
                                          "ON p.siteID = s.siteID AND p.productID = ? ORDER BY s.siteID"),
                           {productID});
    QList<SubmissionReportRow> rows;
    QHash<qint64, qsizetype> indexOf;
    while (q.next()) {
        const auto status = SubmitStatusOf(q.value(3).isNull() ? 0 : q.value(3).toInt());
        indexOf.insert(q.value(0).toLongLong(), rows.size());
        rows << SubmissionReportRow{q.value(1).toString(),
                                    q.value(2).toString(),
                                    status ? WordsFor(*status).history : q.value(3).toString(),
                                    q.value(4).toInt() == 1 ? QCoreApplication::translate("SubmissionReport", "Yes")
                                                            : QCoreApplication::translate("SubmissionReport", "No"),
                                    q.value(5).toString(),
                                    q.value(6).toString()};
    }
    QList<SubmissionReportRow> ordered;
    ordered.reserve(rows.size());
    QList<bool> taken(rows.size(), false);
    for (const qint64 siteID : listOrder) {
        const qsizetype i = indexOf.value(siteID, -1);
        if (i >= 0 && !taken[i]) {
            ordered << rows[i];
            taken[i] = true;
        }
    }
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!taken[i])
            ordered << rows[i];
    }
    return ordered;
}

QByteArray SubmissionReportCsv(const QList<SubmissionReportRow>& rows) {
    const auto line = [](const QStringList& cells) {
        QStringList quoted;
        for (QString cell : cells)
            quoted << QLatin1Char('"') + cell.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
        return quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    QString text = line(header());
    for (const SubmissionReportRow& row : rows)
        text += line(cellsOf(row));
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QByteArray SubmissionReportHtml(const QString& productName, const QList<SubmissionReportRow>& rows) {
    const auto cell = [](const QString& tag, const QString& text) {
        // Line breaks in notes stay line breaks on paper.
        return QStringLiteral("<%1>%2</%1>").arg(tag, text.toHtmlEscaped().replace(QLatin1Char('\n'), "<br>"));
    };
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>") +
                   productName.toHtmlEscaped() +
                   QStringLiteral("</title><style>body{font-family:sans-serif}table{border-collapse:collapse}"
                                  "th,td{border:1px solid #999;padding:2px 6px;text-align:left;vertical-align:top}"
                                  "</style></head><body>\n<h1>") +
                   productName.toHtmlEscaped() + QStringLiteral("</h1>\n<table>\n<tr>");
    for (const QString& heading : header())
        html += cell(QStringLiteral("th"), heading);
    html += QStringLiteral("</tr>\n");
    for (const SubmissionReportRow& row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString& text : cellsOf(row))
            html += cell(QStringLiteral("td"), text);
        html += QStringLiteral("</tr>\n");
    }
    return (html + QStringLiteral("</table>\n</body></html>\n")).toUtf8();
}

void WriteSubmissionReport(const QString& path, const QString& productName, const QList<SubmissionReportRow>& rows) {
    const bool page = path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) ||
                      path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
    WriteWholeFile(path, page ? SubmissionReportHtml(productName, rows) : SubmissionReportCsv(rows));
}
