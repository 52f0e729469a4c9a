<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>EditHistory</name>
    <message>
        <source>перемещение символа</source>
        <translation>moving a symbol</translation>
    </message>
    <message>
        <source>перемещение надписи</source>
        <translation>moving a label</translation>
    </message>
    <message>
        <source>перемещение шаблона</source>
        <translation>moving the template</translation>
    </message>
    <message>
        <source>изменение ширины шаблона</source>
        <translation>changing the template width</translation>
    </message>
    <message>
        <source>перемещение</source>
        <translation>moving</translation>
    </message>
    <message>
        <source>перемещение рисунка</source>
        <translation>moving a picture</translation>
    </message>
</context>
<context>
    <name>quirn::AboutDialog</name>
    <message>
        <source>О программе</source>
        <translation>About Quirn</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Разработка: команда проекта Quirn</source>
        <translation>Developed by the Quirn project team</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <extracomment>The release date&apos;s format, as QDate::toString takes it.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>quirn::BackgroundExport</name>
    <message>
        <source>Запись «%1»...</source>
        <translation>Writing “%1”...</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>quirn::CalibrationDialog</name>
    <message>
        <source>Ширина экрана задаётся целым положительным числом миллиметров, например 345.</source>
        <translation>The screen width is a whole positive number of millimetres, such as 345.</translation>
    </message>
    <message>
        <source>Ширина %1 мм не может быть шириной этого экрана: он сообщает о ширине %2 мм.</source>
        <translation>%1 mm cannot be the width of this screen: it reports a width of %2 mm.</translation>
    </message>
    <message>
        <source>Реальный размер экрана</source>
        <translation>Real Screen Size</translation>
    </message>
    <message>
        <source>Для правильного отображения размеров на экране введите реальную ширину экрана в миллиметрах</source>
        <translation>For sizes to show true on the screen, enter the screen&apos;s real width in millimetres</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>quirn::ColourChoice</name>
    <message>
        <source>Выбрать цвет</source>
        <translation>Choose a colour</translation>
    </message>
    <message>
        <source>Без цвета</source>
        <translation>No colour</translation>
    </message>
    <message>
        <source>Убрать цвет: %1</source>
        <translation>Take the colour back: %1</translation>
    </message>
</context>
<context>
    <name>quirn::CommandLine</name>
    <message>
        <source>после --export нужно имя выходного файла</source>
        <translation>--export needs an output file name</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>можно назвать только один файл</source>
        <translation>only one file can be named</translation>
    </message>
    <message>
        <source>--dpi применяется только вместе с --export</source>
        <translation>--dpi is used only with --export</translation>
    </message>
    <message>
        <source>после --print нужно имя файла</source>
        <translation>--print needs a file</translation>
    </message>
    <message>
        <source>после --dump-parameters нужно имя файла</source>
        <translation>--dump-parameters needs a file</translation>
    </message>
    <message>
        <source>записать шкалу, как она печатается, в файл ВЫХОД без окна; формат задаёт расширение: .bmp (1 бит на точку, настоящее разрешение в заголовке, зоны штрихуются), .png (цветной, когда на шкале есть зоны), .svg или .pdf (натуральная величина в миллиметрах); без ФАЙЛА — новый документ, как при запуске программы (Initial.qrn, иначе параметры по умолчанию)</source>
        <translation>write the scale as printed to OUT without a window; the extension chooses the format: .bmp (1 bit per pixel, true resolution in the header, zones hatched), .png (in colour when the plate has zones), .svg or .pdf (true size in millimetres); without FILE a new document, as the program starts one (Initial.qrn, else the defaults)</translation>
    </message>
    <message>
        <source>ВЫХОД</source>
        <translation>OUT</translation>
    </message>
    <message>
        <source>разрешение файла .bmp или .png (по умолчанию — как у принтера по умолчанию, без принтера 600)</source>
        <translation>resolution of a .bmp or .png export (default: the default printer&apos;s, 600 without a printer)</translation>
    </message>
    <message>
        <source>напечатать ФАЙЛ на принтере по умолчанию без диалога</source>
        <translation>print FILE on the default printer without a dialog</translation>
    </message>
    <message>
        <source>вывести параметры так, как программа читает ФАЙЛ</source>
        <translation>write the parameters as the program reads FILE</translation>
    </message>
    <message>
        <source>показать эту справку</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>показать версию</source>
        <translation>show the version</translation>
    </message>
    <message>
        <source>Рисует шкалу стрелочного измерительного прибора в натуральную величину.</source>
        <translation>Draws the dial scale of an analog instrument at true size.</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>файл параметров шкалы (.qrn), который нужно открыть</source>
        <translation>a scale parameter file (.qrn) to open</translation>
    </message>
    <message>
        <source>сколько копий шкалы поместить на лист, от 1 до 100, рядами с метками обреза: при печати на бумаге принтера, в файл .pdf на листах A4 (по умолчанию 1: в .pdf страница — сама шкала)</source>
        <translation>how many copies of the scale to place on a sheet, from 1 to 100, in rows with crop marks: when printing, on the printer&apos;s paper; in a .pdf file, on A4 sheets (by default 1: a .pdf page is the scale itself)</translation>
    </message>
    <message>
        <source>отразить шкалу слева направо, для печати на обороте прозрачной плёнки: при печати и в файл .pdf или .svg</source>
        <translation>mirror the scale left to right, for printing on the back of transparent film: when printing and in a .pdf or .svg file</translation>
    </message>
    <message>
        <source>записать надписи в файл .svg или .pdf контурами, которым не нужен шрифт</source>
        <translation>write the texts into a .svg or .pdf file as outlines that need no font</translation>
    </message>
    <message>
        <source>после --copies нужно целое число копий от 1 до 100</source>
        <translation>--copies needs a whole number of copies from 1 to 100</translation>
    </message>
    <message>
        <source>--copies и --mirror применяются только вместе с --export или --print</source>
        <translation>--copies and --mirror apply only together with --export or --print</translation>
    </message>
    <message>
        <source>несколько копий на листе пишутся только в файл .pdf</source>
        <translation>several copies on a sheet are written to a .pdf file only</translation>
    </message>
    <message>
        <source>--mirror применяется только к файлам .pdf и .svg</source>
        <translation>--mirror applies to .pdf and .svg files only</translation>
    </message>
    <message>
        <source>--outline-text применяется только вместе с --export в файл .svg или .pdf</source>
        <translation>--outline-text applies only together with --export to a .svg or .pdf file</translation>
    </message>
    <message>
        <source>предложить шкалу по скану старой пластины (PNG, JPEG, TIFF или BMP с разрешением в файле): найти ось, деления, дугу и края пластины; вместе с --values и --export: в файл .qrn — документ со сканом как шаблоном, в .bmp, .png, .svg или .pdf — его рисунок</source>
        <translation>propose a scale from a scan of an old plate (PNG, JPEG, TIFF or BMP stating its resolution): find the pivot, the ticks, the arc and the plate&apos;s edges; with --values and --export: into a .qrn file the document with the scan as its template, into .bmp, .png, .svg or .pdf its picture</translation>
    </message>
    <message>
        <source>СКАН</source>
        <translation>SCAN</translation>
    </message>
    <message>
        <source>значения первой и последней больших отметок скана для --from-scan, например 0:15</source>
        <translation>the values of the scan&apos;s first and last big tick for --from-scan, for example 0:15</translation>
    </message>
    <message>
        <source>ПЕРВОЕ:ПОСЛЕДНЕЕ</source>
        <translation>FIRST:LAST</translation>
    </message>
    <message>
        <source>после --values нужны два разных числа через двоеточие, например 0:15</source>
        <translation>--values needs two different numbers separated by a colon, for example 0:15</translation>
    </message>
    <message>
        <source>--values применяется только вместе с --from-scan</source>
        <translation>--values applies only together with --from-scan</translation>
    </message>
    <message>
        <source>--from-scan применяется только вместе с --export</source>
        <translation>--from-scan applies only together with --export</translation>
    </message>
    <message>
        <source>для --from-scan нужны --values ПЕРВОЕ:ПОСЛЕДНЕЕ, например 0:15</source>
        <translation>--from-scan needs --values FIRST:LAST, for example 0:15</translation>
    </message>
    <message>
        <source>после --from-scan нужно имя скана</source>
        <translation>--from-scan needs the scan&apos;s file name</translation>
    </message>
    <message>
        <source>после --dpi нужно целое число точек на дюйм от 1 до 9600</source>
        <translation>--dpi needs a whole number of dots per inch from 1 to 9600</translation>
    </message>
</context>
<context>
    <name>quirn::Commands</name>
    <message>
        <source>&amp;Открыть...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Открыть существующий документ</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Сохранить	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Сохранить текущий документ</source>
        <translation>Save the current document</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;как...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Сохранить текущий документ под новым именем</source>
        <translation>Save the current document under a new name</translation>
    </message>
    <message>
        <source>Пара&amp;метры печати</source>
        <translation>Print Set&amp;up</translation>
    </message>
    <message>
        <source>Выбрать принтер и его параметры</source>
        <translation>Choose a printer and its settings</translation>
    </message>
    <message>
        <source>Пред&amp;варительный просмотр</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Просмотр содержимого перед печатью</source>
        <translation>See the page as it will print</translation>
    </message>
    <message>
        <source>Предварительный просмотр печати</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>&amp;Печать...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Напечатать текущий документ</source>
        <translation>Print the current document</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Параметры страницы</source>
        <translation>Page Setup</translation>
    </message>
    <message>
        <source>Настроить параметры страницы при печати</source>
        <translation>Set up the printed page</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Выход из программы</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Реальный размер экрана</source>
        <translation>Real Screen Size</translation>
    </message>
    <message>
        <source>Задать реальный размер экрана по горизонтали</source>
        <translation>Set the screen&apos;s real width</translation>
    </message>
    <message>
        <source>Шкалы...</source>
        <translation>Scales...</translation>
    </message>
    <message>
        <source>Показать окно шкал: законы, списки, дополнительные шкалы, зоны и надписи</source>
        <translation>Show the scales window: laws, lists, further scales, zones and labels</translation>
    </message>
    <message>
        <source>Сбросить расположение</source>
        <translation>Reset Positions</translation>
    </message>
    <message>
        <source>Вернуть перетащенные надписи и символы на их места по умолчанию</source>
        <translation>Put dragged labels and symbols back in their default places</translation>
    </message>
    <message>
        <source>Сетка</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Показать или скрыть миллиметровую сетку</source>
        <translation>Show or hide the millimetre grid</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Отменить последнее действие</source>
        <translation>Undo the last action</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Повторить отменённое действие</source>
        <translation>Redo the undone action</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Показать информацию о программе, ее версии и авторах</source>
        <translation>Show the program&apos;s information, version and authors</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Создать	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>Создать новый документ</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>&amp;Экспорт...	Ctrl+E</source>
        <translation>&amp;Export...	Ctrl+E</translation>
    </message>
    <message>
        <source>Записать рисунок в файл: BMP, PNG, SVG или PDF</source>
        <translation>Write the picture to a file: BMP, PNG, SVG or PDF</translation>
    </message>
    <message>
        <source>Калибровка принтера</source>
        <translation>Printer calibration</translation>
    </message>
    <message>
        <source>Напечатать пробную страницу и поправить масштаб печати принтера</source>
        <translation>Print a test page and correct the printer&apos;s scale</translation>
    </message>
    <message>
        <source>Увеличить</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Увеличить масштаб на один шаг</source>
        <translation>Zoom in by one step</translation>
    </message>
    <message>
        <source>Уменьшить</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Уменьшить масштаб на один шаг</source>
        <translation>Zoom out by one step</translation>
    </message>
    <message>
        <source>По размеру окна</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>Наибольший масштаб, при котором видна вся плата</source>
        <translation>The largest zoom that shows the whole plate</translation>
    </message>
    <message>
        <source>Выровнять шаблон</source>
        <translation>Level the template</translation>
    </message>
    <message>
        <source>Повернуть шаблон: щёлкнуть на нём две точки одной горизонтали</source>
        <translation>Turn the template: click two points on it that lie level</translation>
    </message>
    <message>
        <source>Калибровка по шаблону</source>
        <translation>Calibrate from the template</translation>
    </message>
    <message>
        <source>Снять закон текущей шкалы со старой шкалы на шаблоне: ось стрелки, затем отметки с их значениями</source>
        <translation>Take the current scale&apos;s law from the old plate on the template: the pointer pivot, then ticks with their values</translation>
    </message>
    <message>
        <source>Создать по с&amp;кану...</source>
        <translation>Create from a S&amp;can...</translation>
    </message>
    <message>
        <source>Создать документ по скану старой пластины: ось, деления, дуга и края находятся сами, а скан становится шаблоном</source>
        <translation>Create a document from a scan of an old plate: the pivot, ticks, arc and edges are found for you, and the scan becomes the template</translation>
    </message>
    <message>
        <source>Найти деления</source>
        <translation>Find ticks</translation>
    </message>
    <message>
        <source>Найти все деления старой шкалы на шаблоне сразу, поправить их и снять по ним закон текущей шкалы</source>
        <translation>Find every tick of the old scale on the template at once, correct them and take the current scale&apos;s law from them</translation>
    </message>
    <message>
        <source>Скрыть новую шкалу</source>
        <translation>Hide the new scale</translation>
    </message>
    <message>
        <source>Оставить на экране только контур пластины, чтобы были видны деления шаблона</source>
        <translation>Show only the plate&apos;s outline on the screen, so that the template&apos;s ticks can be seen</translation>
    </message>
</context>
<context>
    <name>quirn::DialogPrompts</name>
    <message>
        <source>Параметры на панели изменены, но не применены. Применить их?</source>
        <translation>Parameters have been changed but not applied. Apply them?</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Не применять</source>
        <translation>Don&apos;t Apply</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Цвет зоны</source>
        <translation>Zone colour</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; уже существует. Заменить его?</source>
        <translation>The file &quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>Заменить</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Не заменять</source>
        <translation>Keep it</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Рисунки (*.svg *.png *.jpg *.jpeg *.bmp)</source>
        <translation>Pictures (*.svg *.png *.jpg *.jpeg *.bmp)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Калибровка по шаблону</source>
        <translation>Calibration from template</translation>
    </message>
    <message>
        <source>Значение отметки %1 шкалы %2:</source>
        <translation>Value of tick %1 of scale %2:</translation>
    </message>
    <message>
        <source>«%1» — не число.</source>
        <translation>“%1” is not a number.</translation>
    </message>
    <message>
        <source>Пока поля правились, документ изменил те же значения (%1). Оставить набранные или взять значения документа?</source>
        <translation>While the fields were being edited, the document changed the same values (%1). Keep what was typed, or take the document&apos;s values?</translation>
    </message>
    <message>
        <source>Оставить набранные</source>
        <translation>Keep Typed</translation>
    </message>
    <message>
        <source>Взять из документа</source>
        <translation>Take the Document&apos;s</translation>
    </message>
    <message>
        <source>Файл «%1» изменён другой программой. Загрузить его заново? Изменения, сделанные здесь, будут потеряны.</source>
        <translation>The file “%1” was changed by another program. Load it again? The changes made here will be lost.</translation>
    </message>
    <message>
        <source>Загрузить заново</source>
        <translation>Load again</translation>
    </message>
    <message>
        <source>Оставить мою версию</source>
        <translation>Keep my version</translation>
    </message>
</context>
<context>
    <name>quirn::DiskWatch</name>
    <message>
        <source>Файл «%1» удалён или переименован другой программой. Документ остаётся открытым: «Сохранить» запишет его снова.</source>
        <translation>The file “%1” was deleted or renamed by another program. The document stays open: “Save” writes it again.</translation>
    </message>
</context>
<context>
    <name>quirn::DocumentCommands</name>
    <message>
        <source>Безымянный</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>quirn::ExportDialog</name>
    <message>
        <source>BMP, 1 бит (для печати как есть)</source>
        <translation>BMP, 1 bit (to print as it is)</translation>
    </message>
    <message>
        <source>PNG (зоны и цвета в цвете)</source>
        <translation>PNG (zones and colours in colour)</translation>
    </message>
    <message>
        <source>SVG (для гравировки и резки)</source>
        <translation>SVG (for engraving and cutting)</translation>
    </message>
    <message>
        <source>PDF (для типографии)</source>
        <translation>PDF (for a print shop)</translation>
    </message>
    <message>
        <source>Экспорт</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Формат:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Имя файла:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Папка:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Обзор...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source> точек на дюйм</source>
        <translation> dots per inch</translation>
    </message>
    <message>
        <source>Разрешение:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Текст кривыми (файлу не нужны шрифты)</source>
        <translation>Text as outlines (the file needs no fonts)</translation>
    </message>
    <message>
        <source>Копий на листе:</source>
        <translation>Copies on the sheet:</translation>
    </message>
    <message>
        <source>Зеркально (для печати на обороте плёнки)</source>
        <translation>Mirrored (to print on the back of film)</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Папка для рисунка</source>
        <translation>Folder for the picture</translation>
    </message>
    <message>
        <source>Имя файла не задано или содержит &quot;/&quot;: укажите только имя, папку - в поле &quot;Папка&quot;.</source>
        <translation>The file name is empty or contains &quot;/&quot;: give the name only, and the folder in the &quot;Folder&quot; field.</translation>
    </message>
    <message>
        <source>Папка &quot;%1&quot; не существует.</source>
        <translation>The folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>Разрешение может быть от %1 до %2 точек на дюйм, а введено %3.</source>
        <translation>The resolution can be %1 to %2 dots per inch; %3 was typed.</translation>
    </message>
    <message>
        <source>Копий на листе может быть от 1 до %1, а введено %2.</source>
        <translation>The copies on a sheet can be 1 to %1; %2 was typed.</translation>
    </message>
</context>
<context>
    <name>quirn::FamilyNotices</name>
    <message>
        <source>Шрифт «%1» не найден, вместо него используется «%2».</source>
        <translation>Typeface “%1” was not found; “%2” is used instead.</translation>
    </message>
</context>
<context>
    <name>quirn::FileErrorText</name>
    <message>
        <source>Неизвестная ошибка при доступе к %1.</source>
        <translation>An unknown error occurred while accessing %1.</translation>
    </message>
    <message>
        <source>Папка для %1 не найдена.</source>
        <translation>The folder for %1 was not found.</translation>
    </message>
    <message>
        <source>%1 не найден.</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1 содержит неверный путь.</source>
        <translation>%1 contains an invalid path.</translation>
    </message>
    <message>
        <source>%1 не может быть открыт, так как слишком много открытых файлов.</source>
        <translation>%1 could not be opened because there are too many open files.</translation>
    </message>
    <message>
        <source>Доступ к %1 запрещен.</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>С файлом %1 связан неверный дескриптор.</source>
        <translation>An invalid handle was associated with %1.</translation>
    </message>
    <message>
        <source>%1 не может быть создан, так как каталог переполнен.</source>
        <translation>%1 could not be created because the directory is full.</translation>
    </message>
    <message>
        <source>Неудача при позиционировании на %1</source>
        <translation>Seeking failed on %1</translation>
    </message>
    <message>
        <source>Аппаратная ошибка ввода/вывода при доступе к %1.</source>
        <translation>A hardware I/O error occurred while accessing %1.</translation>
    </message>
    <message>
        <source>Ошибка разделения доступа для %1.</source>
        <translation>A sharing violation occurred while accessing %1.</translation>
    </message>
    <message>
        <source>Ошибка блокировки при доступе к %1.</source>
        <translation>A locking violation occurred while accessing %1.</translation>
    </message>
    <message>
        <source>Диск переполнен в процессе обращения к %1.</source>
        <translation>The disk became full while accessing %1.</translation>
    </message>
    <message>
        <source>Попытка доступа к информации, находящейся за концом файла %1.</source>
        <translation>An attempt was made to read past the end of %1.</translation>
    </message>
    <message>
        <source>%1 не может быть создан в этой папке.</source>
        <translation>%1 cannot be created in this folder.</translation>
    </message>
    <message>
        <source>%1 не может быть записан: диск доступен только для чтения.</source>
        <translation>%1 cannot be written: the disk is read-only.</translation>
    </message>
    <message>
        <source>Файл «%1» не является файлом шкалы</source>
        <translation>The file “%1” is not a scale file</translation>
    </message>
    <message>
        <source>Невозможно открыть документ.</source>
        <translation>The document cannot be opened.</translation>
    </message>
    <message>
        <source>Невозможно сохранить документ.</source>
        <translation>The document cannot be saved.</translation>
    </message>
    <message>
        <source>Неверное имя файла.</source>
        <translation>Invalid file name.</translation>
    </message>
</context>
<context>
    <name>quirn::FreeTextTable</name>
    <message>
        <source>X, мм</source>
        <translation>X, mm</translation>
    </message>
    <message>
        <source>Y, мм</source>
        <translation>Y, mm</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Angle, °</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Typeface</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Добавить надпись</source>
        <translation>Add text</translation>
    </message>
    <message>
        <source>Удалить надпись</source>
        <translation>Remove text</translation>
    </message>
    <message>
        <source>Надпись %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>%1: в поле «%2» не число: «%3»</source>
        <translation>%1: “%2” is not a number: “%3”</translation>
    </message>
    <message>
        <source>%1: текст пуст</source>
        <translation>%1: the text is empty</translation>
    </message>
    <message>
        <source>%1: шрифт не понят: «%2» (пример: «DejaVu Serif, bold, italic, 120%»)</source>
        <translation>%1: typeface not understood: “%2” (for example “DejaVu Serif, bold, italic, 120%”)</translation>
    </message>
    <message>
        <source>%1: цвет пишется как #rrggbb: «%2»</source>
        <translation>%1: a colour is written as #rrggbb: “%2”</translation>
    </message>
</context>
<context>
    <name>quirn::HeadlessExport</name>
    <message>
        <source>Найдено делений: %1, больших: %2; закон шкалы: %3 (отклонение от линейного %4 мм, от квадратичного %5 мм, допуск %6 мм).</source>
        <translation>Ticks found: %1, big ones: %2; scale law: %3 (off the linear law by %4 mm, off the square law by %5 mm, tolerance %6 mm).</translation>
    </message>
    <message>
        <source>Край пластины на скане не найден: её размеры оставлены как были.</source>
        <translation>The plate&apos;s edge was not found on the scan: its size is left as it was.</translation>
    </message>
    <message>
        <source>Запись: %1 %</source>
        <translation>Writing: %1 %</translation>
    </message>
</context>
<context>
    <name>quirn::HeadlessPrint</name>
    <message>
        <source>печать невозможна: не установлен ни один принтер или не запущена система печати</source>
        <translation>cannot print: no printer is installed, or the print system is not running</translation>
    </message>
    <message>
        <source>печать невозможна: не задан принтер по умолчанию (lpadmin -d ИМЯ)</source>
        <translation>cannot print: no default printer is set (lpadmin -d NAME)</translation>
    </message>
</context>
<context>
    <name>quirn::HelpDialog</name>
    <message>
        <source>ReadMe.txt</source>
        <extracomment>The help text&apos;s file for this language, among the program&apos;s data files.</extracomment>
        <translation>ReadMe_en.txt</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Размеры пластины</source>
        <translation>Plate dimensions</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>В папке с программой отсутствует файл %1</source>
        <translation>The file %1 is missing from the program&apos;s folder</translation>
    </message>
</context>
<context>
    <name>quirn::LabelLooks</name>
    <message>
        <source>Числа и единицы шкал 2–4</source>
        <translation>Numerals and units of scales 2–4</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>black</translation>
    </message>
    <message>
        <source>Единица</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>как у шкалы 1</source>
        <translation>as scale 1</translation>
    </message>
    <message>
        <source>Надпись изготовителя</source>
        <translation>Maker’s label</translation>
    </message>
    <message>
        <source>Надпись стандарта</source>
        <translation>Standard’s label</translation>
    </message>
    <message>
        <source>Шрифты и цвета надписей</source>
        <translation>Typefaces and colours of the labels</translation>
    </message>
    <message>
        <source>Без отметки «свой» шрифт как обычно.</source>
        <translation>Without the “own” check mark the typeface is the usual one.</translation>
    </message>
    <message>
        <source>цвет</source>
        <translation>colour</translation>
    </message>
</context>
<context>
    <name>quirn::LanguageMenu</name>
    <message>
        <source>Язык сменится при следующем запуске программы.</source>
        <translation>The language will change the next time the program starts.</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>As the system</translation>
    </message>
</context>
<context>
    <name>quirn::Launcher</name>
    <message>
        <source>не удалось записать в стандартный вывод</source>
        <translation>cannot write to standard output</translation>
    </message>
    <message>
        <source>Подробнее: quirn --help</source>
        <translation>Try &apos;quirn --help&apos; for more information.</translation>
    </message>
</context>
<context>
    <name>quirn::LawTable</name>
    <message>
        <source>Шкала %1: начало шкалы совпадает с её концом (%2)</source>
        <translation>Scale %1: the scale starts where it ends (%2)</translation>
    </message>
    <message>
        <source>Шкала %1: квадратичная шкала не может начинаться ниже нуля</source>
        <translation>Scale %1: a square-law scale cannot start below zero</translation>
    </message>
    <message>
        <source>Шкала %1: середина шкалы омметра («Конец шкалы») должна быть больше нуля (%2)</source>
        <translation>Scale %1: the ohmmeter&apos;s centre value (“Scale end”) must be above zero (%2)</translation>
    </message>
    <message>
        <source>Шкала %1: середина шкалы омметра («Диапазон шкалы») должна быть больше нуля (%2)</source>
        <translation>Scale %1: the ohmmeter&apos;s centre value (“Scale range”) must be above zero (%2)</translation>
    </message>
    <message>
        <source>Шкала %1: для омметра нужны списки отметок и чисел</source>
        <translation>Scale %1: an ohmmeter scale needs lists of ticks and numerals</translation>
    </message>
    <message>
        <source>Шкала %1: в таблице нужно не меньше двух точек</source>
        <translation>Scale %1: the table needs at least two points</translation>
    </message>
    <message>
        <source>Шкала %1: значения таблицы должны возрастать (%2)</source>
        <translation>Scale %1: the table&apos;s values must rise (%2)</translation>
    </message>
    <message>
        <source>Шкала %1: доля дуги в таблице должна быть от 0 до 1 (%2)</source>
        <translation>Scale %1: an arc fraction in the table must be from 0 to 1 (%2)</translation>
    </message>
    <message>
        <source>Шкала %1: доли дуги в таблице не должны убывать, когда значения растут (%2)</source>
        <translation>Scale %1: the table&apos;s arc fractions must not fall while its values rise (%2)</translation>
    </message>
    <message>
        <source>Шкала %1: точки таблицы (%2) должны охватывать шкалу от начала до конца (%3 … %4)</source>
        <translation>Scale %1: the table&apos;s points (%2) must cover the scale from its start to its end (%3 … %4)</translation>
    </message>
    <message>
        <source>Шкала %1: КСВ не бывает меньше 1 (%2)</source>
        <translation>Scale %1: an SWR cannot be below 1 (%2)</translation>
    </message>
    <message>
        <source>линейная</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>квадратичная</source>
        <translation>square-law</translation>
    </message>
    <message>
        <source>децибелы</source>
        <translation>decibels</translation>
    </message>
    <message>
        <source>омметр</source>
        <translation>ohmmeter</translation>
    </message>
    <message>
        <source>Середина шкалы</source>
        <translation>Scale centre</translation>
    </message>
    <message>
        <source>таблица</source>
        <translation>table</translation>
    </message>
    <message>
        <source>КСВ</source>
        <translation>SWR</translation>
    </message>
</context>
<context>
    <name>quirn::MainWindow</name>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Параметры печати</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Рисунок записан: %1</source>
        <translation>Picture written: %1</translation>
    </message>
    <message>
        <source>Надписи и символы и так стоят на местах по умолчанию.</source>
        <translation>The labels and symbols already stand at their default places.</translation>
    </message>
    <message>
        <source>Надписи и символы возвращены на места по умолчанию (%1); Ctrl+Z отменит.</source>
        <translation>Labels and symbols moved back to their default places (%1); Ctrl+Z undoes it.</translation>
    </message>
</context>
<context>
    <name>quirn::OutcomeText</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>quirn::PanelFields</name>
    <message>
        <source>применение параметров</source>
        <translation>applying the parameters</translation>
    </message>
</context>
<context>
    <name>quirn::PanelReading</name>
    <message>
        <source>%1: не число «%2»</source>
        <translation>%1: not a number “%2”</translation>
    </message>
    <message>
        <source>%1: не целое число «%2»</source>
        <translation>%1: not a whole number “%2”</translation>
    </message>
    <message>
        <source>%1: слишком большое число «%2»</source>
        <translation>%1: number too large “%2”</translation>
    </message>
    <message>
        <source>%1: нужно больше %3 и не больше %4, а не «%2»</source>
        <translation>%1: must be above %3 and at most %4, not “%2”</translation>
    </message>
</context>
<context>
    <name>quirn::PanelText</name>
    <message>
        <source>Масштаб %1%</source>
        <translation>Zoom %1%</translation>
    </message>
</context>
<context>
    <name>quirn::ParameterBar</name>
    <message>
        <source>Общие параметры шкалы</source>
        <translation>Scale plate</translation>
    </message>
    <message>
        <source>Параметры делений шкалы</source>
        <translation>Ticks</translation>
    </message>
    <message>
        <source>Применить параметры</source>
        <translation>Apply parameters</translation>
    </message>
    <message>
        <source>Записать рисунок в файл</source>
        <translation>Save picture to file</translation>
    </message>
    <message>
        <source>Название (марка) прибора</source>
        <translation>Instrument name (model)</translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation>Unit of measurement</translation>
    </message>
    <message>
        <source>Диапазон шкалы</source>
        <translation>Scale range</translation>
    </message>
    <message>
        <source>Половинный угол шкалы</source>
        <translation>Scale half-angle</translation>
    </message>
    <message>
        <source>град.</source>
        <translation>deg.</translation>
    </message>
    <message>
        <source>Внутренний радиус шкалы</source>
        <translation>Plate inner radius</translation>
    </message>
    <message>
        <source>Межцентр. расстояние крепежа</source>
        <translation>Mounting hole spacing</translation>
    </message>
    <message>
        <source>Квадратная шкала</source>
        <translation>Square plate</translation>
    </message>
    <message>
        <source>Радиусная шкала</source>
        <translation>Arched plate</translation>
    </message>
    <message>
        <source>Высота шкалы</source>
        <translation>Plate height</translation>
    </message>
    <message>
        <source>Величина скоса по верхним углам</source>
        <translation>Top corner bevel</translation>
    </message>
    <message>
        <source>Внешний радиус шкалы</source>
        <translation>Plate outer radius</translation>
    </message>
    <message>
        <source>Ширина шкалы</source>
        <translation>Plate width</translation>
    </message>
    <message>
        <source>Радиус делений</source>
        <translation>Tick radius</translation>
    </message>
    <message>
        <source>Внутренний радиус, числа снаружи</source>
        <translation>Inner radius, numerals outside</translation>
    </message>
    <message>
        <source>Внешний радиус, числа внутри</source>
        <translation>Outer radius, numerals inside</translation>
    </message>
    <message>
        <source>Длина больших делений</source>
        <translation>Major tick length</translation>
    </message>
    <message>
        <source>Длина малых делений</source>
        <translation>Minor tick length</translation>
    </message>
    <message>
        <source>Общее число делений</source>
        <translation>Number of ticks</translation>
    </message>
    <message>
        <source>Число больших делений</source>
        <translation>Number of major ticks</translation>
    </message>
    <message>
        <source>Число делений с числами</source>
        <translation>Ticks with numerals</translation>
    </message>
    <message>
        <source>Ширина больших делений</source>
        <translation>Major tick width</translation>
    </message>
    <message>
        <source>Ширина малых делений</source>
        <translation>Minor tick width</translation>
    </message>
    <message>
        <source>Дуга под/над делениями</source>
        <translation>Arc along the ticks</translation>
    </message>
    <message>
        <source>Расст. ось крепежа - ось стрелки</source>
        <translation>Mounting axis to pointer axis</translation>
    </message>
    <message>
        <source>Расст. ось крепежа - низ шкалы</source>
        <translation>Mounting axis to plate bottom</translation>
    </message>
    <message>
        <source>Ширина шаблона</source>
        <translation>Template width</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Координата X</source>
        <translation>X position</translation>
    </message>
    <message>
        <source>Координата Y</source>
        <translation>Y position</translation>
    </message>
    <message>
        <source>Применить введённые параметры к шкале (Enter)</source>
        <translation>Apply the parameters entered to the scale (Enter)</translation>
    </message>
    <message>
        <source>Обозначение (марка) прибора, печатается на шкале</source>
        <translation>The instrument&apos;s name (model), printed on the plate</translation>
    </message>
    <message>
        <source>Единица измерения, печатается на шкале (V, mA, kΩ...)</source>
        <translation>The unit of measurement, printed on the plate (V, mA, kΩ...)</translation>
    </message>
    <message>
        <source>Значение на правом конце шкалы 1; при законе «омметр» - значение в середине шкалы</source>
        <translation>The value at the right end of scale 1; under the ohmmeter law, the value at the centre of the scale</translation>
    </message>
    <message>
        <source>Половина угла дуги шкалы в градусах: деления идут от этого угла слева от вертикали через ось стрелки до такого же угла справа</source>
        <translation>Half the angle of the scale&apos;s arc, in degrees: the ticks run from this angle left of the vertical through the pointer axis to the same angle right of it</translation>
    </message>
    <message>
        <source>Радиус полукруглого выреза внизу посередине пластины, вокруг оси стрелки</source>
        <translation>Radius of the half-round cut-out at the bottom centre of the plate, about the pointer axis</translation>
    </message>
    <message>
        <source>Расстояние между центрами двух крепёжных отверстий</source>
        <translation>Distance between the centres of the two mounting holes</translation>
    </message>
    <message>
        <source>Прямоугольная пластина заданной ширины и высоты со скосами верхних углов</source>
        <translation>A rectangular plate of the width and height given, its upper corners bevelled</translation>
    </message>
    <message>
        <source>Пластина, ограниченная сверху дугой внешнего радиуса вокруг оси стрелки</source>
        <translation>A plate whose top is an arc of the outer radius about the pointer axis</translation>
    </message>
    <message>
        <source>Высота пластины от нижнего края до верхнего (только квадратная шкала)</source>
        <translation>Height of the plate from its bottom edge to its top edge (square plate only)</translation>
    </message>
    <message>
        <source>Сколько срезается с каждого из двух верхних углов пластины, по горизонтали и по вертикали поровну (только квадратная шкала)</source>
        <translation>How much is cut off each of the plate&apos;s two upper corners, across and down alike (square plate only)</translation>
    </message>
    <message>
        <source>Радиус верхней дуги пластины вокруг оси стрелки (только радиусная шкала)</source>
        <translation>Radius of the plate&apos;s top arc about the pointer axis (arched plate only)</translation>
    </message>
    <message>
        <source>Ширина пластины от левого края до правого</source>
        <translation>Width of the plate from its left edge to its right edge</translation>
    </message>
    <message>
        <source>Радиус окружности вокруг оси стрелки, от которой идут деления</source>
        <translation>Radius of the circle about the pointer axis that the ticks start from</translation>
    </message>
    <message>
        <source>Деления идут от радиуса делений наружу, числа стоят снаружи</source>
        <translation>The ticks run outward from the tick radius; the numerals stand outside them</translation>
    </message>
    <message>
        <source>Деления идут от радиуса делений внутрь, числа стоят внутри</source>
        <translation>The ticks run inward from the tick radius; the numerals stand inside them</translation>
    </message>
    <message>
        <source>Длина больших делений вдоль радиуса</source>
        <translation>Length of the major ticks along the radius</translation>
    </message>
    <message>
        <source>Длина малых делений вдоль радиуса</source>
        <translation>Length of the minor ticks along the radius</translation>
    </message>
    <message>
        <source>Число промежутков между соседними делениями на всей шкале (самих делений на одно больше)</source>
        <translation>Number of intervals between neighbouring ticks over the whole scale (there is one tick more)</translation>
    </message>
    <message>
        <source>Число промежутков между большими делениями на всей шкале</source>
        <translation>Number of intervals between major ticks over the whole scale</translation>
    </message>
    <message>
        <source>Число промежутков между числами: чисел на одно больше, их значения идут поровну от начала шкалы до конца</source>
        <translation>Number of intervals between numerals: there is one numeral more, their values evenly spaced from the scale&apos;s start to its end</translation>
    </message>
    <message>
        <source>Толщина линии больших делений</source>
        <translation>Line width of the major ticks</translation>
    </message>
    <message>
        <source>Толщина линии малых делений</source>
        <translation>Line width of the minor ticks</translation>
    </message>
    <message>
        <source>Провести дугу вдоль делений по радиусу делений</source>
        <translation>Draw an arc along the ticks on the tick radius</translation>
    </message>
    <message>
        <source>Толщина линии дуги вдоль делений</source>
        <translation>Line width of the arc along the ticks</translation>
    </message>
    <message>
        <source>На сколько линия центров крепёжных отверстий выше оси стрелки (ниже - со знаком минус)</source>
        <translation>How far the line through the mounting holes&apos; centres lies above the pointer axis (below: negative)</translation>
    </message>
    <message>
        <source>На сколько линия центров крепёжных отверстий выше нижнего края пластины</source>
        <translation>How far the line through the mounting holes&apos; centres lies above the plate&apos;s bottom edge</translation>
    </message>
    <message>
        <source>Подложить под чертёж картинку старой шкалы (шаблон) или убрать её; шаблон не печатается (Esc)</source>
        <translation>Lay a picture of an old scale (the template) under the drawing, or take it away; the template is never printed (Esc)</translation>
    </message>
    <message>
        <source>Ширина шаблона на чертеже; высота меняется в той же пропорции</source>
        <translation>Width of the template on the drawing; its height follows in proportion</translation>
    </message>
    <message>
        <source>Расстояние левого нижнего угла шаблона от оси стрелки по горизонтали</source>
        <translation>Horizontal distance of the template&apos;s lower-left corner from the pointer axis</translation>
    </message>
    <message>
        <source>Расстояние левого нижнего угла шаблона от оси стрелки по вертикали</source>
        <translation>Vertical distance of the template&apos;s lower-left corner from the pointer axis</translation>
    </message>
    <message>
        <source>Изменить ширину шаблона на 0.01 мм</source>
        <translation>Change the template&apos;s width by 0.01 mm</translation>
    </message>
    <message>
        <source>Сдвинуть шаблон по горизонтали на 0.01 мм</source>
        <translation>Move the template across by 0.01 mm</translation>
    </message>
    <message>
        <source>Сдвинуть шаблон по вертикали на 0.01 мм</source>
        <translation>Move the template up or down by 0.01 mm</translation>
    </message>
    <message>
        <source>Положение курсора в миллиметрах от оси стрелки: X вправо, Y вверх</source>
        <translation>The cursor&apos;s position in millimetres from the pointer axis: X to the right, Y up</translation>
    </message>
    <message>
        <source>Загрузить шаблон</source>
        <translation>Load template</translation>
    </message>
    <message>
        <source>Выровнять</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Повернуть шаблон: щёлкните на нём две точки, которые должны лежать на одной горизонтали</source>
        <translation>Turn the template: click two points on it that should lie level</translation>
    </message>
    <message>
        <source>Калибровка</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>Снять закон шкалы, открытой в окне «Шкалы», со старой шкалы на шаблоне: ось стрелки, затем отметки с их значениями</source>
        <translation>Take the law of the scale open in the “Scales” window from the old plate on the template: the pointer pivot, then the ticks with their values</translation>
    </message>
    <message>
        <source>Закрепить</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Закреплённый шаблон не двигается мышью: щелчки достаются надписям над ним</source>
        <translation>A locked template does not move with the mouse: clicks reach the labels above it</translation>
    </message>
    <message>
        <source>Осветлить</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Насколько осветлить шаблон, чтобы чертёж над ним был лучше виден</source>
        <translation>How much to lighten the template so that the drawing over it stands out</translation>
    </message>
    <message>
        <source>Записать шкалу в файл рисунка: окно записи предлагает однобитный BMP с разрешением принтера, а также PNG, SVG и PDF</source>
        <translation>Write the scale to a picture file: the export window proposes a one-bit BMP at the printer&apos;s resolution, and PNG, SVG and PDF too</translation>
    </message>
    <message>
        <source>Масштаб изображения; колесо мыши меняет его от %1 до %2%</source>
        <translation>View zoom; the mouse wheel changes it from %1 to %2%</translation>
    </message>
</context>
<context>
    <name>quirn::PictureExport</name>
    <message>
        <source>Файл «%1» не записан: рисунок такого размера построить нельзя</source>
        <translation>File “%1” not written: a picture of this size cannot be made</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation>Could not write file “%1”: %2</translation>
    </message>
    <message>
        <source>Не удалось создать файл «%1»: %2</source>
        <translation>Could not create file “%1”: %2</translation>
    </message>
    <message>
        <source>Файл «%1» не записан: рисунок %2 x %3 точек больше, чем допускает формат BMP (сторона до 2147483647 точек, файл до 4294967295 байт)</source>
        <translation>File “%1” not written: a picture of %2 x %3 pixels is larger than the BMP format allows (sides up to 2147483647 pixels, files up to 4294967295 bytes)</translation>
    </message>
    <message>
        <source>Файл «%1» не записан: не хватает памяти для рисунка %2 x %3 точек</source>
        <translation>File “%1” not written: not enough memory for a picture of %2 x %3 pixels</translation>
    </message>
    <message>
        <source>Файл «%1» не записан: формат определяется расширением .bmp, .png, .svg или .pdf</source>
        <translation>File “%1” not written: the extension .bmp, .png, .svg or .pdf chooses the format</translation>
    </message>
    <message>
        <source>Запись «%1» отменена: файл остался, каким был.</source>
        <translation>Writing “%1” was cancelled: the file is as it was.</translation>
    </message>
</context>
<context>
    <name>quirn::PictureTable</name>
    <message>
        <source>X, мм</source>
        <translation>X, mm</translation>
    </message>
    <message>
        <source>Y, мм</source>
        <translation>Y, mm</translation>
    </message>
    <message>
        <source>Ширина, мм</source>
        <translation>Width, mm</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Добавить рисунок</source>
        <translation>Add picture</translation>
    </message>
    <message>
        <source>Удалить рисунок</source>
        <translation>Remove picture</translation>
    </message>
    <message>
        <source>Выбрать файл рисунка</source>
        <translation>Choose the picture file</translation>
    </message>
    <message>
        <source>Рисунок %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>%1: ширина должна быть больше нуля: «%2»</source>
        <translation>%1: the width must be above zero: “%2”</translation>
    </message>
    <message>
        <source>%1: не выбран файл</source>
        <translation>%1: no file chosen</translation>
    </message>
</context>
<context>
    <name>quirn::PlaceTable</name>
    <message>
        <source>Символ системы</source>
        <translation>System symbol</translation>
    </message>
    <message>
        <source>Символ напряжения</source>
        <translation>Test voltage symbol</translation>
    </message>
    <message>
        <source>Символы класса</source>
        <translation>Class symbols</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Единица</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Надпись изготовителя</source>
        <translation>Maker’s label</translation>
    </message>
    <message>
        <source>Надпись стандарта</source>
        <translation>Standard label</translation>
    </message>
    <message>
        <source>X, мм</source>
        <translation>X, mm</translation>
    </message>
    <message>
        <source>Y, мм</source>
        <translation>Y, mm</translation>
    </message>
</context>
<context>
    <name>quirn::PlacedPictures</name>
    <message>
        <source>Рисунок «%1» не найден; на его месте нарисован перечёркнутый прямоугольник.</source>
        <translation>Picture “%1” was not found; a crossed box is drawn in its place.</translation>
    </message>
    <message>
        <source>Рисунок «%1» не читается как изображение (%2); на его месте нарисован перечёркнутый прямоугольник.</source>
        <translation>Picture “%1” cannot be read as an image (%2); a crossed box is drawn in its place.</translation>
    </message>
    <message>
        <source>Файл «%1» не содержит рисунка SVG; на его месте нарисован перечёркнутый прямоугольник.</source>
        <translation>File “%1” holds no SVG drawing; a crossed box is drawn in its place.</translation>
    </message>
    <message>
        <source>Имя файла «%1» содержит знаки, которых нет в кодировке файла шкалы (Windows-1251); переименуйте файл или выберите другой.</source>
        <translation>The file name “%1” holds characters the scale file’s encoding (Windows-1251) cannot hold; rename the file or choose another.</translation>
    </message>
</context>
<context>
    <name>quirn::PlateDrawing</name>
    <message>
        <source>ось стрелки</source>
        <translation>pointer axis</translation>
    </message>
    <message>
        <source>Деления крупно</source>
        <translation>Ticks enlarged</translation>
    </message>
</context>
<context>
    <name>quirn::PlateEdits</name>
    <message>
        <source>применение параметров</source>
        <translation>applying the parameters</translation>
    </message>
    <message>
        <source>сброс расположения</source>
        <translation>resetting the positions</translation>
    </message>
</context>
<context>
    <name>quirn::PlateItemsPage</name>
    <message>
        <source>Надписи</source>
        <translation>Texts</translation>
    </message>
    <message>
        <source>Рисунки</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Добавить символ</source>
        <translation>Add symbol</translation>
    </message>
    <message>
        <source>Расположение элементов</source>
        <translation>Places of the elements</translation>
    </message>
    <message>
        <source>Символа «%1» нет среди файлов программы: %2</source>
        <translation>The symbol “%1” is missing from the program’s files: %2</translation>
    </message>
    <message>
        <source>изменение надписей и рисунков</source>
        <translation>change of texts and pictures</translation>
    </message>
</context>
<context>
    <name>quirn::PrintBinding</name>
    <message>
        <source>Невозможно начать процедуру печати.
В системе не установлен ни один принтер.</source>
        <translation>Printing cannot start.
No printer is installed on this system.</translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Параметры страницы</source>
        <translation>Page Setup</translation>
    </message>
    <message>
        <source>Копии на листе</source>
        <translation>Copies on a sheet</translation>
    </message>
    <message>
        <source>Копий на листе:</source>
        <translation>Copies on a sheet:</translation>
    </message>
    <message>
        <source>Зеркально (для печати на обороте плёнки)</source>
        <translation>Mirrored (for printing on the back of film)</translation>
    </message>
    <message>
        <source>Копий на листе может быть от 1 до %1, а введено %2; ничего не напечатано.</source>
        <translation>The copies on a sheet can be 1 to %1; %2 was typed, and nothing was printed.</translation>
    </message>
</context>
<context>
    <name>quirn::PrinterCalibrationDialog</name>
    <message>
        <source>Калибровка принтера</source>
        <translation>Printer calibration</translation>
    </message>
    <message>
        <source>Пробная страница отправлена на принтер «%1». Измерьте обе линейки на ней от штриха 0 до штриха 100 и введите их длину.</source>
        <translation>The test page was sent to printer “%1”. Measure both rulers on it from the 0 tick to the 100 tick and enter their lengths.</translation>
    </message>
    <message>
        <source>По горизонтали, мм:</source>
        <translation>Horizontal, mm:</translation>
    </message>
    <message>
        <source>По вертикали, мм:</source>
        <translation>Vertical, mm:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>По горизонтали</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>По вертикали</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Поле «%1»: введите измеренную длину от 90 до 110 мм, дробную часть через точку, например 99.4.</source>
        <translation>Field “%1”: enter the measured length from 90 to 110 mm, with a point before the decimals, for example 99.4.</translation>
    </message>
    <message>
        <source>Выбрана печать в файл. Файл всегда точного размера, калибровать нечего: выберите принтер в параметрах печати.</source>
        <translation>Printing to a file is chosen. A file is always true size, there is nothing to calibrate: choose a printer in the print settings.</translation>
    </message>
</context>
<context>
    <name>quirn::Printing</name>
    <message>
        <source>Левое поле задано меньше минимально возможного.</source>
        <translation>The left margin is smaller than the least possible.</translation>
    </message>
    <message>
        <source>Правое поле задано меньше минимально возможного.</source>
        <translation>The right margin is smaller than the least possible.</translation>
    </message>
    <message>
        <source>Верхнее поле задано меньше минимально возможного.</source>
        <translation>The top margin is smaller than the least possible.</translation>
    </message>
    <message>
        <source>Нижнее поле задано меньше минимально возможного.</source>
        <translation>The bottom margin is smaller than the least possible.</translation>
    </message>
    <message>
        <source>Невозможно начать процедуру печати.</source>
        <translation>Printing cannot start.</translation>
    </message>
    <message>
        <source>Задание не передано на принтер «%1».</source>
        <translation>The job did not reach printer “%1”.</translation>
    </message>
</context>
<context>
    <name>quirn::QtDocumentPrompts</name>
    <message>
        <source>Файлы Quirn (*.qrn)</source>
        <translation>Quirn files (*.qrn)</translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Сохранить изменения в %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Файл «%1» изменён другой программой после того, как был открыт. Заменить его?</source>
        <translation>The file “%1” was changed by another program after it was opened. Replace it?</translation>
    </message>
    <message>
        <source>Заменить</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
</context>
<context>
    <name>quirn::RecoveryOffer</name>
    <message>
        <source>Безымянный</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Отбросить</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Позже</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Восстановить несохранённые изменения «%1» от %2?</source>
        <translation>Restore the unsaved changes to “%1” from %2?</translation>
    </message>
    <message>
        <source>Остались несохранённые изменения нескольких документов. Выберите, что восстановить:</source>
        <translation>Unsaved changes to several documents were left. Choose what to restore:</translation>
    </message>
</context>
<context>
    <name>quirn::ScaleKeys</name>
    <message>
        <source>Радиус делений</source>
        <translation>Tick radius</translation>
    </message>
    <message>
        <source>Внешний радиус, числа внутри</source>
        <translation>Outer radius, numerals inside</translation>
    </message>
    <message>
        <source>Конец шкалы</source>
        <translation>Scale end</translation>
    </message>
    <message>
        <source>Начало</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Закон шкалы</source>
        <translation>Scale law</translation>
    </message>
    <message>
        <source>Точки таблицы</source>
        <translation>Table points</translation>
    </message>
    <message>
        <source>Общее число делений</source>
        <translation>Number of ticks</translation>
    </message>
    <message>
        <source>Число больших делений</source>
        <translation>Number of major ticks</translation>
    </message>
    <message>
        <source>Число делений с числами</source>
        <translation>Ticks with numerals</translation>
    </message>
    <message>
        <source>Длина больших делений</source>
        <translation>Major tick length</translation>
    </message>
    <message>
        <source>Длина малых делений</source>
        <translation>Minor tick length</translation>
    </message>
    <message>
        <source>Ширина больших делений</source>
        <translation>Major tick width</translation>
    </message>
    <message>
        <source>Ширина малых делений</source>
        <translation>Minor tick width</translation>
    </message>
    <message>
        <source>Дуга под/над делениями</source>
        <translation>Arc along the ticks</translation>
    </message>
    <message>
        <source>Толщина дуги</source>
        <translation>Arc thickness</translation>
    </message>
    <message>
        <source>Все отметки</source>
        <translation>All ticks</translation>
    </message>
    <message>
        <source>Большие отметки</source>
        <translation>Major ticks</translation>
    </message>
    <message>
        <source>Числа</source>
        <translation>Numerals</translation>
    </message>
    <message>
        <source>Единица</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Цвет шкалы</source>
        <translation>Scale colour</translation>
    </message>
    <message>
        <source>Уплощение дуги</source>
        <translation>Arc flattening</translation>
    </message>
    <message>
        <source>0: дуга круглая</source>
        <translation>0: a round arc</translation>
    </message>
    <message>
        <source>Отступ чисел</source>
        <translation>Numeral offset</translation>
    </message>
</context>
<context>
    <name>quirn::ScalePage</name>
    <message>
        <source>в поле «%1» не число: «%2»</source>
        <translation>field “%1” is not a number: “%2”</translation>
    </message>
    <message>
        <source>Диапазон, число и размеры делений шкалы 1 задаются в панели параметров. Пустой список: деления поровну, по их числу.</source>
        <translation>Scale 1&apos;s range and its tick counts and sizes are set in the parameter panel. An empty list spaces the ticks evenly by their count.</translation>
    </message>
    <message>
        <source>как у шкалы 1</source>
        <translation>as on scale 1</translation>
    </message>
    <message>
        <source>%1, мм</source>
        <translation>%1, mm</translation>
    </message>
    <message>
        <source>Серая отметка: как у шкалы 1</source>
        <translation>Grey check mark: as on scale 1</translation>
    </message>
    <message>
        <source>в поле «%1» не целое число: «%2»</source>
        <translation>field “%1” is not a whole number: “%2”</translation>
    </message>
    <message>
        <source>в списке «%1» не число: «%2»</source>
        <translation>list “%1” holds something that is not a number: “%2”</translation>
    </message>
    <message>
        <source>в списке «%1» не точка «значение:доля»: «%2»</source>
        <translation>list “%1” holds something that is not a “value:fraction” point: “%2”</translation>
    </message>
    <message>
        <source>Пустое поле и серая отметка: как у шкалы 1. Шрифт у шкал 2–4 общий, он выбирается ниже, в группе «Шрифты и цвета надписей».</source>
        <translation>An empty field or a grey check mark: as scale 1. Scales 2–4 share one typeface, chosen below in the group “Typefaces and colours of the labels”.</translation>
    </message>
    <message>
        <source>Шрифт чисел</source>
        <translation>Numerals’ typeface</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>black</translation>
    </message>
    <message>
        <source>Цвет делений, чисел, дуги и единицы шкалы</source>
        <translation>Colour of the scale’s ticks, numerals, arc and unit</translation>
    </message>
    <message>
        <source>в поле «%1» число меньше нуля: «%2»</source>
        <translation>the field “%1” holds a number below zero: “%2”</translation>
    </message>
</context>
<context>
    <name>quirn::ScalesText</name>
    <message>
        <source>Шкала %1: отметка %2 лежит вне шкалы (%3 … %4)</source>
        <translation>Scale %1: the tick %2 lies outside the scale (%3 … %4)</translation>
    </message>
    <message>
        <source>Шкала %1: большая отметка %2 лежит вне шкалы (%3 … %4)</source>
        <translation>Scale %1: the big tick %2 lies outside the scale (%3 … %4)</translation>
    </message>
    <message>
        <source>Шкала %1: число %2 лежит вне шкалы (%3 … %4)</source>
        <translation>Scale %1: the number %2 lies outside the scale (%3 … %4)</translation>
    </message>
    <message>
        <source>Зона %1: нет шкалы %2</source>
        <translation>Zone %1: there is no scale %2</translation>
    </message>
</context>
<context>
    <name>quirn::ScalesWindow</name>
    <message>
        <source>Шкалы</source>
        <translation>Scales</translation>
    </message>
    <message>
        <source>Добавить шкалу</source>
        <translation>Add scale</translation>
    </message>
    <message>
        <source>Удалить шкалу</source>
        <translation>Remove scale</translation>
    </message>
    <message>
        <source>Цветные зоны</source>
        <translation>Coloured zones</translation>
    </message>
    <message>
        <source>Надписи (пустая не печатается)</source>
        <translation>Labels (an empty one is not printed)</translation>
    </message>
    <message>
        <source>Надпись изготовителя</source>
        <translation>Maker&apos;s label</translation>
    </message>
    <message>
        <source>Надпись стандарта</source>
        <translation>Standard&apos;s label</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Шкала %1</source>
        <translation>Scale %1</translation>
    </message>
    <message>
        <source>Шкала %1: %2</source>
        <translation>Scale %1: %2</translation>
    </message>
    <message>
        <source>изменение шкал</source>
        <translation>changing the scales</translation>
    </message>
    <message>
        <source>Надписи и рисунки</source>
        <translation>Texts and pictures</translation>
    </message>
</context>
<context>
    <name>quirn::ScanDetection</name>
    <message>
        <source>Шкала на скане не ищется: разрешение скана %1 dpi, а нужно от %2 до %3 dpi.</source>
        <translation>No scale is looked for on the scan: its resolution is %1 dpi, and %2 to %3 dpi is needed.</translation>
    </message>
    <message>
        <source>На скане не найдена шкала: делений, сходящихся в одной точке, найдено %1, а нужно не меньше %2.</source>
        <translation>No scale found on the scan: %1 ticks meeting at one point were found, and at least %2 are needed.</translation>
    </message>
    <message>
        <source>Скан «%1» не читается как изображение (%2).</source>
        <translation>The scan “%1” cannot be read as an image (%2).</translation>
    </message>
</context>
<context>
    <name>quirn::ScanDocument</name>
    <message>
        <source>создание по скану</source>
        <translation>creation from a scan</translation>
    </message>
</context>
<context>
    <name>quirn::ScanReviewDialog</name>
    <message>
        <source>Создать по скану</source>
        <translation>Create from a Scan</translation>
    </message>
    <message>
        <source>например 15</source>
        <translation>for example 15</translation>
    </message>
    <message>
        <source>Значение первой большой отметки</source>
        <translation>Value of the first big tick</translation>
    </message>
    <message>
        <source>Значение последней большой отметки</source>
        <translation>Value of the last big tick</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Найдено делений: %1, больших: %2.</source>
        <translation>Ticks found: %1, big ones: %2.</translation>
    </message>
    <message>
        <source>Закон шкалы: %1.</source>
        <translation>Scale law: %1.</translation>
    </message>
    <message>
        <source>Введите два разных числа: большие отметки будут пронумерованы поровну от первого до последнего.</source>
        <translation>Type two different numbers: the big ticks will be numbered evenly from the first to the last.</translation>
    </message>
    <message>
        <source>Край пластины на скане не найден: её размеры будут как у нового документа.</source>
        <translation>The plate’s edge was not found on the scan: its sizes will be the new document’s.</translation>
    </message>
</context>
<context>
    <name>quirn::ScreenSize</name>
    <message>
        <source>Размер экрана не сохранён: не удалось записать файл «%1». Новый масштаб действует до выхода из программы.</source>
        <translation>Screen size not kept: file “%1” could not be written. The new scale holds until the program ends.</translation>
    </message>
</context>
<context>
    <name>quirn::SymbolLibrary</name>
    <message>
        <source>Постоянный ток</source>
        <translation>Direct current</translation>
    </message>
    <message>
        <source>Переменный ток</source>
        <translation>Alternating current</translation>
    </message>
    <message>
        <source>Постоянный и переменный ток</source>
        <translation>Direct and alternating current</translation>
    </message>
    <message>
        <source>Магнитоэлектрическая система</source>
        <translation>Moving coil</translation>
    </message>
    <message>
        <source>Электромагнитная система</source>
        <translation>Moving iron</translation>
    </message>
    <message>
        <source>Выпрямитель</source>
        <translation>Rectifier</translation>
    </message>
    <message>
        <source>Электродинамическая система</source>
        <translation>Electrodynamic</translation>
    </message>
    <message>
        <source>Испытательное напряжение 0,5 кВ</source>
        <translation>Test voltage 0.5 kV</translation>
    </message>
    <message>
        <source>Испытательное напряжение 2 кВ</source>
        <translation>Test voltage 2 kV</translation>
    </message>
    <message>
        <source>Вертикальное положение шкалы</source>
        <translation>Dial vertical</translation>
    </message>
    <message>
        <source>Горизонтальное положение шкалы</source>
        <translation>Dial horizontal</translation>
    </message>
    <message>
        <source>Наклонное положение шкалы, 60°</source>
        <translation>Dial inclined at 60°</translation>
    </message>
    <message>
        <source>Класс точности 1,5</source>
        <translation>Accuracy class 1.5</translation>
    </message>
    <message>
        <source>Класс точности 2,5</source>
        <translation>Accuracy class 2.5</translation>
    </message>
</context>
<context>
    <name>quirn::TemplateClicks</name>
    <message>
        <source>Сначала загрузите шаблон: щёлкать нужно по нему.</source>
        <translation>Load a template first: the clicks go on it.</translation>
    </message>
    <message>
        <source>Калибровка шкалы %1 закончена, точек: %2.</source>
        <translation>Calibration of scale %1 finished, points: %2.</translation>
    </message>
    <message>
        <source>Для калибровки нужны хотя бы две отметки (концы шкалы); закон шкалы %1 не изменён.</source>
        <translation>A calibration needs at least two ticks (the ends of the scale); the law of scale %1 is unchanged.</translation>
    </message>
    <message>
        <source>Щёлкните на шаблоне первую из двух точек, которые должны лежать на одной горизонтали (Esc — отмена).</source>
        <translation>Click on the template the first of two points that should lie level (Esc cancels).</translation>
    </message>
    <message>
        <source>Щёлкните вторую точку той же горизонтали (Esc — отмена).</source>
        <translation>Click the second point of the same level line (Esc cancels).</translation>
    </message>
    <message>
        <source>Калибровка шкалы %1: щёлкните на шаблоне ось старой стрелки (Esc — отмена).</source>
        <translation>Calibration of scale %1: click the old pointer&apos;s pivot on the template (Esc cancels).</translation>
    </message>
    <message>
        <source>Калибровка шкалы %1: щёлкните отметку %2 и введите её значение; нужны хотя бы концы шкалы (Esc — закончить).</source>
        <translation>Calibration of scale %1: click tick %2 and type its value; at least the ends of the scale are needed (Esc finishes).</translation>
    </message>
    <message>
        <source>Отметка лежит за концом дуги шкалы: угол от оси %1°, а половина угла шкалы %2°. Увеличьте половину угла шкалы до %1° или щёлкните ближе к дуге.</source>
        <translation>The tick lies beyond the end of the scale’s arc: %1° from the axis, while the scale’s half-angle is %2°. Increase the scale’s half-angle to %1° or click closer to the arc.</translation>
    </message>
    <message>
        <source>Половина угла шкалы расширена до %1°, как на скане.</source>
        <translation>The half-angle of the scale was widened to %1°, as on the scan.</translation>
    </message>
</context>
<context>
    <name>quirn::TemplateControls</name>
    <message>
        <source>Удалить шаблон</source>
        <translation>Remove template</translation>
    </message>
    <message>
        <source>Загрузить шаблон</source>
        <translation>Load template</translation>
    </message>
</context>
<context>
    <name>quirn::TemplateEdits</name>
    <message>
        <source>загрузка шаблона</source>
        <translation>loading the template</translation>
    </message>
    <message>
        <source>удаление шаблона</source>
        <translation>removing the template</translation>
    </message>
    <message>
        <source>осветление шаблона</source>
        <translation>template dimming</translation>
    </message>
    <message>
        <source>поворот шаблона</source>
        <translation>template turn</translation>
    </message>
    <message>
        <source>точка калибровки</source>
        <translation>calibration point</translation>
    </message>
    <message>
        <source>калибровка по найденным делениям</source>
        <translation>calibration from the ticks found</translation>
    </message>
    <message>
        <source>закрепление шаблона</source>
        <translation>locking the template</translation>
    </message>
    <message>
        <source>открепление шаблона</source>
        <translation>unlocking the template</translation>
    </message>
</context>
<context>
    <name>quirn::TemplateUnderlay</name>
    <message>
        <source>Шаблон не загружен: файл «%1» не читается как изображение (%2).</source>
        <translation>Template not loaded: file “%1” cannot be read as a picture (%2).</translation>
    </message>
    <message>
        <source>Шаблон не загружен: изображение «%1» размером %2 x %3 точек больше предела (%4 точек по стороне, %5 млн точек всего).</source>
        <translation>Template not loaded: picture “%1” of %2 x %3 pixels exceeds the limit (%4 pixels a side, %5 million pixels in all).</translation>
    </message>
    <message>
        <source>Файлы изображений *.bmp (*.bmp)</source>
        <translation>Bitmap pictures *.bmp (*.bmp)</translation>
    </message>
    <message>
        <source>Все изображения (%1)</source>
        <translation>All pictures (%1)</translation>
    </message>
    <message>
        <source>Шаблон «%1» не найден; он не показан, но его место, ширина, поворот и осветление остаются в документе.</source>
        <translation>Template “%1” was not found; it is not shown, but its place, width, turn and dimming stay in the document.</translation>
    </message>
</context>
<context>
    <name>quirn::TickReviewDialog</name>
    <message>
        <source>Найти деления: шкала %1</source>
        <translation>Find ticks: scale %1</translation>
    </message>
    <message>
        <source>Значение первой отметки</source>
        <translation>Value of the first tick</translation>
    </message>
    <message>
        <source>Значение последней отметки</source>
        <translation>Value of the last tick</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Angle, °</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Отметок: %1. Щелчок по отметке на скане убирает её, щелчок по делению без числа добавляет его; значения можно исправить в списке.</source>
        <translation>Ticks: %1. Clicking a tick on the scan removes it, clicking a tick without a number adds it; values can be corrected in the list.</translation>
    </message>
</context>
<context>
    <name>quirn::TypefaceEdit</name>
    <message>
        <source>толщина как обычно</source>
        <translation>usual weight</translation>
    </message>
    <message>
        <source>жирный</source>
        <translation>bold</translation>
    </message>
    <message>
        <source>светлый</source>
        <translation>light</translation>
    </message>
    <message>
        <source>свой</source>
        <translation>own</translation>
    </message>
    <message>
        <source>Без отметки шрифт, толщина и размер как обычно</source>
        <translation>Unchecked: the usual typeface, weight and size</translation>
    </message>
    <message>
        <source>курсив</source>
        <translation>italic</translation>
    </message>
    <message>
        <source>% размера</source>
        <translation>% of size</translation>
    </message>
    <message>
        <source>не выбран шрифт</source>
        <translation>no typeface chosen</translation>
    </message>
    <message>
        <source>в имени шрифта не может быть запятой: «%1»</source>
        <translation>a typeface name cannot hold a comma: “%1”</translation>
    </message>
    <message>
        <source>в имени шрифта знаки, которых не может быть в файле: «%1»</source>
        <translation>the typeface name holds characters the file cannot: “%1”</translation>
    </message>
    <message>
        <source>размер шрифта должен быть целым числом процентов от %1 до %2: «%3»</source>
        <translation>the typeface size must be a whole number of percent from %1 to %2: “%3”</translation>
    </message>
</context>
<context>
    <name>quirn::ZoneTable</name>
    <message>
        <source>Шкала</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>От</source>
        <translation>From</translation>
    </message>
    <message>
        <source>До</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Добавить зону</source>
        <translation>Add zone</translation>
    </message>
    <message>
        <source>Удалить зону</source>
        <translation>Remove zone</translation>
    </message>
    <message>
        <source>Зона %1: номер шкалы должен быть от 1 до %2: «%3»</source>
        <translation>Zone %1: the scale number must be from 1 to %2: “%3”</translation>
    </message>
    <message>
        <source>Зона %1: в поле «%2» не число: «%3»</source>
        <translation>Zone %1: field “%2” is not a number: “%3”</translation>
    </message>
</context>
</TS>
