<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AddBrowser</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mi equipo</translation>
    </message>
</context>
<context>
    <name>AddListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>Tamaño total</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
</context>
<context>
    <name>AmxDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ArchiveFileCommands</name>
    <message>
        <source>the copy is incomplete</source>
        <translation>la copia está incompleta</translation>
    </message>
    <message>
        <source>New Archive</source>
        <translation>Nuevo archivador</translation>
    </message>
    <message>
        <source>ZIP files|*.zip</source>
        <translation>Archivos ZIP|*.zip</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;. File already exists. Open existing file?</source>
        <translation>No se puede crear «%1». El archivo ya existe. ¿Desea abrir el archivo existente?</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>No se puede crear «%1»: %2</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Move %1 &amp;to:</source>
        <translation>Mover %1 &amp;a:</translation>
    </message>
    <message>
        <source>Copy %1 &amp;to:</source>
        <translation>Copiar %1 &amp;a:</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: the folder is not a full path</source>
        <translation>No se puede copiar «%1» en «%2»: la carpeta no es una ruta completa</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in that folder.</source>
        <translation>«%1» ya está en esa carpeta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it with &quot;%2&quot;?</source>
        <translation>«%1» ya existe. ¿Desea reemplazarlo por «%2»?</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>No se puede copiar «%1» en «%2»: %3</translation>
    </message>
    <message>
        <source>The archive was copied to &quot;%1&quot;, but &quot;%2&quot; could not be deleted: %3</source>
        <translation>El archivador se copió en «%1», pero no se pudo eliminar «%2»: %3</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>No se puede cambiar el nombre de «%1» a «%2»: %3</translation>
    </message>
    <message>
        <source>invalid name</source>
        <translation>nombre no válido</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entire archive %1?</source>
        <translation>¿Está seguro de que desea eliminar todo el archivador %1?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved to the trash. Delete it for good?</source>
        <translation>«%1» no se puede mover a la papelera. ¿Desea eliminarlo definitivamente?</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;: %2</source>
        <translation>No se puede eliminar «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create a shortcut to &quot;%1&quot; on the desktop: %2</source>
        <translation>No se puede crear un acceso directo a «%1» en el escritorio: %2</translation>
    </message>
    <message>
        <source>no desktop folder is known</source>
        <translation>no se conoce ninguna carpeta de escritorio</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created</source>
        <translation>no se puede crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>Shortcut to %1</source>
        <translation>Acceso directo a %1</translation>
    </message>
    <message>
        <source>The shortcut to &quot;%1&quot; is on the desktop: &quot;%2&quot;.</source>
        <translation>El acceso directo a «%1» está en el escritorio: «%2».</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
</context>
<context>
    <name>ArchiveFileMenu</name>
    <message>
        <source>Ambermox (Beta test) - %1</source>
        <translation>Ambermox (versión beta) - %1</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>Add &quot;%1&quot; to favorite Zip Folders?</source>
        <translation>¿Desea añadir «%1» a las Carpetas Zip favoritas?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. It has been removed from the recent archives.</source>
        <translation>«%1» ya no existe. Se ha quitado de los archivadores recientes.</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>   &amp;Files   </source>
        <translation>   &amp;Archivo   </translation>
    </message>
    <message>
        <source> &amp;Edit  </source>
        <translation> &amp;Edición  </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New Archive </source>
        <translation>&amp;Nuevo archivador </translation>
    </message>
    <message>
        <source>&amp;Open Archive </source>
        <translation>&amp;Abrir archivador </translation>
    </message>
    <message>
        <source>&amp;Favorite Zip Folders...</source>
        <translation>Carpetas Zip &amp;favoritas...</translation>
    </message>
    <message>
        <source>&amp;Close Archive</source>
        <translation>&amp;Cerrar archivador</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propiedades...</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>Crear acceso &amp;directo</translation>
    </message>
    <message>
        <source>&amp;Move Archive</source>
        <translation>&amp;Mover archivador</translation>
    </message>
    <message>
        <source>Cop&amp;y Archive </source>
        <translation>C&amp;opiar archivador </translation>
    </message>
    <message>
        <source>&amp;Rename Archive</source>
        <translation>&amp;Renombrar archivador</translation>
    </message>
    <message>
        <source>&amp;Delete Archive...</source>
        <translation>&amp;Eliminar archivador...</translation>
    </message>
    <message>
        <source>E&amp;xit </source>
        <translation>&amp;Salir </translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>&amp;Invertir selección</translation>
    </message>
    <message>
        <source>&amp;Find File(s) </source>
        <translation>&amp;Buscar archivo(s) </translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Best Fit Column Widths</source>
        <translation>&amp;Ajustar ancho de columnas</translation>
    </message>
    <message>
        <source>Default &amp;Columns Widths</source>
        <translation>Ancho de &amp;columnas predeterminado</translation>
    </message>
    <message>
        <source>as &amp;Web Page</source>
        <translation>como página &amp;web</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>Iconos &amp;grandes</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>Iconos &amp;pequeños</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation>Organizar &amp;iconos</translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation>por &amp;nombre</translation>
    </message>
    <message>
        <source>by Pat&amp;h</source>
        <translation>por &amp;ruta</translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation>por &amp;tipo</translation>
    </message>
    <message>
        <source>by &amp;Size</source>
        <translation>por ta&amp;maño</translation>
    </message>
    <message>
        <source>by P&amp;acked Size</source>
        <translation>por tamaño compr&amp;imido</translation>
    </message>
    <message>
        <source>by &amp;Compression Ratio</source>
        <translation>por proporción de &amp;compresión</translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation>por &amp;fecha</translation>
    </message>
    <message>
        <source>by &amp;Original Order</source>
        <translation>por &amp;orden original</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Aña&amp;dir...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Eliminar...</translation>
    </message>
    <message>
        <source>&amp;Extract...</source>
        <translation>E&amp;xtraer...</translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation>&amp;Ver...</translation>
    </message>
    <message>
        <source>&amp;Test Archive</source>
        <translation>&amp;Comprobar archivador</translation>
    </message>
    <message>
        <source>&amp;CheckOut</source>
        <translation>C&amp;heckOut</translation>
    </message>
    <message>
        <source>Ma&amp;ke .EXE File</source>
        <translation>C&amp;rear archivo .EXE</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Vie&amp;w Last Output...</source>
        <translation>Ver última &amp;salida...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Brief Tutorial</source>
        <translation>&amp;Tutorial breve</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>C&amp;onsejo del día</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>&amp;Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Ambermox&apos;s &amp;Home Page</source>
        <translation>Página &amp;web de Ambermox</translation>
    </message>
    <message>
        <source>&amp;About Ambermox...</source>
        <translation>&amp;Acerca de Ambermox...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Invertir selección</translation>
    </message>
    <message>
        <source>File &amp;Properties</source>
        <translation>&amp;Propiedades del archivo</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Ordenar por &amp;nombre</translation>
    </message>
    <message>
        <source>Sort by Pat&amp;h</source>
        <translation>Ordenar por &amp;ruta</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>Ordenar por &amp;tipo</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>Ordenar por ta&amp;maño</translation>
    </message>
    <message>
        <source>Sort by P&amp;acked Size</source>
        <translation>Ordenar por tamaño compr&amp;imido</translation>
    </message>
    <message>
        <source>Sort by &amp;Compression Ratio</source>
        <translation>Ordenar por proporción de &amp;compresión</translation>
    </message>
    <message>
        <source>Sort by &amp;Date</source>
        <translation>Ordenar por &amp;fecha</translation>
    </message>
    <message>
        <source>Sort by &amp;Original Order</source>
        <translation>Ordenar por &amp;orden original</translation>
    </message>
    <message>
        <source>Flat Buttons</source>
        <translation>Botones planos</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Mostrar texto</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Mostrar sugerencias</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Create a new archive</source>
        <translation>Crear un archivador nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open an existing archive</source>
        <translation>Abrir un archivador existente</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>List archives in your Favorite Zip Folders</source>
        <translation>Mostrar los archivadores de sus Carpetas Zip favoritas</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add files to the archive</source>
        <translation>Añadir archivos al archivador</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>Extract files from the archive</source>
        <translation>Extraer archivos del archivador</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected file(s)</source>
        <translation>Eliminar los archivos seleccionados</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>View files inside the archive</source>
        <translation>Ver archivos del archivador</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>CheckOut</translation>
    </message>
    <message>
        <source>Create icons for files in the archive</source>
        <translation>Crear iconos para los archivos del archivador</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>Codificación de &amp;nombres</translation>
    </message>
    <message>
        <source>&amp;Rename Member...</source>
        <translation>&amp;Renombrar miembro...</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>Co&amp;mentario...</translation>
    </message>
    <message>
        <source>Adding works on ZIP archives only; this is a %1 archive</source>
        <translation>Añadir solo funciona con archivos ZIP; este es un archivo %1</translation>
    </message>
    <message>
        <source>Deleting works on ZIP archives only; this is a %1 archive</source>
        <translation>Eliminar solo funciona con archivos ZIP; este es un archivo %1</translation>
    </message>
    <message>
        <source>Renaming members works on ZIP archives only; this is a %1 archive</source>
        <translation>Renombrar miembros solo funciona con archivos ZIP; este es un archivo %1</translation>
    </message>
    <message>
        <source>Comments belong to ZIP archives only; this is a %1 archive</source>
        <translation>Solo los archivos ZIP tienen comentario; este es un archivo %1</translation>
    </message>
    <message>
        <source>Self-extractors are made of ZIP archives only; this is a %1 archive</source>
        <translation>Los autoextraíbles solo se crean a partir de archivos ZIP; este es un archivo %1</translation>
    </message>
</context>
<context>
    <name>CreateFolderForm</name>
    <message>
        <source>Create Folder</source>
        <translation>Crear carpeta</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Carpeta actual:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DialogCommands</name>
    <message>
        <source>No file selected for viewing.</source>
        <translation>No hay ningún archivo seleccionado para ver.</translation>
    </message>
</context>
<context>
    <name>EntryCopy</name>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>No se encuentra la carpeta «%1».</translation>
    </message>
    <message>
        <source>Could not extract &quot;%1&quot; for viewing.</source>
        <translation>No se pudo extraer «%1» para verlo.</translation>
    </message>
</context>
<context>
    <name>FavoriteModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>FileRowModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Packed</source>
        <translation>Comprimido</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>%1, encrypted</source>
        <translation>%1, cifrado</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mi equipo</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>MainDragDrop</name>
    <message>
        <source>Extracting</source>
        <translation>Extrayendo</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>No se encuentra la carpeta «%1».</translation>
    </message>
    <message>
        <source>Files can be added to ZIP archives only; %1 is a %2 archive. Nothing was added.</source>
        <translation>Solo se pueden añadir ficheros a archivos ZIP; %1 es un archivo %2. No se añadió nada.</translation>
    </message>
</context>
<context>
    <name>MemberEdits</name>
    <message>
        <source>The new name is empty.</source>
        <translation>El nuevo nombre está vacío.</translation>
    </message>
    <message>
        <source>The new name must not start at the root: %1</source>
        <translation>El nuevo nombre no debe empezar en la raíz: %1</translation>
    </message>
    <message>
        <source>The new name must not hold a line break.</source>
        <translation>El nuevo nombre no debe contener saltos de línea.</translation>
    </message>
    <message>
        <source>The new name must not hold &quot;..&quot;: %1</source>
        <translation>El nuevo nombre no debe contener &quot;..&quot;: %1</translation>
    </message>
    <message>
        <source>The archive could not be changed.</source>
        <translation>No se pudo modificar el archivo.</translation>
    </message>
    <message>
        <source>%1 has no comment.</source>
        <translation>%1 no tiene comentario.</translation>
    </message>
    <message>
        <source>Comment of %1:

%2</source>
        <translation>Comentario de %1:

%2</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Comment of %1:</source>
        <translation>Comentario de %1:</translation>
    </message>
    <message>
        <source>The comment has %1 bytes; an archive comment holds at most 65,535. The archive is unchanged.</source>
        <translation>El comentario tiene %1 bytes; un comentario de archivo admite como máximo 65.535. El archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>No file selected for renaming.</source>
        <translation>No hay ningún archivo seleccionado para renombrar.</translation>
    </message>
    <message>
        <source>Select one member, or members of one folder, to rename.</source>
        <translation>Seleccione un miembro, o miembros de una misma carpeta, para renombrar.</translation>
    </message>
    <message>
        <source>Rename Member</source>
        <translation>Renombrar miembro</translation>
    </message>
    <message>
        <source>New name of the folder %1 and everything in it:</source>
        <translation>Nuevo nombre de la carpeta %1 y de todo su contenido:</translation>
    </message>
    <message>
        <source>New name of %1:</source>
        <translation>Nuevo nombre de %1:</translation>
    </message>
    <message>
        <source>The archive is unchanged.</source>
        <translation>El archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>%1 exists in the archive already. The archive is unchanged.</source>
        <translation>%1 ya existe en el archivo. El archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>%1 has changed. Update the archive?</source>
        <translation>%1 ha cambiado. ¿Actualizar el archivo?</translation>
    </message>
    <message>
        <source>The archive is unchanged. The changed copy is kept in %1</source>
        <translation>El archivo no se ha modificado. La copia modificada se conserva en %1</translation>
    </message>
    <message>
        <source>Cannot prepare %1 for the archive. The changed copy is kept in %2</source>
        <translation>No se puede preparar %1 para el archivo. La copia modificada se conserva en %2</translation>
    </message>
    <message>
        <source>The changed copy is kept in %1</source>
        <translation>La copia modificada se conserva en %1</translation>
    </message>
    <message>
        <source>%1 has changed, but it is encrypted in the archive and is not put back without encryption. The changed copy is kept in %2</source>
        <translation>%1 ha cambiado, pero está cifrado en el archivo y no se vuelve a guardar sin cifrar. La copia modificada se conserva en %2</translation>
    </message>
</context>
<context>
    <name>NameEncodingMenu</name>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automática</translation>
    </message>
    <message>
        <source>&amp;Automatic (%1)</source>
        <translation>&amp;Automática (%1)</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>The operation reported a problem:
%1</source>
        <translation>La operación informó de un problema:
%1</translation>
    </message>
    <message>
        <source>The operation reported %1 problems. The first:
%2</source>
        <translation>La operación informó de %1 problemas. El primero:
%2</translation>
    </message>
    <message>
        <source>

Every message is in &quot;View Last Output...&quot; in the Options menu.</source>
        <translation>

Todos los mensajes están en «Ver última salida...» del menú Opciones.</translation>
    </message>
    <message>
        <source>Please wait until the running archive operation has finished.</source>
        <translation>Espere a que termine la operación en curso con el archivador.</translation>
    </message>
    <message>
        <source>Archive Operation Interrupted. Continue?</source>
        <translation>Operación con el archivador interrumpida. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Comprobando</translation>
    </message>
</context>
<context>
    <name>OutputLogView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Wrong password for %1</source>
        <translation>Contraseña incorrecta para %1</translation>
    </message>
    <message>
        <source>Password for %1</source>
        <translation>Contraseña de %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&amp;Show password</source>
        <translation>&amp;Mostrar contraseña</translation>
    </message>
    <message>
        <source>&amp;Use for all members</source>
        <translation>&amp;Usar para todos los elementos</translation>
    </message>
    <message>
        <source>Try this password on the next encrypted members too, before asking again</source>
        <translation>Probar también esta contraseña con los siguientes elementos cifrados antes de volver a preguntar</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>1 encrypted member was skipped without its password.</source>
        <translation>Se omitió 1 elemento cifrado por falta de contraseña.</translation>
    </message>
    <message>
        <source>%1 encrypted members were skipped without their password.</source>
        <translation>Se omitieron %1 elementos cifrados por falta de contraseña.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>1 file already in &quot;%1&quot; was kept as it was.</source>
        <translation>Se ha conservado sin cambios 1 archivo que ya estaba en «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n files already in &quot;%1&quot; were kept as they were.</source>
        <translation>
            <numerusform>Se ha conservado sin cambios %n archivo que ya estaba en «%1».</numerusform>
            <numerusform>Se han conservado sin cambios %n archivos que ya estaban en «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyForm</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>it holds no address</source>
        <translation>no contiene ninguna dirección</translation>
    </message>
    <message>
        <source>no program is set up to open files of the type &quot;%1&quot; (%2)</source>
        <translation>no hay ningún programa configurado para abrir archivos del tipo «%1» (%2)</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) could not be started</source>
        <translation>no se pudo iniciar el abridor del escritorio (xdg-open)</translation>
    </message>
    <message>
        <source>no program is set up to open &quot;%1&quot; addresses</source>
        <translation>no hay ningún programa configurado para abrir direcciones «%1»</translation>
    </message>
</context>
<context>
    <name>ShellVerbs</name>
    <message>
        <source>%1: not a ZIP archive</source>
        <translation>%1: no es un archivador ZIP</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>No valid zip entries found</source>
        <translation>No se encontraron elementos zip válidos</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>No file or folder was given.</source>
        <translation>No se indicó ningún archivo ni carpeta.</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>How far the running operation is</source>
        <translation>Avance de la operación en curso</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Green lamp, lit while no operation runs</source>
        <translation>Luz verde, encendida mientras no hay ninguna operación en curso</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Red lamp, lit while an operation runs</source>
        <translation>Luz roja, encendida mientras hay una operación en curso</translation>
    </message>
</context>
<context>
    <name>StatusProgress</name>
    <message>
        <source>Waiting for another program: &quot;%1&quot;</source>
        <translation>Esperando a otro programa: «%1»</translation>
    </message>
    <message>
        <source>Waiting for another program to finish writing &quot;%1&quot;</source>
        <translation>Esperando a que otro programa termine de escribir «%1»</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>not found</source>
        <translation>no encontrada</translation>
    </message>
    <message>
        <source>About Ambermox</source>
        <translation>Acerca de Ambermox</translation>
    </message>
    <message>
        <source>Ambermox %1</source>
        <translation>Ambermox %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>Compilado el %1</translation>
    </message>
    <message>
        <source>Add library %1, extract library %2</source>
        <translation>Biblioteca para añadir %1, biblioteca para extraer %2</translation>
    </message>
    <message>
        <source>Contact points are</source>
        <translation>Puntos de contacto</translation>
    </message>
    <message>
        <source>E-mail: authors@ambermox.example.org</source>
        <translation>Correo electrónico: authors@ambermox.example.org</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Program by the Ambermox developers</source>
        <translation>Programa de los desarrolladores de Ambermox</translation>
    </message>
    <message>
        <source>amxzip and amxunz compression libraries by the Ambermox developers</source>
        <translation>Bibliotecas de compresión amxzip y amxunz de los desarrolladores de Ambermox</translation>
    </message>
    <message>
        <source>See help for details...</source>
        <translation>Consulte la ayuda para más detalles...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;FAQs</source>
        <translation>&amp;Preguntas frecuentes</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Sitio &amp;web</translation>
    </message>
</context>
<context>
    <name>TAddForm</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2.</source>
        <translation>No se puede abrir el archivo «%1». %2.</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>No se puede eliminar el archivo «%1». %2.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added, the archive is as it was before.</source>
        <translation>Cancelado: no se añadió nada; el archivador está como antes.</translation>
    </message>
    <message>
        <source>Cancelled: the files of the last step were not added; the steps before it were.</source>
        <translation>Cancelado: los archivos del último paso no se añadieron; los de los pasos anteriores, sí.</translation>
    </message>
    <message>
        <source>Cannot change to folder &quot;%1&quot;. %2.</source>
        <translation>No se puede cambiar a la carpeta «%1». %2.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Go up one folder</source>
        <translation>Subir una carpeta</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Show the files as a list</source>
        <translation>Mostrar los archivos como lista</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Show the files with their size, type and date</source>
        <translation>Mostrar los archivos con su tamaño, tipo y fecha</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>The files and folders of the folder shown above</source>
        <translation>Los archivos y carpetas de la carpeta mostrada arriba</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>Añadir (y reemplazar) archivos</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>Renovar archivos existentes</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Mover archivos</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>Actualizar (y añadir) archivos</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>Máxima (la más lenta)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>Superrápida</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>Acc&amp;ión:</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>Co&amp;mpresión:</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>Guardar nombres de archivo en formato &amp;8.3</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>Dar al Zip la fecha del archivo más reciente</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>Incluir archivos ocultos y de sistema</translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>&amp;Guardar información adicional de carpetas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>Añadiendo</translation>
    </message>
    <message>
        <source>&amp;Encrypt with password</source>
        <translation>C&amp;ifrar con contraseña</translation>
    </message>
    <message>
        <source>AES-256</source>
        <translation>AES-256</translation>
    </message>
    <message>
        <source>ZipCrypto (compatible with old tools, weak)</source>
        <translation>ZipCrypto (compatible con herramientas antiguas, débil)</translation>
    </message>
    <message>
        <source>Encryption method</source>
        <translation>Método de cifrado</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Con&amp;traseña:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Repetir:</translation>
    </message>
    <message>
        <source>Please type the password to encrypt with: an empty one protects nothing.</source>
        <translation>Escriba la contraseña para cifrar: una contraseña vacía no protege nada.</translation>
    </message>
    <message>
        <source>The two passwords differ. Please type the same password twice.</source>
        <translation>Las dos contraseñas no coinciden. Escriba la misma contraseña dos veces.</translation>
    </message>
</context>
<context>
    <name>TAsciview</name>
    <message>
        <source>View: </source>
        <translation>Ver: </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Clipboard Copy</source>
        <translation>&amp;Copiar al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Ver: %1</translation>
    </message>
</context>
<context>
    <name>TCheckOut</name>
    <message>
        <source>the folder is not a full path</source>
        <translation>la carpeta no es una ruta completa</translation>
    </message>
    <message>
        <source>a group needs a name</source>
        <translation>un grupo necesita un nombre</translation>
    </message>
    <message>
        <source>a group name cannot lead out of the applications folder</source>
        <translation>el nombre de un grupo no puede salir de la carpeta de aplicaciones</translation>
    </message>
    <message>
        <source>Unable to create the program group %1: %2</source>
        <translation>No se puede crear el grupo de programas %1: %2</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: its name is too long for a file name.</source>
        <translation>No se creó ningún lanzador para «%1»: su nombre es demasiado largo para un nombre de archivo.</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: %2</source>
        <translation>No se creó ningún lanzador para «%1»: %2</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>CheckOut</translation>
    </message>
    <message>
        <source>All files will be extracted to the specified folder, and a program group will be build.</source>
        <translation>Todos los archivos se extraerán en la carpeta indicada y se creará un grupo de programas.</translation>
    </message>
    <message>
        <source>&amp;Create icons for programs and documents only</source>
        <translation>&amp;Crear iconos solo para programas y documentos</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>C&amp;arpeta:</translation>
    </message>
    <message>
        <source>&amp;Group name:</source>
        <translation>Nombre del &amp;grupo:</translation>
    </message>
    <message>
        <source>&amp;Maximum icons:</source>
        <translation>&amp;Máximo de iconos:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extrayendo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>Cannot check out into &quot;%1&quot;: %2.</source>
        <translation>No se puede hacer CheckOut en «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the group name: %2.</source>
        <translation>«%1» no puede ser el nombre del grupo: %2.</translation>
    </message>
</context>
<context>
    <name>TConfigurationForm</name>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>View &amp;Toolbar</source>
        <translation>Ver barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>View &amp;StatusBar</source>
        <translation>Ver barra de &amp;estado</translation>
    </message>
    <message>
        <source> General </source>
        <translation> General </translation>
    </message>
    <message>
        <source>&amp;Full row select</source>
        <translation>Seleccionar &amp;fila completa</translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation>Líneas de &amp;cuadrícula</translation>
    </message>
    <message>
        <source>As &amp;Web page</source>
        <translation>Como página &amp;web</translation>
    </message>
    <message>
        <source> Filelist view style </source>
        <translation> Estilo de la lista de archivos </translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Iconos grandes</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Iconos pequeños</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source> Toolbar Configuration </source>
        <translation> Configuración de la barra de herramientas </translation>
    </message>
    <message>
        <source>Show button &amp;text</source>
        <translation>Mostrar &amp;texto en los botones</translation>
    </message>
    <message>
        <source>Show tool &amp;tips</source>
        <translation>Mostrar &amp;sugerencias</translation>
    </message>
    <message>
        <source>&amp;Flat toolbar buttons</source>
        <translation>Botones &amp;planos en la barra de herramientas</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source> &amp;Temp folder </source>
        <translation> Carpeta &amp;temporal </translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>Carpeta temporal</translation>
    </message>
    <message>
        <source>Choose the temp folder</source>
        <translation>Elegir la carpeta temporal</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>&amp;Viewer:</source>
        <translation>&amp;Visor:</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <translation>Elegir el programa visor</translation>
    </message>
    <message>
        <source>Program Locations</source>
        <translation>Ubicación de programas</translation>
    </message>
    <message>
        <source>Temporary folder</source>
        <translation>Carpeta temporal</translation>
    </message>
    <message>
        <source>Select &amp;temporary folder:</source>
        <translation>Seleccionar carpeta &amp;temporal:</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Programas|*</translation>
    </message>
    <message>
        <source>The temporary folder cannot be empty; it stays %1.</source>
        <translation>La carpeta temporal no puede quedar vacía; se mantiene %1.</translation>
    </message>
</context>
<context>
    <name>TDeleteForm</name>
    <message>
        <source>Delete the only member of %1?</source>
        <translation>¿Eliminar el único elemento de %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>&amp;Entire archive</source>
        <translation>&amp;Todo el archivador</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>Archivos &amp;seleccionados</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Archivos:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Names of the files to delete; * and ? match any</source>
        <translation>Nombres de los archivos que se eliminarán; * y ? sustituyen a cualquier carácter</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n members of %1?</source>
        <translation>
            <numerusform>¿Eliminar el %n elemento de %1?</numerusform>
            <numerusform>¿Eliminar los %n elementos de %1?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDragForm</name>
    <message>
        <source>Drag and Drop</source>
        <translation>Arrastrar y soltar</translation>
    </message>
    <message>
        <source>A&amp;dd to archive:</source>
        <translation>Añadir al &amp;archivador:</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>Añadir (y reemplazar) archivos</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>Renovar archivos existentes</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Mover archivos</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>Actualizar (y añadir) archivos</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>Máxima (la más lenta)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>Superrápida</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>Acc&amp;ión:</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>Co&amp;mpresión:</translation>
    </message>
    <message>
        <source> Folders </source>
        <translation> Carpetas </translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>&amp;Guardar información adicional de carpetas</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>Incluir archivos ocultos y de sistema</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>Dar al Zip la fecha del archivo más reciente</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>Guardar nombres de archivo en formato &amp;8.3</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>Añadiendo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.exe;*.zip</source>
        <translation>Archivos Zip|*.zip|Archivadores y archivos .exe|*.exe;*.zip</translation>
    </message>
    <message>
        <source>File dragged: %1</source>
        <translation>Archivo arrastrado: %1</translation>
    </message>
    <message>
        <source>Files dragged: %1</source>
        <translation>Archivos arrastrados: %1</translation>
    </message>
</context>
<context>
    <name>TEXEForm</name>
    <message>
        <source>Ambermox Self-Extractor</source>
        <translation>Programa autoextraíble de Ambermox</translation>
    </message>
    <message>
        <source>Default &quot;UnZip &amp;To&quot; Folder:</source>
        <translation>Carpeta predeterminada de «&amp;Extraer en»:</translation>
    </message>
    <message>
        <source>%temp% means users&apos;s TEMP= Folder</source>
        <translation>%temp% es la carpeta TEMP= del usuario</translation>
    </message>
    <message>
        <source>&amp;Caption:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Co&amp;mmand line after extracting:</source>
        <translation>Co&amp;mando tras la extracción:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&quot;$0&quot;; printf &apos;\nPress Enter to close. &apos;; read x</source>
        <translation>&quot;$0&quot;; printf &apos;\nPulse Intro para cerrar. &apos;; read x</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been created from 
&apos;%2&apos;.
Before distributing the EXE file, please be sure to test it in all target enviroments.

Do you want to test it now?</source>
        <translation>Se ha creado «%1» a partir de 
«%2».
Antes de distribuir el archivo EXE, pruébelo en todos los entornos de destino.

¿Desea probarlo ahora?</translation>
    </message>
</context>
<context>
    <name>TExtractForm</name>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>E&amp;xtract to:</source>
        <translation>E&amp;xtraer en:</translation>
    </message>
    <message>
        <source>Show the folder in the tree</source>
        <translation>Mostrar la carpeta en el árbol</translation>
    </message>
    <message>
        <source>&amp;Folders/drives:</source>
        <translation>Carpetas/&amp;unidades:</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Extraer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;New Folder...</source>
        <translation>&amp;Nueva carpeta...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>Archivos &amp;seleccionados</translation>
    </message>
    <message>
        <source>&amp;All files</source>
        <translation>&amp;Todos los archivos</translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation>Arch&amp;ivos:</translation>
    </message>
    <message>
        <source>&amp;Overwrite Existing Files</source>
        <translation>S&amp;obrescribir archivos existentes</translation>
    </message>
    <message>
        <source>S&amp;kip Older Files</source>
        <translation>Omitir archivos más &amp;antiguos</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extrayendo</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>No se encuentra la carpeta «%1».</translation>
    </message>
    <message>
        <source>Error - no files selected for extraction</source>
        <translation>Error: no hay archivos seleccionados para extraer</translation>
    </message>
</context>
<context>
    <name>TFavorOptForm</name>
    <message>
        <source>Ambermox Options</source>
        <translation>Opciones de Ambermox</translation>
    </message>
    <message>
        <source>&amp;Add a folder to list</source>
        <translation>&amp;Añadir una carpeta a la lista</translation>
    </message>
    <message>
        <source>&amp;Remove folder</source>
        <translation>&amp;Quitar carpeta</translation>
    </message>
    <message>
        <source>&amp;Ambermox will automatically list Zip files located in the following folders. Click the button below to add or remove from your Favorite Zip Folders.</source>
        <translation>Ambermox &amp;mostrará automáticamente los archivos Zip ubicados en las siguientes carpetas. Pulse el botón de abajo para añadir o quitar carpetas de sus Carpetas Zip favoritas.</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>Carpetas Zip favoritas</translation>
    </message>
    <message>
        <source>&amp;Add the folder to the Favorite Zip Folders automatically</source>
        <translation>&amp;Añadir automáticamente la carpeta a las Carpetas Zip favoritas</translation>
    </message>
    <message>
        <source>A&amp;sk before adding the folder to the Favorite Zip Folders</source>
        <translation>&amp;Preguntar antes de añadir la carpeta a las Carpetas Zip favoritas</translation>
    </message>
    <message>
        <source>&amp;Do not add the folder to the Favorite Zip Folders</source>
        <translation>&amp;No añadir la carpeta a las Carpetas Zip favoritas</translation>
    </message>
    <message>
        <source>If you open a Zip file that is not in one of your Favorite Zip Folders, Ambermox can add the folder to your Favorite Zip Folders.</source>
        <translation>Si abre un archivo Zip que no está en ninguna de sus Carpetas Zip favoritas, Ambermox puede añadir su carpeta a las Carpetas Zip favoritas.</translation>
    </message>
    <message>
        <source>Other Zip Folders</source>
        <translation>Otras carpetas Zip</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>&amp;Seleccionar carpeta</translation>
    </message>
</context>
<context>
    <name>TFavoriteForm</name>
    <message>
        <source>Files in Favorite Zip Folders sorted by name:</source>
        <translation>Archivos de las Carpetas Zip favoritas ordenados por nombre:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by date:</source>
        <translation>Archivos de las Carpetas Zip favoritas ordenados por fecha:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by folder:</source>
        <translation>Archivos de las Carpetas Zip favoritas ordenados por carpeta:</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>Carpetas Zip favoritas</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders:</source>
        <translation>Archivos de las Carpetas Zip favoritas:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders</source>
        <translation>Archivos de las Carpetas Zip favoritas</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>No hay ningún archivo seleccionado.</translation>
    </message>
    <message>
        <source>Zip files</source>
        <translation>Archivos Zip</translation>
    </message>
    <message>
        <source>Files of &amp;type:</source>
        <translation>Archivos de &amp;tipo:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;pciones...</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>Nombre de archivo: %1</translation>
    </message>
</context>
<context>
    <name>TFilePropForm</name>
    <message>
        <source>File Properties</source>
        <translation>Propiedades del archivo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Packed size:</source>
        <translation>Tamaño comprimido:</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Proporción:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Archivo %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>TFindForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«%1» no es una fecha y hora válidas</translation>
    </message>
    <message>
        <source>Find file(s)</source>
        <translation>Buscar archivo(s)</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>&amp;Tipo de archivo:</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Ámbito</translation>
    </message>
    <message>
        <source>&amp;All Dates</source>
        <translation>Todas las &amp;fechas</translation>
    </message>
    <message>
        <source>&amp;Find Files created or modified </source>
        <translation>&amp;Buscar archivos creados o modificados </translation>
    </message>
    <message>
        <source>Between</source>
        <translation>Entre</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Día:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mes:</translation>
    </message>
    <message>
        <source>Y&amp;ear:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>Da&amp;y:</source>
        <translation>D&amp;ía:</translation>
    </message>
    <message>
        <source>M&amp;onth:</source>
        <translation>M&amp;es:</translation>
    </message>
    <message>
        <source>Yea&amp;r:</source>
        <translation>Añ&amp;o:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;All sizes</source>
        <translation>Todos &amp;los tamaños</translation>
    </message>
    <message>
        <source>&amp;Find  file size in the range</source>
        <translation>Buscar archivos con tamaño en el &amp;intervalo</translation>
    </message>
    <message>
        <source>Below (&lt;=)</source>
        <translation>Menor o igual (&lt;=)</translation>
    </message>
    <message>
        <source>Above (&gt;=)</source>
        <translation>Mayor o igual (&gt;=)</translation>
    </message>
    <message>
        <source>Exact (=)</source>
        <translation>Exacto (=)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>Ace&amp;ptar</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
</context>
<context>
    <name>TLnEForm</name>
    <message>
        <source>Ambermox - Adding</source>
        <translation>Ambermox - Añadiendo</translation>
    </message>
    <message>
        <source>How much of the folder is added</source>
        <translation>Cuánto de la carpeta se ha añadido</translation>
    </message>
    <message>
        <source>Ambermox - Extracting</source>
        <translation>Ambermox - Extrayendo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>How much of the archive is extracted</source>
        <translation>Cuánto del archivador se ha extraído</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.zip;*.exe</source>
        <translation>Archivos Zip|*.zip|Archivadores y archivos .exe|*.zip;*.exe</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; to create or &quot;Open&quot; to open an archive.</source>
        <translation>Elija «Nuevo» para crear un archivador o «Abrir» para abrir uno.</translation>
    </message>
    <message>
        <source>No file(s) selected.</source>
        <translation>No hay ningún archivo seleccionado.</translation>
    </message>
    <message>
        <source>Archive contents</source>
        <translation>Contenido del archivador</translation>
    </message>
    <message>
        <source>The files in the open archive</source>
        <translation>Los archivos del archivador abierto</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Ambermox</source>
        <translation>Ambermox</translation>
    </message>
    <message>
        <source>The program&apos;s turning picture</source>
        <translation>La imagen giratoria del programa</translation>
    </message>
    <message>
        <source>Ambermox - %1</source>
        <translation>Ambermox - %1</translation>
    </message>
    <message>
        <source>Ambermox </source>
        <translation>Ambermox </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Reading directory...</source>
        <translation>Leyendo el directorio...</translation>
    </message>
    <message>
        <source>Sorting files...</source>
        <translation>Ordenando archivos...</translation>
    </message>
    <message>
        <source>Loading file list...</source>
        <translation>Cargando la lista de archivos...</translation>
    </message>
    <message>
        <source>Total 1 file, %1 kB [%2 kB]</source>
        <translation>Total: 1 archivo, %1 kB [%2 kB]</translation>
    </message>
    <message numerus="yes">
        <source>Total %1 files, %2 kB [%3 kB]</source>
        <translation>
            <numerusform>Total: %1 archivo, %2 kB [%3 kB]</numerusform>
            <numerusform>Total: %1 archivos, %2 kB [%3 kB]</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected 1 file, %1 kB</source>
        <translation>Seleccionado: 1 archivo, %1 kB</translation>
    </message>
    <message numerus="yes">
        <source>Selected %1 files, %2 kB</source>
        <translation>
            <numerusform>Seleccionado: %1 archivo, %2 kB</numerusform>
            <numerusform>Seleccionados: %1 archivos, %2 kB</numerusform>
        </translation>
    </message>
    <message>
        <source>[Comment]</source>
        <translation>[Comentario]</translation>
    </message>
</context>
<context>
    <name>TMsgForm</name>
    <message>
        <source>View Last Output</source>
        <translation>Ver última salida</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TRenameForm</name>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;A:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TSearchForm</name>
    <message>
        <source>Ambermox Search</source>
        <translation>Búsqueda de Ambermox</translation>
    </message>
    <message>
        <source>Ambermox can automatically search for Zip files,  or, if  you want  to  search  for  a file yourselft, click &quot;Let me find it&quot;.</source>
        <translation>Ambermox puede buscar automáticamente archivos Zip o, si prefiere buscar un archivo usted mismo, pulse «Lo buscaré yo».</translation>
    </message>
    <message>
        <source>&amp;Search hard disk(s) on this PC</source>
        <translation>&amp;Buscar en los discos de este equipo</translation>
    </message>
    <message>
        <source>Search &amp;disk:</source>
        <translation>Buscar en el &amp;disco:</translation>
    </message>
    <message>
        <source>&amp;Let me find it (not automatic)</source>
        <translation>&amp;Lo buscaré yo (no automático)</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>Moves while the search runs</source>
        <translation>Se mueve mientras dura la búsqueda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Ambermox Wizard - Select Zip File</source>
        <translation>Asistente de Ambermox - Seleccionar archivo Zip</translation>
    </message>
    <message>
        <source>Zip files|*.zip</source>
        <translation>Archivos Zip|*.zip</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <translation>Buscando en %1</translation>
    </message>
    <message numerus="yes">
        <source>Searched %1, %n file(s) found...</source>
        <translation>
            <numerusform>Carpetas examinadas: %1; %n archivo encontrado...</numerusform>
            <numerusform>Carpetas examinadas: %1; %n archivos encontrados...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSelDirForm</name>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>&amp;Folders and disk drives:</source>
        <translation>&amp;Carpetas y unidades de disco:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nueva...</translation>
    </message>
</context>
<context>
    <name>TTipForm</name>
    <message>
        <source>Ambermox Tip of the Day</source>
        <translation>Consejo del día de Ambermox</translation>
    </message>
    <message>
        <source>Did you know..</source>
        <translation>¿Sabía que...?</translation>
    </message>
    <message>
        <source>Always show tips at startup</source>
        <translation>Mostrar siempre consejos al iniciar</translation>
    </message>
    <message>
        <source>Show tip at startup if not opening Zip file</source>
        <translation>Mostrar consejos al iniciar si no se abre un archivo Zip</translation>
    </message>
    <message>
        <source>Never show tips at startup</source>
        <translation>No mostrar nunca consejos al iniciar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Siguiente consejo</translation>
    </message>
</context>
<context>
    <name>TViewForm</name>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source> Using </source>
        <translation> Usando </translation>
    </message>
    <message>
        <source>&amp;Associated program</source>
        <translation>Programa &amp;asociado</translation>
    </message>
    <message>
        <source>&amp;Internal ASCII text viewer</source>
        <translation>Visor de texto ASCII &amp;interno</translation>
    </message>
    <message>
        <source>&amp;Viewer: </source>
        <translation>&amp;Visor: </translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Browse for the viewer program</source>
        <translation>Buscar el programa visor</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Programas|*</translation>
    </message>
    <message>
        <source>Cannot find the viewer program &quot;%1&quot;.</source>
        <translation>No se encuentra el programa visor «%1».</translation>
    </message>
</context>
<context>
    <name>TZipPropForm</name>
    <message>
        <source>Zip Properties</source>
        <translation>Propiedades del archivo Zip</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Compression:</source>
        <translation>Compresión:</translation>
    </message>
    <message>
        <source>Date/time:</source>
        <translation>Fecha y hora:</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>Co&amp;mentario...</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>The Tip of the Day dialog box is normally displayed when you start Ambermox but are not automatically opening a Zip file. You can change this option so tips are never displayed, or always displayed when Ambermox is started.</source>
        <translation>El cuadro de diálogo Consejo del día aparece normalmente al iniciar Ambermox cuando no se abre automáticamente un archivo Zip. Puede cambiar esta opción para que los consejos no se muestren nunca o se muestren siempre al iniciar Ambermox.</translation>
    </message>
    <message>
        <source>If you turn the Tip of the Day off and later want to restore it, select Tip of the Day from the Ambermox Help pull-down menu, then select from the combo box at the bottom of the dialog box.</source>
        <translation>Si desactiva el Consejo del día y más adelante quiere recuperarlo, elija Consejo del día en el menú Ayuda de Ambermox y luego elija una opción en la lista desplegable de la parte inferior del cuadro de diálogo.</translation>
    </message>
    <message>
        <source>Ambermox&apos;s toolbar buttons look much better if your display is in high-color mode. </source>
        <translation>Los botones de la barra de herramientas de Ambermox se ven mucho mejor si la pantalla está en modo de color de alta densidad. </translation>
    </message>
    <message>
        <source>For a Brief Tutorial on Ambermox, select Brief Tutorial from the Ambermox Help pull-down menu.</source>
        <translation>Para ver un tutorial breve sobre Ambermox, elija Tutorial breve en el menú Ayuda de Ambermox.</translation>
    </message>
    <message>
        <source>For answers to Frequently Asked Questions (FAQs), select Frequently Asked Questions from the Ambermox Help pull-down menu.</source>
        <translation>Para obtener respuestas a las preguntas frecuentes, elija Preguntas frecuentes en el menú Ayuda de Ambermox.</translation>
    </message>
    <message>
        <source>To display details about the open Zip file (for example, the date the Zip file was last modified or the name of the folder containing the Zip file), click on the Ambermox status line or select Properties from the Ambermox File menu.</source>
        <translation>Para ver detalles del archivo Zip abierto (por ejemplo, la fecha de su última modificación o el nombre de la carpeta que lo contiene), haga clic en la línea de estado de Ambermox o elija Propiedades en el menú Archivo de Ambermox.</translation>
    </message>
    <message>
        <source>You can interrupt an archive operation by clicking anywhere in the Ambermox window. This will activate the &quot;Operation Interrupted&quot; dialog box.</source>
        <translation>Puede interrumpir una operación con el archivador haciendo clic en cualquier parte de la ventana de Ambermox. Así se abre el cuadro de diálogo «Operación interrumpida».</translation>
    </message>
    <message>
        <source>You can quickly extract files from a Zip file by dragging the files from Ambermox to any folder or Explorer window (or even to the desktop).</source>
        <translation>Puede extraer rápidamente archivos de un archivo Zip arrastrándolos desde Ambermox a cualquier carpeta o ventana del gestor de archivos (o incluso al escritorio).</translation>
    </message>
    <message>
        <source>You can quickly add files to a Zip file by dragging the files from any folder or Explorer window to Ambermox.</source>
        <translation>Puede añadir rápidamente archivos a un archivo Zip arrastrándolos desde cualquier carpeta o ventana del gestor de archivos a Ambermox.</translation>
    </message>
    <message>
        <source>If you can&apos;t remember where you put your Zip files, you can use the Favorite Zip Folders feature to find them. Select Favorite Zip Folders from the Ambermox File menu.</source>
        <translation>Si no recuerda dónde guardó sus archivos Zip, puede usar la función Carpetas Zip favoritas para encontrarlos. Elija Carpetas Zip favoritas en el menú Archivo de Ambermox.</translation>
    </message>
    <message>
        <source>You can easily view files in a Zip file by dragging them to an application or a shortcut to an application.</source>
        <translation>Puede ver fácilmente los archivos de un archivo Zip arrastrándolos a una aplicación o a un acceso directo a una aplicación.</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>No se puede leer el archivo «%1». %2</translation>
    </message>
    <message>
        <source>View: %1 (not a text file: only the first %2 of %3 shown)</source>
        <translation>Ver: %1 (no es un archivo de texto: solo se muestran los primeros %2 de %3)</translation>
    </message>
    <message>
        <source>View: %1 (only the first %2 of %3 shown)</source>
        <translation>Ver: %1 (solo se muestran los primeros %2 de %3)</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Ver: %1</translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Root</source>
        <translation>Raíz</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
</context>
</TS>
