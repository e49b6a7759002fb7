<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Kalem</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Kalınlık</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Saydamlık</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Şekil</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Silgi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Ana sayfa</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Masaüstü</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Kullanılabilir kamera yok</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>Odak ve pozlama</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Büyüteç</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Çözünürlük</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Döndür</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Dondur</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>Renk ayarı</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Sığdır</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>Otomatik kırp</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>Resim içinde resim</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>Bölünmüş ekran</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Fotoğraf çek</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>Çekim modu</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>Video kaydı</translation>
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
        <translation>Resim kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>Kaydetme başarılı.</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>Bazı dosyalar kaydedilemedi:
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>Kamera görüntü göndermedi.</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>Kaydediliyor, lütfen bekleyin!</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>Seçilen alan resmin üzerinde değil.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>Başarılı!</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>Sayfa bulunamadı: anahattın köşelerini sayfanın üzerine sürükleyin.</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>Ekran görüntüsü</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>Kısmi ekran görüntüsü</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>Zamanlı çekim</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Hızlandırılmış çekim</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>Ekran görüntüsünü panoya al</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>Siyah beyaz çekim</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>Gri tonlamalı çekim</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>Deklanşör sesi</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>Anahattı kilitle</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>Sonraki her resmi aynı sayfa anahattına göre kırp ve düzelt; sayfaya oturtmak için resimdeki anahattın köşelerini sürükleyin.</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pembe</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Camgöbeği</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Kahverengi</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>Diğer renkler</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>Renk paleti</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>Kilitle</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
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
        <translation>Ayarlanamaz</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Kayıt durdu: %1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>Kayıt başlatılamadı.</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>Kayıt başlatılamadı: %1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>Video oluşturulamadı: klasör belirtilmedi.</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>Video oluşturulamadı: %1 x %2 resim boyutu kullanılamaz.</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>Video oluşturulamadı: saniyede %1 kare kullanılabilir bir kare hızı değil.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Böyle bir dosya ya da klasör yok</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Klasör değil</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>İzin reddedildi</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>Video %1 konumuna yazılamadı: %2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>Şu anda oluşturulan bir video yok.</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>Hiç resim çekilmediği için video oluşturulmadı.</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>Düz çizgi</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Daire</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Üçgen</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>Noktalı çizgi</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>Ters ok</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Çift yönlü ok</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>Dalgalı çizgi</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Paralelkenar</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>Eşkenar üçgen</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>Beşgen</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Altıgen</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Sekizgen</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Yıldız</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Küp</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Koni</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Silindir</translation>
    </message>
    <message>
        <source>Dihedral angle</source>
        <translation>Dihedral açı</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Yarım küre</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>Üçgen piramit</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Küre</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Odak</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Pozlama</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>Bu kamerada ayarlanabilecek odak ya da pozlama yok.</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>Kamera görüntü vermedi</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>Resimler için klasör ayarlanmamış</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>Dışa aktarılacak resim yok</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>Resimler &quot;%1&quot; biçiminde dışa aktarılamaz</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>PDF oluşturulamıyor</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>Resimlerin hiçbiri okunamadı</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Görüntüle</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>&quot;%1&quot; resmi gösterilmiyor: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>&quot;%1&quot; resmi okunamıyor: %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Dosya içe aktar</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>Gösterilemeyecek kadar büyük</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>Galeri</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Seçimi kaldır</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>Dosya içe aktar</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>Kameralar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Simge durumuna küçült</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ekranı kapla</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>Metin tanıma motoru yüklenirken hata oluştu</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>Metin tanıma motoru kaldırılırken hata oluştu</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 yazılamıyor.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 resim olarak okunamıyor.</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>%1 tanınamıyor: %2.</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>Tanıma dili seçilmedi.</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>%1 tanıma dilleri yüklenemiyor.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
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
        <translation>Dosya içe aktar</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Önceki sayfa</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Sonraki sayfa</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>OCR başlat</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>Tanıma dilleri</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Resim aç</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>Lütfen tanınacak bir resim içe aktarın.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>OCR tanıma başarılı!</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>İngilizce</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Çince</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Geleneksel Çince</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>Başkurtça</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Katalanca</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Hırvatça</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Çekçe</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danca</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Felemenkçe</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fince</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransızca</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Almanca</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Yunanca</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>İtalyanca</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Endonezce</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letonca</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lehçe</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusça</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovakça</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>İspanyolca</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>İsveççe</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>Tatarca</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukraynaca</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonca</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korece</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>Bengalce</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamca</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarca</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonca</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Macarca</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litvanca</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norveççe</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumence</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovence</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Ermenice</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>Portekizce (Brezilya)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>Portekizce (Portekiz)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tayca</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arapça</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>%1 dil paketi yüklü değil. %2 Debian paketini yükleyip yeniden deneyin.</translation>
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
        <translation>Tanıma başlatılıyor...</translation>
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
        <translation>Parlaklık </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>Doygunluk </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>IPictureVynthesisVideo</name>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>Video %1 konumuna yazılamadı: %2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>adla eşleşen bir video biçimi yok</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>Video oluşturulamadı: bu sistemde H.264 kodlayıcı yok.</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>Video oluşturulamadı: bellek yetersiz.</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>Video oluşturulamadı: H.264 kodlayıcı başlamadı (%1).</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>Video oluşturulamadı: %1 x %2 boyutunda bir resim dönüştürülemedi.</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>resim %1 x %2 piksel; bu, bir resim için izin verilen %3 milyon pikselden fazla</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>Kullanılabilir çözünürlük yok</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>Tahta</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Büyüteç</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Döndür</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>Sığdır</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kayıt yeri</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Yazılım:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Yazılım sürümü:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>Dil seçimi:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>Bu sistem resimleri bu biçimde kaydedemez.</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>Resim klasörünü göster</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>Video klasörünü göster</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>Resim klasörünü ayarla</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>Video klasörünü ayarla</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>Dil ayarının etkinleşmesi için yazılımı yeniden başlatın.</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>Bu klasöre yazılamıyor. Lütfen başka bir klasör seçin.</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>Kullanılabilir kamera yok</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>Ekran kaydedici %1 saniye içinde yanıt vermedi.</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>Ekran kaydedici, kayıt başlamadan durdu.</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>Program, ekran kaydedici için bir bağlantı noktası alamıyor: %1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>Ekran kaydedici başlatılamadı: %1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>Ekran kaydedici, kayıt başlamadan kapandı.</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Yazı tipi boyutu</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Metin rengi</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Kalın</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>İtalik</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Altı çizili</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>Kalınlık %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>Kamera kullanılamıyor.</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>Geçerli çözünürlük: 1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>Kamera görüntü göndermedi.</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>Video kaydedildi.</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>Hızlandırılmış çekim</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sn</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Devam et</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>Sonraki</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>Çekilen</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>Zamanlı çekim</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>saniye</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>fotoğraf</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>Aralık süresi</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>Çekim sayısı</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>Lütfen 0&apos;dan büyük bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>Dosyayı aç</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Klasörü aç</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>Lütfen önce bir resim seçin</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Veskaroo cihazı bulunamadı! Olası nedenler: 1. Veskaroo doğru bağlanmamış. 2. Sürücü programı başarıyla kurulmamış. 3. Cihaz hasarlı.</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>Çözünürlük ayarlanamadı, lütfen yeniden seçin.</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>Kamera kullanılamıyor; elektrik kesintisi, kötü temas ya da kablonun çekilmesi buna neden olmuş olabilir. Lütfen cihazı kontrol edin.</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>Lütfen önce soldaki listeden bir dosya seçin</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>Disk dosyanın tamamını alamadı (disk dolu ya da dosya çok büyük olabilir)</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>Tamamlanan dosya yerine konamadı: %1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>Klasör oluşturulamıyor</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>Resimler buraya &quot;%1&quot; olarak yazılamıyor</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; okunamıyor: %2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; atlandı: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; yazılamıyor: %2</translation>
    </message>
</context>
</TS>
