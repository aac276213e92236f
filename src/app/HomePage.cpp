#include "HomePage.h"

#include "AppInfo.h"
#include "ArchiveTotals.h"
#include "DateText.h"
#include "Trap.h"
#include "WholeFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace {

// The link text is the maker's address without its scheme.
QString makerAddressText() {
    QString text = AppInfo::ProductWebPage;
    text.remove(QStringLiteral("http://"));
    if (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    return text;
}

// A count as a whole percentage of the sites, halves away from zero; 0 when there are no sites.
qint64 PercentOfSites(qint32 count, qint32 totalSites) {
    if (totalSites <= 0)
        return 0;
    return std::llround(double(count) * 100.0 / double(totalSites));
}

constexpr const char* kPublishedColour = "#3cb371";
constexpr const char* kSubmittedColour = "#e0b040";
constexpr const char* kRemainingColour = "#c0504d";

// Published, submitted and remaining as one bar of 200 units, in inline SVG: no script, nothing fetched.
QString progressBar(qint32 published, qint32 submitted, qint32 remaining) {
    const double whole = std::max(1, published + submitted + remaining);
    QString bar = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"14\" role=\"img\" "
                                 "aria-label=\"%1\">")
                      .arg(QCoreApplication::translate("HomePage", "%1 published, %2 submitted, %3 remaining")
                               .arg(published)
                               .arg(submitted)
                               .arg(remaining)
                               .toHtmlEscaped());
    double x = 0;
    for (const auto& [count, colour] : {std::pair{published, kPublishedColour}, std::pair{submitted, kSubmittedColour},
                                        std::pair{remaining, kRemainingColour}}) {
        const double width = 200.0 * count / whole;
        bar += QStringLiteral("<rect x=\"%1\" y=\"0\" width=\"%2\" height=\"14\" fill=\"%3\"/>")
                   .arg(x, 0, 'f', 1)
                   .arg(width, 0, 'f', 1)
                   .arg(QLatin1String(colour));
        x += width;
    }
    return bar + QStringLiteral("</svg>");
}

// Twelve columns, one per week, scaled to the busiest week of all products, so that products compare at a glance.
QString weeklyChart(const WeeklyChanges& weeks, qint32 busiest) {
    QString chart = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"30\" role=\"img\" "
                                   "aria-label=\"%2\">")
                        .arg(kChartWeeks * 12)
                        .arg(QCoreApplication::translate("HomePage", "status changes per week").toHtmlEscaped());
    for (int week = 0; week < kChartWeeks; ++week) {
        const double height = busiest > 0 ? 28.0 * weeks[week] / busiest : 0;
        chart +=
            QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"10\" height=\"%3\" fill=\"%4\"><title>%5</title></rect>")
                .arg(week * 12)
                .arg(30 - height, 0, 'f', 1)
                .arg(height, 0, 'f', 1)
                .arg(QLatin1String(kSubmittedColour))
                .arg(weeks[week]);
    }
    return chart + QStringLiteral("</svg>");
}

QString weeklyTable(const QList<ProductCounts>& products, const QHash<qint32, WeeklyChanges>& weekly) {
    qint32 busiest = 0;
    for (const WeeklyChanges& weeks : weekly)
        busiest = std::max(busiest, *std::max_element(weeks.begin(), weeks.end()));
    QString table = QStringLiteral("<p>%1</p><table cellspacing=\"4\">")
                        .arg(QCoreApplication::translate("HomePage", "Status changes per week, the last %1 weeks:")
                                 .arg(kChartWeeks));
    for (const ProductCounts& product : products) {
        const WeeklyChanges weeks = weekly.value(product.productID);
        table += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                     .arg(product.name.toHtmlEscaped(), weeklyChart(weeks, busiest),
                          QString::number(std::accumulate(weeks.begin(), weeks.end(), 0)));
    }
    return table + QStringLiteral("</table>");
}

} // namespace

QString HomePageHtml(const QString& message) {
    QString page = QStringLiteral(
        "<HTML><BODY bgcolor=\"#000033\" TEXT=\"#FFFFFF\" link=\"#FFFFFF\" alink=\"#FFFFFF\" vlink=\"#FFFFFF\">"
        "<CENTER><H1>Quillomar PAD Submitter</H1></CENTER></BODY></HTML>");
    page += QStringLiteral("<center><p><a href='%1' target='_blank'>%2</a></p></center>")
                .arg(AppInfo::ProductWebPage.toHtmlEscaped(), makerAddressText().toHtmlEscaped());
    page += QStringLiteral("<center><p><b>%1</b><br>%2</p></center>")
                .arg(QCoreApplication::translate("HomePage", "Version %1").arg(AppInfo::Version),
                     QCoreApplication::translate("HomePage", "Build %1").arg(AppInfo::Build));
    page += QStringLiteral("<center>") + message.toHtmlEscaped() + QStringLiteral("</center>");

    // An archive that cannot be opened fails the page, for its caller to report. A read that fails shows one box,
    // and the page shows the figures read before it, never a made-up one.
    const ArchiveTotals archive;
    std::optional<qint32> totalPadSites;
    std::optional<qint32> totalProducts;
    QDateTime last;
    std::optional<QList<ProductCounts>> products;
    std::optional<QHash<qint32, WeeklyChanges>> weekly;
    Trap(QStringLiteral("Error in HomePageHtml: "), [&] {
        totalPadSites = archive.CountSites();
        totalProducts = archive.CountProducts();
        last = archive.LastOperationDate();
        products = archive.ReadProductCounts();
        weekly = archive.ReadWeeklyChanges(DbClockNow().date());
    });
    if (!totalPadSites || !totalProducts)
        return page + QStringLiteral("<p>%1</p></BODY></HTML>")
                          .arg(QCoreApplication::translate("HomePage", "The archive's counts could not be read."));

    if (last.isValid())
        page += QStringLiteral("<P align='center'>%1</p>")
                    .arg(QCoreApplication::translate("HomePage", "Last operation date time: %1")
                             .arg(DateTimeDisplayText(last)));
    page += QStringLiteral("<p>%1</p><p>%2</p>")
                .arg(QCoreApplication::translate("HomePage", "Total PAD sites in archive: %1").arg(*totalPadSites),
                     QCoreApplication::translate("HomePage", "Products in archive: %1").arg(*totalProducts));
    if (*totalPadSites == 0)
        page += QStringLiteral("<p>%1</p>")
                    .arg(QCoreApplication::translate("HomePage",
                                                     "No PAD sites in archive.  Use the menu item 'PAD Sites-> Import "
                                                     "sites from a list...' to bring in a list, or 'PAD Sites-> New "
                                                     "site' to add one. "));

    if (!products) {
        page += QStringLiteral("<p>%1</p>")
                    .arg(QCoreApplication::translate("HomePage", "The per-product counts could not be read."));
    } else if (products->isEmpty()) {
        page += QStringLiteral("<p>%1</p>")
                    .arg(QCoreApplication::translate("HomePage", "No products in archive.  Use the 'New' button below "
                                                                 "or the menu item 'Products-> Add Product' to create "
                                                                 "them. "));
    } else {
        page += QStringLiteral("<TABLE CELLSPACING=4 CELLPADDING=4 >"
                               "<TR BGCOLOR='#000022'><TD>%1</TD><TD>%2</TD><TD>%3</TD><TD>%4</TD><TD>%5</TD>"
                               "<TD>%6</TD></TR>")
                    .arg(QCoreApplication::translate("HomePage", "Product"),
                         QCoreApplication::translate("HomePage", "Submitted"),
                         QCoreApplication::translate("HomePage", "Published"),
                         QCoreApplication::translate("HomePage", "Remaining"),
                         QCoreApplication::translate("HomePage", "With OLD version flag"),
                         QCoreApplication::translate("HomePage", "Progress"));
        for (const ProductCounts& product : *products) {
            // Two status rows for one pair (never written by the program) must not make anything negative or
            // beyond the whole.
            const qint32 remaining = qMax(0, *totalPadSites - product.submitted - product.published);
            const auto number = [](qint64 n) { return QString::number(n); };
            // One pass over all values: a product name holding "%1" must stay text.
            page += QStringLiteral("<TR BGCOLOR='#000044'><TD>%1 </TD><TD> %2</TD><TD>%3</TD>"
                                   "<TD><font color='red'>%4 (%5%)</font></TD><TD>%6 (%7%)</TD><TD>%8</TD></TR>")
                        .arg(product.name.toHtmlEscaped(), number(product.submitted), number(product.published),
                             number(remaining), number(PercentOfSites(remaining, *totalPadSites)),
                             number(product.oldVersion),
                             number(PercentOfSites(qMin(product.oldVersion, *totalPadSites), *totalPadSites)),
                             progressBar(product.published, product.submitted, remaining));
        }
        page += QStringLiteral("</TABLE>");
        if (weekly)
            page += weeklyTable(*products, *weekly);
    }
    return page + QStringLiteral("</BODY></HTML>");
}

void WriteHomePage(const QString& path, const QString& message) {
    WriteWholeFile(path, "\xEF\xBB\xBF" + HomePageHtml(message).toUtf8() + "\r\n");
}
