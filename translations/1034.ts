<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>No hay ninguna cámara disponible</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Enfoque y exposición</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Ajustar color</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Recorte automático</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Imagen en imagen</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Pantalla dividida</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Modo foto</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Grabar vídeo</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Reconocer texto</translation>
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
        <translation>No se pudo guardar la imagen: %1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Guardado correctamente.</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>Algunos archivos no se pudieron guardar:
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>La cámara no envió ninguna imagen.</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>¡Guardando, espere por favor!</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>El área elegida no está dentro de la imagen.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>No se encontró ninguna página: arrastre las esquinas del contorno sobre la página.</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Captura parcial de pantalla</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Captura programada</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Cámara rápida</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Captura de pantalla al portapapeles</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Foto en blanco y negro</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Foto en escala de grises</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>Sonido del obturador</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>Fijar contorno</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>Recortar cada imagen siguiente con el mismo contorno de página y enderezarla; arrastre las esquinas del contorno sobre la imagen para ajustarlo a la página.</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>Más colores</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Paleta de colores</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
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
        <translation>No ajustable</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Grabación interrumpida: %1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>No se pudo iniciar la grabación.</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>No se pudo iniciar la grabación: %1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>No se pudo crear el vídeo: no se indicó ninguna carpeta.</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>No se pudo crear el vídeo: un tamaño de imagen de %1 x %2 no es válido.</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>No se pudo crear el vídeo: %1 fotogramas por segundo no es una velocidad de fotogramas válida.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>No se pudo escribir el vídeo en %1: %2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>No se está creando ningún vídeo.</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>No se tomó ninguna foto, así que no se creó ningún vídeo.</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Línea recta</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Óvalo</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Línea punteada</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>Flecha inversa</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Flecha doble</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>Línea ondulada</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Paralelogramo</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>Triángulo equilátero</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pentágono</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Hexágono</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Octágono</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Cono</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cilindro</translation>
    </message>
    <message>
        <source>Dihedral angle</source>
        <translation>Ángulo diedro</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hemisferio</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>Pirámide triangular</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Esfera</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Enfoque</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>Esta cámara no tiene enfoque ni exposición que ajustar.</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>La cámara no dio ninguna imagen</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>No hay ninguna carpeta para las imágenes</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>No hay imágenes para exportar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>«%1» no es un formato al que se puedan exportar imágenes</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>No se puede crear el PDF</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>No se pudo leer ninguna de las imágenes</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>La imagen «%1» no se muestra: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importar archivo</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>Demasiado grande para mostrarla</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galería</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Quitar selección</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importar archivo</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>Error al cargar el motor de reconocimiento de texto</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>Error al descargar el motor de reconocimiento de texto</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>No se puede leer %1 como imagen.</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>No se puede reconocer %1: %2.</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>No se ha elegido ningún idioma de reconocimiento.</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>No se pueden cargar los idiomas de reconocimiento %1.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Reconocer texto</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importar archivo</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Reconocer</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Idioma de reconocimiento</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Importe primero una imagen para reconocer.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>¡Texto reconocido!</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>Baskir</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalán</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croata</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesio</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letón</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tártaro</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>Bengalí</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonio</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noruego</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Esloveno</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenio</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugués (Brasil)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugués (Portugal)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>El paquete de idioma de %1 no está instalado. Instale el paquete de Debian %2 e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>OCR</source>
        <translation>Reconocer texto</translation>
    </message>
    <message>
        <source>Start Recognizing...</source>
        <translation>Reconociendo...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Contraste </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Brillo </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Saturación </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>IPictureVynthesisVideo</name>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>No se pudo escribir el vídeo en %1: %2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>ningún formato de vídeo corresponde al nombre</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>No se pudo crear el vídeo: este sistema no tiene codificador H.264.</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>No se pudo crear el vídeo: memoria insuficiente.</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>No se pudo crear el vídeo: el codificador H.264 no se inició (%1).</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>No se pudo crear el vídeo: no se pudo convertir una imagen de %1 x %2.</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>tiene %1 x %2 píxeles, más de los %3 millones de píxeles que puede tener una imagen</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>No hay ninguna resolución disponible</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Ajustar</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Versión del software:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>Este sistema no puede guardar imágenes en este formato.</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Ver carpeta de imágenes</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Ver carpeta de vídeos</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Elegir carpeta de imágenes</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Elegir carpeta de vídeos</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Reinicie el programa para aplicar el cambio de idioma.</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>No se puede escribir en esta carpeta. Elija otra.</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>No hay ninguna cámara disponible</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>El grabador de pantalla no respondió en %1 segundos.</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>El grabador de pantalla se detuvo antes de empezar a grabar.</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>El programa no puede reservar un puerto para el grabador de pantalla: %1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>No se pudo iniciar el grabador de pantalla: %1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>El grabador de pantalla terminó antes de empezar a grabar.</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>Grosor %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>La cámara no está disponible.</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Resolución actual: 1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>La cámara no envió ninguna imagen.</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>El vídeo se ha guardado.</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>Cámara rápida</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>Siguiente en</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Tomadas</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>Captura programada</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>fotos</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Número de fotos</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Introduzca un número entero mayor que 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>Seleccione primero una imagen</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>¡No se encontró ningún dispositivo Veskaroo! Posibles causas: 1. Veskaroo no está bien conectado. 2. El controlador no se instaló correctamente. 3. El dispositivo está dañado.</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>No se pudo ajustar la resolución, vuelva a seleccionarla.</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>La cámara no está disponible, quizá por un corte de corriente, un mal contacto o porque se ha desconectado. Compruebe el equipo.</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Seleccione primero un archivo de la lista de la izquierda</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>El disco no aceptó el archivo completo (puede estar lleno o el archivo ser demasiado grande)</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>El archivo terminado no se pudo colocar en su sitio: %1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>Aquí no se pueden guardar imágenes como «%1»</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>Se omitió «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
</context>
</TS>
