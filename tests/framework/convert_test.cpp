// The converter: dialog units to pixels, and byte strings (UTF-8, or Windows-1252 where not
// UTF-8) to toolkit text and back.
#include <QtTest>

#include "framework/qt/private/convert.h"

class ConvertTest : public QObject {
    Q_OBJECT

private slots:
    void dialogUnitsScaleByQuarterAndEighthBaseUnits() {
        // Base units 7 x 14: x by 7/4, y by 14/8.
        QCOMPARE(framework::DialogUnitsToPixels(QRect(7, 6, 125, 33), {7, 14}),
                 QRect(12, 11, 219, 58));
        QCOMPARE(framework::DialogUnitsToPixels(QRect(0, 0, 143, 294), {7, 14}).size(),
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

    // Bytes outside well-formed UTF-8, as a Windows editor saves them, read as Windows-1252,
    // one character each; the text then goes back as UTF-8 and reads the same again.
    void otherBytesReadAsWindows1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("accented") << QByteArray("CAF\xC9") << QStringLiteral("CAF\u00C9");
        QTest::newRow("beside UTF-8") << QByteArray("\xC3\xA4\xE4Z")
                                      << QStringLiteral("\u00E4\u00E4Z");
        QTest::newRow("0x80 to 0x9F") << QByteArray("\x80\x81\x9F")
                                      << QStringLiteral("\u20AC\u0081\u0178");
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << QStringLiteral("\u00C0\u00AF");
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80")
                                   << QStringLiteral("\u00ED\u00A0\u20AC");
        QTest::newRow("cut short") << QByteArray("A\xE6\x9C") << QStringLiteral("A\u00E6\u0153");
        QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80")
                                       << QStringLiteral("\u00F4\u0090\u20AC");
    }
    void otherBytesReadAsWindows1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(framework::ToQString(bytes.constData()), text);
        const CString back = framework::ToCString(text);
        QCOMPARE(QByteArray(back), text.toUtf8());
        QCOMPARE(framework::ToQString(back), text);
    }
};

QTEST_MAIN(ConvertTest)
#include "convert_test.moc"
