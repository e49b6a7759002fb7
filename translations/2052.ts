<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>粗细</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
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
        <translation>撤销</translation>
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
        <translation>没有可用的摄像头</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>对焦与曝光</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>放大镜</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>冻结</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>色彩调节</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>自适应</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>自动裁边</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>画中画</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>分屏</translation>
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
        <translation>录像</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>文字识别</translation>
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
        <translation>无法保存图片：%1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>保存成功。</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>正在保存，请稍候！</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>部分文件无法保存：
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>摄像头没有送来画面。</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>所选区域不在画面内。</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>未找到页面：请将轮廓的角点拖到页面上。</translation>
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
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>截屏</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>局部截屏</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>定时拍照</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>延时摄影</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>截屏到剪贴板</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>黑白拍照</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>灰度拍照</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>拍照提示音</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>锁定轮廓</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>将之后的每张图片按同一页面轮廓裁切并矫正；在图片上拖动轮廓的角点以贴合页面。</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
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
        <translation>红色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
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
        <translation>更多颜色</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>调色板</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
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
        <translation>塔恩维克科技有限公司</translation>
    </message>
</context>
<context>
    <name>IControlSlider</name>
    <message>
        <source>Not adjustable</source>
        <translation>不可调节</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording could not start.</source>
        <translation>无法开始录屏。</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>无法开始录屏：%1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>无法生成视频：没有指定文件夹。</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>无法生成视频：图片尺寸 %1 x %2 不可用。</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>无法生成视频：每秒 %1 帧不是可用的帧率。</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>没有该文件或目录</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是目录</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>视频无法写入 %1：%2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>当前没有正在生成的视频。</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>没有拍摄图片，因此没有生成视频。</translation>
    </message>
    <message>
        <source>Recording stopped: %1</source>
        <translation>录屏已中断：%1</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圆</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>椭圆</translation>
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
        <translation>点线</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭头</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>反向箭头</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>双向箭头</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>波浪线</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>平行四边形</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>等边三角形</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>五边形</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>六边形</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>八边形</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>五角星</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>正方体</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>圆锥</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>圆柱</translation>
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
        <translation>三棱锥</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>球体</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>对焦</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>此摄像头没有可调节的对焦或曝光。</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>摄像头没有提供画面</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>没有可导出的图片</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>无法将图片导出为“%1”格式</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>无法创建 PDF</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>所有图片都无法读取</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>没有设置图片文件夹</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取图片“%1”：%2</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>导入文件</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>图片“%1”无法显示：%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>太大，无法显示</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>图库</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>取消选择</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>导入文件</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
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
        <translation>还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>确定</translation>
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
        <translation>加载文字识别引擎时出错</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>卸载文字识别引擎时出错</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>无法将 %1 读取为图片。</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>无法识别 %1：%2。</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>未选择识别语言。</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>无法加载识别语言 %1。</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>IOcrFrame</name>
    <message>
        <source>OCR</source>
        <translation>文字识别</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>导入文件</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>OCR 识别</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>识别语言</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>请先导入要识别的图片。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>OCR 识别成功！</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>巴什基尔语</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>加泰罗尼亚语</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>克罗地亚语</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>捷克语</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>丹麦语</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷兰语</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>芬兰语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>印度尼西亚语</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>拉脱维亚语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>斯洛伐克语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>瑞典语</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>鞑靼语</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其语</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>乌克兰语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>孟加拉语</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南语</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>保加利亚语</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>爱沙尼亚语</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>匈牙利语</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>立陶宛语</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>挪威语</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>罗马尼亚语</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>斯洛文尼亚语</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>亚美尼亚语</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>葡萄牙语(巴西)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>葡萄牙语(葡萄牙)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰语</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>%1 的语言包未安装。请安装 Debian 软件包 %2 后重试。</translation>
    </message>
</context>
<context>
    <name>IOcrProgressBar</name>
    <message>
        <source>OCR</source>
        <translation>文字识别</translation>
    </message>
    <message>
        <source>Start Recognizing...</source>
        <translation>开始识别...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>对比度 </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>亮度 </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>饱和度 </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>IPictureVynthesisVideo</name>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>视频无法写入 %1：%2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>没有与文件名相符的视频格式</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>无法生成视频：系统中没有 H.264 编码器。</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>无法生成视频：内存不足。</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>无法生成视频：H.264 编码器未能启动（%1）。</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>无法生成视频：%1 x %2 的图片无法转换。</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>它有 %1 x %2 像素，超过了图片允许的 %3 百万像素</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>没有可用的分辨率</translation>
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
        <translation>放大镜</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>自适应</translation>
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
        <translation>保存</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>软件：</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>软件版本：</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>语言切换：</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>此系统无法以该格式保存图片。</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>查看图片文件路径</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>查看视频文件路径</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>设置图片文件路径</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>设置视频文件路径</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>请重启软件，使语言设置生效。</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>无法写入此文件夹，请选择其他文件夹。</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>没有可用的摄像头</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>录屏程序在 %1 秒内没有响应。</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>录屏程序在开始录制前已断开。</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>无法启动录屏程序：%1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>录屏程序在开始录制前已退出。</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>程序无法为录屏程序获取端口：%1</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>文字颜色</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>加粗</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>倾斜</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>粗细 %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>摄像头不可用。</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>当前分辨率：1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>摄像头没有发送画面。</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>视频已保存。</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>延时摄影</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>下一张</translation>
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
        <translation>开始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>暂停</translation>
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
        <translation>定时拍照</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>张</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>间隔时间</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>拍摄张数</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>请输入大于0的整数。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
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
        <translation>全屏</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>暂停</translation>
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
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>打开目录</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>请先选择一张图片</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>分辨率设置失败，请重新选择。</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>摄像头不可用，可能是断电、接触不良或被拔出所致，请检查设备。</translation>
    </message>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>未找到 Veskaroo 设备！可能的原因：1. Veskaroo 未正确连接。2. 驱动程序未成功安装。3. 设备已损坏。</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>请先选择左边列表中的文件</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder cannot be created</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>磁盘没有写入完整的文件（磁盘可能已满，或文件太大）</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>写好的文件无法放到目标位置：%1</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>此处无法把图片写成“%1”格式</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>已跳过“%1”：%2</translation>
    </message>
</context>
</TS>
