<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Trasparenza</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Nessuna telecamera disponibile</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Fuoco ed esposizione</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Regola colori</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Ritaglio auto</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Telecamera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Immagine nell&apos;immagine</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Schermo diviso</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Scatta</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Modalità foto</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Registra video</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
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
        <translation>Impossibile salvare l&apos;immagine: %1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Salvataggio riuscito.</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>Non è stato possibile salvare alcuni file:
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>La telecamera non ha inviato alcuna immagine.</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Salvataggio in corso, attendere!</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>L&apos;area scelta non copre l&apos;immagine.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Operazione riuscita!</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>Nessuna pagina trovata: trascina gli angoli del contorno sulla pagina.</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Cattura schermo</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Cattura di una parte dello schermo</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Scatto temporizzato</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Cattura schermo negli appunti</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Scatto in bianco e nero</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Scatto in scala di grigi</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>Suono dello scatto</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>Blocca contorno</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>Ritaglia ogni immagine successiva con lo stesso contorno di pagina e raddrizzala; trascina gli angoli del contorno sull&apos;immagine per adattarlo alla pagina.</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>Altri colori</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Tavolozza dei colori</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
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
        <translation>Non regolabile</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Registrazione interrotta: %1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>Impossibile avviare la registrazione.</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>Impossibile avviare la registrazione: %1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>Impossibile creare il video: non è stata indicata alcuna cartella.</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>Impossibile creare il video: la dimensione dell&apos;immagine %1 x %2 non è utilizzabile.</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>Impossibile creare il video: %1 fotogrammi al secondo non è una frequenza utilizzabile.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o cartella inesistente</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Non è una cartella</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>Impossibile scrivere il video in %1: %2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>Non è in corso la creazione di alcun video.</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>Non è stata scattata alcuna immagine, quindi non è stato creato alcun video.</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Linea retta</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangolo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Linea punteggiata</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>Freccia inversa</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Freccia doppia</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>Linea ondulata</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallelogramma</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>Triangolo equilatero</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pentagono</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Esagono</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Ottagono</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
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
        <translation>Angolo diedro</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Semisfera</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>Piramide triangolare</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Sfera</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Esposizione</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>Questa telecamera non ha fuoco né esposizione da regolare.</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>La telecamera non ha fornito alcuna immagine</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>Nessuna cartella impostata per le immagini</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>Nessuna immagine da esportare</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>Le immagini non possono essere esportate nel formato &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>Impossibile creare il PDF</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>Non è stato possibile leggere nessuna delle immagini</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>L&apos;immagine &quot;%1&quot; non viene mostrata: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere l&apos;immagine &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importa file</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>Troppo grande per essere mostrata</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galleria</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Deseleziona</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importa file</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Telecamere</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>Errore durante il caricamento del motore di riconoscimento del testo</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>Errore durante lo scaricamento del motore di riconoscimento del testo</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>Impossibile leggere %1 come immagine.</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>Impossibile riconoscere %1: %2.</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>Nessuna lingua di riconoscimento scelta.</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>Impossibile caricare le lingue di riconoscimento %1.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importa file</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Avvia OCR</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Lingue di riconoscimento</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Importare un&apos;immagine da analizzare.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Analisi OCR riuscita!</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>Baschiro</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalano</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croato</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Ceco</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesiano</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lettone</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovacco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tataro</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraino</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>Bengalese</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgaro</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estone</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungherese</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegese</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumeno</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Sloveno</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armeno</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portoghese (Brasile)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portoghese (Portogallo)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailandese</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>Il pacchetto di lingua per %1 non è installato. Installare il pacchetto Debian %2 e riprovare.</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Start Recognizing...</source>
        <translation>Avvio del riconoscimento...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Contrasto </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Luminosità </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Saturazione </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>IPictureVynthesisVideo</name>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>Impossibile scrivere il video in %1: %2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>nessun formato video corrisponde al nome</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>Impossibile creare il video: questo sistema non ha un codificatore H.264.</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>Impossibile creare il video: memoria esaurita.</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>Impossibile creare il video: il codificatore H.264 non si è avviato (%1).</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>Impossibile creare il video: non è stato possibile convertire un&apos;immagine di %1 x %2.</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>misura %1 x %2 pixel, più dei %3 milioni di pixel consentiti per un&apos;immagine</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>Nessuna risoluzione disponibile</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Lavagna</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Adatta</translation>
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
        <translation>Salvataggio</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Versione del software:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Cambia lingua:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>Questo sistema non può salvare immagini in questo formato.</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Mostra cartella immagini</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Mostra cartella video</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Imposta cartella immagini</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Imposta cartella video</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Riavviare il software per applicare l&apos;impostazione della lingua.</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>Impossibile scrivere in questa cartella. Sceglierne un&apos;altra.</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Nessuna telecamera disponibile</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>Il registratore dello schermo non ha risposto entro %1 secondi.</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>Il registratore dello schermo si è fermato prima dell&apos;inizio della registrazione.</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>Il programma non riesce a ottenere una porta per il registratore dello schermo: %1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>Impossibile avviare il registratore dello schermo: %1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>Il registratore dello schermo è terminato prima dell&apos;inizio della registrazione.</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Colore del testo</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>Spessore %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>La telecamera non è disponibile.</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Risoluzione attuale: 1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>La telecamera non ha inviato alcuna immagine.</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Il video è stato salvato.</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>Prossima tra</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Scattate</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>Scatto temporizzato</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>foto</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Numero di foto</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Inserire un numero intero maggiore di 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>Selezionare prima un&apos;immagine</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Nessun dispositivo Veskaroo trovato! Possibili cause: 1. Veskaroo non è collegato correttamente. 2. Il driver non è stato installato correttamente. 3. Il dispositivo è danneggiato.</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>Impostazione della risoluzione non riuscita, selezionarla di nuovo.</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>La telecamera non è disponibile: potrebbe essere senza alimentazione, avere un contatto difettoso o essere stata scollegata. Controllare l&apos;apparecchio.</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Selezionare prima un file nell&apos;elenco a sinistra</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>Il disco non ha accolto l&apos;intero file (potrebbe essere pieno, o il file troppo grande)</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>Impossibile mettere al suo posto il file completato: %1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>Qui le immagini non possono essere salvate come &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>Escluso &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
</context>
</TS>
