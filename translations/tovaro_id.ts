<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="id_ID">
<context>
    <name>CaptionTable</name>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Alat</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Fingerspell Language</source>
        <translation>Sistem Ejaan Jari</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Sunting</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Daftar Kata</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Latihan</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>View Point</source>
        <translation>Sudut Pandang</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Awal</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Pembaca</translation>
    </message>
    <message>
        <source>Signer</source>
        <translation>Pengisyarat</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Lanjut</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>British Sign Language (BSL)</source>
        <translation>Bahasa Isyarat Inggris (BSL)</translation>
    </message>
    <message>
        <source>Indonesian Alphabet</source>
        <translation>Abjad Indonesia</translation>
    </message>
    <message>
        <source>American Sign Language (ASL)</source>
        <translation>Bahasa Isyarat Amerika (ASL)</translation>
    </message>
    <message>
        <source>Derived ASL Alphabet</source>
        <translation>Abjad Turunan ASL</translation>
    </message>
    <message>
        <source>Japanese Sign Language (JSL)</source>
        <translation>Bahasa Isyarat Jepang (JSL)</translation>
    </message>
    <message>
        <source>Korean Sign Language (KSL)</source>
        <translation>Bahasa Isyarat Korea (KSL)</translation>
    </message>
    <message>
        <source>Japanese &amp; Korean Numeric</source>
        <translation>Angka Jepang &amp; Korea</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Kata</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>Angka</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>Katakana</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Jawaban</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Bahasa Jepang</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Bahasa Inggris</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Bahasa Korea</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Bahasa Indonesia</translation>
    </message>
    <message>
        <source>Type the answer</source>
        <translation>Ketik jawaban</translation>
    </message>
    <message>
        <source>Adapt speed</source>
        <translation>Sesuaikan kecepatan</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Jawaban Anda</translation>
    </message>
    <message>
        <source>Word length (signs)</source>
        <translation>Panjang kata (isyarat)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>sampai</translation>
    </message>
    <message>
        <source>any</source>
        <translation>bebas</translation>
    </message>
    <message>
        <source>Shortest word</source>
        <translation>Kata terpendek</translation>
    </message>
    <message>
        <source>Longest word</source>
        <translation>Kata terpanjang</translation>
    </message>
    <message>
        <source>Right %1 / %2, streak %3</source>
        <translation>Benar %1 / %2, beruntun %3</translation>
    </message>
    <message>
        <source>It was "%1"; you typed "%2"</source>
        <translation>Jawabannya "%1"; Anda mengetik "%2"</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Hasil</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Putar ulang</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Jeda atau lanjutkan</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Berhenti</translation>
    </message>
    <message>
        <source>One sign back</source>
        <translation>Mundur satu isyarat</translation>
    </message>
    <message>
        <source>One sign forward</source>
        <translation>Maju satu isyarat</translation>
    </message>
    <message>
        <source>Slow motion</source>
        <translation>Gerak lambat</translation>
    </message>
    <message>
        <source>Show letters</source>
        <translation>Tampilkan huruf</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Depan</translation>
    </message>
    <message>
        <source>Signer's eye</source>
        <translation>Mata pengisyarat</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>Sisi kiri</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>Sisi kanan</translation>
    </message>
    <message>
        <source>From above</source>
        <translation>Dari atas</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Kidal</translation>
    </message>
    <message>
        <source>Reference chart</source>
        <translation>Tabel rujukan</translation>
    </message>
    <message>
        <source>Natural hands</source>
        <translation>Tangan alami</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Ekspor…</translation>
    </message>
    <message>
        <source>Play the last word again (Ctrl+R)</source>
        <translation>Putar ulang kata terakhir (Ctrl+R)</translation>
    </message>
    <message>
        <source>Step of the word</source>
        <translation>Langkah dalam kata</translation>
    </message>
    <message>
        <source>Where the word is; drag to any step</source>
        <translation>Posisi dalam kata; seret ke langkah mana pun</translation>
    </message>
    <message>
        <source>Letter being signed</source>
        <translation>Huruf yang sedang diisyaratkan</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Kemajuan</translation>
    </message>
    <message>
        <source>No session yet</source>
        <translation>Belum ada sesi</translation>
    </message>
    <message>
        <source>Right answers (%)</source>
        <translation>Jawaban benar (%)</translation>
    </message>
    <message>
        <source>Speed (%)</source>
        <translation>Kecepatan (%)</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>Hangul</translation>
    </message>
    <message>
        <source>Lifelike motion</source>
        <translation>Gerakan alami</translation>
    </message>
    <message>
        <source>read %1 for %2</source>
        <translation>membaca %2 sebagai %1</translation>
    </message>
    <message>
        <source>missed %1</source>
        <translation>melewatkan %1</translation>
    </message>
    <message>
        <source>added %1</source>
        <translation>menambahkan %1</translation>
    </message>
    <message>
        <source>You %1</source>
        <translation>Anda %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> dan </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, dan </translation>
    </message>
    <message>
        <source>Reading speed</source>
        <translation>Kecepatan membaca</translation>
    </message>
    <message>
        <source>this word %1 letters/s at %2 %</source>
        <translation>kata ini %1 huruf/detik pada %2 %</translation>
    </message>
    <message>
        <source>you read %1 letters/s, the target is %2</source>
        <translation>Anda membaca %1 huruf/detik, targetnya %2</translation>
    </message>
    <message>
        <source>your reading speed is not known yet, the target is %1</source>
        <translation>kecepatan membaca Anda belum diketahui, targetnya %1</translation>
    </message>
    <message>
        <source>about %1 sessions to the target</source>
        <translation>sekitar %1 sesi lagi menuju target</translation>
    </message>
    <message>
        <source>target reached</source>
        <translation>target tercapai</translation>
    </message>
    <message>
        <source>sessions to the target not known yet</source>
        <translation>jumlah sesi menuju target belum diketahui</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Sign shown: %1</source>
        <translation>Isyarat yang ditampilkan: %1</translation>
    </message>
    <message>
        <source>Sign you read: %1</source>
        <translation>Isyarat yang Anda baca: %1</translation>
    </message>
    <message>
        <source>Focus on letters</source>
        <translation>Fokus pada huruf</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>%1 read as %2, once</source>
        <translation>%1 dibaca sebagai %2, sekali</translation>
    </message>
    <message>
        <source>Nothing confused yet</source>
        <translation>Belum ada yang tertukar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesi</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Percobaan</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Isyarat</translation>
    </message>
    <message>
        <source>No progress yet</source>
        <translation>Belum ada kemajuan</translation>
    </message>
    <message>
        <source>Words waiting for review: %1</source>
        <translation>Kata yang menunggu diulang: %1</translation>
    </message>
    <message>
        <source>%1 read as %2, %3 times</source>
        <translation>%1 dibaca sebagai %2, %3 kali</translation>
    </message>
    <message>
        <source>Most confused</source>
        <translation>Paling sering tertukar</translation>
    </message>
    <message>
        <source>Accuracy of each sign</source>
        <translation>Ketepatan tiap isyarat</translation>
    </message>
    <message>
        <source>Letters a second</source>
        <translation>Huruf per detik</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>Export</source>
        <translation>Ekspor</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>GIF animasi</translation>
    </message>
    <message>
        <source>MP4 Video</source>
        <translation>Video MP4</translation>
    </message>
</context>
<context>
    <name>HandView</name>
    <message>
        <source>No sign is being spelled</source>
        <translation>Tidak ada isyarat yang sedang dieja</translation>
    </message>
    <message>
        <source>Signing "%1"</source>
        <translation>Mengisyaratkan "%1"</translation>
    </message>
    <message>
        <source>Signing hands</source>
        <translation>Tangan yang mengisyaratkan</translation>
    </message>
    <message>
        <source>ChoosePixelFormat failed</source>
        <translation>ChoosePixelFormat gagal</translation>
    </message>
    <message>
        <source>the drawing area has not been shown</source>
        <translation>area gambar belum ditampilkan</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tovaro Help</source>
        <translation>Bantuan Tovaro</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language Option</source>
        <translation>Pilihan Bahasa</translation>
    </message>
</context>
<context>
    <name>PictureNameDialog</name>
    <message>
        <source>Folder name</source>
        <translation>Nama folder</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nama berkas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Paused</source>
        <translation>Dijeda</translation>
    </message>
    <message>
        <source>Space resumes the word</source>
        <translation>Tekan Spasi untuk melanjutkan kata</translation>
    </message>
</context>
<context>
    <name>PracticeRunner</name>
    <message>
        <source>The progress file %1 could not be written: %2</source>
        <translation>Berkas kemajuan %1 tidak dapat ditulis: %2</translation>
    </message>
    <message>
        <source>Copying the practice history into the progress file…</source>
        <translation>Menyalin riwayat latihan ke berkas kemajuan…</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Keep this speed</source>
        <translation>Pertahankan kecepatan ini</translation>
    </message>
</context>
<context>
    <name>ReferenceChartWindow</name>
    <message>
        <source>The chart cannot be drawn: </source>
        <translation>Tabel tidak dapat digambar: </translation>
    </message>
    <message>
        <source>Sign %1</source>
        <translation>Isyarat %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Putar %1</translation>
    </message>
</context>
<context>
    <name>WordExport</name>
    <message>
        <source>Exporting the animation…</source>
        <translation>Mengekspor animasi…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Ekspor</translation>
    </message>
    <message>
        <source>Exporting the animation</source>
        <translation>Mengekspor animasi</translation>
    </message>
    <message>
        <source>The animation could not be exported: </source>
        <translation>Animasi tidak dapat diekspor: </translation>
    </message>
</context>
</TS>