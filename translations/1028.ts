<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>畫筆</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>粗細</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形狀</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>沒有可用的攝影機</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>對焦與曝光</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>放大鏡</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>凍結</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>色彩調整</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>自適應</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>自動裁邊</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>子母畫面</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>分割畫面</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>拍照模式</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>錄影</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>文字辨識</translation>
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
        <translation>無法儲存圖片：%1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>儲存成功。</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>部分檔案無法儲存：
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>攝影機沒有傳來畫面。</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>正在儲存，請稍候！</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>所選區域不在畫面內。</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>未找到頁面：請將輪廓的角點拖曳到頁面上。</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>螢幕擷取</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>局部螢幕擷取</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>定時拍照</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>縮時攝影</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>螢幕擷取到剪貼簿</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>黑白拍照</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>灰階拍照</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>拍照提示音</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>鎖定輪廓</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>將之後的每張圖片按同一頁面輪廓裁切並校正；在圖片上拖曳輪廓的角點以貼合頁面。</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉紅色</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>棕色</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>更多顏色</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>調色盤</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>鎖定</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
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
        <translation>塔恩維克科技有限公司</translation>
    </message>
</context>
<context>
    <name>IControlSlider</name>
    <message>
        <source>Not adjustable</source>
        <translation>不可調整</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>螢幕錄影已中斷：%1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>無法開始螢幕錄影。</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>無法開始螢幕錄影：%1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>無法產生影片：沒有指定資料夾。</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>無法產生影片：圖片尺寸 %1 x %2 無法使用。</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>無法產生影片：每秒 %1 格不是可用的影格速率。</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>沒有此檔案或目錄</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是目錄</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>權限不足</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>影片無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>目前沒有正在產生的影片。</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>沒有拍攝圖片，因此沒有產生影片。</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圓形</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>橢圓</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>點線</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭頭</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>反向箭頭</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>雙向箭頭</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>波浪線</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>平行四邊形</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>正三角形</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>五邊形</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>六邊形</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>八邊形</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星形</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>正方體</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>圓錐</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>圓柱</translation>
    </message>
    <message>
        <source>Dihedral angle</source>
        <translation>二面角</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>半球</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>三角錐</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>球體</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>對焦</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>此攝影機沒有可調整的對焦或曝光。</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>攝影機沒有提供畫面</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>沒有設定圖片資料夾</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>沒有可匯出的圖片</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>無法將圖片匯出為「%1」格式</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>無法建立 PDF</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>所有圖片都無法讀取</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>圖片「%1」無法顯示：%2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>無法讀取圖片「%1」：%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>匯入檔案</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>太大，無法顯示</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>圖庫</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>取消選取</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>匯入檔案</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>載入文字辨識引擎時發生錯誤</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>卸載文字辨識引擎時發生錯誤</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>無法寫入 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>無法將 %1 讀取為圖片。</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>無法辨識 %1：%2。</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>未選擇辨識語言。</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>無法載入辨識語言 %1。</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知錯誤</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>文字辨識</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>匯入檔案</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>OCR 辨識</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>辨識語言</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>開啟圖片</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>請先匯入要辨識的圖片。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>OCR 辨識成功！</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>巴什基爾文</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>加泰隆尼亞文</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>克羅埃西亞文</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>捷克文</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>丹麥文</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷蘭文</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>芬蘭文</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法文</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德文</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希臘文</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>義大利文</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>印尼文</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>拉脫維亞文</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波蘭文</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄文</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>斯洛伐克文</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙文</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>瑞典文</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>韃靼文</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其文</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>烏克蘭文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>孟加拉文</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南文</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>保加利亞文</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>愛沙尼亞文</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>匈牙利文</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>立陶宛文</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>挪威文</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>羅馬尼亞文</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>斯洛維尼亞文</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>亞美尼亞文</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>葡萄牙文(巴西)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>葡萄牙文(葡萄牙)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰文</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯文</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>%1 的語言套件未安裝。請安裝 Debian 套件 %2 後再試一次。</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>OCR</source>
        <translation>文字辨識</translation>
    </message>
    <message>
        <source>Start Recognizing...</source>
        <translation>開始辨識...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>對比度 </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>亮度 </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>飽和度 </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>IPictureVynthesisVideo</name>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>影片無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>沒有與檔名相符的影片格式</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>無法產生影片：系統中沒有 H.264 編碼器。</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>無法產生影片：記憶體不足。</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>無法產生影片：H.264 編碼器未能啟動（%1）。</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>無法產生影片：%1 x %2 的圖片無法轉換。</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>它有 %1 x %2 像素，超過圖片允許的 %3 百萬像素</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>沒有可用的解析度</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>白板</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>放大鏡</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>自適應</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>軟體：</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>軟體版本：</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>語言切換：</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>此系統無法以此格式儲存圖片。</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>檢視圖片檔案路徑</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>檢視影片檔案路徑</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>設定圖片檔案路徑</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>設定影片檔案路徑</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>請重新啟動軟體，使語言設定生效。</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>無法寫入此資料夾，請選擇其他資料夾。</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>沒有可用的攝影機</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>螢幕錄影程式在 %1 秒內沒有回應。</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>螢幕錄影程式在開始錄製前已中斷。</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>程式無法為螢幕錄影程式取得連接埠：%1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>無法啟動螢幕錄影程式：%1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>螢幕錄影程式在開始錄製前已結束。</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>字型</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>文字顏色</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗體</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜體</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>底線</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>粗細 %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>攝影機無法使用。</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>目前解析度：1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>攝影機沒有傳來畫面。</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>影片已儲存。</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>縮時攝影</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>下一張</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>已拍</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>定時拍照</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>張</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>間隔時間</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>拍攝張數</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>請輸入大於 0 的整數。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>請先選擇一張圖片</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>找不到 Veskaroo 裝置！可能的原因：1. Veskaroo 未正確連接。2. 驅動程式未成功安裝。3. 裝置已損壞。</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>解析度設定失敗，請重新選擇。</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>攝影機無法使用，可能是斷電、接觸不良或被拔除所致，請檢查設備。</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>請先選擇左側清單中的檔案</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>磁碟沒有寫入完整的檔案（磁碟可能已滿，或檔案太大）</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>完成的檔案無法放到目標位置：%1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>無法建立資料夾</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>此處無法將圖片寫成「%1」格式</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>無法讀取「%1」：%2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>已略過「%1」：%2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>無法寫入「%1」：%2</translation>
    </message>
</context>
</TS>
