// SPDX-License-Identifier: GPL-3.0-or-later
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QSet>
#include <QtTest>

#include "screens/Immagini.h"

namespace {

// The sixteen colours the pictures may use.
const QSet<QRgb>& tavolozza() {
    static const QSet<QRgb> colori = {
        qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00),
        qRgb(0x80, 0x80, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80),
        qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80),
        qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
        qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF),
        qRgb(0xFF, 0xFF, 0xFF)};
    return colori;
}

// The mouth of the faces: outside it the three faces are the same.
const QRect zonaBocca(3, 16, 26, 13);

int pixelTrasparenti(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) == 0)
                ++n;
    return n;
}

} // namespace

class TestImmagini : public QObject {
    Q_OBJECT

private slots:
    void tuttiIColori_data();
    void tuttiIColori();
    void trasparenza_data();
    void trasparenza();
    void faccineStessoDisco_data();
    void faccineStessoDisco();
    void iconaBacchettaHaDueMisure();
};

void TestImmagini::tuttiIColori_data() {
    QTest::addColumn<QImage>("immagine");
    QTest::addColumn<int>("lato");
    QTest::addColumn<int>("minimoColori");

    QTest::newRow("lettere") << Immagini::lettere() << 32 << 4;
    QTest::newRow("persona") << Immagini::persona() << 32 << 6;
    QTest::newRow("bacchetta") << Immagini::bacchetta() << 32 << 4;
    QTest::newRow("bacchetta16") << Immagini::bacchetta16() << 16 << 4;
    QTest::newRow("faccinaSorridente") << Immagini::faccinaSorridente() << 32 << 3;
    QTest::newRow("faccinaRidente") << Immagini::faccinaRidente() << 32 << 3;
    QTest::newRow("faccinaTriste") << Immagini::faccinaTriste() << 32 << 2;
    // Enlarged, as on the exercise window and on a whiteboard at one and a half times.
    const auto ingrandita = [](const QPixmap& figura) {
        return figura.toImage().convertToFormat(QImage::Format_ARGB32);
    };
    QTest::newRow("faccinaRidente stirata")
        << ingrandita(Immagini::stirata(Immagini::faccinaRidente(), QSize(65, 65))) << 65 << 3;
    QTest::newRow("persona a 48")
        << ingrandita(Immagini::icona(Immagini::persona()).pixmap(QSize(32, 32), 1.5)) << 48 << 6;
    QTest::newRow("bacchetta a 24")
        << ingrandita(Immagini::iconaBacchetta().pixmap(QSize(24, 24))) << 24 << 4;
}

void TestImmagini::tuttiIColori() {
    QFETCH(QImage, immagine);
    QFETCH(int, lato);
    QFETCH(int, minimoColori);

    QVERIFY(!immagine.isNull());
    QCOMPARE(immagine.format(), QImage::Format_ARGB32);
    QCOMPARE(immagine.size(), QSize(lato, lato));

    QSet<QRgb> usati;
    int opachi = 0;
    for (int y = 0; y < lato; ++y) {
        for (int x = 0; x < lato; ++x) {
            const QRgb p = immagine.pixel(x, y);
            const int alfa = qAlpha(p);
            QVERIFY2(alfa == 0 || alfa == 255,
                     qPrintable(QStringLiteral("alpha %1 at (%2,%3)").arg(alfa).arg(x).arg(y)));
            if (alfa == 0)
                continue;
            ++opachi;
            const QRgb colore = p | 0xFF000000u;
            QVERIFY2(tavolozza().contains(colore),
                     qPrintable(QStringLiteral("colour #%1 outside the palette at (%2,%3)")
                                    .arg(colore & 0xFFFFFFu, 6, 16, QLatin1Char('0'))
                                    .arg(x)
                                    .arg(y)));
            usati.insert(colore);
        }
    }
    // A real picture: enough colours and at least a third of the area drawn.
    QVERIFY2(usati.size() >= minimoColori, qPrintable(QString::number(usati.size())));
    QVERIFY2(opachi * 3 >= lato * lato, qPrintable(QString::number(opachi)));
}

void TestImmagini::trasparenza_data() {
    QTest::addColumn<QImage>("immagine");
    QTest::addColumn<bool>("angoliTrasparenti");

    QTest::newRow("lettere") << Immagini::lettere() << false;
    QTest::newRow("persona") << Immagini::persona() << true;
    QTest::newRow("bacchetta") << Immagini::bacchetta() << true;
    QTest::newRow("bacchetta16") << Immagini::bacchetta16() << true;
    QTest::newRow("faccinaSorridente") << Immagini::faccinaSorridente() << true;
    QTest::newRow("faccinaRidente") << Immagini::faccinaRidente() << true;
    QTest::newRow("faccinaTriste") << Immagini::faccinaTriste() << true;
}

void TestImmagini::trasparenza() {
    QFETCH(QImage, immagine);
    QFETCH(bool, angoliTrasparenti);

    const int w = immagine.width() - 1;
    const int h = immagine.height() - 1;
    const QList<QPoint> angoli = {{0, 0}, {w, 0}, {0, h}, {w, h}};

    if (!angoliTrasparenti) {
        // The white square of the letters is solid: no holes.
        QCOMPARE(pixelTrasparenti(immagine), 0);
        QCOMPARE(immagine.pixel(0, 0), qRgb(0xFF, 0xFF, 0xFF));
        return;
    }
    for (const QPoint& p : angoli)
        QVERIFY2(qAlpha(immagine.pixel(p)) == 0,
                 qPrintable(QStringLiteral("corner (%1,%2) opaque").arg(p.x()).arg(p.y())));
    // The background is really empty, not only in the corners.
    const int area = immagine.width() * immagine.height();
    QVERIFY2(pixelTrasparenti(immagine) * 10 >= area,
             qPrintable(QString::number(pixelTrasparenti(immagine))));
}

void TestImmagini::faccineStessoDisco_data() {
    QTest::addColumn<QImage>("prima");
    QTest::addColumn<QImage>("seconda");

    const QImage sorridente = Immagini::faccinaSorridente();
    const QImage ridente = Immagini::faccinaRidente();
    const QImage triste = Immagini::faccinaTriste();
    QTest::newRow("sorridente-ridente") << sorridente << ridente;
    QTest::newRow("sorridente-triste") << sorridente << triste;
    QTest::newRow("ridente-triste") << ridente << triste;
}

void TestImmagini::faccineStessoDisco() {
    QFETCH(QImage, prima);
    QFETCH(QImage, seconda);

    QCOMPARE(prima.size(), seconda.size());
    int diverseInBocca = 0;
    for (int y = 0; y < prima.height(); ++y) {
        for (int x = 0; x < prima.width(); ++x) {
            const QRgb a = prima.pixel(x, y);
            const QRgb b = seconda.pixel(x, y);
            const QString dove = QStringLiteral("(%1,%2)").arg(x).arg(y);
            QVERIFY2(qAlpha(a) == qAlpha(b), qPrintable("mask differs at " + dove));
            if (zonaBocca.contains(x, y)) {
                if (a != b)
                    ++diverseInBocca;
            } else {
                QVERIFY2(a == b, qPrintable("disc or eyes differ at " + dove));
            }
        }
    }
    // The mouths must really differ, not by one pixel.
    QVERIFY2(diverseInBocca >= 20, qPrintable(QString::number(diverseInBocca)));
}

void TestImmagini::iconaBacchettaHaDueMisure() {
    const QIcon icona = Immagini::iconaBacchetta();
    const QList<QSize> misure = icona.availableSizes();
    QVERIFY(misure.contains(QSize(16, 16)));
    QVERIFY(misure.contains(QSize(32, 32)));
    // At 16 pixels the drawing made for that size is used, not the large one shrunk.
    const QImage piccola =
        icona.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(piccola, Immagini::bacchetta16());
}

QTEST_MAIN(TestImmagini)
#include "tst_immagini.moc"
