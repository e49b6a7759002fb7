<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Potlood</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dikte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparantie</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gum</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureaublad</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Geen camera beschikbaar</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Focus en belichting</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Loep</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Bevriezen</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Kleur aanpassen</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Auto bijsnijden</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Beeld in beeld</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Gesplitst scherm</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Foto maken</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Fotomodus</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Video opnemen</translation>
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
        <translation>De afbeelding kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Opslaan gelukt.</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>Sommige bestanden konden niet worden opgeslagen:
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>De camera heeft geen beeld gestuurd.</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Bezig met opslaan, even geduld!</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>Het gekozen gebied valt buiten de afbeelding.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Gelukt!</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>Geen pagina gevonden: sleep de hoeken van de omtrek op de pagina.</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Schermafbeelding</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Deel van het scherm vastleggen</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Foto&apos;s met timer</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Timelapse</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Schermafbeelding naar klembord</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Zwart-witfoto</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Foto in grijstinten</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>Sluitergeluid</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>Omtrek vastzetten</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>Elke volgende afbeelding bijsnijden tot dezelfde paginaomtrek en rechtzetten; sleep de hoeken van de omtrek op de afbeelding naar de pagina.</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>Meer kleuren</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Kleurenpalet</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Vergrendelen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
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
        <translation>Niet instelbaar</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Opname gestopt: %1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>De opname kon niet starten.</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>De opname kon niet starten: %1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>De video kon niet worden gemaakt: er is geen map opgegeven.</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>De video kon niet worden gemaakt: een beeldgrootte van %1 x %2 is niet bruikbaar.</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>De video kon niet worden gemaakt: %1 beelden per seconde is geen bruikbare beeldsnelheid.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Geen map</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>De video kon niet naar %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>Er wordt geen video gemaakt.</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>Er zijn geen foto&apos;s gemaakt, dus er is geen video gemaakt.</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Rechte lijn</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovaal</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Driehoek</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Stippellijn</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pijl</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>Omgekeerde pijl</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Dubbele pijl</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>Golflijn</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallellogram</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>Gelijkzijdige driehoek</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Vijfhoek</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Zeshoek</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Achthoek</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Kubus</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cilinder</translation>
    </message>
    <message>
        <source>Dihedral angle</source>
        <translation>Standhoek</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Halve bol</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>Driezijdige piramide</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Bol</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichting</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>Deze camera heeft geen focus of belichting om in te stellen.</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>De camera gaf geen beeld</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>Er is geen map ingesteld voor afbeeldingen</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>Geen afbeeldingen om te exporteren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>Afbeeldingen kunnen niet naar de indeling &quot;%1&quot; worden geëxporteerd</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>De PDF kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>Geen van de afbeeldingen kon worden gelezen</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Bekijken</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>De afbeelding &quot;%1&quot; wordt niet getoond: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>De afbeelding &quot;%1&quot; kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Bestand importeren</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>Te groot om te tonen</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galerij</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Selectie opheffen</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Bestand importeren</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Camera&apos;s</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximaliseren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>Fout bij het laden van de tekstherkenningsengine</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>Fout bij het ontladen van de tekstherkenningsengine</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 kan niet als afbeelding worden gelezen.</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>%1 kan niet worden herkend: %2.</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>Er is geen herkenningstaal gekozen.</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>De herkenningstalen %1 kunnen niet worden geladen.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
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
        <translation>Bestand importeren</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>OCR starten</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Herkenningstalen</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Importeer een afbeelding om te herkennen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>OCR-analyse gelukt!</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinees</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Traditioneel Chinees</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>Basjkiers</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalaans</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tsjechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Deens</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fins</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grieks</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lets</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slowaaks</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tataars</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turks</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Oekraïens</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japans</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreaans</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>Bengaals</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamees</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgaars</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Ests</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongaars</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litouws</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noors</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roemeens</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Sloveens</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armeens</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugees (Brazilië)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugees (Portugal)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>Het taalpakket voor %1 is niet geïnstalleerd. Installeer het Debian-pakket %2 en probeer het opnieuw.</translation>
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
        <translation>Herkenning starten...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Contrast </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Helderheid </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Verzadiging </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
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
        <translation>De video kon niet naar %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>geen videoformaat past bij de naam</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>De video kon niet worden gemaakt: dit systeem heeft geen H.264-encoder.</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>De video kon niet worden gemaakt: onvoldoende geheugen.</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>De video kon niet worden gemaakt: de H.264-encoder is niet gestart (%1).</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>De video kon niet worden gemaakt: een afbeelding van %1 x %2 kon niet worden omgezet.</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>deze is %1 x %2 pixels, meer dan de %3 miljoen pixels die een afbeelding mag hebben</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>Geen resolutie beschikbaar</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Loep</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Passend</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Format</source>
        <translation>Formaat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaglocatie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Softwareversie:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Taal wijzigen:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>Dit systeem kan geen afbeeldingen in dit formaat opslaan.</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Map met afbeeldingen tonen</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Map met video&apos;s tonen</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Map voor afbeeldingen kiezen</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Map voor video&apos;s kiezen</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Start de software opnieuw om de taalinstelling toe te passen.</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>Er kan niet naar deze map worden geschreven. Kies een andere map.</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Geen camera beschikbaar</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>De schermrecorder antwoordde niet binnen %1 seconden.</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>De schermrecorder stopte voordat de opname begon.</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>Het programma kan geen poort krijgen voor de schermrecorder: %1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>De schermrecorder kon niet worden gestart: %1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>De schermrecorder werd afgesloten voordat de opname begon.</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tekengrootte</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Tekstkleur</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Onderstrepen</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>Dikte %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>De camera is niet beschikbaar.</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Huidige resolutie: 1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>De camera heeft geen beeld gestuurd.</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>De video is opgeslagen.</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>Timelapse</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>Volgende over</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Gemaakt</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>Foto&apos;s met timer</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>foto&apos;s</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Aantal foto&apos;s</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Voer een geheel getal groter dan 0 in.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>Selecteer eerst een afbeelding</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Geen Veskaroo-apparaat gevonden! Mogelijke oorzaken: 1. Veskaroo is niet goed aangesloten. 2. Het stuurprogramma is niet goed geïnstalleerd. 3. Het apparaat is beschadigd.</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>Instellen van de resolutie mislukt, kies opnieuw.</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>De camera is niet beschikbaar, mogelijk door stroomuitval, een slecht contact of omdat hij is losgekoppeld. Controleer de apparatuur.</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Selecteer eerst een bestand in de lijst links</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>De schijf kon niet het hele bestand opnemen (mogelijk is hij vol, of is het bestand te groot)</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>Het voltooide bestand kon niet op zijn plaats worden gezet: %1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>De map kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>Afbeeldingen kunnen hier niet als &quot;%1&quot; worden opgeslagen</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet lezen: %2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; overgeslagen: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet schrijven: %2</translation>
    </message>
</context>
</TS>
