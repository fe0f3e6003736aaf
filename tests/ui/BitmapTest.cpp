// The program's own bitmap reader: every bitmap compiled in reads as the
// toolkit's reader reads it, and a damaged file is no picture, never a
// crash or a read beyond its end.
#include "Bitmap.h"
#include "Pictures.h"

#include <QDirIterator>
#include <QImageReader>
#include <QTest>

#include <functional>

namespace {

QImage ReadWithToolkit(const QString& resource)
{
    QImageReader reader(resource, "bmp");
    return reader.read();
}

void PutU32(QByteArray& file, int at, quint32 value)
{
    for (int n = 0; n < 4; ++n)
        file[at + n] = static_cast<char>((value >> (8 * n)) & 0xFFu);
}

quint32 U32(const QByteArray& file, int at)
{
    quint32 value = 0;
    for (int n = 3; n >= 0; --n)
        value = value << 8 | static_cast<unsigned char>(file[at + n]);
    return value;
}

} // namespace

class BitmapTest : public QObject {
    Q_OBJECT

private slots:
    void everyBitmapOfTheProgramReadsAsTheToolkitReadsIt()
    {
        int bitmaps = 0, withAlpha = 0;
        for (QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.bmp")}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString resource = it.next();
            const QImage ours = DecodeBitmap(LoadResourceBytes(resource));
            QVERIFY2(!ours.isNull(), qPrintable(resource));
            const QImage toolkits = ReadWithToolkit(resource);
            QVERIFY2(!toolkits.isNull(), qPrintable(resource));
            QCOMPARE(ours.hasAlphaChannel(), toolkits.hasAlphaChannel());
            QVERIFY2(ours == toolkits.convertToFormat(ours.format()), qPrintable(resource));
            ++bitmaps;
            withAlpha += ours.hasAlphaChannel() ? 1 : 0;
        }
        QVERIFY(bitmaps >= 19); // 12 stones, ring, small stones, digits, two score pictures, two icons
        QCOMPARE(withAlpha, 2); // the window icons
    }

    void rowsStoredTopDownReadTheSame()
    {
        for (const QString& resource : {Resource::Klein, Resource::Icon16Pixels}) {
            const QByteArray bottomUp = LoadResourceBytes(resource);
            const int pixelsAt = static_cast<int>(U32(bottomUp, 10));
            const int height = static_cast<int>(U32(bottomUp, 22));
            const int stride = static_cast<int>(bottomUp.size() - pixelsAt) / height;
            QByteArray topDown = bottomUp.left(pixelsAt);
            PutU32(topDown, 22, static_cast<quint32>(-height));
            for (int row = height - 1; row >= 0; --row)
                topDown += bottomUp.mid(pixelsAt + row * stride, stride);
            QCOMPARE(DecodeBitmap(topDown), DecodeBitmap(bottomUp));
        }
    }

    // Sizes and offsets that would lead a reader beyond the file's end, and
    // forms the game never stores.
    void aDamagedBitmapIsNoPicture()
    {
        const QByteArray stone = LoadResourceBytes(Resource::Farbe(1));
        const QByteArray icon = LoadResourceBytes(Resource::Icon256Colours);
        QVERIFY(!DecodeBitmap(stone).isNull());
        QVERIFY(!DecodeBitmap(icon).isNull());
        const auto changed = [](QByteArray file, const std::function<void(QByteArray&)>& change) {
            change(file);
            return file;
        };
        const struct {
            const char* What;
            QByteArray File;
        } damaged[] = {
            {"empty", {}},
            {"the headers only", stone.left(54)},
            {"one byte short of its pixels", stone.chopped(1)},
            {"no BM", changed(stone, [](QByteArray& f) { f[0] = 'X'; })},
            {"pixels beyond the end", changed(stone, [](QByteArray& f) { PutU32(f, 10, 0x7FFFFFF0u); })},
            {"a header larger than the file", changed(stone, [](QByteArray& f) { PutU32(f, 14, 0xFFFFFFF0u); })},
            {"a vast width", changed(stone, [](QByteArray& f) { PutU32(f, 18, 0x40000000u); })},
            {"the most negative height", changed(stone, [](QByteArray& f) { PutU32(f, 22, 0x80000000u); })},
            {"8 bits a pixel", changed(stone, [](QByteArray& f) { f[28] = 8; })},
            {"run-length packed", changed(stone, [](QByteArray& f) { PutU32(f, 30, 1); })},
            {"other masks", changed(icon, [](QByteArray& f) { PutU32(f, 54, 0x000000FFu); })},
            {"masks beyond a short header", changed(icon.left(60), [](QByteArray& f) { PutU32(f, 14, 108); })},
        };
        for (const auto& file : damaged)
            QVERIFY2(DecodeBitmap(file.File).isNull(), file.What);
    }
};

QTEST_GUILESS_MAIN(BitmapTest)
#include "BitmapTest.moc"
