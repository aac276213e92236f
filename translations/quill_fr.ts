<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ArchiveBackup</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The archive %1 does not exist.</source>
        <translation>L&apos;archive %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>The archive could not be backed up before this change: %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation>L&apos;archive n&apos;a pas pu être sauvegardée avant cette modification : %1<byte value="xd"/>
<byte value="xd"/>
Continuer sans sauvegarde ?</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>%1 is the archive itself.</source>
        <translation>%1 est l&apos;archive elle-même.</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>le fichier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is the archive itself</source>
        <translation>c&apos;est l&apos;archive elle-même</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>il est endommagé (%1)</translation>
    </message>
    <message>
        <source>it holds no table %1</source>
        <translation>il ne contient pas de table %1</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>sa table %1 n&apos;a pas de colonne %2</translation>
    </message>
    <message>
        <source>it cannot be read as a database (%1)</source>
        <translation>il ne peut pas être lu comme base de données (%1)</translation>
    </message>
</context>
<context>
    <name>BrowserProfile</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>BrowserQueries</name>
    <message>
        <source>&apos;%1&apos; is not a product field</source>
        <translation>&apos;%1&apos; n&apos;est pas un champ de produit</translation>
    </message>
</context>
<context>
    <name>CheckableDateEdit</name>
    <message>
        <source>Check to give a date</source>
        <translation>Cocher pour indiquer une date</translation>
    </message>
    <message>
        <source>Has a date</source>
        <translation>A une date</translation>
    </message>
</context>
<context>
    <name>ColumnValues</name>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>EditorValues</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>HelpManual</name>
    <message>
        <source>The user manual was not found. It should be at %1</source>
        <translation>Le manuel d&apos;utilisation est introuvable. Il devrait se trouver dans %1</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>it is not a text file: it holds control characters</source>
        <translation>ce n&apos;est pas un fichier texte : il contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the value %2 does not fit the file&apos;s encoding</source>
        <translation>Impossible d&apos;écrire %1 : la valeur %2 ne correspond pas à l&apos;encodage du fichier</translation>
    </message>
</context>
<context>
    <name>PadDownload</name>
    <message>
        <source>The answer is larger than 5 MB, too large for a PAD file.</source>
        <translation>La réponse dépasse 5 Mo, c&apos;est trop pour un fichier PAD.</translation>
    </message>
    <message>
        <source>The address redirects more than 5 times.</source>
        <translation>L&apos;adresse redirige plus de 5 fois.</translation>
    </message>
    <message>
        <source>The address redirects from https to plain http, which is not followed.</source>
        <translation>L&apos;adresse redirige de https vers http non chiffré, ce qui n&apos;est pas suivi.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1.</source>
        <translation>Le serveur a répondu HTTP %1.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1 (%2).</source>
        <translation>Le serveur a répondu HTTP %1 (%2).</translation>
    </message>
    <message>
        <source>No answer from %1: %2.</source>
        <translation>Pas de réponse de %1 : %2.</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Pas de réponse de %1 en %2 secondes.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be read.</source>
        <translation>Seules les adresses http et https peuvent être lues.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Le téléchargement a été annulé.</translation>
    </message>
</context>
<context>
    <name>PadFile</name>
    <message>
        <source>Release date: year &quot;%1&quot;, month &quot;%2&quot;, day &quot;%3&quot; is not a date.</source>
        <translation>Date de publication : année « %1 », mois « %2 », jour « %3 » n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Size KB: %1 &quot;%2&quot; is not a number.</source>
        <translation>Taille Ko : %1 « %2 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The file is larger than 5 MB, too large for a PAD file.</source>
        <translation>Le fichier dépasse 5 Mo, c&apos;est trop pour un fichier PAD.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file declares entities in a document type (line %1, column %2); a PAD file has none, so it is not read.</source>
        <translation>Le fichier déclare des entités dans un type de document (ligne %1, colonne %2) ; un fichier PAD n&apos;en a pas, il n&apos;est donc pas lu.</translation>
    </message>
    <message>
        <source>The file is not a PAD file: its root element is &lt;%1&gt;, not &lt;%2&gt;.</source>
        <translation>Le fichier n&apos;est pas un fichier PAD : son élément racine est &lt;%1&gt; et non &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file is not XML (line %1, column %2): %3.</source>
        <translation>Le fichier n&apos;est pas du XML (ligne %1, colonne %2) : %3.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1, column %2): %3.</source>
        <translation>Le fichier n&apos;est pas du XML bien formé (ligne %1, colonne %2) : %3.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1.</translation>
    </message>
</context>
<context>
    <name>PadRepair</name>
    <message>
        <source>line </source>
        <translation>la ligne </translation>
    </message>
    <message>
        <source>lines </source>
        <translation>les lignes </translation>
    </message>
    <message>
        <source>A bare &amp; on %1 was read as the character &amp;.</source>
        <translation>Un &amp; isolé sur %1 a été lu comme le caractère &amp;.</translation>
    </message>
    <message>
        <source>An end tag in other letter case than its start tag on %1 was read as closing it.</source>
        <translation>Une balise de fin dont la casse diffère de sa balise d&apos;ouverture sur %1 a été lue comme sa fermeture.</translation>
    </message>
</context>
<context>
    <name>ProductFields</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>PAD location</source>
        <translation>Emplacement du PAD</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Size KB</source>
        <translation>Taille Ko</translation>
    </message>
    <message>
        <source>Program URL</source>
        <translation>URL du programme</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Download 1</source>
        <translation>Téléchargement 1</translation>
    </message>
    <message>
        <source>Download 2</source>
        <translation>Téléchargement 2</translation>
    </message>
    <message>
        <source>Short description</source>
        <translation>Description courte</translation>
    </message>
    <message>
        <source>Long description</source>
        <translation>Description longue</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Icon file</source>
        <translation>Fichier d&apos;icône</translation>
    </message>
    <message>
        <source>Link back</source>
        <translation>Lien retour</translation>
    </message>
    <message>
        <source>Buy URL</source>
        <translation>URL d&apos;achat</translation>
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
        <translation>Limitations</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Modifications récentes</translation>
    </message>
    <message>
        <source>Full changelog</source>
        <translation>Historique complet des modifications</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Date de publication</translation>
    </message>
</context>
<context>
    <name>ProgramDirectory</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>No data folder is known for this user, so the database cannot be set up. Check that the HOME variable names your home folder.</source>
        <translation>Aucun dossier de données n&apos;est connu pour cet utilisateur ; la base de données ne peut donc pas être créée. Vérifiez que la variable HOME désigne votre dossier personnel.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be set up:</source>
        <translation>Le dossier de données %1 n&apos;a pas pu être créé :</translation>
    </message>
    <message>
        <source>the folder cannot be created.</source>
        <translation>le dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 is missing from the installation; reinstall the program.</source>
        <translation>%1 est absent de l&apos;installation ; réinstallez le programme.</translation>
    </message>
</context>
<context>
    <name>RecordGone</name>
    <message>
        <source>This product no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Ce produit n&apos;existe plus dans l&apos;archive : une autre fenêtre ou un autre programme l&apos;a supprimé. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>This site no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Ce site n&apos;existe plus dans l&apos;archive : une autre fenêtre ou un autre programme l&apos;a supprimé. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>SettingValue</name>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>SiteImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>The line has no site name and submit address separated by &apos;%1&apos;.</source>
        <translation>La ligne n&apos;a pas de nom de site et d&apos;adresse de soumission séparés par &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
</context>
<context>
    <name>SiteList</name>
    <message>
        <source>Error SubmitUrl is null</source>
        <translation>Erreur : SubmitUrl est vide</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Submit Url</source>
        <translation>URL de soumission</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Old V.</source>
        <translation>Anc. v.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>AU.</source>
        <translation>MAJ.</translation>
    </message>
    <message>
        <source>Loading... %1</source>
        <translation>Chargement... %1</translation>
    </message>
    <message>
        <source>Quillomar PAD Submitter - Elements: %1</source>
        <translation>Quillomar PAD Submitter - Éléments : %1</translation>
    </message>
</context>
<context>
    <name>SubmissionReport</name>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Submit address</source>
        <translation>Adresse de soumission</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Old version</source>
        <translation>Ancienne version</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>SubmitStatus</name>
    <message>
        <source>Not submitted</source>
        <translation>Non soumis</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>Non soumis</translation>
    </message>
    <message>
        <source>NotSubmitted</source>
        <translation>Non soumis</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Soumis</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publié</translation>
    </message>
</context>
<context>
    <name>Trap</name>
    <message>
        <source>Error in: </source>
        <translation>Erreur dans : </translation>
    </message>
    <message>
        <source>Error in %1: </source>
        <translation>Erreur dans %1 : </translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>The certificate of %1 is not valid:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Continue to this site anyway?</source>
        <translation>Le certificat de %1 n&apos;est pas valide :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Continuer quand même vers ce site ?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quillomar PAD Submitter</source>
        <translation>À propos de Quillomar PAD Submitter</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Cliquer pour fermer</translation>
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
        <translation>Sauvegarder l&apos;archive</translation>
    </message>
    <message>
        <source>Archive (*.db)</source>
        <translation>Archive (*.db)</translation>
    </message>
    <message>
        <source>The archive was backed up to %1</source>
        <translation>L&apos;archive a été sauvegardée dans %1</translation>
    </message>
    <message>
        <source>The archive was restored from %1</source>
        <translation>L&apos;archive a été restaurée depuis %1</translation>
    </message>
    <message>
        <source>Select in the combo box the program to update</source>
        <translation>Choisissez dans la liste le programme à mettre à jour</translation>
    </message>
    <message>
        <source>Stored from the PAD file: %1.</source>
        <translation>Enregistré depuis le fichier PAD : %1.</translation>
    </message>
    <message>
        <source>New version of %1:</source>
        <translation>Nouvelle version de %1 :</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>Version changed from %1 to %2. Mark the %3 sites where this product is submitted or published, and which do not update from the PAD address themselves, as showing an old version?</source>
        <translation>La version est passée de %1 à %2. Marquer les %3 sites où ce produit est soumis ou publié, et qui ne se mettent pas à jour eux-mêmes depuis l&apos;adresse PAD, comme affichant une ancienne version ?</translation>
    </message>
    <message>
        <source>Select one</source>
        <translation>Choisissez-en un</translation>
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
        <translation>Choisissez dans la liste le programme à modifier</translation>
    </message>
    <message>
        <source>Select in the combo box the program to delete</source>
        <translation>Choisissez dans la liste le programme à supprimer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete product &apos;%1&apos; ? </source>
        <translation>Voulez-vous vraiment supprimer le produit « %1 » ? </translation>
    </message>
    <message>
        <source>Deleting Product &apos;%1&apos;</source>
        <translation>Suppression du produit « %1 »</translation>
    </message>
    <message>
        <source>Please choose a product: the report shows its standing on every site.</source>
        <translation>Veuillez choisir un produit : le rapport montre sa situation sur chaque site.</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv);;Printable page (*.html *.htm)</source>
        <translation>Feuille de calcul (*.csv);;Page imprimable (*.html *.htm)</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Le rapport a été écrit dans %1.</translation>
    </message>
    <message>
        <source>Open PAD Site Submit URL</source>
        <translation>Ouvrir la page de soumission du site PAD</translation>
    </message>
    <message>
        <source>Open PAD Site HomePage</source>
        <translation>Ouvrir la page d&apos;accueil du site PAD</translation>
    </message>
    <message>
        <source>Visit Site HomePage in External Browser</source>
        <translation>Visiter la page d&apos;accueil du site dans le navigateur externe</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Signet</translation>
    </message>
    <message>
        <source>Toggle bookmark</source>
        <translation>Ajouter/retirer le signet</translation>
    </message>
    <message>
        <source>Go to Next Bookmark</source>
        <translation>Aller au signet suivant</translation>
    </message>
    <message>
        <source>Clear all bookmark</source>
        <translation>Effacer tous les signets</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Ne rien sélectionner</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>Non soumis</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Soumis</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publié</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot; on selected elements</source>
        <translation>Définir « Ancienne version » sur les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot; on ALL elements</source>
        <translation>Définir « Ancienne version » sur TOUS les éléments</translation>
    </message>
    <message>
        <source>Set &quot;Actual Version&quot;</source>
        <translation>Définir « Version actuelle »</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Afficher l&apos;historique</translation>
    </message>
    <message>
        <source>Web Site property...</source>
        <translation>Propriétés du site web...</translation>
    </message>
    <message>
        <source>Add new site...</source>
        <translation>Ajouter un nouveau site...</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Supprimer le site</translation>
    </message>
    <message>
        <source>End of the list</source>
        <translation>Fin de la liste</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all bookmarks? </source>
        <translation>Voulez-vous vraiment effacer tous les signets ? </translation>
    </message>
    <message>
        <source>Clear all bookmarks</source>
        <translation>Effacer tous les signets</translation>
    </message>
    <message>
        <source>Bookmarks cleared</source>
        <translation>Signets effacés</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected sites? </source>
        <translation>Voulez-vous vraiment supprimer les sites sélectionnés ? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Desktop default</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(au prochain démarrage)</translation>
    </message>
</context>
<context>
    <name>frmPadSource</name>
    <message>
        <source>Import PAD file</source>
        <translation>Importer un fichier PAD</translation>
    </message>
    <message>
        <source>https://www.example.com/pad.xml or a file on this computer</source>
        <translation>https://www.example.com/pad.xml ou un fichier sur cet ordinateur</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>PAD file or web &amp;address:</source>
        <translation>Fichier PAD ou &amp;adresse web :</translation>
    </message>
    <message>
        <source>Please type the address of a PAD file, or choose a file with Browse.</source>
        <translation>Veuillez saisir l&apos;adresse d&apos;un fichier PAD ou choisir un fichier avec Parcourir.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Seules les adresses http et https et les fichiers de cet ordinateur peuvent être lus.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Lecture de %1 ...</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>Fichiers PAD (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Le téléchargement a été annulé.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
%2</source>
        <translation>Rien n&apos;a été importé depuis %1 :
%2</translation>
    </message>
</context>
<context>
    <name>frmPadUpdate</name>
    <message>
        <source>Update from PAD file</source>
        <translation>Mettre à jour depuis le fichier PAD</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The product has no PAD address; set its PAD location in the product&apos;s properties.</source>
        <translation>Le produit n&apos;a pas d&apos;adresse PAD ; indiquez l&apos;emplacement PAD dans les propriétés du produit.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Seules les adresses http et https et les fichiers de cet ordinateur peuvent être lus.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Lecture de %1 ...</translation>
    </message>
    <message>
        <source>The PAD file holds the stored values: nothing differs.</source>
        <translation>Le fichier PAD contient les valeurs enregistrées : rien ne diffère.</translation>
    </message>
    <message>
        <source>Checked fields are stored from the PAD file %1.</source>
        <translation>Les champs cochés sont enregistrés depuis le fichier PAD %1.</translation>
    </message>
    <message>
        <source>Nothing was updated from %1:
%2</source>
        <translation>Rien n&apos;a été mis à jour depuis %1 :
%2</translation>
    </message>
</context>
<context>
    <name>frmProduct</name>
    <message>
        <source>Click to launch browser to verify the link</source>
        <translation>Cliquer pour ouvrir le navigateur et vérifier le lien</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Caractères :</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>Descrip&amp;tion</source>
        <translation>Descrip&amp;tion</translation>
    </message>
    <message>
        <source>&amp;Changelog</source>
        <translation>&amp;Journal des modifications</translation>
    </message>
    <message>
        <source>Copy selected element text in clipboard</source>
        <translation>Copier le texte de l&apos;élément sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>Imp&amp;ort PAD...</source>
        <translation>Imp&amp;orter un PAD...</translation>
    </message>
    <message>
        <source>Fill the boxes from a PAD file or its web address</source>
        <translation>Remplir les champs depuis un fichier PAD ou son adresse web</translation>
    </message>
    <message>
        <source>E&amp;xport PAD...</source>
        <translation>E&amp;xporter en PAD...</translation>
    </message>
    <message>
        <source>Save the values in the boxes as a PAD file</source>
        <translation>Enregistrer les valeurs des champs dans un fichier PAD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Version:</source>
        <translation>&amp;Version :</translation>
    </message>
    <message>
        <source>PAD &amp;location:</source>
        <translation>&amp;Emplacement du PAD :</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>N&amp;om :</translation>
    </message>
    <message>
        <source>&amp;KB:</source>
        <translation>&amp;Ko :</translation>
    </message>
    <message>
        <source>&amp;Email:</source>
        <translation>&amp;E-mail :</translation>
    </message>
    <message>
        <source>B&amp;ytes:</source>
        <translation>&amp;Octets :</translation>
    </message>
    <message>
        <source>&amp;Screenshot:</source>
        <translation>&amp;Capture d&apos;écran :</translation>
    </message>
    <message>
        <source>&amp;Icon file:</source>
        <translation>Fichier d&apos;&amp;icône :</translation>
    </message>
    <message>
        <source>&amp;Program URL:</source>
        <translation>URL du &amp;programme :</translation>
    </message>
    <message>
        <source>Download &amp;1:</source>
        <translation>Téléchargement &amp;1 :</translation>
    </message>
    <message>
        <source>Download &amp;2:</source>
        <translation>Téléchargement &amp;2 :</translation>
    </message>
    <message>
        <source>Link &amp;back:</source>
        <translation>Lien de &amp;retour :</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Release &amp;date</source>
        <translation>&amp;Date de sortie</translation>
    </message>
    <message>
        <source>B&amp;uy URL:</source>
        <translation>URL d&apos;ac&amp;hat :</translation>
    </message>
    <message>
        <source>&amp;RegNow:</source>
        <translation>R&amp;egNow :</translation>
    </message>
    <message>
        <source>S&amp;hare-it:</source>
        <translation>S&amp;hare-it :</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Mots-clés</translation>
    </message>
    <message>
        <source>&amp;Short description</source>
        <translation>Description &amp;courte</translation>
    </message>
    <message>
        <source>&amp;Long description</source>
        <translation>Description &amp;longue</translation>
    </message>
    <message>
        <source>L&amp;imitations</source>
        <translation>L&amp;imitations</translation>
    </message>
    <message>
        <source>&amp;Recent changes</source>
        <translation>Modifications &amp;récentes</translation>
    </message>
    <message>
        <source>&amp;Full changelog</source>
        <translation>&amp;Journal complet des modifications</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable objet non définie</translation>
    </message>
    <message>
        <source>Modify product</source>
        <translation>Modifier le produit</translation>
    </message>
    <message>
        <source>New product</source>
        <translation>Nouveau produit</translation>
    </message>
    <message>
        <source>Please choose a product name!</source>
        <translation>Veuillez choisir un nom de produit !</translation>
    </message>
    <message>
        <source>Please choose the release date of your product!</source>
        <translation>Veuillez choisir la date de sortie de votre produit !</translation>
    </message>
    <message>
        <source>%1: longer than the box&apos;s %2 characters.</source>
        <translation>%1 : plus long que les %2 caractères du champ.</translation>
    </message>
    <message>
        <source>The PAD file filled no box.</source>
        <translation>Le fichier PAD n&apos;a rempli aucun champ.</translation>
    </message>
    <message>
        <source>Filled from the PAD file: %1.
Nothing is stored until you press OK.</source>
        <translation>Rempli depuis le fichier PAD : %1.
Rien n&apos;est enregistré avant que vous appuyiez sur OK.</translation>
    </message>
    <message>
        <source>

The file is not well-formed; mended before reading:
</source>
        <translation>

Le fichier n&apos;est pas bien formé ; corrigé avant la lecture :
</translation>
    </message>
    <message>
        <source>

Not filled:
</source>
        <translation>

Non rempli :
</translation>
    </message>
    <message>
        <source> It holds none of the product&apos;s fields.</source>
        <translation> Il ne contient aucun des champs du produit.</translation>
    </message>
    <message>
        <source>Export PAD file</source>
        <translation>Exporter le fichier PAD</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>Fichiers PAD (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The PAD file was written to %1.</source>
        <translation>Le fichier PAD a été écrit dans %1.</translation>
    </message>
</context>
<context>
    <name>frmProductHistory</name>
    <message>
        <source>Product History Log</source>
        <translation>Historique du produit</translation>
    </message>
    <message>
        <source>Last status information </source>
        <translation>Dernières informations d&apos;état </translation>
    </message>
    <message>
        <source>Add history item</source>
        <translation>Ajouter une entrée d&apos;historique</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>There is no state set for site-product</source>
        <translation>Aucun statut n&apos;est défini pour ce site et ce produit</translation>
    </message>
    <message>
        <source>No status information available</source>
        <translation>Aucune information d&apos;état disponible</translation>
    </message>
    <message>
        <source> ver. </source>
        <translation> ver. </translation>
    </message>
    <message>
        <source> on site: </source>
        <translation> sur le site : </translation>
    </message>
    <message>
        <source>First status information inserted on: </source>
        <translation>Première information d&apos;état saisie le : </translation>
    </message>
    <message>
        <source>Last status update on: </source>
        <translation>Dernière mise à jour du statut le : </translation>
    </message>
    <message>
        <source>Actual status: </source>
        <translation>Statut actuel : </translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected items? </source>
        <translation>Voulez-vous vraiment supprimer les éléments sélectionnés ? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Suppression</translation>
    </message>
</context>
<context>
    <name>frmProductHistoryItem</name>
    <message>
        <source>Product History Item</source>
        <translation>Entrée de l&apos;historique du produit</translation>
    </message>
    <message>
        <source>Use this window to insert a short note about product - site operation</source>
        <translation>Utilisez cette fenêtre pour saisir une courte note sur l&apos;opération produit - site</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurer depuis une sauvegarde</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Créée</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Sites</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produits</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Other file...</source>
        <translation>Autre fichier...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Restore from file</source>
        <translation>Restaurer depuis un fichier</translation>
    </message>
    <message>
        <source>Archive (*.db);;All files (*)</source>
        <translation>Archive (*.db);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2.<byte value="xd"/>
<byte value="xd"/>
The archive was not changed.</source>
        <translation>Impossible de restaurer %1 : %2.<byte value="xd"/>
<byte value="xd"/>
L&apos;archive n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>Replace everything in the archive with the contents of %1 (%2 sites, %3 products)?<byte value="xd"/>
<byte value="xd"/>
The archive is backed up first.</source>
        <translation>Remplacer tout le contenu de l&apos;archive par celui de %1 (%2 sites, %3 produits) ?<byte value="xd"/>
<byte value="xd"/>
L&apos;archive est d&apos;abord sauvegardée.</translation>
    </message>
</context>
</TS>
