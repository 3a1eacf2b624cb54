#include "ImageFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <string>

using namespace kx;
using namespace kx::sim;

namespace {

ConfigBlock Numbered(int seed) {
    ConfigBlock record = StartupBlock();
    for (int i = 0; i < kRecordSize; ++i)
        record[i] = uint8_t(seed + i * 3);
    return record;
}

} // namespace

class ImageFileTest : public QObject {
    Q_OBJECT

  private slots:
    void saveReplacesTheImageWhole();
    void failedSaveKeepsThePreviousImage();
    void missingImageLeavesTheRecord();
};

void ImageFileTest::saveReplacesTheImageWhole() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string path = dir.filePath("unit.img").toStdString();

    QVERIFY(SaveImage(path, Numbered(1)));
    QVERIFY(SaveImage(path, Numbered(2)));
    ConfigBlock loaded = StartupBlock();
    QVERIFY(LoadImage(path, loaded));
    QVERIFY(loaded == Numbered(2));
    QVERIFY(!QFile::exists(QString::fromStdString(path + ".tmp")));
}

void ImageFileTest::failedSaveKeepsThePreviousImage() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string path = dir.filePath("unit.img").toStdString();
    QVERIFY(SaveImage(path, Numbered(1)));

    // A directory where the temporary file goes makes the write fail before the rename.
    QVERIFY(QDir(dir.path()).mkdir("unit.img.tmp"));
    QVERIFY(!SaveImage(path, Numbered(2)));
    ConfigBlock loaded = StartupBlock();
    QVERIFY(LoadImage(path, loaded));
    QVERIFY(loaded == Numbered(1));

    QVERIFY(!SaveImage(dir.filePath("missing/unit.img").toStdString(), Numbered(2)));
}

void ImageFileTest::missingImageLeavesTheRecord() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ConfigBlock record = Numbered(5);
    QVERIFY(!LoadImage(dir.filePath("absent.img").toStdString(), record));
    QVERIFY(record == Numbered(5));
}

QTEST_APPLESS_MAIN(ImageFileTest)
#include "test_image_file.moc"
