<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>IBoardToolBar</name>
    <message>
        <source>Move</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>굵기</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>투명도</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>도형</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>바탕 화면</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
</context>
<context>
    <name>ICameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>사용할 수 있는 카메라 장치가 없습니다</translation>
    </message>
</context>
<context>
    <name>ICameraToolBar</name>
    <message>
        <source>Focus and Exposure</source>
        <translation>초점 및 노출</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Color-adjusting</source>
        <translation>색상 조정</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>화면 맞춤</translation>
    </message>
    <message>
        <source>Automatic edging</source>
        <translation>자동 자르기</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Picture-in-picture</source>
        <translation>화면 속 화면</translation>
    </message>
    <message>
        <source>Split-screen</source>
        <translation>화면 분할</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>촬영</translation>
    </message>
    <message>
        <source>Photo-mode</source>
        <translation>촬영 모드</translation>
    </message>
    <message>
        <source>Video-Recording</source>
        <translation>녹화</translation>
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
        <translation>사진을 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Save Successful.</source>
        <translation>저장되었습니다.</translation>
    </message>
    <message>
        <source>Some files could not be saved:
%1</source>
        <translation>일부 파일을 저장할 수 없습니다:
%1</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>카메라에서 화면을 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Saving, please wait!</source>
        <translation>저장 중입니다. 잠시 기다려 주세요!</translation>
    </message>
    <message>
        <source>The chosen area does not cover the picture.</source>
        <translation>선택한 영역이 사진 안에 있지 않습니다.</translation>
    </message>
    <message>
        <source>Succeed!</source>
        <translation>성공했습니다!</translation>
    </message>
    <message>
        <source>No page was found: drag the corners of the outline onto the page.</source>
        <translation>페이지를 찾지 못했습니다: 윤곽의 모서리를 페이지 위로 끌어 놓으세요.</translation>
    </message>
</context>
<context>
    <name>ICaptureFrame</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
</context>
<context>
    <name>ICaptureModeFrame</name>
    <message>
        <source>Default</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>Partial screen capture</source>
        <translation>부분 화면 캡처</translation>
    </message>
    <message>
        <source>Timing capture</source>
        <translation>타이머 촬영</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>타임랩스</translation>
    </message>
    <message>
        <source>Screen capture to clipboard</source>
        <translation>클립보드로 화면 캡처</translation>
    </message>
    <message>
        <source>Black white capture</source>
        <translation>흑백 촬영</translation>
    </message>
    <message>
        <source>Gray capture</source>
        <translation>회색조 촬영</translation>
    </message>
    <message>
        <source>拍照提示音</source>
        <translation>셔터음</translation>
    </message>
    <message>
        <source>Lock outline</source>
        <translation>윤곽 고정</translation>
    </message>
    <message>
        <source>Cut every following picture to the same page outline and straighten it; drag the outline&apos;s corners on the picture to fit the page.</source>
        <translation>이후의 모든 사진을 같은 페이지 윤곽으로 자르고 바로잡습니다. 사진에서 윤곽의 모서리를 끌어 페이지에 맞추세요.</translation>
    </message>
</context>
<context>
    <name>IColorFrame</name>
    <message>
        <source>Red</source>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록색</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파란색</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노란색</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>분홍색</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>청록색</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>검은색</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
</context>
<context>
    <name>IColorPalette</name>
    <message>
        <source>Black</source>
        <translation>검은색</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노란색</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록색</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파란색</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>보라색</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>갈색</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>다른 색상</translation>
    </message>
</context>
<context>
    <name>IColorPanel</name>
    <message>
        <source>Color Panel</source>
        <translation>색상표</translation>
    </message>
</context>
<context>
    <name>ICommonElementFrame</name>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>ICommonTextElementFrame</name>
    <message>
        <source>Lock</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
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
        <translation>조정 불가</translation>
    </message>
</context>
<context>
    <name>IFFmpegApi</name>
    <message>
        <source>Recording stopped: %1</source>
        <translation>녹화가 중지되었습니다: %1</translation>
    </message>
    <message>
        <source>Recording could not start.</source>
        <translation>녹화를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>녹화를 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The video could not be made: no folder was given.</source>
        <translation>동영상을 만들 수 없습니다: 폴더가 지정되지 않았습니다.</translation>
    </message>
    <message>
        <source>The video could not be made: a picture size of %1 x %2 is not usable.</source>
        <translation>동영상을 만들 수 없습니다: %1 x %2 크기의 사진은 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The video could not be made: %1 frames a second is not a usable frame rate.</source>
        <translation>동영상을 만들 수 없습니다: 초당 %1프레임은 사용할 수 있는 프레임 속도가 아닙니다.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>해당 파일이나 폴더가 없습니다</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>폴더가 아닙니다</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>권한이 없습니다</translation>
    </message>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>동영상을 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>No video is being made.</source>
        <translation>만들고 있는 동영상이 없습니다.</translation>
    </message>
    <message>
        <source>No pictures were taken, so no video was made.</source>
        <translation>촬영한 사진이 없어 동영상을 만들지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>IFigureFrame</name>
    <message>
        <source>Straight line</source>
        <translation>직선</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>원</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>타원</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>삼각형</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>직사각형</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>점선</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>Reverse arrow</source>
        <translation>반대 화살표</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>양방향 화살표</translation>
    </message>
    <message>
        <source>Wave line</source>
        <translation>물결선</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>평행사변형</translation>
    </message>
    <message>
        <source>Equilateral triangle</source>
        <translation>정삼각형</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <translation>오각형</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>육각형</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>팔각형</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>별</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>정육면체</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>원뿔</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>원기둥</translation>
    </message>
    <message>
        <source>Dihedral angle</source>
        <translation>이면각</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>반구</translation>
    </message>
    <message>
        <source>Triangular pyramid</source>
        <translation>삼각뿔</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>구</translation>
    </message>
</context>
<context>
    <name>IFocusFrame</name>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>초점</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>노출</translation>
    </message>
    <message>
        <source>This camera has no focus or exposure to adjust.</source>
        <translation>이 카메라에는 조정할 초점이나 노출이 없습니다.</translation>
    </message>
</context>
<context>
    <name>IImageTansformThread</name>
    <message>
        <source>The camera gave no picture</source>
        <translation>카메라에서 화면을 받지 못했습니다</translation>
    </message>
    <message>
        <source>No folder is set for pictures</source>
        <translation>사진 폴더가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>No pictures to export</source>
        <translation>내보낼 사진이 없습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a format pictures can be exported to</source>
        <translation>사진을 &quot;%1&quot; 형식으로 내보낼 수 없습니다</translation>
    </message>
    <message>
        <source>The PDF cannot be started</source>
        <translation>PDF를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>None of the pictures could be read</source>
        <translation>사진을 하나도 읽을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>IImgList</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not shown: %2</source>
        <translation>사진 &quot;%1&quot;을(를) 표시할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2</source>
        <translation>사진 &quot;%1&quot;을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>파일 가져오기</translation>
    </message>
</context>
<context>
    <name>IImgListItem</name>
    <message>
        <source>Too large to show</source>
        <translation>너무 커서 표시할 수 없음</translation>
    </message>
</context>
<context>
    <name>IImgListWidget</name>
    <message>
        <source>Gallery</source>
        <translation>갤러리</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>선택 해제</translation>
    </message>
    <message>
        <source>Import File</source>
        <translation>파일 가져오기</translation>
    </message>
</context>
<context>
    <name>IMainTitleWidget</name>
    <message>
        <source>Cameras</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>IOcrEngine</name>
    <message>
        <source>Error while loading ABBYY FineReader Engine</source>
        <translation>문자 인식 엔진을 불러오는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>Error while unloading ABBYY FineReader Engine</source>
        <translation>문자 인식 엔진을 해제하는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1을(를) 사진으로 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be recognised: %2.</source>
        <translation>%1을(를) 인식할 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>No recognition language is chosen.</source>
        <translation>인식 언어를 선택하지 않았습니다.</translation>
    </message>
    <message>
        <source>The recognition languages %1 cannot be loaded.</source>
        <translation>인식 언어 %1을(를) 불러올 수 없습니다.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
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
        <translation>파일 가져오기</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>OCR Recognizing</source>
        <translation>OCR 인식</translation>
    </message>
    <message>
        <source>Language Identification</source>
        <translation>인식 언어</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>사진 열기</translation>
    </message>
    <message>
        <source>Please import a picture for parsing.</source>
        <translation>인식할 사진을 가져오세요.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>OCR Analysing Succeed!</source>
        <translation>OCR 인식에 성공했습니다!</translation>
    </message>
</context>
<context>
    <name>IOcrLanguages</name>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>중국어 번체</translation>
    </message>
    <message>
        <source>Bashkir</source>
        <translation>바시키르어</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>카탈루냐어</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>크로아티아어</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>체코어</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>덴마크어</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>핀란드어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>그리스어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>인도네시아어</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>라트비아어</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>슬로바키아어</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>스웨덴어</translation>
    </message>
    <message>
        <source>Tatar</source>
        <translation>타타르어</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>터키어</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>우크라이나어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Bangla</source>
        <translation>벵골어</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>베트남어</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>불가리아어</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>에스토니아어</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>헝가리어</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>리투아니아어</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>노르웨이어</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>루마니아어</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>슬로베니아어</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>아르메니아어</translation>
    </message>
    <message>
        <source>Portuguese(Brazil)</source>
        <translation>포르투갈어(브라질)</translation>
    </message>
    <message>
        <source>Portuguese(Portugal)</source>
        <translation>포르투갈어(포르투갈)</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>태국어</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>The language pack for %1 is not installed. Install the Debian package %2 and try again.</source>
        <translation>%1 언어 팩이 설치되어 있지 않습니다. Debian 패키지 %2을(를) 설치한 후 다시 시도하십시오.</translation>
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
        <translation>인식을 시작하는 중...</translation>
    </message>
</context>
<context>
    <name>IParameterFrame</name>
    <message>
        <source>Contrast </source>
        <translation>대비 </translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>밝기 </translation>
    </message>
    <message>
        <source>Saturation </source>
        <translation>채도 </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>IPictureVynthesisVideo</name>
    <message>
        <source>The video could not be written to %1: %2</source>
        <translation>동영상을 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>no video container fits the name</source>
        <translation>파일 이름에 맞는 동영상 형식이 없습니다</translation>
    </message>
    <message>
        <source>The video could not be made: this system has no H.264 encoder.</source>
        <translation>동영상을 만들 수 없습니다: 이 시스템에는 H.264 인코더가 없습니다.</translation>
    </message>
    <message>
        <source>The video could not be made: out of memory.</source>
        <translation>동영상을 만들 수 없습니다: 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>The video could not be made: the H.264 encoder did not start (%1).</source>
        <translation>동영상을 만들 수 없습니다: H.264 인코더가 시작되지 않았습니다(%1).</translation>
    </message>
    <message>
        <source>The video could not be made: a picture of %1 x %2 could not be converted.</source>
        <translation>동영상을 만들 수 없습니다: %1 x %2 크기의 사진을 변환할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>IPictures</name>
    <message>
        <source>it is %1 x %2 pixels, more than the %3 million pixels a picture may have</source>
        <translation>%1 x %2 픽셀로, 사진 한 장에 허용되는 최대 %3메가픽셀보다 큽니다</translation>
    </message>
</context>
<context>
    <name>IPixRateFrame</name>
    <message>
        <source>No resolution available</source>
        <translation>사용할 수 있는 해상도가 없습니다</translation>
    </message>
</context>
<context>
    <name>IRightToolBar</name>
    <message>
        <source>Board</source>
        <translation>화이트보드</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>Zoom-in</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom-out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Self-adapting</source>
        <translation>화면 맞춤</translation>
    </message>
</context>
<context>
    <name>ISettingFrame</name>
    <message>
        <source>Format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장 위치</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>소프트웨어:</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>소프트웨어 버전:</translation>
    </message>
    <message>
        <source>Language switch:</source>
        <translation>언어 변경:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>This system cannot save pictures in this format.</source>
        <translation>이 시스템에서는 이 형식으로 사진을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>View picture file path</source>
        <translation>사진 저장 경로 보기</translation>
    </message>
    <message>
        <source>View video file path</source>
        <translation>동영상 저장 경로 보기</translation>
    </message>
    <message>
        <source>Setup picture file path</source>
        <translation>사진 저장 경로 설정</translation>
    </message>
    <message>
        <source>Setup video file path</source>
        <translation>동영상 저장 경로 설정</translation>
    </message>
    <message>
        <source>Restart the software, to activate the language setting.</source>
        <translation>언어 설정을 적용하려면 소프트웨어를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>This folder cannot be written to. Please choose another one.</source>
        <translation>이 폴더에 쓸 수 없습니다. 다른 폴더를 선택하세요.</translation>
    </message>
</context>
<context>
    <name>ISmallCameraFrame</name>
    <message>
        <source>No camera device available</source>
        <translation>사용할 수 있는 카메라 장치가 없습니다</translation>
    </message>
</context>
<context>
    <name>ITcpServer</name>
    <message>
        <source>The screen recorder did not answer within %1 seconds.</source>
        <translation>화면 녹화 프로그램이 %1초 안에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>The screen recorder stopped before recording began.</source>
        <translation>녹화가 시작되기 전에 화면 녹화 프로그램이 멈췄습니다.</translation>
    </message>
    <message>
        <source>The program cannot take a port for the screen recorder: %1</source>
        <translation>화면 녹화 프로그램에 사용할 포트를 얻을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The screen recorder could not be started: %1</source>
        <translation>화면 녹화 프로그램을 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The screen recorder ended before recording began.</source>
        <translation>녹화가 시작되기 전에 화면 녹화 프로그램이 종료되었습니다.</translation>
    </message>
</context>
<context>
    <name>ITextElementToolBar</name>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>글자 색</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>기울임꼴</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>밑줄</translation>
    </message>
</context>
<context>
    <name>IThicknessFrame</name>
    <message>
        <source>%1 thickness</source>
        <translation>굵기 %1</translation>
    </message>
</context>
<context>
    <name>ITimelapseController</name>
    <message>
        <source>The camera is not available.</source>
        <translation>카메라를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Current resolution: 1920*1080</source>
        <translation>현재 해상도: 1920*1080</translation>
    </message>
    <message>
        <source>The camera sent no picture.</source>
        <translation>카메라에서 화면을 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Video is saved.</source>
        <translation>동영상이 저장되었습니다.</translation>
    </message>
</context>
<context>
    <name>ITimelapseFrame</name>
    <message>
        <source>Time-lapse</source>
        <translation>타임랩스</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>계속</translation>
    </message>
</context>
<context>
    <name>ITimelapseTimes</name>
    <message>
        <source>Next in</source>
        <translation>다음 촬영까지</translation>
    </message>
    <message>
        <source>Shot</source>
        <translation>촬영 수</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureControlFrame</name>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
</context>
<context>
    <name>ITimerCaptureFrame</name>
    <message>
        <source>Timing capture</source>
        <translation>타이머 촬영</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>shots</source>
        <translation>장</translation>
    </message>
    <message>
        <source>Interval Time</source>
        <translation>간격 시간</translation>
    </message>
    <message>
        <source>Capture Pages</source>
        <translation>촬영 매수</translation>
    </message>
    <message>
        <source>Please input integer greater than 0.</source>
        <translation>0보다 큰 정수를 입력하세요.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>IVideoRecordFrame</name>
    <message>
        <source>Full screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>나가기</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
</context>
<context>
    <name>IVideoRecordMsgBox</name>
    <message>
        <source>Open file</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Please select a picture first</source>
        <translation>먼저 사진을 선택하세요</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>No veskaroo device is found! The possible reasons could be: 1. Veskaroo is not connected properly. 2. Driver program is not installed successfully. 3. The device is damaged.</source>
        <translation>Veskaroo 장치를 찾을 수 없습니다! 가능한 원인: 1. Veskaroo가 제대로 연결되지 않았습니다. 2. 드라이버가 제대로 설치되지 않았습니다. 3. 장치가 손상되었습니다.</translation>
    </message>
    <message>
        <source>Resolution settings failed, please re-select.</source>
        <translation>해상도 설정에 실패했습니다. 다시 선택하세요.</translation>
    </message>
    <message>
        <source>The camera is not available, or it is caused by power failure, poor contact and being pulled out. Please check the equipment.</source>
        <translation>카메라를 사용할 수 없습니다. 전원이 끊겼거나 접촉이 불량하거나 케이블이 빠졌을 수 있습니다. 장치를 확인하세요.</translation>
    </message>
    <message>
        <source>请先选择左边列表文件</source>
        <translation>먼저 왼쪽 목록에서 파일을 선택하세요</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk did not take the whole file (it may be full, or the file too large)</source>
        <translation>디스크에 파일 전체를 쓰지 못했습니다(디스크가 가득 찼거나 파일이 너무 클 수 있습니다)</translation>
    </message>
    <message>
        <source>The finished file could not be put in place: %1</source>
        <translation>완성된 파일을 제자리로 옮길 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The folder cannot be created</source>
        <translation>폴더를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;%1&quot; here</source>
        <translation>여기에는 사진을 &quot;%1&quot; 형식으로 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Left out &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;을(를) 건너뛰었습니다: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;에 쓸 수 없습니다: %2</translation>
    </message>
</context>
</TS>
