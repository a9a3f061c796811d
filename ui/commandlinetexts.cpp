#include "ui/commandlinetexts.h"

#include "surface/shapecatalogue.h"
#include "ui/qtext.h"
#include "window/viewlimits.h"

namespace {

QString shapeList()
{
    QString text;
    for (int n = 0; n < kShapeCount; ++n)
        text += QStringLiteral("  %1  %2\n").arg(n, 2).arg(toQString(shapeCaption(n)));
    return text;
}

QString examples(const QString& program)
{
    return QStringLiteral("\nContoh:\n"
                          "  %1 --export kerucut.png --shape 3 --view 120,60 --scale 4\n"
                          "  %1 --export tabung.svg --shape 6 --perspective 200\n"
                          "  %1 --export lembar-kerja.png --shape 3 --view 120,60 --back-lines dashed "
                          "--axes --scale 4\n"
                          "  %1 --shape 3 --view 120,60 --axes    (membuka jendela pada tampilan itu)\n\n"
                          "Status keluar: 0 gambar tertulis (atau jendela ditutup), 1 file tidak dapat "
                          "ditulis, 2 pilihan salah.\n")
        .arg(program);
}

// The program's use and what it does, the first paragraphs of the help.
QString usageText(const QString& program)
{
    return QStringLiteral("Pemakaian: %1 [--export FILE] [PILIHAN...]\n"
                          "Menampilkan bangun ruang geometri analitik sebagai kerangka kawat yang dapat\n"
                          "diputar. Tanpa pilihan, jendela program dibuka (pilihan baku Qt seperti\n"
                          "-platform, -style, -display dan -geometry berlaku untuk jendela itu). Dengan\n"
                          "--export, gambar ditulis ke FILE tanpa jendela dan tanpa layar: gambar yang sama\n"
                          "dengan yang disimpan jendela untuk tampilan yang sama. Tanpa --export, pilihan\n"
                          "tampilan di bawah membuka jendela pada tampilan itu (seperti yang disalin oleh\n"
                          "Spasiologi -> Salin Kode Tampilan).\n\n")
        .arg(program);
}

// Every option, with its range and default.
QString optionsText()
{
    return QStringLiteral(
               "Pilihan:\n"
               "  --export FILE      tulis gambar ke FILE lalu selesai; jenisnya menurut akhiran\n"
               "                     FILE: .bmp (seperti \"Save Gambar\"), .png, .svg (vektor)\n"
               "  --shape N          bangun ruang nomor, 0 sampai %1 (bawaan 0; daftar di bawah)\n"
               "  --view X,Y         posisi penunjuk di atas bidang gambar, X dan Y 0 sampai %2\n"
               "                     (bawaan 0,0, seperti bangun ruang yang baru dipilih)\n"
               "  --perspective D    perspektif pada jarak D, %3 sampai %4 (bawaan: tanpa)\n"
               "  --aspect A         faktor aspek, 0 sampai 1,6 dalam kelipatan 0,1; koma atau\n"
               "                     titik sebagai tanda desimal (bawaan 1)\n"
               "  --back-lines GARIS garis belakang: dashed (putus-putus, seperti \"Garis\n"
               "                     Belakang Putus-putus\") atau solid (bawaan)\n"
               "  --axes             gambar sumbu koordinat x, y dan z (\"Sumbu Koordinat\")\n"
               "  --section SUDUT,JARAK\n"
               "                     irisan bidang x\u00b7sin SUDUT + z\u00b7cos SUDUT = JARAK\n"
               "                     (\"Irisan Bidang\"): SUDUT 0 sampai 90, JARAK -150 sampai 150\n"
               "  --section-plane BIDANG\n"
               "                     bidang irisan itu: shown (digambar, bawaan) atau hidden\n"
               "                     (tidak digambar, \"Tampilkan Bidang\" tidak dicentang)\n"
               "  --section-info     tulis nama dan persamaan irisan itu lalu selesai (bersama\n"
               "                     --section; dengan --export gambarnya juga ditulis)\n"
               "  --scale K          pembesaran gambar .png, %5 sampai %6 (bawaan 1; 4 untuk\n"
               "                     dicetak)\n"
               "  -h, --help         tampilkan bantuan ini lalu selesai\n"
               "      --version      tampilkan versi program lalu selesai\n\n"
               "Bangun ruang (N):\n")
        .arg(kLargestShapeNumber)
        .arg(kLargestPointerPosition)
        .arg(kMinDistance)
        .arg(kMaxDistance)
        .arg(kMinScale)
        .arg(kMaxScale);
}

} // namespace

QString helpText(const QString& program)
{
    return usageText(program) + optionsText() + shapeList() + examples(program);
}
