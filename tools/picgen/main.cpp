// velorin-picgen OUTPUT_FOLDER
//
// Draws every picture of the game and writes it into OUTPUT_FOLDER (the
// build's `pictures` target passes the source tree's assets/, all of which
// the build compiles into the game). Nothing is random: running it again
// writes the very same bytes.
#include "Files.h"
#include "Pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <vector>

namespace {

struct Asset {
    QString Path; // relative to the output folder
    std::function<QByteArray()> Encode;
};

std::vector<Asset> AllAssets()
{
    std::vector<Asset> assets;
    const auto png = [&assets](const QString& path, const std::function<QImage()>& draw) {
        assets.push_back({path, [draw] { return PngBytes(draw()); }});
    };
    // The pictures the game draws with are plain 24-bit bitmaps: nothing to
    // unpack when the game starts.
    const auto bmp = [&assets](const QString& path, const std::function<QImage()>& draw) {
        assets.push_back({path, [draw] { return BmpBytes(draw()); }});
    };
    assets.push_back({"main/Original.jpg", [] { return JpegBytes(DrawBoard()); }});
    for (int code = 1; code <= ColourCount; ++code)
        bmp(QStringLiteral("main/Farbe%1.bmp").arg(code), [code] { return DrawStone(code); });
    bmp("main/Ring.bmp", DrawRing);
    bmp("main/Klein.bmp", DrawSmallStones);
    bmp("main/Auswertung.bmp", DrawScorePanel);
    bmp("Zahlen.bmp", DrawDigits);
    bmp("wertung/Punktewertung.bmp", DrawLevelScorePanel);
    png("hscores/Erase.png", DrawEraser);
    png("common/OkGlyph.png", [] { return DrawOkGlyph(true); });
    png("common/OkGlyphDisabled.png", [] { return DrawOkGlyph(false); });
    png("icon/Velorin32-16colours.png", [] { return DrawIndexedAppIcon(16); });
    // The window icons, read with the main window's pictures when the game
    // starts: bitmaps with alpha.
    const auto alphaBmp = [&assets](const QString& path, const std::function<QImage()>& draw) {
        assets.push_back({path, [draw] { return AlphaBmpBytes(draw()); }});
    };
    alphaBmp("icon/Velorin32-256colours.bmp", [] { return DrawIndexedAppIcon(256); });
    alphaBmp("icon/Velorin16.bmp", [] { return DrawAppIcon(16); });
    // The icons of the menu entries, at each size of the icon theme.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        png(QStringLiteral("icon/velorin-%1.png").arg(size), [size] { return DrawAppIcon(size); });
        png(QStringLiteral("icon/velorin-editor-%1.png").arg(size), [size] { return DrawEditorIcon(size); });
    }
    assets.push_back({"icon/velorin.svg", AppIconSvg});
    assets.push_back({"icon/velorin-editor.svg", EditorIconSvg});
    return assets;
}

} // namespace

int main(int argc, char** argv)
{
    // An option is never taken for the folder: "--help" would otherwise
    // become a folder full of pictures.
    if (argc != 2 || argv[1][0] == '\0' || argv[1][0] == '-') {
        const bool asked = argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
        std::fprintf(asked ? stdout : stderr,
                     "usage: velorin-picgen OUTPUT_FOLDER\n"
                     "Draws the game's pictures into OUTPUT_FOLDER.\n");
        return asked ? 0 : 2;
    }
    // Text needs Qt's font machinery, which needs an application; no window
    // is ever shown, so no display is needed either.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir()) {
        std::fprintf(stderr, "velorin-picgen: %s is not a folder\n", argv[1]);
        return 1;
    }
    try {
        const std::vector<Asset> assets = AllAssets();
        for (const Asset& asset : assets)
            WriteFile(folder + '/' + asset.Path, asset.Encode());
        std::printf("velorin-picgen: wrote %zu pictures to %s\n", assets.size(), argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velorin-picgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
