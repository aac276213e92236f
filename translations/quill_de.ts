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
    <name>BrowserProfile</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
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
    <name>CheckableDateEdit</name>
    <message>
        <source>Check to give a date</source>
        <translation>Ankreuzen, um ein Datum anzugeben</translation>
    </message>
    <message>
        <source>Has a date</source>
        <translation>Hat ein Datum</translation>
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
    <name>EditorValues</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>HelpManual</name>
    <message>
        <source>The user manual was not found. It should be at %1</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden. Es sollte unter %1 liegen</translation>
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
    <name>ProgramDirectory</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No data folder is known for this user, so the database cannot be set up. Check that the HOME variable names your home folder.</source>
        <translation>Für diesen Benutzer ist kein Datenordner bekannt, daher kann die Datenbank nicht eingerichtet werden. Prüfen Sie, ob die Variable HOME Ihren Benutzerordner nennt.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be set up:</source>
        <translation>Der Datenordner %1 konnte nicht eingerichtet werden:</translation>
    </message>
    <message>
        <source>the folder cannot be created.</source>
        <translation>der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is missing from the installation; reinstall the program.</source>
        <translation>%1 fehlt in der Installation; installieren Sie das Programm neu.</translation>
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
    <name>SettingValue</name>
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
    <name>WebPage</name>
    <message>
        <source>The certificate of %1 is not valid:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Continue to this site anyway?</source>
        <translation>Das Zertifikat von %1 ist ungültig:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Trotzdem diese Website öffnen?</translation>
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
    <name>frmAbout</name>
    <message>
        <source>About Quillomar PAD Submitter</source>
        <translation>Über Quillomar PAD Submitter</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Back up archive</source>
        <translation>Archiv sichern</translation>
    </message>
    <message>
        <source>Archive (*.db)</source>
        <translation>Archiv (*.db)</translation>
    </message>
    <message>
        <source>The archive was backed up to %1</source>
        <translation>Das Archiv wurde nach %1 gesichert</translation>
    </message>
    <message>
        <source>The archive was restored from %1</source>
        <translation>Das Archiv wurde aus %1 wiederhergestellt</translation>
    </message>
    <message>
        <source>Select in the combo box the program to update</source>
        <translation>Wählen Sie im Auswahlfeld das zu aktualisierende Programm</translation>
    </message>
    <message>
        <source>Stored from the PAD file: %1.</source>
        <translation>Aus der PAD-Datei gespeichert: %1.</translation>
    </message>
    <message>
        <source>New version of %1:</source>
        <translation>Neue Version von %1:</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>Version changed from %1 to %2. Mark the %3 sites where this product is submitted or published, and which do not update from the PAD address themselves, as showing an old version?</source>
        <translation>Die Version wurde von %1 auf %2 geändert. Die %3 Websites, auf denen dieses Produkt eingereicht oder veröffentlicht ist und die sich nicht selbst über die PAD-Adresse aktualisieren, als „alte Version“ markieren?</translation>
    </message>
    <message>
        <source>Select one</source>
        <translation>Bitte auswählen</translation>
    </message>
    <message>
        <source> Quillomar Pad Submitter</source>
        <translation> Quillomar Pad Submitter</translation>
    </message>
    <message>
        <source> Quillomar Pad Submitter - %1</source>
        <translation> Quillomar Pad Submitter - %1</translation>
    </message>
    <message>
        <source>Select in the combo box the program to modify</source>
        <translation>Wählen Sie im Auswahlfeld das zu ändernde Programm</translation>
    </message>
    <message>
        <source>Select in the combo box the program to delete</source>
        <translation>Wählen Sie im Auswahlfeld das zu löschende Programm</translation>
    </message>
    <message>
        <source>Are you sure you want to delete product &apos;%1&apos; ? </source>
        <translation>Möchten Sie das Produkt „%1“ wirklich löschen? </translation>
    </message>
    <message>
        <source>Deleting Product &apos;%1&apos;</source>
        <translation>Produkt „%1“ löschen</translation>
    </message>
    <message>
        <source>Please choose a product: the report shows its standing on every site.</source>
        <translation>Bitte wählen Sie ein Produkt: Der Bericht zeigt seinen Stand auf jeder Website.</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv);;Printable page (*.html *.htm)</source>
        <translation>Tabelle (*.csv);;Druckbare Seite (*.html *.htm)</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Der Bericht wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Open PAD Site Submit URL</source>
        <translation>Einreichungsseite der PAD-Website öffnen</translation>
    </message>
    <message>
        <source>Open PAD Site HomePage</source>
        <translation>Startseite der PAD-Website öffnen</translation>
    </message>
    <message>
        <source>Visit Site HomePage in External Browser</source>
        <translation>Startseite der Website im externen Browser öffnen</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Toggle bookmark</source>
        <translation>Lesezeichen setzen/entfernen</translation>
    </message>
    <message>
        <source>Go to Next Bookmark</source>
        <translation>Zum nächsten Lesezeichen</translation>
    </message>
    <message>
        <source>Clear all bookmark</source>
        <translation>Alle Lesezeichen entfernen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Keine auswählen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Not Submitted</source>
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
    <message>
        <source>Set &quot;Old Version&quot; on selected elements</source>
        <translation>„Alte Version“ für ausgewählte Einträge setzen</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot; on ALL elements</source>
        <translation>„Alte Version“ für ALLE Einträge setzen</translation>
    </message>
    <message>
        <source>Set &quot;Actual Version&quot;</source>
        <translation>„Aktuelle Version“ setzen</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Verlauf anzeigen</translation>
    </message>
    <message>
        <source>Web Site property...</source>
        <translation>Eigenschaften der Website...</translation>
    </message>
    <message>
        <source>Add new site...</source>
        <translation>Neue Website hinzufügen...</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Website löschen</translation>
    </message>
    <message>
        <source>End of the list</source>
        <translation>Ende der Liste</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all bookmarks? </source>
        <translation>Möchten Sie wirklich alle Lesezeichen entfernen? </translation>
    </message>
    <message>
        <source>Clear all bookmarks</source>
        <translation>Alle Lesezeichen entfernen</translation>
    </message>
    <message>
        <source>Bookmarks cleared</source>
        <translation>Lesezeichen entfernt</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected sites? </source>
        <translation>Möchten Sie die ausgewählten Websites wirklich löschen? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
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
    <name>frmPadSource</name>
    <message>
        <source>Import PAD file</source>
        <translation>PAD-Datei importieren</translation>
    </message>
    <message>
        <source>https://www.example.com/pad.xml or a file on this computer</source>
        <translation>https://www.example.com/pad.xml oder eine Datei auf diesem Computer</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>PAD file or web &amp;address:</source>
        <translation>PAD-Datei oder &amp;Webadresse:</translation>
    </message>
    <message>
        <source>Please type the address of a PAD file, or choose a file with Browse.</source>
        <translation>Bitte geben Sie die Adresse einer PAD-Datei ein oder wählen Sie eine Datei mit „Durchsuchen“.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Nur http- und https-Adressen und Dateien auf diesem Computer können gelesen werden.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>%1 wird gelesen ...</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>PAD-Dateien (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
%2</source>
        <translation>Aus %1 wurde nichts importiert:
%2</translation>
    </message>
</context>
<context>
    <name>frmPadUpdate</name>
    <message>
        <source>Update from PAD file</source>
        <translation>Aus PAD-Datei aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The product has no PAD address; set its PAD location in the product&apos;s properties.</source>
        <translation>Das Produkt hat keine PAD-Adresse; legen Sie den PAD-Speicherort in den Eigenschaften des Produkts fest.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Nur http- und https-Adressen und Dateien auf diesem Computer können gelesen werden.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>%1 wird gelesen ...</translation>
    </message>
    <message>
        <source>The PAD file holds the stored values: nothing differs.</source>
        <translation>Die PAD-Datei enthält die gespeicherten Werte: Nichts weicht ab.</translation>
    </message>
    <message>
        <source>Checked fields are stored from the PAD file %1.</source>
        <translation>Angekreuzte Felder werden aus der PAD-Datei %1 gespeichert.</translation>
    </message>
    <message>
        <source>Nothing was updated from %1:
%2</source>
        <translation>Aus %1 wurde nichts aktualisiert:
%2</translation>
    </message>
</context>
<context>
    <name>frmProduct</name>
    <message>
        <source>Click to launch browser to verify the link</source>
        <translation>Klicken, um den Link im Browser zu prüfen</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>Descrip&amp;tion</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Changelog</source>
        <translation>Änderungs&amp;protokoll</translation>
    </message>
    <message>
        <source>Copy selected element text in clipboard</source>
        <translation>Text des ausgewählten Elements in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Imp&amp;ort PAD...</source>
        <translation>PAD &amp;importieren...</translation>
    </message>
    <message>
        <source>Fill the boxes from a PAD file or its web address</source>
        <translation>Die Felder aus einer PAD-Datei oder ihrer Webadresse füllen</translation>
    </message>
    <message>
        <source>E&amp;xport PAD...</source>
        <translation>PAD e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save the values in the boxes as a PAD file</source>
        <translation>Die Werte der Felder als PAD-Datei speichern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Version:</source>
        <translation>&amp;Version:</translation>
    </message>
    <message>
        <source>PAD &amp;location:</source>
        <translation>PAD-&amp;Speicherort:</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>&amp;KB:</source>
        <translation>&amp;KB:</translation>
    </message>
    <message>
        <source>&amp;Email:</source>
        <translation>&amp;E-Mail:</translation>
    </message>
    <message>
        <source>B&amp;ytes:</source>
        <translation>B&amp;ytes:</translation>
    </message>
    <message>
        <source>&amp;Screenshot:</source>
        <translation>&amp;Bildschirmfoto:</translation>
    </message>
    <message>
        <source>&amp;Icon file:</source>
        <translation>S&amp;ymboldatei:</translation>
    </message>
    <message>
        <source>&amp;Program URL:</source>
        <translation>&amp;Programm-URL:</translation>
    </message>
    <message>
        <source>Download &amp;1:</source>
        <translation>Download &amp;1:</translation>
    </message>
    <message>
        <source>Download &amp;2:</source>
        <translation>Download &amp;2:</translation>
    </message>
    <message>
        <source>Link &amp;back:</source>
        <translation>&amp;Rücklink:</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Bezahlung</translation>
    </message>
    <message>
        <source>Release &amp;date</source>
        <translation>Veröffentlichungs&amp;datum</translation>
    </message>
    <message>
        <source>B&amp;uy URL:</source>
        <translation>&amp;Kauf-URL:</translation>
    </message>
    <message>
        <source>&amp;RegNow:</source>
        <translation>R&amp;egNow:</translation>
    </message>
    <message>
        <source>S&amp;hare-it:</source>
        <translation>S&amp;hare-it:</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Schlüsselwörter</translation>
    </message>
    <message>
        <source>&amp;Short description</source>
        <translation>&amp;Kurzbeschreibung</translation>
    </message>
    <message>
        <source>&amp;Long description</source>
        <translation>&amp;Lange Beschreibung</translation>
    </message>
    <message>
        <source>L&amp;imitations</source>
        <translation>&amp;Einschränkungen</translation>
    </message>
    <message>
        <source>&amp;Recent changes</source>
        <translation>&amp;Letzte Änderungen</translation>
    </message>
    <message>
        <source>&amp;Full changelog</source>
        <translation>&amp;Vollständiges Änderungsprotokoll</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Modify product</source>
        <translation>Produkt ändern</translation>
    </message>
    <message>
        <source>New product</source>
        <translation>Neues Produkt</translation>
    </message>
    <message>
        <source>Please choose a product name!</source>
        <translation>Bitte geben Sie einen Produktnamen an!</translation>
    </message>
    <message>
        <source>Please choose the release date of your product!</source>
        <translation>Bitte geben Sie das Veröffentlichungsdatum Ihres Produkts an!</translation>
    </message>
    <message>
        <source>%1: longer than the box&apos;s %2 characters.</source>
        <translation>%1: länger als die %2 Zeichen des Feldes.</translation>
    </message>
    <message>
        <source>The PAD file filled no box.</source>
        <translation>Die PAD-Datei hat kein Feld gefüllt.</translation>
    </message>
    <message>
        <source>Filled from the PAD file: %1.
Nothing is stored until you press OK.</source>
        <translation>Aus der PAD-Datei gefüllt: %1.
Nichts wird gespeichert, bevor Sie OK drücken.</translation>
    </message>
    <message>
        <source>

The file is not well-formed; mended before reading:
</source>
        <translation>

Die Datei ist nicht wohlgeformt; vor dem Lesen ausgebessert:
</translation>
    </message>
    <message>
        <source>

Not filled:
</source>
        <translation>

Nicht gefüllt:
</translation>
    </message>
    <message>
        <source> It holds none of the product&apos;s fields.</source>
        <translation> Sie enthält keines der Felder des Produkts.</translation>
    </message>
    <message>
        <source>Export PAD file</source>
        <translation>PAD-Datei exportieren</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>PAD-Dateien (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The PAD file was written to %1.</source>
        <translation>Die PAD-Datei wurde nach %1 geschrieben.</translation>
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
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore from backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkte</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Other file...</source>
        <translation>Andere Datei...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Restore from file</source>
        <translation>Aus Datei wiederherstellen</translation>
    </message>
    <message>
        <source>Archive (*.db);;All files (*)</source>
        <translation>Archiv (*.db);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2.<byte value="xd"/>
<byte value="xd"/>
The archive was not changed.</source>
        <translation>%1 kann nicht wiederhergestellt werden: %2.<byte value="xd"/>
<byte value="xd"/>
Das Archiv wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Replace everything in the archive with the contents of %1 (%2 sites, %3 products)?<byte value="xd"/>
<byte value="xd"/>
The archive is backed up first.</source>
        <translation>Den gesamten Inhalt des Archivs durch den Inhalt von %1 ersetzen (%2 Websites, %3 Produkte)?<byte value="xd"/>
<byte value="xd"/>
Das Archiv wird zuvor gesichert.</translation>
    </message>
</context>
</TS>
