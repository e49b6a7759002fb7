<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Aucune caméra disponible</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Mise au point et exposition</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Figer</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Réglage des couleurs</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Recadrage auto</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Image dans l&apos;image</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Écran partagé</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Mode photo</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Enregistrer vidéo</translation>
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
        <translation>Impossible d&apos;enregistrer l&apos;image&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Enregistrement réussi.</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>Certains fichiers n&apos;ont pas pu être enregistrés&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>La caméra n&apos;a envoyé aucune image.</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Enregistrement en cours, veuillez patienter&#xa0;!</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>La zone choisie ne recouvre pas l&apos;image.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Réussi&#xa0;!</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>Aucune page trouvée : faites glisser les coins du contour sur la page.</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Capture d&apos;une zone de l&apos;écran</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Capture minutée</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Capture d&apos;écran vers le presse-papiers</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Capture en noir et blanc</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Capture en niveaux de gris</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>Son de l&apos;obturateur</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>Verrouiller le contour</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>Recadrer chaque image suivante selon le même contour de page et la redresser ; faites glisser les coins du contour sur l&apos;image pour l&apos;ajuster à la page.</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>Plus de couleurs</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Palette de couleurs</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
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
        <translation>Non réglable</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>L&apos;enregistrement s&apos;est arrêté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>Impossible de démarrer l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>Impossible de démarrer l&apos;enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>Impossible de créer la vidéo&#xa0;: aucun dossier n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>Impossible de créer la vidéo&#xa0;: une taille d&apos;image de %1 x %2 n&apos;est pas utilisable.</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>Impossible de créer la vidéo&#xa0;: %1 images par seconde n&apos;est pas une fréquence d&apos;images utilisable.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Autorisation refusée</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>Impossible d&apos;écrire la vidéo dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>Aucune vidéo n&apos;est en cours de création.</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>Aucune image n&apos;a été prise, donc aucune vidéo n&apos;a été créée.</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Ligne droite</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Ligne pointillée</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>Flèche inversée</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Double flèche</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>Ligne ondulée</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallélogramme</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>Triangle équilatéral</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pentagone</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Hexagone</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Octogone</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Cône</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cylindre</translation>
    </message>
    <message>
        <source>Dihedral angle</source>
        <translation>Angle dièdre</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hémisphère</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>Pyramide triangulaire</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Sphère</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Mise au point</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>Cette caméra n&apos;a ni mise au point ni exposition à régler.</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>La caméra n&apos;a fourni aucune image</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>Aucun dossier n&apos;est défini pour les images</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>Aucune image à exporter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>Les images ne peuvent pas être exportées au format «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>Impossible de créer le PDF</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>Aucune des images n&apos;a pu être lue</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>L&apos;image «&#xa0;%1&#xa0;» n&apos;est pas affichée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire l&apos;image «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importer un fichier</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>Trop grande pour être affichée</translation>
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
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Désélectionner</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Importer un fichier</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>Erreur lors du chargement du moteur de reconnaissance de texte</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>Erreur lors du déchargement du moteur de reconnaissance de texte</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>Impossible de lire %1 comme image.</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>Impossible de reconnaître %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>Aucune langue de reconnaissance n&apos;est choisie.</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>Impossible de charger les langues de reconnaissance %1.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
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
        <translation>Importer un fichier</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>Lancer l&apos;OCR</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Langues de reconnaissance</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Veuillez importer une image à analyser.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>Analyse OCR réussie&#xa0;!</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>Bachkir</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalan</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croate</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letton</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovaque</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tatar</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>Bengali</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgare</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonien</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituanien</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovène</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Arménien</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portugais (Brésil)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portugais (Portugal)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>Le pack de langue pour %1 n&apos;est pas installé. Installez le paquet Debian %2 et réessayez.</translation>
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
        <translation>Démarrage de la reconnaissance...</translation>
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
        <translation>Luminosité </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Saturation </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
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
        <translation>Impossible d&apos;écrire la vidéo dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>aucun format vidéo ne correspond au nom</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>Impossible de créer la vidéo&#xa0;: ce système n&apos;a pas d&apos;encodeur H.264.</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>Impossible de créer la vidéo&#xa0;: mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>Impossible de créer la vidéo&#xa0;: l&apos;encodeur H.264 n&apos;a pas démarré (%1).</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>Impossible de créer la vidéo&#xa0;: une image de %1 x %2 n&apos;a pas pu être convertie.</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>elle fait %1 x %2 pixels, plus que les %3 millions de pixels autorisés pour une image</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>Aucune résolution disponible</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Ajuster</translation>
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
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Logiciel&#xa0;:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Version du logiciel&#xa0;:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Changer de langue&#xa0;:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>Ce système ne peut pas enregistrer d&apos;images dans ce format.</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Voir le dossier des images</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Voir le dossier des vidéos</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Choisir le dossier des images</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Choisir le dossier des vidéos</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Redémarrez le logiciel pour appliquer le réglage de la langue.</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>Impossible d&apos;écrire dans ce dossier. Veuillez en choisir un autre.</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Aucune caméra disponible</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>L&apos;enregistreur d&apos;écran n&apos;a pas répondu en %1 secondes.</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>L&apos;enregistreur d&apos;écran s&apos;est arrêté avant le début de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>Le programme ne peut pas obtenir de port pour l&apos;enregistreur d&apos;écran&#xa0;: %1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>Impossible de démarrer l&apos;enregistreur d&apos;écran&#xa0;: %1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>L&apos;enregistreur d&apos;écran s&apos;est fermé avant le début de l&apos;enregistrement.</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>Épaisseur %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>La caméra n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Résolution actuelle&#xa0;: 1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>La caméra n&apos;a envoyé aucune image.</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>La vidéo est enregistrée.</translation>
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
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>Prochaine dans</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Prises</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>Capture minutée</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>photos</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Nombre de photos</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Veuillez saisir un nombre entier supérieur à 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>Veuillez d&apos;abord sélectionner une image</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Aucun appareil Veskaroo n&apos;a été trouvé&#xa0;! Causes possibles&#xa0;: 1. Le Veskaroo n&apos;est pas correctement branché. 2. Le pilote n&apos;a pas été installé correctement. 3. L&apos;appareil est endommagé.</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>Le réglage de la résolution a échoué, veuillez choisir à nouveau.</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>La caméra n&apos;est pas disponible&#xa0;: elle est peut-être hors tension, mal branchée ou débranchée. Veuillez vérifier l&apos;appareil.</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Veuillez d&apos;abord sélectionner un fichier dans la liste de gauche</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>Le disque n&apos;a pas pu recevoir tout le fichier (il est peut-être plein, ou le fichier trop volumineux)</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>Le fichier terminé n&apos;a pas pu être mis à sa place&#xa0;: %1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>Impossible d&apos;enregistrer ici les images au format «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>«&#xa0;%1&#xa0;» ignoré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
</TS>
