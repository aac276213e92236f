#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A product's standing on every site, for a file the user keeps or prints.
struct SubmissionReportRow {
    QString siteName;
    QString submitUrl;
    QString status;     // as the history window names it; "Not Submitted" without a status row
    QString oldVersion; // "Yes" or "No"
    QString lastChange; // the stored date-time of the status row's last change; empty without one
    QString notes;      // the status row's notes
};

// Every site, the ones of `listOrder` first in that order (the order the site list shows), then the others by key.
// Throws Failure when the archive cannot be read.
QList<SubmissionReportRow> ReadSubmissionReport(qint32 productID, const QList<qint64>& listOrder);

// RFC 4180: UTF-8 with a byte order mark (so spreadsheets take it as UTF-8), a header row, CRLF line ends, every
// field quoted, quotes doubled; texts come through exactly, line breaks included.
QByteArray SubmissionReportCsv(const QList<SubmissionReportRow>& rows);
// A printable UTF-8 page, every text escaped and nothing that runs or loads.
QByteArray SubmissionReportHtml(const QString& productName, const QList<SubmissionReportRow>& rows);

// Writes the report to path whole or not at all: a printable page when the name ends in .html or .htm, else CSV.
// Throws Failure, leaving a file there as it was.
void WriteSubmissionReport(const QString& path, const QString& productName, const QList<SubmissionReportRow>& rows);
