<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Pencil</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
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
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>No camera device available</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Focus and Exposure</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Zoom-in</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Zoom-out</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Color-adjusting</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Self-adapting</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Automatic edging</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Picture-in-picture</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Split-screen</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Snap</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Photo-mode</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Video-Recording</translation>
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
        <translation>The picture could not be saved: %1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Save Successful.</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>Some files could not be saved:
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>The camera sent no picture.</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Saving, please wait!</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>The chosen area does not cover the picture.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Succeed!</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>No page was found: drag the corners of the outline onto the page.</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Screen Capture</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Partial screen capture</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Timing capture</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Screen capture to clipboard</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Black white capture</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Gray capture</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>Shutter sound</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>Lock outline</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brown</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>More colors</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Color Panel</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
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
        <translation>Not adjustable</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Recording stopped: %1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>Recording could not start.</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>Recording could not start: %1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>The video could not be made: no folder was given.</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>The video could not be made: a picture size of %1 x %2 is not usable.</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>The video could not be made: %1 frames a second is not a usable frame rate.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>The video could not be written to %1: %2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>No video is being made.</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>No pictures were taken, so no video was made.</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Straight line</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
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
        <translation>Dotted line</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>Reverse arrow</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Double arrow</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>Wave line</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallelogram</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>Equilateral triangle</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Pentagon</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Hexagon</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Octagon</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Cone</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>Dihedral angle</source>
        <translation>Dihedral angle</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hemisphere</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>Triangular pyramid</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Ball</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>This camera has no focus or exposure to adjust.</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>The camera gave no picture</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>No folder is set for pictures</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>No pictures to export</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>&quot;%1&quot; is not a format pictures can be exported to</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>The PDF cannot be started</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>None of the pictures could be read</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>The picture &quot;%1&quot; is not shown: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>The picture &quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Import File</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>Too large to show</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Gallery</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Deselect</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Import File</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Cameras</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>Error while loading ABBYY FineReader Engine</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>Error while unloading ABBYY FineReader Engine</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 cannot be written.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 cannot be read as a picture.</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>%1 cannot be recognised: %2.</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>No recognition language is chosen.</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>The recognition languages %1 cannot be loaded.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
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
        <translation>Import File</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>OCR Recognizing</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Language Identification</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Open Picture</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Please import a picture for parsing.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>OCR Analysing Succeed!</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinese Traditional</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>Bashkir</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalan</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croatian</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnish</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesian</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Latvian</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovak</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tatar</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainian</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>Bangla</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarian</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonian</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lithuanian</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegian</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romanian</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenian</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenian</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portuguese(Brazil)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portuguese(Portugal)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>The language pack for %1 is not installed. Install the Debian package %2 and try again.</translation>
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
        <translation>Start Recognizing...</translation>
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
        <translation>Brightness </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Saturation </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
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
        <translation>The video could not be written to %1: %2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>no video container fits the name</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>The video could not be made: this system has no H.264 encoder.</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>The video could not be made: out of memory.</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>The video could not be made: the H.264 encoder did not start (%1).</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>The video could not be made: a picture of %1 x %2 could not be converted.</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>No resolution available</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Zoom-in</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Zoom-out</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Self-adapting</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Software Version:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Language switch:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>This system cannot save pictures in this format.</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>View picture file path</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>View video file path</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Setup picture file path</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Setup video file path</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Restart the software, to activate the language setting.</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>This folder cannot be written to. Please choose another one.</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>No camera device available</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>The screen recorder did not answer within %1 seconds.</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>The screen recorder stopped before recording began.</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>The program cannot take a port for the screen recorder: %1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>The screen recorder could not be started: %1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>The screen recorder ended before recording began.</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>%1 thickness</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>The camera is not available.</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Current resolution: 1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>The camera sent no picture.</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Video is saved.</translation>
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
        <translation>Interval</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
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
        <translation>Close</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>Next in</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Shot</translation>
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
        <translation>Halt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>Timing capture</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>shots</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Interval Time</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Capture Pages</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Please input integer greater than 0.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Open directory</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>Please select a picture first</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>Resolution settings failed, please re-select.</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Please select a file in the list on the left first</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>The disk did not take the whole file (it may be full, or the file too large)</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>The finished file could not be put in place: %1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>The folder cannot be created</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>Pictures cannot be written as &quot;%1&quot; here</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Cannot read &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>Left out &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Cannot write &quot;%1&quot;: %2</translation>
    </message>
</context>
</TS>
