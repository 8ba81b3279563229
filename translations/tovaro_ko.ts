<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
</context>
<context>
    <name>AngleTableSaving</name>
    <message>
        <source>The file could not be saved: %1: %2</source>
        <translation>파일을 저장할 수 없습니다: %1: %2</translation>
    </message>
    <message>
        <source>

Save it under another name or in another folder?</source>
        <translation>

다른 이름이나 다른 폴더에 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <source>Initial Pattern</source>
        <translation>초기 패턴</translation>
    </message>
    <message>
        <source>Save the changes to the angle table?</source>
        <translation>각도 표의 변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>%1의 변경 내용을 저장하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>CaptionTable</name>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>비트맵</translation>
    </message>
    <message>
        <source>Fingerspell Language</source>
        <translation>지문자 체계</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>단어 목록</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>연습</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>About</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>View Point</source>
        <translation>시점</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>처음 시점</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>보는 사람</translation>
    </message>
    <message>
        <source>Signer</source>
        <translation>하는 사람</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>End</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>다시 보기</translation>
    </message>
    <message>
        <source>British Sign Language (BSL)</source>
        <translation>영국 수어 (BSL)</translation>
    </message>
    <message>
        <source>Indonesian Alphabet</source>
        <translation>인도네시아 지문자</translation>
    </message>
    <message>
        <source>American Sign Language (ASL)</source>
        <translation>미국 수어 (ASL)</translation>
    </message>
    <message>
        <source>Derived ASL Alphabet</source>
        <translation>ASL 파생 지문자</translation>
    </message>
    <message>
        <source>Japanese Sign Language (JSL)</source>
        <translation>일본 수어 (JSL)</translation>
    </message>
    <message>
        <source>Korean Sign Language (KSL)</source>
        <translation>한국 수어 (KSL)</translation>
    </message>
    <message>
        <source>Japanese &amp; Korean Numeric</source>
        <translation>일본·한국 숫자</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>단어</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>숫자</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>가타카나</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>정답</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>인도네시아어</translation>
    </message>
    <message>
        <source>Type the answer</source>
        <translation>답을 입력</translation>
    </message>
    <message>
        <source>Adapt speed</source>
        <translation>속도 자동 조절</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>내 답</translation>
    </message>
    <message>
        <source>Word length (signs)</source>
        <translation>단어 길이 (글자 수)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>~</translation>
    </message>
    <message>
        <source>any</source>
        <translation>제한 없음</translation>
    </message>
    <message>
        <source>Shortest word</source>
        <translation>가장 짧은 단어</translation>
    </message>
    <message>
        <source>Longest word</source>
        <translation>가장 긴 단어</translation>
    </message>
    <message>
        <source>Right %1 / %2, streak %3</source>
        <translation>정답 %1 / %2, 연속 %3</translation>
    </message>
    <message>
        <source>It was "%1"; you typed "%2"</source>
        <translation>정답은 "%1", 입력은 "%2"</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>성적</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>다시 재생</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>일시 정지/다시 시작</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>One sign back</source>
        <translation>한 글자 뒤로</translation>
    </message>
    <message>
        <source>One sign forward</source>
        <translation>한 글자 앞으로</translation>
    </message>
    <message>
        <source>Slow motion</source>
        <translation>느리게 재생</translation>
    </message>
    <message>
        <source>Show letters</source>
        <translation>글자 표시</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>정면</translation>
    </message>
    <message>
        <source>Signer's eye</source>
        <translation>하는 사람의 눈</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>From above</source>
        <translation>위에서</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>왼손잡이</translation>
    </message>
    <message>
        <source>Reference chart</source>
        <translation>지문자 일람표</translation>
    </message>
    <message>
        <source>Natural hands</source>
        <translation>자연스러운 손</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>내보내기…</translation>
    </message>
    <message>
        <source>Play the last word again (Ctrl+R)</source>
        <translation>마지막 단어를 다시 재생 (Ctrl+R)</translation>
    </message>
    <message>
        <source>Step of the word</source>
        <translation>단어 안의 위치</translation>
    </message>
    <message>
        <source>Where the word is; drag to any step</source>
        <translation>단어의 어디쯤인지 보여 줍니다. 끌어서 원하는 곳으로</translation>
    </message>
    <message>
        <source>Letter being signed</source>
        <translation>표현 중인 글자</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>학습 기록</translation>
    </message>
    <message>
        <source>No session yet</source>
        <translation>아직 기록이 없습니다</translation>
    </message>
    <message>
        <source>Right answers (%)</source>
        <translation>정답률 (%)</translation>
    </message>
    <message>
        <source>Speed (%)</source>
        <translation>속도 (%)</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>한글</translation>
    </message>
    <message>
        <source>Lifelike motion</source>
        <translation>자연스러운 움직임</translation>
    </message>
    <message>
        <source>read %1 for %2</source>
        <translation>%2을(를) %1(으)로 읽음</translation>
    </message>
    <message>
        <source>missed %1</source>
        <translation>%1을(를) 놓침</translation>
    </message>
    <message>
        <source>added %1</source>
        <translation>%1을(를) 더 입력함</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source> and </source>
        <translation>, </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Reading speed</source>
        <translation>읽기 속도</translation>
    </message>
    <message>
        <source>this word %1 letters/s at %2 %</source>
        <translation>이 단어는 초당 %1글자 (%2 %)</translation>
    </message>
    <message>
        <source>you read %1 letters/s, the target is %2</source>
        <translation>읽기 속도는 초당 %1글자, 목표는 %2</translation>
    </message>
    <message>
        <source>your reading speed is not known yet, the target is %1</source>
        <translation>읽기 속도는 아직 모릅니다, 목표는 %1</translation>
    </message>
    <message>
        <source>about %1 sessions to the target</source>
        <translation>목표까지 약 %1회</translation>
    </message>
    <message>
        <source>target reached</source>
        <translation>목표 달성</translation>
    </message>
    <message>
        <source>sessions to the target not known yet</source>
        <translation>목표까지 남은 횟수는 아직 모릅니다</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Sign shown: %1</source>
        <translation>보여 준 글자: %1</translation>
    </message>
    <message>
        <source>Sign you read: %1</source>
        <translation>읽은 글자: %1</translation>
    </message>
    <message>
        <source>Focus on letters</source>
        <translation>집중할 글자</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>%1 read as %2, once</source>
        <translation>%1을(를) %2(으)로 읽음, 1회</translation>
    </message>
    <message>
        <source>Nothing confused yet</source>
        <translation>아직 헷갈린 글자가 없습니다</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>회</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>시도 횟수</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>글자</translation>
    </message>
    <message>
        <source>No progress yet</source>
        <translation>아직 학습 기록이 없습니다</translation>
    </message>
    <message>
        <source>Words waiting for review: %1</source>
        <translation>복습할 단어: %1</translation>
    </message>
    <message>
        <source>%1 read as %2, %3 times</source>
        <translation>%1을(를) %2(으)로 읽음, %3회</translation>
    </message>
    <message>
        <source>Most confused</source>
        <translation>가장 많이 헷갈린 글자</translation>
    </message>
    <message>
        <source>Accuracy of each sign</source>
        <translation>글자별 정답률</translation>
    </message>
    <message>
        <source>Letters a second</source>
        <translation>초당 글자 수</translation>
    </message>
</context>
<context>
    <name>ControlPanelScroller</name>
    <message>
        <source>Controls</source>
        <translation>조작 패널</translation>
    </message>
</context>
<context>
    <name>DiscardConfirmation</name>
    <message>
        <source>Confirmation</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Changes will be discarded</source>
        <translation>변경 내용이 버려집니다</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>애니메이션 GIF</translation>
    </message>
    <message>
        <source>MP4 Video</source>
        <translation>MP4 동영상</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>모든 파일 (*.*)</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Font Selection</source>
        <translation>글꼴 선택</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Japanese font</source>
        <translation>일본어 글꼴</translation>
    </message>
    <message>
        <source>Korean font</source>
        <translation>한국어 글꼴</translation>
    </message>
    <message>
        <source>Japanese font size</source>
        <translation>일본어 글꼴 크기</translation>
    </message>
    <message>
        <source>Korean font size</source>
        <translation>한국어 글꼴 크기</translation>
    </message>
</context>
<context>
    <name>FrameCopyDialog</name>
    <message>
        <source>Form1</source>
        <translation>키 프레임 복사</translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation>글자 목록</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>글자</translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation>프레임 번호</translation>
    </message>
    <message>
        <source>Total frames</source>
        <translation>전체 프레임 수</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>HandValuePanel</name>
    <message>
        <source>Thumb</source>
        <translation>엄지</translation>
    </message>
    <message>
        <source>Index finger</source>
        <translation>검지</translation>
    </message>
    <message>
        <source>Middle finger</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Digitus finger</source>
        <translation>약지</translation>
    </message>
    <message>
        <source>Little finger</source>
        <translation>새끼손가락</translation>
    </message>
    <message>
        <source>%1 Wrist Angle %2</source>
        <translation>%1 손목 각도 %2</translation>
    </message>
    <message>
        <source>%1 Wrist Position %2</source>
        <translation>%1 손목 위치 %2</translation>
    </message>
    <message>
        <source>%1 %2 column %3 row %4</source>
        <translation>%1 %2 %3열 %4행</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Wrist Angle</source>
        <translation>손목 각도</translation>
    </message>
    <message>
        <source>Wrist Position</source>
        <translation>손목 위치</translation>
    </message>
</context>
<context>
    <name>HandView</name>
    <message>
        <source>No sign is being spelled</source>
        <translation>표시 중인 글자가 없습니다</translation>
    </message>
    <message>
        <source>Signing "%1"</source>
        <translation>"%1" 표시 중</translation>
    </message>
    <message>
        <source>Signing hands</source>
        <translation>지문자를 하는 손</translation>
    </message>
    <message>
        <source>ChoosePixelFormat failed</source>
        <translation>ChoosePixelFormat에 실패했습니다</translation>
    </message>
    <message>
        <source>the drawing area has not been shown</source>
        <translation>그리기 영역이 아직 표시되지 않았습니다</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tovaro Help</source>
        <translation>Tovaro 도움말</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language Option</source>
        <translation>화면 언어 선택</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ListEditorWindow</name>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>The file could not be read: %1: %2</source>
        <translation>파일을 읽을 수 없습니다: %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Initial file could not be loaded</source>
        <translation>설정 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>The settings could not be written to %1</source>
        <translation>설정을 %1에 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Language Option</source>
        <translation>화면 언어 선택</translation>
    </message>
    <message>
        <source>Type JSL Words in Japanese</source>
        <translation>JSL 단어를 일본어로 입력</translation>
    </message>
    <message>
        <source>Font Selection</source>
        <translation>글꼴 선택</translation>
    </message>
    <message>
        <source>Roman letters or Hangul</source>
        <translation>로마자 또는 한글</translation>
    </message>
    <message>
        <source>Hangul input</source>
        <translation>한글 입력</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>녹화</translation>
    </message>
</context>
<context>
    <name>MessageBoxButtons</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>버리기</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No reading for %1; type it in kana</source>
        <translation>%1의 읽는 법을 알 수 없습니다. 가나로 입력하십시오</translation>
    </message>
    <message>
        <source>Invalid number</source>
        <translation>잘못된 숫자입니다</translation>
    </message>
    <message>
        <source>The number is too big</source>
        <translation>숫자가 너무 큽니다</translation>
    </message>
    <message>
        <source>Invalid speed value!</source>
        <translation>속도 값이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Not spelled: %1</source>
        <translation>표현하지 못한 글자: %1</translation>
    </message>
    <message>
        <source>Speed value cannot be empty!</source>
        <translation>속도를 입력하십시오!</translation>
    </message>
    <message>
        <source>Speed value must be set!</source>
        <translation>속도를 숫자로 입력하십시오!</translation>
    </message>
    <message>
        <source>Frame number exceeds its limit!</source>
        <translation>프레임 번호가 한계를 넘었습니다!</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>모든 파일 (*.*)</translation>
    </message>
    <message>
        <source>Font size must be bigger than 0</source>
        <translation>글꼴 크기는 0보다 커야 합니다</translation>
    </message>
    <message>
        <source>Font size is too big</source>
        <translation>글꼴 크기가 너무 큽니다</translation>
    </message>
    <message>
        <source>The help file could not be found: </source>
        <translation>도움말 파일을 찾을 수 없습니다: </translation>
    </message>
    <message>
        <source>The help file could not be read: </source>
        <translation>도움말 파일을 읽을 수 없습니다: </translation>
    </message>
    <message>
        <source>The folder already exists. Use it?</source>
        <translation>폴더가 이미 있습니다. 이 폴더를 사용하시겠습니까?</translation>
    </message>
    <message>
        <source>The folder could not be created: </source>
        <translation>폴더를 만들 수 없습니다: </translation>
    </message>
    <message>
        <source>The picture could not be saved: </source>
        <translation>그림을 저장할 수 없습니다: </translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>잘못된 이름입니다</translation>
    </message>
    <message>
        <source>The practice history is %1: %2</source>
        <translation>연습 기록이 %1입니다: %2</translation>
    </message>
    <message>
        <source>The practice history could not be read: %1: %2</source>
        <translation>연습 기록을 읽을 수 없습니다: %1: %2</translation>
    </message>
    <message>
        <source>The practice history could not be saved: %1: %2</source>
        <translation>연습 기록을 저장할 수 없습니다: %1: %2</translation>
    </message>
    <message>
        <source>The word list is empty</source>
        <translation>단어 목록이 비어 있습니다</translation>
    </message>
    <message>
        <source>No word of the list has that length</source>
        <translation>목록에 그 길이의 단어가 없습니다</translation>
    </message>
    <message>
        <source>No word of the list can be spelled</source>
        <translation>목록의 단어를 하나도 표현할 수 없습니다</translation>
    </message>
    <message>
        <source>No word of the list has "%1" to practise</source>
        <translation>목록에 "%1"이(가) 들어간 단어가 없습니다</translation>
    </message>
    <message>
        <source>the change was refused</source>
        <translation>변경이 거부되었습니다</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer Tovaro (version %2); it is left as it is, and this practice is not kept in it.</source>
        <translation>학습 기록 파일 %1은(는) 더 새로운 Tovaro(버전 %2)로 쓰여 그대로 둡니다. 이번 연습은 기록되지 않습니다.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be read or moved aside; the practice is not kept.</source>
        <translation>학습 기록 파일 %1을(를) 읽을 수도 옮길 수도 없습니다. 연습은 기록되지 않습니다.</translation>
    </message>
    <message>
        <source>The progress file %1 could not be read. It was kept as %2, and a new one was started.</source>
        <translation>학습 기록 파일 %1을(를) 읽을 수 없었습니다. %2(으)로 남겨 두고 새 파일을 시작했습니다.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be made: %2</source>
        <translation>학습 기록 파일 %1을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>열 수 없었습니다</translation>
    </message>
    <message>
        <source>The practice history %1 could not be copied into the progress file: %2</source>
        <translation>연습 기록 %1을(를) 학습 기록 파일로 옮길 수 없었습니다: %2</translation>
    </message>
    <message>
        <source>%1 sign, %2 a second</source>
        <translation>%1글자, 초당 %2글자</translation>
    </message>
    <message>
        <source>%1 signs, %2 a second</source>
        <translation>%1글자, 초당 %2글자</translation>
    </message>
    <message>
        <source>Unsupported character(s) in the string</source>
        <translation>표현할 수 없는 글자가 들어 있습니다</translation>
    </message>
    <message>
        <source>Not spelled: "%1" is not romaji</source>
        <translation>표현하지 못함: "%1"은(는) 로마자 표기가 아닙니다</translation>
    </message>
    <message>
        <source>Not spelled: "%1" is not romanized Korean</source>
        <translation>표현하지 못함: "%1"은(는) 한국어 로마자 표기가 아닙니다</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>오류 %1: %2</translation>
    </message>
    <message>
        <source>"%1" is already in the list</source>
        <translation>"%1"은(는) 이미 목록에 있습니다</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>이미 목록에 있음</translation>
    </message>
    <message>
        <source>a line must hold a reading, a comma and the word</source>
        <translation>한 줄에 읽는 법, 쉼표, 단어가 있어야 합니다</translation>
    </message>
    <message>
        <source>1 word added.</source>
        <translation>단어 1개를 추가했습니다.</translation>
    </message>
    <message>
        <source>%1 words added.</source>
        <translation>단어 %1개를 추가했습니다.</translation>
    </message>
    <message>
        <source>
Added: </source>
        <translation>
추가: </translation>
    </message>
    <message>
        <source>
Line %1 "%2" added as "%3"</source>
        <translation>
%1번째 줄 "%2"을(를) "%3"(으)로 추가</translation>
    </message>
    <message>
        <source>
%1 line(s) refused:</source>
        <translation>
%1줄을 추가하지 않았습니다:</translation>
    </message>
    <message>
        <source>
Line %1 "%2": %3</source>
        <translation>
%1번째 줄 "%2": %3</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
… 외 %1개</translation>
    </message>
    <message>
        <source>%1 word(s) of the list cannot be spelled and are never asked:</source>
        <translation>목록의 단어 %1개는 표현할 수 없어 문제로 내지 않습니다:</translation>
    </message>
    <message>
        <source>A word must not contain a comma or a double quote</source>
        <translation>단어에 쉼표나 큰따옴표를 넣을 수 없습니다</translation>
    </message>
    <message>
        <source>Frame Number exceeds</source>
        <translation>프레임 번호가 범위를 넘었습니다</translation>
    </message>
    <message>
        <source>Cannot delete!</source>
        <translation>삭제할 수 없습니다!</translation>
    </message>
    <message>
        <source>No free sign slot</source>
        <translation>비어 있는 글자 칸이 없습니다</translation>
    </message>
    <message>
        <source>Data updated</source>
        <translation>데이터를 고쳤습니다</translation>
    </message>
    <message>
        <source>Changes will be discarded</source>
        <translation>변경 내용이 버려집니다</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Frame number exceeds</source>
        <translation>프레임 번호가 범위를 넘었습니다</translation>
    </message>
    <message>
        <source>Channel number exceeds</source>
        <translation>채널 번호가 범위를 넘었습니다</translation>
    </message>
    <message>
        <source>Word list line %1: %2</source>
        <translation>단어 목록 %1번째 줄: %2</translation>
    </message>
    <message>
        <source>the word is longer than %1 characters</source>
        <translation>단어가 %1자보다 깁니다</translation>
    </message>
    <message>
        <source>the list holds more than %1 words</source>
        <translation>목록의 단어가 %1개를 넘습니다</translation>
    </message>
    <message>
        <source>"%1" is not a character number</source>
        <translation>"%1"은(는) 문자 번호가 아닙니다</translation>
    </message>
    <message>
        <source>character number %1 is above 65535</source>
        <translation>문자 번호 %1이(가) 65535를 넘습니다</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>파일이 없습니다</translation>
    </message>
    <message>
        <source>The word list could not be read: %1: %2</source>
        <translation>단어 목록을 읽을 수 없습니다: %1: %2</translation>
    </message>
    <message>
        <source>The word list could not be saved: %1: %2</source>
        <translation>단어 목록을 저장할 수 없습니다: %1: %2</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>프레임 추가</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>프레임 삭제</translation>
    </message>
    <message>
        <source>Add Char</source>
        <translation>글자 추가</translation>
    </message>
</context>
<context>
    <name>PictureNameDialog</name>
    <message>
        <source>Folder name</source>
        <translation>폴더 이름</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Paused</source>
        <translation>일시 정지됨</translation>
    </message>
    <message>
        <source>Space resumes the word</source>
        <translation>스페이스 키를 누르면 단어 재생을 다시 시작합니다</translation>
    </message>
</context>
<context>
    <name>PoseEditor</name>
    <message>
        <source>Pose Editor</source>
        <translation>자세 편집기</translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation>글자 목록</translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation>프레임 번호</translation>
    </message>
    <message>
        <source>Total frames</source>
        <translation>전체 프레임 수</translation>
    </message>
    <message>
        <source>Velocity rate</source>
        <translation>속도 배율</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>손</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>실시간 표시</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>프레임 추가</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>프레임 삭제</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>복사해 오기</translation>
    </message>
    <message>
        <source>Add Char</source>
        <translation>글자 추가</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message>
        <source>Disp</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>메뉴 더 보기</translation>
    </message>
</context>
<context>
    <name>PracticeRunner</name>
    <message>
        <source>The progress file %1 could not be written: %2</source>
        <translation>학습 기록 파일 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Copying the practice history into the progress file…</source>
        <translation>연습 기록을 학습 기록 파일로 복사하고 있습니다…</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Keep this speed</source>
        <translation>이 속도 유지</translation>
    </message>
</context>
<context>
    <name>ReadingListEditor</name>
    <message>
        <source>単語リスト</source>
        <translation>단어 목록</translation>
    </message>
    <message>
        <source>單語</source>
        <translation>단어</translation>
    </message>
    <message>
        <source>振り假名</source>
        <translation>후리가나</translation>
    </message>
    <message>
        <source>語数</source>
        <translation>단어 수</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>가져오기…</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>保存しないで閉じますか？</source>
        <translation>저장하지 않고 닫으시겠습니까?</translation>
    </message>
    <message>
        <source>フリガナを入れて下さい</source>
        <translation>후리가나를 입력하십시오.</translation>
    </message>
    <message>
        <source>%1 語</source>
        <translation>단어 %1개</translation>
    </message>
</context>
<context>
    <name>ReferenceChartWindow</name>
    <message>
        <source>Sign %1</source>
        <translation>글자 %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>%1 재생</translation>
    </message>
    <message>
        <source>The chart cannot be drawn: </source>
        <translation>일람표를 그릴 수 없습니다: </translation>
    </message>
</context>
<context>
    <name>SignNameDialog</name>
    <message>
        <source>Add Char</source>
        <translation>글자 추가</translation>
    </message>
    <message>
        <source>Sign name</source>
        <translation>글자 이름</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>SystemChoiceDialog</name>
    <message>
        <source>Fingerspell Language</source>
        <translation>지문자 체계</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>SystemController</name>
    <message>
        <source>File Load</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Angle Data</source>
        <translation>각도 데이터</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>실행 취소: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>다시 실행: %1</translation>
    </message>
</context>
<context>
    <name>WordExport</name>
    <message>
        <source>Exporting the animation…</source>
        <translation>애니메이션을 내보내고 있습니다…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Exporting the animation</source>
        <translation>애니메이션을 내보내고 있습니다</translation>
    </message>
    <message>
        <source>The animation could not be exported: </source>
        <translation>애니메이션을 내보낼 수 없습니다: </translation>
    </message>
</context>
<context>
    <name>WordListEditor</name>
    <message>
        <source>Word List</source>
        <translation>단어 목록</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>단어들</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>단어</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>한글</translation>
    </message>
    <message>
        <source>Hangul input</source>
        <translation>한글 입력</translation>
    </message>
    <message>
        <source>Number of words</source>
        <translation>단어 수</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>가져오기…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Exit without saving?</source>
        <translation>저장하지 않고 닫으시겠습니까?</translation>
    </message>
    <message>
        <source>This system cannot spell this entry; the practice never asks it</source>
        <translation>이 체계로는 이 단어를 표현할 수 없어 연습에 나오지 않습니다</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>단어 1개</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>단어 %1개</translation>
    </message>
    <message>
        <source>, %1 cannot be spelled</source>
        <translation>, %1개는 지문자로 표현할 수 없음</translation>
    </message>
</context>
</TS>