<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AddBrowser</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Мой компьютер</translation>
    </message>
</context>
<context>
    <name>AddListModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Тип файла</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>Общий размер</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
</context>
<context>
    <name>AmxDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ArchiveFileCommands</name>
    <message>
        <source>the copy is incomplete</source>
        <translation>копия неполная</translation>
    </message>
    <message>
        <source>New Archive</source>
        <translation>Новый архив</translation>
    </message>
    <message>
        <source>ZIP files|*.zip</source>
        <translation>Файлы ZIP|*.zip</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;. File already exists. Open existing file?</source>
        <translation>Невозможно создать «%1». Файл уже существует. Открыть существующий файл?</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Невозможно создать «%1»: %2</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Перемещение</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копирование</translation>
    </message>
    <message>
        <source>Move %1 &amp;to:</source>
        <translation>Переместить %1 &amp;в:</translation>
    </message>
    <message>
        <source>Copy %1 &amp;to:</source>
        <translation>Копировать %1 &amp;в:</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: the folder is not a full path</source>
        <translation>Невозможно скопировать «%1» в «%2»: указан неполный путь к папке</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in that folder.</source>
        <translation>«%1» уже находится в этой папке.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it with &quot;%2&quot;?</source>
        <translation>«%1» уже существует. Заменить его на «%2»?</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Невозможно скопировать «%1» в «%2»: %3</translation>
    </message>
    <message>
        <source>The archive was copied to &quot;%1&quot;, but &quot;%2&quot; could not be deleted: %3</source>
        <translation>Архив скопирован в «%1», но удалить «%2» не удалось: %3</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Невозможно переименовать «%1» в «%2»: %3</translation>
    </message>
    <message>
        <source>invalid name</source>
        <translation>недопустимое имя</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entire archive %1?</source>
        <translation>Вы действительно хотите удалить весь архив %1?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved to the trash. Delete it for good?</source>
        <translation>«%1» невозможно переместить в корзину. Удалить безвозвратно?</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;: %2</source>
        <translation>Невозможно удалить «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create a shortcut to &quot;%1&quot; on the desktop: %2</source>
        <translation>Невозможно создать ярлык для «%1» на рабочем столе: %2</translation>
    </message>
    <message>
        <source>no desktop folder is known</source>
        <translation>папка рабочего стола неизвестна</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created</source>
        <translation>невозможно создать папку «%1»</translation>
    </message>
    <message>
        <source>Shortcut to %1</source>
        <translation>Ярлык для %1</translation>
    </message>
    <message>
        <source>The shortcut to &quot;%1&quot; is on the desktop: &quot;%2&quot;.</source>
        <translation>Ярлык для «%1» создан на рабочем столе: «%2».</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
</context>
<context>
    <name>ArchiveFileMenu</name>
    <message>
        <source>Ambermox (Beta test) - %1</source>
        <translation>Ambermox (бета-версия) - %1</translation>
    </message>
</context>
<context>
    <name>ArchiveSession</name>
    <message>
        <source>Add &quot;%1&quot; to favorite Zip Folders?</source>
        <translation>Добавить «%1» в избранные папки Zip?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists. It has been removed from the recent archives.</source>
        <translation>«%1» больше не существует. Он удалён из списка последних архивов.</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>   &amp;Files   </source>
        <translation>   &amp;Файл   </translation>
    </message>
    <message>
        <source> &amp;Edit  </source>
        <translation> &amp;Правка  </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Действия</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>П&amp;араметры</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;New Archive </source>
        <translation>&amp;Новый архив </translation>
    </message>
    <message>
        <source>&amp;Open Archive </source>
        <translation>&amp;Открыть архив </translation>
    </message>
    <message>
        <source>&amp;Favorite Zip Folders...</source>
        <translation>&amp;Избранные папки Zip...</translation>
    </message>
    <message>
        <source>&amp;Close Archive</source>
        <translation>&amp;Закрыть архив</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Свойства...</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>Создать &amp;ярлык</translation>
    </message>
    <message>
        <source>&amp;Move Archive</source>
        <translation>&amp;Переместить архив</translation>
    </message>
    <message>
        <source>Cop&amp;y Archive </source>
        <translation>&amp;Копировать архив </translation>
    </message>
    <message>
        <source>&amp;Rename Archive</source>
        <translation>Переи&amp;меновать архив</translation>
    </message>
    <message>
        <source>&amp;Delete Archive...</source>
        <translation>&amp;Удалить архив...</translation>
    </message>
    <message>
        <source>E&amp;xit </source>
        <translation>В&amp;ыход </translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Выделить всё</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>&amp;Обратить выделение</translation>
    </message>
    <message>
        <source>&amp;Find File(s) </source>
        <translation>&amp;Найти файлы </translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Панель &amp;инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Строка &amp;состояния</translation>
    </message>
    <message>
        <source>&amp;Best Fit Column Widths</source>
        <translation>&amp;Подогнать ширину столбцов</translation>
    </message>
    <message>
        <source>Default &amp;Columns Widths</source>
        <translation>&amp;Ширина столбцов по умолчанию</translation>
    </message>
    <message>
        <source>as &amp;Web Page</source>
        <translation>как &amp;веб-страница</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Крупные значки</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Мелкие значки</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>Спис&amp;ок</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Таблица</translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation>&amp;Упорядочить значки</translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation>по &amp;имени</translation>
    </message>
    <message>
        <source>by Pat&amp;h</source>
        <translation>по &amp;пути</translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation>по &amp;типу</translation>
    </message>
    <message>
        <source>by &amp;Size</source>
        <translation>по &amp;размеру</translation>
    </message>
    <message>
        <source>by P&amp;acked Size</source>
        <translation>по с&amp;жатому размеру</translation>
    </message>
    <message>
        <source>by &amp;Compression Ratio</source>
        <translation>по &amp;коэффициенту сжатия</translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation>по &amp;дате</translation>
    </message>
    <message>
        <source>by &amp;Original Order</source>
        <translation>в исх&amp;одном порядке</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Добавить...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Удалить...</translation>
    </message>
    <message>
        <source>&amp;Extract...</source>
        <translation>&amp;Извлечь...</translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation>Прос&amp;мотр...</translation>
    </message>
    <message>
        <source>&amp;Test Archive</source>
        <translation>&amp;Проверить архив</translation>
    </message>
    <message>
        <source>&amp;CheckOut</source>
        <translation>&amp;CheckOut</translation>
    </message>
    <message>
        <source>Ma&amp;ke .EXE File</source>
        <translation>Создать .&amp;EXE-файл</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Настройка</translation>
    </message>
    <message>
        <source>Vie&amp;w Last Output...</source>
        <translation>Последний &amp;вывод...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Brief Tutorial</source>
        <translation>&amp;Краткое руководство</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>Сов&amp;ет дня</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>&amp;Часто задаваемые вопросы</translation>
    </message>
    <message>
        <source>Ambermox&apos;s &amp;Home Page</source>
        <translation>&amp;Веб-сайт Ambermox</translation>
    </message>
    <message>
        <source>&amp;About Ambermox...</source>
        <translation>&amp;О программе Ambermox...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Выделить всё</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Обратить выделение</translation>
    </message>
    <message>
        <source>File &amp;Properties</source>
        <translation>&amp;Свойства файла</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Сортировать по &amp;имени</translation>
    </message>
    <message>
        <source>Sort by Pat&amp;h</source>
        <translation>Сортировать по &amp;пути</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>Сортировать по &amp;типу</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>Сортировать по &amp;размеру</translation>
    </message>
    <message>
        <source>Sort by P&amp;acked Size</source>
        <translation>Сортировать по с&amp;жатому размеру</translation>
    </message>
    <message>
        <source>Sort by &amp;Compression Ratio</source>
        <translation>Сортировать по &amp;коэффициенту сжатия</translation>
    </message>
    <message>
        <source>Sort by &amp;Date</source>
        <translation>Сортировать по &amp;дате</translation>
    </message>
    <message>
        <source>Sort by &amp;Original Order</source>
        <translation>Сортировать в исх&amp;одном порядке</translation>
    </message>
    <message>
        <source>Flat Buttons</source>
        <translation>Плоские кнопки</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Показывать текст</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Показывать подсказки</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Create a new archive</source>
        <translation>Создать новый архив</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open an existing archive</source>
        <translation>Открыть существующий архив</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>List archives in your Favorite Zip Folders</source>
        <translation>Показать архивы из избранных папок Zip</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Add files to the archive</source>
        <translation>Добавить файлы в архив</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <source>Extract files from the archive</source>
        <translation>Извлечь файлы из архива</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete selected file(s)</source>
        <translation>Удалить выделенные файлы</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>View files inside the archive</source>
        <translation>Просмотреть файлы в архиве</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>CheckOut</translation>
    </message>
    <message>
        <source>Create icons for files in the archive</source>
        <translation>Создать значки для файлов архива</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>Ко&amp;дировка имён</translation>
    </message>
    <message>
        <source>&amp;Rename Member...</source>
        <translation>&amp;Переименовать элемент...</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>&amp;Комментарий...</translation>
    </message>
    <message>
        <source>Adding works on ZIP archives only; this is a %1 archive</source>
        <translation>Добавлять можно только в ZIP-архивы; это архив %1</translation>
    </message>
    <message>
        <source>Deleting works on ZIP archives only; this is a %1 archive</source>
        <translation>Удалять можно только из ZIP-архивов; это архив %1</translation>
    </message>
    <message>
        <source>Renaming members works on ZIP archives only; this is a %1 archive</source>
        <translation>Переименовывать элементы можно только в ZIP-архивах; это архив %1</translation>
    </message>
    <message>
        <source>Comments belong to ZIP archives only; this is a %1 archive</source>
        <translation>Комментарии бывают только у ZIP-архивов; это архив %1</translation>
    </message>
    <message>
        <source>Self-extractors are made of ZIP archives only; this is a %1 archive</source>
        <translation>Самораспаковывающиеся архивы создаются только из ZIP-архивов; это архив %1</translation>
    </message>
</context>
<context>
    <name>CreateFolderForm</name>
    <message>
        <source>Create Folder</source>
        <translation>Создание папки</translation>
    </message>
    <message>
        <source>Current folder:</source>
        <translation>Текущая папка:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DialogCommands</name>
    <message>
        <source>No file selected for viewing.</source>
        <translation>Не выбран файл для просмотра.</translation>
    </message>
</context>
<context>
    <name>EntryCopy</name>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>Не удалось найти папку «%1».</translation>
    </message>
    <message>
        <source>Could not extract &quot;%1&quot; for viewing.</source>
        <translation>Не удалось извлечь «%1» для просмотра.</translation>
    </message>
</context>
<context>
    <name>FavoriteModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
</context>
<context>
    <name>FileRowModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Сжатие</translation>
    </message>
    <message>
        <source>Packed</source>
        <translation>Сжатый</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>%1, encrypted</source>
        <translation>%1, зашифрован</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Мой компьютер</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>MainDragDrop</name>
    <message>
        <source>Extracting</source>
        <translation>Извлечение</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>Не удалось найти папку «%1».</translation>
    </message>
    <message>
        <source>Files can be added to ZIP archives only; %1 is a %2 archive. Nothing was added.</source>
        <translation>Файлы можно добавлять только в ZIP-архивы; %1 — архив %2. Ничего не добавлено.</translation>
    </message>
</context>
<context>
    <name>MemberEdits</name>
    <message>
        <source>The new name is empty.</source>
        <translation>Новое имя пустое.</translation>
    </message>
    <message>
        <source>The new name must not start at the root: %1</source>
        <translation>Новое имя не должно начинаться от корня: %1</translation>
    </message>
    <message>
        <source>The new name must not hold a line break.</source>
        <translation>Новое имя не должно содержать перевод строки.</translation>
    </message>
    <message>
        <source>The new name must not hold &quot;..&quot;: %1</source>
        <translation>Новое имя не должно содержать «..»: %1</translation>
    </message>
    <message>
        <source>The archive could not be changed.</source>
        <translation>Не удалось изменить архив.</translation>
    </message>
    <message>
        <source>%1 has no comment.</source>
        <translation>У %1 нет комментария.</translation>
    </message>
    <message>
        <source>Comment of %1:

%2</source>
        <translation>Комментарий %1:

%2</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Comment of %1:</source>
        <translation>Комментарий %1:</translation>
    </message>
    <message>
        <source>The comment has %1 bytes; an archive comment holds at most 65,535. The archive is unchanged.</source>
        <translation>Комментарий занимает %1 байт; комментарий архива вмещает не более 65 535. Архив не изменён.</translation>
    </message>
    <message>
        <source>No file selected for renaming.</source>
        <translation>Не выбран файл для переименования.</translation>
    </message>
    <message>
        <source>Select one member, or members of one folder, to rename.</source>
        <translation>Выберите один элемент или элементы одной папки для переименования.</translation>
    </message>
    <message>
        <source>Rename Member</source>
        <translation>Переименовать элемент</translation>
    </message>
    <message>
        <source>New name of the folder %1 and everything in it:</source>
        <translation>Новое имя папки %1 со всем содержимым:</translation>
    </message>
    <message>
        <source>New name of %1:</source>
        <translation>Новое имя %1:</translation>
    </message>
    <message>
        <source>The archive is unchanged.</source>
        <translation>Архив не изменён.</translation>
    </message>
    <message>
        <source>%1 exists in the archive already. The archive is unchanged.</source>
        <translation>%1 уже есть в архиве. Архив не изменён.</translation>
    </message>
    <message>
        <source>%1 has changed. Update the archive?</source>
        <translation>%1 изменён. Обновить архив?</translation>
    </message>
    <message>
        <source>The archive is unchanged. The changed copy is kept in %1</source>
        <translation>Архив не изменён. Изменённая копия сохранена в %1</translation>
    </message>
    <message>
        <source>Cannot prepare %1 for the archive. The changed copy is kept in %2</source>
        <translation>Не удалось подготовить %1 для архива. Изменённая копия сохранена в %2</translation>
    </message>
    <message>
        <source>The changed copy is kept in %1</source>
        <translation>Изменённая копия сохранена в %1</translation>
    </message>
    <message>
        <source>%1 has changed, but it is encrypted in the archive and is not put back without encryption. The changed copy is kept in %2</source>
        <translation>%1 изменён, но в архиве он зашифрован и не будет записан обратно без шифрования. Изменённая копия сохранена в %2</translation>
    </message>
</context>
<context>
    <name>NameEncodingMenu</name>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Автоматически</translation>
    </message>
    <message>
        <source>&amp;Automatic (%1)</source>
        <translation>&amp;Автоматически (%1)</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>The operation reported a problem:
%1</source>
        <translation>При выполнении операции возникла проблема:
%1</translation>
    </message>
    <message>
        <source>The operation reported %1 problems. The first:
%2</source>
        <translation>При выполнении операции возникло проблем: %1. Первая из них:
%2</translation>
    </message>
    <message>
        <source>

Every message is in &quot;View Last Output...&quot; in the Options menu.</source>
        <translation>

Все сообщения доступны в окне «Последний вывод...» меню «Параметры».</translation>
    </message>
    <message>
        <source>Please wait until the running archive operation has finished.</source>
        <translation>Дождитесь завершения текущей операции с архивом.</translation>
    </message>
    <message>
        <source>Archive Operation Interrupted. Continue?</source>
        <translation>Операция с архивом прервана. Продолжить?</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Проверка</translation>
    </message>
</context>
<context>
    <name>OutputLogView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Выделить всё</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Wrong password for %1</source>
        <translation>Неверный пароль для %1</translation>
    </message>
    <message>
        <source>Password for %1</source>
        <translation>Пароль для %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>&amp;Show password</source>
        <translation>&amp;Показать пароль</translation>
    </message>
    <message>
        <source>&amp;Use for all members</source>
        <translation>&amp;Использовать для всех элементов</translation>
    </message>
    <message>
        <source>Try this password on the next encrypted members too, before asking again</source>
        <translation>Пробовать этот пароль и для следующих зашифрованных элементов, прежде чем спрашивать снова</translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>1 encrypted member was skipped without its password.</source>
        <translation>1 зашифрованный элемент пропущен: нет пароля.</translation>
    </message>
    <message>
        <source>%1 encrypted members were skipped without their password.</source>
        <translation>Пропущено зашифрованных элементов без пароля: %1.</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>1 file already in &quot;%1&quot; was kept as it was.</source>
        <translation>1 файл, уже находившийся в «%1», оставлен без изменений.</translation>
    </message>
    <message numerus="yes">
        <source>%n files already in &quot;%1&quot; were kept as they were.</source>
        <translation>
            <numerusform>%n файл, уже находившийся в «%1», оставлен без изменений.</numerusform>
            <numerusform>%n файла, уже находившиеся в «%1», оставлены без изменений.</numerusform>
            <numerusform>%n файлов, уже находившихся в «%1», оставлены без изменений.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyForm</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Невозможно открыть «%1»: %2.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>it holds no address</source>
        <translation>он не содержит адреса</translation>
    </message>
    <message>
        <source>no program is set up to open files of the type &quot;%1&quot; (%2)</source>
        <translation>не настроена программа для открытия файлов типа «%1» (%2)</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) could not be started</source>
        <translation>не удалось запустить программу открытия файлов рабочего стола (xdg-open)</translation>
    </message>
    <message>
        <source>no program is set up to open &quot;%1&quot; addresses</source>
        <translation>не настроена программа для открытия адресов «%1»</translation>
    </message>
</context>
<context>
    <name>ShellVerbs</name>
    <message>
        <source>%1: not a ZIP archive</source>
        <translation>%1: это не архив ZIP</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Папка «%1» не существует.</translation>
    </message>
    <message>
        <source>No valid zip entries found</source>
        <translation>Не найдено допустимых элементов zip</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;.</source>
        <translation>Не удалось создать папку «%1».</translation>
    </message>
    <message>
        <source>No file or folder was given.</source>
        <translation>Не указан ни файл, ни папка.</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>How far the running operation is</source>
        <translation>Насколько продвинулась текущая операция</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Green lamp, lit while no operation runs</source>
        <translation>Зелёный индикатор: горит, пока операции не выполняются</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Занято</translation>
    </message>
    <message>
        <source>Red lamp, lit while an operation runs</source>
        <translation>Красный индикатор: горит, пока выполняется операция</translation>
    </message>
</context>
<context>
    <name>StatusProgress</name>
    <message>
        <source>Waiting for another program: &quot;%1&quot;</source>
        <translation>Ожидание другой программы: «%1»</translation>
    </message>
    <message>
        <source>Waiting for another program to finish writing &quot;%1&quot;</source>
        <translation>Ожидание, пока другая программа закончит запись «%1»</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>not found</source>
        <translation>не найдена</translation>
    </message>
    <message>
        <source>About Ambermox</source>
        <translation>О программе Ambermox</translation>
    </message>
    <message>
        <source>Ambermox %1</source>
        <translation>Ambermox %1</translation>
    </message>
    <message>
        <source>Built %1</source>
        <translation>Собрано %1</translation>
    </message>
    <message>
        <source>Add library %1, extract library %2</source>
        <translation>Библиотека добавления %1, библиотека извлечения %2</translation>
    </message>
    <message>
        <source>Contact points are</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>E-mail: authors@ambermox.example.org</source>
        <translation>Эл. почта: authors@ambermox.example.org</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Благодарности</translation>
    </message>
    <message>
        <source>Program by the Ambermox developers</source>
        <translation>Программа: разработчики Ambermox</translation>
    </message>
    <message>
        <source>amxzip and amxunz compression libraries by the Ambermox developers</source>
        <translation>Библиотеки сжатия amxzip и amxunz: разработчики Ambermox</translation>
    </message>
    <message>
        <source>See help for details...</source>
        <translation>Подробности — в справке...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;FAQs</source>
        <translation>&amp;Вопросы и ответы</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Веб-&amp;сайт</translation>
    </message>
</context>
<context>
    <name>TAddForm</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2.</source>
        <translation>Невозможно открыть файл «%1». %2.</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;. %2.</source>
        <translation>Невозможно удалить файл «%1». %2.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added, the archive is as it was before.</source>
        <translation>Отменено: ничего не добавлено, архив остался прежним.</translation>
    </message>
    <message>
        <source>Cancelled: the files of the last step were not added; the steps before it were.</source>
        <translation>Отменено: файлы последнего шага не добавлены; файлы предыдущих шагов добавлены.</translation>
    </message>
    <message>
        <source>Cannot change to folder &quot;%1&quot;. %2.</source>
        <translation>Невозможно перейти в папку «%1». %2.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавление</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Go up one folder</source>
        <translation>На одну папку вверх</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Show the files as a list</source>
        <translation>Показать файлы списком</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Show the files with their size, type and date</source>
        <translation>Показать файлы с размером, типом и датой</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>The files and folders of the folder shown above</source>
        <translation>Файлы и папки папки, показанной выше</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>Добавить (и заменить) файлы</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>Обновить только существующие файлы</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Переместить файлы</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>Обновить (и добавить) файлы</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>Максимальное (самое медленное)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстрое</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>Очень быстрое</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Без сжатия</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>Де&amp;йствие:</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>С&amp;жатие:</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>Сохранять имена файлов в формате &amp;8.3</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>Дата архива по самому новому файлу</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>Включать системные и скрытые файлы</translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>Со&amp;хранять сведения о папках</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>Добавление</translation>
    </message>
    <message>
        <source>&amp;Encrypt with password</source>
        <translation>&amp;Зашифровать паролем</translation>
    </message>
    <message>
        <source>AES-256</source>
        <translation>AES-256</translation>
    </message>
    <message>
        <source>ZipCrypto (compatible with old tools, weak)</source>
        <translation>ZipCrypto (совместим со старыми программами, слабый)</translation>
    </message>
    <message>
        <source>Encryption method</source>
        <translation>Метод шифрования</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>П&amp;овтор:</translation>
    </message>
    <message>
        <source>Please type the password to encrypt with: an empty one protects nothing.</source>
        <translation>Введите пароль для шифрования: пустой пароль ничего не защищает.</translation>
    </message>
    <message>
        <source>The two passwords differ. Please type the same password twice.</source>
        <translation>Пароли не совпадают. Введите один и тот же пароль дважды.</translation>
    </message>
</context>
<context>
    <name>TAsciview</name>
    <message>
        <source>View: </source>
        <translation>Просмотр: </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Clipboard Copy</source>
        <translation>&amp;Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Шрифт</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Просмотр: %1</translation>
    </message>
</context>
<context>
    <name>TCheckOut</name>
    <message>
        <source>the folder is not a full path</source>
        <translation>указан неполный путь к папке</translation>
    </message>
    <message>
        <source>a group needs a name</source>
        <translation>у группы должно быть имя</translation>
    </message>
    <message>
        <source>a group name cannot lead out of the applications folder</source>
        <translation>имя группы не может указывать за пределы папки приложений</translation>
    </message>
    <message>
        <source>Unable to create the program group %1: %2</source>
        <translation>Невозможно создать группу программ %1: %2</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: its name is too long for a file name.</source>
        <translation>Ярлык запуска для «%1» не создан: имя слишком длинное для имени файла.</translation>
    </message>
    <message>
        <source>No launcher was made for &quot;%1&quot;: %2</source>
        <translation>Ярлык запуска для «%1» не создан: %2</translation>
    </message>
    <message>
        <source>CheckOut</source>
        <translation>CheckOut</translation>
    </message>
    <message>
        <source>All files will be extracted to the specified folder, and a program group will be build.</source>
        <translation>Все файлы будут извлечены в указанную папку, и будет создана группа программ.</translation>
    </message>
    <message>
        <source>&amp;Create icons for programs and documents only</source>
        <translation>&amp;Создавать значки только для программ и документов</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Папка:</translation>
    </message>
    <message>
        <source>&amp;Group name:</source>
        <translation>Имя &amp;группы:</translation>
    </message>
    <message>
        <source>&amp;Maximum icons:</source>
        <translation>&amp;Максимум значков:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Извлечение</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» не является допустимым целым числом</translation>
    </message>
    <message>
        <source>Cannot check out into &quot;%1&quot;: %2.</source>
        <translation>Невозможно выполнить CheckOut в «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the group name: %2.</source>
        <translation>«%1» не может быть именем группы: %2.</translation>
    </message>
</context>
<context>
    <name>TConfigurationForm</name>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>View &amp;Toolbar</source>
        <translation>Панель &amp;инструментов</translation>
    </message>
    <message>
        <source>View &amp;StatusBar</source>
        <translation>Строка &amp;состояния</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Общие </translation>
    </message>
    <message>
        <source>&amp;Full row select</source>
        <translation>Выделять &amp;всю строку</translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation>&amp;Линии сетки</translation>
    </message>
    <message>
        <source>As &amp;Web page</source>
        <translation>Как в&amp;еб-страница</translation>
    </message>
    <message>
        <source> Filelist view style </source>
        <translation> Вид списка файлов </translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Крупные значки</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Мелкие значки</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source> Toolbar Configuration </source>
        <translation> Панель инструментов </translation>
    </message>
    <message>
        <source>Show button &amp;text</source>
        <translation>Показывать &amp;текст на кнопках</translation>
    </message>
    <message>
        <source>Show tool &amp;tips</source>
        <translation>Показывать &amp;подсказки</translation>
    </message>
    <message>
        <source>&amp;Flat toolbar buttons</source>
        <translation>Плоские &amp;кнопки панели инструментов</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source> &amp;Temp folder </source>
        <translation> &amp;Временная папка </translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>Временная папка</translation>
    </message>
    <message>
        <source>Choose the temp folder</source>
        <translation>Выбрать временную папку</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>&amp;Viewer:</source>
        <translation>&amp;Программа просмотра:</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Программа просмотра</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <translation>Выбрать программу просмотра</translation>
    </message>
    <message>
        <source>Program Locations</source>
        <translation>Расположение программ</translation>
    </message>
    <message>
        <source>Temporary folder</source>
        <translation>Временная папка</translation>
    </message>
    <message>
        <source>Select &amp;temporary folder:</source>
        <translation>Выберите &amp;временную папку:</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Программы|*</translation>
    </message>
    <message>
        <source>The temporary folder cannot be empty; it stays %1.</source>
        <translation>Временная папка не может быть пустой; остаётся %1.</translation>
    </message>
</context>
<context>
    <name>TDeleteForm</name>
    <message>
        <source>Delete the only member of %1?</source>
        <translation>Удалить единственный элемент архива %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удаление</translation>
    </message>
    <message>
        <source>&amp;Entire archive</source>
        <translation>&amp;Весь архив</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>В&amp;ыделенные файлы</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Файлы:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Names of the files to delete; * and ? match any</source>
        <translation>Имена удаляемых файлов; * и ? заменяют любые символы</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n members of %1?</source>
        <translation>
            <numerusform>Удалить все %n элемент архива %1?</numerusform>
            <numerusform>Удалить все %n элемента архива %1?</numerusform>
            <numerusform>Удалить все %n элементов архива %1?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDragForm</name>
    <message>
        <source>Drag and Drop</source>
        <translation>Перетаскивание</translation>
    </message>
    <message>
        <source>A&amp;dd to archive:</source>
        <translation>&amp;Добавить в архив:</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Создать...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Add (and replace) files</source>
        <translation>Добавить (и заменить) файлы</translation>
    </message>
    <message>
        <source>Freshen existing files</source>
        <translation>Обновить только существующие файлы</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Переместить файлы</translation>
    </message>
    <message>
        <source>Update (and add) files</source>
        <translation>Обновить (и добавить) файлы</translation>
    </message>
    <message>
        <source>Maximum (slowest)</source>
        <translation>Максимальное (самое медленное)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстрое</translation>
    </message>
    <message>
        <source>Super fast</source>
        <translation>Очень быстрое</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Без сжатия</translation>
    </message>
    <message>
        <source>Ac&amp;tion:</source>
        <translation>Де&amp;йствие:</translation>
    </message>
    <message>
        <source>&amp;Compression:</source>
        <translation>С&amp;жатие:</translation>
    </message>
    <message>
        <source> Folders </source>
        <translation> Папки </translation>
    </message>
    <message>
        <source>&amp;Save extra folder info</source>
        <translation>Со&amp;хранять сведения о папках</translation>
    </message>
    <message>
        <source>Include system and hidden files</source>
        <translation>Включать системные и скрытые файлы</translation>
    </message>
    <message>
        <source>Add Zip time</source>
        <translation>Дата архива по самому новому файлу</translation>
    </message>
    <message>
        <source>Store filenames in &amp;8.3 format</source>
        <translation>Сохранять имена файлов в формате &amp;8.3</translation>
    </message>
    <message>
        <source>Adding</source>
        <translation>Добавление</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.exe;*.zip</source>
        <translation>Файлы Zip|*.zip|Архивы и файлы .exe|*.exe;*.zip</translation>
    </message>
    <message>
        <source>File dragged: %1</source>
        <translation>Перетащен файл: %1</translation>
    </message>
    <message>
        <source>Files dragged: %1</source>
        <translation>Перетащено файлов: %1</translation>
    </message>
</context>
<context>
    <name>TEXEForm</name>
    <message>
        <source>Ambermox Self-Extractor</source>
        <translation>Самораспаковывающийся архив Ambermox</translation>
    </message>
    <message>
        <source>Default &quot;UnZip &amp;To&quot; Folder:</source>
        <translation>Папка «&amp;Извлечь в» по умолчанию:</translation>
    </message>
    <message>
        <source>%temp% means users&apos;s TEMP= Folder</source>
        <translation>%temp% — папка TEMP= пользователя</translation>
    </message>
    <message>
        <source>&amp;Caption:</source>
        <translation>&amp;Заголовок:</translation>
    </message>
    <message>
        <source>Co&amp;mmand line after extracting:</source>
        <translation>&amp;Команда после извлечения:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Закр&amp;ыть</translation>
    </message>
    <message>
        <source>&quot;$0&quot;; printf &apos;\nPress Enter to close. &apos;; read x</source>
        <translation>&quot;$0&quot;; printf &apos;\nНажмите Enter, чтобы закрыть. &apos;; read x</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has been created from 
&apos;%2&apos;.
Before distributing the EXE file, please be sure to test it in all target enviroments.

Do you want to test it now?</source>
        <translation>Файл «%1» создан из 
«%2».
Прежде чем распространять EXE-файл, обязательно проверьте его во всех целевых средах.

Проверить его сейчас?</translation>
    </message>
</context>
<context>
    <name>TExtractForm</name>
    <message>
        <source>Extract</source>
        <translation>Извлечение</translation>
    </message>
    <message>
        <source>E&amp;xtract to:</source>
        <translation>Извлечь &amp;в:</translation>
    </message>
    <message>
        <source>Show the folder in the tree</source>
        <translation>Показать папку в дереве</translation>
    </message>
    <message>
        <source>&amp;Folders/drives:</source>
        <translation>&amp;Папки и диски:</translation>
    </message>
    <message>
        <source>&amp;Extract</source>
        <translation>&amp;Извлечь</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;New Folder...</source>
        <translation>&amp;Новая папка...</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>&amp;Selected files</source>
        <translation>В&amp;ыделенные файлы</translation>
    </message>
    <message>
        <source>&amp;All files</source>
        <translation>Вс&amp;е файлы</translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation>&amp;Файлы:</translation>
    </message>
    <message>
        <source>&amp;Overwrite Existing Files</source>
        <translation>&amp;Заменять существующие файлы</translation>
    </message>
    <message>
        <source>S&amp;kip Older Files</source>
        <translation>Пропускать &amp;более старые файлы</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Извлечение</translation>
    </message>
    <message>
        <source>Could not find the folder &quot;%1&quot;.</source>
        <translation>Не удалось найти папку «%1».</translation>
    </message>
    <message>
        <source>Error - no files selected for extraction</source>
        <translation>Ошибка: не выбраны файлы для извлечения</translation>
    </message>
</context>
<context>
    <name>TFavorOptForm</name>
    <message>
        <source>Ambermox Options</source>
        <translation>Параметры Ambermox</translation>
    </message>
    <message>
        <source>&amp;Add a folder to list</source>
        <translation>&amp;Добавить папку в список</translation>
    </message>
    <message>
        <source>&amp;Remove folder</source>
        <translation>&amp;Удалить папку</translation>
    </message>
    <message>
        <source>&amp;Ambermox will automatically list Zip files located in the following folders. Click the button below to add or remove from your Favorite Zip Folders.</source>
        <translation>Ambermox будет &amp;автоматически показывать файлы Zip из следующих папок. Нажмите кнопку ниже, чтобы добавить папки в избранные папки Zip или удалить их оттуда.</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>Избранные папки Zip</translation>
    </message>
    <message>
        <source>&amp;Add the folder to the Favorite Zip Folders automatically</source>
        <translation>&amp;Добавлять папку в избранные папки Zip автоматически</translation>
    </message>
    <message>
        <source>A&amp;sk before adding the folder to the Favorite Zip Folders</source>
        <translation>&amp;Спрашивать перед добавлением папки в избранные папки Zip</translation>
    </message>
    <message>
        <source>&amp;Do not add the folder to the Favorite Zip Folders</source>
        <translation>&amp;Не добавлять папку в избранные папки Zip</translation>
    </message>
    <message>
        <source>If you open a Zip file that is not in one of your Favorite Zip Folders, Ambermox can add the folder to your Favorite Zip Folders.</source>
        <translation>Если открыть файл Zip, который не находится ни в одной из избранных папок Zip, Ambermox может добавить его папку в избранные папки Zip.</translation>
    </message>
    <message>
        <source>Other Zip Folders</source>
        <translation>Другие папки Zip</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>&amp;Выбрать папку</translation>
    </message>
</context>
<context>
    <name>TFavoriteForm</name>
    <message>
        <source>Files in Favorite Zip Folders sorted by name:</source>
        <translation>Файлы в избранных папках Zip, по имени:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by date:</source>
        <translation>Файлы в избранных папках Zip, по дате:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders sorted by folder:</source>
        <translation>Файлы в избранных папках Zip, по папке:</translation>
    </message>
    <message>
        <source>Favorite Zip Folders</source>
        <translation>Избранные папки Zip</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders:</source>
        <translation>Файлы в избранных папках Zip:</translation>
    </message>
    <message>
        <source>Files in Favorite Zip Folders</source>
        <translation>Файлы в избранных папках Zip</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Файл не выбран.</translation>
    </message>
    <message>
        <source>Zip files</source>
        <translation>Файлы Zip</translation>
    </message>
    <message>
        <source>Files of &amp;type:</source>
        <translation>&amp;Тип файлов:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Поиск...</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>П&amp;араметры...</translation>
    </message>
    <message>
        <source>File name: %1</source>
        <translation>Имя файла: %1</translation>
    </message>
</context>
<context>
    <name>TFilePropForm</name>
    <message>
        <source>File Properties</source>
        <translation>Свойства файла</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Размер файла:</translation>
    </message>
    <message>
        <source>Packed size:</source>
        <translation>Сжатый размер:</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Сжатие:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Изменён:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Путь:</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Файл %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
</context>
<context>
    <name>TFindForm</name>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«%1» не является допустимой датой и временем</translation>
    </message>
    <message>
        <source>Find file(s)</source>
        <translation>Поиск файлов</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>&amp;Тип файла:</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Область</translation>
    </message>
    <message>
        <source>&amp;All Dates</source>
        <translation>&amp;Любая дата</translation>
    </message>
    <message>
        <source>&amp;Find Files created or modified </source>
        <translation>&amp;Найти файлы, созданные или изменённые </translation>
    </message>
    <message>
        <source>Between</source>
        <translation>Между</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;День:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Месяц:</translation>
    </message>
    <message>
        <source>Y&amp;ear:</source>
        <translation>&amp;Год:</translation>
    </message>
    <message>
        <source>Da&amp;y:</source>
        <translation>Д&amp;ень:</translation>
    </message>
    <message>
        <source>M&amp;onth:</source>
        <translation>Ме&amp;сяц:</translation>
    </message>
    <message>
        <source>Yea&amp;r:</source>
        <translation>Г&amp;од:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>&amp;All sizes</source>
        <translation>Л&amp;юбой размер</translation>
    </message>
    <message>
        <source>&amp;Find  file size in the range</source>
        <translation>Найти файлы с &amp;размером в диапазоне</translation>
    </message>
    <message>
        <source>Below (&lt;=)</source>
        <translation>Не больше (&lt;=)</translation>
    </message>
    <message>
        <source>Above (&gt;=)</source>
        <translation>Не меньше (&gt;=)</translation>
    </message>
    <message>
        <source>Exact (=)</source>
        <translation>Ровно (=)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>О&amp;К</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>байт</translation>
    </message>
</context>
<context>
    <name>TLnEForm</name>
    <message>
        <source>Ambermox - Adding</source>
        <translation>Ambermox - добавление</translation>
    </message>
    <message>
        <source>How much of the folder is added</source>
        <translation>Какая часть папки добавлена</translation>
    </message>
    <message>
        <source>Ambermox - Extracting</source>
        <translation>Ambermox - извлечение</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>How much of the archive is extracted</source>
        <translation>Какая часть архива извлечена</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Zip files|*.zip|Archives and .exe files|*.zip;*.exe</source>
        <translation>Файлы Zip|*.zip|Архивы и файлы .exe|*.zip;*.exe</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; to create or &quot;Open&quot; to open an archive.</source>
        <translation>Выберите «Создать», чтобы создать архив, или «Открыть», чтобы открыть его.</translation>
    </message>
    <message>
        <source>No file(s) selected.</source>
        <translation>Файлы не выбраны.</translation>
    </message>
    <message>
        <source>Archive contents</source>
        <translation>Содержимое архива</translation>
    </message>
    <message>
        <source>The files in the open archive</source>
        <translation>Файлы открытого архива</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Ambermox</source>
        <translation>Ambermox</translation>
    </message>
    <message>
        <source>The program&apos;s turning picture</source>
        <translation>Вращающаяся картинка программы</translation>
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
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Reading directory...</source>
        <translation>Чтение каталога...</translation>
    </message>
    <message>
        <source>Sorting files...</source>
        <translation>Сортировка файлов...</translation>
    </message>
    <message>
        <source>Loading file list...</source>
        <translation>Загрузка списка файлов...</translation>
    </message>
    <message>
        <source>Total 1 file, %1 kB [%2 kB]</source>
        <translation>Всего 1 файл, %1 КБ [%2 КБ]</translation>
    </message>
    <message numerus="yes">
        <source>Total %1 files, %2 kB [%3 kB]</source>
        <translation>
            <numerusform>Всего %1 файл, %2 КБ [%3 КБ]</numerusform>
            <numerusform>Всего %1 файла, %2 КБ [%3 КБ]</numerusform>
            <numerusform>Всего %1 файлов, %2 КБ [%3 КБ]</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected 1 file, %1 kB</source>
        <translation>Выделен 1 файл, %1 КБ</translation>
    </message>
    <message numerus="yes">
        <source>Selected %1 files, %2 kB</source>
        <translation>
            <numerusform>Выделен %1 файл, %2 КБ</numerusform>
            <numerusform>Выделено %1 файла, %2 КБ</numerusform>
            <numerusform>Выделено %1 файлов, %2 КБ</numerusform>
        </translation>
    </message>
    <message>
        <source>[Comment]</source>
        <translation>[Комментарий]</translation>
    </message>
</context>
<context>
    <name>TMsgForm</name>
    <message>
        <source>View Last Output</source>
        <translation>Последний вывод</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Вывод</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TRenameForm</name>
    <message>
        <source>Rename</source>
        <translation>Переименование</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Новое имя:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Старое имя:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TSearchForm</name>
    <message>
        <source>Ambermox Search</source>
        <translation>Поиск Ambermox</translation>
    </message>
    <message>
        <source>Ambermox can automatically search for Zip files,  or, if  you want  to  search  for  a file yourselft, click &quot;Let me find it&quot;.</source>
        <translation>Ambermox может автоматически найти файлы Zip; если вы хотите найти файл сами, нажмите «Я найду сам».</translation>
    </message>
    <message>
        <source>&amp;Search hard disk(s) on this PC</source>
        <translation>&amp;Искать на дисках этого компьютера</translation>
    </message>
    <message>
        <source>Search &amp;disk:</source>
        <translation>&amp;Диск для поиска:</translation>
    </message>
    <message>
        <source>&amp;Let me find it (not automatic)</source>
        <translation>&amp;Я найду сам (не автоматически)</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Moves while the search runs</source>
        <translation>Движется, пока идёт поиск</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Ambermox Wizard - Select Zip File</source>
        <translation>Мастер Ambermox - выбор файла Zip</translation>
    </message>
    <message>
        <source>Zip files|*.zip</source>
        <translation>Файлы Zip|*.zip</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <translation>Поиск в %1</translation>
    </message>
    <message numerus="yes">
        <source>Searched %1, %n file(s) found...</source>
        <translation>
            <numerusform>Просмотрено папок: %1, найден %n файл...</numerusform>
            <numerusform>Просмотрено папок: %1, найдено %n файла...</numerusform>
            <numerusform>Просмотрено папок: %1, найдено %n файлов...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSelDirForm</name>
    <message>
        <source>Select Folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>&amp;Folders and disk drives:</source>
        <translation>&amp;Папки и диски:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Создать...</translation>
    </message>
</context>
<context>
    <name>TTipForm</name>
    <message>
        <source>Ambermox Tip of the Day</source>
        <translation>Совет дня Ambermox</translation>
    </message>
    <message>
        <source>Did you know..</source>
        <translation>А знаете ли вы...</translation>
    </message>
    <message>
        <source>Always show tips at startup</source>
        <translation>Всегда показывать советы при запуске</translation>
    </message>
    <message>
        <source>Show tip at startup if not opening Zip file</source>
        <translation>Показывать совет при запуске, если не открывается файл Zip</translation>
    </message>
    <message>
        <source>Never show tips at startup</source>
        <translation>Никогда не показывать советы при запуске</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Следующий совет</translation>
    </message>
</context>
<context>
    <name>TViewForm</name>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source> Using </source>
        <translation> Чем открыть </translation>
    </message>
    <message>
        <source>&amp;Associated program</source>
        <translation>&amp;Связанная программа</translation>
    </message>
    <message>
        <source>&amp;Internal ASCII text viewer</source>
        <translation>&amp;Встроенная программа просмотра текста ASCII</translation>
    </message>
    <message>
        <source>&amp;Viewer: </source>
        <translation>&amp;Программа просмотра: </translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Программа просмотра</translation>
    </message>
    <message>
        <source>Browse for the viewer program</source>
        <translation>Найти программу просмотра</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Programs|*</source>
        <translation>Программы|*</translation>
    </message>
    <message>
        <source>Cannot find the viewer program &quot;%1&quot;.</source>
        <translation>Не удалось найти программу просмотра «%1».</translation>
    </message>
</context>
<context>
    <name>TZipPropForm</name>
    <message>
        <source>Zip Properties</source>
        <translation>Свойства Zip</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Путь:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Размер файла:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Compression:</source>
        <translation>Сжатие:</translation>
    </message>
    <message>
        <source>Date/time:</source>
        <translation>Дата и время:</translation>
    </message>
    <message>
        <source>Co&amp;mment...</source>
        <translation>&amp;Комментарий...</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>The Tip of the Day dialog box is normally displayed when you start Ambermox but are not automatically opening a Zip file. You can change this option so tips are never displayed, or always displayed when Ambermox is started.</source>
        <translation>Окно «Совет дня» обычно появляется при запуске Ambermox, если при этом не открывается автоматически файл Zip. Этот параметр можно изменить, чтобы советы не показывались никогда или показывались при каждом запуске Ambermox.</translation>
    </message>
    <message>
        <source>If you turn the Tip of the Day off and later want to restore it, select Tip of the Day from the Ambermox Help pull-down menu, then select from the combo box at the bottom of the dialog box.</source>
        <translation>Если вы отключили «Совет дня», а потом захотели его вернуть, выберите «Совет дня» в меню «Справка» Ambermox, а затем выберите нужный вариант в раскрывающемся списке внизу окна.</translation>
    </message>
    <message>
        <source>Ambermox&apos;s toolbar buttons look much better if your display is in high-color mode. </source>
        <translation>Кнопки панели инструментов Ambermox выглядят гораздо лучше, если экран работает в режиме High Color. </translation>
    </message>
    <message>
        <source>For a Brief Tutorial on Ambermox, select Brief Tutorial from the Ambermox Help pull-down menu.</source>
        <translation>Чтобы прочитать краткое руководство по Ambermox, выберите «Краткое руководство» в меню «Справка» Ambermox.</translation>
    </message>
    <message>
        <source>For answers to Frequently Asked Questions (FAQs), select Frequently Asked Questions from the Ambermox Help pull-down menu.</source>
        <translation>Ответы на часто задаваемые вопросы можно найти, выбрав «Часто задаваемые вопросы» в меню «Справка» Ambermox.</translation>
    </message>
    <message>
        <source>To display details about the open Zip file (for example, the date the Zip file was last modified or the name of the folder containing the Zip file), click on the Ambermox status line or select Properties from the Ambermox File menu.</source>
        <translation>Чтобы просмотреть сведения об открытом файле Zip (например, дату его последнего изменения или имя папки, в которой он находится), щёлкните строку состояния Ambermox или выберите «Свойства» в меню «Файл» Ambermox.</translation>
    </message>
    <message>
        <source>You can interrupt an archive operation by clicking anywhere in the Ambermox window. This will activate the &quot;Operation Interrupted&quot; dialog box.</source>
        <translation>Операцию с архивом можно прервать, щёлкнув в любом месте окна Ambermox. При этом откроется окно «Операция прервана».</translation>
    </message>
    <message>
        <source>You can quickly extract files from a Zip file by dragging the files from Ambermox to any folder or Explorer window (or even to the desktop).</source>
        <translation>Файлы можно быстро извлечь из файла Zip, перетащив их из Ambermox в любую папку или окно файлового менеджера (или даже на рабочий стол).</translation>
    </message>
    <message>
        <source>You can quickly add files to a Zip file by dragging the files from any folder or Explorer window to Ambermox.</source>
        <translation>Файлы можно быстро добавить в файл Zip, перетащив их в Ambermox из любой папки или окна файлового менеджера.</translation>
    </message>
    <message>
        <source>If you can&apos;t remember where you put your Zip files, you can use the Favorite Zip Folders feature to find them. Select Favorite Zip Folders from the Ambermox File menu.</source>
        <translation>Если вы не помните, где хранятся ваши файлы Zip, найти их поможет функция «Избранные папки Zip». Выберите «Избранные папки Zip» в меню «Файл» Ambermox.</translation>
    </message>
    <message>
        <source>You can easily view files in a Zip file by dragging them to an application or a shortcut to an application.</source>
        <translation>Файлы из файла Zip легко просмотреть, перетащив их в приложение или на ярлык приложения.</translation>
    </message>
</context>
<context>
    <name>ViewText</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Невозможно открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Это папка</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Невозможно прочитать файл «%1». %2</translation>
    </message>
    <message>
        <source>View: %1 (not a text file: only the first %2 of %3 shown)</source>
        <translation>Просмотр: %1 (не текстовый файл: показаны только первые %2 из %3)</translation>
    </message>
    <message>
        <source>View: %1 (only the first %2 of %3 shown)</source>
        <translation>Просмотр: %1 (показаны только первые %2 из %3)</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Просмотр: %1</translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Root</source>
        <translation>Корень</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домашняя папка</translation>
    </message>
</context>
</TS>
