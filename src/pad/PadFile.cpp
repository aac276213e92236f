#include "PadFile.h"

#include "PadRepair.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <utility>

namespace {

const QString kRoot = QStringLiteral("XML_DIZ_INFO");
const QString kDescriptions = QStringLiteral("Program_Descriptions");
const QString kEnglish = QStringLiteral("English");

using TextMember = std::optional<QString> PadProduct::*;

// The text fields with one element each, by their path under the root.
const std::pair<TextMember, const char*> kTextElements[] = {
    {&PadProduct::Name, "Program_Info/Program_Name"},
    {&PadProduct::Version, "Program_Info/Program_Version"},
    {&PadProduct::PadLocation, "Web_Info/Application_URLs/Application_XML_File_URL"},
    {&PadProduct::Author, "Company_Info/Company_Name"},
    {&PadProduct::Email, "Company_Info/Contact_Info/Author_Email"},
    {&PadProduct::ProgramUrl, "Web_Info/Application_URLs/Application_Info_URL"},
    {&PadProduct::Screenshot, "Web_Info/Application_URLs/Application_Screenshot_URL"},
    {&PadProduct::IconUrl, "Web_Info/Application_URLs/Application_Icon_URL"},
    {&PadProduct::Download1, "Web_Info/Download_URLs/Primary_Download_URL"},
    {&PadProduct::Download2, "Web_Info/Download_URLs/Secondary_Download_URL"},
    {&PadProduct::BuyUrl, "Web_Info/Application_URLs/Application_Order_URL"},
    {&PadProduct::Limitations, "Program_Info/Limitations"},
    {&PadProduct::RecentChanges, "Program_Info/Program_Change_Info"},
    {&PadProduct::RegNow, "Affiliates/Affiliates_Regnow_Order_Page"},
    {&PadProduct::ShareIt, "Affiliates/Affiliates_ShareIt_Order_Page"},
};

const QString kYear = QStringLiteral("Program_Info/Program_Release_Year");
const QString kMonth = QStringLiteral("Program_Info/Program_Release_Month");
const QString kDay = QStringLiteral("Program_Info/Program_Release_Day");
const QString kSizeK = QStringLiteral("Program_Info/File_Info/File_Size_K");
const QString kSizeBytes = QStringLiteral("Program_Info/File_Info/File_Size_Bytes");

// Generators and hand-written files differ in the letter case of element names (PROGRAM_NAME, Program_Name), so
// every name is compared in lower case.
QString folded(QAnyStringView name) {
    return name.toString().toLower();
}

// The values of the elements that hold text only (no child element), by path in lower case; the first non-empty one
// wins.
struct Leaves {
    QHash<QString, QString> values;
    // The language blocks under Program_Descriptions, in the order of the file, and their leaves.
    QStringList languages;
    QHash<QString, QHash<QString, QString>> descriptions;

    QString value(QAnyStringView path) const { return values.value(folded(path)); }
};

PadReadResult failed(const QString& error) {
    PadReadResult result;
    result.error = error;
    return result;
}

bool isBlank(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// Sizes are whole or decimal numbers; 15 digits keep every step of the size pair exact.
bool isSize(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,15}(\\.[0-9]{1,6})?$"));
    return number.match(text).hasMatch();
}

// Year, month and day as digits only: "2011-02-31" must not become a nearby date.
std::optional<QDate> dateOf(const QString& year, const QString& month, const QString& day) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    if (!digits.match(year).hasMatch() || !digits.match(month).hasMatch() || !digits.match(day).hasMatch())
        return std::nullopt;
    const QDate date(year.toInt(), month.toInt(), day.toInt());
    if (!date.isValid() || date.year() < 1)
        return std::nullopt;
    return date;
}

void takeDate(const Leaves& leaves, PadReadResult& result) {
    const QString year = leaves.value(kYear);
    const QString month = leaves.value(kMonth);
    const QString day = leaves.value(kDay);
    if (year.isEmpty() && month.isEmpty() && day.isEmpty())
        return;
    if (const std::optional<QDate> date = dateOf(year, month, day))
        result.product.ReleaseDate = *date;
    else
        result.problems << QCoreApplication::translate(
                               "PadFile", "Release date: year \"%1\", month \"%2\", day \"%3\" is not a date.")
                               .arg(year, month, day);
}

void takeSize(const Leaves& leaves, PadReadResult& result) {
    // The kilobytes decide when the file gives them, even when they are wrong: the bytes may be stale.
    for (const auto& [path, member] : {std::pair{kSizeK, &PadProduct::SizeKB}, {kSizeBytes, &PadProduct::SizeBytes}}) {
        const QString text = leaves.value(path);
        if (text.isEmpty())
            continue;
        if (isSize(text))
            result.product.*member = text;
        else
            result.problems << QCoreApplication::translate("PadFile", "Size KB: %1 \"%2\" is not a number.")
                                   .arg(path.section('/', -1), text);
        return;
    }
}

void takeDescriptions(const Leaves& leaves, PadProduct& product) {
    if (leaves.languages.isEmpty())
        return;
    const QString english = folded(kEnglish);
    const QString language = leaves.languages.contains(english) ? english : leaves.languages.first();
    const QHash<QString, QString> block = leaves.descriptions.value(language);
    const auto first = [&](std::initializer_list<const char*> names) -> std::optional<QString> {
        for (const char* name : names) {
            const QString value = block.value(folded(QLatin1String(name)));
            if (!value.isEmpty())
                return value;
        }
        return std::nullopt;
    };
    product.ShortDescription = first({"Char_Desc_80", "Char_Desc_45", "Char_Desc_250"});
    product.LongDescription = first({"Char_Desc_2000", "Char_Desc_450", "Char_Desc_250"});
    product.Keywords = first({"Keywords"});
}

// A field's text as the reader gives it and the writer writes it: line breaks become "\n" and characters XML 1.0
// cannot carry are dropped (the reader lets lone surrogates of a UTF-16 file through), so a file written from what
// was read reads back the same.
QString fieldText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += text[i];
            out += text[++i];
            continue;
        }
        const bool control = c < 0x20 && c != u'\t' && c != u'\n';
        if (!control && !QChar::isSurrogate(c) && c != 0xFFFE && c != 0xFFFF)
            out += text[i];
    }
    return out;
}

// Writes text elements in order, opening and closing the elements between them as their paths require.
void writeLeaves(QXmlStreamWriter& xml, const QList<std::pair<QString, QString>>& leaves) {
    QStringList open;
    for (const auto& [path, value] : leaves) {
        QStringList parents = path.split(QLatin1Char('/'));
        const QString leaf = parents.takeLast();
        qsizetype common = 0;
        while (common < open.size() && common < parents.size() && open[common] == parents[common])
            ++common;
        while (open.size() > common) {
            xml.writeEndElement();
            open.removeLast();
        }
        for (qsizetype i = common; i < parents.size(); ++i) {
            xml.writeStartElement(parents[i]);
            open << parents[i];
        }
        xml.writeTextElement(leaf, fieldText(value));
    }
    for (qsizetype i = 0; i < open.size(); ++i)
        xml.writeEndElement();
}

// The shorter description elements get a text only when it fits, and Char_Desc_250 only when both descriptions
// are given: the reader falls back on it for either, so it must not bring one description into the other's box.
QList<std::pair<QString, QString>> descriptionLeaves(const PadProduct& product) {
    const QString shortText = product.ShortDescription.value_or(QString());
    const QString longText = product.LongDescription.value_or(QString());
    const auto fitting = [](const QString& text, qsizetype limit) { return text.size() <= limit ? text : QString(); };
    QString desc250;
    if (!shortText.isEmpty() && !longText.isEmpty())
        desc250 = longText.size() <= 250 ? longText : fitting(shortText, 250);
    const QString block = kDescriptions + QLatin1Char('/') + kEnglish + QLatin1Char('/');
    return {
        {block + QStringLiteral("Keywords"), product.Keywords.value_or(QString())},
        {block + QStringLiteral("Char_Desc_45"), fitting(shortText, 45)},
        {block + QStringLiteral("Char_Desc_80"), shortText},
        {block + QStringLiteral("Char_Desc_250"), desc250},
        {block + QStringLiteral("Char_Desc_450"), fitting(longText, 450)},
        {block + QStringLiteral("Char_Desc_2000"), longText},
    };
}

QString textOf(const PadProduct& product, TextMember member) {
    return (product.*member).value_or(QString());
}

QString pathOf(TextMember member) {
    for (const auto& [candidate, path] : kTextElements) {
        if (candidate == member)
            return QString::fromLatin1(path);
    }
    return {};
}

// `malformed` tells a file that reads as XML until a fault from one that is no XML or no PAD file.
PadReadResult readPad(const QByteArray& bytes, bool* malformed = nullptr) {
    if (bytes.size() > kPadMaxBytes)
        return failed(
            QCoreApplication::translate("PadFile", "The file is larger than 5 MB, too large for a PAD file."));
    if (isBlank(bytes))
        return failed(QCoreApplication::translate("PadFile", "The file is empty."));

    QXmlStreamReader xml(bytes);
    struct Open {
        QString name;
        QString text;
        bool hasChild = false;
    };
    QList<Open> open; // the elements open below the root
    bool inRoot = false;
    bool declaredXml = false; // an XML declaration or a document type: a later error is malformed XML, not "not XML"
    Leaves leaves;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartDocument:
            declaredXml = !xml.documentVersion().isEmpty();
            break;
        case QXmlStreamReader::DTD:
            declaredXml = true;
            // Declared entities are what expansion attacks and external fetches are made of; PAD files have none.
            if (!xml.entityDeclarations().isEmpty())
                return failed(QCoreApplication::translate("PadFile",
                                                          "The file declares entities in a document type (line %1, "
                                                          "column %2); a PAD file has none, so it is not read.")
                                  .arg(xml.lineNumber())
                                  .arg(xml.columnNumber()));
            break;
        case QXmlStreamReader::StartElement:
            if (!inRoot) {
                if (xml.name().compare(kRoot, Qt::CaseInsensitive) != 0)
                    return failed(QCoreApplication::translate(
                                      "PadFile", "The file is not a PAD file: its root element is <%1>, not <%2>.")
                                      .arg(xml.name().toString(), kRoot));
                inRoot = true;
                break;
            }
            if (!open.isEmpty())
                open.last().hasChild = true;
            open.append({folded(xml.name()), {}, false});
            if (open.size() == 2 && open[0].name == folded(kDescriptions) && !leaves.languages.contains(open[1].name))
                leaves.languages << open[1].name;
            break;
        case QXmlStreamReader::Characters:
            if (!open.isEmpty())
                open.last().text += xml.text();
            break;
        case QXmlStreamReader::EndElement: {
            if (open.isEmpty())
                break;
            const Open done = open.takeLast();
            const QString value = fieldText(done.text).trimmed();
            if (done.hasChild || value.isEmpty())
                break;
            QHash<QString, QString>* into = &leaves.values;
            QString path = done.name;
            if (open.size() == 2 && open[0].name == folded(kDescriptions)) {
                into = &leaves.descriptions[open[1].name];
            } else {
                for (auto it = open.crbegin(); it != open.crend(); ++it)
                    path.prepend(it->name + QLatin1Char('/'));
            }
            if (!into->contains(path))
                into->insert(path, value);
            break;
        }
        default:
            break;
        }
    }
    if (xml.hasError() || !inRoot) {
        QString reason = xml.errorString();
        if (reason.endsWith(QLatin1Char('.')))
            reason.chop(1);
        if (malformed)
            *malformed = inRoot || declaredXml;
        return failed((!inRoot && !declaredXml
                           ? QCoreApplication::translate("PadFile", "The file is not XML (line %1, column %2): %3.")
                           : QCoreApplication::translate("PadFile", "The file is not well-formed XML (line "
                                                                    "%1, column %2): %3."))
                          .arg(xml.lineNumber())
                          .arg(xml.columnNumber())
                          .arg(reason));
    }

    PadReadResult result;
    for (const auto& [member, path] : kTextElements) {
        const QString value = leaves.value(QLatin1String(path));
        if (!value.isEmpty())
            result.product.*member = value;
    }
    takeDate(leaves, result);
    takeSize(leaves, result);
    takeDescriptions(leaves, result.product);
    return result;
}

} // namespace

PadReadResult ParsePad(const QByteArray& bytes) {
    bool malformed = false;
    PadReadResult result = readPad(bytes, &malformed);
    if (result.ok() || !malformed)
        return result;
    const PadRepair repair = RepairPadXml(bytes);
    if (repair.notes.isEmpty())
        return result;
    // Mending changes no line, so a fault that remains is named where the file has it.
    result = readPad(repair.bytes);
    if (result.ok())
        result.repairs = repair.notes;
    return result;
}

QByteArray WritePad(const PadProduct& product) {
    QList<std::pair<QString, QString>> leaves{
        {QStringLiteral("MASTER_PAD_VERSION_INFO/MASTER_PAD_VERSION"), QStringLiteral("4.0")},
        {QStringLiteral("MASTER_PAD_VERSION_INFO/MASTER_PAD_EDITOR"), QStringLiteral("Quillomar PAD Submitter")},
        {QStringLiteral("MASTER_PAD_VERSION_INFO/MASTER_PAD_INFO"),
         QStringLiteral("Portable Application Description (PAD): a software product described in a common format "
                        "for download sites and directories.")},
    };
    const auto add = [&](TextMember member) { leaves.append({pathOf(member), textOf(product, member)}); };
    add(&PadProduct::Author);
    add(&PadProduct::Email);
    add(&PadProduct::Name);
    add(&PadProduct::Version);

    const QDate date = product.ReleaseDate.value_or(QDate());
    const auto part = [&](int value, int width) {
        return date.isValid() ? QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')) : QString();
    };
    leaves.append({kMonth, part(date.month(), 2)});
    leaves.append({kDay, part(date.day(), 2)});
    leaves.append({kYear, part(date.year(), 4)});
    add(&PadProduct::RecentChanges);

    // Sizes that are not numbers are left out rather than written into a file that sites would refuse.
    QString kb = product.SizeKB.value_or(QString()).trimmed();
    QString bytes = product.SizeBytes.value_or(QString()).trimmed();
    if (!isSize(kb))
        kb.clear();
    if (!isSize(bytes))
        bytes = kb.isEmpty() ? QString() : QString::number(qint64(kb.toDouble() * 1024));
    const QString mb = kb.isEmpty() ? QString() : QString::number(kb.toDouble() / 1024, 'f', 2);
    leaves.append({kSizeBytes, bytes});
    leaves.append({kSizeK, kb});
    leaves.append({QStringLiteral("Program_Info/File_Info/File_Size_MB"), mb});
    add(&PadProduct::Limitations);
    leaves.append(descriptionLeaves(product));
    for (TextMember member : {&PadProduct::ProgramUrl, &PadProduct::BuyUrl, &PadProduct::Screenshot,
                              &PadProduct::IconUrl, &PadProduct::PadLocation, &PadProduct::Download1,
                              &PadProduct::Download2, &PadProduct::RegNow, &PadProduct::ShareIt})
        add(member);

    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(kRoot);
    writeLeaves(xml, leaves);
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

PadBytes ReadPadFile(const QString& path) {
    PadBytes result;
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists()) {
        result.error = QCoreApplication::translate("PadFile", "There is no file %1.").arg(shown);
        return result;
    }
    if (info.isDir()) {
        result.error = QCoreApplication::translate("PadFile", "%1 is a folder, not a file.").arg(shown);
        return result;
    }
    const QString tooLarge =
        QCoreApplication::translate("PadFile", "The file is larger than 5 MB, too large for a PAD file.");
    if (info.size() > kPadMaxBytes) {
        result.error = tooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QCoreApplication::translate("PadFile", "The file cannot be opened: %1.").arg(file.errorString());
        return result;
    }
    // A device or a file growing while it is read can exceed its listed size: read one byte beyond the limit only.
    result.bytes = file.read(kPadMaxBytes + 1);
    if (result.bytes.size() > kPadMaxBytes) {
        result.bytes.clear();
        result.error = tooLarge;
    }
    return result;
}

PadSource ClassifyPadSource(const QString& text) {
    PadSource source;
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return source;
    if (typed.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        source.kind = PadSource::Kind::Web;
        source.url = QUrl(QStringLiteral("http://") + typed);
        return source;
    }
    const QUrl url(typed);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        source.kind = url.isValid() && !url.host().isEmpty() ? PadSource::Kind::Web : PadSource::Kind::Unsupported;
        source.url = url;
    } else if (scheme == QLatin1String("file")) {
        source.kind = PadSource::Kind::File;
        source.path = url.toLocalFile();
    } else if (scheme.size() > 1) {
        // A one-letter scheme is a drive letter; a longer one is an address the program cannot read.
        source.kind = PadSource::Kind::Unsupported;
    } else {
        source.kind = PadSource::Kind::File;
        source.path = typed;
    }
    return source;
}
