#pragma once
// The text of the window "Petunjuk Penggunaan", as rich text. Characters
// outside ASCII are written as HTML entities (&rarr; for the arrow between a
// menu and its item, &hellip; for "…").

#include <string_view>

// The window that shows it, on the desktop and in the page alike: its name,
// caption and client size in pixels.
inline constexpr std::string_view kHelpWindowName = "frmPetunjuk";
inline constexpr std::string_view kHelpCaption = "Petunjuk Penggunaan RUVEX Display 3D";
inline constexpr int kHelpClientWidth = 560;
inline constexpr int kHelpClientHeight = 480;
// Times New Roman, yellow on black like the main window.
inline constexpr double kHelpTextPointSize = 11;

// clang-format off
inline constexpr std::string_view kHelpText = R"(
<h2>Petunjuk Penggunaan RUVEX Display 3D</h2>

<h3>Memilih bangun ruang</h3>
<p>Klik salah satu bangun di bingkai &quot;BANGUN RUANG&quot;: Bola, Ellipsoida, Hyperboloida,
Kerucut, Paraboloida, Setengah Bola atau Tabung. Kerangka bangun itu tergambar di bidang gambar
dan definisinya tertulis di kotak teks paling atas. Dengan keyboard: tekan Tab sampai pilihan
bangun aktif, lalu pilih bangun lain dengan tombol panah atas dan bawah.</p>

<h3>Memutar bangun</h3>
<p>Gerakkan penunjuk mouse di atas bidang gambar: letak penunjuk menentukan dari arah mana bangun
dilihat. Bangun juga dapat diputar dengan keyboard selama bidang gambar aktif, yaitu setelah
bidang gambar diklik atau dicapai dengan Tab; bidang gambar yang aktif berbingkai kuning.</p>
<ul>
<li>Panah kanan, kiri, bawah dan atas memutar bangun selangkah, sama seperti menggeser penunjuk
sedikit ke kanan, kiri, bawah atau atas.</li>
<li>Shift bersama tombol panah memutar sepuluh langkah sekaligus.</li>
<li>Home, atau menu Spasiologi &rarr; Tampilan Awal, mengembalikan bangun ke tampilan awalnya,
seperti saat bangun baru dipilih.</li>
</ul>

<h3>Rotasi otomatis</h3>
<p>Di bawah &quot;Rotasi Bangun&quot;, pilihan &quot;Vertikal&quot; memutar bangun terus-menerus
pada sumbu tegak dan &quot;Horizontal&quot; pada sumbu mendatar. &quot;Stop Rotasi&quot;
menghentikan putaran; memilih lagi arah yang sedang berjalan juga menghentikannya. Kecepatannya
diatur di menu Spasiologi &rarr; Kecepatan Rotasi: Lambat, Sedang atau Cepat. Cepat adalah
kecepatan saat program dibuka; Lambat lebih mudah diikuti bila diperlihatkan di depan kelas.</p>

<h3>Perspektif</h3>
<p>Centang &quot;Perbesar/Perkecil&quot; agar bangun digambar dalam perspektif: bagian yang dekat
tampak lebih besar daripada bagian yang jauh. Perubahannya tampak begitu bangun diputar lagi. Bilah
geser di bawah kotak centang hanya dapat dipakai selama kotak itu dicentang; bilah ini mengatur
jarak pandang dari 350 (ujung atas) sampai 100 (ujung bawah). Jaraknya tidak ditulis sebagai
angka: letak bilah itulah yang menunjukkannya. Makin kecil jaraknya, makin kuat kesan
perspektifnya. Setiap perubahan jarak menggambar ulang bangun dari tampilan awalnya. Dengan
keyboard: selama kotak dicentang, bilah ini dicapai dengan Tab dan digeser dengan tombol panah
atas dan bawah.</p>

<h3>Menyimpan dan mengekspor gambar</h3>
<p>Menu Spasiologi &rarr; Save Gambar (Ctrl+S), atau klik kanan di bidang gambar, menyimpan gambar
yang sedang tampil sebagai berkas .bmp. Rotasi otomatis berhenti sebelum gambar disimpan.</p>
<p>Menu Spasiologi &rarr; Ekspor Gambar&hellip; (Ctrl+E) menyimpan gambar sebagai PNG seukuran
layar, PNG empat kali lebih besar untuk dicetak, atau SVG (gambar vektor); jenisnya dipilih di
jendela penyimpanan. Gambar yang sama dapat dibuat tanpa membuka jendela program, dari baris
perintah, misalnya:</p>
<p><code>ruvex3d --export kerucut.png --shape 3 --view 120,60 --scale 4</code></p>
<p>Semua pilihannya dijelaskan oleh <code>ruvex3d --help</code> dan <code>man ruvex3d</code>.</p>

<h3>Gambar seperti di buku pelajaran</h3>
<p>Di menu Spasiologi ada beberapa pilihan yang semula mati; centang untuk menyalakannya:</p>
<ul>
<li><b>Garis Belakang Putus-putus</b>: bagian garis yang tertutup permukaan bangun digambar
putus-putus, seperti di buku pelajaran; bagian depan tetap utuh.</li>
<li><b>Sumbu Koordinat</b>: sumbu x, y dan z melalui titik pusat, berwarna merah dan berhuruf X, Y
dan Z di ujung positifnya, ikut berputar bersama bangun.</li>
<li><b>Putar dengan Menyeret</b>: bangun hanya berputar selama mouse diseret dengan tombol kiri
(atau jari di layar sentuh), sejauh seretannya. Menggerakkan penunjuk tanpa menekan tombol tidak
mengubah tampilan, jadi tampilan tidak hilang saat penunjuk keluar dari bidang gambar atau menuju
menu.</li>
</ul>
<p>Kedua gambar bantu itu ikut tersimpan, terekspor, tampil di Layar Penuh dan tersalin.</p>
<p>Menu Spasiologi &rarr; Salin Gambar (Ctrl+C selama bidang gambar aktif) menyalin gambar yang
sedang tampil ke papan klip, sehingga dapat langsung ditempel di pengolah kata atau presentasi.
Menu Spasiologi &rarr; Salin Kode Tampilan menyalin perintah yang membuka program pada tampilan
ini, untuk dicatat di rencana pelajaran, misalnya:</p>
<p><code>ruvex3d --shape 3 --view 120,60 --back-lines dashed --axes</code></p>
<p>Perintah itu membuka jendela program pada tampilan yang sama. Dengan <code>--export</code> dan
nama file, gambarnya ditulis ke file tanpa membuka jendela.</p>

<h3>Layar penuh</h3>
<p>Menu Spasiologi &rarr; Layar Penuh (F11) menampilkan bangun memenuhi layar, cocok untuk
proyektor di kelas. Tekan Esc untuk kembali ke jendela biasa.</p>

<h3>Bagian jendela yang aktif</h3>
<p>Tombol keyboard selalu ditujukan ke satu bagian jendela, yang dipilih dengan Tab dan Shift+Tab.
Bagian itu ditandai bingkai kuning: bidang gambar, kotak centang, pilihan bangun, bilah jarak,
pilihan rotasi atau kotak teks definisi.</p>

<h3>Menu</h3>
<p>Menu dibuka dengan mouse, dengan Alt bersama huruf yang bergaris bawah, atau dengan F10.
Di dalam menu, pindah dengan tombol panah, pilih dengan Enter, dan tutup dengan Esc. Menu
Informasi Display RUVEX dan Help juga memuat keterangan tentang program ini.</p>

<h3>Daftar tombol pintas</h3>
<table cellspacing="0" cellpadding="3">
<tr><td><b>F1</b></td><td>Petunjuk Penggunaan (jendela ini)</td></tr>
<tr><td><b>F10</b></td><td>membuka menu Spasiologi</td></tr>
<tr><td><b>Alt+S</b></td><td>membuka menu Spasiologi</td></tr>
<tr><td><b>Alt+I</b></td><td>membuka menu Informasi Display RUVEX</td></tr>
<tr><td><b>Alt+H</b></td><td>membuka menu Help</td></tr>
<tr><td><b>Ctrl+S</b></td><td>Save Gambar</td></tr>
<tr><td><b>Ctrl+E</b></td><td>Ekspor Gambar&hellip;</td></tr>
<tr><td><b>Ctrl+C</b></td><td>Salin Gambar (bidang gambar aktif; di kotak teks definisi, jendela ini,
jendela informasi dan jendela Irisan Bidang menyalin teks yang dipilih)</td></tr>
<tr><td><b>Ctrl+Q</b></td><td>Tutup Program</td></tr>
<tr><td><b>Home</b></td><td>Tampilan Awal</td></tr>
<tr><td><b>F11</b></td><td>Layar Penuh; <b>Esc</b> kembali ke jendela biasa</td></tr>
<tr><td><b>Panah</b></td><td>memutar bangun selangkah (bidang gambar aktif)</td></tr>
<tr><td><b>Shift+Panah</b></td><td>memutar bangun sepuluh langkah (bidang gambar aktif)</td></tr>
<tr><td><b>Tab</b>, <b>Shift+Tab</b></td><td>pindah ke bagian jendela berikutnya atau sebelumnya</td></tr>
<tr><td><b>Spasi</b></td><td>memilih tombol atau kotak centang yang aktif</td></tr>
<tr><td><b>Esc</b>, <b>Enter</b></td><td>menutup jendela ini</td></tr>
</table>
)";
// clang-format on
