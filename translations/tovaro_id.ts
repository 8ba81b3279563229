<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="id_ID">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versi %1</translation>
    </message>
</context>
<context>
    <name>AngleTableSaving</name>
    <message>
        <source>The file could not be saved: %1: %2</source>
        <translation>Berkas tidak dapat disimpan: %1: %2</translation>
    </message>
    <message>
        <source>

Save it under another name or in another folder?</source>
        <translation>

Simpan dengan nama lain atau di folder lain?</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Simpan Berkas</translation>
    </message>
    <message>
        <source>Initial Pattern</source>
        <translation>Pola Awal</translation>
    </message>
    <message>
        <source>Save the changes to the angle table?</source>
        <translation>Simpan perubahan pada tabel sudut?</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Simpan perubahan pada %1?</translation>
    </message>
</context>
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
    <name>ControlPanelScroller</name>
    <message>
        <source>Controls</source>
        <translation>Panel kontrol</translation>
    </message>
</context>
<context>
    <name>DiscardConfirmation</name>
    <message>
        <source>Confirmation</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Changes will be discarded</source>
        <translation>Perubahan akan dibuang</translation>
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
    <name>FileDialog</name>
    <message>
        <source>Load</source>
        <translation>Muat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Semua Berkas (*.*)</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nama Berkas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Font Selection</source>
        <translation>Pilihan Fon</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Bahasa Jepang</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Bahasa Korea</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Japanese font</source>
        <translation>Fon bahasa Jepang</translation>
    </message>
    <message>
        <source>Korean font</source>
        <translation>Fon bahasa Korea</translation>
    </message>
    <message>
        <source>Japanese font size</source>
        <translation>Ukuran fon bahasa Jepang</translation>
    </message>
    <message>
        <source>Korean font size</source>
        <translation>Ukuran fon bahasa Korea</translation>
    </message>
</context>
<context>
    <name>FrameCopyDialog</name>
    <message>
        <source>Form1</source>
        <translation>Salin Bingkai Kunci</translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation>Daftar Isyarat</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Isyarat</translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation>No. Bingkai</translation>
    </message>
    <message>
        <source>Total frames</source>
        <translation>Jumlah bingkai</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
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
    <name>HandValuePanel</name>
    <message>
        <source>Thumb</source>
        <translation>Ibu jari</translation>
    </message>
    <message>
        <source>Index finger</source>
        <translation>Jari telunjuk</translation>
    </message>
    <message>
        <source>Middle finger</source>
        <translation>Jari tengah</translation>
    </message>
    <message>
        <source>Digitus finger</source>
        <translation>Jari manis</translation>
    </message>
    <message>
        <source>Little finger</source>
        <translation>Jari kelingking</translation>
    </message>
    <message>
        <source>%1 Wrist Angle %2</source>
        <translation>Sudut Pergelangan %1 %2</translation>
    </message>
    <message>
        <source>%1 Wrist Position %2</source>
        <translation>Posisi Pergelangan %1 %2</translation>
    </message>
    <message>
        <source>%1 %2 column %3 row %4</source>
        <translation>%2 %1 kolom %3 baris %4</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Kanan</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Kiri</translation>
    </message>
    <message>
        <source>Wrist Angle</source>
        <translation>Sudut Pergelangan</translation>
    </message>
    <message>
        <source>Wrist Position</source>
        <translation>Posisi Pergelangan</translation>
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
    <name>ListEditorWindow</name>
    <message>
        <source>Confirm</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Impor</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Berkas teks (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>The file could not be read: %1: %2</source>
        <translation>Berkas tidak dapat dibaca: %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Initial file could not be loaded</source>
        <translation>Berkas pengaturan tidak dapat dimuat</translation>
    </message>
    <message>
        <source>The settings could not be written to %1</source>
        <translation>Pengaturan tidak dapat disimpan ke %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Language Option</source>
        <translation>Pilihan Bahasa</translation>
    </message>
    <message>
        <source>Type JSL Words in Japanese</source>
        <translation>Ketik kata JSL dalam bahasa Jepang</translation>
    </message>
    <message>
        <source>Font Selection</source>
        <translation>Pilihan Fon</translation>
    </message>
    <message>
        <source>Roman letters or Hangul</source>
        <translation>Huruf Latin atau Hangul</translation>
    </message>
    <message>
        <source>Hangul input</source>
        <translation>Masukan Hangul</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Tangkap</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Rekam</translation>
    </message>
</context>
<context>
    <name>MessageBoxButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>No reading for %1; type it in kana</source>
        <translation>Tidak ada bacaan untuk %1; ketik dalam kana</translation>
    </message>
    <message>
        <source>Invalid number</source>
        <translation>Angka tidak valid</translation>
    </message>
    <message>
        <source>The number is too big</source>
        <translation>Angkanya terlalu besar</translation>
    </message>
    <message>
        <source>Invalid speed value!</source>
        <translation>Nilai kecepatan tidak valid!</translation>
    </message>
    <message>
        <source>Not spelled: %1</source>
        <translation>Tidak diisyaratkan: %1</translation>
    </message>
    <message>
        <source>Speed value cannot be empty!</source>
        <translation>Kecepatan tidak boleh kosong!</translation>
    </message>
    <message>
        <source>Speed value must be set!</source>
        <translation>Kecepatan harus diisi angka!</translation>
    </message>
    <message>
        <source>Frame number exceeds its limit!</source>
        <translation>Nomor bingkai melewati batasnya!</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Semua Berkas (*.*)</translation>
    </message>
    <message>
        <source>Font size must be bigger than 0</source>
        <translation>Ukuran fon harus lebih dari 0</translation>
    </message>
    <message>
        <source>Font size is too big</source>
        <translation>Ukuran fon terlalu besar</translation>
    </message>
    <message>
        <source>The help file could not be found: </source>
        <translation>Berkas bantuan tidak ditemukan: </translation>
    </message>
    <message>
        <source>The help file could not be read: </source>
        <translation>Berkas bantuan tidak dapat dibaca: </translation>
    </message>
    <message>
        <source>The folder already exists. Use it?</source>
        <translation>Folder sudah ada. Gunakan folder ini?</translation>
    </message>
    <message>
        <source>The folder could not be created: </source>
        <translation>Folder tidak dapat dibuat: </translation>
    </message>
    <message>
        <source>The picture could not be saved: </source>
        <translation>Gambar tidak dapat disimpan: </translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>Nama tidak valid</translation>
    </message>
    <message>
        <source>The practice history is %1: %2</source>
        <translation>Riwayat latihan %1: %2</translation>
    </message>
    <message>
        <source>The practice history could not be read: %1: %2</source>
        <translation>Riwayat latihan tidak dapat dibaca: %1: %2</translation>
    </message>
    <message>
        <source>The practice history could not be saved: %1: %2</source>
        <translation>Riwayat latihan tidak dapat disimpan: %1: %2</translation>
    </message>
    <message>
        <source>The word list is empty</source>
        <translation>Daftar kata kosong</translation>
    </message>
    <message>
        <source>No word of the list has that length</source>
        <translation>Tidak ada kata sepanjang itu dalam daftar</translation>
    </message>
    <message>
        <source>No word of the list can be spelled</source>
        <translation>Tidak ada kata dalam daftar yang dapat dieja</translation>
    </message>
    <message>
        <source>No word of the list has "%1" to practise</source>
        <translation>Tidak ada kata dalam daftar yang memuat "%1" untuk dilatih</translation>
    </message>
    <message>
        <source>the change was refused</source>
        <translation>perubahan ditolak</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer Tovaro (version %2); it is left as it is, and this practice is not kept in it.</source>
        <translation>Berkas kemajuan %1 ditulis oleh Tovaro yang lebih baru (versi %2); berkas itu dibiarkan apa adanya, dan latihan ini tidak disimpan di dalamnya.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be read or moved aside; the practice is not kept.</source>
        <translation>Berkas kemajuan %1 tidak dapat dibaca atau dipindahkan; latihan tidak disimpan.</translation>
    </message>
    <message>
        <source>The progress file %1 could not be read. It was kept as %2, and a new one was started.</source>
        <translation>Berkas kemajuan %1 tidak dapat dibaca. Berkas itu disimpan sebagai %2, dan berkas baru dimulai.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be made: %2</source>
        <translation>Berkas kemajuan %1 tidak dapat dibuat: %2</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>berkas tidak dapat dibuka</translation>
    </message>
    <message>
        <source>The practice history %1 could not be copied into the progress file: %2</source>
        <translation>Riwayat latihan %1 tidak dapat disalin ke berkas kemajuan: %2</translation>
    </message>
    <message>
        <source>%1 sign, %2 a second</source>
        <translation>%1 isyarat, %2 per detik</translation>
    </message>
    <message>
        <source>%1 signs, %2 a second</source>
        <translation>%1 isyarat, %2 per detik</translation>
    </message>
    <message>
        <source>Unsupported character(s) in the string</source>
        <translation>Ada karakter yang tidak didukung dalam teks</translation>
    </message>
    <message>
        <source>Not spelled: "%1" is not romaji</source>
        <translation>Tidak dieja: "%1" bukan romaji</translation>
    </message>
    <message>
        <source>Not spelled: "%1" is not romanized Korean</source>
        <translation>Tidak dieja: "%1" bukan bahasa Korea dalam huruf Latin</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Kesalahan %1: %2</translation>
    </message>
    <message>
        <source>"%1" is already in the list</source>
        <translation>"%1" sudah ada dalam daftar</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>sudah ada dalam daftar</translation>
    </message>
    <message>
        <source>a line must hold a reading, a comma and the word</source>
        <translation>satu baris harus berisi bacaan, koma, dan kata</translation>
    </message>
    <message>
        <source>1 word added.</source>
        <translation>1 kata ditambahkan.</translation>
    </message>
    <message>
        <source>%1 words added.</source>
        <translation>%1 kata ditambahkan.</translation>
    </message>
    <message>
        <source>
Added: </source>
        <translation>
Ditambahkan: </translation>
    </message>
    <message>
        <source>
Line %1 "%2" added as "%3"</source>
        <translation>
Baris %1 "%2" ditambahkan sebagai "%3"</translation>
    </message>
    <message>
        <source>
%1 line(s) refused:</source>
        <translation>
%1 baris ditolak:</translation>
    </message>
    <message>
        <source>
Line %1 "%2": %3</source>
        <translation>
Baris %1 "%2": %3</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... dan %1 lagi</translation>
    </message>
    <message>
        <source>%1 word(s) of the list cannot be spelled and are never asked:</source>
        <translation>%1 kata dalam daftar tidak dapat dieja dan tidak akan ditanyakan:</translation>
    </message>
    <message>
        <source>A word must not contain a comma or a double quote</source>
        <translation>Kata tidak boleh memuat koma atau tanda kutip ganda</translation>
    </message>
    <message>
        <source>Frame Number exceeds</source>
        <translation>Nomor bingkai melewati batas</translation>
    </message>
    <message>
        <source>Cannot delete!</source>
        <translation>Tidak dapat dihapus!</translation>
    </message>
    <message>
        <source>No free sign slot</source>
        <translation>Tidak ada slot isyarat yang kosong</translation>
    </message>
    <message>
        <source>Data updated</source>
        <translation>Data diperbarui</translation>
    </message>
    <message>
        <source>Changes will be discarded</source>
        <translation>Perubahan akan dibuang</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Frame number exceeds</source>
        <translation>Nomor bingkai melewati batas</translation>
    </message>
    <message>
        <source>Channel number exceeds</source>
        <translation>Nomor kanal melewati batas</translation>
    </message>
    <message>
        <source>Word list line %1: %2</source>
        <translation>Daftar kata baris %1: %2</translation>
    </message>
    <message>
        <source>the word is longer than %1 characters</source>
        <translation>kata lebih panjang dari %1 karakter</translation>
    </message>
    <message>
        <source>the list holds more than %1 words</source>
        <translation>daftar memuat lebih dari %1 kata</translation>
    </message>
    <message>
        <source>"%1" is not a character number</source>
        <translation>"%1" bukan nomor karakter</translation>
    </message>
    <message>
        <source>character number %1 is above 65535</source>
        <translation>nomor karakter %1 lebih dari 65535</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>berkas tidak ada</translation>
    </message>
    <message>
        <source>The word list could not be read: %1: %2</source>
        <translation>Daftar kata tidak dapat dibaca: %1: %2</translation>
    </message>
    <message>
        <source>The word list could not be saved: %1: %2</source>
        <translation>Daftar kata tidak dapat disimpan: %1: %2</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Tambah Bingkai</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>Hapus Bingkai</translation>
    </message>
    <message>
        <source>Add Char</source>
        <translation>Tambah Isyarat</translation>
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
    <name>PoseEditor</name>
    <message>
        <source>Pose Editor</source>
        <translation>Penyunting Pose</translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation>Daftar Isyarat</translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation>No. Bingkai</translation>
    </message>
    <message>
        <source>Total frames</source>
        <translation>Jumlah bingkai</translation>
    </message>
    <message>
        <source>Velocity rate</source>
        <translation>Rasio kecepatan</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Tangan</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Kanan</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Kiri</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Langsung</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Tambah Bingkai</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>Hapus Bingkai</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>Salin dari</translation>
    </message>
    <message>
        <source>Add Char</source>
        <translation>Tambah Isyarat</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Muat</translation>
    </message>
    <message>
        <source>Disp</source>
        <translation>Tampilkan</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Peragakan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Sunting</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Menu lainnya</translation>
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
    <name>ReadingListEditor</name>
    <message>
        <source>単語リスト</source>
        <translation>Daftar Kata</translation>
    </message>
    <message>
        <source>單語</source>
        <translation>Kata</translation>
    </message>
    <message>
        <source>振り假名</source>
        <translation>Furigana</translation>
    </message>
    <message>
        <source>語数</source>
        <translation>Jumlah kata</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Impor…</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>保存しないで閉じますか？</source>
        <translation>Tutup tanpa menyimpan?</translation>
    </message>
    <message>
        <source>フリガナを入れて下さい</source>
        <translation>Silakan masukkan furigana.</translation>
    </message>
    <message>
        <source>%1 語</source>
        <translation>%1 kata</translation>
    </message>
</context>
<context>
    <name>ReferenceChartWindow</name>
    <message>
        <source>Sign %1</source>
        <translation>Isyarat %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Putar %1</translation>
    </message>
    <message>
        <source>The chart cannot be drawn: </source>
        <translation>Tabel tidak dapat digambar: </translation>
    </message>
</context>
<context>
    <name>SignNameDialog</name>
    <message>
        <source>Add Char</source>
        <translation>Tambah Isyarat</translation>
    </message>
    <message>
        <source>Sign name</source>
        <translation>Nama isyarat</translation>
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
    <name>SystemChoiceDialog</name>
    <message>
        <source>Fingerspell Language</source>
        <translation>Sistem Ejaan Jari</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SystemController</name>
    <message>
        <source>File Load</source>
        <translation>Buka Berkas</translation>
    </message>
    <message>
        <source>Angle Data</source>
        <translation>Data Sudut</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Urungkan %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ulangi %1</translation>
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
<context>
    <name>WordListEditor</name>
    <message>
        <source>Word List</source>
        <translation>Daftar Kata</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Kata-kata</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Kata</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>Hangul</translation>
    </message>
    <message>
        <source>Hangul input</source>
        <translation>Masukan Hangul</translation>
    </message>
    <message>
        <source>Number of words</source>
        <translation>Jumlah kata</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Impor…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Exit without saving?</source>
        <translation>Tutup tanpa menyimpan?</translation>
    </message>
    <message>
        <source>This system cannot spell this entry; the practice never asks it</source>
        <translation>Sistem ini tidak dapat mengeja entri ini; latihan tidak akan menanyakannya</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 kata</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 kata</translation>
    </message>
    <message>
        <source>, %1 cannot be spelled</source>
        <translation>, %1 tidak dapat dieja</translation>
    </message>
</context>
</TS>