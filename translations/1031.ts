<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Keine Kamera verfügbar</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Fokus und Belichtung</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Einfrieren</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Farbe anpassen</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Auto-Zuschnitt</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Bild-in-Bild</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Geteilte Ansicht</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Fotomodus</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Video aufnehmen</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>Text erkennen</translation>
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
        <translation>Das Bild konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>Einige Dateien konnten nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>Die Kamera hat kein Bild gesendet.</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Wird gespeichert, bitte warten!</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>Der gewählte Bereich liegt nicht im Bild.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>Keine Seite gefunden: Ziehen Sie die Ecken des Umrisses auf die Seite.</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Bildschirmausschnitt</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Intervallaufnahme</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Bildschirmfoto in Zwischenablage</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Schwarz-Weiß-Foto</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Graustufenfoto</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>Auslöseton</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>Umriss fixieren</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>Jedes folgende Bild auf denselben Seitenumriss zuschneiden und gerade ausrichten; ziehen Sie die Ecken des Umrisses im Bild auf die Seite.</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>Weitere Farben</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Farbpalette</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
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
        <translation>Nicht einstellbar</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Aufnahme abgebrochen: %1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>Die Aufnahme konnte nicht starten.</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>Die Aufnahme konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>Das Video konnte nicht erstellt werden: Es wurde kein Ordner angegeben.</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>Das Video konnte nicht erstellt werden: Eine Bildgröße von %1 x %2 ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>Das Video konnte nicht erstellt werden: %1 Bilder pro Sekunde sind keine verwendbare Bildrate.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>Das Video konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>Es wird gerade kein Video erstellt.</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>Es wurden keine Bilder aufgenommen, daher wurde kein Video erstellt.</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Gepunktete Linie</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>Umgekehrter Pfeil</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Doppelpfeil</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>Wellenlinie</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallelogramm</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>Gleichseitiges Dreieck</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Fünfeck</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Sechseck</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Achteck</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Dihedral angle</source>
        <translation>Flächenwinkel</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Halbkugel</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>Dreieckspyramide</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Kugel</translation>
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
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>Bei dieser Kamera lassen sich Fokus und Belichtung nicht einstellen.</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>Die Kamera hat kein Bild geliefert</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>Für Bilder ist kein Ordner festgelegt</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>Keine Bilder zum Exportieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>In das Format „%1“ können keine Bilder exportiert werden</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>Das PDF kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>Keines der Bilder konnte gelesen werden</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>Das Bild „%1“ wird nicht angezeigt: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Datei importieren</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>Zu groß zum Anzeigen</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>Fehler beim Laden der Texterkennung</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>Fehler beim Entladen der Texterkennung</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 kann nicht als Bild gelesen werden.</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>%1 kann nicht erkannt werden: %2.</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>Es ist keine Erkennungssprache gewählt.</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>Die Erkennungssprachen %1 können nicht geladen werden.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Erkennungssprache</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Bitte zuerst ein Bild zum Erkennen importieren.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Text erfolgreich erkannt!</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>Baschkirisch</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Katalanisch</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lettisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tatarisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>Bengalisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estnisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenisch</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugiesisch (Portugal)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>Das Sprachpaket für %1 ist nicht installiert. Installieren Sie das Debian-Paket %2 und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>OCR</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <source>Start Recognizing...</source>
        <translation>Texterkennung läuft...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>Kontrast </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>Helligkeit </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Sättigung </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
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
        <translation>Das Video konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>kein Videoformat passt zum Dateinamen</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>Das Video konnte nicht erstellt werden: Auf diesem System gibt es keinen H.264-Encoder.</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>Das Video konnte nicht erstellt werden: Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>Das Video konnte nicht erstellt werden: Der H.264-Encoder ist nicht gestartet (%1).</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>Das Video konnte nicht erstellt werden: Ein Bild mit %1 x %2 konnte nicht umgewandelt werden.</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>es hat %1 x %2 Pixel, mehr als die %3 Millionen Pixel, die ein Bild haben darf</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>Keine Auflösung verfügbar</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Einpassen</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Softwareversion:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>Dieses System kann Bilder nicht in diesem Format speichern.</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Bildordner anzeigen</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Videoordner anzeigen</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Bildordner festlegen</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Videoordner festlegen</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Bitte die Software neu starten, damit die Spracheinstellung wirksam wird.</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>In diesen Ordner kann nicht geschrieben werden. Bitte einen anderen wählen.</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Keine Kamera verfügbar</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>Das Aufnahmeprogramm hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>Das Aufnahmeprogramm hat vor Beginn der Aufnahme aufgehört.</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>Das Programm kann keinen Port für das Aufnahmeprogramm belegen: %1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>Das Aufnahmeprogramm konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>Das Aufnahmeprogramm wurde vor Beginn der Aufnahme beendet.</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>Stärke %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>Die Kamera ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Aktuelle Auflösung: 1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>Die Kamera hat kein Bild gesendet.</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Das Video wurde gespeichert.</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>Nächstes in</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Aufgenommen</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>Intervallaufnahme</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Anzahl Fotos</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Bitte eine ganze Zahl größer als 0 eingeben.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>Bitte zuerst ein Bild auswählen</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Kein Veskaroo-Gerät gefunden! Mögliche Ursachen: 1. Veskaroo ist nicht richtig angeschlossen. 2. Der Treiber wurde nicht erfolgreich installiert. 3. Das Gerät ist beschädigt.</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>Die Auflösung konnte nicht eingestellt werden, bitte erneut wählen.</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>Die Kamera ist nicht verfügbar, etwa wegen Stromausfall, Wackelkontakt oder weil sie abgezogen wurde. Bitte das Gerät prüfen.</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Bitte zuerst eine Datei in der Liste links auswählen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>Der Datenträger hat nicht die ganze Datei aufgenommen (er ist vielleicht voll oder die Datei zu groß)</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>Die fertige Datei konnte nicht an ihren Platz gebracht werden: %1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>Bilder können hier nicht als „%1“ geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>„%1“ ausgelassen: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
</TS>
