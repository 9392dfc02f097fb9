<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutToolWindow</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source> 2.00</source>
        <translation> 2.00</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>CanvasConstants</name>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>B &amp; W</source>
        <translation>Ч/Б</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Негатив</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Мозаика</translation>
    </message>
</context>
<context>
    <name>CapturePipeline</name>
    <message>
        <source>The camera pipeline could not be started.</source>
        <translation>Не удалось запустить конвейер камеры.</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>Не удалось открыть камеру.</translation>
    </message>
    <message>
        <source>The camera offers no picture format this program can use.</source>
        <translation>Камера не предлагает формат изображения, который может использовать эта программа.</translation>
    </message>
    <message>
        <source>A GStreamer element the camera needs is not installed.</source>
        <translation>Не установлен элемент GStreamer, необходимый для камеры.</translation>
    </message>
    <message>
        <source>The camera pipeline could not be linked.</source>
        <translation>Не удалось связать конвейер камеры.</translation>
    </message>
    <message>
        <source>A GStreamer element needed for recording (JPEG encoder or AVI writer) is not installed.</source>
        <translation>Не установлен элемент GStreamer, нужный для записи (кодировщик JPEG или запись AVI).</translation>
    </message>
    <message>
        <source>The recording pipeline could not be linked.</source>
        <translation>Не удалось связать конвейер записи.</translation>
    </message>
    <message>
        <source>The sound of the recording could not be set up.</source>
        <translation>Не удалось настроить звук записи.</translation>
    </message>
    <message>
        <source>The camera ended its stream.</source>
        <translation>Камера завершила поток.</translation>
    </message>
    <message>
        <source>The recording pipeline could not be started.</source>
        <translation>Не удалось запустить конвейер записи.</translation>
    </message>
</context>
<context>
    <name>EffectToolWindow</name>
    <message>
        <source>Color Effect</source>
        <translation>Цветовой эффект</translation>
    </message>
</context>
<context>
    <name>FilmSource</name>
    <message>
        <source>The film cannot be played any further. The file may be damaged.</source>
        <translation>Воспроизведение фильма невозможно продолжить. Возможно, файл повреждён.</translation>
    </message>
</context>
<context>
    <name>ImageCanvas</name>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>Не удалось сохранить снимок.</translation>
    </message>
</context>
<context>
    <name>LiveSource</name>
    <message>
        <source>The recording was stopped because the capture size changed. What was recorded has been saved.</source>
        <translation>Запись остановлена, так как изменился размер захвата. Записанное сохранено.</translation>
    </message>
    <message>
        <source>The recording could not be started: %1</source>
        <translation>Не удалось начать запись: %1</translation>
    </message>
    <message>
        <source>The camera stopped delivering pictures: %1</source>
        <translation>Камера перестала передавать изображение: %1</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera stopped working. What was recorded has been saved.</source>
        <translation>Запись остановлена, так как камера перестала работать. Записанное сохранено.</translation>
    </message>
    <message>
        <source>The recording failed: %1</source>
        <translation>Ошибка записи: %1</translation>
    </message>
    <message>
        <source>The recording was not started: less than %1 MB of disk space is free in the recording folder.</source>
        <translation>Запись не начата: в папке записей свободно меньше %1 МБ.</translation>
    </message>
    <message>
        <source>The recording was stopped because less than %1 MB of disk space is left in the recording folder. What was recorded has been saved.</source>
        <translation>Запись остановлена, потому что в папке записей осталось меньше %1 МБ свободного места. Записанное сохранено.</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded could not be saved again.</source>
        <translation>Запись остановлена, потому что её файл или папка были удалены. Записанное не удалось сохранить заново.</translation>
    </message>
    <message>
        <source>The recording was stopped because its file or folder was removed. What was recorded has been saved again as %1.</source>
        <translation>Запись остановлена, потому что её файл или папка были удалены. Записанное заново сохранено как %1.</translation>
    </message>
    <message>
        <source>The recording was stopped because another camera was chosen. What was recorded has been saved.</source>
        <translation>Запись остановлена, так как выбрана другая камера. Записанное сохранено.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Document Camera</source>
        <translation>Документ-камера</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Толщина линии</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Цвет линии</translation>
    </message>
    <message>
        <source>Fill Color</source>
        <translation>Заливка</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Drawing Board</source>
        <translation>Доска</translation>
    </message>
    <message>
        <source>Noting</source>
        <translation>Пометки</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Freehand</source>
        <translation>От руки</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Стрелка</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Треугольник</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Erase all</source>
        <translation>Стереть всё</translation>
    </message>
    <message>
        <source>Clip image</source>
        <translation>Копировать область</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Рука</translation>
    </message>
    <message>
        <source>Fill background</source>
        <translation>Заливка фона</translation>
    </message>
    <message>
        <source>Assisting</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Маска</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Эффект</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>Сбросить масштаб</translation>
    </message>
    <message>
        <source>Auto focus</source>
        <translation>Автофокус</translation>
    </message>
    <message>
        <source>Brightness down</source>
        <translation>Темнее</translation>
    </message>
    <message>
        <source>Brightness up</source>
        <translation>Ярче</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Стоп-кадр</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Record video</source>
        <translation>Записать видео</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Сделать снимок</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Please select a folder first.</source>
        <translation>Сначала выберите папку.</translation>
    </message>
    <message>
        <source>No printers found on this system.</source>
        <translation>В системе не найдено ни одного принтера.</translation>
    </message>
    <message>
        <source>The film could not be opened. The file may be damaged or of a kind this computer cannot play.</source>
        <translation>Не удалось открыть фильм. Возможно, файл повреждён или этот компьютер не может воспроизвести файлы такого типа.</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>The camera chosen in the settings is not connected. Cameras seen: %1.</source>
        <translation>Камера, выбранная в настройках, не подключена. Найденные камеры: %1.</translation>
    </message>
    <message>
        <source>Cameras seen: %1. None of them is used automatically; choose one in the settings, under Source.</source>
        <translation>Найденные камеры: %1. Ни одна не используется автоматически; выберите камеру в настройках, в поле «Источник».</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>The recording was stopped because the camera was restarted with the new settings. What was recorded has been saved as %1.</source>
        <translation>Запись остановлена, так как камера перезапущена с новыми настройками. Записанное сохранено в файл %1.</translation>
    </message>
    <message>
        <source>Continuous snapshots stopped.</source>
        <translation>Непрерывная съёмка снимков остановлена.</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>Камера не подключена.</translation>
    </message>
    <message>
        <source>Connect a document camera</source>
        <translation>Подключите документ-камеру</translation>
    </message>
    <message>
        <source>Plug the camera into a USB port of this computer.</source>
        <translation>Подключите камеру к USB-порту этого компьютера.</translation>
    </message>
    <message>
        <source>Its live picture appears here as soon as the camera is ready.</source>
        <translation>Изображение с камеры появится здесь, как только она будет готова.</translation>
    </message>
    <message>
        <source>Film, Photograph and Drawing Board work without a camera.</source>
        <translation>Видео, Фото и Доска работают без камеры.</translation>
    </message>
    <message>
        <source>No film is open</source>
        <translation>Фильм не открыт</translation>
    </message>
    <message>
        <source>Open a film with the open button below the picture.</source>
        <translation>Откройте фильм кнопкой открытия под изображением.</translation>
    </message>
    <message>
        <source>No photograph is shown</source>
        <translation>Фото не показано</translation>
    </message>
    <message>
        <source>Choose a picture with the open button below the picture; the pictures of its folder are then shown here.</source>
        <translation>Выберите изображение кнопкой открытия под изображением; затем здесь будут показаны изображения из его папки.</translation>
    </message>
    <message>
        <source>Films (%1)</source>
        <translation>Фильмы (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>The film could not be opened. This computer lacks what it needs to play it: %1.</source>
        <translation>Не удалось открыть фильм. На этом компьютере нет того, что нужно для его воспроизведения: %1.</translation>
    </message>
</context>
<context>
    <name>MaskToolWindow</name>
    <message>
        <source>Mask</source>
        <translation>Маска</translation>
    </message>
</context>
<context>
    <name>OSDProcessor</name>
    <message>
        <source>Best fit</source>
        <translation>Весь</translation>
    </message>
</context>
<context>
    <name>RecordingRescuer</name>
    <message>
        <source>Repairing the recording &quot;%1&quot;, which was cut off when the program last ended...</source>
        <translation>Восстановление записи «%1», прерванной при последнем завершении программы…</translation>
    </message>
</context>
<context>
    <name>SettingsToolWindow</name>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Одиночный</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Непрерывный</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить в</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>RecordingSave</source>
        <translation>Папка видео</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
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
        <source>Using a recording resolution of %1x%2 may cause low framerate when the PC isn&apos;t powerful. Continue?</source>
        <translation>Разрешение записи %1x%2 может снизить частоту кадров на недостаточно мощном ПК. Продолжить?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Camera choice in the settings window (Source row, about 16 characters): the program takes a supported document camera, else an external USB camera.</extracomment>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <extracomment>Settings window, Source row: the chosen camera is unplugged; %1 is its USB identity.</extracomment>
        <translation>%1 (не подключена)</translation>
    </message>
</context>
<context>
    <name>TextToolWindow</name>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
</context>
</TS>
