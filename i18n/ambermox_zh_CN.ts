<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AddBrowser</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
</context>
<context>
    <name>AddListModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>文件类型</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>总大小</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
</context>
<context>
    <name>AmxDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ArchiveFileCommands</name>
    <message>
        <source>the copy is incomplete</source>
        <translation>副本不完整</translation>
    </message>
    <message>
        <source>New Archive</source>
        <translation>新建压缩包</translation>
    </message>
    <message>
        <source>ZIP files|*.zip</source>
        <translation>ZIP 文件|*.zip</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;. File already exists. Open existing file?</source>
        <translation>无法创建“%1”。文件已存在。要打开现有文件吗？</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>无法创建“%1”：%2</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Move %1 &amp;to:</source>
        <translation>将 %1 移动到(&amp;T)：</translation>
    </message>
    <message>
        <source>Copy %1 &amp;to:</source>
        <translation>将 %1 复制到(&amp;T)：</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: the folder is not a full path</source>
        <translation>无法将“%1”复制到“%2”：该文件夹不是完整路径</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in that folder.</source>
        <translation>“%1”已在该文件夹中。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it with &quot;%2&quot;?</source>
        <translation>“%1”已存在。要用“%2”替换它吗？</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>无法将“%1”复制到“%2”：%3</translation>
    </message>
    <message>
        <source>The archive was copied to &quot;%1&quot;, but &quot;%2&quot; could not be deleted: %3</source>
        <translation>压缩包已复制到“%1”，但无法删除“%2”：%3</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>无法将“%1”重命名为“%2”：%3</translation>
    </message>
    <message>
        <source>invalid name</source>
        <translation>名称无效</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entire archive %1?</source>
        <translation>确定要删除整个压缩包 %1 吗？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved to the trash. Delete it for good?</source>
        <translation>无法将“%1”移到回收站。要永久删除吗？</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;: %2</source>
        <translation>无法删除“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot create a shortcut to &quot;%1&quot; on the desktop: %2</source>
        <translation>无法在桌面上创建“%1”的快捷方式：%2</translation>
    </message>
    <message>
        <source>no desktop folder is known</source>
        <translation>未找到桌面文件夹</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created</source>
        <translation>无法创建文件夹“%1”</translation>
    </message>
    <message>
        <source>Shortcut to %1</source>
        <translation>%1 的快捷方式</translation>
    </message>
    <message>
        <source>The shortcut to &quot;%1&quot; is on the desktop: &quot;%2&quot;.</source>
        <translation>“%1”的快捷方式已放在桌面上：“%2”。</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
</context>
<context>
    <name>ArchiveFileMenu</name>
    <message>
        <source>Ambermox (Beta test) - %1</source>
        <translation>Ambermox（测试版）- %1</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>Add &quot;%1&quot; to favorite Zip Folders?</source>
        <translation>要将“%1”添加到收藏的 Zip 文件夹吗？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. It has been removed from the recent archives.</source>
        <translation>“%1”已不存在，已将其从最近使用的压缩包中移除。</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>   &amp;Files   </source>
        <translation>   文件(&amp;F)   </translation>
    </message>
    <message>
        <source> &amp;Edit  </source>
        <translation> 编辑(&amp;E)  </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Archive </source>
        <translation>新建压缩包(&amp;N) </translation>
    </message>
    <message>
        <source>&amp;Open Archive </source>
        <translation>打开压缩包(&amp;O) </translation>
    </message>
    <message>
        <source>&amp;Favorite Zip Folders...</source>
        <translation>收藏的 Zip 文件夹(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Close Archive</source>
        <translation>关闭压缩包(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>属性(&amp;P)...</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>创建快捷方式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Move Archive</source>
        <translation>移动压缩包(&amp;M)</translation>
    </message>
    <message>
        <source>Cop&amp;y Archive </source>
        <translation>复制压缩包(&amp;Y) </translation>
    </message>
    <message>
        <source>&amp;Rename Archive</source>
        <translation>重命名压缩包(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete Archive...</source>
        <translation>删除压缩包(&amp;D)...</translation>
    </message>
    <message>
        <source>E&amp;xit </source>
        <translation>退出(&amp;X) </translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>反向选择(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Find File(s) </source>
        <translation>查找文件(&amp;F) </translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Best Fit Column Widths</source>
        <translation>自动调整列宽(&amp;B)</translation>
    </message>
    <message>
        <source>Default &amp;Columns Widths</source>
        <translation>默认列宽(&amp;C)</translation>
    </message>
    <message>
        <source>as &amp;Web Page</source>
        <translation>网页样式(&amp;W)</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>大图标(&amp;G)</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>小图标(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>列表(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>详细信息(&amp;D)</translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation>排列图标(&amp;I)</translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation>按名称(&amp;N)</translation>
    </message>
    <message>
        <source>by Pat&amp;h</source>
        <translation>按路径(&amp;H)</translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation>按类型(&amp;T)</translation>
    </message>
    <message>
        <source>by &amp;Size</source>
        <translation>按大小(&amp;S)</translation>
    </message>
    <message>
        <source>by P&amp;acked Size</source>
        <translation>按压缩后大小(&amp;A)</translation>
    </message>
    <message>
        <source>by &amp;Compression Ratio</source>
        <translation>按压缩率(&amp;C)</translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation>按日期(&amp;D)</translation>
    </message>
    <message>
        <source>by &amp;Original Order</source>
        <translation>按原始顺序(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>删除(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Extract...</source>
        <translation>解压(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation>查看(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Test Archive</source>
        <translation>测试压缩包(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;CheckOut</source>
        <translation>检出(&amp;C)</translation>
    </message>
    <message>
        <source>Ma&amp;ke .EXE File</source>
        <translation>生成 .EXE 文件(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>配置(&amp;C)</translation>
    </message>
    <message>
        <source>Vie&amp;w Last Output...</source>
        <translation>查看上次输出(&amp;W)...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Brief Tutorial</source>
        <translation>简明教程(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>每日提示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>常见问题(&amp;F)</translation>
    </message>
    <message>
        <source>Ambermox&apos;s &amp;Home Page</source>
        <translation>Ambermox 主页(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Ambermox...</source>
        <translation>关于 Ambermox(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>全选(&amp;S)</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>反向选择</translation>
    </message>
    <message>
        <source>File &amp;Properties</source>
        <translation>文件属性(&amp;P)</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>按名称排序(&amp;N)</translation>
    </message>
    <message>
        <source>Sort by Pat&amp;h</source>
        <translation>按路径排序(&amp;H)</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>按类型排序(&amp;T)</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>按大小排序(&amp;S)</translation>
    </message>
    <message>
        <source>Sort by P&amp;acked Size</source>
        <translation>按压缩后大小排序(&amp;A)</translation>
    </message>
    <message>
        <source>Sort by &amp;Compression Ratio</source>
        <translation>按压缩率排序(&amp;C)</translation>
    </message>
    <message>
        <source>Sort by &amp;Date</source>
        <translation>按日期排序(&amp;D)</translation>
    </message>
    <message>
        <source>Sort by &amp;Original Order</source>
        <translation>按原始顺序排序(&amp;O)</translation>
    </message>
    <message>
        <source>Flat Buttons</source>
        <translation>扁平按钮</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>显示文字</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>显示工具提示</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Create a new archive</source>
        <translation>新建压缩包</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open an existing archive</source>
        <translation>打开现有的压缩包</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>收藏夹</translation>
    </message>
    <message>
        <source>List archives in your Favorite Zip Folders</source>
        <translation>列出收藏的 Zip 文件夹中的压缩包</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add files to the archive</source>
        <translation>向压缩包中添加文件</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>解压</translation>
    </message>
    <message>
        <source>Extract files from the archive</source>
        <translation>从压缩包中解压文件</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete selected file(s)</source>
        <translation>删除所选文件</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>View files inside the archive</source>
        <translation>查看压缩包中的文件</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>检出</translation>
    </message>
    <message>
        <source>Create icons for files in the archive</source>
        <translation>为压缩包中的文件创建图标</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>名称编码(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Rename Member...</source>
        <translation>重命名成员(&amp;R)...</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>注释(&amp;M)...</translation>
    </message>
    <message>
        <source>Adding works on ZIP archives only; this is a %1 archive</source>
        <translation>只能向 ZIP 压缩包添加文件；这是 %1 压缩包</translation>
    </message>
    <message>
        <source>Deleting works on ZIP archives only; this is a %1 archive</source>
        <translation>只能从 ZIP 压缩包删除文件；这是 %1 压缩包</translation>
    </message>
    <message>
        <source>Renaming members works on ZIP archives only; this is a %1 archive</source>
        <translation>只能重命名 ZIP 压缩包中的成员；这是 %1 压缩包</translation>
    </message>
    <message>
        <source>Comments belong to ZIP archives only; this is a %1 archive</source>
        <translation>只有 ZIP 压缩包才有注释；这是 %1 压缩包</translation>
    </message>
    <message>
        <source>Self-extractors are made of ZIP archives only; this is a %1 archive</source>
        <translation>只能由 ZIP 压缩包制作自解压文件；这是 %1 压缩包</translation>
    </message>
</context>
<context>
    <name>CreateFolderForm</name>
    <message>
        <source>Create Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>当前文件夹：</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DialogCommands</name>
    <message>
        <source>No file selected for viewing.</source>
        <translation>未选择要查看的文件。</translation>
    </message>
</context>
<context>
    <name>EntryCopy</name>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>找不到文件夹“%1”。</translation>
    </message>
    <message>
        <source>Could not extract &quot;%1&quot; for viewing.</source>
        <translation>无法解压“%1”以供查看。</translation>
    </message>
</context>
<context>
    <name>FavoriteModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
</context>
<context>
    <name>FileRowModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>压缩率</translation>
    </message>
    <message>
        <source>Packed</source>
        <translation>压缩后大小</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>%1, encrypted</source>
        <translation>%1，已加密</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>MainDragDrop</name>
    <message>
        <source>Extracting</source>
        <translation>正在解压</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>找不到文件夹“%1”。</translation>
    </message>
    <message>
        <source>Files can be added to ZIP archives only; %1 is a %2 archive. Nothing was added.</source>
        <translation>只能向 ZIP 压缩包添加文件；%1 是 %2 压缩包。未添加任何内容。</translation>
    </message>
</context>
<context>
    <name>MemberEdits</name>
    <message>
        <source>The new name is empty.</source>
        <translation>新名称为空。</translation>
    </message>
    <message>
        <source>The new name must not start at the root: %1</source>
        <translation>新名称不能从根目录开始：%1</translation>
    </message>
    <message>
        <source>The new name must not hold a line break.</source>
        <translation>新名称不能包含换行符。</translation>
    </message>
    <message>
        <source>The new name must not hold &quot;..&quot;: %1</source>
        <translation>新名称不能包含“..”：%1</translation>
    </message>
    <message>
        <source>The archive could not be changed.</source>
        <translation>无法更改压缩包。</translation>
    </message>
    <message>
        <source>%1 has no comment.</source>
        <translation>%1 没有注释。</translation>
    </message>
    <message>
        <source>Comment of %1:

%2</source>
        <translation>%1 的注释：

%2</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Comment of %1:</source>
        <translation>%1 的注释：</translation>
    </message>
    <message>
        <source>The comment has %1 bytes; an archive comment holds at most 65,535. The archive is unchanged.</source>
        <translation>注释有 %1 字节；压缩包注释最多 65,535 字节。压缩包未更改。</translation>
    </message>
    <message>
        <source>No file selected for renaming.</source>
        <translation>未选择要重命名的文件。</translation>
    </message>
    <message>
        <source>Select one member, or members of one folder, to rename.</source>
        <translation>请选择一个成员，或同一文件夹中的成员，进行重命名。</translation>
    </message>
    <message>
        <source>Rename Member</source>
        <translation>重命名成员</translation>
    </message>
    <message>
        <source>New name of the folder %1 and everything in it:</source>
        <translation>文件夹 %1 及其全部内容的新名称：</translation>
    </message>
    <message>
        <source>New name of %1:</source>
        <translation>%1 的新名称：</translation>
    </message>
    <message>
        <source>The archive is unchanged.</source>
        <translation>压缩包未更改。</translation>
    </message>
    <message>
        <source>%1 exists in the archive already. The archive is unchanged.</source>
        <translation>%1 已存在于压缩包中。压缩包未更改。</translation>
    </message>
    <message>
        <source>%1 has changed. Update the archive?</source>
        <translation>%1 已更改。要更新压缩包吗？</translation>
    </message>
    <message>
        <source>The archive is unchanged. The changed copy is kept in %1</source>
        <translation>压缩包未更改。已更改的副本保存在 %1</translation>
    </message>
    <message>
        <source>Cannot prepare %1 for the archive. The changed copy is kept in %2</source>
        <translation>无法为压缩包准备 %1。已更改的副本保存在 %2</translation>
    </message>
    <message>
        <source>The changed copy is kept in %1</source>
        <translation>已更改的副本保存在 %1</translation>
    </message>
    <message>
        <source>%1 has changed, but it is encrypted in the archive and is not put back without encryption. The changed copy is kept in %2</source>
        <translation>%1 已更改，但它在压缩包中是加密的，不会以未加密的形式放回。更改后的副本保存在 %2</translation>
    </message>
</context>
<context>
    <name>NameEncodingMenu</name>
    <message>
        <source>&amp;Automatic</source>
        <translation>自动(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Automatic (%1)</source>
        <translation>自动 (%1)(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>The operation reported a problem:
%1</source>
        <translation>操作报告了一个问题：
%1</translation>
    </message>
    <message>
        <source>The operation reported %1 problems. The first:
%2</source>
        <translation>操作报告了 %1 个问题。第一个是：
%2</translation>
    </message>
    <message>
        <source>

Every message is in &quot;View Last Output...&quot; in the Options menu.</source>
        <translation>

所有消息都可在“选项”菜单的“查看上次输出...”中查看。</translation>
    </message>
    <message>
        <source>Please wait until the running archive operation has finished.</source>
        <translation>请等待正在进行的压缩包操作完成。</translation>
    </message>
    <message>
        <source>Archive Operation Interrupted. Continue?</source>
        <translation>压缩包操作已中断。要继续吗？</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>正在测试</translation>
    </message>
</context>
<context>
    <name>OutputLogView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Wrong password for %1</source>
        <translation>%1 的密码错误</translation>
    </message>
    <message>
        <source>Password for %1</source>
        <translation>%1 的密码</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>&amp;Show password</source>
        <translation>显示密码(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Use for all members</source>
        <translation>用于所有条目(&amp;U)</translation>
    </message>
    <message>
        <source>Try this password on the next encrypted members too, before asking again</source>
        <translation>再次询问之前，先对后续的加密条目也尝试此密码</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>1 encrypted member was skipped without its password.</source>
        <translation>已跳过 1 个加密条目（没有密码）。</translation>
    </message>
    <message>
        <source>%1 encrypted members were skipped without their password.</source>
        <translation>已跳过 %1 个加密条目（没有密码）。</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>1 file already in &quot;%1&quot; was kept as it was.</source>
        <translation>“%1”中已有的 1 个文件保持原样。</translation>
    </message>
    <message numerus="yes">
        <source>%n files already in &quot;%1&quot; were kept as they were.</source>
        <translation>
            <numerusform>“%1”中已有的 %n 个文件保持原样。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyForm</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>无法打开“%1”：%2。</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <source>it holds no address</source>
        <translation>其中没有地址</translation>
    </message>
    <message>
        <source>no program is set up to open files of the type &quot;%1&quot; (%2)</source>
        <translation>没有设置用于打开“%1”类型文件（%2）的程序</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) could not be started</source>
        <translation>无法启动桌面的打开程序（xdg-open）</translation>
    </message>
    <message>
        <source>no program is set up to open &quot;%1&quot; addresses</source>
        <translation>没有设置用于打开“%1”地址的程序</translation>
    </message>
</context>
<context>
    <name>ShellVerbs</name>
    <message>
        <source>%1: not a ZIP archive</source>
        <translation>%1：不是 ZIP 压缩包</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>文件夹“%1”不存在。</translation>
    </message>
    <message>
        <source>No valid zip entries found</source>
        <translation>未找到有效的 Zip 条目</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <source>No file or folder was given.</source>
        <translation>未指定文件或文件夹。</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>How far the running operation is</source>
        <translation>正在进行的操作的进度</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Green lamp, lit while no operation runs</source>
        <translation>绿灯，没有操作进行时亮起</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>忙碌</translation>
    </message>
    <message>
        <source>Red lamp, lit while an operation runs</source>
        <translation>红灯，有操作进行时亮起</translation>
    </message>
</context>
<context>
    <name>StatusProgress</name>
    <message>
        <source>Waiting for another program: &quot;%1&quot;</source>
        <translation>正在等待另一个程序：“%1”</translation>
    </message>
    <message>
        <source>Waiting for another program to finish writing &quot;%1&quot;</source>
        <translation>正在等待另一个程序写完“%1”</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>About Ambermox</source>
        <translation>关于 Ambermox</translation>
    </message>
    <message>
        <source>Ambermox %1</source>
        <translation>Ambermox %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>构建于 %1</translation>
    </message>
    <message>
        <source>Add library %1, extract library %2</source>
        <translation>添加库 %1，解压库 %2</translation>
    </message>
    <message>
        <source>Contact points are</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>E-mail: authors@ambermox.example.org</source>
        <translation>电子邮件：authors@ambermox.example.org</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>致谢</translation>
    </message>
    <message>
        <source>Program by the Ambermox developers</source>
        <translation>程序由 Ambermox 开发者编写</translation>
    </message>
    <message>
        <source>amxzip and amxunz compression libraries by the Ambermox developers</source>
        <translation>amxzip 和 amxunz 压缩库由 Ambermox 开发者编写</translation>
    </message>
    <message>
        <source>See help for details...</source>
        <translation>详情请参阅帮助...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;FAQs</source>
        <translation>常见问题(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>网站(&amp;W)</translation>
    </message>
</context>
<context>
    <name>TAddForm</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2.</source>
        <translation>无法打开文件“%1”。%2。</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>无法删除文件“%1”。%2。</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added, the archive is as it was before.</source>
        <translation>已取消：未添加任何文件，压缩包保持原样。</translation>
    </message>
    <message>
        <source>Cancelled: the files of the last step were not added; the steps before it were.</source>
        <translation>已取消：最后一步的文件未添加；之前各步的文件已添加。</translation>
    </message>
    <message>
        <source>Cannot change to folder &quot;%1&quot;. %2.</source>
        <translation>无法切换到文件夹“%1”。%2。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Go up one folder</source>
        <translation>转到上一级文件夹</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Show the files as a list</source>
        <translation>以列表显示文件</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Show the files with their size, type and date</source>
        <translation>显示文件的大小、类型和日期</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>The files and folders of the folder shown above</source>
        <translation>上面所示文件夹中的文件和文件夹</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>添加（并替换）文件</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>刷新已有文件</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>移动文件</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>更新（并添加）文件</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>最大（最慢）</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>极速</translation>
    </message>
    <message>
        <source>None</source>
        <translation>不压缩</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>操作(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>压缩级别(&amp;C)：</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>以 8.3 格式保存文件名(&amp;8)</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>压缩包时间设为最新文件的时间</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>包括系统文件和隐藏文件</translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>保存额外的文件夹信息(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>正在添加</translation>
    </message>
    <message>
        <source>&amp;Encrypt with password</source>
        <translation>使用密码加密(&amp;E)</translation>
    </message>
    <message>
        <source>AES-256</source>
        <translation>AES-256</translation>
    </message>
    <message>
        <source>ZipCrypto (compatible with old tools, weak)</source>
        <translation>ZipCrypto（兼容旧工具，较弱）</translation>
    </message>
    <message>
        <source>Encryption method</source>
        <translation>加密方法</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>重复(&amp;R)：</translation>
    </message>
    <message>
        <source>Please type the password to encrypt with: an empty one protects nothing.</source>
        <translation>请输入用于加密的密码：空密码无法提供任何保护。</translation>
    </message>
    <message>
        <source>The two passwords differ. Please type the same password twice.</source>
        <translation>两次输入的密码不一致。请输入两次相同的密码。</translation>
    </message>
</context>
<context>
    <name>TAsciview</name>
    <message>
        <source>View: </source>
        <translation>查看： </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Clipboard Copy</source>
        <translation>复制到剪贴板(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>字体(&amp;F)</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>查看：%1</translation>
    </message>
</context>
<context>
    <name>TCheckOut</name>
    <message>
        <source>the folder is not a full path</source>
        <translation>该文件夹不是完整路径</translation>
    </message>
    <message>
        <source>a group needs a name</source>
        <translation>程序组需要一个名称</translation>
    </message>
    <message>
        <source>a group name cannot lead out of the applications folder</source>
        <translation>程序组名称不能指向应用程序文件夹之外</translation>
    </message>
    <message>
        <source>Unable to create the program group %1: %2</source>
        <translation>无法创建程序组 %1：%2</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: its name is too long for a file name.</source>
        <translation>未为“%1”创建启动器：其名称太长，无法用作文件名。</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: %2</source>
        <translation>未为“%1”创建启动器：%2</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>检出</translation>
    </message>
    <message>
        <source>All files will be extracted to the specified folder, and a program group will be build.</source>
        <translation>所有文件将解压到指定的文件夹，并创建一个程序组。</translation>
    </message>
    <message>
        <source>&amp;Create icons for programs and documents only</source>
        <translation>仅为程序和文档创建图标(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>文件夹(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Group name:</source>
        <translation>程序组名称(&amp;G)：</translation>
    </message>
    <message>
        <source>&amp;Maximum icons:</source>
        <translation>最多图标数(&amp;M)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>正在解压</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数值</translation>
    </message>
    <message>
        <source>Cannot check out into &quot;%1&quot;: %2.</source>
        <translation>无法检出到“%1”：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the group name: %2.</source>
        <translation>“%1”不能用作程序组名称：%2。</translation>
    </message>
</context>
<context>
    <name>TConfigurationForm</name>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>View &amp;Toolbar</source>
        <translation>显示工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>View &amp;StatusBar</source>
        <translation>显示状态栏(&amp;S)</translation>
    </message>
    <message>
        <source> General </source>
        <translation> 常规 </translation>
    </message>
    <message>
        <source>&amp;Full row select</source>
        <translation>整行选择(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation>网格线(&amp;G)</translation>
    </message>
    <message>
        <source>As &amp;Web page</source>
        <translation>网页样式(&amp;W)</translation>
    </message>
    <message>
        <source> Filelist view style </source>
        <translation> 文件列表视图样式 </translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>大图标</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>小图标</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source> Toolbar Configuration </source>
        <translation> 工具栏配置 </translation>
    </message>
    <message>
        <source>Show button &amp;text</source>
        <translation>显示按钮文字(&amp;T)</translation>
    </message>
    <message>
        <source>Show tool &amp;tips</source>
        <translation>显示工具提示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Flat toolbar buttons</source>
        <translation>扁平工具栏按钮(&amp;F)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source> &amp;Temp folder </source>
        <translation> 临时文件夹(&amp;T) </translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>临时文件夹</translation>
    </message>
    <message>
        <source>Choose the temp folder</source>
        <translation>选择临时文件夹</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>&amp;Viewer:</source>
        <translation>查看器(&amp;V)：</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>查看器</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <translation>选择查看器程序</translation>
    </message>
    <message>
        <source>Program Locations</source>
        <translation>程序位置</translation>
    </message>
    <message>
        <source>Temporary folder</source>
        <translation>临时文件夹</translation>
    </message>
    <message>
        <source>Select &amp;temporary folder:</source>
        <translation>选择临时文件夹(&amp;T)：</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>程序|*</translation>
    </message>
    <message>
        <source>The temporary folder cannot be empty; it stays %1.</source>
        <translation>临时文件夹不能为空；仍使用 %1。</translation>
    </message>
</context>
<context>
    <name>TDeleteForm</name>
    <message>
        <source>Delete the only member of %1?</source>
        <translation>要删除 %1 中唯一的条目吗？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>&amp;Entire archive</source>
        <translation>整个压缩包(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>所选文件(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>文件(&amp;F)：</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Names of the files to delete; * and ? match any</source>
        <translation>要删除的文件名；* 和 ? 可匹配任意字符</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n members of %1?</source>
        <translation>
            <numerusform>要删除 %1 中的全部 %n 个条目吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDragForm</name>
    <message>
        <source>Drag and Drop</source>
        <translation>拖放</translation>
    </message>
    <message>
        <source>A&amp;dd to archive:</source>
        <translation>添加到压缩包(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新建(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>添加（并替换）文件</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>刷新已有文件</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>移动文件</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>更新（并添加）文件</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>最大（最慢）</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>极速</translation>
    </message>
    <message>
        <source>None</source>
        <translation>不压缩</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>操作(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>压缩级别(&amp;C)：</translation>
    </message>
    <message>
        <source> Folders </source>
        <translation> 文件夹 </translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>保存额外的文件夹信息(&amp;S)</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>包括系统文件和隐藏文件</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>压缩包时间设为最新文件的时间</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>以 8.3 格式保存文件名(&amp;8)</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>正在添加</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.exe;*.zip</source>
        <translation>Zip 文件|*.zip|压缩包和 .exe 文件|*.exe;*.zip</translation>
    </message>
    <message>
        <source>File dragged: %1</source>
        <translation>拖入的文件：%1</translation>
    </message>
    <message>
        <source>Files dragged: %1</source>
        <translation>拖入的文件：%1</translation>
    </message>
</context>
<context>
    <name>TEXEForm</name>
    <message>
        <source>Ambermox Self-Extractor</source>
        <translation>Ambermox 自解压程序</translation>
    </message>
    <message>
        <source>Default &quot;UnZip &amp;To&quot; Folder:</source>
        <translation>默认“解压到”文件夹(&amp;T)：</translation>
    </message>
    <message>
        <source>%temp% means users&apos;s TEMP= Folder</source>
        <translation>%temp% 表示用户的 TEMP= 文件夹</translation>
    </message>
    <message>
        <source>&amp;Caption:</source>
        <translation>标题(&amp;C)：</translation>
    </message>
    <message>
        <source>Co&amp;mmand line after extracting:</source>
        <translation>解压后运行的命令行(&amp;M)：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&quot;$0&quot;; printf &apos;\nPress Enter to close. &apos;; read x</source>
        <translation>&quot;$0&quot;; printf &apos;\n按 Enter 键关闭。&apos;; read x</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been created from 
&apos;%2&apos;.
Before distributing the EXE file, please be sure to test it in all target enviroments.

Do you want to test it now?</source>
        <translation>已从
“%2”
创建“%1”。
在分发此 EXE 文件之前，请务必在所有目标环境中测试它。

现在测试吗？</translation>
    </message>
</context>
<context>
    <name>TExtractForm</name>
    <message>
        <source>Extract</source>
        <translation>解压</translation>
    </message>
    <message>
        <source>E&amp;xtract to:</source>
        <translation>解压到(&amp;X)：</translation>
    </message>
    <message>
        <source>Show the folder in the tree</source>
        <translation>在树中显示该文件夹</translation>
    </message>
    <message>
        <source>&amp;Folders/drives:</source>
        <translation>文件夹/驱动器(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>解压(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;New Folder...</source>
        <translation>新建文件夹(&amp;N)...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>所选文件(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;All files</source>
        <translation>全部文件(&amp;A)</translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation>文件(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Overwrite Existing Files</source>
        <translation>覆盖已有文件(&amp;O)</translation>
    </message>
    <message>
        <source>S&amp;kip Older Files</source>
        <translation>跳过较旧的文件(&amp;K)</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>正在解压</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>找不到文件夹“%1”。</translation>
    </message>
    <message>
        <source>Error - no files selected for extraction</source>
        <translation>错误 - 未选择要解压的文件</translation>
    </message>
</context>
<context>
    <name>TFavorOptForm</name>
    <message>
        <source>Ambermox Options</source>
        <translation>Ambermox 选项</translation>
    </message>
    <message>
        <source>&amp;Add a folder to list</source>
        <translation>将文件夹添加到列表(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove folder</source>
        <translation>移除文件夹(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Ambermox will automatically list Zip files located in the following folders. Click the button below to add or remove from your Favorite Zip Folders.</source>
        <translation>Ambermox 会自动列出位于下列文件夹中的 Zip 文件。单击下面的按钮可在收藏的 Zip 文件夹中添加或移除文件夹。(&amp;A)</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>收藏的 Zip 文件夹</translation>
    </message>
    <message>
        <source>&amp;Add the folder to the Favorite Zip Folders automatically</source>
        <translation>自动将文件夹添加到收藏的 Zip 文件夹(&amp;A)</translation>
    </message>
    <message>
        <source>A&amp;sk before adding the folder to the Favorite Zip Folders</source>
        <translation>将文件夹添加到收藏的 Zip 文件夹之前询问(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Do not add the folder to the Favorite Zip Folders</source>
        <translation>不将文件夹添加到收藏的 Zip 文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>If you open a Zip file that is not in one of your Favorite Zip Folders, Ambermox can add the folder to your Favorite Zip Folders.</source>
        <translation>如果打开的 Zip 文件不在收藏的 Zip 文件夹中，Ambermox 可以将其所在的文件夹添加到收藏的 Zip 文件夹。</translation>
    </message>
    <message>
        <source>Other Zip Folders</source>
        <translation>其他 Zip 文件夹</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>选择文件夹(&amp;S)</translation>
    </message>
</context>
<context>
    <name>TFavoriteForm</name>
    <message>
        <source>Files in Favorite Zip Folders sorted by name:</source>
        <translation>收藏的 Zip 文件夹中的文件（按名称排序）：</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by date:</source>
        <translation>收藏的 Zip 文件夹中的文件（按日期排序）：</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by folder:</source>
        <translation>收藏的 Zip 文件夹中的文件（按文件夹排序）：</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>收藏的 Zip 文件夹</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders:</source>
        <translation>收藏的 Zip 文件夹中的文件：</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders</source>
        <translation>收藏的 Zip 文件夹中的文件</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>未选择文件。</translation>
    </message>
    <message>
        <source>Zip files</source>
        <translation>Zip 文件</translation>
    </message>
    <message>
        <source>Files of &amp;type:</source>
        <translation>文件类型(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>搜索(&amp;S)...</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>选项(&amp;P)...</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>文件名：%1</translation>
    </message>
</context>
<context>
    <name>TFilePropForm</name>
    <message>
        <source>File Properties</source>
        <translation>文件属性</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>文件大小：</translation>
    </message>
    <message>
        <source>Packed size:</source>
        <translation>压缩后大小：</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>压缩率：</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>修改时间：</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 文件</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>TFindForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>“%1”不是有效的日期和时间</translation>
    </message>
    <message>
        <source>Find file(s)</source>
        <translation>查找文件</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>文件类型(&amp;T)：</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>范围</translation>
    </message>
    <message>
        <source>&amp;All Dates</source>
        <translation>所有日期(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find Files created or modified </source>
        <translation>查找在以下时间创建或修改的文件(&amp;F) </translation>
    </message>
    <message>
        <source>Between</source>
        <translation>从</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>日(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>月(&amp;M)：</translation>
    </message>
    <message>
        <source>Y&amp;ear:</source>
        <translation>年(&amp;E)：</translation>
    </message>
    <message>
        <source>Da&amp;y:</source>
        <translation>日(&amp;Y)：</translation>
    </message>
    <message>
        <source>M&amp;onth:</source>
        <translation>月(&amp;O)：</translation>
    </message>
    <message>
        <source>Yea&amp;r:</source>
        <translation>年(&amp;R)：</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>&amp;All sizes</source>
        <translation>所有大小(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find  file size in the range</source>
        <translation>查找大小在以下范围内的文件(&amp;F)</translation>
    </message>
    <message>
        <source>Below (&lt;=)</source>
        <translation>不超过 (&lt;=)</translation>
    </message>
    <message>
        <source>Above (&gt;=)</source>
        <translation>不小于 (&gt;=)</translation>
    </message>
    <message>
        <source>Exact (=)</source>
        <translation>等于 (=)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>and</source>
        <translation>至</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>字节</translation>
    </message>
</context>
<context>
    <name>TLnEForm</name>
    <message>
        <source>Ambermox - Adding</source>
        <translation>Ambermox - 正在添加</translation>
    </message>
    <message>
        <source>How much of the folder is added</source>
        <translation>文件夹已添加的比例</translation>
    </message>
    <message>
        <source>Ambermox - Extracting</source>
        <translation>Ambermox - 正在解压</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>How much of the archive is extracted</source>
        <translation>压缩包已解压的比例</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.zip;*.exe</source>
        <translation>Zip 文件|*.zip|压缩包和 .exe 文件|*.zip;*.exe</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; to create or &quot;Open&quot; to open an archive.</source>
        <translation>选择“新建”创建压缩包，或选择“打开”打开压缩包。</translation>
    </message>
    <message>
        <source>No file(s) selected.</source>
        <translation>未选择文件。</translation>
    </message>
    <message>
        <source>Archive contents</source>
        <translation>压缩包内容</translation>
    </message>
    <message>
        <source>The files in the open archive</source>
        <translation>已打开的压缩包中的文件</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Ambermox</source>
        <translation>Ambermox</translation>
    </message>
    <message>
        <source>The program&apos;s turning picture</source>
        <translation>程序的旋转图标</translation>
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
        <translation>打开</translation>
    </message>
    <message>
        <source>Reading directory...</source>
        <translation>正在读取目录...</translation>
    </message>
    <message>
        <source>Sorting files...</source>
        <translation>正在排序文件...</translation>
    </message>
    <message>
        <source>Loading file list...</source>
        <translation>正在加载文件列表...</translation>
    </message>
    <message>
        <source>Total 1 file, %1 kB [%2 kB]</source>
        <translation>共 1 个文件，%1 kB [%2 kB]</translation>
    </message>
    <message numerus="yes">
        <source>Total %1 files, %2 kB [%3 kB]</source>
        <translation>
            <numerusform>共 %1 个文件，%2 kB [%3 kB]</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected 1 file, %1 kB</source>
        <translation>已选择 1 个文件，%1 kB</translation>
    </message>
    <message numerus="yes">
        <source>Selected %1 files, %2 kB</source>
        <translation>
            <numerusform>已选择 %1 个文件，%2 kB</numerusform>
        </translation>
    </message>
    <message>
        <source>[Comment]</source>
        <translation>[注释]</translation>
    </message>
</context>
<context>
    <name>TMsgForm</name>
    <message>
        <source>View Last Output</source>
        <translation>查看上次输出</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TRenameForm</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>新名称(&amp;T)：</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>原名称：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TSearchForm</name>
    <message>
        <source>Ambermox Search</source>
        <translation>Ambermox 搜索</translation>
    </message>
    <message>
        <source>Ambermox can automatically search for Zip files,  or, if  you want  to  search  for  a file yourselft, click &quot;Let me find it&quot;.</source>
        <translation>Ambermox 可以自动搜索 Zip 文件；如果您想自己查找文件，请单击“让我自己查找”。</translation>
    </message>
    <message>
        <source>&amp;Search hard disk(s) on this PC</source>
        <translation>搜索此电脑上的硬盘(&amp;S)</translation>
    </message>
    <message>
        <source>Search &amp;disk:</source>
        <translation>搜索磁盘(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Let me find it (not automatic)</source>
        <translation>让我自己查找（不自动搜索）(&amp;L)</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>正在搜索</translation>
    </message>
    <message>
        <source>Moves while the search runs</source>
        <translation>搜索进行时会转动</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Ambermox Wizard - Select Zip File</source>
        <translation>Ambermox 向导 - 选择 Zip 文件</translation>
    </message>
    <message>
        <source>Zip files|*.zip</source>
        <translation>Zip 文件|*.zip</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <translation>正在搜索 %1</translation>
    </message>
    <message numerus="yes">
        <source>Searched %1, %n file(s) found...</source>
        <translation>
            <numerusform>已搜索 %1，找到 %n 个文件...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSelDirForm</name>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>&amp;Folders and disk drives:</source>
        <translation>文件夹和磁盘驱动器(&amp;F)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新建(&amp;N)...</translation>
    </message>
</context>
<context>
    <name>TTipForm</name>
    <message>
        <source>Ambermox Tip of the Day</source>
        <translation>Ambermox 每日提示</translation>
    </message>
    <message>
        <source>Did you know..</source>
        <translation>您知道吗……</translation>
    </message>
    <message>
        <source>Always show tips at startup</source>
        <translation>启动时总是显示提示</translation>
    </message>
    <message>
        <source>Show tip at startup if not opening Zip file</source>
        <translation>启动时如果未打开 Zip 文件则显示提示</translation>
    </message>
    <message>
        <source>Never show tips at startup</source>
        <translation>启动时从不显示提示</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>下一条提示(&amp;N)</translation>
    </message>
</context>
<context>
    <name>TViewForm</name>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source> Using </source>
        <translation> 使用 </translation>
    </message>
    <message>
        <source>&amp;Associated program</source>
        <translation>关联的程序(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Internal ASCII text viewer</source>
        <translation>内置 ASCII 文本查看器(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Viewer: </source>
        <translation>查看器(&amp;V)： </translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>查看器</translation>
    </message>
    <message>
        <source>Browse for the viewer program</source>
        <translation>浏览查看器程序</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>程序|*</translation>
    </message>
    <message>
        <source>Cannot find the viewer program &quot;%1&quot;.</source>
        <translation>找不到查看器程序“%1”。</translation>
    </message>
</context>
<context>
    <name>TZipPropForm</name>
    <message>
        <source>Zip Properties</source>
        <translation>Zip 属性</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>文件大小：</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件数</translation>
    </message>
    <message>
        <source>Compression:</source>
        <translation>压缩率：</translation>
    </message>
    <message>
        <source>Date/time:</source>
        <translation>日期/时间：</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>注释(&amp;M)...</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>The Tip of the Day dialog box is normally displayed when you start Ambermox but are not automatically opening a Zip file. You can change this option so tips are never displayed, or always displayed when Ambermox is started.</source>
        <translation>通常在启动 Ambermox 而未自动打开 Zip 文件时显示“每日提示”对话框。您可以更改此选项，使提示从不显示，或在每次启动 Ambermox 时都显示。</translation>
    </message>
    <message>
        <source>If you turn the Tip of the Day off and later want to restore it, select Tip of the Day from the Ambermox Help pull-down menu, then select from the combo box at the bottom of the dialog box.</source>
        <translation>如果您关闭了每日提示，之后又想恢复，请从 Ambermox 的“帮助”菜单中选择“每日提示”，然后在对话框底部的组合框中进行选择。</translation>
    </message>
    <message>
        <source>Ambermox&apos;s toolbar buttons look much better if your display is in high-color mode. </source>
        <translation>如果显示器处于高彩色模式，Ambermox 的工具栏按钮会好看得多。 </translation>
    </message>
    <message>
        <source>For a Brief Tutorial on Ambermox, select Brief Tutorial from the Ambermox Help pull-down menu.</source>
        <translation>要查看 Ambermox 简明教程，请从 Ambermox 的“帮助”菜单中选择“简明教程”。</translation>
    </message>
    <message>
        <source>For answers to Frequently Asked Questions (FAQs), select Frequently Asked Questions from the Ambermox Help pull-down menu.</source>
        <translation>要查看常见问题（FAQ）的解答，请从 Ambermox 的“帮助”菜单中选择“常见问题”。</translation>
    </message>
    <message>
        <source>To display details about the open Zip file (for example, the date the Zip file was last modified or the name of the folder containing the Zip file), click on the Ambermox status line or select Properties from the Ambermox File menu.</source>
        <translation>要显示已打开的 Zip 文件的详细信息（例如 Zip 文件的最后修改日期或其所在文件夹的名称），请单击 Ambermox 的状态栏，或从 Ambermox 的“文件”菜单中选择“属性”。</translation>
    </message>
    <message>
        <source>You can interrupt an archive operation by clicking anywhere in the Ambermox window. This will activate the &quot;Operation Interrupted&quot; dialog box.</source>
        <translation>单击 Ambermox 窗口中的任意位置即可中断压缩包操作。这将显示“操作已中断”对话框。</translation>
    </message>
    <message>
        <source>You can quickly extract files from a Zip file by dragging the files from Ambermox to any folder or Explorer window (or even to the desktop).</source>
        <translation>将文件从 Ambermox 拖到任意文件夹或文件管理器窗口（甚至桌面）上，即可快速从 Zip 文件中解压文件。</translation>
    </message>
    <message>
        <source>You can quickly add files to a Zip file by dragging the files from any folder or Explorer window to Ambermox.</source>
        <translation>将文件从任意文件夹或文件管理器窗口拖到 Ambermox 中，即可快速将文件添加到 Zip 文件中。</translation>
    </message>
    <message>
        <source>If you can&apos;t remember where you put your Zip files, you can use the Favorite Zip Folders feature to find them. Select Favorite Zip Folders from the Ambermox File menu.</source>
        <translation>如果您记不清 Zip 文件放在哪里，可以使用“收藏的 Zip 文件夹”功能来查找。请从 Ambermox 的“文件”菜单中选择“收藏的 Zip 文件夹”。</translation>
    </message>
    <message>
        <source>You can easily view files in a Zip file by dragging them to an application or a shortcut to an application.</source>
        <translation>将 Zip 文件中的文件拖到某个应用程序或应用程序的快捷方式上，即可轻松查看这些文件。</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
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
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>是一个文件夹</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>无法读取文件“%1”。%2</translation>
    </message>
    <message>
        <source>View: %1 (not a text file: only the first %2 of %3 shown)</source>
        <translation>查看：%1（不是文本文件：仅显示 %3 中的前 %2）</translation>
    </message>
    <message>
        <source>View: %1 (only the first %2 of %3 shown)</source>
        <translation>查看：%1（仅显示 %3 中的前 %2）</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>查看：%1</translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Root</source>
        <translation>根目录</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主目录</translation>
    </message>
</context>
</TS>
