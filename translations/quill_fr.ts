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
    <name>BrowserQueries</name>
    <message>
        <source>&apos;%1&apos; is not a product field</source>
        <translation>&apos;%1&apos; n&apos;est pas un champ de produit</translation>
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
    <name>WholeFile</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
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
</TS>
