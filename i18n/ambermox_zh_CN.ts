<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AddBrowser</name>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddListModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AmxDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveFileCommands</name>
    <message>
        <source>the copy is incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP files|*.zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;. File already exists. Open existing file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 &amp;to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy %1 &amp;to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: the folder is not a full path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it with &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive was copied to &quot;%1&quot;, but &quot;%2&quot; could not be deleted: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entire archive %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved to the trash. Delete it for good?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a shortcut to &quot;%1&quot; on the desktop: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no desktop folder is known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shortcut to &quot;%1&quot; is on the desktop: &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveFileMenu</name>
    <message>
        <source>Ambermox (Beta test) - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>Add &quot;%1&quot; to favorite Zip Folders?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. It has been removed from the recent archives.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>   &amp;Files   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Edit  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Archive </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Archive </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Favorite Zip Folders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y Archive </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Archive...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find File(s) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Best Fit Column Widths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default &amp;Columns Widths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as &amp;Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Pat&amp;h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by P&amp;acked Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Compression Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Original Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extract...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;CheckOut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;ke .EXE File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vie&amp;w Last Output...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Brief Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambermox&apos;s &amp;Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Ambermox...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Pat&amp;h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by P&amp;acked Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;Compression Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;Original Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List archives in your Favorite Zip Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files to the archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract files from the archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View files inside the archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create icons for files in the archive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreateFolderForm</name>
    <message>
        <source>Create Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogCommands</name>
    <message>
        <source>No file selected for viewing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryCopy</name>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not extract &quot;%1&quot; for viewing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FavoriteModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileRowModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainDragDrop</name>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>The operation reported a problem:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation reported %1 problems. The first:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Every message is in &quot;View Last Output...&quot; in the Options menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait until the running archive operation has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive Operation Interrupted. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>1 file already in &quot;%1&quot; was kept as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files already in &quot;%1&quot; were kept as they were.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyForm</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no program is set up to open files of the type &quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no program is set up to open &quot;%1&quot; addresses</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellVerbs</name>
    <message>
        <source>%1: not a ZIP archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid zip entries found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file or folder was given.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the running operation is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green lamp, lit while no operation runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red lamp, lit while an operation runs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusProgress</name>
    <message>
        <source>Waiting for another program: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for another program to finish writing &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Ambermox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambermox %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add library %1, extract library %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact points are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: authors@ambermox.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program by the Ambermox developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>amxzip and amxunz compression libraries by the Ambermox developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See help for details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;FAQs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAddForm</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: nothing was added, the archive is as it was before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: the files of the last step were not added; the steps before it were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot change to folder &quot;%1&quot;. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go up one folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the files as a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the files with their size, type and date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files and folders of the folder shown above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAsciview</name>
    <message>
        <source>View: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clipboard Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCheckOut</name>
    <message>
        <source>the folder is not a full path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a group needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a group name cannot lead out of the applications folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create the program group %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: its name is too long for a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files will be extracted to the specified folder, and a program group will be build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create icons for programs and documents only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Maximum icons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot check out into &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the group name: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TConfigurationForm</name>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> General </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full row select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As &amp;Web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Filelist view style </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Toolbar Configuration </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show button &amp;text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show tool &amp;tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flat toolbar buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Temp folder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the temp folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Viewer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporary folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;temporary folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temporary folder cannot be empty; it stays %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDeleteForm</name>
    <message>
        <source>Delete the only member of %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Entire archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names of the files to delete; * and ? match any</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n members of %1?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDragForm</name>
    <message>
        <source>Drag and Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd to archive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Folders </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.exe;*.zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File dragged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files dragged: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEXEForm</name>
    <message>
        <source>Ambermox Self-Extractor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default &quot;UnZip &amp;To&quot; Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%temp% means users&apos;s TEMP= Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Caption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mmand line after extracting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;$0&quot;; printf &apos;\nPress Enter to close. &apos;; read x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been created from 
&apos;%2&apos;.
Before distributing the EXE file, please be sure to test it in all target enviroments.

Do you want to test it now?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExtractForm</name>
    <message>
        <source>Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtract to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the folder in the tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folders/drives:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overwrite Existing Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;kip Older Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error - no files selected for extraction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFavorOptForm</name>
    <message>
        <source>Ambermox Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add a folder to list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ambermox will automatically list Zip files located in the following folders. Click the button below to add or remove from your Favorite Zip Folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add the folder to the Favorite Zip Folders automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;sk before adding the folder to the Favorite Zip Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Do not add the folder to the Favorite Zip Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you open a Zip file that is not in one of your Favorite Zip Folders, Ambermox can add the folder to your Favorite Zip Folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Zip Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFavoriteForm</name>
    <message>
        <source>Files in Favorite Zip Folders sorted by name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of &amp;type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFilePropForm</name>
    <message>
        <source>File Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packed size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFindForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Files created or modified </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y&amp;ear:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Da&amp;y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;onth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yea&amp;r:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find  file size in the range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below (&lt;=)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above (&gt;=)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact (=)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLnEForm</name>
    <message>
        <source>Ambermox - Extracting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much of the archive is extracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.zip;*.exe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; to create or &quot;Open&quot; to open an archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file(s) selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files in the open archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambermox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s turning picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambermox - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambermox </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading file list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total 1 file, %1 kB [%2 kB]</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Total %1 files, %2 kB [%3 kB]</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Selected 1 file, %1 kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Selected %1 files, %2 kB</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMsgForm</name>
    <message>
        <source>View Last Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRenameForm</name>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSearchForm</name>
    <message>
        <source>Ambermox Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambermox can automatically search for Zip files,  or, if  you want  to  search  for  a file yourselft, click &quot;Let me find it&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search hard disk(s) on this PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search &amp;disk:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Let me find it (not automatic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves while the search runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambermox Wizard - Select Zip File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip files|*.zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Searched %1, %n file(s) found...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSelDirForm</name>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folders and disk drives:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTipForm</name>
    <message>
        <source>Ambermox Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always show tips at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show tip at startup if not opening Zip file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never show tips at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TViewForm</name>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Using </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Associated program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Internal ASCII text viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Viewer: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the viewer program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the viewer program &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TZipPropForm</name>
    <message>
        <source>Zip Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/time:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>The Tip of the Day dialog box is normally displayed when you start Ambermox but are not automatically opening a Zip file. You can change this option so tips are never displayed, or always displayed when Ambermox is started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you turn the Tip of the Day off and later want to restore it, select Tip of the Day from the Ambermox Help pull-down menu, then select from the combo box at the bottom of the dialog box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambermox&apos;s toolbar buttons look much better if your display is in high-color mode. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a Brief Tutorial on Ambermox, select Brief Tutorial from the Ambermox Help pull-down menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For answers to Frequently Asked Questions (FAQs), select Frequently Asked Questions from the Ambermox Help pull-down menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To display details about the open Zip file (for example, the date the Zip file was last modified or the name of the folder containing the Zip file), click on the Ambermox status line or select Properties from the Ambermox File menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can interrupt an archive operation by clicking anywhere in the Ambermox window. This will activate the &quot;Operation Interrupted&quot; dialog box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can quickly extract files from a Zip file by dragging the files from Ambermox to any folder or Explorer window (or even to the desktop).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can quickly add files to a Zip file by dragging the files from any folder or Explorer window to Ambermox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you can&apos;t remember where you put your Zip files, you can use the Favorite Zip Folders feature to find them. Select Favorite Zip Folders from the Ambermox File menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can easily view files in a Zip file by dragging them to an application or a shortcut to an application.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View: %1 (not a text file: only the first %2 of %3 shown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View: %1 (only the first %2 of %3 shown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
