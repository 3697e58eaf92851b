// The resource table and what res/ registers in it (icon group 128 and the version block;
// template 102 is checked on real widgets by the dialog suite); icon decoding, including
// damaged .ico files.
#include <QtTest>

#include "framework/qt/private/icon_loader.h"
#include "framework/resources.h"
#include "tests/framework/test_support.h"

using ByteVector = std::vector<unsigned char>;
Q_DECLARE_METATYPE(ByteVector)

class ResourcesTest : public fwtest::ProgramTest {
    Q_OBJECT

private slots:
    void theVersionBlockIsRegistered() {
        const framework::VersionInfo* version = framework::FindVersionInfo();
        QVERIFY(version);
        for (const WORD* v : {version->fileVersion, version->productVersion})
            QCOMPARE(QList<WORD>({v[0], v[1], v[2], v[3]}), QList<WORD>({1, 0, 0, 1}));
        QCOMPARE(QString(version->productName), QString("Velmora"));
    }

    void theProgramIconHasItsThreeSizes() {
        const HINSTANCE module =
            AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MAINFRAME), RT_GROUP_ICON);
        const HICON icon = ::LoadIconA(module, MAKEINTRESOURCE(IDR_MAINFRAME));
        QVERIFY(icon);
        QCOMPARE(::LoadIconA(module, MAKEINTRESOURCE(IDR_MAINFRAME)), icon);
        const std::vector<QImage> images =
            framework::DecodeIconGroup(framework::FindIconGroup(IDR_MAINFRAME));
        QCOMPARE(images.size(), std::size_t{3});
        for (int size : {16, 32, 48})
            QCOMPARE(framework::IconImage(icon, size).size(), QSize(size, size));
        // The tile's rounded corners are see-through at every size, whatever its depth.
        for (const QImage& image : images) {
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        }
    }

    void eachSizeKeepsItsDeepestImage() {
        const ByteVector ico = fwtest::MakeIcoFile(
            {{32, 4, Qt::red}, {32, 24, Qt::green}, {32, 8, Qt::blue}, {16, 8, Qt::blue}});
        const std::vector<QImage> images = framework::DecodeIconGroup(ico);
        QCOMPARE(images.size(), std::size_t{2});
        QCOMPARE(images[0].size(), QSize(16, 16));
        QCOMPARE(images[0].pixelColor(8, 8), QColor(Qt::blue));
        QCOMPARE(images[1].pixelColor(8, 8), QColor(Qt::green));
    }

    void damagedIcoFilesKeepOnlyWhatDecodes_data() {
        QTest::addColumn<ByteVector>("ico");
        QTest::addColumn<int>("images");
        const ByteVector good = fwtest::MakeIcoFile({{32, 24, Qt::red}, {16, 24, Qt::red}});
        ByteVector pastTheEnd = good;
        pastTheEnd[6 + 12] = 0xF0; // the first image's offset points far past the file
        ByteVector cutShort(good.begin(), good.begin() + 6 + 32 + 100);
        ByteVector manyClaimed(good.begin(), good.begin() + 6);
        manyClaimed[4] = 0xFF;
        QTest::newRow("empty") << ByteVector() << 0;
        QTest::newRow("not an icon") << ByteVector({'G', 'I', 'F', '8', '9', 'a', 0, 0}) << 0;
        QTest::newRow("directory claims 255 images, has none") << manyClaimed << 0;
        QTest::newRow("image cut short") << cutShort << 0;
        QTest::newRow("one entry points past the end") << pastTheEnd << 1;
        QTest::newRow("intact") << good << 2;
    }
    void damagedIcoFilesKeepOnlyWhatDecodes() {
        QFETCH(ByteVector, ico);
        QFETCH(int, images);
        QCOMPARE(int(framework::DecodeIconGroup(ico).size()), images);
    }

    void loadIconRefusesWhatIsNotARegisteredGroup() {
        const HINSTANCE module = AfxFindResourceHandle(nullptr, nullptr);
        QVERIFY(module);
        QVERIFY(!::LoadIconA(module, MAKEINTRESOURCE(4711)));
        QVERIFY(!::LoadIconA(module, "IDR_MAINFRAME")); // icons named by text are not provided
        QVERIFY(!::LoadIconA(nullptr, MAKEINTRESOURCE(IDR_MAINFRAME)));
        QVERIFY(framework::IconImage(reinterpret_cast<HICON>(0x4711), 32).isNull());
    }
};

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
