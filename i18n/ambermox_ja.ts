<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AddBrowser</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>マイ コンピューター</translation>
    </message>
</context>
<context>
    <name>AddListModel</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>ファイルの種類</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>合計サイズ</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>空き容量</translation>
    </message>
</context>
<context>
    <name>AmxDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ArchiveFileCommands</name>
    <message>
        <source>the copy is incomplete</source>
        <translation>コピーが不完全です</translation>
    </message>
    <message>
        <source>New Archive</source>
        <translation>新しいアーカイブ</translation>
    </message>
    <message>
        <source>ZIP files|*.zip</source>
        <translation>ZIP ファイル|*.zip</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;. File already exists. Open existing file?</source>
        <translation>「%1」を作成できません。ファイルは既に存在します。既存のファイルを開きますか？</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>「%1」を作成できません：%2</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Move %1 &amp;to:</source>
        <translation>%1 の移動先(&amp;T)：</translation>
    </message>
    <message>
        <source>Copy %1 &amp;to:</source>
        <translation>%1 のコピー先(&amp;T)：</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: the folder is not a full path</source>
        <translation>「%1」を「%2」にコピーできません：フォルダーが完全なパスではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in that folder.</source>
        <translation>「%1」は既にそのフォルダーにあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it with &quot;%2&quot;?</source>
        <translation>「%1」は既に存在します。「%2」で置き換えますか？</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>「%1」を「%2」にコピーできません：%3</translation>
    </message>
    <message>
        <source>The archive was copied to &quot;%1&quot;, but &quot;%2&quot; could not be deleted: %3</source>
        <translation>アーカイブは「%1」にコピーされましたが、「%2」を削除できませんでした：%3</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>「%1」の名前を「%2」に変更できません：%3</translation>
    </message>
    <message>
        <source>invalid name</source>
        <translation>無効な名前です</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entire archive %1?</source>
        <translation>アーカイブ %1 全体を削除しますか？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved to the trash. Delete it for good?</source>
        <translation>「%1」をごみ箱に移動できません。完全に削除しますか？</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;: %2</source>
        <translation>「%1」を削除できません：%2</translation>
    </message>
    <message>
        <source>Cannot create a shortcut to &quot;%1&quot; on the desktop: %2</source>
        <translation>デスクトップに「%1」へのショートカットを作成できません：%2</translation>
    </message>
    <message>
        <source>no desktop folder is known</source>
        <translation>デスクトップ フォルダーが不明です</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created</source>
        <translation>フォルダー「%1」を作成できません</translation>
    </message>
    <message>
        <source>Shortcut to %1</source>
        <translation>%1 へのショートカット</translation>
    </message>
    <message>
        <source>The shortcut to &quot;%1&quot; is on the desktop: &quot;%2&quot;.</source>
        <translation>「%1」へのショートカットをデスクトップに作成しました：「%2」。</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
</context>
<context>
    <name>ArchiveFileMenu</name>
    <message>
        <source>Ambermox (Beta test) - %1</source>
        <translation>Ambermox (ベータテスト版) - %1</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>Add &quot;%1&quot; to favorite Zip Folders?</source>
        <translation>「%1」をお気に入り Zip フォルダーに追加しますか？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. It has been removed from the recent archives.</source>
        <translation>「%1」は存在しません。最近使ったアーカイブから削除しました。</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>   &amp;Files   </source>
        <translation>   ファイル(&amp;F)   </translation>
    </message>
    <message>
        <source> &amp;Edit  </source>
        <translation> 編集(&amp;E)  </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Archive </source>
        <translation>新しいアーカイブ(&amp;N) </translation>
    </message>
    <message>
        <source>&amp;Open Archive </source>
        <translation>アーカイブを開く(&amp;O) </translation>
    </message>
    <message>
        <source>&amp;Favorite Zip Folders...</source>
        <translation>お気に入り Zip フォルダー(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Close Archive</source>
        <translation>アーカイブを閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>プロパティ(&amp;P)...</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>ショートカットの作成(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Move Archive</source>
        <translation>アーカイブの移動(&amp;M)</translation>
    </message>
    <message>
        <source>Cop&amp;y Archive </source>
        <translation>アーカイブのコピー(&amp;Y) </translation>
    </message>
    <message>
        <source>&amp;Rename Archive</source>
        <translation>アーカイブの名前変更(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete Archive...</source>
        <translation>アーカイブの削除(&amp;D)...</translation>
    </message>
    <message>
        <source>E&amp;xit </source>
        <translation>終了(&amp;X) </translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>選択の切り替え(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Find File(s) </source>
        <translation>ファイルの検索(&amp;F) </translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータス バー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Best Fit Column Widths</source>
        <translation>列幅の自動調整(&amp;B)</translation>
    </message>
    <message>
        <source>Default &amp;Columns Widths</source>
        <translation>既定の列幅(&amp;C)</translation>
    </message>
    <message>
        <source>as &amp;Web Page</source>
        <translation>Web ページとして表示(&amp;W)</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>大きいアイコン(&amp;G)</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>小さいアイコン(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>一覧(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>詳細(&amp;D)</translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation>アイコンの整列(&amp;I)</translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation>名前順(&amp;N)</translation>
    </message>
    <message>
        <source>by Pat&amp;h</source>
        <translation>パス順(&amp;H)</translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation>種類順(&amp;T)</translation>
    </message>
    <message>
        <source>by &amp;Size</source>
        <translation>サイズ順(&amp;S)</translation>
    </message>
    <message>
        <source>by P&amp;acked Size</source>
        <translation>圧縮サイズ順(&amp;A)</translation>
    </message>
    <message>
        <source>by &amp;Compression Ratio</source>
        <translation>圧縮率順(&amp;C)</translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation>日付順(&amp;D)</translation>
    </message>
    <message>
        <source>by &amp;Original Order</source>
        <translation>元の順序(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>削除(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Extract...</source>
        <translation>展開(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation>表示(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Test Archive</source>
        <translation>アーカイブのテスト(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;CheckOut</source>
        <translation>チェックアウト(&amp;C)</translation>
    </message>
    <message>
        <source>Ma&amp;ke .EXE File</source>
        <translation>.EXE ファイルの作成(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>設定(&amp;C)</translation>
    </message>
    <message>
        <source>Vie&amp;w Last Output...</source>
        <translation>前回の出力を表示(&amp;W)...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Brief Tutorial</source>
        <translation>簡易チュートリアル(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>今日のヒント(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>よくある質問(&amp;F)</translation>
    </message>
    <message>
        <source>Ambermox&apos;s &amp;Home Page</source>
        <translation>Ambermox ホームページ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Ambermox...</source>
        <translation>Ambermox について(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>すべて選択(&amp;S)</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>選択の切り替え</translation>
    </message>
    <message>
        <source>File &amp;Properties</source>
        <translation>ファイルのプロパティ(&amp;P)</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>名前で並べ替え(&amp;N)</translation>
    </message>
    <message>
        <source>Sort by Pat&amp;h</source>
        <translation>パスで並べ替え(&amp;H)</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>種類で並べ替え(&amp;T)</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>サイズで並べ替え(&amp;S)</translation>
    </message>
    <message>
        <source>Sort by P&amp;acked Size</source>
        <translation>圧縮サイズで並べ替え(&amp;A)</translation>
    </message>
    <message>
        <source>Sort by &amp;Compression Ratio</source>
        <translation>圧縮率で並べ替え(&amp;C)</translation>
    </message>
    <message>
        <source>Sort by &amp;Date</source>
        <translation>日付で並べ替え(&amp;D)</translation>
    </message>
    <message>
        <source>Sort by &amp;Original Order</source>
        <translation>元の順序で並べ替え(&amp;O)</translation>
    </message>
    <message>
        <source>Flat Buttons</source>
        <translation>フラット ボタン</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>テキストを表示</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>ツールヒントを表示</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Create a new archive</source>
        <translation>新しいアーカイブを作成します</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open an existing archive</source>
        <translation>既存のアーカイブを開きます</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>List archives in your Favorite Zip Folders</source>
        <translation>お気に入り Zip フォルダーにあるアーカイブを一覧表示します</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add files to the archive</source>
        <translation>アーカイブにファイルを追加します</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>Extract files from the archive</source>
        <translation>アーカイブからファイルを展開します</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete selected file(s)</source>
        <translation>選択したファイルを削除します</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>View files inside the archive</source>
        <translation>アーカイブ内のファイルを表示します</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>チェックアウト</translation>
    </message>
    <message>
        <source>Create icons for files in the archive</source>
        <translation>アーカイブ内のファイルのアイコンを作成します</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>名前のエンコード(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Rename Member...</source>
        <translation>メンバー名の変更(&amp;R)...</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>コメント(&amp;M)...</translation>
    </message>
    <message>
        <source>Adding works on ZIP archives only; this is a %1 archive</source>
        <translation>追加できるのは ZIP アーカイブだけです。これは %1 アーカイブです</translation>
    </message>
    <message>
        <source>Deleting works on ZIP archives only; this is a %1 archive</source>
        <translation>削除できるのは ZIP アーカイブだけです。これは %1 アーカイブです</translation>
    </message>
    <message>
        <source>Renaming members works on ZIP archives only; this is a %1 archive</source>
        <translation>メンバーの名前を変更できるのは ZIP アーカイブだけです。これは %1 アーカイブです</translation>
    </message>
    <message>
        <source>Comments belong to ZIP archives only; this is a %1 archive</source>
        <translation>コメントを持てるのは ZIP アーカイブだけです。これは %1 アーカイブです</translation>
    </message>
    <message>
        <source>Self-extractors are made of ZIP archives only; this is a %1 archive</source>
        <translation>自己解凍ファイルを作れるのは ZIP アーカイブからだけです。これは %1 アーカイブです</translation>
    </message>
</context>
<context>
    <name>CreateFolderForm</name>
    <message>
        <source>Create Folder</source>
        <translation>フォルダーの作成</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>現在のフォルダー：</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DialogCommands</name>
    <message>
        <source>No file selected for viewing.</source>
        <translation>表示するファイルが選択されていません。</translation>
    </message>
</context>
<context>
    <name>EntryCopy</name>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>フォルダー「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Could not extract &quot;%1&quot; for viewing.</source>
        <translation>表示のために「%1」を展開できませんでした。</translation>
    </message>
</context>
<context>
    <name>FavoriteModel</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
</context>
<context>
    <name>FileRowModel</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>圧縮率</translation>
    </message>
    <message>
        <source>Packed</source>
        <translation>圧縮サイズ</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>%1, encrypted</source>
        <translation>%1、暗号化済み</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>マイ コンピューター</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>MainDragDrop</name>
    <message>
        <source>Extracting</source>
        <translation>展開中</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>フォルダー「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Files can be added to ZIP archives only; %1 is a %2 archive. Nothing was added.</source>
        <translation>ファイルを追加できるのは ZIP アーカイブだけです。%1 は %2 アーカイブです。何も追加されていません。</translation>
    </message>
</context>
<context>
    <name>MemberEdits</name>
    <message>
        <source>The new name is empty.</source>
        <translation>新しい名前が空です。</translation>
    </message>
    <message>
        <source>The new name must not start at the root: %1</source>
        <translation>新しい名前をルートから始めることはできません: %1</translation>
    </message>
    <message>
        <source>The new name must not hold a line break.</source>
        <translation>新しい名前に改行を含めることはできません。</translation>
    </message>
    <message>
        <source>The new name must not hold &quot;..&quot;: %1</source>
        <translation>新しい名前に「..」を含めることはできません: %1</translation>
    </message>
    <message>
        <source>The archive could not be changed.</source>
        <translation>アーカイブを変更できませんでした。</translation>
    </message>
    <message>
        <source>%1 has no comment.</source>
        <translation>%1 にはコメントがありません。</translation>
    </message>
    <message>
        <source>Comment of %1:

%2</source>
        <translation>%1 のコメント:

%2</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Comment of %1:</source>
        <translation>%1 のコメント:</translation>
    </message>
    <message>
        <source>The comment has %1 bytes; an archive comment holds at most 65,535. The archive is unchanged.</source>
        <translation>コメントは %1 バイトです。アーカイブのコメントは最大 65,535 バイトです。アーカイブは変更されていません。</translation>
    </message>
    <message>
        <source>No file selected for renaming.</source>
        <translation>名前を変更するファイルが選択されていません。</translation>
    </message>
    <message>
        <source>Select one member, or members of one folder, to rename.</source>
        <translation>名前を変更するメンバー、または一つのフォルダーのメンバーを選択してください。</translation>
    </message>
    <message>
        <source>Rename Member</source>
        <translation>メンバー名の変更</translation>
    </message>
    <message>
        <source>New name of the folder %1 and everything in it:</source>
        <translation>フォルダー %1 とその中身すべての新しい名前:</translation>
    </message>
    <message>
        <source>New name of %1:</source>
        <translation>%1 の新しい名前:</translation>
    </message>
    <message>
        <source>The archive is unchanged.</source>
        <translation>アーカイブは変更されていません。</translation>
    </message>
    <message>
        <source>%1 exists in the archive already. The archive is unchanged.</source>
        <translation>%1 はアーカイブに既にあります。アーカイブは変更されていません。</translation>
    </message>
    <message>
        <source>%1 has changed. Update the archive?</source>
        <translation>%1 が変更されました。アーカイブを更新しますか?</translation>
    </message>
    <message>
        <source>The archive is unchanged. The changed copy is kept in %1</source>
        <translation>アーカイブは変更されていません。変更されたコピーは %1 に残っています</translation>
    </message>
    <message>
        <source>Cannot prepare %1 for the archive. The changed copy is kept in %2</source>
        <translation>%1 をアーカイブ用に準備できません。変更されたコピーは %2 に残っています</translation>
    </message>
    <message>
        <source>The changed copy is kept in %1</source>
        <translation>変更されたコピーは %1 に残っています</translation>
    </message>
    <message>
        <source>%1 has changed, but it is encrypted in the archive and is not put back without encryption. The changed copy is kept in %2</source>
        <translation>%1 は変更されましたが、アーカイブ内で暗号化されているため、暗号化なしでは戻しません。変更したコピーは %2 にあります</translation>
    </message>
</context>
<context>
    <name>NameEncodingMenu</name>
    <message>
        <source>&amp;Automatic</source>
        <translation>自動(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Automatic (%1)</source>
        <translation>自動 (%1)(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>The operation reported a problem:
%1</source>
        <translation>操作で問題が報告されました：
%1</translation>
    </message>
    <message>
        <source>The operation reported %1 problems. The first:
%2</source>
        <translation>操作で %1 件の問題が報告されました。最初の問題：
%2</translation>
    </message>
    <message>
        <source>

Every message is in &quot;View Last Output...&quot; in the Options menu.</source>
        <translation>

すべてのメッセージは [オプション] メニューの [前回の出力を表示...] で確認できます。</translation>
    </message>
    <message>
        <source>Please wait until the running archive operation has finished.</source>
        <translation>実行中のアーカイブ操作が終わるまでお待ちください。</translation>
    </message>
    <message>
        <source>Archive Operation Interrupted. Continue?</source>
        <translation>アーカイブ操作が中断されました。続行しますか？</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>テスト中</translation>
    </message>
</context>
<context>
    <name>OutputLogView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Wrong password for %1</source>
        <translation>%1 のパスワードが違います</translation>
    </message>
    <message>
        <source>Password for %1</source>
        <translation>%1 のパスワード</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>&amp;Show password</source>
        <translation>パスワードを表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Use for all members</source>
        <translation>すべてのエントリに使用(&amp;U)</translation>
    </message>
    <message>
        <source>Try this password on the next encrypted members too, before asking again</source>
        <translation>再度尋ねる前に、以降の暗号化されたエントリにもこのパスワードを試します</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>1 encrypted member was skipped without its password.</source>
        <translation>パスワードがないため、暗号化されたエントリ 1 個をスキップしました。</translation>
    </message>
    <message>
        <source>%1 encrypted members were skipped without their password.</source>
        <translation>パスワードがないため、暗号化されたエントリ %1 個をスキップしました。</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>1 file already in &quot;%1&quot; was kept as it was.</source>
        <translation>「%1」に既にあった 1 個のファイルはそのまま残しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n files already in &quot;%1&quot; were kept as they were.</source>
        <translation>
            <numerusform>「%1」に既にあった %n 個のファイルはそのまま残しました。</numerusform>
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
        <translation>「%1」を開けません：%2。</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>そのようなファイルはありません</translation>
    </message>
    <message>
        <source>it holds no address</source>
        <translation>アドレスが含まれていません</translation>
    </message>
    <message>
        <source>no program is set up to open files of the type &quot;%1&quot; (%2)</source>
        <translation>種類「%1」(%2) のファイルを開くプログラムが設定されていません</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) could not be started</source>
        <translation>デスクトップのオープナー (xdg-open) を起動できませんでした</translation>
    </message>
    <message>
        <source>no program is set up to open &quot;%1&quot; addresses</source>
        <translation>「%1」のアドレスを開くプログラムが設定されていません</translation>
    </message>
</context>
<context>
    <name>ShellVerbs</name>
    <message>
        <source>%1: not a ZIP archive</source>
        <translation>%1：ZIP アーカイブではありません</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>フォルダー「%1」は存在しません。</translation>
    </message>
    <message>
        <source>No valid zip entries found</source>
        <translation>有効な Zip エントリが見つかりません</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;.</source>
        <translation>フォルダー「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>No file or folder was given.</source>
        <translation>ファイルまたはフォルダーが指定されていません。</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>How far the running operation is</source>
        <translation>実行中の操作の進み具合</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Green lamp, lit while no operation runs</source>
        <translation>緑のランプ。操作が実行されていないときに点灯します</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>処理中</translation>
    </message>
    <message>
        <source>Red lamp, lit while an operation runs</source>
        <translation>赤のランプ。操作の実行中に点灯します</translation>
    </message>
</context>
<context>
    <name>StatusProgress</name>
    <message>
        <source>Waiting for another program: &quot;%1&quot;</source>
        <translation>別のプログラムを待っています：「%1」</translation>
    </message>
    <message>
        <source>Waiting for another program to finish writing &quot;%1&quot;</source>
        <translation>別のプログラムが「%1」の書き込みを終えるのを待っています</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>About Ambermox</source>
        <translation>Ambermox について</translation>
    </message>
    <message>
        <source>Ambermox %1</source>
        <translation>Ambermox %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>ビルド日時：%1</translation>
    </message>
    <message>
        <source>Add library %1, extract library %2</source>
        <translation>追加ライブラリ %1、展開ライブラリ %2</translation>
    </message>
    <message>
        <source>Contact points are</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>E-mail: authors@ambermox.example.org</source>
        <translation>電子メール：authors@ambermox.example.org</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>Program by the Ambermox developers</source>
        <translation>プログラム：Ambermox 開発者</translation>
    </message>
    <message>
        <source>amxzip and amxunz compression libraries by the Ambermox developers</source>
        <translation>amxzip および amxunz 圧縮ライブラリ：Ambermox 開発者</translation>
    </message>
    <message>
        <source>See help for details...</source>
        <translation>詳しくはヘルプをご覧ください...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;FAQs</source>
        <translation>よくある質問(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Web サイト(&amp;W)</translation>
    </message>
</context>
<context>
    <name>TAddForm</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2.</source>
        <translation>ファイル「%1」を開けません。%2。</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>ファイル「%1」を削除できません。%2。</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added, the archive is as it was before.</source>
        <translation>キャンセルしました：何も追加されず、アーカイブは元のままです。</translation>
    </message>
    <message>
        <source>Cancelled: the files of the last step were not added; the steps before it were.</source>
        <translation>キャンセルしました：最後の手順のファイルは追加されませんでしたが、それより前の手順のファイルは追加されました。</translation>
    </message>
    <message>
        <source>Cannot change to folder &quot;%1&quot;. %2.</source>
        <translation>フォルダー「%1」に移動できません。%2。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Go up one folder</source>
        <translation>1 つ上のフォルダーへ移動します</translation>
    </message>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
    <message>
        <source>Show the files as a list</source>
        <translation>ファイルを一覧で表示します</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Show the files with their size, type and date</source>
        <translation>ファイルをサイズ、種類、日付とともに表示します</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>The files and folders of the folder shown above</source>
        <translation>上に表示されたフォルダー内のファイルとフォルダー</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>ファイルを追加 (既存のものは置き換え)</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>既存のファイルのみ更新</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>ファイルを移動</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>ファイルを更新 (新しいファイルも追加)</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>最大 (最も低速)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>超高速</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>操作(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>圧縮レベル(&amp;C)：</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>ファイル名を 8.3 形式で保存(&amp;8)</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>アーカイブの日時を最新のファイルに合わせる</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>システム ファイルと隠しファイルを含める</translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>フォルダー情報も保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>追加中</translation>
    </message>
    <message>
        <source>&amp;Encrypt with password</source>
        <translation>パスワードで暗号化(&amp;E)</translation>
    </message>
    <message>
        <source>AES-256</source>
        <translation>AES-256</translation>
    </message>
    <message>
        <source>ZipCrypto (compatible with old tools, weak)</source>
        <translation>ZipCrypto (古いツールと互換、弱い)</translation>
    </message>
    <message>
        <source>Encryption method</source>
        <translation>暗号化方式</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>再入力(&amp;R)：</translation>
    </message>
    <message>
        <source>Please type the password to encrypt with: an empty one protects nothing.</source>
        <translation>暗号化に使うパスワードを入力してください。空のパスワードでは何も保護されません。</translation>
    </message>
    <message>
        <source>The two passwords differ. Please type the same password twice.</source>
        <translation>2 つのパスワードが一致しません。同じパスワードを 2 回入力してください。</translation>
    </message>
</context>
<context>
    <name>TAsciview</name>
    <message>
        <source>View: </source>
        <translation>表示： </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Clipboard Copy</source>
        <translation>クリップボードにコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>フォント(&amp;F)</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>表示：%1</translation>
    </message>
</context>
<context>
    <name>TCheckOut</name>
    <message>
        <source>the folder is not a full path</source>
        <translation>フォルダーが完全なパスではありません</translation>
    </message>
    <message>
        <source>a group needs a name</source>
        <translation>グループには名前が必要です</translation>
    </message>
    <message>
        <source>a group name cannot lead out of the applications folder</source>
        <translation>グループ名でアプリケーション フォルダーの外を指すことはできません</translation>
    </message>
    <message>
        <source>Unable to create the program group %1: %2</source>
        <translation>プログラム グループ %1 を作成できません：%2</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: its name is too long for a file name.</source>
        <translation>「%1」のランチャーは作成されませんでした：名前がファイル名としては長すぎます。</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: %2</source>
        <translation>「%1」のランチャーは作成されませんでした：%2</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>チェックアウト</translation>
    </message>
    <message>
        <source>All files will be extracted to the specified folder, and a program group will be build.</source>
        <translation>すべてのファイルが指定したフォルダーに展開され、プログラム グループが作成されます。</translation>
    </message>
    <message>
        <source>&amp;Create icons for programs and documents only</source>
        <translation>プログラムとドキュメントのアイコンのみ作成(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>フォルダー(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Group name:</source>
        <translation>グループ名(&amp;G)：</translation>
    </message>
    <message>
        <source>&amp;Maximum icons:</source>
        <translation>アイコンの最大数(&amp;M)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>展開中</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」は有効な整数値ではありません</translation>
    </message>
    <message>
        <source>Cannot check out into &quot;%1&quot;: %2.</source>
        <translation>「%1」にチェックアウトできません：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the group name: %2.</source>
        <translation>「%1」はグループ名に使用できません：%2。</translation>
    </message>
</context>
<context>
    <name>TConfigurationForm</name>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>View &amp;Toolbar</source>
        <translation>ツールバーを表示(&amp;T)</translation>
    </message>
    <message>
        <source>View &amp;StatusBar</source>
        <translation>ステータス バーを表示(&amp;S)</translation>
    </message>
    <message>
        <source> General </source>
        <translation> 全般 </translation>
    </message>
    <message>
        <source>&amp;Full row select</source>
        <translation>行全体を選択(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation>グリッド線(&amp;G)</translation>
    </message>
    <message>
        <source>As &amp;Web page</source>
        <translation>Web ページとして表示(&amp;W)</translation>
    </message>
    <message>
        <source> Filelist view style </source>
        <translation> ファイル一覧の表示形式 </translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>大きいアイコン</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>小さいアイコン</translation>
    </message>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source> Toolbar Configuration </source>
        <translation> ツールバーの設定 </translation>
    </message>
    <message>
        <source>Show button &amp;text</source>
        <translation>ボタンのテキストを表示(&amp;T)</translation>
    </message>
    <message>
        <source>Show tool &amp;tips</source>
        <translation>ツールヒントを表示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Flat toolbar buttons</source>
        <translation>フラット ツールバー ボタン(&amp;F)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source> &amp;Temp folder </source>
        <translation> 一時フォルダー(&amp;T) </translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>一時フォルダー</translation>
    </message>
    <message>
        <source>Choose the temp folder</source>
        <translation>一時フォルダーを選択します</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>&amp;Viewer:</source>
        <translation>ビューアー(&amp;V)：</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>ビューアー</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <translation>ビューアー プログラムを選択します</translation>
    </message>
    <message>
        <source>Program Locations</source>
        <translation>プログラムの場所</translation>
    </message>
    <message>
        <source>Temporary folder</source>
        <translation>一時フォルダー</translation>
    </message>
    <message>
        <source>Select &amp;temporary folder:</source>
        <translation>一時フォルダーの選択(&amp;T)：</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>プログラム|*</translation>
    </message>
    <message>
        <source>The temporary folder cannot be empty; it stays %1.</source>
        <translation>一時フォルダーは空にできません。%1 のままにします。</translation>
    </message>
</context>
<context>
    <name>TDeleteForm</name>
    <message>
        <source>Delete the only member of %1?</source>
        <translation>%1 の唯一のエントリを削除しますか？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>&amp;Entire archive</source>
        <translation>アーカイブ全体(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>選択したファイル(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>ファイル(&amp;F)：</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Names of the files to delete; * and ? match any</source>
        <translation>削除するファイルの名前。* と ? は任意の文字に一致します</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n members of %1?</source>
        <translation>
            <numerusform>%1 のすべてのエントリ (%n 個) を削除しますか？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDragForm</name>
    <message>
        <source>Drag and Drop</source>
        <translation>ドラッグ アンド ドロップ</translation>
    </message>
    <message>
        <source>A&amp;dd to archive:</source>
        <translation>追加先のアーカイブ(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新規(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>ファイルを追加 (既存のものは置き換え)</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>既存のファイルのみ更新</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>ファイルを移動</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>ファイルを更新 (新しいファイルも追加)</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>最大 (最も低速)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>超高速</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>操作(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>圧縮レベル(&amp;C)：</translation>
    </message>
    <message>
        <source> Folders </source>
        <translation> フォルダー </translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>フォルダー情報も保存(&amp;S)</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>システム ファイルと隠しファイルを含める</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>アーカイブの日時を最新のファイルに合わせる</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>ファイル名を 8.3 形式で保存(&amp;8)</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>追加中</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.exe;*.zip</source>
        <translation>Zip ファイル|*.zip|アーカイブと .exe ファイル|*.exe;*.zip</translation>
    </message>
    <message>
        <source>File dragged: %1</source>
        <translation>ドラッグしたファイル：%1</translation>
    </message>
    <message>
        <source>Files dragged: %1</source>
        <translation>ドラッグしたファイル：%1</translation>
    </message>
</context>
<context>
    <name>TEXEForm</name>
    <message>
        <source>Ambermox Self-Extractor</source>
        <translation>Ambermox 自己解凍プログラム</translation>
    </message>
    <message>
        <source>Default &quot;UnZip &amp;To&quot; Folder:</source>
        <translation>既定の「展開先」フォルダー(&amp;T)：</translation>
    </message>
    <message>
        <source>%temp% means users&apos;s TEMP= Folder</source>
        <translation>%temp% はユーザーの TEMP= フォルダーを表します</translation>
    </message>
    <message>
        <source>&amp;Caption:</source>
        <translation>タイトル(&amp;C)：</translation>
    </message>
    <message>
        <source>Co&amp;mmand line after extracting:</source>
        <translation>展開後に実行するコマンド ライン(&amp;M)：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&quot;$0&quot;; printf &apos;\nPress Enter to close. &apos;; read x</source>
        <translation>&quot;$0&quot;; printf &apos;\nEnter キーを押すと閉じます。&apos;; read x</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been created from 
&apos;%2&apos;.
Before distributing the EXE file, please be sure to test it in all target enviroments.

Do you want to test it now?</source>
        <translation>「%2」から
「%1」を作成しました。
この EXE ファイルを配布する前に、対象となるすべての環境で必ずテストしてください。

今すぐテストしますか？</translation>
    </message>
</context>
<context>
    <name>TExtractForm</name>
    <message>
        <source>Extract</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>E&amp;xtract to:</source>
        <translation>展開先(&amp;X)：</translation>
    </message>
    <message>
        <source>Show the folder in the tree</source>
        <translation>ツリーにフォルダーを表示します</translation>
    </message>
    <message>
        <source>&amp;Folders/drives:</source>
        <translation>フォルダー/ドライブ(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>展開(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;New Folder...</source>
        <translation>新しいフォルダー(&amp;N)...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>選択したファイル(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;All files</source>
        <translation>すべてのファイル(&amp;A)</translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation>ファイル(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Overwrite Existing Files</source>
        <translation>既存のファイルを上書き(&amp;O)</translation>
    </message>
    <message>
        <source>S&amp;kip Older Files</source>
        <translation>古いファイルをスキップ(&amp;K)</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>展開中</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>フォルダー「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Error - no files selected for extraction</source>
        <translation>エラー - 展開するファイルが選択されていません</translation>
    </message>
</context>
<context>
    <name>TFavorOptForm</name>
    <message>
        <source>Ambermox Options</source>
        <translation>Ambermox のオプション</translation>
    </message>
    <message>
        <source>&amp;Add a folder to list</source>
        <translation>フォルダーを一覧に追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove folder</source>
        <translation>フォルダーを削除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Ambermox will automatically list Zip files located in the following folders. Click the button below to add or remove from your Favorite Zip Folders.</source>
        <translation>Ambermox は次のフォルダーにある Zip ファイルを自動的に一覧表示します。お気に入り Zip フォルダーへのフォルダーの追加や削除は、下のボタンで行います。(&amp;A)</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>お気に入り Zip フォルダー</translation>
    </message>
    <message>
        <source>&amp;Add the folder to the Favorite Zip Folders automatically</source>
        <translation>フォルダーをお気に入り Zip フォルダーに自動的に追加する(&amp;A)</translation>
    </message>
    <message>
        <source>A&amp;sk before adding the folder to the Favorite Zip Folders</source>
        <translation>フォルダーをお気に入り Zip フォルダーに追加する前に確認する(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Do not add the folder to the Favorite Zip Folders</source>
        <translation>フォルダーをお気に入り Zip フォルダーに追加しない(&amp;D)</translation>
    </message>
    <message>
        <source>If you open a Zip file that is not in one of your Favorite Zip Folders, Ambermox can add the folder to your Favorite Zip Folders.</source>
        <translation>お気に入り Zip フォルダー以外にある Zip ファイルを開いたとき、Ambermox はそのフォルダーをお気に入り Zip フォルダーに追加できます。</translation>
    </message>
    <message>
        <source>Other Zip Folders</source>
        <translation>その他の Zip フォルダー</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>フォルダーの選択(&amp;S)</translation>
    </message>
</context>
<context>
    <name>TFavoriteForm</name>
    <message>
        <source>Files in Favorite Zip Folders sorted by name:</source>
        <translation>お気に入り Zip フォルダー内のファイル (名前順)：</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by date:</source>
        <translation>お気に入り Zip フォルダー内のファイル (日付順)：</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by folder:</source>
        <translation>お気に入り Zip フォルダー内のファイル (フォルダー順)：</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>お気に入り Zip フォルダー</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders:</source>
        <translation>お気に入り Zip フォルダー内のファイル：</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders</source>
        <translation>お気に入り Zip フォルダー内のファイル</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>ファイルが選択されていません。</translation>
    </message>
    <message>
        <source>Zip files</source>
        <translation>Zip ファイル</translation>
    </message>
    <message>
        <source>Files of &amp;type:</source>
        <translation>ファイルの種類(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>検索(&amp;S)...</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>オプション(&amp;P)...</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>ファイル名：%1</translation>
    </message>
</context>
<context>
    <name>TFilePropForm</name>
    <message>
        <source>File Properties</source>
        <translation>ファイルのプロパティ</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類：</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>ファイル サイズ：</translation>
    </message>
    <message>
        <source>Packed size:</source>
        <translation>圧縮サイズ：</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>圧縮率：</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>更新日時：</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>パス：</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 ファイル</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>TFindForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>「%1」は有効な日付と時刻ではありません</translation>
    </message>
    <message>
        <source>Find file(s)</source>
        <translation>ファイルの検索</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>ファイルの種類(&amp;T)：</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>&amp;All Dates</source>
        <translation>すべての日付(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find Files created or modified </source>
        <translation>次の期間に作成または更新されたファイルを検索(&amp;F) </translation>
    </message>
    <message>
        <source>Between</source>
        <translation>開始</translation>
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
        <translation>日付</translation>
    </message>
    <message>
        <source>&amp;All sizes</source>
        <translation>すべてのサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find  file size in the range</source>
        <translation>次の範囲のサイズのファイルを検索(&amp;F)</translation>
    </message>
    <message>
        <source>Below (&lt;=)</source>
        <translation>以下 (&lt;=)</translation>
    </message>
    <message>
        <source>Above (&gt;=)</source>
        <translation>以上 (&gt;=)</translation>
    </message>
    <message>
        <source>Exact (=)</source>
        <translation>等しい (=)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>and</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>バイト</translation>
    </message>
</context>
<context>
    <name>TLnEForm</name>
    <message>
        <source>Ambermox - Adding</source>
        <translation>Ambermox - 追加中</translation>
    </message>
    <message>
        <source>How much of the folder is added</source>
        <translation>フォルダーの追加済みの割合</translation>
    </message>
    <message>
        <source>Ambermox - Extracting</source>
        <translation>Ambermox - 展開中</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>How much of the archive is extracted</source>
        <translation>アーカイブの展開済みの割合</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.zip;*.exe</source>
        <translation>Zip ファイル|*.zip|アーカイブと .exe ファイル|*.zip;*.exe</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; to create or &quot;Open&quot; to open an archive.</source>
        <translation>[新規] でアーカイブを作成するか、[開く] でアーカイブを開いてください。</translation>
    </message>
    <message>
        <source>No file(s) selected.</source>
        <translation>ファイルが選択されていません。</translation>
    </message>
    <message>
        <source>Archive contents</source>
        <translation>アーカイブの内容</translation>
    </message>
    <message>
        <source>The files in the open archive</source>
        <translation>開いているアーカイブ内のファイル</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Ambermox</source>
        <translation>Ambermox</translation>
    </message>
    <message>
        <source>The program&apos;s turning picture</source>
        <translation>プログラムの回転する画像</translation>
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
        <translation>開く</translation>
    </message>
    <message>
        <source>Reading directory...</source>
        <translation>ディレクトリを読み込んでいます...</translation>
    </message>
    <message>
        <source>Sorting files...</source>
        <translation>ファイルを並べ替えています...</translation>
    </message>
    <message>
        <source>Loading file list...</source>
        <translation>ファイル一覧を読み込んでいます...</translation>
    </message>
    <message>
        <source>Total 1 file, %1 kB [%2 kB]</source>
        <translation>合計 1 個のファイル、%1 kB [%2 kB]</translation>
    </message>
    <message numerus="yes">
        <source>Total %1 files, %2 kB [%3 kB]</source>
        <translation>
            <numerusform>合計 %1 個のファイル、%2 kB [%3 kB]</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected 1 file, %1 kB</source>
        <translation>1 個のファイルを選択、%1 kB</translation>
    </message>
    <message numerus="yes">
        <source>Selected %1 files, %2 kB</source>
        <translation>
            <numerusform>%1 個のファイルを選択、%2 kB</numerusform>
        </translation>
    </message>
    <message>
        <source>[Comment]</source>
        <translation>[コメント]</translation>
    </message>
</context>
<context>
    <name>TMsgForm</name>
    <message>
        <source>View Last Output</source>
        <translation>前回の出力を表示</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
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
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>新しい名前(&amp;T)：</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>元の名前：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TSearchForm</name>
    <message>
        <source>Ambermox Search</source>
        <translation>Ambermox 検索</translation>
    </message>
    <message>
        <source>Ambermox can automatically search for Zip files,  or, if  you want  to  search  for  a file yourselft, click &quot;Let me find it&quot;.</source>
        <translation>Ambermox は Zip ファイルを自動的に検索できます。ファイルを自分で探す場合は、[自分で探す] をクリックしてください。</translation>
    </message>
    <message>
        <source>&amp;Search hard disk(s) on this PC</source>
        <translation>この PC のハード ディスクを検索(&amp;S)</translation>
    </message>
    <message>
        <source>Search &amp;disk:</source>
        <translation>検索するディスク(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Let me find it (not automatic)</source>
        <translation>自分で探す (自動検索しない)(&amp;L)</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>検索中</translation>
    </message>
    <message>
        <source>Moves while the search runs</source>
        <translation>検索中に動きます</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ambermox Wizard - Select Zip File</source>
        <translation>Ambermox ウィザード - Zip ファイルの選択</translation>
    </message>
    <message>
        <source>Zip files|*.zip</source>
        <translation>Zip ファイル|*.zip</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <translation>%1 を検索しています</translation>
    </message>
    <message numerus="yes">
        <source>Searched %1, %n file(s) found...</source>
        <translation>
            <numerusform>%1 を検索しました。%n 個のファイルが見つかりました...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSelDirForm</name>
    <message>
        <source>Select Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>&amp;Folders and disk drives:</source>
        <translation>フォルダーとディスク ドライブ(&amp;F)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新規(&amp;N)...</translation>
    </message>
</context>
<context>
    <name>TTipForm</name>
    <message>
        <source>Ambermox Tip of the Day</source>
        <translation>Ambermox 今日のヒント</translation>
    </message>
    <message>
        <source>Did you know..</source>
        <translation>ご存じですか...</translation>
    </message>
    <message>
        <source>Always show tips at startup</source>
        <translation>起動時に常にヒントを表示する</translation>
    </message>
    <message>
        <source>Show tip at startup if not opening Zip file</source>
        <translation>Zip ファイルを開かずに起動したときにヒントを表示する</translation>
    </message>
    <message>
        <source>Never show tips at startup</source>
        <translation>起動時にヒントを表示しない</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>次のヒント(&amp;N)</translation>
    </message>
</context>
<context>
    <name>TViewForm</name>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source> Using </source>
        <translation> 使用するプログラム </translation>
    </message>
    <message>
        <source>&amp;Associated program</source>
        <translation>関連付けられたプログラム(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Internal ASCII text viewer</source>
        <translation>内蔵の ASCII テキスト ビューアー(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Viewer: </source>
        <translation>ビューアー(&amp;V)： </translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>ビューアー</translation>
    </message>
    <message>
        <source>Browse for the viewer program</source>
        <translation>ビューアー プログラムを参照します</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>プログラム|*</translation>
    </message>
    <message>
        <source>Cannot find the viewer program &quot;%1&quot;.</source>
        <translation>ビューアー プログラム「%1」が見つかりません。</translation>
    </message>
</context>
<context>
    <name>TZipPropForm</name>
    <message>
        <source>Zip Properties</source>
        <translation>Zip のプロパティ</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>パス：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>ファイル サイズ：</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル数</translation>
    </message>
    <message>
        <source>Compression:</source>
        <translation>圧縮率：</translation>
    </message>
    <message>
        <source>Date/time:</source>
        <translation>日時：</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>コメント(&amp;M)...</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>The Tip of the Day dialog box is normally displayed when you start Ambermox but are not automatically opening a Zip file. You can change this option so tips are never displayed, or always displayed when Ambermox is started.</source>
        <translation>[今日のヒント] ダイアログ ボックスは、通常、Zip ファイルを自動的に開かずに Ambermox を起動したときに表示されます。この設定を変更して、ヒントを表示しないようにしたり、Ambermox の起動時に常に表示したりできます。</translation>
    </message>
    <message>
        <source>If you turn the Tip of the Day off and later want to restore it, select Tip of the Day from the Ambermox Help pull-down menu, then select from the combo box at the bottom of the dialog box.</source>
        <translation>今日のヒントをオフにした後で元に戻したい場合は、Ambermox の [ヘルプ] メニューから [今日のヒント] を選び、ダイアログ ボックス下部のコンボ ボックスで選択してください。</translation>
    </message>
    <message>
        <source>Ambermox&apos;s toolbar buttons look much better if your display is in high-color mode. </source>
        <translation>ディスプレイがハイカラー モードのとき、Ambermox のツールバー ボタンはよりきれいに表示されます。 </translation>
    </message>
    <message>
        <source>For a Brief Tutorial on Ambermox, select Brief Tutorial from the Ambermox Help pull-down menu.</source>
        <translation>Ambermox の簡易チュートリアルを見るには、Ambermox の [ヘルプ] メニューから [簡易チュートリアル] を選択してください。</translation>
    </message>
    <message>
        <source>For answers to Frequently Asked Questions (FAQs), select Frequently Asked Questions from the Ambermox Help pull-down menu.</source>
        <translation>よくある質問 (FAQ) の回答を見るには、Ambermox の [ヘルプ] メニューから [よくある質問] を選択してください。</translation>
    </message>
    <message>
        <source>To display details about the open Zip file (for example, the date the Zip file was last modified or the name of the folder containing the Zip file), click on the Ambermox status line or select Properties from the Ambermox File menu.</source>
        <translation>開いている Zip ファイルの詳細 (Zip ファイルの最終更新日や、Zip ファイルがあるフォルダーの名前など) を表示するには、Ambermox のステータス行をクリックするか、Ambermox の [ファイル] メニューから [プロパティ] を選択してください。</translation>
    </message>
    <message>
        <source>You can interrupt an archive operation by clicking anywhere in the Ambermox window. This will activate the &quot;Operation Interrupted&quot; dialog box.</source>
        <translation>Ambermox のウィンドウ内のどこかをクリックすると、アーカイブ操作を中断できます。[操作の中断] ダイアログ ボックスが表示されます。</translation>
    </message>
    <message>
        <source>You can quickly extract files from a Zip file by dragging the files from Ambermox to any folder or Explorer window (or even to the desktop).</source>
        <translation>Ambermox から任意のフォルダーやファイル マネージャーのウィンドウ (デスクトップも可) にファイルをドラッグすると、Zip ファイルからすばやく展開できます。</translation>
    </message>
    <message>
        <source>You can quickly add files to a Zip file by dragging the files from any folder or Explorer window to Ambermox.</source>
        <translation>任意のフォルダーやファイル マネージャーのウィンドウから Ambermox にファイルをドラッグすると、Zip ファイルにすばやく追加できます。</translation>
    </message>
    <message>
        <source>If you can&apos;t remember where you put your Zip files, you can use the Favorite Zip Folders feature to find them. Select Favorite Zip Folders from the Ambermox File menu.</source>
        <translation>Zip ファイルをどこに置いたか思い出せないときは、お気に入り Zip フォルダー機能で探すことができます。Ambermox の [ファイル] メニューから [お気に入り Zip フォルダー] を選択してください。</translation>
    </message>
    <message>
        <source>You can easily view files in a Zip file by dragging them to an application or a shortcut to an application.</source>
        <translation>Zip ファイル内のファイルをアプリケーションやアプリケーションのショートカットにドラッグすると、簡単に表示できます。</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
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
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を読み込めません。%2</translation>
    </message>
    <message>
        <source>View: %1 (not a text file: only the first %2 of %3 shown)</source>
        <translation>表示：%1 (テキスト ファイルではありません：%3 のうち先頭の %2 のみ表示)</translation>
    </message>
    <message>
        <source>View: %1 (only the first %2 of %3 shown)</source>
        <translation>表示：%1 (%3 のうち先頭の %2 のみ表示)</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>表示：%1</translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Root</source>
        <translation>ルート</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
</context>
</TS>
