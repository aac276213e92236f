<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ArchiveBackup</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The archive %1 does not exist.</source>
        <translation>La base de datos %1 no existe.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The archive could not be backed up before this change: %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation>No se pudo hacer una copia de seguridad de la base de datos antes de este cambio: %1<byte value="xd"/>
<byte value="xd"/>
¿Continuar sin copia de seguridad?</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>%1 is the archive itself.</source>
        <translation>%1 es la propia base de datos.</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>no existe el archivo %1</translation>
    </message>
    <message>
        <source>it is the archive itself</source>
        <translation>es la propia base de datos</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>está dañado (%1)</translation>
    </message>
    <message>
        <source>it holds no table %1</source>
        <translation>no contiene la tabla %1</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>su tabla %1 no tiene la columna %2</translation>
    </message>
    <message>
        <source>it cannot be read as a database (%1)</source>
        <translation>no se puede leer como base de datos (%1)</translation>
    </message>
</context>
<context>
    <name>BrowserQueries</name>
    <message>
        <source>&apos;%1&apos; is not a product field</source>
        <translation>&apos;%1&apos; no es un campo de producto</translation>
    </message>
</context>
<context>
    <name>ColumnValues</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>it is not a text file: it holds control characters</source>
        <translation>no es un archivo de texto: contiene caracteres de control</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the value %2 does not fit the file&apos;s encoding</source>
        <translation>No se puede escribir %1: el valor %2 no cabe en la codificación del archivo</translation>
    </message>
</context>
<context>
    <name>PadDownload</name>
    <message>
        <source>The answer is larger than 5 MB, too large for a PAD file.</source>
        <translation>La respuesta supera los 5 MB, demasiado para un archivo PAD.</translation>
    </message>
    <message>
        <source>The address redirects more than 5 times.</source>
        <translation>La dirección redirige más de 5 veces.</translation>
    </message>
    <message>
        <source>The address redirects from https to plain http, which is not followed.</source>
        <translation>La dirección redirige de https a http sin cifrar, y eso no se sigue.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1.</source>
        <translation>El servidor respondió HTTP %1.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1 (%2).</source>
        <translation>El servidor respondió HTTP %1 (%2).</translation>
    </message>
    <message>
        <source>No answer from %1: %2.</source>
        <translation>Sin respuesta de %1: %2.</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Sin respuesta de %1 en %2 segundos.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be read.</source>
        <translation>Solo se pueden leer direcciones http y https.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>La descarga se canceló.</translation>
    </message>
</context>
<context>
    <name>PadFile</name>
    <message>
        <source>Release date: year &quot;%1&quot;, month &quot;%2&quot;, day &quot;%3&quot; is not a date.</source>
        <translation>Fecha de publicación: año «%1», mes «%2», día «%3» no es una fecha.</translation>
    </message>
    <message>
        <source>Size KB: %1 &quot;%2&quot; is not a number.</source>
        <translation>Tamaño KB: %1 «%2» no es un número.</translation>
    </message>
    <message>
        <source>The file is larger than 5 MB, too large for a PAD file.</source>
        <translation>El archivo supera los 5 MB, demasiado para un archivo PAD.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file declares entities in a document type (line %1, column %2); a PAD file has none, so it is not read.</source>
        <translation>El archivo declara entidades en un tipo de documento (línea %1, columna %2); un archivo PAD no tiene ninguna, así que no se lee.</translation>
    </message>
    <message>
        <source>The file is not a PAD file: its root element is &lt;%1&gt;, not &lt;%2&gt;.</source>
        <translation>El archivo no es un archivo PAD: su elemento raíz es &lt;%1&gt;, no &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file is not XML (line %1, column %2): %3.</source>
        <translation>El archivo no es XML (línea %1, columna %2): %3.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1, column %2): %3.</source>
        <translation>El archivo no es XML bien formado (línea %1, columna %2): %3.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>No existe el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>No se puede abrir el archivo: %1.</translation>
    </message>
</context>
<context>
    <name>PadRepair</name>
    <message>
        <source>line </source>
        <translation>la línea </translation>
    </message>
    <message>
        <source>lines </source>
        <translation>las líneas </translation>
    </message>
    <message>
        <source>A bare &amp; on %1 was read as the character &amp;.</source>
        <translation>Un &amp; suelto en %1 se leyó como el carácter &amp;.</translation>
    </message>
    <message>
        <source>An end tag in other letter case than its start tag on %1 was read as closing it.</source>
        <translation>Una etiqueta de cierre con mayúsculas distintas de su etiqueta de apertura en %1 se leyó como su cierre.</translation>
    </message>
</context>
<context>
    <name>ProductFields</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>PAD location</source>
        <translation>Ubicación del PAD</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Size KB</source>
        <translation>Tamaño KB</translation>
    </message>
    <message>
        <source>Program URL</source>
        <translation>URL del programa</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>Download 1</source>
        <translation>Descarga 1</translation>
    </message>
    <message>
        <source>Download 2</source>
        <translation>Descarga 2</translation>
    </message>
    <message>
        <source>Short description</source>
        <translation>Descripción corta</translation>
    </message>
    <message>
        <source>Long description</source>
        <translation>Descripción larga</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Icon file</source>
        <translation>Archivo de icono</translation>
    </message>
    <message>
        <source>Link back</source>
        <translation>Enlace de retorno</translation>
    </message>
    <message>
        <source>Buy URL</source>
        <translation>URL de compra</translation>
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
        <translation>Limitaciones</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Cambios recientes</translation>
    </message>
    <message>
        <source>Full changelog</source>
        <translation>Registro completo de cambios</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Fecha de publicación</translation>
    </message>
</context>
<context>
    <name>RecordGone</name>
    <message>
        <source>This product no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Este producto ya no existe en la base de datos: otra ventana u otro programa lo eliminó. No se guardó nada.</translation>
    </message>
    <message>
        <source>This site no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Este sitio ya no existe en la base de datos: otra ventana u otro programa lo eliminó. No se guardó nada.</translation>
    </message>
</context>
<context>
    <name>SiteImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>The line has no site name and submit address separated by &apos;%1&apos;.</source>
        <translation>La línea no tiene un nombre de sitio y una dirección de envío separados por &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
</context>
<context>
    <name>SiteList</name>
    <message>
        <source>Error SubmitUrl is null</source>
        <translation>Error: SubmitUrl está vacío</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Submit Url</source>
        <translation>URL de envío</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Old V.</source>
        <translation>V. ant.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>AU.</source>
        <translation>AA.</translation>
    </message>
    <message>
        <source>Loading... %1</source>
        <translation>Cargando... %1</translation>
    </message>
    <message>
        <source>Quillomar PAD Submitter - Elements: %1</source>
        <translation>Quillomar PAD Submitter - Elementos: %1</translation>
    </message>
</context>
<context>
    <name>SubmissionReport</name>
    <message>
        <source>Site</source>
        <translation>Sitio</translation>
    </message>
    <message>
        <source>Submit address</source>
        <translation>Dirección de envío</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Old version</source>
        <translation>Versión antigua</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>SubmitStatus</name>
    <message>
        <source>Not submitted</source>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>NotSubmitted</source>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publicado</translation>
    </message>
</context>
<context>
    <name>Trap</name>
    <message>
        <source>Error in: </source>
        <translation>Error en: </translation>
    </message>
    <message>
        <source>Error in %1: </source>
        <translation>Error en %1: </translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Desktop default</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(a partir del próximo inicio)</translation>
    </message>
</context>
<context>
    <name>frmProductHistory</name>
    <message>
        <source>Product History Log</source>
        <translation>Historial del producto</translation>
    </message>
    <message>
        <source>Last status information </source>
        <translation>Última información de estado </translation>
    </message>
    <message>
        <source>Add history item</source>
        <translation>Añadir entrada al historial</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>There is no state set for site-product</source>
        <translation>No hay ningún estado para este sitio y producto</translation>
    </message>
    <message>
        <source>No status information available</source>
        <translation>No hay información de estado</translation>
    </message>
    <message>
        <source> ver. </source>
        <translation> ver. </translation>
    </message>
    <message>
        <source> on site: </source>
        <translation> en el sitio: </translation>
    </message>
    <message>
        <source>First status information inserted on: </source>
        <translation>Primera información de estado registrada el: </translation>
    </message>
    <message>
        <source>Last status update on: </source>
        <translation>Última actualización del estado el: </translation>
    </message>
    <message>
        <source>Actual status: </source>
        <translation>Estado actual: </translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected items? </source>
        <translation>¿Seguro que desea eliminar los elementos seleccionados? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Eliminación</translation>
    </message>
</context>
<context>
    <name>frmProductHistoryItem</name>
    <message>
        <source>Product History Item</source>
        <translation>Entrada del historial del producto</translation>
    </message>
    <message>
        <source>Use this window to insert a short note about product - site operation</source>
        <translation>Use esta ventana para añadir una nota breve sobre la operación producto - sitio</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
