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
    <name>LanguageDialog</name>
    <message>
        <source>Language Option</source>
        <translation>화면 언어 선택</translation>
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