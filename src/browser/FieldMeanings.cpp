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
// has no value for stands first, so that a category, price, licence, video, social, system, demo, repository, forum,
// support or expiry field is never taken for something else. Captions are read in English, German, French, Spanish,
// Italian, Russian, Polish and Portuguese.
const QList<FieldMeaning>& FieldMeanings() {
    static const QList<FieldMeaning>
        meanings{
            {{},
             Kind::Text,
             {},
             R"(captcha|security_?code|verif|antispam|(^|_)(f|gfx_?|sec_?)?code$|gfx_check)",
             R"(captcha|security code|verification|confirmation code|code de (confirmation|sécurité)|sicherheitscode|código de (seguridad|verificación)|codice di (sicurezza|controllo)|kod (z obrazka|bezpieczeństwa)|проверочный код|код (подтверждения|с картинки)|anti-?spam)"},
            {{},
             Kind::Text,
             {},
             R"((^|_)(sub)?categor|genre|(^|_)(cid|cat|cat_?id)$)",
             R"(categor|kategor|catégor|категор|genre|rubri)"},
            {{},
             Kind::Text,
             {},
             R"(price|cost|(^|_)fee(_|$)|currency)",
             R"(price|cost|\bfee\b|currency|preis|prix|precio|prezzo|\bcena\b|preço|цена|стоимость)"},
            {{}, Kind::Text, {}, R"(licen[cs]e|lizenz)", R"(licen[cs]|lizenz|licenza|licença|лиценз)"},
            {{}, Kind::Text, {}, R"(video|youtube|vimeo)", R"(video|vídeo|youtube|vimeo|видео|wideo)"},
            {{},
             Kind::Text,
             {},
             R"(facebook|twitter|linkedin|instagram|social|(^|_)fb(_|$))",
             R"(facebook|twitter|linkedin|instagram|social)"},
            {{},
             Kind::Text,
             {},
             R"((^|_)os(_|$)|platform|operating|requirement|system)",
             R"(\bos\b|platform|plattform|plate-?forme|plataforma|piattaforma|operating system|betriebssystem|système|sistema|system|систем|платформ|requirement|anforderung|configuration|requisit|wymagania|требования)"},
            {{},
             Kind::Text,
             {},
             R"(demo|repo(sitory)?(_|$)|github|source_?code|forum|bug_?(tracker|report|url)|issue_?(tracker|url)|tracker|wiki|(^|_)docs?(_|$)|documentation|donat|expir|valid_?until|mirror_?[2-9]|(download|dl|url|link)_?[3-9])",
             R"(demo|repository|github|source code|quellcode|code source|código fuente|forum|foro|форум|support (url|link|page|site|forum|address)|bug ?(tracker|report)|issue tracker|wiki|documentation|dokumentation|donat|spende|expir|ablauf|valid until|gültig bis|^(second|third|zweite[rn]?|dritte[rn]?)\s)"},
            // Dates of the listing itself, not of the release.
            {{},
             Kind::Text,
             {},
             R"(creat(ed|ion)|publish_?(up|down|start|end)|(start|end|expiry|modified|updated)_?date)",
             R"(creat(ed|ion) date|erstelldatum|erstellt am|erstellungsdatum|startdatum|enddatum|start date|end date|date (de )?(fin|début|création)|fecha de (creación|inicio|fin)|data (di )?(creazione|inizio|fine))"},
            // "Download title", "Homepage Title", "Titre du téléchargement": a title, whatever it is the title of.
            {QStringLiteral("name"),
             Kind::Text,
             {},
             R"(title$)",
             R"(title$|titel$|^(titre|título|titolo|tytuł|заголовок|название|имя файла|nazwa pliku|nazwa programu|nazwa aplikacji|file ?name|name of (the )?file|dateiname|nom du fichier|nombre del archivo|nome del file|nome do arquivo)(\s|:|$))"},
            {QStringLiteral("padURL"),
             Kind::Address,
             {},
             R"((^|_)pad($|_)|pad_?(url|file|link|location|address)|xml)",
             R"(\bpad\b|\bxml\b)"},
            {QStringLiteral("emailAuthor"), Kind::Address, QStringLiteral("email"), R"(e_?mail)",
             R"(e-? ?mail|\bmail\b|courriel|correo|почта|poczta)"},
            {QStringLiteral("paymentRegNow"), Kind::Address, {}, R"(regnow|affiliate_?id)", R"(regnow)"},
            {QStringLiteral("releaseDate"), Kind::Day, QStringLiteral("bday-day"), R"((^|_)(release_|rel_)?(day|dd)$)",
             R"(^(release )?(day|dd|tag|jour|día|dia|giorno|dzień|день)$)"},
            {QStringLiteral("releaseDate"), Kind::Month, QStringLiteral("bday-month"),
             R"((^|_)(release_|rel_)?(month|mon|mm)$)",
             R"(^(release )?(month|mm|monat|mois|mes|mese|miesiąc|mês|месяц)$)"},
            {QStringLiteral("releaseDate"), Kind::Year, QStringLiteral("bday-year"),
             R"((^|_)(release_|rel_)?(year|yyyy|yy)$)",
             R"(^(release )?(year|yyyy|yy|jahr|année|año|anno|rok|ano|год)$)"},
            {QStringLiteral("releaseDate"), Kind::Date, QStringLiteral("bday"),
             R"(release_?date|date_?released|rel_?date|pub(lish)?(ed)?_?date|(^|_)date(_|$))",
             R"(release date|date of release|released|\bdate\b|datum|fecha|data (di |de |do )?(rilascio|pubblicazione|wydania|publikacji|lançamento|publicação)|дата)"},
            {QStringLiteral("sizeKB"),
             Kind::Size,
             {},
             R"(size|filesize)",
             R"(\bsize\b|größe|grösse|taille|tamaño|dimensione|rozmiar|tamanho|размер|объ[её]м)"},
            {QStringLiteral("fullChangeLog"),
             Kind::Text,
             {},
             R"(change_?log|version_?history)",
             R"(change ?log|version history|änderungsprotokoll|historique des versions|journal des modifications|historial de versiones|registro de cambios|cronologia (delle )?versioni|historia (wersji|zmian)|histórico de versões|история (версий|изменений))"},
            {QStringLiteral("recentChanges"),
             Kind::Text,
             {},
             R"(change|whats_?new|release_?notes|history)",
             R"(change|what'?s new|release notes|history|änderung|neuerung|nouveaut|historique|novedades|historial|novità|cronologia|zmiany|historia|novidades|histórico|изменени|что нового|истори)"},
            {QStringLiteral("version"),
             Kind::Text,
             {},
             R"(version|(^|_)ver(_|$)|release_?name)",
             R"(\bversion\b|versión|versione|wersja|versão|верси|release name|nome (della )?release)"},
            {QStringLiteral("icoURL"),
             Kind::Address,
             {},
             R"(icon)",
             R"(\bicon|icône|icono|icona|ikona|ícone|иконк|значок)"},
            {QStringLiteral("screenShot"),
             Kind::Address,
             {},
             R"(screen|snapshot|(^|_)(image|img|logo|picture|thumb))",
             R"(screen|image|logo|picture|bildschirm|capture|captura|schermata|zrzut|скриншот|снимок|изображени)"},
            {QStringLiteral("buyURL"),
             Kind::Address,
             {},
             R"(buy|(^|_)order|purchase)",
             R"(\bbuy\b|\border\b|purchase|kaufen|acheter|comprar|acquista|kup|купить)"},
            {QStringLiteral("exeDownload_2"),
             Kind::Address,
             {},
             R"(mirror|secondary|download_?2|alt(ernate)?_?download)",
             R"(mirror|secondary|alternat\w* download|téléchargement alternatif|descarga alternativa|download alternativo|spiegel|miroir|espejo|lustro|espelho|зеркал)"},
            {QStringLiteral("exeDownload_1"),
             Kind::Address,
             {},
             R"(download|(^|_)dl(_|$)|file_?(url|link)|(^|_)(remote|direct)_?(url|link)|link_?direct|(url|link)_?extern|extern\w*_?(url|link|file))",
             R"(download|file (url|link|address)|direct link|http link|remote (url|file)|link to the file|herunterlad|datei-?(url|link|adresse)|dateilink|(url|lien|adresse) (de|du) téléchargement|^télécharg|(url|lien) (du|vers le) fichier|fichier (url|lien)|descarga|(url|enlace) (del|al) archivo|scaric|collegamento (al |del )?file|link (al |del )?file|pobier|link do pliku|baixar|(url|link) do arquivo|скача|загруз|ссылка на файл)"},
            {QStringLiteral("programURL"), Kind::Address, QStringLiteral("url"), R"(home_?page|web_?site|(^|_)(info|program|product|app|software)_?url)", R"(home ?page|web ?site|info\w* page|product page|program page|startseite|webseite|site web|page d'accueil|sitio web|página (web|principal|inicial)|^home$|site internet|sito web|strona (www|domowa|internetowa)|hemsida|webbplats|домашн|сайт)", {}, R"(^(url|uri|link|href|www|web|site|address|location|web address|adresse|dirección|indirizzo|adres|endereço|адрес|ссылка)$)"},
            {QStringLiteral("keywords"),
             Kind::Text,
             {},
             R"(keyword|(^|_)tags?(_|$))",
             R"(keyword|\btags?\b|schlüsselw|schlagw|stichw|mots[- ]cl|palabras clave|etiquetas|parole chiave|słowa kluczowe|palavras[- ]chave|ключевые|теги|метки)"},
            {QStringLiteral("shortDescription"),
             Kind::Text,
             {},
             R"(short|summary|brief|teaser|tagline|slogan|intro|meta_?desc|(^|_)s_?desc|desc\w*_?(45|80)(_|$))",
             R"(short|summary|brief|tag ?line|one[- ]line|meta ?(description|beschreibung)|intro|kurz|zusammenfassung|résumé|courte|resumen|breve|riassunto|krótki|streszczenie|curta|resumo|кратк|анонс)"},
            {QStringLiteral("longDescription"),
             Kind::Text,
             {},
             R"(desc|details|about)",
             R"(desc|details|about|beschreibung|descripci|descrizione|opis|описание)",
             QStringLiteral("shortDescription")},
            {QStringLiteral("limitations"),
             Kind::Text,
             {},
             R"(limitation|restriction|trial)",
             R"(limitation|restriction|trial|einschränkung|limitación|limitazion|ograniczeni|limitação|ограничени)"},
            {QStringLiteral("author"), Kind::Text, QStringLiteral("organization name"),
             R"(author|publisher|company|developer|vendor|manufacturer|organi[sz]ation|(^|_)org(_|$)|contact_?name)",
             R"(author|publisher|company|developer|vendor|organi[sz]ation|your name|contact (name|person)|full name|autor|auteur|autore|автор|entwickler|hersteller|\bfirma\b|développeur|éditeur|desarrollador|sviluppatore|producent|wydawca|desenvolvedor|разработчик|издатель)"},
            {QStringLiteral("name"),
             Kind::Text,
             {},
             R"(title|(program|product|software|app|application|prog|soft)_?name)",
             R"(title|(program|product|software|application|app)( name)?$|programmname|produktname|titel|nom du (logiciel|programme|produit)|titre|nombre del (programa|software|producto)|título|titolo|nome del (programma|software|prodotto)|nazwa|tytuł|nome do (programa|software|produto|aplicativo)|название|заголовок|наименование)",
             {},
             R"(^(name|title|nom|nombre|nome|titel|titre|titolo|título)$)"},
        };
    return meanings;
}

QVariantList FieldMeaningsForScript() {
    QVariantList all;
    for (const FieldMeaning& m : FieldMeanings())
        all << QVariant(
            QVariantList{m.column, kindName(m.kind), m.autocomplete, m.names, m.labels, m.shorter, m.generic});
    return all;
}
