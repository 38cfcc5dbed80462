<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AddBrowser</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1&#xa0;octets</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
</context>
<context>
    <name>AddListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>Taille totale</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
</context>
<context>
    <name>AmxDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ArchiveFileCommands</name>
    <message>
        <source>the copy is incomplete</source>
        <translation>la copie est incomplète</translation>
    </message>
    <message>
        <source>New Archive</source>
        <translation>Nouvelle archive</translation>
    </message>
    <message>
        <source>ZIP files|*.zip</source>
        <translation>Fichiers ZIP|*.zip</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;. File already exists. Open existing file?</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: le fichier existe déjà. Ouvrir le fichier existant&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Move %1 &amp;to:</source>
        <translation>Déplacer %1 &amp;vers&#xa0;:</translation>
    </message>
    <message>
        <source>Copy %1 &amp;to:</source>
        <translation>Copier %1 &amp;vers&#xa0;:</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: the folder is not a full path</source>
        <translation>Impossible de copier «&#xa0;%1&#xa0;» vers «&#xa0;%2&#xa0;»&#xa0;: le dossier n&apos;est pas un chemin complet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in that folder.</source>
        <translation>«&#xa0;%1&#xa0;» se trouve déjà dans ce dossier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it with &quot;%2&quot;?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Voulez-vous le remplacer par «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Impossible de copier «&#xa0;%1&#xa0;» vers «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>The archive was copied to &quot;%1&quot;, but &quot;%2&quot; could not be deleted: %3</source>
        <translation>L&apos;archive a été copiée vers «&#xa0;%1&#xa0;», mais «&#xa0;%2&#xa0;» n&apos;a pas pu être supprimé&#xa0;: %3</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>invalid name</source>
        <translation>nom non valide</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entire archive %1?</source>
        <translation>Voulez-vous vraiment supprimer toute l&apos;archive %1&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved to the trash. Delete it for good?</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être placé dans la corbeille. Le supprimer définitivement&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;: %2</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create a shortcut to &quot;%1&quot; on the desktop: %2</source>
        <translation>Impossible de créer un raccourci vers «&#xa0;%1&#xa0;» sur le bureau&#xa0;: %2</translation>
    </message>
    <message>
        <source>no desktop folder is known</source>
        <translation>aucun dossier de bureau n&apos;est connu</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created</source>
        <translation>le dossier «&#xa0;%1&#xa0;» ne peut pas être créé</translation>
    </message>
    <message>
        <source>Shortcut to %1</source>
        <translation>Raccourci vers %1</translation>
    </message>
    <message>
        <source>The shortcut to &quot;%1&quot; is on the desktop: &quot;%2&quot;.</source>
        <translation>Le raccourci vers «&#xa0;%1&#xa0;» est sur le bureau&#xa0;: «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1&#xa0;octets</translation>
    </message>
</context>
<context>
    <name>ArchiveFileMenu</name>
    <message>
        <source>Ambermox (Beta test) - %1</source>
        <translation>Ambermox (version bêta) - %1</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>Add &quot;%1&quot; to favorite Zip Folders?</source>
        <translation>Ajouter «&#xa0;%1&#xa0;» aux dossiers ZIP favoris&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. It has been removed from the recent archives.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;existe plus. Il a été retiré des archives récentes.</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>   &amp;Files   </source>
        <translation>   &amp;Fichier   </translation>
    </message>
    <message>
        <source> &amp;Edit  </source>
        <translation> É&amp;dition  </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;ctions</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;New Archive </source>
        <translation>&amp;Nouvelle archive </translation>
    </message>
    <message>
        <source>&amp;Open Archive </source>
        <translation>&amp;Ouvrir une archive </translation>
    </message>
    <message>
        <source>&amp;Favorite Zip Folders...</source>
        <translation>Dossiers &amp;ZIP favoris...</translation>
    </message>
    <message>
        <source>&amp;Close Archive</source>
        <translation>&amp;Fermer l&apos;archive</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>Créer un &amp;raccourci</translation>
    </message>
    <message>
        <source>&amp;Move Archive</source>
        <translation>&amp;Déplacer l&apos;archive</translation>
    </message>
    <message>
        <source>Cop&amp;y Archive </source>
        <translation>&amp;Copier l&apos;archive </translation>
    </message>
    <message>
        <source>&amp;Rename Archive</source>
        <translation>Reno&amp;mmer l&apos;archive</translation>
    </message>
    <message>
        <source>&amp;Delete Archive...</source>
        <translation>&amp;Supprimer l&apos;archive...</translation>
    </message>
    <message>
        <source>E&amp;xit </source>
        <translation>&amp;Quitter </translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>&amp;Inverser la sélection</translation>
    </message>
    <message>
        <source>&amp;Find File(s) </source>
        <translation>&amp;Rechercher des fichiers </translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Best Fit Column Widths</source>
        <translation>&amp;Ajuster la largeur des colonnes</translation>
    </message>
    <message>
        <source>Default &amp;Columns Widths</source>
        <translation>Largeur des colonnes par dé&amp;faut</translation>
    </message>
    <message>
        <source>as &amp;Web Page</source>
        <translation>comme page &amp;Web</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Grandes icônes</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Petites icônes</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation>&amp;Organiser les icônes</translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation>par &amp;nom</translation>
    </message>
    <message>
        <source>by Pat&amp;h</source>
        <translation>par c&amp;hemin</translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation>par &amp;type</translation>
    </message>
    <message>
        <source>by &amp;Size</source>
        <translation>par t&amp;aille</translation>
    </message>
    <message>
        <source>by P&amp;acked Size</source>
        <translation>par taille co&amp;mpressée</translation>
    </message>
    <message>
        <source>by &amp;Compression Ratio</source>
        <translation>par taux de &amp;compression</translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation>par &amp;date</translation>
    </message>
    <message>
        <source>by &amp;Original Order</source>
        <translation>par ordre d&apos;o&amp;rigine</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>&amp;Extract...</source>
        <translation>&amp;Extraire...</translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation>Affic&amp;her...</translation>
    </message>
    <message>
        <source>&amp;Test Archive</source>
        <translation>&amp;Tester l&apos;archive</translation>
    </message>
    <message>
        <source>&amp;CheckOut</source>
        <translation>&amp;CheckOut</translation>
    </message>
    <message>
        <source>Ma&amp;ke .EXE File</source>
        <translation>C&amp;réer un fichier .EXE</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>Vie&amp;w Last Output...</source>
        <translation>Afficher le dernier &amp;journal...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Brief Tutorial</source>
        <translation>&amp;Didacticiel rapide</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Astuce du jour</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>&amp;Foire aux questions</translation>
    </message>
    <message>
        <source>Ambermox&apos;s &amp;Home Page</source>
        <translation>Site &amp;Web d&apos;Ambermox</translation>
    </message>
    <message>
        <source>&amp;About Ambermox...</source>
        <translation>À &amp;propos d&apos;Ambermox...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Tout sé&amp;lectionner</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverser la sélection</translation>
    </message>
    <message>
        <source>File &amp;Properties</source>
        <translation>&amp;Propriétés du fichier</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Trier par &amp;nom</translation>
    </message>
    <message>
        <source>Sort by Pat&amp;h</source>
        <translation>Trier par c&amp;hemin</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>Trier par &amp;type</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>Trier par t&amp;aille</translation>
    </message>
    <message>
        <source>Sort by P&amp;acked Size</source>
        <translation>Trier par taille co&amp;mpressée</translation>
    </message>
    <message>
        <source>Sort by &amp;Compression Ratio</source>
        <translation>Trier par taux de &amp;compression</translation>
    </message>
    <message>
        <source>Sort by &amp;Date</source>
        <translation>Trier par &amp;date</translation>
    </message>
    <message>
        <source>Sort by &amp;Original Order</source>
        <translation>Trier par ordre d&apos;o&amp;rigine</translation>
    </message>
    <message>
        <source>Flat Buttons</source>
        <translation>Boutons plats</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Afficher le texte</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Afficher les infobulles</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Create a new archive</source>
        <translation>Créer une nouvelle archive</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open an existing archive</source>
        <translation>Ouvrir une archive existante</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>List archives in your Favorite Zip Folders</source>
        <translation>Lister les archives de vos dossiers ZIP favoris</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add files to the archive</source>
        <translation>Ajouter des fichiers à l&apos;archive</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>Extract files from the archive</source>
        <translation>Extraire des fichiers de l&apos;archive</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected file(s)</source>
        <translation>Supprimer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>View files inside the archive</source>
        <translation>Afficher les fichiers de l&apos;archive</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>CheckOut</translation>
    </message>
    <message>
        <source>Create icons for files in the archive</source>
        <translation>Créer des icônes pour les fichiers de l&apos;archive</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>&amp;Encodage des noms</translation>
    </message>
    <message>
        <source>&amp;Rename Member...</source>
        <translation>&amp;Renommer le membre...</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>Co&amp;mmentaire...</translation>
    </message>
    <message>
        <source>Adding works on ZIP archives only; this is a %1 archive</source>
        <translation>L’ajout ne fonctionne que sur les archives ZIP&#xa0;; ceci est une archive %1</translation>
    </message>
    <message>
        <source>Deleting works on ZIP archives only; this is a %1 archive</source>
        <translation>La suppression ne fonctionne que sur les archives ZIP&#xa0;; ceci est une archive %1</translation>
    </message>
    <message>
        <source>Renaming members works on ZIP archives only; this is a %1 archive</source>
        <translation>Le renommage des membres ne fonctionne que sur les archives ZIP&#xa0;; ceci est une archive %1</translation>
    </message>
    <message>
        <source>Comments belong to ZIP archives only; this is a %1 archive</source>
        <translation>Seules les archives ZIP ont un commentaire&#xa0;; ceci est une archive %1</translation>
    </message>
    <message>
        <source>Self-extractors are made of ZIP archives only; this is a %1 archive</source>
        <translation>Les auto-extracteurs ne se font qu’à partir d’archives ZIP&#xa0;; ceci est une archive %1</translation>
    </message>
</context>
<context>
    <name>CreateFolderForm</name>
    <message>
        <source>Create Folder</source>
        <translation>Créer un dossier</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Dossier actuel&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DialogCommands</name>
    <message>
        <source>No file selected for viewing.</source>
        <translation>Aucun fichier sélectionné pour l&apos;affichage.</translation>
    </message>
</context>
<context>
    <name>EntryCopy</name>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>Could not extract &quot;%1&quot; for viewing.</source>
        <translation>Impossible d&apos;extraire «&#xa0;%1&#xa0;» pour l&apos;afficher.</translation>
    </message>
</context>
<context>
    <name>FavoriteModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>FileRowModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Packed</source>
        <translation>Compressé</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>%1, encrypted</source>
        <translation>%1, chiffré</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>MainDragDrop</name>
    <message>
        <source>Extracting</source>
        <translation>Extraction</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>Files can be added to ZIP archives only; %1 is a %2 archive. Nothing was added.</source>
        <translation>On ne peut ajouter des fichiers qu’aux archives ZIP&#xa0;; %1 est une archive %2. Rien n’a été ajouté.</translation>
    </message>
</context>
<context>
    <name>MemberEdits</name>
    <message>
        <source>The new name is empty.</source>
        <translation>Le nouveau nom est vide.</translation>
    </message>
    <message>
        <source>The new name must not start at the root: %1</source>
        <translation>Le nouveau nom ne doit pas partir de la racine&#xa0;: %1</translation>
    </message>
    <message>
        <source>The new name must not hold a line break.</source>
        <translation>Le nouveau nom ne doit pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>The new name must not hold &quot;..&quot;: %1</source>
        <translation>Le nouveau nom ne doit pas contenir «&#xa0;..&#xa0;»&#xa0;: %1</translation>
    </message>
    <message>
        <source>The archive could not be changed.</source>
        <translation>L&apos;archive n&apos;a pas pu être modifiée.</translation>
    </message>
    <message>
        <source>%1 has no comment.</source>
        <translation>%1 n&apos;a pas de commentaire.</translation>
    </message>
    <message>
        <source>Comment of %1:

%2</source>
        <translation>Commentaire de %1&#xa0;:

%2</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Comment of %1:</source>
        <translation>Commentaire de %1&#xa0;:</translation>
    </message>
    <message>
        <source>The comment has %1 bytes; an archive comment holds at most 65,535. The archive is unchanged.</source>
        <translation>Le commentaire fait %1 octets&#xa0;; un commentaire d&apos;archive en contient au plus 65&#xa0;535. L&apos;archive n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>No file selected for renaming.</source>
        <translation>Aucun fichier sélectionné à renommer.</translation>
    </message>
    <message>
        <source>Select one member, or members of one folder, to rename.</source>
        <translation>Sélectionnez un membre, ou des membres d&apos;un même dossier, à renommer.</translation>
    </message>
    <message>
        <source>Rename Member</source>
        <translation>Renommer le membre</translation>
    </message>
    <message>
        <source>New name of the folder %1 and everything in it:</source>
        <translation>Nouveau nom du dossier %1 et de tout son contenu&#xa0;:</translation>
    </message>
    <message>
        <source>New name of %1:</source>
        <translation>Nouveau nom de %1&#xa0;:</translation>
    </message>
    <message>
        <source>The archive is unchanged.</source>
        <translation>L&apos;archive n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>%1 exists in the archive already. The archive is unchanged.</source>
        <translation>%1 existe déjà dans l&apos;archive. L&apos;archive n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>%1 has changed. Update the archive?</source>
        <translation>%1 a été modifié. Mettre à jour l&apos;archive&#xa0;?</translation>
    </message>
    <message>
        <source>The archive is unchanged. The changed copy is kept in %1</source>
        <translation>L&apos;archive n&apos;est pas modifiée. La copie modifiée est conservée dans %1</translation>
    </message>
    <message>
        <source>Cannot prepare %1 for the archive. The changed copy is kept in %2</source>
        <translation>Impossible de préparer %1 pour l&apos;archive. La copie modifiée est conservée dans %2</translation>
    </message>
    <message>
        <source>The changed copy is kept in %1</source>
        <translation>La copie modifiée est conservée dans %1</translation>
    </message>
    <message>
        <source>%1 has changed, but it is encrypted in the archive and is not put back without encryption. The changed copy is kept in %2</source>
        <translation>%1 a été modifié, mais il est chiffré dans l’archive et n’y est pas remis sans chiffrement. La copie modifiée est conservée dans %2</translation>
    </message>
</context>
<context>
    <name>NameEncodingMenu</name>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatique</translation>
    </message>
    <message>
        <source>&amp;Automatic (%1)</source>
        <translation>&amp;Automatique (%1)</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>The operation reported a problem:
%1</source>
        <translation>L&apos;opération a signalé un problème&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The operation reported %1 problems. The first:
%2</source>
        <translation>L&apos;opération a signalé %1&#xa0;problèmes. Le premier&#xa0;:
%2</translation>
    </message>
    <message>
        <source>

Every message is in &quot;View Last Output...&quot; in the Options menu.</source>
        <translation>

Tous les messages se trouvent dans «&#xa0;Afficher le dernier journal...&#xa0;» du menu «&#xa0;Options&#xa0;».</translation>
    </message>
    <message>
        <source>Please wait until the running archive operation has finished.</source>
        <translation>Veuillez attendre la fin de l&apos;opération en cours sur l&apos;archive.</translation>
    </message>
    <message>
        <source>Archive Operation Interrupted. Continue?</source>
        <translation>Opération sur l&apos;archive interrompue. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Test</translation>
    </message>
</context>
<context>
    <name>OutputLogView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Wrong password for %1</source>
        <translation>Mot de passe incorrect pour %1</translation>
    </message>
    <message>
        <source>Password for %1</source>
        <translation>Mot de passe pour %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Show password</source>
        <translation>&amp;Afficher le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Use for all members</source>
        <translation>&amp;Utiliser pour tous les éléments</translation>
    </message>
    <message>
        <source>Try this password on the next encrypted members too, before asking again</source>
        <translation>Essayer aussi ce mot de passe sur les éléments chiffrés suivants avant de redemander</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>1 encrypted member was skipped without its password.</source>
        <translation>1 élément chiffré a été ignoré faute de mot de passe.</translation>
    </message>
    <message>
        <source>%1 encrypted members were skipped without their password.</source>
        <translation>%1 éléments chiffrés ont été ignorés faute de mot de passe.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>1 file already in &quot;%1&quot; was kept as it was.</source>
        <translation>1&#xa0;fichier déjà présent dans «&#xa0;%1&#xa0;» a été conservé tel quel.</translation>
    </message>
    <message numerus="yes">
        <source>%n files already in &quot;%1&quot; were kept as they were.</source>
        <translation>
            <numerusform>%n&#xa0;fichier déjà présent dans «&#xa0;%1&#xa0;» a été conservé tel quel.</numerusform>
            <numerusform>%n&#xa0;fichiers déjà présents dans «&#xa0;%1&#xa0;» ont été conservés tels quels.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it holds no address</source>
        <translation>il ne contient aucune adresse</translation>
    </message>
    <message>
        <source>no program is set up to open files of the type &quot;%1&quot; (%2)</source>
        <translation>aucun programme n&apos;est configuré pour ouvrir les fichiers de type «&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) could not be started</source>
        <translation>le programme d&apos;ouverture du bureau (xdg-open) n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>no program is set up to open &quot;%1&quot; addresses</source>
        <translation>aucun programme n&apos;est configuré pour ouvrir les adresses «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ShellVerbs</name>
    <message>
        <source>%1: not a ZIP archive</source>
        <translation>%1&#xa0;: pas une archive ZIP</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No valid zip entries found</source>
        <translation>Aucun élément ZIP valide trouvé</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No file or folder was given.</source>
        <translation>Aucun fichier ni dossier n&apos;a été indiqué.</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>How far the running operation is</source>
        <translation>Avancement de l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Green lamp, lit while no operation runs</source>
        <translation>Voyant vert, allumé tant qu&apos;aucune opération n&apos;est en cours</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Red lamp, lit while an operation runs</source>
        <translation>Voyant rouge, allumé pendant une opération</translation>
    </message>
</context>
<context>
    <name>StatusProgress</name>
    <message>
        <source>Waiting for another program: &quot;%1&quot;</source>
        <translation>En attente d&apos;un autre programme&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Waiting for another program to finish writing &quot;%1&quot;</source>
        <translation>En attente qu&apos;un autre programme finisse d&apos;écrire «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>About Ambermox</source>
        <translation>À propos d&apos;Ambermox</translation>
    </message>
    <message>
        <source>Ambermox %1</source>
        <translation>Ambermox %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>Compilé le %1</translation>
    </message>
    <message>
        <source>Add library %1, extract library %2</source>
        <translation>Bibliothèque d&apos;ajout %1, bibliothèque d&apos;extraction %2</translation>
    </message>
    <message>
        <source>Contact points are</source>
        <translation>Pour nous contacter</translation>
    </message>
    <message>
        <source>E-mail: authors@ambermox.example.org</source>
        <translation>Courriel&#xa0;: authors@ambermox.example.org</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Program by the Ambermox developers</source>
        <translation>Programme réalisé par les développeurs d&apos;Ambermox</translation>
    </message>
    <message>
        <source>amxzip and amxunz compression libraries by the Ambermox developers</source>
        <translation>Bibliothèques de compression amxzip et amxunz réalisées par les développeurs d&apos;Ambermox</translation>
    </message>
    <message>
        <source>See help for details...</source>
        <translation>Consultez l&apos;aide pour plus de détails...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;FAQs</source>
        <translation>&amp;FAQ</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Site &amp;Web</translation>
    </message>
</context>
<context>
    <name>TAddForm</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2.</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;». %2.</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>Impossible de supprimer le fichier «&#xa0;%1&#xa0;». %2.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added, the archive is as it was before.</source>
        <translation>Annulé&#xa0;: rien n&apos;a été ajouté, l&apos;archive est inchangée.</translation>
    </message>
    <message>
        <source>Cancelled: the files of the last step were not added; the steps before it were.</source>
        <translation>Annulé&#xa0;: les fichiers de la dernière étape n&apos;ont pas été ajoutés&#xa0;; ceux des étapes précédentes l&apos;ont été.</translation>
    </message>
    <message>
        <source>Cannot change to folder &quot;%1&quot;. %2.</source>
        <translation>Impossible d&apos;accéder au dossier «&#xa0;%1&#xa0;». %2.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Remonter</translation>
    </message>
    <message>
        <source>Go up one folder</source>
        <translation>Remonter d&apos;un dossier</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Show the files as a list</source>
        <translation>Afficher les fichiers sous forme de liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Show the files with their size, type and date</source>
        <translation>Afficher les fichiers avec leur taille, leur type et leur date</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>The files and folders of the folder shown above</source>
        <translation>Les fichiers et dossiers du dossier affiché ci-dessus</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>Ajouter (et remplacer) des fichiers</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>Rafraîchir les fichiers existants</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Déplacer des fichiers</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>Mettre à jour (et ajouter) des fichiers</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>Maximale (la plus lente)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>Très rapide</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>Ac&amp;tion&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>&amp;Compression&#xa0;:</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>Enregistrer les noms de fichiers au format &amp;8.3</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>Dater l&apos;archive de son fichier le plus récent</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>Inclure les fichiers système et cachés</translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>Enregistrer les informations de &amp;dossiers</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>&amp;Encrypt with password</source>
        <translation>Chi&amp;ffrer avec un mot de passe</translation>
    </message>
    <message>
        <source>AES-256</source>
        <translation>AES-256</translation>
    </message>
    <message>
        <source>ZipCrypto (compatible with old tools, weak)</source>
        <translation>ZipCrypto (compatible avec les anciens outils, faible)</translation>
    </message>
    <message>
        <source>Encryption method</source>
        <translation>Méthode de chiffrement</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Répéter&#xa0;:</translation>
    </message>
    <message>
        <source>Please type the password to encrypt with: an empty one protects nothing.</source>
        <translation>Veuillez saisir le mot de passe de chiffrement&#xa0;: un mot de passe vide ne protège rien.</translation>
    </message>
    <message>
        <source>The two passwords differ. Please type the same password twice.</source>
        <translation>Les deux mots de passe diffèrent. Veuillez saisir deux fois le même mot de passe.</translation>
    </message>
</context>
<context>
    <name>TAsciview</name>
    <message>
        <source>View: </source>
        <translation>Visualisation&#xa0;: </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Clipboard Copy</source>
        <translation>Copier dans le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>P&amp;olice</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Visualisation&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TCheckOut</name>
    <message>
        <source>the folder is not a full path</source>
        <translation>le dossier n&apos;est pas un chemin complet</translation>
    </message>
    <message>
        <source>a group needs a name</source>
        <translation>un groupe doit avoir un nom</translation>
    </message>
    <message>
        <source>a group name cannot lead out of the applications folder</source>
        <translation>un nom de groupe ne peut pas sortir du dossier des applications</translation>
    </message>
    <message>
        <source>Unable to create the program group %1: %2</source>
        <translation>Impossible de créer le groupe de programmes %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: its name is too long for a file name.</source>
        <translation>Aucun lanceur créé pour «&#xa0;%1&#xa0;»&#xa0;: son nom est trop long pour un nom de fichier.</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: %2</source>
        <translation>Aucun lanceur créé pour «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>CheckOut</translation>
    </message>
    <message>
        <source>All files will be extracted to the specified folder, and a program group will be build.</source>
        <translation>Tous les fichiers seront extraits dans le dossier indiqué et un groupe de programmes sera créé.</translation>
    </message>
    <message>
        <source>&amp;Create icons for programs and documents only</source>
        <translation>&amp;Créer des icônes uniquement pour les programmes et les documents</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Group name:</source>
        <translation>Nom du &amp;groupe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Maximum icons:</source>
        <translation>Nombre &amp;maximal d&apos;icônes&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extraction</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Cannot check out into &quot;%1&quot;: %2.</source>
        <translation>Impossible de faire le CheckOut dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the group name: %2.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de groupe&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>TConfigurationForm</name>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>View &amp;Toolbar</source>
        <translation>Afficher la &amp;barre d&apos;outils</translation>
    </message>
    <message>
        <source>View &amp;StatusBar</source>
        <translation>Afficher la barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Général </translation>
    </message>
    <message>
        <source>&amp;Full row select</source>
        <translation>Sélectionner la &amp;ligne entière</translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation>&amp;Quadrillage</translation>
    </message>
    <message>
        <source>As &amp;Web page</source>
        <translation>Comme page &amp;Web</translation>
    </message>
    <message>
        <source> Filelist view style </source>
        <translation> Style d&apos;affichage de la liste </translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Grandes icônes</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Petites icônes</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source> Toolbar Configuration </source>
        <translation> Configuration de la barre d&apos;outils </translation>
    </message>
    <message>
        <source>Show button &amp;text</source>
        <translation>Afficher le &amp;texte des boutons</translation>
    </message>
    <message>
        <source>Show tool &amp;tips</source>
        <translation>Afficher les &amp;infobulles</translation>
    </message>
    <message>
        <source>&amp;Flat toolbar buttons</source>
        <translation>Boutons &amp;plats</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source> &amp;Temp folder </source>
        <translation> Dossier &amp;temporaire </translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>Dossier temporaire</translation>
    </message>
    <message>
        <source>Choose the temp folder</source>
        <translation>Choisir le dossier temporaire</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>&amp;Viewer:</source>
        <translation>&amp;Visionneuse&#xa0;:</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visionneuse</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <translation>Choisir le programme de visualisation</translation>
    </message>
    <message>
        <source>Program Locations</source>
        <translation>Emplacement des programmes</translation>
    </message>
    <message>
        <source>Temporary folder</source>
        <translation>Dossier temporaire</translation>
    </message>
    <message>
        <source>Select &amp;temporary folder:</source>
        <translation>Sélectionner le dossier &amp;temporaire&#xa0;:</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Programmes|*</translation>
    </message>
    <message>
        <source>The temporary folder cannot be empty; it stays %1.</source>
        <translation>Le dossier temporaire ne peut pas être vide&#xa0;; il reste %1.</translation>
    </message>
</context>
<context>
    <name>TDeleteForm</name>
    <message>
        <source>Delete the only member of %1?</source>
        <translation>Supprimer l&apos;unique élément de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Entire archive</source>
        <translation>&amp;Toute l&apos;archive</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>Fichiers &amp;sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Names of the files to delete; * and ? match any</source>
        <translation>Noms des fichiers à supprimer&#xa0;; * et ? remplacent n&apos;importe quels caractères</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n members of %1?</source>
        <translation>
            <numerusform>Supprimer %n&#xa0;élément de %1&#xa0;?</numerusform>
            <numerusform>Supprimer les %n&#xa0;éléments de %1&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDragForm</name>
    <message>
        <source>Drag and Drop</source>
        <translation>Glisser-déposer</translation>
    </message>
    <message>
        <source>A&amp;dd to archive:</source>
        <translation>A&amp;jouter à l&apos;archive&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouvelle...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>Ajouter (et remplacer) des fichiers</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>Rafraîchir les fichiers existants</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Déplacer des fichiers</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>Mettre à jour (et ajouter) des fichiers</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>Maximale (la plus lente)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>Très rapide</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>Ac&amp;tion&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>&amp;Compression&#xa0;:</translation>
    </message>
    <message>
        <source> Folders </source>
        <translation> Dossiers </translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>Enregistrer les informations de &amp;dossiers</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>Inclure les fichiers système et cachés</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>Dater l&apos;archive de son fichier le plus récent</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>Enregistrer les noms de fichiers au format &amp;8.3</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.exe;*.zip</source>
        <translation>Fichiers ZIP|*.zip|Archives et fichiers .exe|*.exe;*.zip</translation>
    </message>
    <message>
        <source>File dragged: %1</source>
        <translation>Fichier glissé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Files dragged: %1</source>
        <translation>Fichiers glissés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TEXEForm</name>
    <message>
        <source>Ambermox Self-Extractor</source>
        <translation>Ambermox - Programme auto-extractible</translation>
    </message>
    <message>
        <source>Default &quot;UnZip &amp;To&quot; Folder:</source>
        <translation>Dossier «&#xa0;&amp;Extraire vers&#xa0;» par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>%temp% means users&apos;s TEMP= Folder</source>
        <translation>%temp% désigne le dossier TEMP= de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Caption:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Co&amp;mmand line after extracting:</source>
        <translation>&amp;Ligne de commande après l&apos;extraction&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&quot;$0&quot;; printf &apos;\nPress Enter to close. &apos;; read x</source>
        <translation>&quot;$0&quot;; printf &apos;\nAppuyez sur Entrée pour fermer. &apos;; read x</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been created from 
&apos;%2&apos;.
Before distributing the EXE file, please be sure to test it in all target enviroments.

Do you want to test it now?</source>
        <translation>«&#xa0;%1&#xa0;» a été créé à partir de 
«&#xa0;%2&#xa0;».
Avant de distribuer le fichier EXE, testez-le dans tous les environnements cibles.

Voulez-vous le tester maintenant&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TExtractForm</name>
    <message>
        <source>Extract</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>E&amp;xtract to:</source>
        <translation>E&amp;xtraire vers&#xa0;:</translation>
    </message>
    <message>
        <source>Show the folder in the tree</source>
        <translation>Afficher le dossier dans l&apos;arborescence</translation>
    </message>
    <message>
        <source>&amp;Folders/drives:</source>
        <translation>&amp;Dossiers/lecteurs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Extraire</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;New Folder...</source>
        <translation>&amp;Nouveau dossier...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>Fichiers &amp;sélectionnés</translation>
    </message>
    <message>
        <source>&amp;All files</source>
        <translation>&amp;Tous les fichiers</translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation>F&amp;ichiers&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Overwrite Existing Files</source>
        <translation>&amp;Remplacer les fichiers existants</translation>
    </message>
    <message>
        <source>S&amp;kip Older Files</source>
        <translation>I&amp;gnorer les fichiers plus anciens</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extraction</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>Error - no files selected for extraction</source>
        <translation>Erreur - aucun fichier sélectionné pour l&apos;extraction</translation>
    </message>
</context>
<context>
    <name>TFavorOptForm</name>
    <message>
        <source>Ambermox Options</source>
        <translation>Options d&apos;Ambermox</translation>
    </message>
    <message>
        <source>&amp;Add a folder to list</source>
        <translation>A&amp;jouter un dossier à la liste</translation>
    </message>
    <message>
        <source>&amp;Remove folder</source>
        <translation>&amp;Retirer le dossier</translation>
    </message>
    <message>
        <source>&amp;Ambermox will automatically list Zip files located in the following folders. Click the button below to add or remove from your Favorite Zip Folders.</source>
        <translation>&amp;Ambermox affiche automatiquement les fichiers ZIP situés dans les dossiers suivants. Utilisez les boutons ci-dessous pour ajouter des dossiers à vos dossiers ZIP favoris ou pour les en retirer.</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>Dossiers ZIP favoris</translation>
    </message>
    <message>
        <source>&amp;Add the folder to the Favorite Zip Folders automatically</source>
        <translation>&amp;Ajouter automatiquement le dossier aux dossiers ZIP favoris</translation>
    </message>
    <message>
        <source>A&amp;sk before adding the folder to the Favorite Zip Folders</source>
        <translation>De&amp;mander avant d&apos;ajouter le dossier aux dossiers ZIP favoris</translation>
    </message>
    <message>
        <source>&amp;Do not add the folder to the Favorite Zip Folders</source>
        <translation>&amp;Ne pas ajouter le dossier aux dossiers ZIP favoris</translation>
    </message>
    <message>
        <source>If you open a Zip file that is not in one of your Favorite Zip Folders, Ambermox can add the folder to your Favorite Zip Folders.</source>
        <translation>Si vous ouvrez un fichier ZIP qui ne se trouve dans aucun de vos dossiers ZIP favoris, Ambermox peut ajouter son dossier à vos dossiers ZIP favoris.</translation>
    </message>
    <message>
        <source>Other Zip Folders</source>
        <translation>Autres dossiers ZIP</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>&amp;Sélectionner le dossier</translation>
    </message>
</context>
<context>
    <name>TFavoriteForm</name>
    <message>
        <source>Files in Favorite Zip Folders sorted by name:</source>
        <translation>Fichiers des dossiers ZIP favoris, triés par nom&#xa0;:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by date:</source>
        <translation>Fichiers des dossiers ZIP favoris, triés par date&#xa0;:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by folder:</source>
        <translation>Fichiers des dossiers ZIP favoris, triés par dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>Dossiers ZIP favoris</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders:</source>
        <translation>Fichiers des dossiers ZIP favoris&#xa0;:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders</source>
        <translation>Fichiers des dossiers ZIP favoris</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Aucun fichier sélectionné.</translation>
    </message>
    <message>
        <source>Zip files</source>
        <translation>Fichiers ZIP</translation>
    </message>
    <message>
        <source>Files of &amp;type:</source>
        <translation>&amp;Type de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;ptions...</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>Nom du fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TFilePropForm</name>
    <message>
        <source>File Properties</source>
        <translation>Propriétés du fichier</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Taille du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Packed size:</source>
        <translation>Taille compressée&#xa0;:</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Taux&#xa0;:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modifié&#xa0;:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin&#xa0;:</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>TFindForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date et une heure valides</translation>
    </message>
    <message>
        <source>Find file(s)</source>
        <translation>Rechercher des fichiers</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>&amp;Type de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Portée</translation>
    </message>
    <message>
        <source>&amp;All Dates</source>
        <translation>Toutes les &amp;dates</translation>
    </message>
    <message>
        <source>&amp;Find Files created or modified </source>
        <translation>&amp;Rechercher les fichiers créés ou modifiés </translation>
    </message>
    <message>
        <source>Between</source>
        <translation>Entre</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Jour&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mois&#xa0;:</translation>
    </message>
    <message>
        <source>Y&amp;ear:</source>
        <translation>&amp;Année&#xa0;:</translation>
    </message>
    <message>
        <source>Da&amp;y:</source>
        <translation>Jo&amp;ur&#xa0;:</translation>
    </message>
    <message>
        <source>M&amp;onth:</source>
        <translation>Moi&amp;s&#xa0;:</translation>
    </message>
    <message>
        <source>Yea&amp;r:</source>
        <translation>A&amp;nnée&#xa0;:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;All sizes</source>
        <translation>Toutes les tai&amp;lles</translation>
    </message>
    <message>
        <source>&amp;Find  file size in the range</source>
        <translation>Re&amp;chercher les fichiers selon leur taille</translation>
    </message>
    <message>
        <source>Below (&lt;=)</source>
        <translation>Inférieure ou égale (&lt;=)</translation>
    </message>
    <message>
        <source>Above (&gt;=)</source>
        <translation>Supérieure ou égale (&gt;=)</translation>
    </message>
    <message>
        <source>Exact (=)</source>
        <translation>Égale (=)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
</context>
<context>
    <name>TLnEForm</name>
    <message>
        <source>Ambermox - Adding</source>
        <translation>Ambermox - Ajout</translation>
    </message>
    <message>
        <source>How much of the folder is added</source>
        <translation>Part du dossier déjà ajoutée</translation>
    </message>
    <message>
        <source>Ambermox - Extracting</source>
        <translation>Ambermox - Extraction</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>How much of the archive is extracted</source>
        <translation>Part de l&apos;archive déjà extraite</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.zip;*.exe</source>
        <translation>Fichiers ZIP|*.zip|Archives et fichiers .exe|*.zip;*.exe</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; to create or &quot;Open&quot; to open an archive.</source>
        <translation>Choisissez «&#xa0;Nouveau&#xa0;» pour créer une archive ou «&#xa0;Ouvrir&#xa0;» pour en ouvrir une.</translation>
    </message>
    <message>
        <source>No file(s) selected.</source>
        <translation>Aucun fichier sélectionné.</translation>
    </message>
    <message>
        <source>Archive contents</source>
        <translation>Contenu de l&apos;archive</translation>
    </message>
    <message>
        <source>The files in the open archive</source>
        <translation>Les fichiers de l&apos;archive ouverte</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Ambermox</source>
        <translation>Ambermox</translation>
    </message>
    <message>
        <source>The program&apos;s turning picture</source>
        <translation>L&apos;image animée du programme</translation>
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
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Reading directory...</source>
        <translation>Lecture du dossier...</translation>
    </message>
    <message>
        <source>Sorting files...</source>
        <translation>Tri des fichiers...</translation>
    </message>
    <message>
        <source>Loading file list...</source>
        <translation>Chargement de la liste des fichiers...</translation>
    </message>
    <message>
        <source>Total 1 file, %1 kB [%2 kB]</source>
        <translation>Total&#xa0;: 1&#xa0;fichier, %1&#xa0;ko [%2&#xa0;ko]</translation>
    </message>
    <message numerus="yes">
        <source>Total %1 files, %2 kB [%3 kB]</source>
        <translation>
            <numerusform>Total&#xa0;: %1&#xa0;fichier, %2&#xa0;ko [%3&#xa0;ko]</numerusform>
            <numerusform>Total&#xa0;: %1&#xa0;fichiers, %2&#xa0;ko [%3&#xa0;ko]</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected 1 file, %1 kB</source>
        <translation>1&#xa0;fichier sélectionné, %1&#xa0;ko</translation>
    </message>
    <message numerus="yes">
        <source>Selected %1 files, %2 kB</source>
        <translation>
            <numerusform>%1&#xa0;fichier sélectionné, %2&#xa0;ko</numerusform>
            <numerusform>%1&#xa0;fichiers sélectionnés, %2&#xa0;ko</numerusform>
        </translation>
    </message>
    <message>
        <source>[Comment]</source>
        <translation>[Commentaire]</translation>
    </message>
</context>
<context>
    <name>TMsgForm</name>
    <message>
        <source>View Last Output</source>
        <translation>Dernier journal</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TRenameForm</name>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Ancien nom&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TSearchForm</name>
    <message>
        <source>Ambermox Search</source>
        <translation>Recherche Ambermox</translation>
    </message>
    <message>
        <source>Ambermox can automatically search for Zip files,  or, if  you want  to  search  for  a file yourselft, click &quot;Let me find it&quot;.</source>
        <translation>Ambermox peut rechercher automatiquement les fichiers ZIP. Si vous préférez chercher un fichier vous-même, cliquez sur «&#xa0;Je cherche moi-même&#xa0;».</translation>
    </message>
    <message>
        <source>&amp;Search hard disk(s) on this PC</source>
        <translation>&amp;Rechercher sur les disques durs de cet ordinateur</translation>
    </message>
    <message>
        <source>Search &amp;disk:</source>
        <translation>Rechercher sur le &amp;disque&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Let me find it (not automatic)</source>
        <translation>Je &amp;cherche moi-même (non automatique)</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Moves while the search runs</source>
        <translation>Bouge pendant la recherche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ambermox Wizard - Select Zip File</source>
        <translation>Assistant Ambermox - Sélection d&apos;un fichier ZIP</translation>
    </message>
    <message>
        <source>Zip files|*.zip</source>
        <translation>Fichiers ZIP|*.zip</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <translation>Recherche dans %1</translation>
    </message>
    <message numerus="yes">
        <source>Searched %1, %n file(s) found...</source>
        <translation>
            <numerusform>%1 parcouru, %n&#xa0;fichier trouvé...</numerusform>
            <numerusform>%1 parcouru, %n&#xa0;fichiers trouvés...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSelDirForm</name>
    <message>
        <source>Select Folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>&amp;Folders and disk drives:</source>
        <translation>&amp;Dossiers et lecteurs&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
</context>
<context>
    <name>TTipForm</name>
    <message>
        <source>Ambermox Tip of the Day</source>
        <translation>Ambermox - Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know..</source>
        <translation>Le saviez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>Always show tips at startup</source>
        <translation>Toujours afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>Show tip at startup if not opening Zip file</source>
        <translation>Afficher une astuce au démarrage si aucun fichier ZIP n&apos;est ouvert</translation>
    </message>
    <message>
        <source>Never show tips at startup</source>
        <translation>Ne jamais afficher d&apos;astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Astuce suivante</translation>
    </message>
</context>
<context>
    <name>TViewForm</name>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source> Using </source>
        <translation> Ouvrir avec </translation>
    </message>
    <message>
        <source>&amp;Associated program</source>
        <translation>&amp;Programme associé</translation>
    </message>
    <message>
        <source>&amp;Internal ASCII text viewer</source>
        <translation>Visionneuse de texte ASCII &amp;interne</translation>
    </message>
    <message>
        <source>&amp;Viewer: </source>
        <translation>&amp;Visionneuse&#xa0;: </translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visionneuse</translation>
    </message>
    <message>
        <source>Browse for the viewer program</source>
        <translation>Rechercher le programme de visualisation</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Programmes|*</translation>
    </message>
    <message>
        <source>Cannot find the viewer program &quot;%1&quot;.</source>
        <translation>Le programme de visualisation «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
</context>
<context>
    <name>TZipPropForm</name>
    <message>
        <source>Zip Properties</source>
        <translation>Propriétés du fichier ZIP</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin&#xa0;:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Taille du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Compression:</source>
        <translation>Compression&#xa0;:</translation>
    </message>
    <message>
        <source>Date/time:</source>
        <translation>Date/heure&#xa0;:</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>Co&amp;mmentaire...</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>The Tip of the Day dialog box is normally displayed when you start Ambermox but are not automatically opening a Zip file. You can change this option so tips are never displayed, or always displayed when Ambermox is started.</source>
        <translation>L&apos;astuce du jour s&apos;affiche normalement au démarrage d&apos;Ambermox lorsqu&apos;aucun fichier ZIP n&apos;est ouvert automatiquement. Vous pouvez choisir de ne jamais afficher les astuces, ou de les afficher à chaque démarrage d&apos;Ambermox.</translation>
    </message>
    <message>
        <source>If you turn the Tip of the Day off and later want to restore it, select Tip of the Day from the Ambermox Help pull-down menu, then select from the combo box at the bottom of the dialog box.</source>
        <translation>Si vous désactivez l&apos;astuce du jour et souhaitez la rétablir plus tard, choisissez «&#xa0;Astuce du jour&#xa0;» dans le menu «&#xa0;Aide&#xa0;» d&apos;Ambermox, puis faites votre choix dans la liste déroulante en bas de la boîte de dialogue.</translation>
    </message>
    <message>
        <source>Ambermox&apos;s toolbar buttons look much better if your display is in high-color mode. </source>
        <translation>Les boutons de la barre d&apos;outils d&apos;Ambermox sont bien plus beaux si votre écran affiche un grand nombre de couleurs. </translation>
    </message>
    <message>
        <source>For a Brief Tutorial on Ambermox, select Brief Tutorial from the Ambermox Help pull-down menu.</source>
        <translation>Pour un didacticiel rapide sur Ambermox, choisissez «&#xa0;Didacticiel rapide&#xa0;» dans le menu «&#xa0;Aide&#xa0;» d&apos;Ambermox.</translation>
    </message>
    <message>
        <source>For answers to Frequently Asked Questions (FAQs), select Frequently Asked Questions from the Ambermox Help pull-down menu.</source>
        <translation>Pour obtenir des réponses aux questions fréquentes (FAQ), choisissez «&#xa0;Foire aux questions&#xa0;» dans le menu «&#xa0;Aide&#xa0;» d&apos;Ambermox.</translation>
    </message>
    <message>
        <source>To display details about the open Zip file (for example, the date the Zip file was last modified or the name of the folder containing the Zip file), click on the Ambermox status line or select Properties from the Ambermox File menu.</source>
        <translation>Pour afficher des détails sur le fichier ZIP ouvert (par exemple la date de sa dernière modification ou le nom du dossier qui le contient), cliquez sur la ligne d&apos;état d&apos;Ambermox ou choisissez «&#xa0;Propriétés&#xa0;» dans le menu «&#xa0;Fichier&#xa0;» d&apos;Ambermox.</translation>
    </message>
    <message>
        <source>You can interrupt an archive operation by clicking anywhere in the Ambermox window. This will activate the &quot;Operation Interrupted&quot; dialog box.</source>
        <translation>Vous pouvez interrompre une opération sur une archive en cliquant n&apos;importe où dans la fenêtre d&apos;Ambermox. La boîte de dialogue «&#xa0;Opération interrompue&#xa0;» s&apos;affiche alors.</translation>
    </message>
    <message>
        <source>You can quickly extract files from a Zip file by dragging the files from Ambermox to any folder or Explorer window (or even to the desktop).</source>
        <translation>Vous pouvez extraire rapidement des fichiers d&apos;un fichier ZIP en les faisant glisser d&apos;Ambermox vers n&apos;importe quel dossier ou fenêtre du gestionnaire de fichiers (ou même sur le bureau).</translation>
    </message>
    <message>
        <source>You can quickly add files to a Zip file by dragging the files from any folder or Explorer window to Ambermox.</source>
        <translation>Vous pouvez ajouter rapidement des fichiers à un fichier ZIP en les faisant glisser de n&apos;importe quel dossier ou fenêtre du gestionnaire de fichiers vers Ambermox.</translation>
    </message>
    <message>
        <source>If you can&apos;t remember where you put your Zip files, you can use the Favorite Zip Folders feature to find them. Select Favorite Zip Folders from the Ambermox File menu.</source>
        <translation>Si vous ne vous souvenez plus où se trouvent vos fichiers ZIP, la fonction «&#xa0;Dossiers ZIP favoris&#xa0;» vous aide à les retrouver. Choisissez «&#xa0;Dossiers ZIP favoris&#xa0;» dans le menu «&#xa0;Fichier&#xa0;» d&apos;Ambermox.</translation>
    </message>
    <message>
        <source>You can easily view files in a Zip file by dragging them to an application or a shortcut to an application.</source>
        <translation>Vous pouvez facilement afficher les fichiers d&apos;un fichier ZIP en les faisant glisser sur une application ou sur un raccourci vers une application.</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1&#xa0;octets</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%1&#xa0;ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>View: %1 (not a text file: only the first %2 of %3 shown)</source>
        <translation>Visualisation&#xa0;: %1 (pas un fichier texte&#xa0;: seuls les %2 premiers sur %3 sont affichés)</translation>
    </message>
    <message>
        <source>View: %1 (only the first %2 of %3 shown)</source>
        <translation>Visualisation&#xa0;: %1 (seuls les %2 premiers sur %3 sont affichés)</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Visualisation&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Root</source>
        <translation>Racine</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
</context>
</TS>
