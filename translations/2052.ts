<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF</source>
        <translation type="unfinished"></translation>
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
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
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
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Save Successful.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
