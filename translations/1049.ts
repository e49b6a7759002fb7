<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Перемещение</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Карандаш</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Прозрачность</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Фигура</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Нет доступной камеры</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Фокус и экспозиция</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Уменьшить</translation>
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
        <source>Color-adjusting</source>
        <translation>Настройка цвета</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>По размеру</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Автообрезка</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Картинка в картинке</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Разделить экран</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Режим съёмки</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Запись видео</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Распознать текст</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
</context>
<context>
    <name>ICaptureController</name>
    <message>
        <source>The picture could not be saved: %1</source>
        <translation>Не удалось сохранить снимок: %1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Сохранено.</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>Не удалось сохранить некоторые файлы:
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>Камера не передала изображение.</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Сохранение, подождите!</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>Выбранная область не попадает на изображение.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>Страница не найдена: перетащите углы контура на страницу.</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Снимок экрана</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Снимок части экрана</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Съёмка по таймеру</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Интервальная съёмка</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Снимок экрана в буфер обмена</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Чёрно-белый снимок</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Снимок в оттенках серого</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>Звук затвора</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>Зафиксировать контур</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>Обрезать каждый следующий снимок по тому же контуру страницы и выпрямлять его; перетащите углы контура на изображении, чтобы они совпали со страницей.</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Коричневый</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>Другие цвета</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Палитра</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Закрепить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>IConfigureService</name>
    <message>
        <source>Veskaroo</source>
        <translation>Veskaroo</translation>
    </message>
    <message>
        <source>Tarnwick Technology Co., Ltd.</source>
        <translation>Tarnwick Technology Co., Ltd.</translation>
    </message>
</context>
<context>
    <name>IControlSlider</name>
    <message>
        <source>Not adjustable</source>
        <translation>Не регулируется</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Запись прервана: %1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>Не удалось начать запись.</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>Не удалось начать запись: %1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>Не удалось создать видео: не указана папка.</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>Не удалось создать видео: размер изображения %1 x %2 недопустим.</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>Не удалось создать видео: %1 кадров в секунду — недопустимая частота кадров.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Нет такого файла или папки</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Это не папка</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>Не удалось записать видео в %1: %2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>Видео сейчас не создаётся.</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>Не сделано ни одного снимка, поэтому видео не создано.</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Прямая</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Овал</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Треугольник</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Пунктир</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Стрелка</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>Обратная стрелка</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Двойная стрелка</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>Волнистая линия</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Параллелограмм</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>Равносторонний треугольник</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Пятиугольник</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Шестиугольник</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Восьмиугольник</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Звезда</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Куб</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Конус</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Цилиндр</translation>
    </message>
    <message>
        <source>Dihedral angle</source>
        <translation>Двугранный угол</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Полусфера</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>Треугольная пирамида</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Шар</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Экспозиция</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>У этой камеры нельзя настроить фокус или экспозицию.</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>Камера не дала изображения</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>Не задана папка для снимков</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>Нет снимков для экспорта</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>Экспортировать снимки в формат «%1» нельзя</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>Не удаётся создать PDF</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>Не удалось прочитать ни один снимок</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>Снимок «%1» не показан: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>Не удаётся прочитать снимок «%1»: %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Импорт файла</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>Слишком большой для показа</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Галерея</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Снять выбор</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Импорт файла</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Камеры</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>Ошибка при загрузке модуля распознавания текста</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>Ошибка при выгрузке модуля распознавания текста</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Не удаётся записать %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>Не удаётся прочитать %1 как изображение.</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>Не удаётся распознать %1: %2.</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>Не выбран язык распознавания.</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>Не удаётся загрузить языки распознавания %1.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Распознать текст</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Импорт файла</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Предыдущая</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Следующая</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Распознать</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Язык распознавания</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Открыть изображение</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Сначала импортируйте изображение для распознавания.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Текст распознан!</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>Башкирский</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Каталанский</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Хорватский</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешский</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Датский</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Нидерландский</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Финский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческий</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Индонезийский</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Латышский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Словацкий</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Шведский</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Татарский</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Украинский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>Бенгальский</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамский</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Болгарский</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Эстонский</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Венгерский</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Литовский</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Норвежский</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румынский</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Словенский</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Армянский</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Португальский (Бразилия)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Португальский (Португалия)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тайский</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабский</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>Языковой пакет для «%1» не установлен. Установите пакет Debian %2 и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>OCR</source>
        <translation>Распознать текст</translation>
    </message>
    <message>
        <source>Start Recognizing...</source>
        <translation>Распознавание...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Контраст </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Яркость </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Насыщенность </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>IPictureVynthesisVideo</name>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>Не удалось записать видео в %1: %2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>нет видеоформата, подходящего к имени файла</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>Не удалось создать видео: в системе нет кодировщика H.264.</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>Не удалось создать видео: недостаточно памяти.</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>Не удалось создать видео: кодировщик H.264 не запустился (%1).</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>Не удалось создать видео: не удалось преобразовать изображение %1 x %2.</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>в нём %1 x %2 пикселей — больше, чем допустимые для снимка %3 млн пикселей</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>Нет доступных разрешений</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Доска</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>По размеру</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Программа:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Версия программы:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Язык интерфейса:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>Эта система не может сохранять снимки в этом формате.</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Открыть папку снимков</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Открыть папку видео</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Выбрать папку снимков</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Выбрать папку видео</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Перезапустите программу, чтобы применить выбранный язык.</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>В эту папку нельзя записывать. Выберите другую.</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Нет доступной камеры</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>Программа записи экрана не ответила в течение %1 с.</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>Программа записи экрана остановилась до начала записи.</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>Не удаётся занять порт для программы записи экрана: %1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>Не удалось запустить программу записи экрана: %1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>Программа записи экрана завершилась до начала записи.</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Цвет текста</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>Толщина %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>Камера недоступна.</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Текущее разрешение: 1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>Камера не передала изображение.</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Видео сохранено.</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>Интервальная съёмка</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>Следующий через</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Снято</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>Съёмка по таймеру</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>снимков</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Число снимков</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Введите целое число больше 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>Весь экран</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>Сначала выберите снимок</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Устройство Veskaroo не найдено! Возможные причины: 1. Veskaroo подключено неправильно. 2. Драйвер не был установлен. 3. Устройство повреждено.</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>Не удалось установить разрешение, выберите его снова.</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>Камера недоступна: возможно, пропало питание, плохой контакт или кабель отключён. Проверьте оборудование.</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Сначала выберите файл в списке слева</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>Диск принял файл не полностью (возможно, диск заполнен или файл слишком большой)</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>Не удалось поместить готовый файл на место: %1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>Не удаётся создать папку</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>Здесь нельзя сохранить снимки в формате «%1»</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>Пропущено «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
</context>
</TS>
