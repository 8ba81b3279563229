<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko_KR">
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
    <name>ReferenceChartWindow</name>
    <message>
        <source>The chart cannot be drawn: </source>
        <translation>일람표를 그릴 수 없습니다: </translation>
    </message>
    <message>
        <source>Sign %1</source>
        <translation>글자 %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>%1 재생</translation>
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
</TS>