#include "FieldMeanings.h"

namespace {

using Kind = FieldMeaning::Kind;

QString kindName(Kind kind) {
    switch (kind) {
    case Kind::Text:
        return QStringLiteral("text");
    case Kind::Address:
        return QStringLiteral("address");
    case Kind::Size:
        return QStringLiteral("size");
    case Kind::Date:
        return QStringLiteral("date");
    case Kind::Day:
        return QStringLiteral("day");
    case Kind::Month:
        return QStringLiteral("month");
    case Kind::Year:
        return QStringLiteral("year");
    }
    return {};
}

} // namespace

// The order decides: a more particular meaning stands before one whose words it contains ("download url" before
// "url", "short description" before "description", "what's new in this version" before "version"), and what the product
// has no value for stands first, so that a category, price, licence, video, social or system field is never taken for
// something else.
const QList<FieldMeaning>& FieldMeanings() {
    static const QList<FieldMeaning> meanings{
        {{}, Kind::Text, {}, R"((^|_)(sub)?categor|genre)", R"(categor|genre)"},
        {{}, Kind::Text, {}, R"(price|cost|(^|_)fee(_|$)|currency)", R"(price|cost|\bfee\b|currency)"},
        {{}, Kind::Text, {}, R"(licen[cs]e)", R"(licen[cs]e)"},
        {{}, Kind::Text, {}, R"(video|youtube|vimeo)", R"(video|youtube|vimeo)"},
        {{},
         Kind::Text,
         {},
         R"(facebook|twitter|linkedin|instagram|social|(^|_)fb(_|$))",
         R"(facebook|twitter|linkedin|instagram|social)"},
        {{},
         Kind::Text,
         {},
         R"((^|_)os(_|$)|platform|operating|requirement)",
         R"(\bos\b|platform|operating system|requirement)"},
        {QStringLiteral("padURL"),
         Kind::Address,
         {},
         R"((^|_)pad($|_)|pad_?(url|file|link|location|address)|xml)",
         R"(\bpad\b|\bxml\b)"},
        {QStringLiteral("emailAuthor"), Kind::Address, QStringLiteral("email"), R"(e_?mail)", R"(e-? ?mail|\bmail\b)"},
        {QStringLiteral("paymentRegNow"), Kind::Address, {}, R"(regnow|affiliate_?id)", R"(regnow)"},
        {QStringLiteral("releaseDate"), Kind::Day, QStringLiteral("bday-day"), R"((^|_)(release_|rel_)?(day|dd)$)",
         R"(^(release )?(day|dd)$)"},
        {QStringLiteral("releaseDate"), Kind::Month, QStringLiteral("bday-month"),
         R"((^|_)(release_|rel_)?(month|mon|mm)$)", R"(^(release )?(month|mm)$)"},
        {QStringLiteral("releaseDate"), Kind::Year, QStringLiteral("bday-year"),
         R"((^|_)(release_|rel_)?(year|yyyy|yy)$)", R"(^(release )?(year|yyyy|yy)$)"},
        {QStringLiteral("releaseDate"), Kind::Date, QStringLiteral("bday"),
         R"(release_?date|date_?released|rel_?date|pub(lish)?(ed)?_?date|(^|_)date(_|$))",
         R"(release date|date of release|released|\bdate\b)"},
        {QStringLiteral("sizeKB"), Kind::Size, {}, R"(size)", R"(\bsize\b)"},
        {QStringLiteral("recentChanges"),
         Kind::Text,
         {},
         R"(change|whats_?new|release_?notes|history)",
         R"(change|what'?s new|release notes|history)"},
        {QStringLiteral("version"), Kind::Text, {}, R"(version|(^|_)ver(_|$))", R"(\bversion\b)"},
        {QStringLiteral("icoURL"), Kind::Address, {}, R"(icon)", R"(\bicon\b)"},
        {QStringLiteral("screenShot"),
         Kind::Address,
         {},
         R"(screen|snapshot|(^|_)(image|img|logo|picture|thumb))",
         R"(screen|image|logo|picture)"},
        {QStringLiteral("buyURL"), Kind::Address, {}, R"(buy|(^|_)order|purchase)", R"(\bbuy\b|\border\b|purchase)"},
        {QStringLiteral("exeDownload_2"),
         Kind::Address,
         {},
         R"(mirror|secondary|download_?2|alt(ernate)?_?download)",
         R"(mirror|secondary|alternat\w* download)"},
        {QStringLiteral("exeDownload_1"),
         Kind::Address,
         {},
         R"(download|(^|_)dl(_|$)|file_?url)",
         R"(download|file (url|link|address)|direct link)"},
        {QStringLiteral("programURL"), Kind::Address, QStringLiteral("url"),
         R"(home_?page|web_?site|(^|_)(info|program|product|app|software)_?url|(^|_)(url|site|web|www)(_|$))",
         R"(home ?page|web ?site|info\w* page|product page|program page|\burl\b|web address)"},
        {QStringLiteral("keywords"), Kind::Text, {}, R"(keyword|(^|_)tags?(_|$))", R"(keyword|\btags?\b)"},
        {QStringLiteral("shortDescription"),
         Kind::Text,
         {},
         R"(short|summary|brief|teaser|tagline|slogan|(^|_)s_?desc|desc\w*_?(45|80)(_|$))",
         R"(short|summary|brief|tag ?line|one[- ]line)"},
        {QStringLiteral("longDescription"),
         Kind::Text,
         {},
         R"(desc|details|about)",
         R"(desc|details|about)",
         QStringLiteral("shortDescription")},
        {QStringLiteral("limitations"),
         Kind::Text,
         {},
         R"(limitation|restriction|trial)",
         R"(limitation|restriction|trial)"},
        {QStringLiteral("author"), Kind::Text, QStringLiteral("organization name"),
         R"(author|publisher|company|developer|vendor|manufacturer|organi[sz]ation|(^|_)org(_|$)|contact_?name)",
         R"(author|publisher|company|developer|vendor|organi[sz]ation|your name|contact (name|person)|full name)"},
        {QStringLiteral("name"),
         Kind::Text,
         {},
         R"(title|(program|product|software|app|application|prog|soft)_?name)",
         R"(title|(program|product|software|application|app)( name)?$)"},
    };
    return meanings;
}

QVariantList FieldMeaningsForScript() {
    QVariantList all;
    for (const FieldMeaning& m : FieldMeanings())
        all << QVariant(QVariantList{m.column, kindName(m.kind), m.autocomplete, m.names, m.labels, m.shorter});
    return all;
}
