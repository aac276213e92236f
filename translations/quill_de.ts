<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArchiveBackup</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The archive %1 does not exist.</source>
        <translation>Das Archiv %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The archive could not be backed up before this change: %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation>Das Archiv konnte vor dieser Änderung nicht gesichert werden: %1<byte value="xd"/>
<byte value="xd"/>
Ohne Sicherung fortfahren?</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>%1 is the archive itself.</source>
        <translation>%1 ist das Archiv selbst.</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>es gibt keine Datei %1</translation>
    </message>
    <message>
        <source>it is the archive itself</source>
        <translation>sie ist das Archiv selbst</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>sie ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>it holds no table %1</source>
        <translation>sie enthält keine Tabelle %1</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>ihre Tabelle %1 hat keine Spalte %2</translation>
    </message>
    <message>
        <source>it cannot be read as a database (%1)</source>
        <translation>sie kann nicht als Datenbank gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>BrowserQueries</name>
    <message>
        <source>&apos;%1&apos; is not a product field</source>
        <translation>&apos;%1&apos; ist kein Produktfeld</translation>
    </message>
</context>
<context>
    <name>ColumnValues</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>it is not a text file: it holds control characters</source>
        <translation>es ist keine Textdatei: sie enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the value %2 does not fit the file&apos;s encoding</source>
        <translation>%1 kann nicht geschrieben werden: Der Wert %2 passt nicht zur Kodierung der Datei</translation>
    </message>
</context>
<context>
    <name>PadDownload</name>
    <message>
        <source>The answer is larger than 5 MB, too large for a PAD file.</source>
        <translation>Die Antwort ist größer als 5 MB, zu groß für eine PAD-Datei.</translation>
    </message>
    <message>
        <source>The address redirects more than 5 times.</source>
        <translation>Die Adresse leitet mehr als 5-mal weiter.</translation>
    </message>
    <message>
        <source>The address redirects from https to plain http, which is not followed.</source>
        <translation>Die Adresse leitet von https auf unverschlüsseltes http weiter; dem wird nicht gefolgt.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1.</source>
        <translation>Der Server antwortete mit HTTP %1.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1 (%2).</source>
        <translation>Der Server antwortete mit HTTP %1 (%2).</translation>
    </message>
    <message>
        <source>No answer from %1: %2.</source>
        <translation>Keine Antwort von %1: %2.</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Keine Antwort von %1 innerhalb von %2 Sekunden.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be read.</source>
        <translation>Nur http- und https-Adressen können gelesen werden.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>PadFile</name>
    <message>
        <source>Release date: year &quot;%1&quot;, month &quot;%2&quot;, day &quot;%3&quot; is not a date.</source>
        <translation>Veröffentlichungsdatum: Jahr „%1“, Monat „%2“, Tag „%3“ ist kein Datum.</translation>
    </message>
    <message>
        <source>Size KB: %1 &quot;%2&quot; is not a number.</source>
        <translation>Größe KB: %1 „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The file is larger than 5 MB, too large for a PAD file.</source>
        <translation>Die Datei ist größer als 5 MB, zu groß für eine PAD-Datei.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file declares entities in a document type (line %1, column %2); a PAD file has none, so it is not read.</source>
        <translation>Die Datei deklariert Entitäten in einer Dokumenttypdefinition (Zeile %1, Spalte %2); eine PAD-Datei hat keine, daher wird sie nicht gelesen.</translation>
    </message>
    <message>
        <source>The file is not a PAD file: its root element is &lt;%1&gt;, not &lt;%2&gt;.</source>
        <translation>Die Datei ist keine PAD-Datei: Ihr Wurzelelement ist &lt;%1&gt;, nicht &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file is not XML (line %1, column %2): %3.</source>
        <translation>Die Datei ist kein XML (Zeile %1, Spalte %2): %3.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1, column %2): %3.</source>
        <translation>Die Datei ist kein wohlgeformtes XML (Zeile %1, Spalte %2): %3.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Es gibt keine Datei %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Die Datei kann nicht geöffnet werden: %1.</translation>
    </message>
</context>
<context>
    <name>PadRepair</name>
    <message>
        <source>line </source>
        <translation>Zeile </translation>
    </message>
    <message>
        <source>lines </source>
        <translation>Zeilen </translation>
    </message>
    <message>
        <source>A bare &amp; on %1 was read as the character &amp;.</source>
        <translation>Ein einzelnes &amp; in %1 wurde als Zeichen &amp; gelesen.</translation>
    </message>
    <message>
        <source>An end tag in other letter case than its start tag on %1 was read as closing it.</source>
        <translation>Ein End-Tag in anderer Groß- und Kleinschreibung als sein Start-Tag in %1 wurde als dessen Abschluss gelesen.</translation>
    </message>
</context>
<context>
    <name>ProductFields</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>PAD location</source>
        <translation>PAD-Adresse</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Size KB</source>
        <translation>Größe KB</translation>
    </message>
    <message>
        <source>Program URL</source>
        <translation>Programm-URL</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Download 1</source>
        <translation>Download 1</translation>
    </message>
    <message>
        <source>Download 2</source>
        <translation>Download 2</translation>
    </message>
    <message>
        <source>Short description</source>
        <translation>Kurzbeschreibung</translation>
    </message>
    <message>
        <source>Long description</source>
        <translation>Ausführliche Beschreibung</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Icon file</source>
        <translation>Symboldatei</translation>
    </message>
    <message>
        <source>Link back</source>
        <translation>Backlink</translation>
    </message>
    <message>
        <source>Buy URL</source>
        <translation>Kauf-URL</translation>
    </message>
    <message>
        <source>RegNow</source>
        <translation>RegNow</translation>
    </message>
    <message>
        <source>Share-it</source>
        <translation>Share-it</translation>
    </message>
    <message>
        <source>Limitations</source>
        <translation>Einschränkungen</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Letzte Änderungen</translation>
    </message>
    <message>
        <source>Full changelog</source>
        <translation>Vollständiges Änderungsprotokoll</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Veröffentlichungsdatum</translation>
    </message>
</context>
<context>
    <name>RecordGone</name>
    <message>
        <source>This product no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Dieses Produkt existiert nicht mehr im Archiv: Ein anderes Fenster oder Programm hat es gelöscht. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>This site no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Diese Website existiert nicht mehr im Archiv: Ein anderes Fenster oder Programm hat sie gelöscht. Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>SiteImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The line has no site name and submit address separated by &apos;%1&apos;.</source>
        <translation>Die Zeile enthält keinen Website-Namen und keine Einreichungsadresse, getrennt durch &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
</context>
<context>
    <name>SiteList</name>
    <message>
        <source>Error SubmitUrl is null</source>
        <translation>Fehler: SubmitUrl ist leer</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Submit Url</source>
        <translation>Einreichungs-URL</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Old V.</source>
        <translation>Alte V.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>AU.</source>
        <translation>AA.</translation>
    </message>
    <message>
        <source>Loading... %1</source>
        <translation>Wird geladen... %1</translation>
    </message>
    <message>
        <source>Quillomar PAD Submitter - Elements: %1</source>
        <translation>Quillomar PAD Submitter - Einträge: %1</translation>
    </message>
</context>
<context>
    <name>SubmissionReport</name>
    <message>
        <source>Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Submit address</source>
        <translation>Einreichungsadresse</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Old version</source>
        <translation>Alte Version</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>SubmitStatus</name>
    <message>
        <source>Not submitted</source>
        <translation>Nicht eingereicht</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>Nicht eingereicht</translation>
    </message>
    <message>
        <source>NotSubmitted</source>
        <translation>Nicht eingereicht</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Eingereicht</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Veröffentlicht</translation>
    </message>
</context>
<context>
    <name>Trap</name>
    <message>
        <source>Error in: </source>
        <translation>Fehler in: </translation>
    </message>
    <message>
        <source>Error in %1: </source>
        <translation>Fehler in %1: </translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Desktop default</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(ab dem nächsten Start)</translation>
    </message>
</context>
<context>
    <name>frmProductHistory</name>
    <message>
        <source>Product History Log</source>
        <translation>Verlaufsprotokoll des Produkts</translation>
    </message>
    <message>
        <source>Last status information </source>
        <translation>Letzte Statusinformation </translation>
    </message>
    <message>
        <source>Add history item</source>
        <translation>Verlaufseintrag hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>There is no state set for site-product</source>
        <translation>Für diese Website und dieses Produkt ist kein Status gesetzt</translation>
    </message>
    <message>
        <source>No status information available</source>
        <translation>Keine Statusinformationen vorhanden</translation>
    </message>
    <message>
        <source> ver. </source>
        <translation> Ver. </translation>
    </message>
    <message>
        <source> on site: </source>
        <translation> auf der Website: </translation>
    </message>
    <message>
        <source>First status information inserted on: </source>
        <translation>Erste Statusinformation eingetragen am: </translation>
    </message>
    <message>
        <source>Last status update on: </source>
        <translation>Letzte Statusänderung am: </translation>
    </message>
    <message>
        <source>Actual status: </source>
        <translation>Aktueller Status: </translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected items? </source>
        <translation>Möchten Sie die ausgewählten Einträge wirklich löschen? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>frmProductHistoryItem</name>
    <message>
        <source>Product History Item</source>
        <translation>Verlaufseintrag des Produkts</translation>
    </message>
    <message>
        <source>Use this window to insert a short note about product - site operation</source>
        <translation>In diesem Fenster tragen Sie eine kurze Notiz zum Vorgang für Produkt und Website ein</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
