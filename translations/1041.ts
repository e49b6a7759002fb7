<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>ペン</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>図形</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>全消去</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>カメラデバイスがありません</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>フォーカスと露出</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>ルーペ</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>静止</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>色調整</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>自動トリミング</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>子画面</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>画面分割</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>撮影</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>撮影モード</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>文字認識</translation>
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
        <translation>画像を保存できませんでした：%1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>保存しました。</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>一部のファイルを保存できませんでした：
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>カメラから画像が届きませんでした。</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>保存中です。お待ちください！</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>選択した範囲が画像の外にあります。</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>成功しました！</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>ページが見つかりません：輪郭の角をページ上にドラッグしてください。</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>画面キャプチャ</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>部分キャプチャ</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>タイマー撮影</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>タイムラプス</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>画面をクリップボードへ</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>白黒撮影</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>グレースケール撮影</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>シャッター音</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>輪郭を固定</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>以降のすべての画像を同じページ輪郭で切り抜いて補正します。画像上で輪郭の角をドラッグしてページに合わせてください。</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>茶</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>その他の色</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>カラーパレット</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
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
        <translation>調整不可</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>録画が中断されました：%1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>録画を開始できませんでした。</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>録画を開始できませんでした：%1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>動画を作成できませんでした：フォルダーが指定されていません。</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>動画を作成できませんでした：%1 x %2 の画像サイズは使用できません。</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>動画を作成できませんでした：毎秒 %1 フレームは使用できるフレームレートではありません。</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>そのようなファイルまたはフォルダーはありません</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>動画を %1 に書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>作成中の動画はありません。</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>画像が撮影されなかったため、動画は作成されませんでした。</translation>
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
        <translation>円</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>長方形</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>点線</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>逆矢印</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>両矢印</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>波線</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>平行四辺形</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>正三角形</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>五角形</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>六角形</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>八角形</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星形</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>立方体</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>円錐</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>円柱</translation>
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
        <translation>球</translation>
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
        <translation>フォーカス</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>露出</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>このカメラにはフォーカスと露出の調整機能がありません。</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>カメラから画像が得られませんでした</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>画像の保存先フォルダーが設定されていません</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>エクスポートする画像がありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>「%1」は画像のエクスポートに使えない形式です</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>PDF を作成できません</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>どの画像も読み込めませんでした</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>画像「%1」を表示できません：%2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>画像「%1」を読み込めません：%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>ファイルをインポート</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>大きすぎて表示できません</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>ギャラリー</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>選択解除</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>ファイルをインポート</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>カメラ</translation>
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
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>文字認識エンジンの読み込み中にエラーが発生しました</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>文字認識エンジンの解放中にエラーが発生しました</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 を画像として読み込めません。</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>%1 を認識できません：%2。</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>認識言語が選択されていません。</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>認識言語 %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>文字認識</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>ファイルをインポート</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>認識開始</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>認識言語</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>認識する画像をインポートしてください。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>文字認識が完了しました！</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>バシキール語</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>カタルーニャ語</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>クロアチア語</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>チェコ語</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>デンマーク語</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>フィンランド語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>インドネシア語</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>ラトビア語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>スロバキア語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>スウェーデン語</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>タタール語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>ウクライナ語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>ベンガル語</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ベトナム語</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>ブルガリア語</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>エストニア語</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>ハンガリー語</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>リトアニア語</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>ノルウェー語</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>ルーマニア語</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>スロベニア語</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>アルメニア語</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>ポルトガル語（ブラジル）</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>ポルトガル語（ポルトガル）</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>タイ語</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>%1 の言語パックがインストールされていません。Debian パッケージ %2 をインストールしてから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>OCR</source>
        <translation>文字認識</translation>
    </message>
    <message>
        <source>Start Recognizing...</source>
        <translation>認識を開始しています...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>コントラスト </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>明るさ </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>彩度 </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
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
        <translation>動画を %1 に書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>ファイル名に合う動画形式がありません</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>動画を作成できませんでした：このシステムには H.264 エンコーダーがありません。</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>動画を作成できませんでした：メモリが不足しています。</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>動画を作成できませんでした：H.264 エンコーダーが起動しませんでした（%1）。</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>動画を作成できませんでした：%1 x %2 の画像を変換できませんでした。</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>%1 x %2 ピクセルあり、1 枚の画像の上限である %3 百万ピクセルを超えています</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>使用できる解像度がありません</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>ボード</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>ルーペ</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>全体表示</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>ソフトウェア：</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>ソフトウェアバージョン：</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>言語切り替え：</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>このシステムではこの形式で画像を保存できません。</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>画像の保存先を表示</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>動画の保存先を表示</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>画像の保存先を設定</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>動画の保存先を設定</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>言語設定を有効にするには、ソフトウェアを再起動してください。</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>このフォルダーには書き込めません。別のフォルダーを選んでください。</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>カメラデバイスがありません</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>画面録画プログラムが %1 秒以内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>画面録画プログラムが録画開始前に停止しました。</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>画面録画プログラム用のポートを確保できません：%1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>画面録画プログラムを起動できませんでした：%1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>画面録画プログラムが録画開始前に終了しました。</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>太さ %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>カメラを使用できません。</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>現在の解像度：1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>カメラから画像が届きませんでした。</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>動画を保存しました。</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>タイムラプス</translation>
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
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>次まで</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>撮影済み</translation>
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
        <translation>一時停止</translation>
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
        <translation>タイマー撮影</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>枚</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>撮影枚数</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>0 より大きい整数を入力してください。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>一時停止</translation>
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
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>先に画像を選択してください</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Veskaroo デバイスが見つかりません！考えられる原因：1. Veskaroo が正しく接続されていない。2. ドライバーが正しくインストールされていない。3. デバイスが故障している。</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>解像度を設定できませんでした。選び直してください。</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>カメラを使用できません。電源の切断、接触不良、ケーブルの抜けなどが考えられます。機器を確認してください。</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>先に左側の一覧からファイルを選択してください</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>ディスクにファイル全体を書き込めませんでした（ディスクがいっぱいか、ファイルが大きすぎる可能性があります）</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>完成したファイルを所定の場所に置けませんでした：%1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>ここでは画像を「%1」形式で書き込めません</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>「%1」を読み込めません：%2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>「%1」をスキップしました：%2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>「%1」に書き込めません：%2</translation>
    </message>
</context>
</TS>
