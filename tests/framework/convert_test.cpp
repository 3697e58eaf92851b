// The converter: the window system's MulDiv rounding, dialog units to pixels, and byte
// strings to toolkit text and back.
#include <QtTest>
#include <climits>

#include "framework/qt/private/convert.h"

class ConvertTest : public QObject {
    Q_OBJECT

private slots:
    void mulDivRoundsHalfAwayFromZero_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("result");
        QTest::newRow("exact") << 8 << 7 << 4 << 14;
        QTest::newRow("quarter down") << 143 << 7 << 4 << 250;
        QTest::newRow("half up") << 294 << 14 << 8 << 515;
        QTest::newRow("three quarters up") << 1 << 7 << 4 << 2;
        QTest::newRow("negative half away") << -3 << 5 << 2 << -8;
        QTest::newRow("negative denominator") << 3 << 5 << -2 << -8;
        QTest::newRow("zero denominator") << 5 << 1 << 0 << -1;
        QTest::newRow("overflow") << INT_MAX << 2 << 1 << -1;
        QTest::newRow("wide intermediate") << INT_MAX << INT_MAX << INT_MAX << INT_MAX;
    }
    void mulDivRoundsHalfAwayFromZero() {
        QFETCH(int, number);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, result);
        QCOMPARE(framework::MulDiv(number, numerator, denominator), result);
    }

    void dialogUnitsScaleByQuarterAndEighthBaseUnits() {
        // Base units 7 x 14: x by 7/4, y by 14/8.
        QCOMPARE(framework::DialogUnitsToPixels(QRect(7, 6, 125, 33), QSize(7, 14)),
                 QRect(12, 11, 219, 58));
        QCOMPARE(framework::DialogUnitsToPixels(QRect(0, 0, 143, 294), QSize(7, 14)).size(),
                 QSize(250, 515));
    }

    void bytesSurviveTheRoundTrip_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("characters");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("capitals") << QByteArray("AEINRST") << 7;
        QTest::newRow("two-byte letters") << QByteArray("\xC3\xA4\xC3\xB6") << 2;
        QTest::newRow("three-byte letter") << QByteArray("\xE6\x9C\xAC") << 1;
    }
    void bytesSurviveTheRoundTrip() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, characters);
        const QString text = framework::ToQString(bytes.constData());
        QCOMPARE(int(text.size()), characters);
        const CString back = framework::ToCString(text);
        QCOMPARE(back.GetLength(), int(bytes.size()));
        QCOMPARE(QByteArray(back), bytes);
        QVERIFY(framework::ToQString(nullptr).isEmpty());
    }
};

QTEST_MAIN(ConvertTest)
#include "convert_test.moc"
